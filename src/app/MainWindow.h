#pragma once

#include <QMainWindow>
#include <functional>

#include "BoardView.h"
#include "DialogKeeper.h"
#include "GameWorld.h"
#include "MainMenu.h"
#include "dialogs/GameOverHost.h"
#include "presentation/ApplySettings.h"

// The main window: the board, the menu and its commands. The game itself lives in the
// world; the window shows it and hands it the player's presses and commands.
class TForm1 final : public QMainWindow,
                     public TWindowHooks,
                     public TSettingsHost,
                     public TGameOverHost {
    Q_OBJECT

public:
    explicit TForm1(TGameWorld& world);

    // Brings the settings and the skin into effect; false when no usable skin is left.
    bool ApplySettings();
    // True while the game may go on: the window active, no menu and no modal dialog open.
    bool IsGameRunning() const;
    // Shows what changed in the back buffer since it was last shown, and nothing when
    // nothing did.
    void Present();
    bool IsClosed() const { return Closed; }
    TBoardView& View() { return *Board; }

    // The mouse hit test and the press it leads to.
    void FormMouseDown(int x, int y);
    // Tells the player, once, of an autosave that could not be written. Called after the
    // channels have fired, so the message never opens in the middle of a turn.
    void TellAutosaveFailure();

    // TWindowHooks
    void SetCaption(std::string_view caption) override;
    void RunGameOverSequence() override;
    // TSettingsHost
    void ShowSettingsInMenu(const TGame& game) override;
    void SetClientSize(int width, int height) override;
    void SetChannelIntervals(const TChannelIntervals& intervals) override;
    // TGameOverHost
    QWidget* MainWindow() override { return this; }
    void RepaintMainWindow() override;
    void NewGame() override { World.Rules.NewGame(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectCommands();
    void OnCommand(QAction* action, std::function<void()> command);
    void TakeBackActivation();
    void ShowOptions();
    void NewGameInMode(int32_t mode);
    void SetLevel(uint32_t difficulty);
    void ShowLevelMarks();

    TGameWorld& World;
    TBoardView* Board;
    TMainMenu Items;
    bool Closed = false;
    TDialogKeeper Keeper{*this};
};
