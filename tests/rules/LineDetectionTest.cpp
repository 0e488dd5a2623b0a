#include <gtest/gtest.h>

#include "rules/LineDetection.h"
#include "support/BoardText.h"

namespace {

struct TDetection {
    int Result;
    TLogic Logic;
};

TDetection Detect(const std::array<const char*, BoardSize>& rows, uint32_t difficulty) {
    TDetection detection{0, {}};
    SetBoard(detection.Logic, rows);
    detection.Result = DetectLine(detection.Logic, difficulty);
    return detection;
}

TEST(LineDetection, FourInARowCountsOnlyOnEasy) {
    const std::array<const char*, BoardSize> rows{"3333.....", ".........", ".........",
                                                  ".........", ".........", ".........",
                                                  ".........", ".........", "........."};
    EXPECT_EQ(Detect(rows, DifficultyMedium).Result, 0);
    EXPECT_EQ(Detect(rows, DifficultyHard).Result, 0);
    const TDetection easy = Detect(rows, DifficultyEasy);
    EXPECT_EQ(easy.Result, 1);
    EXPECT_EQ(LinePoints(easy.Result), 3U);
    // Any difficulty the game does not know plays like Medium.
    EXPECT_EQ(Detect(rows, 7).Result, 0);
}

TEST(LineDetection, RemovedLineIsEmptiedMarkedAndRemembersItsColour) {
    for (uint32_t difficulty : {DifficultyEasy, DifficultyMedium, DifficultyHard}) {
        TLogic logic;
        SetBoard(logic, {"22222....", ".........", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........."});
        logic.Selection = {5, 7, 7};
        ASSERT_EQ(DetectLine(logic, difficulty), 2);
        for (int column = 0; column < BoardSize; ++column) {
            EXPECT_EQ(logic.Board[column][0], 0);
            EXPECT_EQ(logic.CellMarks[column][0], column < 5 ? MarkDeleting : MarkNone);
        }
        EXPECT_EQ(logic.LineColour, 2);
        EXPECT_EQ(logic.Selection.Colour, 5) << "the selected ball keeps its own colour";
        EXPECT_EQ(CountMarks(logic, MarkDeleting), 5);
    }
}

TEST(LineDetection, RunCountsWithItsFullLengthOnly) {
    // Six and a stranger: the stranger stays.
    TDetection six = Detect({".444444.1", ".........", ".........", ".........", ".........",
                             ".........", ".........", ".........", "........."},
                            DifficultyMedium);
    EXPECT_EQ(six.Result, 3);
    EXPECT_EQ(six.Logic.Board[8][0], 1);
    EXPECT_EQ(CountBalls(six.Logic), 1);

    // Five, a gap, three more: only the five go.
    TDetection gap = Detect({"55555.555", ".........", ".........", ".........", ".........",
                             ".........", ".........", ".........", "........."},
                            DifficultyEasy);
    EXPECT_EQ(gap.Result, 2);
    EXPECT_EQ(CountBalls(gap.Logic), 3);

    TDetection nine = Detect({".........", ".........", ".........", ".........", "666666666",
                              ".........", ".........", ".........", "........."},
                             DifficultyHard);
    EXPECT_EQ(nine.Result, 6);
    EXPECT_EQ(LinePoints(nine.Result), 25U);
    EXPECT_EQ(CountBalls(nine.Logic), 0);
}

TEST(LineDetection, LineScoresFollowTheTable) {
    const std::array<uint32_t, 7> points{0, 3, 5, 7, 10, 15, 25};
    for (int length = 5; length <= 9; ++length) {
        TLogic logic;
        for (int row = 0; row < length; ++row) {
            logic.Board[2][row] = 6;
        }
        const int result = DetectLine(logic, DifficultyMedium);
        EXPECT_EQ(result, length - 3);
        EXPECT_EQ(LinePoints(result), points[length - 3]);
    }
    EXPECT_EQ(LinePoints(0), 0U);
}

TEST(LineDetection, CrossingLinesGoOneAtATimeRowFirst) {
    TLogic logic;
    SetBoard(logic, {".........", ".........", "11111....", "....1....", "....1....", "....1....",
                     "....1....", ".........", "........."});
    EXPECT_EQ(DetectLine(logic, DifficultyEasy), 2);
    EXPECT_EQ(logic.CellMarks[0][2], MarkDeleting);
    EXPECT_EQ(logic.CellMarks[4][3], MarkNone);
    EXPECT_EQ(logic.Board[4][2], 0) << "the shared cell goes with the row";
    EXPECT_EQ(CountBalls(logic), 4);

    // The column's remaining four are a line of their own on Easy only.
    TLogic medium = logic;
    EXPECT_EQ(DetectLine(medium, DifficultyMedium), 0);
    logic.ClearMarks();
    EXPECT_EQ(DetectLine(logic, DifficultyEasy), 1);
    EXPECT_EQ(CountBalls(logic), 0);
}

TEST(LineDetection, ScanOrderDecidesWhichLineGoesFirst) {
    // Two rows: the upper one.
    TDetection rows = Detect({".........", ".........", "....33333", ".........", "22222....",
                              ".........", ".........", ".........", "........."},
                             DifficultyMedium);
    EXPECT_EQ(rows.Logic.LineColour, 3);
    // Within one row: the left run.
    TDetection inRow = Detect({"1111.2222", ".........", ".........", ".........", ".........",
                               ".........", ".........", ".........", "........."},
                              DifficultyEasy);
    EXPECT_EQ(inRow.Logic.LineColour, 1);
    // A column before a diagonal, whatever their places.
    TDetection column = Detect({"4.......5", "4......5.", "4.....5..", "4....5...", "4...5....",
                                ".........", ".........", ".........", "........."},
                               DifficultyMedium);
    EXPECT_EQ(column.Logic.LineColour, 4);
    // A down-right diagonal before an up-right one.
    TDetection diagonals = Detect({"....6....", ".....6...", "......6..", ".......6.", "....5...6",
                                   "...5.....", "..5......", ".5.......", "5........"},
                                  DifficultyMedium);
    EXPECT_EQ(diagonals.Logic.LineColour, 6);
    // Down-right diagonals from the lower-left one onwards.
    TDetection lowerFirst = Detect({"1........", ".1.......", "..1......", "...1.....", "2...1....",
                                    ".2.......", "..2......", "...2.....", "....2...."},
                                   DifficultyMedium);
    EXPECT_EQ(lowerFirst.Logic.LineColour, 2);
    // Up-right diagonals from the upper-left one onwards.
    TDetection upperFirst = Detect({"....1....", "...1.....", "..1......", ".1.......", "1.......2",
                                    ".......2.", "......2..", ".....2...", "....2...."},
                                   DifficultyMedium);
    EXPECT_EQ(upperFirst.Logic.LineColour, 1);
}

TEST(LineDetection, ShortestDiagonalsAndEdgesAreScanned) {
    // Down-right from (0, 5) to (3, 8).
    TDetection lowerLeft = Detect({".........", ".........", ".........", ".........", ".........",
                                   "2........", ".2.......", "..2......", "...2....."},
                                  DifficultyEasy);
    EXPECT_EQ(lowerLeft.Result, 1);
    // Down-right from (5, 0) to (8, 3).
    TDetection upperRight = Detect({".....3...", "......3..", ".......3.", "........3", ".........",
                                    ".........", ".........", ".........", "........."},
                                   DifficultyEasy);
    EXPECT_EQ(upperRight.Result, 1);
    // Up-right from (0, 3) to (3, 0) and from (5, 8) to (8, 5).
    TDetection upperLeft = Detect({"...4.....", "..4......", ".4.......", "4........", ".........",
                                   ".........", ".........", ".........", "........."},
                                  DifficultyEasy);
    EXPECT_EQ(upperLeft.Result, 1);
    TDetection lowerRight = Detect({".........", ".........", ".........", ".........", ".........",
                                    "........5", ".......5.", "......5..", ".....5..."},
                                   DifficultyEasy);
    EXPECT_EQ(lowerRight.Result, 1);
    // A column that ends at the bottom edge, a row that ends at the right edge.
    EXPECT_EQ(Detect({".........", ".........", ".........", ".........", "........6", "........6",
                      "........6", "........6", "........6"},
                     DifficultyHard)
                  .Result,
              2);
    EXPECT_EQ(Detect({".........", ".........", ".........", ".........", ".........", ".........",
                      ".........", ".........", "...111111"},
                     DifficultyHard)
                  .Result,
              3);
}

TEST(LineDetection, BoardWithoutALineIsLeftAlone) {
    TLogic logic;
    SetBoard(logic, {"1212121.1", "2121212.2", "3434343.3", "4343434.4", "5656565.5", "6565656.6",
                     "112.11211", ".........", "22.22.222"});
    logic.Selection.Colour = 4;
    logic.LineColour = 0;
    const TLogic before = logic;
    EXPECT_EQ(DetectLine(logic, DifficultyEasy), 0);
    EXPECT_EQ(logic.Board, before.Board);
    EXPECT_EQ(logic.CellMarks, before.CellMarks);
    EXPECT_EQ(logic.Selection.Colour, 4);
    EXPECT_EQ(logic.LineColour, 0);
}

TEST(LineDetection, ValuesOutsideTheColoursFormNoLine) {
    TLogic logic;
    for (int column = 0; column < BoardSize; ++column) {
        for (int row = 0; row < BoardSize; ++row) {
            logic.Board[column][row] = static_cast<int16_t>(column % 2 == 0 ? 7 : -1);
        }
    }
    logic.Board[0][0] = 0;
    EXPECT_EQ(DetectLine(logic, DifficultyEasy), 0);
    for (int row = 0; row < BoardSize; ++row) {
        logic.Board[1][row] = 32767;
    }
    EXPECT_EQ(DetectLine(logic, DifficultyEasy), 0);
}

}  // namespace
