#pragma once

#include <QDialog>

#include "platform/MessageBoxes.h"
#include "rules/GameState.h"

class QLineEdit;

// The name dialog of a game that earned a place among the leaders. It has no cancel: it
// closes only on an accepted name, and before it closes the game is recorded and the
// Leaders dialog shows the new table.
class TInputBox : public QDialog {
    Q_OBJECT
public:
    TInputBox(const TGame& game, TMessageBoxes& messages, QWidget* parent = nullptr);

    // Escape and the window manager's close come here: they check the name like "OK".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void InputOKClick();
    void Refuse(std::string_view text);

    const TGame& Game;
    TMessageBoxes& Messages;
    QLineEdit* InputPlace = nullptr;
    bool Closing = false;
};
