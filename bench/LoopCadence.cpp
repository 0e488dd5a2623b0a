// The main loop's cadence in a real window: how many milliseconds a bounce frame and a walk
// step take at a given speed, as the player sees them. The game runs as it does for a
// player (its window, its loop, its clock); only its sounds are recorded instead of played,
// and their moments tell the frames: the choosing sound starts once per bounce cycle of 23
// frames, the moving sound once per step of the walk.
//
//   bench_cadence bounce|walk <speed 0 to 9>
//
// Prints the milliseconds per frame. Run it under an X server; window-performance.sh does.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QMouseEvent>

#include "app/MainLoop.h"
#include "app/MainWindow.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsFile.h"

namespace fs = std::filesystem;

namespace {

constexpr int BounceFramesPerCycle = 23;
constexpr int BounceCycles = 4;
constexpr int GiveUpSeconds = 60;

double SteadyMilliseconds() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(since).count();
}

class TQuietMessages final : public TMessageBoxes {
public:
    TMessageAnswer Show(std::string_view text, std::string_view, TMessageIcon,
                        TMessageButtons) override {
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
        return TMessageAnswer::Ok;
    }
};

class TNoFileDialogs final : public TFileDialogs {
public:
    std::optional<std::string> AskOpen(std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> AskSave(std::string_view, std::string_view) override { return {}; }
};

class TNoDesktop final : public TDesktop {
public:
    void OpenUrl(std::string_view) override {}
    void OpenHelp(std::string_view, std::string_view, THelpAnswered) override {}
};

// Notes when each sound of one name starts; once enough have started, the window closes and
// the loop ends.
class TSoundClock final : public TSoundPlayer {
public:
    TSoundClock(std::string_view watched, std::size_t wanted) : Watched(watched), Wanted(wanted) {}

    void Play(std::string_view gamePath) override {
        if (gamePath == Watched && Moments.size() < Wanted) {
            Moments.push_back(SteadyMilliseconds());
            if (Moments.size() == Wanted && Window != nullptr) {
                Window->close();
            }
        }
    }

    std::string Watched;
    std::size_t Wanted;
    std::vector<double> Moments;
    QWidget* Window = nullptr;
};

// A serpentine corridor between walls of two alternating colours (no five alike in a row):
// the ball in the top-left corner walks 48 cells to the bottom-right one.
TLogic Corridor() {
    const char* const rows[BoardSize] = {"3........", "12121212.", ".........",
                                         ".21212121", ".........", "12121212.",
                                         ".........", ".21212121", "........."};
    TLogic logic;
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            const char c = rows[row][column];
            logic.Board[column][row] = c == '.' ? 0 : static_cast<int16_t>(c - '0');
        }
    }
    return logic;
}

// A game folder in a temporary place with the build's default skin and settings at the
// given speed, sounds on, and the corridor as the autosaved game the game starts with.
fs::path MakeGameFolder(int speed) {
    const fs::path root = fs::temp_directory_path() / ("vyx-cadence-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "Gfx" / "Skins");
    fs::create_directories(root / "Gfx" / "Cache");
    fs::create_directories(root / "Saves");
    fs::copy_file(fs::path(VYX_GAME_DIR) / "Gfx" / "Skins" / "Buttons.lsk",
                  root / "Gfx" / "Skins" / "Buttons.lsk");
    TGame settings;
    settings.Difficulty = DifficultyMedium;
    settings.NextBallsShown = true;
    settings.SoundsOn = true;
    settings.Speeds = {speed, speed, speed, speed};
    settings.Autoload = true;
    std::ofstream(root / "VyxLines.cfg", std::ios::binary) << FormatSettingsFile(settings);
    std::ofstream(root / "Saves" / "Autosave.lsv", std::ios::binary)
        << EncodeSavedGame(Corridor(), settings);
    return root;
}

// The layout of the skin the game has unpacked into its cache.
TSkinLayout ReadSkinLayout() {
    TQuietMessages messages;
    TLoader loader(messages);
    loader.ReadSkinConfig();
    return loader.SkinData().Layout;
}

// A press on a cell, as the window system delivers it.
void Press(TMainWindow& window, const TSkinLayout& l, int column, int row) {
    const QPointF point(l.BoardDrawLeft + column * l.CellWidth + (column + 1) * l.CellGapX + 1,
                        l.BoardDrawTop + row * (l.CellHeight + l.CellGapY) + 1);
    QMouseEvent press(QEvent::MouseButtonPress, point, point, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&window.View(), &press);
}

}  // namespace

int main(int argc, char** argv) {
    const bool walk = argc == 3 && std::strcmp(argv[1], "walk") == 0;
    if (argc != 3 || (!walk && std::strcmp(argv[1], "bounce") != 0)) {
        std::fprintf(stderr, "usage: %s bounce|walk <speed>\n", argv[0]);
        return 2;
    }
    const int speed = std::atoi(argv[2]);
    QApplication application(argc, argv);
    const fs::path root = MakeGameFolder(speed);
    fs::current_path(root);

    constexpr int WalkSteps = 48;
    TSoundClock sound(walk ? "Sfx\\Moving1.wav" : "Sfx\\Selecting1.wav",
                      walk ? WalkSteps : BounceCycles + 1);
    TSteadyTickSource ticks;
    TQuietMessages messages;
    TNoFileDialogs fileDialogs;
    TNoDesktop desktop;
    const TGameFolders folders = TGameFolders::Portable(root);
    TPlatform platform{ticks, messages, fileDialogs, desktop, sound, folders};
    int result = 1;
    {
        TGameWorld world(platform);
        TMainWindow window(world, platform);
        sound.Window = &window;
        if (world.ReadSettings() && window.ApplySettings()) {
            window.StartFirstGame();
            const TSkinLayout layout = ReadSkinLayout();
            Press(window, layout, 0, 0);
            if (walk) {
                Press(window, layout, 8, 8);
            }
            window.show();
            window.activateWindow();
            QTimer::singleShot(GiveUpSeconds * 1000, &window, &QWidget::close);
            TMainLoop(world, window, ticks).Run();
        }
        const std::vector<double>& moments = sound.Moments;
        if (moments.size() == sound.Wanted) {
            const double frames = walk ? WalkSteps - 1 : BounceCycles * BounceFramesPerCycle;
            std::printf("%.2f\n", (moments.back() - moments.front()) / frames);
            result = 0;
        } else {
            std::fprintf(stderr, "only %zu of %zu sounds: was the window ever active?\n",
                         moments.size(), sound.Wanted);
        }
    }
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(root);
    return result;
}
