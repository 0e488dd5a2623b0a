#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/GameWorld.h"
#include "presentation/ApplySettings.h"
#include "support/FakeFileDialogs.h"
#include "support/FakePlatform.h"

// The whole game as start-up builds it, on fake desktop services and a manual clock, with
// a stand-in for the main window that keeps no widgets: the game-over sequence records a
// qualifying game under a fixed name and goes on to a new game, as the dialogs would.
class TFuzzGame final : public TWindowHooks, public TSettingsHost {
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
    bool IsAnimating() const;

    // A press in the middle of a cell's picture, as a player aims.
    void PressCell(int column, int row);
    // A turn as a player would try it: the first ball, then the first empty cell.
    void PlayTurn();
    // The paint of an uncovered window.
    void Paint();
    // The Load command with a file the dialog hands back.
    bool LoadCommand(const std::string& file);

    // TWindowHooks
    void SetCaption(std::string_view caption) override { Caption = caption; }
    void RunGameOverSequence() override;
    // TSettingsHost
    void ShowSettingsInMenu(const TGame& /*game*/) override {}
    void SetClientSize(int width, int height) override;
    void SetChannelIntervals(const TChannelIntervals& intervals) override;

    TManualTicks Ticks;
    TRecordingMessageBoxes Messages;
    TFakeFileDialogs Dialogs;
    TRecordingDesktop Desktop;
    TRecordingSound Sound;
    TGameFolders Folders;
    TPlatform Platform{Ticks, Messages, Dialogs, Desktop, Sound, Folders};
    TGameWorld World{Platform};
    std::string Caption;
    int ClientWidth = 0;
    int ClientHeight = 0;
};
