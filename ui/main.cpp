// Levora: estimates, on a built-in income distribution of North Korea, the tax
// burden of one person in a chosen income range, the progressivity of the tax
// and its redistribution effect.

#include "startup/frmStartup.h"

#include "levora/toolkit/form.h"
#include "levora/toolkit/runtime.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Levora"));
    QApplication::setApplicationVersion(QStringLiteral("1.01"));
    levora::toolkit::handleEvent("main", [] { levora::forms::frmStartup.Load(); });
    return levora::toolkit::runEventLoop();
}
