#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "rules/GameClock.h"
#include "support/BoardText.h"
#include "support/RulesWorld.h"

namespace {

class GameClock : public testing::Test {
protected:
    GameClock() {
        Game.GameMode = ModeTimeTrial;
        Game.Minutes = 5;
        Game.LevelTarget = 100;
        World.Logic.Preview.Banks[0] = {1, 2, 3, 4};
        // The game-over sequence ends in a new game.
        World.OnGameOver = [this] { World.NewGame(); };
    }

    void Ticks(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            World.Fire(TChannel::Clock);
        }
    }

    // The last second of a Time-trial level, with the score it ends on.
    void EndLevelWith(uint32_t score) {
        Game.Score = score;
        Game.Minutes = 0;
        Game.Seconds = 1;
        Ticks(1);
    }

    TSeededRandom Random{7};
    TRulesWorld World{Random};
    TGame& Game = World.Game;
    const std::string& Caption = World.Caption;
    const int& GameOvers = World.GameOvers;
};

TEST_F(GameClock, ClassicCountsUpAndStartsAgainAfter9959) {
    Game.GameMode = ModeClassic;
    Game.Minutes = 0;
    Game.Seconds = 8;
    Ticks(1);
    EXPECT_EQ(Game.TimeText, "0009") << "nine still takes its leading zero";
    Game.Minutes = 8;
    Game.Seconds = 59;
    Ticks(1);
    EXPECT_EQ(Game.TimeText, "0900");
    Game.Minutes = 0;
    Game.Seconds = 0;
    Ticks(61);
    EXPECT_EQ(Game.TimeText, "0101");
    Game.Minutes = 99;
    Game.Seconds = 58;
    Ticks(1);
    EXPECT_EQ(Game.TimeText, "9959");
    Ticks(1);
    EXPECT_EQ(Game.TimeText, "0000");
    EXPECT_EQ(GameOvers, 0);
}

TEST_F(GameClock, TimeTrialPassesALevelAndCarriesTheSurplus) {
    SetBoard(World.Logic, {"123456123", ".........", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........."});
    World.Logic.CellMarks[0][0] = MarkSelected;
    World.Channels.Set(TChannel::Choosing, true);
    World.Game.InputEnabled = false;
    Ticks(1);
    EXPECT_EQ(Game.TimeText, "0459");
    Game.Minutes = 4;
    Game.Seconds = 1;
    Ticks(1);
    EXPECT_EQ(Game.TimeText, "0400") << "a full minute shows before the seconds wrap";
    EndLevelWith(130);
    EXPECT_EQ(GameOvers, 0);
    EXPECT_EQ(Game.Score, 30U);
    EXPECT_EQ(Game.LevelTarget, 125);
    EXPECT_EQ(Game.TimeText, "0500") << "00:00 itself is never shown";
    EXPECT_EQ(Caption, "Vyx Zeziz - Time-trial [Level 2]");
    EXPECT_TRUE(Game.InputEnabled);
    EXPECT_FALSE(World.Enabled(TChannel::Choosing));
    EXPECT_EQ(CountBalls(World.Logic), 3) << "an emptied board with the level's first balls";
    EXPECT_EQ(CountMarks(World.Logic, MarkSelected), 0);
}

TEST_F(GameClock, ScoreEqualToTheTargetPasses) {
    EndLevelWith(100);
    EXPECT_EQ(Game.Score, 0U);
    EXPECT_EQ(Game.LevelTarget, 125);
    EXPECT_EQ(GameOvers, 0);
}

TEST_F(GameClock, MissedTargetEndsTheGame) {
    // The game-over sequence records the time the player last saw, the level's last second.
    std::string timeAtGameOver;
    World.OnGameOver = [this, &timeAtGameOver] {
        timeAtGameOver = Game.TimeText.View();
        World.NewGame();
    };
    Game.LevelTarget = 150;
    Game.Minutes = 0;
    Game.Seconds = 2;
    Ticks(1);
    EndLevelWith(149);
    EXPECT_EQ(GameOvers, 1);
    EXPECT_EQ(timeAtGameOver, "0001");
    EXPECT_EQ(Game.LevelTarget, 100);
    EXPECT_EQ(Game.TimeText, "0500");
}

TEST_F(GameClock, OddLoadedClocksEndTheLevelInsteadOfGoingNegative) {
    Game.Minutes = 0;
    Game.Seconds = 0;
    Game.Score = 500;
    Ticks(1);
    EXPECT_EQ(Game.LevelTarget, 125) << "a clock loaded at 00:00 ends the level at once";
    EXPECT_EQ(Game.TimeText, "0500");

    Game.Minutes = -3;
    Game.Seconds = 20;
    Game.Score = 0;
    Ticks(1);
    EXPECT_EQ(GameOvers, 1);
    EXPECT_GE(Game.Minutes, 0);
}

TEST_F(GameClock, ExtremeLoadedClocksGoOnWithoutOverflowing) {
    constexpr int32_t Low = std::numeric_limits<int32_t>::min();
    constexpr int32_t High = std::numeric_limits<int32_t>::max();
    const int32_t values[] = {Low, Low + 1, -1, 0, 1, 59, 60, 99, 100, High - 1, High};
    for (const int32_t minutes : values) {
        for (const int32_t seconds : values) {
            Game.GameMode = ModeClassic;
            Game.Minutes = minutes;
            Game.Seconds = seconds;
            Ticks(1);
            if (seconds >= 59) {
                EXPECT_EQ(Game.Seconds, 0) << minutes << ":" << seconds;
            }
            EXPECT_LE(Game.Minutes, 99) << minutes << ":" << seconds;

            Game.GameMode = ModeTimeTrial;
            Game.Minutes = minutes;
            Game.Seconds = seconds;
            Game.Score = 0;
            const int gameOvers = GameOvers;
            Ticks(1);
            // At or below 00:00 the level ends at once; a lost level starts anew at 05:00.
            const bool ends = minutes < 0 || (minutes == 0 && seconds <= 1);
            EXPECT_EQ(GameOvers, gameOvers + (ends ? 1 : 0)) << minutes << ":" << seconds;
            EXPECT_GE(Game.Minutes, 0) << minutes << ":" << seconds;
        }
    }
    Game.GameMode = ModeClassic;
    Game.Minutes = 99;
    Game.Seconds = High;
    Ticks(1);
    EXPECT_EQ(Game.TimeText, "0000");
    Game.GameMode = ModeTimeTrial;
    Game.Minutes = 3;
    Game.Seconds = Low;
    Ticks(1);
    EXPECT_EQ(Game.TimeText, "0259");
}

TEST_F(GameClock, TheLevelTargetStopsAtTheLargestValueAndLevelsGoOn) {
    constexpr int32_t High = std::numeric_limits<int32_t>::max();
    Game.LevelTarget = High - 10;
    EndLevelWith(4000000000u);
    EXPECT_EQ(GameOvers, 0);
    EXPECT_EQ(Game.LevelTarget, High);
    EXPECT_EQ(Game.Score, 4000000000u - static_cast<uint32_t>(High - 10));
    EXPECT_EQ(Caption, "Vyx Zeziz - Time-trial [Level 85899342]");
    EXPECT_EQ(Game.TimeText, "0500");

    // The next level plays for the same target, and ends like any other.
    EndLevelWith(4000000000u);
    EXPECT_EQ(Game.LevelTarget, High);
    EXPECT_EQ(Game.Score, 4000000000u - static_cast<uint32_t>(High));
    EndLevelWith(0);
    EXPECT_EQ(GameOvers, 1);
    EXPECT_EQ(CaptionFor(Game), "Vyx Zeziz - Time-trial [Level 1]");
}

TEST_F(GameClock, CaptionsNameTheModeAndALevelOfAtLeastOne) {
    Game.LevelTarget = 150;
    EXPECT_EQ(CaptionFor(Game), "Vyx Zeziz - Time-trial [Level 3]");
    Game.LevelTarget = -400;
    EXPECT_EQ(CaptionFor(Game), "Vyx Zeziz - Time-trial [Level 1]");
    Game.LevelTarget = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(CaptionFor(Game), "Vyx Zeziz - Time-trial [Level 1]");
    Game.GameMode = ModeClassic;
    EXPECT_EQ(CaptionFor(Game), "Vyx Zeziz - Classic");
    Game.GameMode = 4;
    EXPECT_TRUE(CaptionFor(Game).Empty());
    // A level target below 100 counts as 100 when the level ends, too: for the points it
    // asks, the points it takes and the next target.
    Game.GameMode = ModeTimeTrial;
    Game.LevelTarget = 20;
    EndLevelWith(130);
    EXPECT_EQ(GameOvers, 0);
    EXPECT_EQ(Game.Score, 30U);
    EXPECT_EQ(Game.LevelTarget, 125);
    Game.LevelTarget = 20;
    EndLevelWith(60);
    EXPECT_EQ(GameOvers, 1);
}

TEST_F(GameClock, OtherModesLeaveTheClockAlone) {
    Game.GameMode = 3;
    Game.Minutes = 7;
    Game.Seconds = 3;
    Ticks(5);
    EXPECT_EQ(Game.TimeText, "0703");
    EXPECT_EQ(TimeTextFor(4, 7), "0407");
    EXPECT_EQ(TimeTextFor(12, 30), "1230");
    // A hand-made saved game's clock is shown whole, as the leaders table then records it.
    EXPECT_EQ(TimeTextFor(-5, 100), "0-5100");
    constexpr int32_t Low = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(TimeTextFor(Low, Low), "0-21474836480-2147483648");
}

}  // namespace
