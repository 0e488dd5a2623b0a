#pragma once

#include "presentation/Renderer.h"
#include "support/RecordingHooks.h"
#include "support/ScriptedRandom.h"

// The rules engine with the animations and the renderer the game draws with, on recorded
// hooks and scripted draws.
struct TPresentationWorld {
    TLogic Logic;
    TGame Game;
    TScriptedRandom Random;
    TRecordingHooks Hooks;
    TTurnCycle Turns{Logic, Game, Random, Hooks};
    TAnimationState State;
    TAnimations Animations{State, Logic, Game, Turns, Hooks};
    TRenderer Renderer{Logic, Game, Animations};
};
