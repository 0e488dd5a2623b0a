#pragma once

#include <array>
#include <optional>

#include "PixelRect.h"
#include "SkinConfig.h"

// How the game cuts a skin's pictures into the pieces it draws: each picture but the
// background is a grid of pieces of one size from its top-left corner, and only the pieces
// of that grid are ever drawn. The background is drawn whole.
struct TPieceGrid {
    int Columns = 1;
    int Rows = 1;
};

// A ball strip is 13 x 3 cells; the score and clock digits are ten digits 0 to 9 side by
// side; the preview balls six balls; the empty cell one cell (a larger picture is cut to it).
TPieceGrid PieceGrid(TSkinImage image);

struct TPieceSize {
    int32_t Width = 0;
    int32_t Height = 0;
};

// The size of one piece at this layout: a cell, a digit or a preview ball; none for the
// background.
std::optional<TPieceSize> PieceSize(TSkinImage image, const TSkinLayout& layout);

// The piece in grid column `column` and row `row` of a picture, where the game cuts it.
TPixelRect PieceRect(TSkinImage image, const TSkinLayout& layout, int column, int row);

// The slot of the preview balls picture (0 leftmost) that shows each colour 1 to 6.
inline constexpr std::array<int, 6> PreviewSlotColours{1, 3, 2, 4, 5, 6};
int PreviewSlotOf(int colour);
