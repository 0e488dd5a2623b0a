// A saved game of any bytes, resumed by autoload at start-up and loaded over a running game
// by the Load command, each followed by a script of presses, passes of the main loop (moves,
// animations, clock ticks), paints, saves and new games. The input is the file (up to the
// 378 bytes of a saved game) and then the script, one step per byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "Check.h"
#include "FuzzFolder.h"
#include "FuzzGame.h"
#include "persistence/SavedGame.h"
#include "platform/FileSystem.h"

namespace {

constexpr std::string_view FuzzedFile = "Saves\\Fuzzed.lsv";
constexpr std::string_view SavedFile = "Saves\\Saved.lsv";
constexpr std::size_t MaxSteps = 64;

class TScript {
public:
    explicit TScript(std::string_view bytes) : Bytes(bytes.substr(0, MaxSteps)) {}

    bool Done() const { return Position >= Bytes.size(); }
    uint8_t Next() { return Done() ? 0 : static_cast<uint8_t>(Bytes[Position++]); }

private:
    std::string_view Bytes;
    std::size_t Position = 0;
};

void Play(TFuzzGame& game, std::string_view steps) {
    TScript script(steps);
    while (!script.Done()) {
        const uint8_t step = script.Next();
        switch (step % 8) {
            case 0:
            case 1: {
                const uint8_t cell = script.Next() % (BoardSize * BoardSize);
                game.PressCell(cell % BoardSize, cell / BoardSize);
                break;
            }
            case 2: {
                const int x = script.Next();
                game.Press(x, script.Next());
                break;
            }
            case 3:
                game.Pass(script.Next());
                break;
            case 4:
                for (int pass = 0; pass < 25; ++pass) {
                    game.Pass();
                }
                break;
            case 5:
                game.Paint();
                break;
            case 6:
                // The Save command, then the Load command with the file just saved.
                game.Dialogs.Answer = NativePath(SavedFile).string();
                game.World.Save();
                Require(game.LoadCommand(NativePath(SavedFile).string()),
                        "a game just saved must load");
                break;
            case 7:
                game.NewGame({.Mode = step / 8 % 2 == 0 ? ModeClassic : ModeTimeTrial});
                break;
        }
    }
}

// What a save holds comes back from it unchanged.
void CheckSaveRoundTrip(const TFuzzGame& game) {
    TLogic logic;
    TGame loaded;
    DecodeSavedGame(EncodeSavedGame(game.Logic, game.Game), logic, loaded);
    const TGame& running = game.Game;
    const auto same = [](const char* field, auto saved, auto read) {
        if (saved != read) {
            std::fprintf(stderr, "%s: saved %lld, read back %lld\n", field,
                         static_cast<long long>(saved), static_cast<long long>(read));
        }
        return saved == read;
    };
    bool sameNumbers = same("score", running.Score, loaded.Score);
    sameNumbers = same("level target", running.LevelTarget, loaded.LevelTarget) && sameNumbers;
    sameNumbers = same("mode", running.GameMode, loaded.GameMode) && sameNumbers;
    sameNumbers = same("difficulty", running.Difficulty, loaded.Difficulty) && sameNumbers;
    sameNumbers = same("minutes", running.Minutes, loaded.Minutes) && sameNumbers;
    sameNumbers = same("seconds", running.Seconds, loaded.Seconds) && sameNumbers;
    Require(sameNumbers && logic.Board == game.Logic.Board,
            "a saved game must load as it was saved");
}

// However the game got here, once its animations are over the player can go on.
void CheckPlayable(TFuzzGame& game) {
    Require(game.Settle(), "the animations must end");
    Require(game.Game.InputEnabled, "the board must take presses once nothing moves");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    TFuzzFolder& folder = FreshFuzzFolder();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view file = input.substr(0, std::min(size, SavedGameSize));
    const std::string_view steps = input.substr(file.size());
    folder.Write(AutosaveFile, file);
    folder.Write(FuzzedFile, file);

    TFuzzGame game(folder.Game());
    Require(game.StartUp(), "the installed settings and skin must load");
    game.BeginFirstGame();
    Play(game, steps);
    CheckSaveRoundTrip(game);
    CheckPlayable(game);

    Require(game.LoadCommand(NativePath(FuzzedFile).string()), "a saved game must load");
    Play(game, steps);
    CheckSaveRoundTrip(game);
    CheckPlayable(game);
    return 0;
}
