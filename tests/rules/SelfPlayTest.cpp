#include <gtest/gtest.h>

#include "rules/LineDetection.h"
#include "support/BoardText.h"
#include "support/RulesWorld.h"

namespace {

// Thousands of seeded games of random legal moves, driven the way the main loop drives
// them: each pass fires the Moving, Appearance and Deleting channels that are due, through
// the rules' own channel actions, and the player presses cells between passes, during walks
// and animations too. Every call into the rules is checked: the game's invariants, and its
// outcome against what the call did. Half the games play with sounds on.
class TSelfPlay {
public:
    TSelfPlay(uint64_t seed, uint32_t difficulty) : Random(seed), Player(seed * 7919 + 1) {
        World.Game.Difficulty = difficulty;
        World.Game.SoundsOn = seed % 2 == 0;
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
    // As the window does once the game's end has run.
    void StartGame() {
        const TOutcome& outcome = World.NewGame();
        EXPECT_TRUE(outcome.NewGame && outcome.CaptionChanged);
        EXPECT_FALSE(outcome.GameOver || outcome.Redraw || outcome.Autosave);
        EXPECT_FALSE(World.Game.GameOver);
        EXPECT_EQ(CountBalls(World.Logic), BallsPerSpawn(World.Game.Difficulty));
    }

    // The game is over only on a full board, and stays so until the next game: a press is
    // ignored and no channel acts.
    void EndGame() {
        EXPECT_TRUE(World.Logic.IsBoardFull()) << "a game ended on a board with room";
        EXPECT_TRUE(World.Game.GameOver);
        ++GamesOver;
        const TLogic finished = World.Logic;
        EXPECT_EQ(World.Press(Pick(BoardSize), Pick(BoardSize)), TPress::Ignored);
        for (const TChannel channel : {TChannel::Moving, TChannel::Appearance, TChannel::Deleting,
                                       TChannel::Choosing, TChannel::Clock}) {
            const TOutcome& fired = World.Fire(channel);
            EXPECT_FALSE(fired.Redraw || fired.GameOver || fired.Autosave);
            EXPECT_TRUE(fired.Sounds.Empty());
        }
        EXPECT_EQ(World.Logic.Board, finished.Board);
        EXPECT_EQ(World.Logic.AppearFrame, finished.AppearFrame);
        StartGame();
    }

    void Pass() {
        // Channels fire when their interval has passed; the player's timing varies which
        // of them are due in a pass.
        if (World.Enabled(TChannel::Moving) && Chance(4, 5)) {
            Checked([this] { return FireMoving(); });
        }
        if (World.Enabled(TChannel::Appearance) && Chance(2, 3)) {
            Checked([this] { return FireAppearance(); });
        }
        if (World.Enabled(TChannel::Deleting) && Chance(2, 3)) {
            Checked([this] { return FireDeleting(); });
        }
        if (Chance(1, 3)) {
            Checked([this] { return PlayerActs(); });
        }
    }

    // Runs one engine step and checks what it changed and what it answered.
    template <typename Step>
    void Checked(Step step) {
        const TLogic before = World.Logic;
        const uint32_t scoreBefore = World.Game.Score;
        Expected = Unchecked;
        const TOutcome outcome = step();
        EXPECT_FALSE(outcome.NewGame || outcome.CaptionChanged) << "a turn never starts a game";
        if (!World.Game.SoundsOn) {
            EXPECT_TRUE(outcome.Sounds.Empty()) << "a sound with sounds off";
        }
        if (outcome.GameOver) {
            EndGame();
            return;
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

    // A turn's channel always asks for the board's picture after its step. The walk sounds
    // once for each cell the ball enters, never for the lift; a walk ends no turn, so it is
    // never autosaved.
    TOutcome FireMoving() {
        const bool lifting = World.Logic.MoveStarting;
        const bool firstStep = !lifting && !Entered;
        const TOutcome outcome = World.Fire(TChannel::Moving);
        EXPECT_TRUE(outcome.Redraw);
        EXPECT_FALSE(outcome.Autosave);
        const int sounds = World.Game.SoundsOn && !lifting ? 1 : 0;
        EXPECT_EQ(outcome.Sounds.Size(), sounds);
        if (sounds > 0) {
            EXPECT_EQ(*outcome.Sounds.begin(), TSound::Moving);
        }
        if (lifting) {
            Expected = -1;
            Entered = false;
            return outcome;
        }
        Entered = true;
        Expected = firstStep ? 1 : 0;
        if (World.Enabled(TChannel::Moving) || outcome.GameOver) {
            return outcome;
        }
        // Arrived: a line or a spawn. The lift cleared every mark, so the marks now standing
        // are the arrival's own.
        const int removed = CountMarks(World.Logic, MarkDeleting);
        if (removed > 0) {
            EXPECT_GE(removed, World.Game.Difficulty == DifficultyEasy ? 4 : 5);
            Expected -= removed;
            ExpectedPoints = LinePoints(removed - 3);
            ++LinesScored;
        } else {
            Expected += CountMarks(World.Logic, MarkAppearing);
        }
        return outcome;
    }

    // An appearance that ends checks for a line and asks for the autosave; one whose marks
    // the player's move has cleared stops without either, and no ball comes or goes.
    TOutcome FireAppearance() {
        const bool marked = World.Logic.HasMark(MarkAppearing);
        const bool ends = World.Logic.AppearFrame + 1 == LastAppearFrame;
        const TOutcome outcome = World.Fire(TChannel::Appearance);
        EXPECT_TRUE(outcome.Redraw);
        EXPECT_TRUE(outcome.Sounds.Empty());
        EXPECT_EQ(outcome.Autosave, ends && marked);
        Expected = 0;
        if (!outcome.Autosave) {
            return outcome;
        }
        const int removed = CountMarks(World.Logic, MarkDeleting);
        LinesFromSpawns += removed > 0 ? 1 : 0;
        Expected = -removed;
        ++AppearancesEnded;
        return outcome;
    }

    // The vanishing's end unlocks input and asks for the autosave.
    TOutcome FireDeleting() {
        const bool marked = World.Logic.HasMark(MarkDeleting);
        const bool ends = World.Logic.DeleteFrame + 1 == LastDeleteFrame;
        const TOutcome outcome = World.Fire(TChannel::Deleting);
        EXPECT_TRUE(outcome.Redraw);
        EXPECT_EQ(outcome.Autosave, ends && marked);
        if (outcome.Autosave) {
            EXPECT_TRUE(World.Game.InputEnabled);
        }
        Expected = 0;
        return outcome;
    }

    // Presses a ball and then a target; prefers moves that complete a line, so that the
    // scoring paths are walked often. A press never draws nor saves, and sounds only when
    // its target is blocked.
    TOutcome PlayerActs() {
        Expected = 0;
        if (Chance(1, 5)) {
            CheckPress(Pick(BoardSize), Pick(BoardSize));
            return {};
        }
        const TLogic& logic = World.Logic;
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
            CheckPress(bestBall.Column, bestBall.Row);
            CheckPress(bestTarget.Column, bestTarget.Row);
        }
        return {};
    }

    void CheckPress(int column, int row) {
        const TOutcome& outcome = World.Follow(World.Turns.PressCell(column, row));
        EXPECT_FALSE(outcome.Redraw || outcome.Autosave || outcome.GameOver);
        const bool errorSound = outcome.Press == TPress::Blocked && World.Game.SoundsOn;
        EXPECT_EQ(outcome.Sounds.Size(), errorSound ? 1 : 0);
        if (outcome.Press == TPress::MoveAccepted) {
            EXPECT_TRUE(World.Enabled(TChannel::Moving));
        }
    }

    bool Chance(uint32_t times, uint32_t outOf) { return Player.Draw() % outOf < times; }
    int Pick(int count) { return static_cast<int>(Player.Draw() % static_cast<uint32_t>(count)); }

    static constexpr int Unchecked = 1000;

    TSeededRandom Random;
    TSeededRandom Player;
    TRulesWorld World{Random};
    int GamesOver = 0;
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
