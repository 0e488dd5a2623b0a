#pragma once

#include <optional>

#include "skinformat/SkinConfig.h"

struct TBoardCell {
    int Column;
    int Row;
};

// The board cell under a press at client position (x, y). Each column is a band of
// CellGapX + CellWidth pixels from BoardLeft + CellGapX on, and the first also takes the
// gap before it; rows likewise. Presses left of or above the board, beyond the fixed
// limits x 1000 and y 800, or beyond the ninth band hit nothing.
std::optional<TBoardCell> HitCell(const TSkinLayout& layout, int x, int y);
