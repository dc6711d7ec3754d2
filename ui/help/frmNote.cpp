#include "help/frmNote.h"

#include "help/HelpPage.h"
#include "help/MDIForm1.h"
#include "shared/ProgramFlags.h"
#include "shared/picture.h"

#include "levora/help_texts.h"

namespace levora::ui {

using toolkit::systemColour;
using toolkit::SystemColour;

frmNote::frmNote() : Form(QStringLiteral("frmNote"), &helpWindow, 6600, 5800) {
    Picture2 = new toolkit::PictureBox(client(), QStringLiteral("Picture2"));
    Picture2->setVisible(false);
    Image1 = picture(Picture2, QStringLiteral("Image1"), QStringLiteral("note_flag"), QString(),
                     QStringLiteral("The national flag of North Korea"));
    Image1->setAccessibleName(QStringLiteral("Flag of North Korea"));
    Image1->setVisible(false);
    Picture2->setAccessibleName(QStringLiteral("Flag"));
    Picture2->setDescription(QStringLiteral("The frame around the flag of North Korea."));
    Label1 = pageTitle(client(), QStringLiteral("Notice the data and results"), 3405);
    Label1->setDescription(QStringLiteral("The title of the help page of notes on the data and the results."));
    Picture1 = pagePicture(client(), "note_page", Label1->Caption(), help::notePageText());
}

// The flag is set as soon as the page has its place, before the rest of the
// layout.
void frmNote::Form_Load() {
    setWidth(6600);
    setHeight(5800);
    setTop(0);
    setLeft(0);
    NotePageOpen = 1;
    Image1->setTop(8);
    Image1->setLeft(8);
    Image1->setHeight(735);
    Image1->setWidth(1260);
    Image1->setVisible(true);
    Picture2->setTop(600);
    Picture2->setLeft(600);
    Picture2->setHeight(748);
    Picture2->setWidth(1388);
    Picture2->setVisible(true);
    Label1->setTop(Picture2->Top() + 400 + Picture2->Height());
    Label1->setLeft(600);
    Label1->setHeight(318);
    Picture1->setTop(Label1->Height() + Label1->Top());
    Picture1->setLeft(Label1->Left() - 600);
    Picture1->setWidth(6600);
    Picture1->setHeight(5800);
    const toolkit::ColourValue background = systemColour(SystemColour::WindowBackground);
    Label1->setBackColor(background);
    setBackColor(background);
    Picture2->setBackColor(background);
}

void frmNote::Form_Resize() {
    // The layout is made once, at load.
}

void frmNote::Form_Unload(std::int16_t& Cancel) {
    static_cast<void>(Cancel);
    NotePageOpen = 0;
}

} // namespace levora::ui
