#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/GameWorld.h"
#include "support/FakeFileDialogs.h"
#include "support/FakePlatform.h"
#include "support/WorldInside.h"

// The whole game as start-up builds it, on fake desktop services and a manual clock, with
// a stand-in for the main window that keeps no widgets and acts on the game's news as the
// window does: the game's end records a qualifying game under a fixed name and goes on to
// the next game.
class TFuzzGame final {
public:
    explicit TFuzzGame(const std::filesystem::path& gameFolder);

    // Start-up from the settings file on: false when the game would quit.
    bool StartUp();
    bool ApplySettings();
    // The autosaved game or a new one, as the settings say, and the loop's first pass.
    void BeginFirstGame();

    // One pass of the main loop after the given milliseconds: the channels that are due
    // fire, the clock is drawn.
    void Pass(uint32_t milliseconds = 10);
    // Passes until no ball walks, appears or vanishes; false when that never happens.
    bool Settle(int maxPasses = 3000);
    bool IsAnimating();

    // A press at a client position, and one in the middle of a cell's picture, as a player
    // aims.
    void Press(int x, int y);
    void PressCell(int column, int row);
    // A turn as a player would try it: the first ball, then the first empty cell.
    void PlayTurn();
    // The paint of an uncovered window.
    void Paint();
    // A new game in the given mode or difficulty.
    void NewGame(TNewGame choice);
    // The Load command with a file the dialog hands back.
    bool LoadCommand(const std::string& file);

    TManualTicks Ticks;
    TRecordingMessageBoxes Messages;
    TFakeFileDialogs Dialogs;
    TRecordingDesktop Desktop;
    TRecordingSound Sound;
    TGameFolders Folders;
    TPlatform Platform{Ticks, Messages, Dialogs, Desktop, Sound, Folders};
    // The same input must play the same game: the generator is not seeded from the time.
    TGameWorld World{Platform, 2005};
    TLogic& Logic = TWorldInside::Logic(World);
    TGame& Game = TWorldInside::Game(World);
    TLoader& Loader = TWorldInside::Loader(World);
    std::string Caption;
    int ClientWidth = 0;
    int ClientHeight = 0;

private:
    void Follow(const TGameNews& news);
    void RunGameOverSequence();
};
