#include "GameRules.h"

TOutcome TGameRules::NewGame() {
    Clock.StartNewGame();
    TOutcome outcome = Clock.UpdateCaption();
    Game.Score = 0;
    outcome += Turns.RestartBoard();
    outcome.NewGame = true;
    return outcome;
}

TOutcome TGameRules::ContinueLoadedGame() {
    Turns.Interrupt();
    TOutcome outcome = Clock.UpdateCaption();
    outcome.Redraw = true;
    return outcome;
}

TOutcome TGameRules::ContinueAutosavedGame() {
    Turns.Interrupt();
    Turns.FreshPreview();
    Clock.ShowTime();
    TOutcome outcome = Clock.UpdateCaption();
    outcome.Redraw = true;
    return outcome;
}

// The turn's channels draw the board after their step; the Choosing channel's firing is the
// picture alone, in which the selected ball's bounce advances. The clock's second draws
// nothing: the loop draws the clock on every pass.
TOutcome TGameRules::FireChannel(TChannel channel) {
    TOutcome outcome;
    if (Game.GameOver) {
        return outcome;
    }
    switch (channel) {
        case TChannel::Moving:
            outcome = Turns.AdvanceMove();
            break;
        case TChannel::Appearance:
            outcome = Turns.AdvanceAppearance();
            break;
        case TChannel::Deleting:
            outcome = Turns.AdvanceDeletion();
            break;
        case TChannel::Choosing:
            break;
        case TChannel::Clock:
            return Clock.ClockTick();
    }
    outcome.Redraw = true;
    return outcome;
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

// The score shows five digits. A score of seven digits or more, which only a hand-made saved
// game holds, is not shown and ends nothing.
TOutcome TGameRules::BeforeScoreDrawn() {
    constexpr uint32_t SixDigits = 100000;
    constexpr uint32_t SevenDigits = 1000000;
    if (Game.Score < SixDigits || Game.Score >= SevenDigits) {
        return {};
    }
    return NewGame();
}

bool TGameRules::BeforeClockDrawn() {
    return !Clock.FillEmptyTimeText();
}
