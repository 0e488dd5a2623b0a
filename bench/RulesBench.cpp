#include <benchmark/benchmark.h>

#include "rules/LineDetection.h"
#include "rules/PathSearch.h"
#include "rules/TurnCycle.h"

namespace {

void SetRows(TLogic& logic, const char* const (&rows)[BoardSize]) {
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            const char c = rows[row][column];
            logic.Board[column][row] = c == '.' ? 0 : static_cast<int16_t>(c - '0');
        }
    }
}

// The costliest failure: the target lies at the end of a long winding corridor and the
// start is walled in, so the wave runs the whole corridor before it gives up.
void BM_FindPathUnreachable(benchmark::State& state) {
    TLogic logic;
    SetRows(logic, {"13.......", "32222222.", ".........", ".33333333", ".........", "44444444.",
                    ".........", ".55555555", "........."});
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindPath(logic, 0, 0, 8, 8));
    }
}
BENCHMARK(BM_FindPathUnreachable);

// A mid-game board: about half full, the target 16 steps away across the board.
void BM_FindPathTypical(benchmark::State& state) {
    TLogic logic;
    SetRows(logic, {"46333342.", "....13.5.", "..46..222", "..562.66.", "2.1.5622.", "...33.22.",
                    "..1..535.", "...3..346", "4........"});
    for (auto _ : state) {
        if (!FindPath(logic, 0, 0, 8, 8)) {
            state.SkipWithError("the typical board should have a path");
            break;
        }
        TracePath(logic);
        benchmark::DoNotOptimize(logic.PathGrid);
    }
}
BENCHMARK(BM_FindPathTypical);

// A busy board without a line: every scan line is walked to its end.
void BM_DetectLineBusyBoard(benchmark::State& state) {
    TLogic logic;
    SetRows(logic, {"121212121", "343434343", "565656565", "212121212", "434343434", "656565656",
                    "121212121", "343434343", "56565656."});
    for (auto _ : state) {
        benchmark::DoNotOptimize(DetectLine(logic, DifficultyEasy));
    }
}
BENCHMARK(BM_DetectLineBusyBoard);

// One whole turn on a mid-game board: select, move across the board, walk, arrive, spawn,
// and the line check at the end of the appearance.
void BM_WholeTurn(benchmark::State& state) {
    TSeededRandom random(12345);
    TChannelSwitches channels;
    TLogic start;
    SetRows(start, {"46333342.", "....13.5.", "..46..222", "..562.66.", "2.1.5622.", "...33.22.",
                    "..1..535.", "...3..346", "4........"});
    start.Preview.Banks[0] = {1, 2, 3, 4};
    TGame game;
    game.Difficulty = DifficultyMedium;
    for (auto _ : state) {
        TLogic logic = start;
        game.InputEnabled = true;
        TTurnCycle turns(logic, game, random, channels);
        benchmark::DoNotOptimize(turns.PressCell(0, 0));
        if (turns.PressCell(8, 8).Press != TPress::MoveAccepted) {
            state.SkipWithError("the benchmark's move was not accepted");
            break;
        }
        while (channels.IsOn(TChannel::Moving)) {
            benchmark::DoNotOptimize(turns.AdvanceMove());
        }
        benchmark::DoNotOptimize(turns.EndAppearance());
        benchmark::DoNotOptimize(logic);
    }
}
BENCHMARK(BM_WholeTurn);

}  // namespace
