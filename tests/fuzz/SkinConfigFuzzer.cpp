// A "skin.cfg" as a skin author may write it, found in the skin cache at start-up: the skin
// is read and its pictures cut and drawn by its layout, the mouse hit test runs along every
// edge the layout draws, and a game is played on it. A configuration the game cannot use
// must give way to the default package.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Check.h"
#include "FuzzFolder.h"
#include "FuzzGame.h"
#include "app/PressedCell.h"

namespace {

// Positions on both sides of every border between the board's bands, and the window's and
// the hit test's limits.
std::vector<int64_t> Edges(int64_t origin, int64_t gap, int64_t cell, int64_t window,
                           int64_t limit) {
    std::vector<int64_t> edges{-1, 0, window - 1, window, limit, limit + 1, origin - 1, origin};
    for (int band = 0; band <= BoardSize; ++band) {
        const int64_t border = origin + gap + band * (gap + cell);
        for (int64_t x : {border - gap - 1, border - 1, border, border + cell - 1, border + cell}) {
            edges.push_back(x);
        }
    }
    return edges;
}

bool FitsInt(int64_t value) {
    return value >= INT32_MIN && value <= INT32_MAX;
}

void CheckHitTest(const TSkinLayout& l) {
    const std::vector<int64_t> xs =
        Edges(l.BoardLeft, l.CellGapX, l.CellWidth, l.WindowWidth, 1000);
    const std::vector<int64_t> ys =
        Edges(l.BoardTop, l.CellGapY, l.CellHeight, l.WindowHeight, 800);
    for (int64_t x : xs) {
        for (int64_t y : ys) {
            if (!FitsInt(x) || !FitsInt(y)) {
                continue;
            }
            const std::optional<TBoardCell> cell =
                HitCell(l, static_cast<int>(x), static_cast<int>(y));
            Require(!cell || IsOnBoard(cell->Column, cell->Row),
                    "the hit test must find a board cell or none");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    TFuzzFolder& folder = FreshFuzzFolder();
    folder.Write("Gfx\\Cache\\skin.cfg", {reinterpret_cast<const char*>(data), size});

    TFuzzGame game(folder.Game());
    Require(game.StartUp(), "a skin that cannot be used must give way to the default package");
    const TSkinLayout& layout = game.Loader.SkinData().Layout;
    CheckHitTest(layout);
    game.BeginFirstGame();
    for (uint32_t difficulty : {DifficultyEasy, DifficultyHard}) {
        game.NewGame({.Difficulty = difficulty});
        game.PlayTurn();
        game.Paint();
    }
    Require(game.Settle(), "the animations of a turn must end");
    return 0;
}
