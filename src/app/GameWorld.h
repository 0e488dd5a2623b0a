#pragma once

#include <string_view>

#include "AutosaveNotice.h"
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

// What the game needs of its main window.
class TWindowHooks {
public:
    virtual ~TWindowHooks() = default;
    virtual void SetCaption(std::string_view caption) = 0;
    // The Game-over dialog and the leaders check; returns once a new game has begun.
    virtual void RunGameOverSequence() = 0;
};

// The one game of a run with everything that plays it: the state records, the generator,
// the rules, the main loop's scheduler, the animations, the renderer and the skin loader.
// Created once in main() (and afresh by every test); the window and the loop reach the
// game through it, and the rules reach the window, the drawing, the sounds and the files
// through its hooks.
class TGameWorld final : public TGameHooks {
public:
    explicit TGameWorld(TPlatform& platform);

    void SetWindow(TWindowHooks& window) { Window = &window; }

    // Resumes the autosaved game with a fresh preview, or starts a new game without one.
    void AutoloadGame();
    // A press at a client position of the main window: the hit test, then the press on the
    // cell it found.
    void PressAt(int x, int y);
    // The channels' part of a main-loop pass: each one that is due fires.
    void PollChannels();
    // The autosave failure the player has yet to hear of, handed out once. The window tells
    // it after the rules call that met it has returned, never in the middle of a turn.
    std::optional<TWriteResult> TakeUntoldAutosaveFailure() { return Autosaves.TakeUntold(); }

    // TGameHooks
    void SetChannelEnabled(TChannel channel, bool enabled) override;
    bool IsChannelEnabled(TChannel channel) const override;
    void DrawCells() override { Renderer.DrawCells(); }
    void DrawScore() override { Renderer.DrawScore(); }
    void DrawPreview() override { Renderer.DrawPreview(); }
    void DrawClock() override { Renderer.DrawClock(); }
    void PlaySound(TSound sound) override;
    void Autosave() override;
    void GameOver() override;
    void ShowCaption(std::string_view caption) override;

    TPlatform& Platform;
    TLogic Logic;
    TGame Game;
    TSeededRandom Random;
    TBounceState Bounce;
    TTickScheduler Scheduler{Bounce};
    TGameRules Rules{Logic, Game, Random, *this};
    TAnimations Animations{Bounce, Logic, Game, *this};
    TRenderer Renderer{Logic, Game, Animations};
    TLoader Loader{Platform.Messages, Platform.Folders.SkinFolders()};

private:
    TWindowHooks* Window = nullptr;
    TAutosaveNotice Autosaves;
};
