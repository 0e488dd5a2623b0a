#include "HitTest.h"

std::optional<TBoardCell> HitCell(const TSkinLayout& layout, int x, int y) {
    constexpr int RightLimit = 1000;
    constexpr int BottomLimit = 800;
    if (x < layout.BoardLeft || x > RightLimit || y < layout.BoardTop || y > BottomLimit) {
        return std::nullopt;
    }
    // Integer division truncates toward zero: a press in the leading gap lands in band 0.
    const int column =
        (x - layout.BoardLeft - layout.CellGapX) / (layout.CellGapX + layout.CellWidth);
    const int row = (y - layout.BoardTop - layout.CellGapY) / (layout.CellGapY + layout.CellHeight);
    if (column > 8 || row > 8) {
        return std::nullopt;
    }
    return TBoardCell{column, row};
}
