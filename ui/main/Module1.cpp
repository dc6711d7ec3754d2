#include "main/Module1.h"

#include "main/Form1.h"
#include "main/frmWarning.h"

namespace levora::ui::Module1 {

void ShowInputProblem() {
    Form1& window = forms::Form1.get();
    for (QWidget* result :
         std::initializer_list<QWidget*>{window.Image1a, window.Image1b, window.Image1c, window.Label6,
                                         window.Label7, window.Label8, window.Image6}) {
        result->setVisible(false);
    }
    forms::frmWarning->Show(1);
    window.Image6->setVisible(true);
}

void ShowResults() {
    Form1& window = forms::Form1.get();
    for (QWidget* result : std::initializer_list<QWidget*>{window.Image1a, window.Image1b, window.Image1c,
                                                           window.Label6, window.Label7, window.Label8}) {
        result->setVisible(true);
    }
    window.Label8->setBackColor(window.Picture3->BackColor());
    window.Label7->setBackColor(window.Picture3->BackColor());
    window.Label6->setBackColor(window.Picture3->BackColor());
    window.Image6->setVisible(false);
}

} // namespace levora::ui::Module1
