#include "help/frmGloss.h"

#include "help/HelpPage.h"
#include "help/MDIForm1.h"
#include "shared/ProgramFlags.h"
#include "shared/picture.h"

#include "levora/help_texts.h"

namespace levora::ui {

using toolkit::systemColour;
using toolkit::SystemColour;

namespace {

// Lengths are kept in single precision, as the toolkit's designer stores them.
double single(double twips) { return static_cast<double>(static_cast<float>(twips)); }

} // namespace

frmGloss::frmGloss() : Form(QStringLiteral("frmGloss"), &helpWindow, 6225, 6000) {
    Label1 = pageTitle(client(), QStringLiteral("Glossary"), 2055);
    Label1->setDescription(QStringLiteral("The title of the help page that explains the program's terms."));
    Image1 = picture(client(), QStringLiteral("Image1"), QStringLiteral("glossary_title"), QString(),
                     QStringLiteral("Vocabulary"));
    Image1->setAccessibleName(QStringLiteral("Vocabulary"));
    Image1->Move(0, 0, 600, 360);
    Picture1 = pagePicture(client(), "glossary_page", Label1->Caption(), help::glossaryPageText());
}

// The page is as wide as 1.8 times its design width, and as high as its
// picture's proportions give, so that the whole table shows.
void frmGloss::Form_Load() {
    const double h = single(888.0 / 728.0 * 10000 + 1200);
    setHeight(h);
    setWidth(single(Width() * 1.8));
    setTop(0);
    setLeft(0);
    Label1->setTop(600);
    Label1->setLeft(single(Width() / 2.2));
    Label1->setHeight(375);
    const double t = Label1->Height() + Label1->Top();
    Image1->setTop(Label1->Top());
    Image1->setLeft(480);
    Picture1->setHeight(h);
    Picture1->setWidth(ScaleWidth());
    Picture1->setTop(t);
    Picture1->setLeft(Left());
    const toolkit::ColourValue background = systemColour(SystemColour::WindowBackground);
    setBackColor(background);
    Label1->setBackColor(background);
    GlossaryPageOpen = 1;
}

void frmGloss::Form_Resize() {
    // The layout is made once, at load.
}

void frmGloss::Form_Unload(std::int16_t& Cancel) {
    static_cast<void>(Cancel);
    GlossaryPageOpen = 0;
}

} // namespace levora::ui
