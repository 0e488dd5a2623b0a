#pragma once

#include <QDialog>

// Tells the player that the game is over, before the finished game is checked for the
// leaders table. It closes only by its OK button; any other way of closing it counts as OK,
// so what follows is never skipped. The main window is its parent, and keeps the finished
// board on screen behind it.
class TGameOverBox final : public QDialog {
    Q_OBJECT

public:
    explicit TGameOverBox(QWidget* mainWindow);

    void reject() override;
};
