#include <gtest/gtest.h>

#include <set>

#include "rules/GameState.h"
#include "rules/Random.h"
#include "support/BoardText.h"

namespace {

TEST(GameState, TransientMarksGoWhileTheSelectionStays) {
    TLogic logic;
    logic.CellMarks[1][1] = MarkSelected;
    logic.CellMarks[2][2] = MarkAppearing;
    logic.CellMarks[3][3] = MarkDeleting;
    logic.ClearTransientMarks();
    EXPECT_EQ(logic.CellMarks[1][1], MarkSelected);
    EXPECT_EQ(CountMarks(logic, MarkNone), BoardSize * BoardSize - 1);
    logic.ClearMarks();
    EXPECT_EQ(CountMarks(logic, MarkNone), BoardSize * BoardSize);
}

TEST(GameState, BoardIsFullOnlyWithoutAnEmptyCell) {
    TLogic logic;
    for (auto& column : logic.Board) {
        column.fill(4);
    }
    logic.Board[6][2] = 0;
    for (auto& column : logic.CellMarks) {
        column.fill(MarkAppearing);
    }
    EXPECT_FALSE(logic.IsBoardFull());
    logic.Board[6][2] = -3;
    EXPECT_TRUE(logic.IsBoardFull());
    logic.ClearBoard();
    EXPECT_EQ(CountBalls(logic), 0);
}

TEST(GameState, TextsAreCutAtTheirCapacity) {
    TText<4> text("0500");
    EXPECT_EQ(text, "0500");
    text.Assign("123456");
    EXPECT_EQ(text.View(), "1234");
    text.Clear();
    EXPECT_TRUE(text.Empty());
}

TEST(Random, SeededDrawsRepeatStayBelowTwoToTheThirtyFirstAndCoverTheBoard) {
    TSeededRandom first(2005);
    TSeededRandom second(2005);
    TSeededRandom other(2006);
    bool differs = false;
    std::set<int> coordinates;
    std::set<int> colours;
    for (int i = 0; i < 2000; ++i) {
        const uint32_t draw = first.Draw();
        EXPECT_LT(draw, 1U << 31U);
        EXPECT_EQ(draw, second.Draw());
        differs = differs || draw != other.Draw();
        coordinates.insert(other.DrawCoordinate());
        colours.insert(other.DrawColour());
    }
    EXPECT_TRUE(differs);
    EXPECT_EQ(coordinates, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(colours, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

}  // namespace
