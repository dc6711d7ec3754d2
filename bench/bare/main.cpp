// The floor of Levora's start-up benchmark: a Qt Widgets program that shows one
// empty window with the client size of Levora's main window and does nothing
// else. Closing the window ends it with status 0.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    const QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(346, 440);
    window.show();
    return QApplication::exec();
}
