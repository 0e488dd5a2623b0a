#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>

#include "presentation/ApplySettings.h"

namespace fs = std::filesystem;

namespace {

class TQuietMessages final : public TMessageBoxes {
public:
    TMessageAnswer Show(std::string_view, std::string_view, TMessageIcon,
                        TMessageButtons) override {
        return TMessageAnswer::Ok;
    }
};

// A game folder in a temporary place holding the build's default skin package, with the
// renderer and loader the game uses.
class TSkinBench {
public:
    TSkinBench() {
        Root = fs::temp_directory_path() / "vyx-render-bench";
        fs::remove_all(Root);
        fs::create_directories(Root / "Gfx" / "Skins");
        fs::create_directories(Root / "Gfx" / "Cache");
        fs::copy_file(fs::path(VYX_GAME_DIR) / "Gfx" / "Skins" / "Buttons.lsk",
                      Root / "Gfx" / "Skins" / "Buttons.lsk");
        fs::current_path(Root);
    }
    ~TSkinBench() {
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(Root);
    }

    // The skin applied and the board drawn, as the game does it at start-up.
    bool Apply() {
        if (!ApplySettings({Game, Loader, Renderer, Messages})) {
            return false;
        }
        DrawBoard();
        return true;
    }

    void DrawBoard() {
        benchmark::DoNotOptimize(Renderer.DrawCells());
        Renderer.DrawScore();
        Renderer.DrawPreview();
    }

    fs::path Root;
    TQuietMessages Messages;
    TLogic Logic;
    TGame Game;
    TBounceState Bounce;
    TAnimations Animations{Bounce, Logic, Game};
    TRenderer Renderer{Logic, Game, Animations};
    TLoader Loader{Messages};
};

// The costliest scene: all 81 cells hold balls, a few of them animated, and the preview.
void BM_DrawBoardFullBoard(benchmark::State& state) {
    TSkinBench bench;
    if (!bench.Apply()) {
        state.SkipWithError("the default skin did not apply");
        return;
    }
    for (int column = 0; column < BoardSize; ++column) {
        for (int row = 0; row < BoardSize; ++row) {
            bench.Logic.Board[column][row] = static_cast<int16_t>(1 + (column + row) % 6);
        }
    }
    bench.Logic.CellMarks[4][4] = MarkSelected;
    bench.Logic.Selection = {bench.Logic.Board[4][4], 4, 4};
    bench.Logic.CellMarks[1][1] = MarkAppearing;
    bench.Game.NextBallsShown = true;
    bench.Game.Difficulty = DifficultyHard;
    bench.Logic.Preview.Banks[0] = {1, 2, 3, 4};
    for (auto _ : state) {
        bench.DrawBoard();
        benchmark::DoNotOptimize(bench.Renderer.BackBuffer().constBits());
    }
}
BENCHMARK(BM_DrawBoardFullBoard);

void BM_LoadSkinImages(benchmark::State& state) {
    TSkinBench bench;
    if (!bench.Apply()) {
        state.SkipWithError("the default skin did not apply");
        return;
    }
    const TSkinData& skin = bench.Loader.SkinData();
    const std::string clock = "Gfx\\Cache\\" + skin.ImageFile(TSkinImage::ClockDigits);
    for (auto _ : state) {
        bench.Renderer.LoadSkinImages(skin.Layout, bench.Game.SkinFiles, clock);
    }
}
BENCHMARK(BM_LoadSkinImages)->Unit(benchmark::kMillisecond);

// Applying the default skin from an empty cache: unpacking, the configuration, the
// pictures and the first drawing.
void BM_ColdApplyDefaultSkin(benchmark::State& state) {
    TSkinBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.Loader.ClearSkinCache();
        state.ResumeTiming();
        if (!bench.Apply()) {
            state.SkipWithError("the default skin did not apply");
            break;
        }
    }
}
BENCHMARK(BM_ColdApplyDefaultSkin)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
