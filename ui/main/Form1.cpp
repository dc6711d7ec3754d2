#include "main/Form1.h"

#include "main/Module1.h"
#include "shared/ProgramFlags.h"
#include "shared/picture.h"

#include "levora/estimation.h"
#include "levora/estimation_request.h"
#include "levora/model_tables.h"
#include "levora/pictures.h"
#include "levora/toolkit/events.h"
#include "levora/toolkit/number_format.h"
#include "levora/toolkit/runtime.h"
#include "levora/toolkit/twips.h"

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

#include <string_view>

namespace levora::ui {

using toolkit::ColourValue;
using toolkit::systemColour;
using toolkit::SystemColour;

namespace {

constexpr ColourValue LightCyan = 0xFFFFC0;
constexpr ColourValue Green = 0x8000;
constexpr ColourValue Grey = 0xC0C0C0;
constexpr ColourValue FrameColour = 0x8000000B;

QFont arialBold() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The label's text, the result itself, is what a screen reader reads as its
// name; the description says what the value is.
toolkit::Label* resultLabel(QWidget* container, const QString& name, double top, const QString& description) {
    auto* label = new toolkit::Label(container, name);
    label->Move(1680, top, 2235, 255);
    label->setDescription(description);
    label->setFont(arialBold());
    label->setForeColor(Green);
    label->setBackColor(Grey);
    label->setVisible(false);
    return label;
}

} // namespace

Form1::Form1()
    : Form(QStringLiteral("Form1"), toolkit::BorderStyle::FixedSingle, toolkit::CaptionButtons::Minimize, 5123,
           6510) {
    setCaption(QStringLiteral("Levora for N.Korea"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/document_icon_16.png"));
    icon.addFile(QStringLiteral(":/pictures/document_icon_32.png"));
    setWindowIcon(icon);
    buildMenu();
    buildTopBar();
    buildResultPanel();
    buildSteps();
    buildFrames();
    connectEvents();
}

void Form1::buildTopBar() {
    Picture1 = new toolkit::PictureBox(client(), QStringLiteral("Picture1"));
    Picture1->Move(0, 0, 5055, 375);
    Picture1->setAccessibleName(QStringLiteral("Top bar"));
    Picture1->setDescription(QStringLiteral("The bar with the Exit and Help pictures."));
    Image7 = picture(Picture1, QStringLiteral("Image7"), QStringLiteral("exit_button"), QStringLiteral("Exit"),
                     QStringLiteral("Ends the program at once, as Exit in the menu bar does."));
    Image7->Move(90, 105, 465, 255);
    Image7->setMouseIcon(pointingHand());
    Image7->setRole(toolkit::PictureRole::Button);
    Image8 = picture(Picture1, QStringLiteral("Image8"), QStringLiteral("help_button"), QStringLiteral("Help"),
                     QStringLiteral("Opens the help topics, as Help Topics in the Help menu does."));
    Image8->Move(575, 100, 465, 255);
    Image8->setMouseIcon(pointingHand());
    Image8->setRole(toolkit::PictureRole::Button);
    Line5 = new toolkit::Line(Picture1, QStringLiteral("Line5"));
    Line6 = new toolkit::Line(Picture1, QStringLiteral("Line6"));
    Line6->setBorderColor(systemColour(SystemColour::WindowBackground));
}

void Form1::buildResultPanel() {
    Picture2 = new toolkit::PictureBox(client(), QStringLiteral("Picture2"));
    Picture2->Move(0, 360, 5063, 5850);
    Picture2->setBackColor(systemColour(SystemColour::ToolTipBackground));
    Picture2->setAccessibleName(QStringLiteral("Estimation"));
    Picture2->setDescription(
        QStringLiteral("The results at the top, the three input steps and the GO button below them."));
    Picture3 = new toolkit::PictureBox(Picture2, QStringLiteral("Picture3"));
    Picture3->Move(400, 240, 4125, 1335);
    Picture3->setBackColor(LightCyan);
    Picture3->setAccessibleName(QStringLiteral("Results"));
    Picture3->setDescription(
        QStringLiteral("The results of the last estimation, or a greeting while there are none to show."));
    Image6 = picture(Picture3, QStringLiteral("Image6"), QStringLiteral("welcome"), QStringLiteral("Welcome"),
                     QStringLiteral("A greeting, shown while no results are on display."));
    Image6->Move(1480, 360, 600, 420);
    Image1a = picture(Picture3, QStringLiteral("Image1a"), QStringLiteral("result_burden"),
                      QStringLiteral("The tax burden is (WON)  "),
                      QStringLiteral("The caption of the first result: the tax burden, in won."));
    Image1a->Move(75, 75, 1440, 300);
    Image1b = picture(Picture3, QStringLiteral("Image1b"), QStringLiteral("result_progressivity"),
                      QStringLiteral("The progressivity is  "),
                      QStringLiteral("The caption of the second result: the progressivity of the tax."));
    Image1b->Move(75, 390, 1440, 300);
    Image1c = picture(Picture3, QStringLiteral("Image1c"), QStringLiteral("result_redistribution"),
                      QStringLiteral("The redistribution effect is  "),
                      QStringLiteral("The caption of the third result: the redistribution effect of the tax."));
    Image1c->Move(75, 705, 1440, 300);
    for (toolkit::Image* caption : {Image1a, Image1b, Image1c}) {
        caption->setVisible(false);
    }
    Label6 = resultLabel(Picture3, QStringLiteral("Label6"), 135,
                         QStringLiteral("Tax burden of one person in the chosen income range, in won."));
    Label7 = resultLabel(Picture3, QStringLiteral("Label7"), 438,
                         QStringLiteral("Progressivity of the tax, in hundred parts per million (hppm)."));
    Label8 = resultLabel(Picture3, QStringLiteral("Label8"), 728,
                         QStringLiteral("Redistribution effect of the tax, in hundred parts per million (hppm)."));
}

void Form1::buildSteps() {
    Image2 = picture(Picture2, QStringLiteral("Image2"), QStringLiteral("title_three_steps"),
                     QStringLiteral("Three steps to get model estimations"),
                     QStringLiteral("Three steps to see the model estimation"));
    Image2->Move(600, 1805, 2175, 390);
    Image3 = picture(Picture2, QStringLiteral("Image3"), QStringLiteral("step1_revenue"),
                     QStringLiteral("Step 1 - Choose the tax revenue (WON100m.)"),
                     QStringLiteral("Step 1: choose the total tax revenue (in hundred million won)"));
    Image3->Move(600, 2250, 2535, 345);
    Text2 = new toolkit::TextBox(Picture2, QStringLiteral("Text2"));
    Text2->Move(600, 2640, 3615, 375);
    Text2->setToolTip(QStringLiteral("Enter a number here"));
    Text2->setAccessibleName(QStringLiteral("Total tax revenue (hundred million won)"));
    Text2->setDescription(QStringLiteral("Type the proposed total tax revenue, in hundreds of millions of won."));
    Image4 = picture(Picture2, QStringLiteral("Image4"), QStringLiteral("step2_elasticity"),
                     QStringLiteral("Step 2 - Choose the tax elasticity"),
                     QStringLiteral("Step 2: choose the elasticity"));
    Image4->Move(600, 3085, 2025, 345);
    Combo1 = new toolkit::ComboBox(Picture2, QStringLiteral("Combo1"));
    Combo1->Move(600, 3480, 3615, 360);
    Combo1->setToolTip(QStringLiteral("Select a number from the list"));
    Combo1->setAccessibleName(QStringLiteral("Tax elasticity"));
    Combo1->setDescription(QStringLiteral("Choose the income elasticity of the tax, from -0.9 to 0.9."));
    Image5 = picture(Picture2, QStringLiteral("Image5"), QStringLiteral("step3_range"),
                     QStringLiteral("Step 3 - Choose the income range (WON)"),
                     QStringLiteral("Step 3: choose the income range (in won)"));
    Image5->Move(600, 3945, 2310, 345);
    Combo2 = new toolkit::ComboBox(Picture2, QStringLiteral("Combo2"));
    Combo2->Move(600, 4320, 3615, 360);
    Combo2->setToolTip(QStringLiteral("Select a range from the list"));
    Combo2->setAccessibleName(QStringLiteral("Income range (won)"));
    Combo2->setDescription(
        QStringLiteral("Choose the pre-tax income range, in won, of the person to estimate for."));
    Command1 = new toolkit::CommandButton(Picture2, QStringLiteral("Command1"));
    Command1->Move(960, 4920, 488, 488);
    Command1->setCaption(QStringLiteral("GO"));
    Command1->setToolTip(QStringLiteral("Click the button"));
    Command1->setDescription(QStringLiteral(
        "Estimates the tax burden, the progressivity and the redistribution effect from the inputs."));
    // Enter anywhere in the window presses "GO", as in a dialog.
    Command1->setDefault(true);
    for (QWidget* entry : std::initializer_list<QWidget*>{Text2, Combo1, Combo2, Command1}) {
        entry->setFont(arialBold());
    }
    for (toolkit::ControlProperties* entry :
         std::initializer_list<toolkit::ControlProperties*>{Text2, Combo1, Combo2}) {
        entry->setBackColor(LightCyan);
        entry->setForeColor(Green);
    }
    setTabOrder(Text2, Combo1);
    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Command1);
    Text2->setFocus();
}

void Form1::buildFrames() {
    auto frameLine = [this](const char* name) {
        auto* line = new toolkit::Line(Picture2, QString::fromLatin1(name));
        line->setBorderColor(FrameColour);
        return line;
    };
    Line11 = frameLine("Line11");
    Line12 = frameLine("Line12");
    Line13 = frameLine("Line13");
    Line14 = frameLine("Line14");
    Line21 = frameLine("Line21");
    Line22 = frameLine("Line22");
    Line23 = frameLine("Line23");
    Line24 = frameLine("Line24");
    Line31 = frameLine("Line31");
    Line32 = frameLine("Line32");
    Line33 = frameLine("Line33");
    Line34 = frameLine("Line34");
    Line41 = frameLine("Line41");
    Line42 = frameLine("Line42");
    Line43 = frameLine("Line43");
    Line44 = frameLine("Line44");
}

void Form1::connectEvents() {
    toolkit::connectEvent(Command1, &toolkit::CommandButton::Click, this, &Form1::Command1_Click);
    toolkit::connectEvent(Combo1, &toolkit::ComboBox::Click, this, &Form1::Combo1_Click);
    toolkit::connectEvent(Combo2, &toolkit::ComboBox::Click, this, &Form1::Combo2_Click);
    toolkit::connectEvent(Text2, &toolkit::TextBox::Change, this, &Form1::Text2_Change);
    toolkit::connectEvent(Image7, &toolkit::Image::Click, this, &Form1::Image7_Click);
    toolkit::connectEvent(Image8, &toolkit::Image::Click, this, &Form1::Image8_Click);
    toolkit::connectEvent(mnuFileExit, &QAction::triggered, this, &Form1::mnuFileExit_Click);
    toolkit::connectEvent(mnuHelpTopic, &QAction::triggered, this, &Form1::mnuHelpTopic_Click);
    toolkit::connectEvent(mnuHelpAbout, &QAction::triggered, this, &Form1::mnuHelpAbout_Click);
}

void Form1::Form_Load() {
    try {
        setHeight(6910);
        setWidth(5205 + 8);
        setTop(toolkit::Screen::Height() / 4 - Height() / 4);
        setLeft(toolkit::Screen::Width() / 4 - Width() / 4);
        Picture2->setWidth(5055 + 8);
        Picture2->setLeft((ScaleWidth() - Picture2->Width()) / 2 - 6);
        const double border = (Width() - ScaleWidth()) / 2;
        Line5->setX1(border);
        Line5->setX2(Width());
        Line5->setY1(0);
        Line5->setY2(0);
        Line6->setX1(border);
        Line6->setX2(Width());
        Line6->setY1(8);
        Line6->setY2(8);
        FrameGap = 1;
        FrameLineWidth = 1;
        FrameResultPanel();
        FrameRevenueEntry();
        FrameElasticityList();
        FrameRangeList();
        WindowsColor = 0xFFFFC0;
        FontsColor = 0x8000;
        BackgroundColor = 0x80000018;
        ApplyColors();
        BuildModelTables();
        Image7->setLeft(90);
        Image7->setTop(105);
        Image8->setLeft(Image7->Width() + Image7->Left() + 20);
        Image8->setTop(100);
    } catch (const toolkit::RunTimeError&) {
        // The window opens as far as it was built.
    }
}

void Form1::Form_Resize() {
    // The layout is fixed; minimizing and restoring change nothing in it.
}

void Form1::Form_Unload(std::int16_t& Cancel) {
    static_cast<void>(Cancel);
    if (MapWindowLoaded == 1) {
        toolkit::Unload(QStringLiteral("Form2"));
    }
    if (HelpWindowOpen == 1) {
        toolkit::Unload(QStringLiteral("MDIForm1"));
    }
    toolkit::End();
}

void Form1::FrameResultPanel() { drawFrame(*Picture3, Line11, Line12, Line13, Line14); }

void Form1::FrameRevenueEntry() { drawFrame(*Text2, Line21, Line22, Line23, Line24); }

void Form1::FrameElasticityList() { drawFrame(*Combo1, Line31, Line32, Line33, Line34); }

void Form1::FrameRangeList() { drawFrame(*Combo2, Line41, Line42, Line43, Line44); }

// Draws four lines around a control, FrameGap away from it. The right and the
// bottom line stop FrameGap short of the frame's lower right corner.
void Form1::drawFrame(const toolkit::ControlProperties& control, toolkit::Line* left, toolkit::Line* top,
                      toolkit::Line* right, toolkit::Line* bottom) const {
    const double g = FrameGap;
    const double L = control.Left();
    const double T = control.Top();
    const double W = control.Width();
    const double H = control.Height();
    const std::initializer_list<toolkit::Line*> lines{left, top, right, bottom};
    for (toolkit::Line* line : lines) {
        line->setVisible(true);
    }
    for (toolkit::Line* line : lines) {
        line->setBorderWidth(FrameLineWidth);
    }
    left->setX1(L - g);
    left->setX2(left->X1());
    left->setY1(T - g);
    left->setY2(H + left->Y1() + g);
    top->setX1(L - g);
    top->setX2(W + top->X1() + g);
    top->setY1(T - g);
    top->setY2(top->Y1());
    right->setX1(W + L + g);
    right->setX2(right->X1());
    right->setY1(T - g);
    right->setY2(H + right->Y1() + g);
    bottom->setX1(L - g);
    bottom->setX2(W + bottom->X1() + g);
    bottom->setY1(H + T + g);
    bottom->setY2(bottom->Y1());
}

void Form1::ApplyColors() {
    const ColourValue buttonFace = systemColour(SystemColour::ButtonFace);
    Picture1->setBackColor(buttonFace);
    setBackColor(buttonFace);
    Text2->setBackColor(toolkit::colourValue(WindowsColor));
    Combo1->setBackColor(toolkit::colourValue(WindowsColor));
    Combo2->setBackColor(toolkit::colourValue(WindowsColor));
    Text2->setForeColor(toolkit::colourValue(FontsColor));
    Combo1->setForeColor(toolkit::colourValue(FontsColor));
    Combo2->setForeColor(toolkit::colourValue(FontsColor));
    Picture2->setBackColor(toolkit::colourValue(BackgroundColor));
    Command1->setBackColor(toolkit::colourValue(BackgroundColor));
}

// The tables themselves are the engine's constants; what is built here are the
// two lists, which are left without a selection.
void Form1::BuildModelTables() {
    try {
        for (int e = 0; e < ElasticityCount; ++e) {
            Combo1->AddItem(fromUtf8(ElasticityName(e)));
        }
        Combo1->setListIndex(-1);
        for (int i = 1; i <= RangeCount; ++i) {
            Combo2->AddItem(fromUtf8(RangeName(i)));
        }
        Combo2->setListIndex(-1);
    } catch (const std::exception&) {
        // What was filled stays; the window's loading goes on.
    }
}

// The estimation request: the engine reads and rounds the revenue, checks it
// and the two lists and, when it accepts them, estimates. The rounded revenue
// is written back before any check, so a rejected revenue is shown rounded
// too; a text that is no number stays as it was typed.
void Form1::Command1_Click() {
    const RequestOutcome outcome = requestEstimation(Text2->Text().toStdString(), Combo1->ListIndex(),
                                                     Combo2->ListIndex(), toolkit::userNumberFormat());
    if (!outcome.revenue) {
        Module1::ShowInputProblem();
        return;
    }
    Revenue = *outcome.revenue;
    Text2->setText(QString::fromStdString(outcome.revenueText));
    if (outcome.verdict == RequestVerdict::RevenueZero || outcome.verdict == RequestVerdict::RevenueTooLarge) {
        Module1::ShowInputProblem();
        return;
    }
    ElasticityIndex = static_cast<std::int16_t>(Combo1->ListIndex());
    RangeIndex = Combo2->ListIndex();
    if (outcome.rejected() || !outcome.estimation) {
        Module1::ShowInputProblem();
        return;
    }
    RunEstimation(*outcome.estimation);
}

// Shows the estimation the request made. A failed estimation shows nothing
// and leaves the result area as it was.
void Form1::RunEstimation(const Expected<Estimation, EstimationError>& result) {
    if (!result) {
        return;
    }
    try {
        TaxBurden = result->numbers.TaxBurden;
        AverageTaxRate = result->numbers.AverageTaxRate;
        Progressivity = result->numbers.G;
        Redistribution = result->numbers.D;
        BurdenText = QString::fromStdString(result->BurdenText);
        ProgressivityText = QString::fromStdString(result->ProgressivityText);
        RedistributionText = QString::fromStdString(result->RedistributionText);
        Label6->setCaption(BurdenText);
        Label7->setCaption(ProgressivityText);
        Label8->setCaption(RedistributionText);
        Module1::ShowResults();
    } catch (const toolkit::RunTimeError&) {
        // Nothing more is shown.
    }
}

void Form1::Combo1_Click() {
    try {
        ElasticityIndex = static_cast<std::int16_t>(Combo1->ListIndex());
    } catch (const toolkit::RunTimeError&) {
        // The choice is read again by the next request.
    }
}

void Form1::Combo2_Click() {
    try {
        RangeIndex = Combo2->ListIndex() + 1;
    } catch (const toolkit::RunTimeError&) {
        // The choice is read again by the next request.
    }
}

void Form1::Text2_Change() {
    // Editing the revenue has no effect until "GO" is pressed.
}

} // namespace levora::ui
