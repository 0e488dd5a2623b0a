#include "PathSearch.h"

#include <array>

namespace {

struct TGridCell {
    int Column;
    int Row;
};

// Neighbour order of both the wave and the trace: right, left, down, up.
constexpr std::array<TGridCell, 4> NeighbourSteps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

int32_t& At(TLogic& logic, TGridCell cell) {
    return logic.PathGrid[cell.Column][cell.Row];
}

TGridCell Neighbour(TGridCell cell, TGridCell step) {
    return {cell.Column + step.Column, cell.Row + step.Row};
}

TGridCell FindValue(const TLogic& logic, int32_t value) {
    for (int row = 0; row < GridSize; ++row) {
        for (int column = 0; column < GridSize; ++column) {
            if (logic.PathGrid[column][row] == value) {
                return {column, row};
            }
        }
    }
    return {-1, -1};
}

// Keeps the first neighbour of `from` holding `value` and blocks every other grid cell that
// holds it.
void KeepOneCell(TLogic& logic, TGridCell from, int32_t value) {
    TGridCell kept{-1, -1};
    for (TGridCell step : NeighbourSteps) {
        const TGridCell next = Neighbour(from, step);
        if (At(logic, next) == value) {
            kept = next;
            break;
        }
    }
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const bool isKept = column == kept.Column && row == kept.Row;
            if (!isKept && logic.PathGrid[column][row] == value) {
                logic.PathGrid[column][row] = PathBlocked;
            }
        }
    }
}

}  // namespace

bool FindPath(TLogic& logic, int startColumn, int startRow, int targetColumn, int targetRow) {
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const bool border =
                column == 0 || row == 0 || column == GridSize - 1 || row == GridSize - 1;
            logic.PathGrid[column][row] =
                border || logic.Board[column - 1][row - 1] != 0 ? PathBlocked : PathFree;
        }
    }
    logic.PathGrid[startColumn + 1][startRow + 1] = PathStart;
    logic.PathGrid[targetColumn + 1][targetRow + 1] = 0;

    for (int32_t wave = 0; wave <= PathMaxWave; ++wave) {
        bool numbered = false;
        for (int row = 1; row < GridSize - 1; ++row) {
            for (int column = 1; column < GridSize - 1; ++column) {
                if (logic.PathGrid[column][row] != wave) {
                    continue;
                }
                bool touchesStart = false;
                for (TGridCell step : NeighbourSteps) {
                    int32_t& next = At(logic, Neighbour({column, row}, step));
                    if (next == PathFree) {
                        next = wave + 1;
                        numbered = true;
                    }
                    touchesStart = touchesStart || next == PathStart;
                }
                if (touchesStart) {
                    logic.MoveStep = wave;
                    return true;
                }
            }
        }
        // A sweep that numbers no new cell leaves nothing for the later sweeps to spread.
        if (!numbered) {
            return false;
        }
    }
    return false;
}

void TracePath(TLogic& logic) {
    int32_t value = PathStart;
    int32_t next = logic.MoveStep;
    while (next >= 0) {
        const TGridCell from = FindValue(logic, value);
        // Only a grid that FindPath did not leave behind lacks a cell: nothing to trace.
        if (from.Column < 0) {
            return;
        }
        KeepOneCell(logic, from, next);
        value = next;
        --next;
    }
}
