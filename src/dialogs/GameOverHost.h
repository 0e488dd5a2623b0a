#pragma once

class QWidget;

// What the side dialogs of the game's end ask of the main window: a picture of the board
// behind them, and the next game once the finished one has been recorded.
class TGameOverHost {
public:
    virtual ~TGameOverHost() = default;
    // The main window, the parent of every dialog.
    virtual QWidget* MainWindow() = 0;
    // Redraws the board and the clock into the back buffer and shows it in the main window,
    // so the board stays visible around a modal dialog.
    virtual void RepaintMainWindow() = 0;
    // Starts the next game in the same mode and difficulty.
    virtual void NewGame() = 0;
};
