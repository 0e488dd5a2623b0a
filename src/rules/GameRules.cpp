#include "GameRules.h"

void TGameRules::NewGame() {
    Clock.StartNewGame();
    Clock.UpdateCaption();
    Game.Score = 0;
    Turns.RestartBoard();
}

void TGameRules::ContinueLoadedGame() {
    Turns.Interrupt();
    Clock.UpdateCaption();
    RedrawBoard();
}

void TGameRules::ContinueAutosavedGame() {
    Turns.Interrupt();
    Turns.FreshPreview();
    Clock.ShowTime();
    Clock.UpdateCaption();
    RedrawBoard();
}

// The turn's channels draw the board after their step; the Choosing channel's firing is the
// picture alone, in which the selected ball's bounce advances. The clock's second draws
// nothing: the loop draws the clock on every pass.
void TGameRules::FireChannel(TChannel channel) {
    switch (channel) {
        case TChannel::Moving:
            Turns.AdvanceMove();
            break;
        case TChannel::Appearance:
            Turns.AdvanceAppearance();
            break;
        case TChannel::Deleting:
            Turns.AdvanceDeletion();
            break;
        case TChannel::Choosing:
            break;
        case TChannel::Clock:
            Clock.ClockTick();
            return;
    }
    RedrawBoard();
}

// The score's overflow cannot wait for this redraw: the redraw that scored already met it.
bool TGameRules::ChoosingChangesNothing() const {
    for (const auto& column : Logic.CellMarks) {
        for (const int16_t mark : column) {
            if (mark != MarkNone) {
                return false;
            }
        }
    }
    return true;
}

// A score that needs a sixth digit starts a new game at the redraw that would show it: that
// picture keeps the finished game's cells, shows no score and already announces the new
// game's balls. Every redraw of the board, whoever asks for it, comes through here.
void TGameRules::RedrawBoard() {
    Hooks.DrawCells();
    if (!RestartOnScoreOverflow()) {
        Hooks.DrawScore();
    }
    Hooks.DrawPreview();
}

// The clock text nothing has set yet is filled in the drawing that finds it empty, and shown
// from the next one on.
void TGameRules::RedrawClock() {
    if (!Clock.FillEmptyTimeText()) {
        Hooks.DrawClock();
    }
}

// The score shows five digits. A score of seven digits or more, which only a hand-made saved
// game holds, is not shown and ends nothing.
bool TGameRules::RestartOnScoreOverflow() {
    constexpr uint32_t SixDigits = 100000;
    constexpr uint32_t SevenDigits = 1000000;
    if (Game.Score < SixDigits || Game.Score >= SevenDigits) {
        return false;
    }
    NewGame();
    return true;
}
