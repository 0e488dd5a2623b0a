#pragma once

#include <QDialog>

#include "GameOverHost.h"
#include "platform/MessageBoxes.h"
#include "rules/GameState.h"

class QLineEdit;

// The name dialog of a game that earned a place among the leaders. It has no cancel: it
// closes only on an accepted name, and before it closes the game is recorded, the Leaders
// dialog shows the new table and the next game begins.
class TInputBox : public QDialog {
    Q_OBJECT
public:
    TInputBox(const TGame& game, TGameOverHost& host, TMessageBoxes& messages,
              QWidget* parent = nullptr);

    // Escape and the window manager's close come here: they check the name like "OK".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void InputOKClick();
    void Refuse(std::string_view text);

    const TGame& Game;
    TGameOverHost& Host;
    TMessageBoxes& Messages;
    QLineEdit* InputPlace = nullptr;
    bool Closing = false;
};
