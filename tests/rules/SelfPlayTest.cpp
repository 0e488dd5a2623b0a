#include <gtest/gtest.h>

#include "rules/LineDetection.h"
#include "support/BoardText.h"
#include "support/RulesWorld.h"

namespace {

// Thousands of seeded games of random legal moves, driven the way the main loop drives
// them: each pass fires the Moving, Appearance and Deleting channels that are due, through
// the rules' own channel actions, and the player presses cells between passes, during walks
// and animations too. After every call into the rules the game's invariants are checked.
class TSelfPlay {
public:
    TSelfPlay(uint64_t seed, uint32_t difficulty) : Random(seed), Player(seed * 7919 + 1) {
        World.Game.Difficulty = difficulty;
        World.Hooks.OnGameOver = [this] {
            EXPECT_TRUE(World.Logic.IsBoardFull()) << "a game ended on a board with room";
            ++GamesOver;
            StartGame();
        };
        StartGame();
    }

    void Play(int gamesToFinish) {
        int passes = 0;
        while (GamesOver < gamesToFinish && passes < 200000 && !testing::Test::HasFailure()) {
            Pass();
            ++passes;
        }
        EXPECT_EQ(GamesOver, gamesToFinish) << "games should end within the passes allowed";
    }

    int LinesScored = 0;
    int LinesFromSpawns = 0;
    int AppearancesEnded = 0;

private:
    void StartGame() {
        World.Rules.NewGame();
        EXPECT_EQ(CountBalls(World.Logic), BallsPerSpawn(World.Game.Difficulty));
        GameStarted = true;
    }

    void Pass() {
        // Channels fire when their interval has passed; the player's timing varies which
        // of them are due in a pass.
        if (World.Enabled(TChannel::Moving) && Chance(4, 5)) {
            Checked([this] { FireMoving(); });
        }
        if (World.Enabled(TChannel::Appearance) && Chance(2, 3)) {
            Checked([this] { FireAppearance(); });
        }
        if (World.Enabled(TChannel::Deleting) && Chance(2, 3)) {
            Checked([this] { FireDeleting(); });
        }
        if (Chance(1, 3)) {
            Checked([this] { PlayerActs(); });
        }
    }

    // Runs one engine step and checks what it may have changed.
    template <typename Step>
    void Checked(Step step) {
        const TLogic before = World.Logic;
        const uint32_t scoreBefore = World.Game.Score;
        GameStarted = false;
        Expected = Unchecked;
        step();
        if (GameStarted) {
            return;  // a game ended inside the step and a new one has begun
        }
        const TLogic& after = World.Logic;
        const int balls = CountBalls(after);
        if (Expected != Unchecked) {
            EXPECT_EQ(balls - CountBalls(before), Expected) << "the ball count changed oddly";
        }
        const uint32_t gained = World.Game.Score - scoreBefore;
        EXPECT_GE(World.Game.Score, scoreBefore);
        EXPECT_EQ(gained, ExpectedPoints) << "points must follow the scoring table";
        ExpectedPoints = 0;
        CheckInvariants(after);
    }

    void CheckInvariants(const TLogic& logic) {
        EXPECT_FALSE(logic.IsBoardFull());
        int selected = 0;
        for (int column = 0; column < BoardSize; ++column) {
            for (int row = 0; row < BoardSize; ++row) {
                const int16_t mark = logic.CellMarks[column][row];
                const int16_t cell = logic.Board[column][row];
                EXPECT_TRUE(cell >= 0 && cell <= ColourCount);
                EXPECT_TRUE(mark >= MarkNone && mark <= MarkDeleting);
                if (mark == MarkSelected) {
                    ++selected;
                    EXPECT_NE(cell, 0) << "a selection mark on an empty cell";
                }
                if (mark == MarkDeleting) {
                    EXPECT_EQ(cell, 0) << "a vanishing cell still holds a ball";
                }
                if (mark == MarkAppearing) {
                    EXPECT_NE(cell, 0) << "an appearing cell without a ball";
                }
            }
        }
        EXPECT_LE(selected, 1);
        if (!World.Game.InputEnabled) {
            EXPECT_TRUE(World.Enabled(TChannel::Deleting)) << "input stays locked after a line";
        }
        // An animation's last frame ends it at once: no counter rests on it.
        EXPECT_TRUE(logic.AppearFrame >= 0 && logic.AppearFrame < LastAppearFrame);
        EXPECT_TRUE(logic.DeleteFrame >= 0 && logic.DeleteFrame < LastDeleteFrame);
    }

    void FireMoving() {
        const bool lifting = World.Logic.MoveStarting;
        const bool firstStep = !lifting && !Entered;
        World.Rules.FireChannel(TChannel::Moving);
        if (lifting) {
            Expected = -1;
            Entered = false;
            return;
        }
        Entered = true;
        Expected = firstStep ? 1 : 0;
        if (World.Enabled(TChannel::Moving)) {
            return;
        }
        // Arrived: a line or a spawn. The lift cleared every mark, so the marks now standing
        // are the arrival's own.
        const int removed = CountMarks(World.Logic, MarkDeleting);
        if (removed > 0) {
            ASSERT_GE(removed, World.Game.Difficulty == DifficultyEasy ? 4 : 5);
            Expected -= removed;
            ExpectedPoints = LinePoints(removed - 3);
            ++LinesScored;
        } else {
            Expected += CountMarks(World.Logic, MarkAppearing);
        }
    }

    // An appearance that ends checks for a line and autosaves; one whose marks the player's
    // move has cleared stops without either, and no ball comes or goes.
    void FireAppearance() {
        const int autosaves = World.Hooks.Autosaves;
        World.Rules.FireChannel(TChannel::Appearance);
        Expected = 0;
        if (World.Hooks.Autosaves == autosaves) {
            return;
        }
        const int removed = CountMarks(World.Logic, MarkDeleting);
        LinesFromSpawns += removed > 0 ? 1 : 0;
        Expected = -removed;
        ++AppearancesEnded;
    }

    void FireDeleting() {
        World.Rules.FireChannel(TChannel::Deleting);
        Expected = 0;
    }

    // Presses a ball and then a target; prefers moves that complete a line, so that the
    // scoring paths are walked often.
    void PlayerActs() {
        Expected = 0;
        TLogic& logic = World.Logic;
        if (Chance(1, 5)) {
            World.Turns.PressCell(Pick(BoardSize), Pick(BoardSize));
            return;
        }
        TCell bestBall{-1, -1};
        TCell bestTarget{-1, -1};
        for (int attempt = 0; attempt < 24; ++attempt) {
            const TCell ball{Pick(BoardSize), Pick(BoardSize)};
            const TCell target{Pick(BoardSize), Pick(BoardSize)};
            if (logic.Board[ball.Column][ball.Row] == 0 ||
                logic.Board[target.Column][target.Row] != 0) {
                continue;
            }
            TLogic trial = logic;
            trial.Board[target.Column][target.Row] = trial.Board[ball.Column][ball.Row];
            trial.Board[ball.Column][ball.Row] = 0;
            const bool line = DetectLine(trial, World.Game.Difficulty) > 0;
            if (bestBall.Column < 0 || line) {
                bestBall = ball;
                bestTarget = target;
            }
            if (line) {
                break;
            }
        }
        if (bestBall.Column >= 0) {
            World.Turns.PressCell(bestBall.Column, bestBall.Row);
            World.Turns.PressCell(bestTarget.Column, bestTarget.Row);
        }
    }

    bool Chance(uint32_t times, uint32_t outOf) { return Player.Draw() % outOf < times; }
    int Pick(int count) { return static_cast<int>(Player.Draw() % static_cast<uint32_t>(count)); }

    static constexpr int Unchecked = 1000;

    TSeededRandom Random;
    TSeededRandom Player;
    TRulesWorld World{Random};
    int GamesOver = 0;
    bool GameStarted = false;
    bool Entered = false;
    int Expected = Unchecked;
    uint32_t ExpectedPoints = 0;
};

TEST(SelfPlay, ThousandsOfRandomGamesKeepTheRules) {
    int linesScored = 0;
    int linesFromSpawns = 0;
    int appearancesEnded = 0;
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        for (uint32_t difficulty : {DifficultyEasy, DifficultyMedium, DifficultyHard}) {
            TSelfPlay play(seed, difficulty);
            play.Play(25);
            linesScored += play.LinesScored;
            linesFromSpawns += play.LinesFromSpawns;
            appearancesEnded += play.AppearancesEnded;
            ASSERT_FALSE(HasFailure()) << "seed " << seed << ", difficulty " << difficulty;
        }
    }
    // The games must have walked the scoring paths, not only filled boards.
    EXPECT_GT(linesScored, 500);
    EXPECT_GT(linesFromSpawns, 20);
    EXPECT_GT(appearancesEnded, 10000);
}

}  // namespace
