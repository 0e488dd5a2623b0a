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
    World.NewGame();
    EXPECT_EQ(Game.Minutes, 5);
    EXPECT_EQ(Game.Seconds, 0);
    EXPECT_EQ(Game.LevelTarget, 100);
    EXPECT_EQ(Game.TimeText, "0500") << "shown at once, not a second later";
    EXPECT_EQ(World.Caption, "Vyx Zeziz - Time-trial [Level 1]");
    EXPECT_EQ(Game.Score, 0U);
    EXPECT_TRUE(Game.InputEnabled);
    EXPECT_EQ(CountBalls(Logic), 3);

    Game.GameMode = ModeClassic;
    Game.Minutes = 4;
    Game.Seconds = 9;
    Game.LevelTarget = 175;
    World.NewGame();
    EXPECT_EQ(Game.TimeText, "0000");
    EXPECT_EQ(Game.LevelTarget, 175) << "Classic plays for no target";
    EXPECT_EQ(World.Caption, "Vyx Zeziz - Classic");

    // A mode the game does not know keeps its clock and the caption it had.
    Game.GameMode = 7;
    Game.Minutes = 12;
    Game.Seconds = 3;
    const TOutcome& outcome = World.NewGame();
    EXPECT_EQ(Game.TimeText, "1203");
    EXPECT_FALSE(outcome.CaptionChanged);
    EXPECT_EQ(World.Caption, "Vyx Zeziz - Classic");
    EXPECT_TRUE(outcome.NewGame);
    EXPECT_FALSE(outcome.Redraw) << "a new game draws nothing by itself";
}

// The score shows five digits: every drawing of the board asks the rules before it draws
// the score, and a score of six digits starts a new game there. More digits come only from
// a hand-made saved game: not shown, nothing ends.
TEST_F(GameRules, ASixthScoreDigitStartsANewGameBeforeTheScoreIsDrawn) {
    struct TCase {
        uint32_t Score;
        bool Restarts;
    };
    for (const TCase test :
         {TCase{99999, false}, TCase{100000, true}, TCase{999999, true}, TCase{1000000, false}}) {
        FillAllButOne(Logic);
        Logic.NextBank = 0;
        Game.Score = test.Score;
        World.Caption.clear();
        const TOutcome& outcome = World.Follow(Rules.BeforeScoreDrawn());
        EXPECT_EQ(outcome.NewGame, test.Restarts) << test.Score;
        EXPECT_FALSE(outcome.Redraw) << "the drawing that asked goes on";
        EXPECT_EQ(Game.Score, test.Restarts ? 0U : test.Score);
        EXPECT_EQ(CountBalls(Logic), test.Restarts ? 3 : 80) << test.Score;
        EXPECT_EQ(Logic.NextBank, test.Restarts ? 1 : 0) << "the new game's balls announced";
        EXPECT_EQ(World.Caption, test.Restarts ? "Vyx Zeziz - Classic" : "") << test.Score;
    }
}

TEST_F(GameRules, AnEmptyClockTextIsFilledByModeAndShownFromTheNextDrawingOn) {
    Game.GameMode = ModeTimeTrial;
    EXPECT_FALSE(Rules.BeforeClockDrawn()) << "nothing drawn while filling it";
    EXPECT_EQ(Game.TimeText, "0500");
    EXPECT_TRUE(Rules.BeforeClockDrawn());

    Game.TimeText.Clear();
    Game.GameMode = ModeClassic;
    EXPECT_FALSE(Rules.BeforeClockDrawn());
    EXPECT_EQ(Game.TimeText, "0000");

    Game.TimeText.Clear();
    Game.GameMode = 5;
    EXPECT_FALSE(Rules.BeforeClockDrawn());
    EXPECT_FALSE(Rules.BeforeClockDrawn());
    EXPECT_TRUE(Game.TimeText.Empty());
}

// The step comes first: when the outcome asks for the picture, the game already shows it.
TEST_F(GameRules, EachTurnChannelActsAndThenAsksForTheBoardsPicture) {
    Logic.Board[0][0] = 2;
    ASSERT_EQ(World.Press(0, 0), TPress::Selected);
    ASSERT_EQ(World.Press(0, 3), TPress::MoveAccepted);
    Logic.CellMarks[5][5] = MarkDeleting;
    World.Channels.Set(TChannel::Deleting, true);
    Logic.Board[7][7] = 4;
    Logic.CellMarks[7][7] = MarkAppearing;
    World.Channels.Set(TChannel::Appearance, true);
    Game.GameMode = ModeClassic;
    Game.TimeText.Assign("0000");

    struct TCase {
        TChannel Channel;
        bool Redraw;
        int16_t Start;  // what the picture shows then
        int16_t Appear;
        int16_t Delete;
        const char* Clock;
    };
    const TCase cases[] = {
        {TChannel::Moving, true, 0, 0, 0, "0000"},      // the ball already lifted
        {TChannel::Appearance, true, 0, 1, 0, "0000"},  // the appearance's next frame
        {TChannel::Deleting, true, 0, 1, 1, "0000"},    // the vanishing's next frame
        {TChannel::Choosing, true, 0, 1, 1, "0000"},    // the picture alone
        {TChannel::Clock, false, 0, 1, 1, "0001"},      // the loop draws the clock each pass
    };
    for (const TCase& test : cases) {
        const TOutcome& outcome = World.Fire(test.Channel);
        const int channel = static_cast<int>(test.Channel);
        EXPECT_EQ(outcome.Redraw, test.Redraw) << channel;
        EXPECT_EQ(Logic.Board[0][0], test.Start) << channel;
        EXPECT_EQ(Logic.AppearFrame, test.Appear) << channel;
        EXPECT_EQ(Logic.DeleteFrame, test.Delete) << channel;
        EXPECT_EQ(Game.TimeText, test.Clock) << channel;
    }
}

TEST_F(GameRules, LoadedGamesGoOnWithNothingOfTheGameBefore) {
    TScriptedRandom scripted;
    TRulesWorld world(scripted);
    TLogic& logic = world.Logic;
    TGame& game = world.Game;
    logic.Board[0][0] = 1;
    logic.Board[4][4] = 3;
    ASSERT_EQ(world.Press(0, 0), TPress::Selected);
    ASSERT_EQ(world.Press(0, 5), TPress::MoveAccepted);
    world.AdvanceMove();
    world.AdvanceMove();
    logic.CellMarks[4][4] = MarkAppearing;
    logic.CellMarks[6][6] = MarkDeleting;
    world.Channels.Set(TChannel::Deleting, true);
    game.InputEnabled = false;
    logic.NextBank = 1;
    logic.Preview.Banks = {{{1, 1, 1, 1}, {2, 2, 2, 2}}};
    // What a read saved game brings: Time-trial on level 3 at 03:07.
    game.GameMode = ModeTimeTrial;
    game.LevelTarget = 150;
    game.Minutes = 3;
    game.Seconds = 7;
    game.TimeText.Assign("0459");

    const TOutcome& loaded = world.Follow(world.Rules.ContinueLoadedGame());
    EXPECT_TRUE(game.InputEnabled);
    for (TChannel channel : {TChannel::Moving, TChannel::Deleting, TChannel::Choosing}) {
        EXPECT_FALSE(world.Enabled(channel));
    }
    EXPECT_TRUE(logic.MoveStarting) << "the next move begins with its lift";
    EXPECT_EQ(CountMarks(logic, MarkNone), 81);
    EXPECT_EQ(world.Caption, "Vyx Zeziz - Time-trial [Level 3]");
    EXPECT_EQ(logic.NextBank, 1) << "the Load command keeps the preview";
    EXPECT_EQ(game.TimeText, "0459") << "and shows the loaded clock from its next second";
    EXPECT_TRUE(loaded.Redraw) << "the loaded board is drawn";

    // The autosave at start-up gets a fresh preview, the first bank announced, and shows its
    // clock at once.
    scripted.Add({0, 0, 2, 1, 1, 3, 2, 2, 4, 3, 3, 5});
    EXPECT_TRUE(world.Follow(world.Rules.ContinueAutosavedGame()).Redraw);
    EXPECT_EQ(logic.NextBank, 0);
    EXPECT_EQ(logic.Preview.Banks[0], (std::array<int32_t, PreviewSize>{3, 4, 5, 6}));
    EXPECT_EQ(game.TimeText, "0307");
    EXPECT_EQ(scripted.Left(), 0U);
}

}  // namespace
