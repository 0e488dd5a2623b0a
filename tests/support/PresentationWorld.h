#pragma once

#include "presentation/Renderer.h"
#include "support/RecordingHooks.h"

// The animations and the renderer the game draws with, on recorded hooks.
struct TPresentationWorld {
    // The board's whole picture, its parts in the order the rules draw them.
    void DrawBoard() {
        Renderer.DrawCells();
        Renderer.DrawScore();
        Renderer.DrawPreview();
    }

    TLogic Logic;
    TGame Game;
    TRecordingHooks Hooks;
    TBounceState Bounce;
    TAnimations Animations{Bounce, Logic, Game, Hooks};
    TRenderer Renderer{Logic, Game, Animations};
};
