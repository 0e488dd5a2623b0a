#include <gtest/gtest.h>

#include <cstdlib>

#include "rules/PathSearch.h"
#include "support/BoardText.h"

namespace {

std::vector<TCell> Walk(TLogic& logic, TCell start, TCell target) {
    EXPECT_TRUE(FindPath(logic, start.Column, start.Row, target.Column, target.Row));
    TracePath(logic);
    return TracedPath(logic);
}

TEST(PathSearch, NeighbouringTargetIsOneStep) {
    TLogic logic;
    logic.Board[4][4] = 2;
    ASSERT_TRUE(FindPath(logic, 4, 4, 4, 5));
    EXPECT_EQ(logic.MoveStep, 0);
    TracePath(logic);
    EXPECT_EQ(TracedPath(logic), (std::vector<TCell>{{4, 5}}));
}

TEST(PathSearch, TracedPathPrefersRightThenLeftThenDownThenUp) {
    TLogic logic;
    logic.Board[4][4] = 1;
    EXPECT_EQ(Walk(logic, {4, 4}, {6, 6}), (std::vector<TCell>{{5, 4}, {6, 4}, {6, 5}, {6, 6}}));
    EXPECT_EQ(logic.MoveStep, 3);

    EXPECT_EQ(Walk(logic, {4, 4}, {2, 2}), (std::vector<TCell>{{3, 4}, {2, 4}, {2, 3}, {2, 2}}));
    EXPECT_EQ(logic.MoveStep, 3);

    // Straight up: only the last preference leads there.
    EXPECT_EQ(Walk(logic, {4, 4}, {4, 2}), (std::vector<TCell>{{4, 3}, {4, 2}}));

    // A ball to the right: round below or round above are as short, and below wins.
    logic.Board[5][4] = 2;
    EXPECT_EQ(Walk(logic, {4, 4}, {6, 4}), (std::vector<TCell>{{4, 5}, {5, 5}, {6, 5}, {6, 4}}));
}

TEST(PathSearch, WaveNumbersAreDistancesFromTheTarget) {
    TLogic logic;
    logic.Board[0][0] = 1;
    ASSERT_TRUE(FindPath(logic, 0, 0, 8, 8));
    EXPECT_EQ(logic.MoveStep, 15);
    EXPECT_EQ(logic.PathGrid[9][9], 0);
    EXPECT_EQ(logic.PathGrid[1][1], PathStart);
    for (int column = 0; column < BoardSize; ++column) {
        for (int row = 0; row < BoardSize; ++row) {
            const int32_t value = logic.PathGrid[column + 1][row + 1];
            if (value <= PathMaxWave + 1) {
                EXPECT_EQ(value, std::abs(8 - column) + std::abs(8 - row)) << column << "," << row;
            }
        }
    }
    for (int i = 0; i < GridSize; ++i) {
        EXPECT_EQ(logic.PathGrid[i][0], PathBlocked);
        EXPECT_EQ(logic.PathGrid[0][i], PathBlocked);
        EXPECT_EQ(logic.PathGrid[i][GridSize - 1], PathBlocked);
        EXPECT_EQ(logic.PathGrid[GridSize - 1][i], PathBlocked);
    }
}

TEST(PathSearch, WalledInBallHasNoPathAndKeepsItsMoveStep) {
    TLogic logic;
    SetBoard(logic, {"xx.......", "x........", ".........", ".........", ".........", ".........",
                     ".........", ".........", "........."});
    logic.MoveStep = 42;
    EXPECT_FALSE(FindPath(logic, 0, 0, 8, 8));
    // The diagonal neighbour is free, but a ball never passes through a corner.
    EXPECT_FALSE(FindPath(logic, 0, 0, 1, 1));
    EXPECT_EQ(logic.MoveStep, 42);
}

TEST(PathSearch, TargetWalledInIsUnreachable) {
    TLogic logic;
    SetBoard(logic, {"1........", ".........", ".........", ".........", "....2....", "...2.2...",
                     "....2....", ".........", "........."});
    EXPECT_FALSE(FindPath(logic, 0, 0, 4, 5));
}

TEST(PathSearch, GapInAWallForcesTheWayRound) {
    TLogic logic;
    SetBoard(logic, {"x...3....", "....3....", "....3....", "....3....", "....3....", "....3....",
                     "....3....", "....3....", "........."});
    const std::vector<TCell> path = Walk(logic, {0, 0}, {8, 8});
    EXPECT_EQ(logic.MoveStep, 15);
    std::vector<TCell> expected{{1, 0}, {2, 0}, {3, 0}};
    for (int row = 1; row <= 8; ++row) {
        expected.push_back({3, row});
    }
    for (int column = 4; column <= 8; ++column) {
        expected.push_back({column, 8});
    }
    EXPECT_EQ(path, expected);
}

TEST(PathSearch, LongWindingPathIsFoundWhole) {
    TLogic logic;
    // Walls from alternate sides make the ball wind through every free row: 48 steps.
    SetBoard(logic, {"x........", "22222222.", ".........", ".33333333", ".........", "44444444.",
                     ".........", ".55555555", "........."});
    const std::vector<TCell> path = Walk(logic, {0, 0}, {8, 8});
    EXPECT_EQ(path.size(), 48U);
    EXPECT_EQ(logic.MoveStep, 47);
    for (std::size_t i = 1; i < path.size(); ++i) {
        EXPECT_EQ(
            std::abs(path[i].Column - path[i - 1].Column) + std::abs(path[i].Row - path[i - 1].Row),
            1);
        EXPECT_EQ(logic.Board[path[i].Column][path[i].Row], 0);
    }
    EXPECT_EQ(path.back(), (TCell{8, 8}));
}

TEST(PathSearch, BoardValuesOutsideTheColoursAreObstacles) {
    TLogic logic;
    logic.Board[0][0] = 1;
    logic.Board[1][0] = -7;
    logic.Board[0][1] = 32000;
    EXPECT_FALSE(FindPath(logic, 0, 0, 5, 5));
    logic.Board[0][1] = 0;
    EXPECT_TRUE(FindPath(logic, 0, 0, 5, 5));
}

}  // namespace
