#pragma once

#include <QWidget>
#include <functional>

#include "dialogs/GameOverHost.h"

// Counts what the side dialogs ask of the main window.
class TFakeGameOverHost : public TGameOverHost {
public:
    QWidget* MainWindow() override { return &Window; }
    void RepaintMainWindow() override { ++Repaints; }
    void NewGame() override {
        ++NewGames;
        if (OnNewGame) {
            OnNewGame();
        }
    }

    QWidget Window;
    int Repaints = 0;
    int NewGames = 0;
    std::function<void()> OnNewGame;
};
