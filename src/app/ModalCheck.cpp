#include "ModalCheck.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cassert>

TModalCheck::TModalCheck(const int& rulesCalls) : RulesCalls(rulesCalls) {
#ifndef NDEBUG
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
    }
#endif
}

bool TModalCheck::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        const auto* window = qobject_cast<QWidget*>(watched);
        const bool modal = window != nullptr && window->isWindow() && window->isModal();
        assert((!modal || RulesCalls == 0) && "a modal window opened inside a call of the rules");
        (void)modal;
    }
    return false;
}
