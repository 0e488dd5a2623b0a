// The yardstick for the game's window figures: an empty Qt main window of the game's size
// with a menu bar, doing nothing.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.setFixedSize(379, 433);
    window.show();
    return QApplication::exec();
}
