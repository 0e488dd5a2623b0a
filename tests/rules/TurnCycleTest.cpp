#include <gtest/gtest.h>

#include "support/BoardText.h"
#include "support/RulesWorld.h"
#include "support/ScriptedRandom.h"

namespace {

// Draws that put a spawned ball on (column, row).
void ScriptPosition(TScriptedRandom& random, int column, int row) {
    random.Add({static_cast<uint32_t>(column), static_cast<uint32_t>(row)});
}

// A spawn on an open board: the four preview positions down the given column from row 0,
// then the colours drawn for the three balls placed on Easy or Medium.
void ScriptSpawnInColumn(TScriptedRandom& random, int column) {
    for (int row = 0; row < PreviewSize; ++row) {
        ScriptPosition(random, column, row);
    }
    random.Add({0, 1, 2});
}

// A spawn's first four draws: the preview positions, all on (column, row).
void ScriptPreviewPositions(TScriptedRandom& random, int column, int row) {
    for (int i = 0; i < PreviewSize; ++i) {
        ScriptPosition(random, column, row);
    }
}

class TurnCycle : public testing::Test {
protected:
    TScriptedRandom Random;
    TRulesWorld World{Random};
    TLogic& Logic = World.Logic;
    TGame& Game = World.Game;

    void Select(int column, int row) { ASSERT_EQ(World.Press(column, row), TPress::Selected); }
    void Move(int column, int row) { ASSERT_EQ(World.Press(column, row), TPress::MoveAccepted); }
    void Announce(std::array<int32_t, PreviewSize> colours) {
        Logic.Preview.Banks[Logic.NextBank] = colours;
    }
};

TEST_F(TurnCycle, NeighbourMoveTakesTwoFiringsAndSpawnsWithoutALine) {
    Game.SoundsOn = true;
    Logic.AppearFrame = 9;  // where the last appearance left it
    Logic.Board[0][0] = 3;
    Announce({4, 5, 6, 1});
    Select(0, 0);
    EXPECT_TRUE(World.Enabled(TChannel::Choosing));
    Move(1, 0);
    EXPECT_TRUE(World.Enabled(TChannel::Moving));

    World.AdvanceMove();
    EXPECT_EQ(Logic.Board[0][0], 0) << "the first firing lifts the ball";
    EXPECT_EQ(CountMarks(Logic, MarkSelected), 0);
    EXPECT_FALSE(Logic.MoveStarting);

    // The arrival spawns: three preview positions on (8, 8), (8, 7), (8, 6).
    ScriptPosition(Random, 8, 8);
    ScriptPosition(Random, 8, 7);
    ScriptPosition(Random, 8, 6);
    ScriptPosition(Random, 0, 8);
    Random.Add({0, 1, 2});  // the colours announced for the next spawn: 1, 2, 3
    World.AdvanceMove();
    EXPECT_EQ(Logic.Board[1][0], 3);
    EXPECT_FALSE(World.Enabled(TChannel::Moving));
    EXPECT_TRUE(Logic.MoveStarting);
    EXPECT_EQ(World.Sounds, std::vector<TSound>{TSound::Moving});

    EXPECT_EQ(Logic.Board[8][8], 4);
    EXPECT_EQ(Logic.Board[8][7], 5);
    EXPECT_EQ(Logic.Board[8][6], 6);
    EXPECT_EQ(Logic.Board[0][8], 0) << "Medium places three balls";
    EXPECT_EQ(CountMarks(Logic, MarkAppearing), 3);
    EXPECT_EQ(Logic.NextBank, 1);
    EXPECT_EQ(Logic.Preview.Banks[1], (std::array<int32_t, PreviewSize>{1, 2, 3, 0}));
    EXPECT_TRUE(World.Enabled(TChannel::Appearance));
    EXPECT_EQ(Logic.AppearFrame, 0);
    EXPECT_EQ(Game.Score, 0U);
    EXPECT_EQ(Random.Left(), 0U);
}

TEST_F(TurnCycle, WalkCarriesTheBallOneCellPerFiring) {
    Game.SoundsOn = true;
    Logic.Board[4][4] = 2;
    Select(4, 4);
    Move(6, 6);
    EXPECT_EQ(Logic.MoveStep, 3);
    World.AdvanceMove();
    const std::vector<TCell> path{{5, 4}, {6, 4}, {6, 5}, {6, 6}};
    for (std::size_t step = 0; step + 1 < path.size(); ++step) {
        World.AdvanceMove();
        EXPECT_EQ(CountBalls(Logic), 1);
        EXPECT_EQ(Logic.Board[path[step].Column][path[step].Row], 2);
    }
    ScriptSpawnInColumn(Random, 0);
    World.AdvanceMove();
    EXPECT_EQ(Logic.Board[6][6], 2);
    EXPECT_EQ(World.Sounds.size(), 4U) << "one moving sound per cell entered";
}

TEST_F(TurnCycle, MovingSoundFollowsTheSoundSwitch) {
    Game.SoundsOn = false;
    Logic.Board[4][4] = 2;
    Select(4, 4);
    Move(4, 6);
    ScriptSpawnInColumn(Random, 0);
    EXPECT_EQ(World.WalkToArrival(), 3);
    EXPECT_TRUE(World.Sounds.empty());
}

TEST_F(TurnCycle, ScoredLineVanishesLocksInputAndKeepsThePreview) {
    SetBoard(Logic, {"1111.....", ".........", "....1....", ".........", ".........", ".........",
                     ".........", ".........", "........."});
    Announce({2, 3, 4, 5});
    const TPreview preview = Logic.Preview;
    const uint8_t bank = Logic.NextBank;
    Logic.DeleteFrame = 5;  // where the last vanishing left it
    Select(4, 2);
    Move(4, 0);
    EXPECT_EQ(World.WalkToArrival(), 3);

    EXPECT_EQ(Game.Score, 5U);
    EXPECT_EQ(CountBalls(Logic), 0) << "no spawn after a line";
    EXPECT_EQ(CountMarks(Logic, MarkDeleting), 5);
    EXPECT_EQ(Logic.LineColour, 1);
    EXPECT_FALSE(Game.InputEnabled);
    EXPECT_TRUE(World.Enabled(TChannel::Deleting));
    EXPECT_EQ(Logic.DeleteFrame, 0);
    EXPECT_EQ(Logic.Preview.Banks, preview.Banks);
    EXPECT_EQ(Logic.NextBank, bank);

    Logic.Board[7][7] = 6;
    EXPECT_EQ(World.Press(7, 7), TPress::Ignored) << "input is locked";

    // Twelve frames show, the thirteenth firing ends the vanishing.
    for (int firing = 1; firing <= 12; ++firing) {
        World.AdvanceDeletion();
        EXPECT_EQ(Logic.DeleteFrame, firing);
    }
    EXPECT_FALSE(Game.InputEnabled);
    EXPECT_EQ(CountMarks(Logic, MarkDeleting), 5);
    World.AdvanceDeletion();
    EXPECT_EQ(CountMarks(Logic, MarkDeleting), 0);
    EXPECT_FALSE(World.Enabled(TChannel::Deleting));
    EXPECT_TRUE(Game.InputEnabled);
    EXPECT_EQ(Logic.DeleteFrame, 1);
    EXPECT_EQ(World.Autosaves, 1);
    EXPECT_EQ(Random.Left(), 0U);
}

TEST_F(TurnCycle, LineOfFourOnEasyLeavesInputOpen) {
    Game.Difficulty = DifficultyEasy;
    SetBoard(Logic, {"555......", ".........", "...5.....", ".........", ".........", ".........",
                     ".........", ".........", "........."});
    Select(3, 2);
    Move(3, 0);
    World.WalkToArrival();
    EXPECT_EQ(Game.Score, 3U);
    EXPECT_TRUE(Game.InputEnabled);
    EXPECT_TRUE(World.Enabled(TChannel::Deleting));
}

TEST_F(TurnCycle, HardSpawnsFourBallsInTheAnnouncedColours) {
    Game.Difficulty = DifficultyHard;
    Announce({6, 5, 4, 3});
    ScriptPosition(Random, 0, 0);
    ScriptPosition(Random, 1, 0);
    ScriptPosition(Random, 2, 0);
    ScriptPosition(Random, 3, 0);
    Random.Add({5});  // colour 6 for the first place in the other bank
    Random.Add({4});
    Random.Add({3});
    Random.Add({2});
    World.SpawnBalls();
    EXPECT_EQ(Logic.Board[0][0], 6);
    EXPECT_EQ(Logic.Board[1][0], 5);
    EXPECT_EQ(Logic.Board[2][0], 4);
    EXPECT_EQ(Logic.Board[3][0], 3);
    EXPECT_EQ(Logic.NextBank, 1);
    EXPECT_EQ(Logic.Preview.Banks[1], (std::array<int32_t, PreviewSize>{6, 5, 4, 3}));

    // A difficulty the game does not know, only ever from a hand-made file, places no ball.
    Game.Difficulty = 7;
    ScriptPreviewPositions(Random, 8, 8);
    World.SpawnBalls();
    EXPECT_EQ(CountBalls(Logic), 4);
    EXPECT_EQ(Logic.NextBank, 1);
}

TEST_F(TurnCycle, SpawnRedrawsTakenPositionsAndNeverStacksBalls) {
    Announce({1, 2, 3, 4});
    Logic.Board[4][4] = 6;
    // Every preview position falls on (4, 4); each ball redraws until it finds a free cell,
    // the second ball first trying the cell the first one just took.
    ScriptPreviewPositions(Random, 4, 4);
    ScriptPosition(Random, 0, 0);
    Random.Add({0});
    ScriptPosition(Random, 0, 0);
    ScriptPosition(Random, 1, 1);
    Random.Add({0});
    ScriptPosition(Random, 2, 2);
    Random.Add({0});
    World.SpawnBalls();
    EXPECT_EQ(Logic.Board[4][4], 6);
    EXPECT_EQ(Logic.Board[0][0], 1);
    EXPECT_EQ(Logic.Board[1][1], 2);
    EXPECT_EQ(Logic.Board[2][2], 3);
    EXPECT_EQ(CountBalls(Logic), 4);
    EXPECT_EQ(Random.Left(), 0U);
}

TEST_F(TurnCycle, SpawnedLineVanishesWithoutPoints) {
    SetBoard(Logic, {"22.22....", ".........", ".........", ".........", ".........", ".........",
                     ".........", ".........", "........."});
    Announce({2, 1, 1, 0});
    ScriptPosition(Random, 2, 0);
    ScriptPosition(Random, 8, 8);
    ScriptPosition(Random, 7, 8);
    ScriptPosition(Random, 0, 8);
    Random.Add({0, 0, 0});
    Game.InputEnabled = false;
    Logic.DeleteFrame = 7;
    World.SpawnBalls();
    EXPECT_EQ(Logic.Board[2][0], 2);

    // Thirteen frames show, the fourteenth firing ends the appearance with its line check.
    for (int firing = 1; firing <= 13; ++firing) {
        World.AdvanceAppearance();
        EXPECT_EQ(Logic.AppearFrame, firing);
    }
    EXPECT_FALSE(World.Enabled(TChannel::Deleting)) << "no line check before the appearance ends";
    EXPECT_EQ(CountMarks(Logic, MarkAppearing), 3);
    EXPECT_EQ(World.Autosaves, 0);
    World.AdvanceAppearance();
    EXPECT_FALSE(World.Enabled(TChannel::Appearance));
    EXPECT_EQ(CountMarks(Logic, MarkAppearing), 0);
    EXPECT_EQ(CountMarks(Logic, MarkDeleting), 5);
    EXPECT_TRUE(World.Enabled(TChannel::Deleting));
    EXPECT_EQ(Logic.DeleteFrame, 0);
    EXPECT_EQ(Game.Score, 0U);
    EXPECT_FALSE(Game.InputEnabled) << "the start of this vanishing does not touch the input";
    EXPECT_EQ(World.Autosaves, 1);
    EXPECT_EQ(Logic.AppearFrame, 0);
}

TEST_F(TurnCycle, AppearanceWithoutALineUnlocksInputAndKeepsTheSelection) {
    Logic.Board[5][5] = 4;
    Logic.Board[6][6] = 1;
    Logic.CellMarks[6][6] = MarkAppearing;
    Select(5, 5);
    Game.InputEnabled = false;
    World.EndAppearance();
    EXPECT_TRUE(Game.InputEnabled);
    EXPECT_EQ(Logic.CellMarks[5][5], MarkSelected);
    EXPECT_EQ(Logic.CellMarks[6][6], MarkNone);
    EXPECT_FALSE(World.Enabled(TChannel::Deleting));
    EXPECT_EQ(World.Autosaves, 1);
}

TEST_F(TurnCycle, AnimationsWhoseMarksAMoveClearedStopWithoutTheirEnds) {
    SetBoard(Logic, {"33333....", ".........", ".........", ".........", ".........", ".........",
                     ".........", ".........", "........1"});
    Logic.CellMarks[0][0] = MarkAppearing;
    Logic.CellMarks[5][0] = MarkDeleting;
    World.Channels.Set(TChannel::Appearance, true);
    World.Channels.Set(TChannel::Deleting, true);
    Logic.AppearFrame = 13;
    Logic.DeleteFrame = 12;
    Select(8, 8);
    Move(8, 4);
    World.AdvanceMove();  // the lift clears every mark
    Game.InputEnabled = false;

    World.AdvanceAppearance();
    World.AdvanceDeletion();
    EXPECT_FALSE(World.Enabled(TChannel::Appearance));
    EXPECT_FALSE(World.Enabled(TChannel::Deleting));
    EXPECT_EQ(Logic.AppearFrame, 0);
    EXPECT_EQ(Logic.DeleteFrame, 1);
    EXPECT_EQ(World.Autosaves, 0);
    EXPECT_EQ(CountMarks(Logic, MarkDeleting), 0)
        << "the row of five waits for the arrival's check";
    EXPECT_FALSE(Game.InputEnabled);
}

TEST_F(TurnCycle, RestartBoardSpawnsTheFirstBankAndAnnouncesTheSecond) {
    SetBoard(Logic, {"123456123", ".........", ".........", ".........", "....6....", ".........",
                     ".........", ".........", "........."});
    Logic.CellMarks[4][4] = MarkSelected;
    Logic.CellMarks[0][0] = MarkDeleting;
    Game.InputEnabled = false;
    for (TChannel channel : {TChannel::Moving, TChannel::Deleting, TChannel::Choosing}) {
        World.Channels.Set(channel, true);
    }
    Logic.MoveStarting = false;
    Logic.NextBank = 1;
    // The fresh preview: position and first-bank colour for each entry.
    Random.Add({0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0, 5});
    ScriptPosition(Random, 1, 1);
    ScriptPosition(Random, 2, 2);
    ScriptPosition(Random, 3, 3);
    ScriptPosition(Random, 4, 4);
    Random.Add({5, 4, 3});
    World.RestartBoard();

    EXPECT_TRUE(Game.InputEnabled);
    EXPECT_TRUE(Logic.MoveStarting);
    for (TChannel channel : {TChannel::Moving, TChannel::Deleting, TChannel::Choosing}) {
        EXPECT_FALSE(World.Enabled(channel));
    }
    EXPECT_TRUE(World.Enabled(TChannel::Appearance));
    EXPECT_EQ(CountBalls(Logic), 3);
    EXPECT_EQ(Logic.Board[1][1], 3);
    EXPECT_EQ(Logic.Board[2][2], 4);
    EXPECT_EQ(Logic.Board[3][3], 5);
    EXPECT_EQ(CountMarks(Logic, MarkAppearing), 3);
    EXPECT_EQ(CountMarks(Logic, MarkNone), 78);
    EXPECT_EQ(Logic.NextBank, 1);
    EXPECT_EQ(Logic.Preview.Banks[1][0], 6);
    EXPECT_EQ(Logic.Preview.Banks[1][1], 5);
    EXPECT_EQ(Logic.Preview.Banks[1][2], 4);
}

// A ball whose 401 positions all fall on taken cells: 400 redraws after the first.
void ScriptMisses(TScriptedRandom& random) {
    for (int i = 0; i < 400; ++i) {
        ScriptPosition(random, 0, 0);
    }
}

TEST_F(TurnCycle, LastCellTakenByTheFirstBallThatHitsItEndsTheGame) {
    FillAllButOne(Logic);
    Announce({3, 3, 3, 0});
    ScriptPosition(Random, 0, 0);
    ScriptPosition(Random, 0, 0);
    ScriptPosition(Random, 0, 0);
    ScriptPosition(Random, 0, 0);
    for (int i = 0; i < 399; ++i) {  // the first ball's 401st position is the free cell
        ScriptPosition(Random, 1, 1);
    }
    ScriptPosition(Random, 8, 8);
    Random.Add({1});
    ScriptMisses(Random);
    ScriptMisses(Random);
    const uint8_t bank = Logic.NextBank;
    const auto otherBank = Logic.Preview.Banks[1 - bank];
    World.OnGameOver = [&] { EXPECT_TRUE(Logic.IsBoardFull()); };

    World.SpawnBalls();
    EXPECT_EQ(Logic.Board[8][8], 3);
    EXPECT_EQ(World.GameOvers, 1);
    EXPECT_EQ(Logic.NextBank, bank) << "the last ball was given up: the bank stays";
    EXPECT_EQ(Logic.Preview.Banks[1 - bank][0], 2);
    EXPECT_EQ(Logic.Preview.Banks[1 - bank][1], otherBank[1]);
    EXPECT_EQ(Random.Left(), 0U);
}

TEST_F(TurnCycle, BoardOneShortGoesOnWhenEveryBallMisses) {
    FillAllButOne(Logic);
    ScriptPreviewPositions(Random, 0, 0);
    ScriptMisses(Random);
    ScriptMisses(Random);
    ScriptMisses(Random);
    World.SpawnBalls();
    EXPECT_EQ(Logic.Board[8][8], 0);
    EXPECT_EQ(World.GameOvers, 0);
    EXPECT_TRUE(World.Enabled(TChannel::Appearance));
    EXPECT_EQ(Random.Left(), 0U);
}

TEST_F(TurnCycle, SpawnThatFillsTheBoardEndsTheGameEvenWithALine) {
    FillAllButOne(Logic);
    for (int column = 4; column < 8; ++column) {
        Logic.Board[column][8] = 6;
    }
    Announce({6, 1, 1, 1});
    ScriptPosition(Random, 8, 8);
    ScriptPosition(Random, 0, 0);
    ScriptPosition(Random, 0, 0);
    ScriptPosition(Random, 0, 0);
    Random.Add({0});
    ScriptMisses(Random);
    ScriptMisses(Random);
    World.SpawnBalls();
    EXPECT_EQ(World.GameOvers, 1);
    EXPECT_EQ(Logic.Board[8][8], 6);
    EXPECT_EQ(CountMarks(Logic, MarkDeleting), 0) << "the game ends before any line check";
}

// The game ends before the filling spawn's appearance starts: behind the game's end the
// full board shows the new balls at the frame the last appearance left. Until the next game
// no press is taken and no channel acts; that game's own spawn starts its appearance.
TEST_F(TurnCycle, AGameOverHoldsTheFullBoardUntilTheNextGame) {
    FillAllButOne(Logic);
    Logic.Board[4][4] = 0;
    Announce({3, 5, 1, 0});
    Logic.AppearFrame = 9;
    ScriptPosition(Random, 8, 8);
    ScriptPosition(Random, 4, 4);
    ScriptPosition(Random, 0, 0);
    ScriptPosition(Random, 0, 0);
    Random.Add({0, 0});
    ScriptMisses(Random);
    const TOutcome& spawn = World.SpawnBalls();
    EXPECT_TRUE(spawn.GameOver);
    EXPECT_TRUE(Game.GameOver);
    EXPECT_TRUE(Logic.IsBoardFull());
    EXPECT_EQ(Logic.CellMarks[8][8], MarkAppearing);
    EXPECT_EQ(Logic.AppearFrame, 9);
    EXPECT_FALSE(World.Enabled(TChannel::Appearance));

    World.Channels.Set(TChannel::Appearance, true);
    EXPECT_EQ(World.Press(0, 0), TPress::Ignored);
    EXPECT_FALSE(World.Fire(TChannel::Appearance).Redraw);
    EXPECT_EQ(Logic.AppearFrame, 9);
    EXPECT_EQ(CountMarks(Logic, MarkSelected), 0);

    Random.Add({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // the fresh preview
    ScriptSpawnInColumn(Random, 2);
    const TOutcome& next = World.NewGame();
    EXPECT_TRUE(next.NewGame);
    EXPECT_FALSE(next.GameOver);
    EXPECT_FALSE(Game.GameOver);
    EXPECT_EQ(CountBalls(Logic), 3);
    EXPECT_EQ(Logic.AppearFrame, 0);
    EXPECT_TRUE(World.Enabled(TChannel::Appearance));
    EXPECT_EQ(Random.Left(), 0U);
}

TEST_F(TurnCycle, PressesSelectOnlyWhatMayBeSelected) {
    Game.SoundsOn = true;
    Logic.Board[0][0] = 1;
    Logic.Board[5][5] = 2;
    Logic.Board[7][7] = 3;
    Logic.CellMarks[7][7] = MarkAppearing;

    EXPECT_EQ(World.Press(3, 3), TPress::Ignored) << "nothing selected yet";
    EXPECT_TRUE(World.Sounds.empty());

    Select(0, 0);
    EXPECT_EQ(Logic.Selection.Colour, 1);
    Select(5, 5);
    EXPECT_EQ(Logic.CellMarks[0][0], MarkNone);
    EXPECT_EQ(Logic.CellMarks[5][5], MarkSelected);
    EXPECT_EQ(Logic.Selection.Column, 5);
    EXPECT_EQ(Logic.Selection.Colour, 2);

    EXPECT_EQ(World.Press(5, 5), TPress::Ignored) << "pressing it again";
    EXPECT_EQ(World.Press(7, 7), TPress::Ignored) << "an appearing ball";
    EXPECT_EQ(Logic.CellMarks[5][5], MarkSelected);
    EXPECT_EQ(CountMarks(Logic, MarkSelected), 1);

    Game.InputEnabled = false;
    EXPECT_EQ(World.Press(0, 0), TPress::Ignored);
    EXPECT_EQ(Logic.CellMarks[5][5], MarkSelected);
}

TEST_F(TurnCycle, BlockedTargetKeepsTheSelection) {
    SetBoard(Logic, {"1........", ".........", ".........", ".........", "....2....", "...2.2...",
                     "....2....", ".........", "........."});
    Select(0, 0);
    Game.SoundsOn = false;
    EXPECT_EQ(World.Press(4, 5), TPress::Blocked);
    EXPECT_TRUE(World.Sounds.empty());
    EXPECT_FALSE(World.Enabled(TChannel::Moving));
    EXPECT_EQ(Logic.CellMarks[0][0], MarkSelected);

    Game.SoundsOn = true;
    EXPECT_EQ(World.Press(4, 5), TPress::Blocked);
    EXPECT_EQ(World.Sounds, std::vector<TSound>{TSound::Error});
    Move(8, 8);
}

TEST_F(TurnCycle, NoSecondMoveWhileABallWalks) {
    Logic.Board[0][0] = 1;
    Logic.Board[8][0] = 2;
    Select(0, 0);
    Move(0, 4);
    // Before the first step the selection still names the ball to lift.
    EXPECT_EQ(World.Press(8, 0), TPress::Ignored);
    World.AdvanceMove();
    World.AdvanceMove();
    // The walking ball itself cannot be selected; another ball can, but not sent off.
    EXPECT_EQ(World.Press(0, 1), TPress::Ignored);
    Select(8, 0);
    EXPECT_EQ(World.Press(8, 8), TPress::Ignored);
    ScriptSpawnInColumn(Random, 2);
    World.WalkToArrival();
    EXPECT_EQ(Logic.Board[0][4], 1);
    EXPECT_EQ(Logic.Board[8][0], 2);
    EXPECT_EQ(Logic.CellMarks[8][0], MarkSelected);
    Move(8, 8);
}

TEST_F(TurnCycle, CancelledWalkLeavesTheEngineReadyForAFreshMove) {
    Logic.Board[0][0] = 1;
    Announce({5, 5, 5, 5});
    Select(0, 0);
    Move(0, 6);
    World.AdvanceMove();
    World.AdvanceMove();
    World.Turns.CancelMove();
    EXPECT_FALSE(World.Enabled(TChannel::Moving));
    EXPECT_TRUE(Logic.MoveStarting);
    EXPECT_EQ(Logic.Board[0][1], 1) << "the ball stays where the walk was cut";

    Select(0, 1);
    Move(2, 1);
    World.AdvanceMove();
    EXPECT_EQ(Logic.Board[0][1], 0) << "the next move begins by lifting the ball";
    ScriptSpawnInColumn(Random, 8);
    World.WalkToArrival();
    EXPECT_EQ(Logic.Board[2][1], 1);
    EXPECT_EQ(CountBalls(Logic), 4)
        << "the moved ball and three new ones, no ghost of the cut walk";
}

TEST_F(TurnCycle, BallSelectedDuringAVanishingKeepsItsColour) {
    Game.Difficulty = DifficultyEasy;
    SetBoard(Logic, {"444......", ".........", "...4.....", ".........", ".........", ".........",
                     ".........", ".........", "......6.."});
    Select(3, 2);
    Move(3, 0);
    World.WalkToArrival();
    ASSERT_TRUE(World.Enabled(TChannel::Deleting));
    Select(6, 8);
    EXPECT_EQ(Logic.LineColour, 4);
    EXPECT_EQ(Logic.Selection.Colour, 6);
    while (World.Enabled(TChannel::Deleting)) {
        World.AdvanceDeletion();
    }
    EXPECT_EQ(CountMarks(Logic, MarkDeleting), 0);
    EXPECT_EQ(Logic.CellMarks[6][8], MarkSelected) << "the vanishing's end keeps the selection";
    Move(6, 4);
    ScriptSpawnInColumn(Random, 8);
    World.WalkToArrival();
    EXPECT_EQ(Logic.Board[6][4], 6);
}

TEST_F(TurnCycle, LineFoundAtTheEndOfAnAppearanceLeavesTheSelectedBallAlone) {
    SetBoard(Logic, {"11111....", ".........", ".........", ".........", ".........", ".........",
                     ".........", ".........", "........5"});
    Logic.CellMarks[2][0] = MarkAppearing;
    Select(8, 8);
    World.EndAppearance();
    EXPECT_EQ(Logic.LineColour, 1);
    Move(8, 0);
    ScriptSpawnInColumn(Random, 0);
    World.WalkToArrival();
    EXPECT_EQ(Logic.Board[8][0], 5) << "the selected ball walks in its own colour";
}

}  // namespace
