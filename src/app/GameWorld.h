#pragma once

#include <string>

#include "GameClock.h"
#include "Platform.h"
#include "TickScheduler.h"
#include "presentation/Animations.h"
#include "presentation/Renderer.h"
#include "presentation/SkinLoader.h"
#include "rules/Random.h"
#include "rules/TurnCycle.h"

// What the game needs of its main window.
class TWindowHooks {
public:
    virtual ~TWindowHooks() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    // The Game-over dialog and the leaders check; returns once a new game has begun.
    virtual void RunGameOverSequence() = 0;
};

// The one game of a run with everything that plays it: the state records, the generator,
// the main loop's scheduler, the animations, the renderer and the skin loader. Created once
// in main() (and afresh by every test); the window and the loop reach the game through it.
class TGameWorld final : public TTurnHooks, public TClockHost {
public:
    explicit TGameWorld(TPlatform& platform);

    void SetWindow(TWindowHooks& window) { Window = &window; }

    // A fresh game in the current mode and difficulty.
    void NewGame();
    // After a saved game has been read: no move, vanishing or bounce goes on from the game
    // that was running, no marks, the caption and the board brought up to date.
    void MakeLoadedGamePlayable();
    // Resumes the autosaved game with a fresh preview, or starts a new game without one.
    void AutoloadGame();
    // The action of a channel that fired.
    void FireChannel(TChannel channel);
    // A press at a client position of the main window: the hit test, then the press on the
    // cell it found.
    void PressAt(int x, int y);
    // The channels' part of a main-loop pass: each one that is due fires.
    void PollChannels();

    // TTurnHooks
    void SetChannelEnabled(TChannel channel, bool enabled) override;
    bool IsChannelEnabled(TChannel channel) const override;
    void SetAppearFrame(int16_t frame) override { Animation.AppearFrame = frame; }
    void SetDeleteFrame(int16_t frame) override { Animation.DeleteFrame = frame; }
    void RedrawBoard() override { Renderer.DrawBoard(); }
    void PlaySound(TSound sound) override;
    void Autosave() override;
    void GameOver() override;
    // TClockHost
    void UpdateCaption() override;

    TPlatform& Platform;
    TLogic Logic;
    TGame Game;
    TSeededRandom Random;
    TAnimationState Animation;
    TTickScheduler Scheduler{Animation};
    TTurnCycle Turns{Logic, Game, Random, *this};
    TAnimations Animations{Animation, Logic, Game, Turns, *this};
    TRenderer Renderer{Logic, Game, Animations};
    TLoader Loader{Platform.Messages};
    TGameClock Clock{Game, Turns, *this};

private:
    void StopAnimationsOfTheLastGame();

    TWindowHooks* Window = nullptr;
};
