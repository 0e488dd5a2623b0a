#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <optional>

#include "AutosaveNotice.h"
#include "BoardReading.h"
#include "GameNews.h"
#include "ModalCheck.h"
#include "Platform.h"
#include "TickScheduler.h"
#include "presentation/Animations.h"
#include "presentation/Renderer.h"
#include "presentation/SkinLoader.h"
#include "rules/GameRules.h"
#include "rules/Random.h"

// Removes the temporaries that writes cut short by a crash left beside the game's own
// files: the settings, the leaders table, the saved games and the unpacked skin. Start-up
// calls it before the game writes anything; another game still running keeps its own.
void RemoveStaleTemporaryFiles();

// A new game's mode and level: those of the running game unless given.
struct TNewGame {
    std::optional<int32_t> Mode = std::nullopt;
    std::optional<uint32_t> Difficulty = std::nullopt;
};

// What bringing the settings into effect led to.
struct TAppliedSettings {
    // The skin's window, or none when no usable skin is left: the game must then quit.
    std::optional<QSize> ClientSize;
    TGameNews News;
};

// What the Options dialog edits while it is open: the player's settings and the skins.
struct TOptionsParts {
    TGame& Settings;
    TLoader& Skins;
};

// The marks the menu shows.
struct TMenuMarks {
    uint32_t Difficulty = 0;
    bool Autosave = false;
    bool Autoload = false;
};

// The one game of a run, and the only way down to it: the window and the main loop start
// it, hand it the player's presses and commands, run its channels and ask it what to draw,
// each through an operation below. The state, the rules, the scheduler, the pictures and the
// skin loader stay inside. It calls nothing above itself: an operation that changes the game
// answers with the news the window acts on. Created once in main() (and afresh by every
// test).
class TGameWorld final {
public:
    // The generator is seeded from the time unless a seed is given: a test or a fuzz target
    // plays the same game every time.
    explicit TGameWorld(TPlatform& platform, std::optional<uint64_t> seed = std::nullopt);

    // The settings file, read at start-up: false (after its message) when the game must quit.
    bool ReadSettings();
    // The settings file, written as the game quits.
    void WriteSettings();
    // Brings the settings and the skin into effect and draws the board afresh.
    TAppliedSettings ApplySettings();
    TMenuMarks MenuMarks() const;
    void KeepAutosave(bool on) { Game.Autosave = on; }
    void KeepAutoload(bool on) { Game.Autoload = on; }
    // The Options dialog: the clock stands still from the start until the end, which brings
    // the dialog's choices into effect.
    TOptionsParts BeginOptions();
    TAppliedSettings EndOptions();

    // The autosaved game with a fresh preview when the settings ask for it and there is one,
    // else a new game.
    TGameNews StartFirstGame();
    TGameNews NewGame(TNewGame choice = {});
    // The game that has just ended, for the leaders table: its score, level and clock.
    const TGame& FinishedGame() const { return Game; }
    // The Load command: a saved game read over the running one goes on from where it was
    // saved; none when no game was read. The Save command writes the running game; a failure
    // is told.
    std::optional<TGameNews> Load();
    void Save();
    // A press at a client position of the main window: the hit test, then the press on the
    // cell it found.
    TGameNews Press(int x, int y);

    // The channels' part of a main-loop pass: each channel that is due fires. A game over
    // ends the call at the channel that ended the game, before that channel's step is drawn;
    // once the next game has begun, the next call draws it and goes on with the channels
    // after it.
    TGameNews Pass();
    // Every channel counts from now; the clock runs.
    void StartChannels();
    // Milliseconds until the first channel falls due whose firing would change something;
    // none while no channel runs.
    std::optional<uint32_t> UntilDue();
    bool IsChoosingOn() const { return Channels.IsOn(TChannel::Choosing); }
    // The Choosing channel's poll at a pass the loop slept through, as that pass would have
    // run it with the channel on or off as given.
    void SkippedPass(uint32_t at, bool choosingWasOn) {
        Scheduler.PollChoosingAt(at, choosingWasOn);
    }

    // The whole picture afresh, for a paint the window system asked for.
    TGameNews DrawAll();
    // The clock's digits, drawn on every pass.
    void DrawClock();
    // The picture of the window's client area as drawn so far.
    const QImage& Picture() const { return Renderer.BackBuffer(); }
    // The part of the picture that changed since the last call; empty when none did.
    QRect TakeChanges() { return Renderer.TakeChanges(); }
    bool HasChanges() const { return Renderer.HasChanges(); }
    // What the board shows, in words, for screen readers.
    TBoardReading Reading() const { return ReadBoard(Logic, Game, Loader.SkinData().Layout); }

private:
    friend struct TWorldInside;  // tests set up and look at the parts

    // Every call into the rules goes through here: no modal window may open while one runs.
    template <typename Call>
    auto CallRules(Call call) {
        ++RulesCalls;
        auto answer = call();
        --RulesCalls;
        return answer;
    }
    // Acts on an outcome: plays its sounds, autosaves, draws; the rest is news.
    TGameNews Follow(const TOutcome& outcome);
    TGameNews DrawBoard();
    void Play(const TSoundList& sounds);

    TPlatform& Platform;
    TLogic Logic;
    TGame Game;
    TSeededRandom Random;
    TChannelSwitches Channels;
    TBounceState Bounce;
    TTickScheduler Scheduler{Bounce, Channels};
    TGameRules Rules{Logic, Game, Random, Channels};
    TAnimations Animations{Bounce, Logic, Game};
    TRenderer Renderer{Logic, Game, Animations};
    TLoader Loader{Platform.Messages, Platform.Folders.SkinFolders()};
    TAutosaveNotice Autosaves;
    // The step of the channel that ended the last game, drawn once the next game has begun.
    bool RedrawAfterGameOver = false;
    int RulesCalls = 0;
    TModalCheck ModalCheck{RulesCalls};
};
