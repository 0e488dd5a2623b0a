#include <gtest/gtest.h>

#include "support/BoardText.h"
#include "support/RulesWorld.h"
#include "support/ScriptedRandom.h"

namespace {

class GameRules : public testing::Test {
protected:
    GameRules() { World.Logic.Preview.Banks[0] = {1, 2, 3, 4}; }

    TSeededRandom Random{11};
    TRulesWorld World{Random};
    TLogic& Logic = World.Logic;
    TGame& Game = World.Game;
    TRecordingHooks& Hooks = World.Hooks;
    TGameRules& Rules = World.Rules;
};

TEST_F(GameRules, NewGameSetsTheClockTargetAndCaptionByMode) {
    FillAllButOne(Logic);
    Game.GameMode = ModeTimeTrial;
    Game.Score = 40;
    Game.Minutes = 2;
    Game.Seconds = 13;
    Game.LevelTarget = 150;
    Game.InputEnabled = false;
    Rules.NewGame();
    EXPECT_EQ(Game.Minutes, 5);
    EXPECT_EQ(Game.Seconds, 0);
    EXPECT_EQ(Game.LevelTarget, 100);
    EXPECT_EQ(Game.TimeText, "0500") << "shown at once, not a second later";
    EXPECT_EQ(Hooks.Caption, "Vyx Zeziz - Time-trial [Level 1]");
    EXPECT_EQ(Game.Score, 0U);
    EXPECT_TRUE(Game.InputEnabled);
    EXPECT_EQ(CountBalls(Logic), 3);

    Game.GameMode = ModeClassic;
    Game.Minutes = 4;
    Game.Seconds = 9;
    Game.LevelTarget = 175;
    Rules.NewGame();
    EXPECT_EQ(Game.TimeText, "0000");
    EXPECT_EQ(Game.LevelTarget, 175) << "Classic plays for no target";
    EXPECT_EQ(Hooks.Caption, "Vyx Zeziz - Classic");

    // A mode the game does not know keeps its clock and the caption it had.
    Game.GameMode = 7;
    Game.Minutes = 12;
    Game.Seconds = 3;
    Rules.NewGame();
    EXPECT_EQ(Game.TimeText, "1203");
    EXPECT_EQ(Hooks.Caption, "Vyx Zeziz - Classic");
    EXPECT_TRUE(Hooks.Drawings.empty()) << "a new game draws nothing by itself";
}

TEST_F(GameRules, ASixthScoreDigitStartsANewGameBetweenTheCellsAndTheScore) {
    FillAllButOne(Logic);
    Logic.NextBank = 0;
    Logic.Preview.Banks[0] = {6, 6, 6, 6};
    int ballsInTheCells = 0;
    std::array<int32_t, PreviewSize> previewShown{};
    Hooks.OnDraw = [&](TDrawing part) {
        if (part == TDrawing::Cells) {
            ballsInTheCells = CountBalls(Logic);
        } else if (part == TDrawing::Preview) {
            previewShown = Logic.Preview.Banks[Logic.NextBank];
        }
    };
    Game.Score = 99999;
    Rules.RedrawBoard();
    EXPECT_EQ(Hooks.Drawings,
              (std::vector<TDrawing>{TDrawing::Cells, TDrawing::Score, TDrawing::Preview}));
    EXPECT_EQ(Game.Score, 99999U);

    Hooks.Drawings.clear();
    Game.Score = 100000;
    Rules.RedrawBoard();
    EXPECT_EQ(Hooks.Drawings, (std::vector<TDrawing>{TDrawing::Cells, TDrawing::Preview}))
        << "no score in that picture";
    EXPECT_EQ(ballsInTheCells, 80) << "the finished game's cells";
    EXPECT_EQ(Game.Score, 0U);
    EXPECT_EQ(CountBalls(Logic), 3) << "a new game has begun";
    EXPECT_EQ(previewShown, Logic.Preview.Banks[1]) << "the new game's announced balls";
    EXPECT_EQ(Logic.NextBank, 1);

    // More digits than six come only from a hand-made saved game: not shown, nothing ends.
    Hooks.Drawings.clear();
    Game.Score = 1000000;
    Rules.RedrawBoard();
    EXPECT_EQ(Hooks.Drawings,
              (std::vector<TDrawing>{TDrawing::Cells, TDrawing::Score, TDrawing::Preview}));
    EXPECT_EQ(Game.Score, 1000000U);
}

TEST_F(GameRules, AnEmptyClockTextIsFilledByModeAndShownFromTheNextDrawingOn) {
    Game.GameMode = ModeTimeTrial;
    Rules.RedrawClock();
    EXPECT_EQ(Game.TimeText, "0500");
    EXPECT_TRUE(Hooks.Drawings.empty()) << "nothing drawn while filling it";
    Rules.RedrawClock();
    EXPECT_EQ(Hooks.Drawings, std::vector<TDrawing>{TDrawing::Clock});

    Game.TimeText.Clear();
    Game.GameMode = ModeClassic;
    Rules.RedrawClock();
    EXPECT_EQ(Game.TimeText, "0000");

    Hooks.Drawings.clear();
    Game.TimeText.Clear();
    Game.GameMode = 5;
    Rules.RedrawClock();
    Rules.RedrawClock();
    EXPECT_TRUE(Game.TimeText.Empty());
    EXPECT_TRUE(Hooks.Drawings.empty());
}

TEST_F(GameRules, EachChannelActsFirstAndThenRedrawsTheBoard) {
    Logic.Board[0][0] = 2;
    ASSERT_EQ(World.Turns.PressCell(0, 0), TPressOutcome::Selected);
    ASSERT_EQ(World.Turns.PressCell(0, 3), TPressOutcome::MoveAccepted);
    Logic.CellMarks[5][5] = MarkDeleting;
    Hooks.SetChannelEnabled(TChannel::Deleting, true);
    Logic.Board[7][7] = 4;
    Logic.CellMarks[7][7] = MarkAppearing;
    Hooks.SetChannelEnabled(TChannel::Appearance, true);
    Game.GameMode = ModeClassic;
    Game.TimeText.Assign("0000");

    struct TSeen {
        int16_t Start;
        int16_t Appear;
        int16_t Delete;
    };
    std::vector<TSeen> seen;
    Hooks.OnDraw = [&](TDrawing part) {
        if (part == TDrawing::Cells) {
            seen.push_back({Logic.Board[0][0], Logic.AppearFrame, Logic.DeleteFrame});
        }
    };
    Rules.FireChannel(TChannel::Moving);
    Rules.FireChannel(TChannel::Appearance);
    Rules.FireChannel(TChannel::Deleting);
    Rules.FireChannel(TChannel::Choosing);
    ASSERT_EQ(seen.size(), 4U);
    EXPECT_EQ(seen[0].Start, 0) << "the picture shows the ball already lifted";
    EXPECT_EQ(seen[1].Appear, 1) << "and the appearance's next frame";
    EXPECT_EQ(seen[2].Delete, 1) << "and the vanishing's next frame";
    EXPECT_EQ(Logic.AppearFrame, 1) << "the Choosing channel only draws";
    EXPECT_EQ(Logic.DeleteFrame, 1);

    Hooks.Drawings.clear();
    Rules.FireChannel(TChannel::Clock);
    EXPECT_EQ(Game.TimeText, "0001");
    EXPECT_TRUE(Hooks.Drawings.empty()) << "the loop draws the clock on every pass";
}

TEST_F(GameRules, LoadedGamesGoOnWithNothingOfTheGameBefore) {
    TScriptedRandom scripted;
    TRulesWorld world(scripted);
    TLogic& logic = world.Logic;
    TGame& game = world.Game;
    logic.Board[0][0] = 1;
    logic.Board[4][4] = 3;
    ASSERT_EQ(world.Turns.PressCell(0, 0), TPressOutcome::Selected);
    ASSERT_EQ(world.Turns.PressCell(0, 5), TPressOutcome::MoveAccepted);
    world.Turns.AdvanceMove();
    world.Turns.AdvanceMove();
    logic.CellMarks[4][4] = MarkAppearing;
    logic.CellMarks[6][6] = MarkDeleting;
    world.Hooks.SetChannelEnabled(TChannel::Deleting, true);
    game.InputEnabled = false;
    logic.NextBank = 1;
    logic.Preview.Banks = {{{1, 1, 1, 1}, {2, 2, 2, 2}}};
    // What a read saved game brings: Time-trial on level 3 at 03:07.
    game.GameMode = ModeTimeTrial;
    game.LevelTarget = 150;
    game.Minutes = 3;
    game.Seconds = 7;
    game.TimeText.Assign("0459");

    world.Rules.ContinueLoadedGame();
    EXPECT_TRUE(game.InputEnabled);
    for (TChannel channel : {TChannel::Moving, TChannel::Deleting, TChannel::Choosing}) {
        EXPECT_FALSE(world.Enabled(channel));
    }
    EXPECT_TRUE(logic.MoveStarting) << "the next move begins with its lift";
    EXPECT_EQ(CountMarks(logic, MarkNone), 81);
    EXPECT_EQ(world.Hooks.Caption, "Vyx Zeziz - Time-trial [Level 3]");
    EXPECT_EQ(logic.NextBank, 1) << "the Load command keeps the preview";
    EXPECT_EQ(game.TimeText, "0459") << "and shows the loaded clock from its next second";
    EXPECT_EQ(world.Hooks.Drawings,
              (std::vector<TDrawing>{TDrawing::Cells, TDrawing::Score, TDrawing::Preview}));

    // The autosave at start-up gets a fresh preview, the first bank announced, and shows its
    // clock at once.
    scripted.Add({0, 0, 2, 1, 1, 3, 2, 2, 4, 3, 3, 5});
    world.Rules.ContinueAutosavedGame();
    EXPECT_EQ(logic.NextBank, 0);
    EXPECT_EQ(logic.Preview.Banks[0], (std::array<int32_t, PreviewSize>{3, 4, 5, 6}));
    EXPECT_EQ(game.TimeText, "0307");
    EXPECT_EQ(scripted.Left(), 0U);
}

}  // namespace
