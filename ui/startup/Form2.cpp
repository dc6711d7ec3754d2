#include "startup/Form2.h"

#include "shared/ProgramFlags.h"
#include "shared/picture.h"

#include "levora/toolkit/colour.h"
#include "levora/toolkit/fonts.h"
#include "levora/toolkit/twips.h"

#include <QDate>
#include <QLinearGradient>
#include <QPainter>

namespace levora::ui {

namespace {

constexpr toolkit::ColourValue DarkBlue = 0x800000;
constexpr toolkit::ColourValue Yellow = 0x00FFFF;

/// A band shaded from the window's dark blue to a light blue and back.
class GradientBand : public toolkit::PictureBox {
public:
    GradientBand(QWidget* container, const QString& name) : PictureBox(container, name) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        PictureBox::paintEvent(event);
        QLinearGradient shade(0, 0, width(), 0);
        shade.setColorAt(0, QColor(0x00, 0x00, 0x80));
        shade.setColorAt(0.5, QColor(0x40, 0xA0, 0xFF));
        shade.setColorAt(1, QColor(0x00, 0x00, 0x80));
        QPainter(this).fillRect(rect(), shade);
    }
};

} // namespace

Form2::Form2()
    : Form(QStringLiteral("Form2"), toolkit::BorderStyle::None, toolkit::CaptionButtons::CloseOnly, 9600, 7200) {
    const QString flagText = QStringLiteral("The flag of North Korea");
    setCaption(QStringLiteral("Levora for N.Korea"));
    setBackColor(DarkBlue);
    picFlagFrame = new toolkit::PictureBox(client(), QStringLiteral("picFlagFrame"));
    picFlagFrame->Move(0, 0, 780, 420);
    picFlagFrame->setSunkenEdge(true);
    picFlagFrame->setAccessibleName(QStringLiteral("Flag"));
    picFlagFrame->setDescription(QStringLiteral("The frame around the small flag of North Korea."));
    imgFlag = picture(picFlagFrame, QStringLiteral("imgFlag"), QStringLiteral("flag_small"), flagText, flagText);
    imgFlag->Move(30, 30, 720, 360);
    Line1 = new toolkit::Line(client(), QStringLiteral("Line1"));
    Line1->setBorderColor(Yellow);
    lblYear = new toolkit::Label(client(), QStringLiteral("lblYear"));
    lblYear->setFont(toolkit::dialogFont(12, true));
    lblYear->setBackColor(DarkBlue);
    lblYear->setForeColor(Yellow);
    lblYear->setDescription(QStringLiteral("The current year."));
    picBand = new GradientBand(client(), QStringLiteral("picBand"));
    picBand->setAccessibleName(QStringLiteral("Band"));
    picBand->setDescription(QStringLiteral("A band shaded from dark blue to light blue and back."));
    const QString mapText = QStringLiteral("A map of East Asia with North Korea marked");
    imgMap = picture(client(), QStringLiteral("imgMap"), QStringLiteral("map_east_asia"), mapText, mapText);
    imgMap->Move(0, 0, 3780, 3000);
    imgMap->setVisible(false);
    imgFlagLarge =
        picture(client(), QStringLiteral("imgFlagLarge"), QStringLiteral("flag_large"), flagText, flagText);
    imgFlagLarge->Move(0, 0, 2880, 1440);
    imgFlagLarge->setVisible(false);
}

// Records that the window is loaded, then lays it out over the whole screen.
void Form2::Form_Load() {
    MapWindowLoaded = 1;
    setLeft(0);
    setTop(0);
    setWidth(toolkit::Screen::Width());
    setHeight(toolkit::Screen::Height());
    picFlagFrame->setLeft(ScaleWidth() - picFlagFrame->Width() - 720);
    picFlagFrame->setTop(480);
    const double belowFlag = picFlagFrame->Top() + picFlagFrame->Height();
    Line1->setX1(picFlagFrame->Left() - 360);
    Line1->setX2(Line1->X1());
    Line1->setY1(360);
    Line1->setY2(belowFlag + 600);
    lblYear->Move(picFlagFrame->Left(), belowFlag + 120, 1500, 330);
    lblYear->setCaption(QStringLiteral("A.D. ") + QDate::currentDate().toString(QStringLiteral("yyyy")));
    picBand->Move(0, lblYear->Top() + lblYear->Height() + 360, ScaleWidth(), 480);
    imgMap->setLeft((ScaleWidth() - imgMap->Width()) / 2);
    imgMap->setTop(picBand->Top() + picBand->Height() + 360);
    imgFlagLarge->setLeft(720);
    imgFlagLarge->setTop(imgMap->Top());
}

void Form2::Form_Unload(std::int16_t& Cancel) {
    static_cast<void>(Cancel);
    MapWindowLoaded = 0;
}

} // namespace levora::ui
