#include <gtest/gtest.h>

#include <limits>

#include "app/PressedCell.h"

namespace {

TSkinLayout Layout() {
    TSkinLayout layout;
    layout.BoardLeft = 20;
    layout.BoardTop = 60;
    layout.CellWidth = 36;
    layout.CellHeight = 30;
    layout.CellGapX = 4;
    layout.CellGapY = 2;
    return layout;
}

bool Hits(int x, int y, int column, int row) {
    const std::optional<TBoardCell> cell = HitCell(Layout(), x, y);
    return cell && cell->Column == column && cell->Row == row;
}

TEST(PressedCell, BandsStartAfterTheLeadingGapWhichBelongsToTheFirstCell) {
    EXPECT_TRUE(Hits(20, 60, 0, 0)) << "the board's origin is cell (0, 0)";
    // Column i covers BoardLeft + gap + i * 40 to + (i + 1) * 40 - 1.
    EXPECT_TRUE(Hits(20 + 4 + 40 - 1, 60, 0, 0));
    EXPECT_TRUE(Hits(20 + 4 + 40, 60, 1, 0));
    EXPECT_TRUE(Hits(20 + 4 + 9 * 40 - 1, 60 + 2 + 9 * 32 - 1, 8, 8));
    EXPECT_FALSE(HitCell(Layout(), 20 + 4 + 9 * 40, 100)) << "one pixel right of column 8";
    EXPECT_FALSE(HitCell(Layout(), 100, 60 + 2 + 9 * 32)) << "one pixel below row 8";
    EXPECT_FALSE(HitCell(Layout(), 19, 100));
    EXPECT_FALSE(HitCell(Layout(), 100, 59));
}

TEST(PressedCell, FixedLimitsHoldWhateverTheSkin) {
    TSkinLayout wide = Layout();
    wide.CellWidth = 200;
    wide.CellHeight = 200;
    EXPECT_TRUE(HitCell(wide, 1000, 800));
    EXPECT_FALSE(HitCell(wide, 1001, 100));
    EXPECT_FALSE(HitCell(wide, 100, 801));
}

TEST(PressedCell, NoLayoutOverflowsTheBandsOrNamesACellOffTheBoard) {
    constexpr int32_t Low = std::numeric_limits<int32_t>::min();
    constexpr int32_t High = std::numeric_limits<int32_t>::max();
    TSkinLayout layout = Layout();
    layout.BoardLeft = Low;
    layout.CellGapX = High;
    layout.CellWidth = High;
    const std::optional<TBoardCell> wide = HitCell(layout, 0, 100);
    ASSERT_TRUE(wide) << "bands of nearly 2^32 pixels";
    EXPECT_EQ(wide->Column, 0);
    EXPECT_EQ(wide->Row, 1);
    layout = Layout();
    layout.CellGapX = -40;
    layout.CellWidth = 40;
    EXPECT_FALSE(HitCell(layout, 100, 100)) << "a band of no width";
    layout = Layout();
    layout.CellGapY = 50;
    layout.CellHeight = -20;
    EXPECT_FALSE(HitCell(layout, 100, 61)) << "a press above the band of the first row";
    layout = Layout();
    layout.BoardTop = Low;
    layout.CellGapY = Low;
    layout.CellHeight = High;
    EXPECT_FALSE(HitCell(layout, 100, 100));
}

}  // namespace
