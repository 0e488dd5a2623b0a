#pragma once

#include <QObject>

// Keeps the rules' answers ahead of every dialog: in builds with assertions, a modal window
// that opens while the game is inside a call of its rules fails at once. The rules answer
// before anything is shown; the window opens its dialogs once the call has returned.
class TModalCheck final : public QObject {
    Q_OBJECT

public:
    // Watches the application's windows, when there is an application and assertions are on.
    explicit TModalCheck(const int& rulesCalls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const int& RulesCalls;
};
