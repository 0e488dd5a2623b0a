#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Modal dialogs block in exec(): these run a test's steps from inside their event loop.

// Runs the action once a T is the active modal widget (polled every few milliseconds).
template <typename T>
void WhenModal(std::function<void(T&)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(*dialog);
        }
    });
    timer->start();
}

// Fails the test and closes every modal dialog that is still open after a while, so that a
// fault shows as a failure instead of a hang.
class TModalWatchdog {
public:
    TModalWatchdog() {
        Timer.setInterval(5000);
        QObject::connect(&Timer, &QTimer::timeout, [] {
            while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "a modal dialog stayed open: "
                              << dialog->windowTitle().toStdString();
                dialog->done(QDialog::Rejected);
            }
        });
        Timer.start();
    }

private:
    QTimer Timer;
};
