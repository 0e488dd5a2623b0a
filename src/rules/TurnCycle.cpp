#include "TurnCycle.h"

#include "LineDetection.h"
#include "PathSearch.h"

// A game that is over takes no press until the next game begins.
TOutcome TTurnCycle::PressCell(int column, int row) {
    TOutcome outcome;
    if (!Game.InputEnabled || Game.GameOver || !IsOnBoard(column, row) || IsLiftPending()) {
        return outcome;
    }
    const TSelection& selection = Logic.Selection;
    if (Logic.Board[column][row] == 0) {
        const bool selected = Logic.CellMarks[selection.Column][selection.Row] == MarkSelected;
        if (!selected || IsWalking()) {
            return outcome;
        }
        if (FindPath(Logic, selection.Column, selection.Row, column, row)) {
            Channels.Set(TChannel::Moving, true);
            outcome.Press = TPress::MoveAccepted;
            return outcome;
        }
        AddSound(outcome, TSound::Error);
        outcome.Press = TPress::Blocked;
        return outcome;
    }
    if (Logic.CellMarks[column][row] != MarkNone || IsWalkingBall(column, row)) {
        return outcome;
    }
    for (auto& marks : Logic.CellMarks) {
        for (auto& mark : marks) {
            if (mark == MarkSelected) {
                mark = MarkNone;
            }
        }
    }
    Logic.CellMarks[column][row] = MarkSelected;
    Logic.Selection = {Logic.Board[column][row], column, row};
    Channels.Set(TChannel::Choosing, true);
    outcome.Press = TPress::Selected;
    return outcome;
}

// The sound switch is tested here, before a sound is asked for.
void TTurnCycle::AddSound(TOutcome& outcome, TSound sound) const {
    if (Game.SoundsOn) {
        outcome.Sounds.Add(sound);
    }
}

// While the Moving channel runs a ball walks, or is about to: a second target would rewrite
// the path under it, so targets wait until it has arrived.
bool TTurnCycle::IsWalking() const {
    return Channels.IsOn(TChannel::Moving);
}

// Between an accepted move and its first step the selection still names the ball to lift:
// selecting another ball then would make that step lift the wrong one.
bool TTurnCycle::IsLiftPending() const {
    return Logic.MoveStarting && IsWalking();
}

// The walking ball stands on the path cell numbered one above the step to come. Selecting it
// would leave the mark behind on the cell it leaves, and a move from there would conjure a
// second ball.
bool TTurnCycle::IsWalkingBall(int column, int row) const {
    return !Logic.MoveStarting && IsWalking() &&
           Logic.PathGrid[column + 1][row + 1] == Logic.MoveStep + 1;
}

TOutcome TTurnCycle::AdvanceMove() {
    TOutcome outcome;
    if (Logic.MoveStarting) {
        Logic.ClearMarks();
        TracePath(Logic);
        Logic.MovingColour = Logic.Selection.Colour;
        Logic.Board[Logic.Selection.Column][Logic.Selection.Row] = 0;
        Logic.MoveStarting = false;
    } else {
        const int32_t step = Logic.MoveStep;
        for (int column = 0; column < BoardSize; ++column) {
            for (int row = 0; row < BoardSize; ++row) {
                const int32_t value = Logic.PathGrid[column + 1][row + 1];
                if (value == step) {
                    AddSound(outcome, TSound::Moving);
                    Logic.Board[column][row] = static_cast<int16_t>(Logic.MovingColour);
                } else if (value == step + 1) {
                    Logic.Board[column][row] = 0;
                }
            }
        }
        Logic.MoveStep = step - 1;
        if (Logic.MoveStep < 0) {
            outcome += Arrive();
        }
    }
    return outcome;
}

TOutcome TTurnCycle::Arrive() {
    TOutcome outcome;
    Channels.Set(TChannel::Moving, false);
    const int result = DetectLine(Logic, Game.Difficulty);
    if (result == 0) {
        outcome += SpawnBalls();
    } else {
        Game.Score += LinePoints(result);
        StartDeletion();
        // A line of four on Easy vanishes while the player may go on.
        if (result >= 2) {
            Game.InputEnabled = false;
        }
    }
    Logic.MoveStarting = true;
    return outcome;
}

void TTurnCycle::StartDeletion() {
    Logic.DeleteFrame = 0;
    Channels.Set(TChannel::Deleting, true);
}

TOutcome TTurnCycle::SpawnBalls() {
    TOutcome outcome;
    TPreview& preview = Logic.Preview;
    for (int i = 0; i < PreviewSize; ++i) {
        preview.Columns[i] = Random.DrawCoordinate();
        preview.Rows[i] = Random.DrawCoordinate();
    }
    const int count = BallsPerSpawn(Game.Difficulty);
    for (int i = 0; i < count; ++i) {
        constexpr int positionsPerBall = 401;
        int findings = 0;
        while (Logic.Board[preview.Columns[i]][preview.Rows[i]] != 0 &&
               ++findings < positionsPerBall) {
            preview.Columns[i] = Random.DrawCoordinate();
            preview.Rows[i] = Random.DrawCoordinate();
        }
        if (findings == positionsPerBall) {
            continue;  // no empty cell found: this ball is given up
        }
        const int bank = Logic.NextBank;
        Logic.Board[preview.Columns[i]][preview.Rows[i]] =
            static_cast<int16_t>(preview.Banks[bank][i]);
        Logic.CellMarks[preview.Columns[i]][preview.Rows[i]] = MarkAppearing;
        preview.Banks[1 - bank][i] = Random.DrawColour();
        if (i == count - 1) {
            Logic.NextBank = static_cast<uint8_t>(1 - bank);
        }
    }
    if (Logic.IsBoardFull()) {
        Game.GameOver = true;
        outcome.GameOver = true;
        return outcome;
    }
    Logic.AppearFrame = 0;
    Channels.Set(TChannel::Appearance, true);
    return outcome;
}

// The last frame ends the animation before the board is drawn: the ended cells then show
// the ball at rest or the empty cell, as the last frame's own pictures would. When a move's
// first step has already cleared the marks, nothing is left to show or end: the channel
// stops without the end's line check and autosave, which the move's own arrival brings.
TOutcome TTurnCycle::AdvanceAppearance() {
    Logic.AppearFrame =
        static_cast<int16_t>(Logic.AppearFrame < LastAppearFrame ? Logic.AppearFrame + 1 : 0);
    if (Logic.AppearFrame == LastAppearFrame) {
        if (Logic.HasMark(MarkAppearing)) {
            return EndAppearance();
        }
        Channels.Set(TChannel::Appearance, false);
        Logic.AppearFrame = 0;
    }
    return {};
}

TOutcome TTurnCycle::AdvanceDeletion() {
    Logic.DeleteFrame =
        static_cast<int16_t>(Logic.DeleteFrame < LastDeleteFrame ? Logic.DeleteFrame + 1 : 1);
    if (Logic.DeleteFrame == LastDeleteFrame) {
        if (Logic.HasMark(MarkDeleting)) {
            return EndDeletion();
        }
        Channels.Set(TChannel::Deleting, false);
        Logic.DeleteFrame = 1;
    }
    return {};
}

TOutcome TTurnCycle::EndAppearance() {
    Channels.Set(TChannel::Appearance, false);
    Logic.ClearTransientMarks();
    if (DetectLine(Logic, Game.Difficulty) > 0) {
        StartDeletion();
    } else {
        Game.InputEnabled = true;
    }
    Logic.AppearFrame = 0;
    TOutcome outcome;
    outcome.Autosave = true;
    return outcome;
}

TOutcome TTurnCycle::EndDeletion() {
    Logic.ClearTransientMarks();
    Channels.Set(TChannel::Deleting, false);
    Game.InputEnabled = true;
    Logic.DeleteFrame = 1;
    TOutcome outcome;
    outcome.Autosave = true;
    return outcome;
}

void TTurnCycle::CancelMove() {
    Channels.Set(TChannel::Moving, false);
    Logic.MoveStarting = true;
}

void TTurnCycle::Interrupt() {
    Game.InputEnabled = true;
    Game.GameOver = false;
    Channels.Set(TChannel::Deleting, false);
    Channels.Set(TChannel::Choosing, false);
    CancelMove();
    Logic.ClearMarks();
}

void TTurnCycle::FreshPreview() {
    TPreview& preview = Logic.Preview;
    for (int i = 0; i < PreviewSize; ++i) {
        preview.Columns[i] = Random.DrawCoordinate();
        preview.Rows[i] = Random.DrawCoordinate();
        preview.Banks[0][i] = Random.DrawColour();
    }
    Logic.NextBank = 0;
}

TOutcome TTurnCycle::RestartBoard() {
    Interrupt();
    Logic.ClearBoard();
    FreshPreview();
    return SpawnBalls();
}
