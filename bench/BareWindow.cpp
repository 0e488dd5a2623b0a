// The yardstick for the game's window figures: an empty Qt main window of the game's size
// with a menu bar, centred on the screen as the game's window is, doing nothing.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.setFixedSize(379, 433);
    window.show();
    if (const QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - window.frameGeometry().center() + window.pos());
    }
    return QApplication::exec();
}
