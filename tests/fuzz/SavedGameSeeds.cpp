// Seeds of the saved-game target: saved games our own encoder writes, from ordinary games
// to values no game reaches, each followed by a script of play (see SavedGameFuzzer.cpp for
// its steps).
#include <array>
#include <climits>
#include <cstdint>
#include <string>

#include "Seeds.h"
#include "persistence/SavedGame.h"
#include "support/BoardText.h"

namespace {

std::string Press(int column, int row) {
    return {'\0', static_cast<char>(row * BoardSize + column)};
}
const std::string ManyPasses(1, '\4');
const std::string Paint(1, '\5');
const std::string SaveAndLoad(1, '\6');
const std::string NewTimeTrial(1, '\x0f');

std::string Times(int count, const std::string& step) {
    std::string steps;
    for (int i = 0; i < count; ++i) {
        steps += step;
    }
    return steps;
}

struct TSave {
    std::array<const char*, BoardSize> Rows;
    uint32_t Score = 0;
    int32_t LevelTarget = 100;
    int32_t Mode = ModeClassic;
    uint32_t Difficulty = DifficultyMedium;
    int32_t Minutes = 0;
    int32_t Seconds = 0;
};

std::string Encode(const TSave& save) {
    TLogic logic;
    SetBoard(logic, save.Rows);
    TGame game;
    game.Score = save.Score;
    game.LevelTarget = save.LevelTarget;
    game.GameMode = save.Mode;
    game.Difficulty = save.Difficulty;
    game.Minutes = save.Minutes;
    game.Seconds = save.Seconds;
    return EncodeSavedGame(logic, game);
}

const std::array<const char*, BoardSize> LineReady{"1111.....", ".........", "..2......",
                                                   "...3.....", "....4....", ".....5...",
                                                   "......6..", ".........", "1........"};
const std::array<const char*, BoardSize> NearlyFull{"123456123", "456123456", "234561234",
                                                    "561234561", "345612345", "612345612",
                                                    "451236451", "236451236", "1234561.."};

// Every cell value a 16-bit field can hold at its edges.
std::string WithOddCells(std::string bytes) {
    const auto put = [&bytes](int record, uint16_t value) {
        bytes[30 + 4 * record] = static_cast<char>(value & 0xFF);
        bytes[31 + 4 * record] = static_cast<char>(value >> 8);
    };
    put(0, 0xFFFF);
    put(1, 7);
    put(2, 0x7FFF);
    put(3, 0x8000);
    put(40, 0xFFF9);
    return bytes;
}

}  // namespace

TSeeds SavedGameSeeds() {
    const std::string line = Encode({LineReady, 10});
    const std::string turn = Press(0, 8) + Press(4, 0) + Times(4, ManyPasses) + Paint;
    std::string header = line;
    header.replace(0, 26, "not the header of any save");
    return {
        {"line-ready", line + turn + SaveAndLoad + turn},
        {"nearly-full", Encode({NearlyFull, 42}) + Press(6, 8) + Press(7, 8) +
                            Times(6, ManyPasses) + Press(0, 0) + Press(8, 8)},
        {"easy-four", Encode({LineReady, 0, 100, ModeClassic, DifficultyEasy}) + Press(0, 8) +
                          Press(5, 1) + Times(2, ManyPasses) + Press(2, 2) + Press(3, 1) +
                          Times(3, ManyPasses)},
        {"hard-preview", Encode({LineReady, 3, 100, ModeClassic, DifficultyHard}) + turn},
        {"time-trial-level-won",
         Encode({LineReady, 150, 100, ModeTimeTrial, DifficultyMedium, 0, 2}) +
             Times(12, ManyPasses) + turn},
        {"time-trial-level-lost",
         Encode({LineReady, 10, 125, ModeTimeTrial, DifficultyMedium, 0, 1}) +
             Times(8, ManyPasses)},
        {"score-needs-six-digits", Encode({LineReady, 99995}) + turn},
        {"header-overwritten", header + turn},
        {"edges-high", WithOddCells(Encode({LineReady, UINT32_MAX, INT32_MAX, INT32_MAX, UINT32_MAX,
                                            INT32_MAX, INT32_MAX})) +
                           turn + Times(6, ManyPasses)},
        {"edges-low", WithOddCells(Encode({LineReady, 0, INT32_MIN, ModeTimeTrial, DifficultyHard,
                                           INT32_MIN, INT32_MIN})) +
                          turn + Times(6, ManyPasses)},
        {"clock-at-limits", Encode({LineReady, 5, 100, ModeClassic, DifficultyMedium, 99, 59}) +
                                Times(8, ManyPasses) + NewTimeTrial + Times(4, ManyPasses)},
        {"empty", ""},
        {"header-only", line.substr(0, 30)},
        {"board-cut", line.substr(0, 100)},
        {"last-byte-missing", line.substr(0, SavedGameSize - 1)},
    };
}
