#pragma once

#include <optional>

#include "platform/FileSystem.h"
#include "rules/GameClock.h"

// What the window is to act on once an operation of the game has returned.
struct TGameNews {
    // The caption the window shows from now on, when it changed.
    std::optional<TCaptionText> Caption;
    // The game is over: the window runs the game's end, the Game-over box and the leaders
    // check, and then asks for the next game.
    bool GameOver = false;
    // An autosave that could not be written, told once: the player has yet to hear of it.
    std::optional<TWriteResult> AutosaveFailure;

    // News that came later in the same operation, added to this.
    TGameNews& operator+=(const TGameNews& later) {
        if (later.Caption) {
            Caption = later.Caption;
        }
        GameOver = GameOver || later.GameOver;
        if (later.AutosaveFailure) {
            AutosaveFailure = later.AutosaveFailure;
        }
        return *this;
    }
};
