// Writes the files the game folder is installed with: the settings file and the starting
// leaders table (also kept as the copy the Leaders dialog's "Default" puts back).
#include <cstdio>
#include <filesystem>
#include <string>

#include "persistence/LeadersFile.h"
#include "persistence/SettingsFile.h"
#include "platform/FileSystem.h"

namespace {

TGame InstalledSettings() {
    TGame game;
    game.GameMode = ModeClassic;
    game.Difficulty = DifficultyMedium;
    game.Autosave = true;
    game.Autoload = true;
    game.NextBallsShown = true;
    game.Speeds = {5, 5, 5, 5};
    game.SoundChoices = {0, 0, 0, 0};
    game.SoundsOn = true;
    return game;
}

// A table with room at every level of play: a new player soon finds a place in it.
TLeadersTable StartingTable() {
    const struct {
        uint32_t Score;
        int32_t Difficulty;
        const char* Time;
        const char* Name;
    } rows[LeadersCount] = {
        {250, 2, "24:10", "Zeziz"},    {200, 1, "21:35", "Vyx"},     {160, 1, "17:02", "Marble"},
        {125, 2, "14:48", "Pebble"},   {100, 0, "12:30", "Glimmer"}, {80, 1, "09:55", "Rolly"},
        {60, 0, "08:12", "Bounce"},    {40, 1, "05:40", "Dot"},      {20, 0, "03:05", "Tiny"},
        {10, 1, "01:30", "Anonymous"},
    };
    TLeadersTable table;
    for (int place = 0; place < LeadersCount; ++place) {
        table[place] = {rows[place].Score, rows[place].Difficulty, rows[place].Time,
                        rows[place].Name};
    }
    return table;
}

bool Write(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    if (WriteFileAtomically(file, bytes)) {
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <game folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string leaders = FormatLeadersTable(StartingTable());
    const bool written = Write(folder / "VyxLines.cfg", FormatSettingsFile(InstalledSettings())) &&
                         Write(folder / "leaders.dat", leaders) &&
                         Write(folder / "Def" / "leaders.dat", leaders);
    return written ? 0 : 1;
}
