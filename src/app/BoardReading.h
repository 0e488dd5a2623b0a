#pragma once

#include <vector>

#include "platform/AccessibleParts.h"
#include "rules/GameState.h"
#include "skinformat/SkinConfig.h"

// What a player sees on the board, in words, for screen readers: the score, the clock, the
// next balls and every cell, each with where it lies in the skin's pixels. Cells are read
// row by row from the top left, as the eye reads the board.
constexpr int ScorePart = 0;
constexpr int ClockPart = 1;
constexpr int PreviewPart = 2;
constexpr int FirstCellPart = 3;
constexpr int BoardPartCount = FirstCellPart + BoardSize * BoardSize;

using TBoardReading = std::vector<TAccessiblePart>;

TBoardReading ReadBoard(const TLogic& logic, const TGame& game, const TSkinLayout& layout);

// The part of a cell.
constexpr int CellPart(int column, int row) {
    return FirstCellPart + row * BoardSize + column;
}
