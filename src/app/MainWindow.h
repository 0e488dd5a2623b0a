#pragma once

#include <QMainWindow>
#include <functional>

#include "BoardView.h"
#include "DialogKeeper.h"
#include "GameWorld.h"
#include "MainMenu.h"
#include "Platform.h"

// The main window: the board, the menu and its commands, and the dialogs. The game itself
// lives in the world; the window hands it the player's presses and commands, shows what it
// draws and acts on its news: the caption, the game's end and an autosave that failed.
class TMainWindow final : public QMainWindow {
    Q_OBJECT

public:
    TMainWindow(TGameWorld& world, TPlatform& platform);

    // Brings the settings and the skin into effect; false when no usable skin is left.
    bool ApplySettings();
    // The autosaved game or a new one, as the settings say.
    void StartFirstGame();
    // The channels' part of a main-loop pass, with whatever the game's news asks for, the
    // game's end included, and the rest of the pass after it.
    void PlayDueChannels();
    // True while the game may go on: the window active, no menu and no modal dialog open.
    bool IsGameRunning() const;
    // Shows what changed in the picture since it was last shown, and nothing when nothing
    // did.
    void Present();
    bool IsClosed() const { return Closed; }
    TBoardView& View() { return *Board; }

    // The game's end: the Game-over box and the leaders check (the name dialog and the
    // Leaders dialog when the score earns a place), with the finished board behind them;
    // then the next game in the same mode and difficulty.
    void RunGameOverSequence();
    // The level's and the two game settings' check marks, as the settings stand.
    void ShowMenuMarks();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Follow(const TGameNews& news);
    void TellAutosaveFailure(const TWriteResult& failure);
    void RepaintBehindDialog();
    bool TakeSettings(const TAppliedSettings& applied);
    void ConnectCommands();
    void OnCommand(QAction* action, std::function<void()> command);
    void TakeBackActivation();
    void ShowOptions();
    void SetLevel(uint32_t difficulty);
    void ShowLevelMarks();
    void SetClientSize(int width, int height);

    TGameWorld& World;
    TPlatform& Platform;
    TBoardView* Board;
    TMainMenu Menu;
    bool Closed = false;
    TDialogKeeper Keeper{*this};
};
