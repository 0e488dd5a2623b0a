#pragma once

#include <array>
#include <cstdint>

#include "GameState.h"

// The sounds a step of the game starts, in their order; each one cuts off the one before.
// A step sounds at most once for each cell of the board, so the list never runs full.
class TSoundList {
public:
    static constexpr int Capacity = BoardSize * BoardSize;

    void Add(TSound sound) {
        if (Count < Capacity) {
            Sounds[Count++] = sound;
        }
    }
    void Append(const TSoundList& later) {
        for (const TSound sound : later) {
            Add(sound);
        }
    }
    const TSound* begin() const { return Sounds.data(); }
    const TSound* end() const { return Sounds.data() + Count; }
    int Size() const { return Count; }
    bool Empty() const { return Count == 0; }

private:
    std::array<TSound, Capacity> Sounds{};
    int Count = 0;
};

// What a press on a board cell led to.
enum class TPress : uint8_t {
    Ignored,       // input locked, a ball still appearing or already selected, no selection
    Selected,      // a ball became the selected one
    MoveAccepted,  // a free path leads there: the ball starts walking
    Blocked,       // no free path leads there
};

// What a call into the rules led to. The rules change the game and answer with this; the
// caller acts on it once the call has returned: draws the board, plays the sounds, saves,
// shows the caption and, after a game over, runs the game's end and asks for the next game.
struct [[nodiscard]] TOutcome {
    TPress Press = TPress::Ignored;
    // The board's picture is due: the cells, the score and the preview.
    bool Redraw = false;
    // A turn has ended: the game is to be autosaved.
    bool Autosave = false;
    // The caption now names another mode or level (CaptionFor says which).
    bool CaptionChanged = false;
    // A new game has begun.
    bool NewGame = false;
    // The game is over: the board filled up, or a Time-trial level ended below its target.
    bool GameOver = false;
    // Only when sounds are on: the rules test the switch before they ask for a sound.
    TSoundList Sounds;

    // What a later step of the same call led to, added to this.
    TOutcome& operator+=(const TOutcome& later) {
        if (later.Press != TPress::Ignored) {
            Press = later.Press;
        }
        Redraw = Redraw || later.Redraw;
        Autosave = Autosave || later.Autosave;
        CaptionChanged = CaptionChanged || later.CaptionChanged;
        NewGame = NewGame || later.NewGame;
        GameOver = GameOver || later.GameOver;
        Sounds.Append(later.Sounds);
        return *this;
    }
};
