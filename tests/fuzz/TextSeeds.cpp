// Seeds of the text files: the settings file, "skin.cfg" and the leaders table.
#include <climits>
#include <cstdint>
#include <fstream>
#include <string>

#include "FuzzSkin.h"
#include "Seeds.h"
#include "persistence/LeadersFile.h"
#include "persistence/SettingsFile.h"
#include "platform/FileSystem.h"

namespace fs = std::filesystem;

namespace {

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string ReplacedOnce(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TGame EdgeSettings(bool low) {
    TGame game;
    game.GameMode = low ? INT32_MIN : INT32_MAX;
    game.Difficulty = low ? 3 : UINT32_MAX;
    game.Autosave = !low;
    game.Autoload = !low;
    game.NextBallsShown = !low;
    // The slowest and fastest speeds beside values that only a hand-edited file holds, which
    // would give intervals of no time or of days.
    game.Speeds = low ? TAnimationSpeeds{SlowestSpeed, -1, INT32_MIN, -16}
                      : TAnimationSpeeds{16, FastestSpeed + 1, INT32_MAX, FastestSpeed};
    game.SoundChoices = {low ? INT32_MIN : INT32_MAX, -1, 3, low ? INT32_MIN : INT32_MAX};
    game.SoundsOn = true;
    return game;
}

TGame TimeTrialHardSlow() {
    TGame game;
    game.GameMode = ModeTimeTrial;
    game.Difficulty = DifficultyHard;
    game.NextBallsShown = true;
    game.SoundChoices = {2, 2, 2, 2};
    game.SoundsOn = true;
    return game;
}

// The words of a text, each on a line of its own.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

std::string Lines(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : "\r\n") + word;
    }
    return text;
}

std::string WithWord(const std::string& config, int position, const std::string& word) {
    std::vector<std::string> words = Words(config);
    words[position - 1] = word;
    return Lines(words);
}

constexpr int FirstLayoutWord = 39;

std::string WithLayout(const std::string& config, int index, const std::string& value) {
    return WithWord(config, FirstLayoutWord + 2 * index, value);
}

// FuzzedDataProvider takes integers from the end of the input, the last byte the most
// significant, and a signed value as its distance from the type's lowest.
void AppendTaken(std::string& trailer, uint32_t raw) {
    for (int shift = 0; shift < 32; shift += 8) {
        trailer.push_back(static_cast<char>((raw >> shift) & 0xFF));
    }
}

struct TFinishedGame {
    uint32_t Score;
    uint8_t Difficulty;
    int32_t Minutes;
    int32_t Seconds;
    std::string Name;
};

std::string LeadersInput(const std::string& table, const TFinishedGame& game) {
    const auto distance = [](int32_t value) { return static_cast<uint32_t>(value) ^ 0x80000000U; };
    std::string input = Replaced(game.Name, "\\", "\\\\") + "\\.";
    input += table;
    AppendTaken(input, distance(game.Seconds));
    AppendTaken(input, distance(game.Minutes));
    input.push_back(static_cast<char>(game.Difficulty));
    AppendTaken(input, game.Score);
    return input;
}

}  // namespace

bool WriteSeeds(const fs::path& folder, const TSeeds& seeds) {
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder, error);
    for (const auto& [name, bytes] : seeds) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            return false;
        }
    }
    return true;
}

TSeeds SettingsSeeds(const std::string& shipped) {
    return {
        {"shipped", shipped},
        {"lf-only", Replaced(shipped, "\r\n", "\n")},
        {"line-end-after-last", shipped + "\r\n"},
        {"cut-short", shipped.substr(0, shipped.size() / 2)},
        {"empty", ""},
        {"heading-six-words", ReplacedOnce(shipped, "do not", "do-not")},
        {"heading-eight-words", ReplacedOnce(shipped, "do not", "do really not")},
        {"no-blank-after-equals", ReplacedOnce(shipped, "Difficulty= ", "Difficulty=")},
        {"keys-misspelt", Replaced(Replaced(shipped, "Mode=", "Mood="), "Error=", "Eror=")},
        {"difficulty-minus-one", ReplacedOnce(shipped, "Difficulty= 1", "Difficulty= -1")},
        {"difficulty-plus-two", ReplacedOnce(shipped, "Difficulty= 1", "Difficulty= +2")},
        {"truth-value-two", ReplacedOnce(shipped, "Autosave= 1", "Autosave= 2")},
        {"speed-not-a-number", ReplacedOnce(shipped, "Moving= 5", "Moving= fast")},
        {"time-trial-hard-slow", FormatSettingsFile(TimeTrialHardSlow())},
        {"edges-high", FormatSettingsFile(EdgeSettings(false))},
        {"edges-low", FormatSettingsFile(EdgeSettings(true))},
    };
}

TSeeds SkinConfigSeeds(const fs::path& shippedSkins) {
    TSeeds seeds;
    for (const auto& skin : fs::directory_iterator(shippedSkins)) {
        if (const auto config = ReadWholeFile(skin.path() / "skin.cfg")) {
            seeds.emplace_back("shipped-" + skin.path().filename().string(), *config);
        }
    }
    const std::string fuzz = FormatSkinConfig(FuzzSkinData());
    std::vector<std::string> words = Words(fuzz);
    seeds.emplace_back("fuzz-skin", fuzz);
    seeds.emplace_back("tabs-and-lone-line-ends",
                       Replaced(Replaced(fuzz, "\r\n", "\r"), " ", "\t"));
    {
        std::vector<std::string> shifted = words;
        shifted.erase(shifted.begin() + 10);  // an author of one word
        seeds.emplace_back("author-one-word", Lines(shifted));
    }
    seeds.emplace_back("86-words", Lines({words.begin(), words.begin() + 86}));
    seeds.emplace_back("words-after-the-end", fuzz + " and some words after the closing one");
    seeds.emplace_back("name-19", WithWord(fuzz, 8, std::string(19, 'N')));
    seeds.emplace_back("name-20", WithWord(fuzz, 8, std::string(20, 'N')));
    seeds.emplace_back("version-10", WithWord(fuzz, 13, "1.0.0.0.01"));
    seeds.emplace_back("label-50", WithWord(fuzz, 1, std::string(50, 'L')));
    seeds.emplace_back("picture-climbs", WithWord(fuzz, 16, "..\\back.bmp"));
    seeds.emplace_back("picture-in-folder", WithWord(fuzz, 18, "sub/cell.bmp"));
    const std::vector<std::pair<std::string, std::string>> values{
        {"plus", "+5"},         {"minus-zero", "-0"},  {"hex", "0x10"},
        {"unit", "5px"},        {"max", "2147483647"}, {"min", "-2147483648"},
        {"over", "2147483648"}, {"huge", "1000000"},   {"zero", "0"},
        {"minus-one", "-1"},    {"minus-three", "-3"}, {"plus-minus", "+-3"},
    };
    // Every value through the cell size, its gap and an origin; all through one picture.
    for (const auto& [name, value] : values) {
        seeds.emplace_back("cell-width-" + name, WithLayout(fuzz, 4, value));
        seeds.emplace_back("gap-y-" + name, WithLayout(fuzz, 7, value));
        seeds.emplace_back("board-left-" + name, WithLayout(fuzz, 2, value));
    }
    seeds.emplace_back("window-huge", WithLayout(WithLayout(fuzz, 0, "100000"), 1, "100000"));
    seeds.emplace_back("score-digits-huge",
                       WithLayout(WithLayout(fuzz, 17, "2000000"), 19, "2000000"));
    seeds.emplace_back("preview-far", WithLayout(fuzz, 21, "2147483000"));
    return seeds;
}

TSeeds LeadersSeeds(const std::string& shipped) {
    TLeadersTable extreme;
    for (int place = 0; place < LeadersCount; ++place) {
        extreme[place] = {UINT32_MAX - static_cast<uint32_t>(place),
                          place % 2 == 0 ? INT32_MIN : INT32_MAX, "99:99",
                          place % 3 == 0 ? " sixteen chars  " : ""};
    }
    const std::string zeros = FormatLeadersTable(TLeadersTable{});
    const TFinishedGame good{200, 1, 12, 34, "Ann Lee"};
    return {
        {"shipped-qualifies", LeadersInput(shipped, good)},
        {"shipped-too-low", LeadersInput(shipped, {0, 2, 0, 1, ""})},
        {"zeros-score-zero", LeadersInput(zeros, {0, 0, 0, 0, "  "})},
        {"extreme", LeadersInput(FormatLeadersTable(extreme),
                                 {UINT32_MAX, 3, INT32_MAX, INT32_MIN, "Tab\tand/slash"})},
        {"clock-negative", LeadersInput(zeros, {7, 2, -5, -61, "Minus"})},
        {"name-seventeen", LeadersInput(zeros, {1, 1, 1, 1, std::string(17, 'x')})},
        {"lf-only", LeadersInput(Replaced(shipped, "\r\n", "\n"), good)},
        {"nine-names", LeadersInput(shipped.substr(0, shipped.rfind('/')), good)},
        {"no-names", LeadersInput(shipped.substr(0, shipped.rfind("\r\n")), good)},
        {"time-too-long", LeadersInput(ReplacedOnce(shipped, "24:10", "124:10"), good)},
        {"score-not-a-number", LeadersInput(ReplacedOnce(shipped, "250", "lots"), good)},
        {"score-over-32-bits", LeadersInput(ReplacedOnce(shipped, "250", "4294967296"), good)},
        {"difficulty-signed", LeadersInput(ReplacedOnce(shipped, "\r\n2 ", "\r\n+2 "), good)},
        {"line-break-in-names", LeadersInput(ReplacedOnce(shipped, "Vyx/", "Vy\rx/"), good)},
        {"empty", LeadersInput("", good)},
    };
}
