#include "PressedCell.h"

#include <cstdint>

std::optional<TBoardCell> HitCell(const TSkinLayout& layout, int x, int y) {
    constexpr int RightLimit = 1000;
    constexpr int BottomLimit = 800;
    if (x < layout.BoardLeft || x > RightLimit || y < layout.BoardTop || y > BottomLimit) {
        return std::nullopt;
    }
    // Taken in 64 bits, so that no layout value can overflow the sums. The skin loader
    // refuses bands of no width and cells of no size, but no layout may make the hit test
    // divide by zero or name a cell off the board.
    const int64_t columnBand = int64_t{layout.CellGapX} + layout.CellWidth;
    const int64_t rowBand = int64_t{layout.CellGapY} + layout.CellHeight;
    if (columnBand <= 0 || rowBand <= 0) {
        return std::nullopt;
    }
    // Integer division truncates toward zero: a press in the leading gap lands in band 0.
    const int64_t column = (int64_t{x} - layout.BoardLeft - layout.CellGapX) / columnBand;
    const int64_t row = (int64_t{y} - layout.BoardTop - layout.CellGapY) / rowBand;
    if (column < 0 || column > 8 || row < 0 || row > 8) {
        return std::nullopt;
    }
    return TBoardCell{static_cast<int>(column), static_cast<int>(row)};
}
