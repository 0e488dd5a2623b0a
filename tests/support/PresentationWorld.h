#pragma once

#include <vector>

#include "presentation/Renderer.h"

// The animations and the renderer the game draws with.
struct TPresentationWorld {
    // The board's whole picture, its parts in the order the game draws them; the sounds its
    // cells bring are kept.
    void DrawBoard() {
        const TSoundList sounds = Renderer.DrawCells();
        Sounds.insert(Sounds.end(), sounds.begin(), sounds.end());
        Renderer.DrawScore();
        Renderer.DrawPreview();
    }

    TLogic Logic;
    TGame Game;
    TBounceState Bounce;
    TAnimations Animations{Bounce, Logic, Game};
    TRenderer Renderer{Logic, Game, Animations};
    std::vector<TSound> Sounds;
};
