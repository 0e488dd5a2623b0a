#pragma once

#include <QDialog>

#include "GameOverHost.h"

// Tells the player that the game is over, before the finished game is checked for the
// leaders table. It closes only by its OK button; any other way of closing it counts as OK,
// so what follows is never skipped.
class TGameOverBox final : public QDialog {
    Q_OBJECT

public:
    explicit TGameOverBox(TGameOverHost& host);

    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGameOverHost& Host;
    bool RepaintingHost = false;
};
