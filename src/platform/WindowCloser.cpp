#include "WindowCloser.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace {

// One window a step, each from the loop after the step: a dialog's close may open another
// dialog, or a message box, inside it.
constexpr int StepMilliseconds = 10;
constexpr char AskedToClose[] = "vyxAskedToClose";

void CloseLater(QWidget& window) {
    QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
}

void DismissLater(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        QMetaObject::invokeMethod(
            dialog, [dialog] { dialog->done(QDialog::Rejected); }, Qt::QueuedConnection);
    } else {
        QMetaObject::invokeMethod(&window, &QWidget::hide, Qt::QueuedConnection);
    }
}

}  // namespace

TWindowCloser::TWindowCloser(QWidget& mainWindow) : MainWindow(mainWindow) {
    Steps.setInterval(StepMilliseconds);
    connect(&Steps, &QTimer::timeout, this, &TWindowCloser::Step);
}

void TWindowCloser::Close() {
    if (!Steps.isActive()) {
        Steps.start();
    }
}

// The steps go on until the game's loop ends: code that runs on as a dialog returns may
// open another one, even after the main window has closed.
void TWindowCloser::Step() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal->property(AskedToClose).toBool()) {
            DismissLater(*modal);
        } else {
            modal->setProperty(AskedToClose, true);
            CloseLater(*modal);
        }
    } else if (!MainWindowClosed) {
        MainWindowClosed = true;
        CloseLater(MainWindow);
    }
}
