#include "DialogKeeper.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

TDialogKeeper::TDialogKeeper(QWidget& mainWindow) : MainWindow(mainWindow) {
    QApplication::instance()->installEventFilter(this);
}

bool TDialogKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::WindowStateChange) {
        return false;
    }
    auto* window = qobject_cast<QWidget*>(watched);
    if (window == nullptr || !window->isWindow() || !window->isModal() || !window->isMinimized()) {
        return false;
    }
    // The window system is still in the middle of minimising: restore once it is done.
    QTimer::singleShot(0, this, [this, dialog = QPointer<QWidget>(window)] {
        if (MainWindow.isMinimized()) {
            MainWindow.showNormal();
        }
        if (dialog != nullptr && dialog->isVisible()) {
            dialog->showNormal();
            dialog->raise();
            dialog->activateWindow();
        }
    });
    return false;
}
