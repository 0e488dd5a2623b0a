#include "FuzzFolder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "Check.h"
#include "FuzzSkin.h"
#include "persistence/LeadersFile.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsFile.h"
#include "platform/FileSystem.h"
#include "presentation/SkinLoader.h"
#include "support/BoardText.h"

namespace fs = std::filesystem;

namespace {

// Fast animations, so that a run gets through many turns; autosave and autoload on, so that
// every turn writes and start-up reads a saved game.
TGame InstalledSettings() {
    TGame game;
    game.GameMode = ModeClassic;
    game.Difficulty = DifficultyMedium;
    game.Autosave = true;
    game.Autoload = true;
    game.NextBallsShown = true;
    game.Speeds = {9, 9, 9, 9};
    game.SoundsOn = true;
    return game;
}

// Low scores, so that many finished games reach the table.
TLeadersTable StartingTable() {
    TLeadersTable table;
    for (int place = 0; place < LeadersCount; ++place) {
        table[place].Score = static_cast<uint32_t>(45 - 5 * place);
        table[place].Difficulty = place % 3;
        table[place].Time = "0" + std::to_string(place) + ":30";
        table[place].Name = place % 2 == 0 ? "Player " + std::to_string(place) : "Anonymous";
    }
    return table;
}

// A game in progress, one ball short of a line in the top row.
std::string Autosave() {
    TLogic logic;
    SetBoard(logic, {"1111.....", ".........", "..2......", "...3.....", "....4....", ".....5...",
                     "......6..", ".........", "1........"});
    TGame game = InstalledSettings();
    game.Score = 10;
    game.LevelTarget = 100;
    game.Minutes = 3;
    game.Seconds = 7;
    return EncodeSavedGame(logic, game);
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
    const int out = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    Require(out >= 0, "the fuzz folder could not be written");
    const ssize_t written = ::write(out, bytes.data(), bytes.size());
    ::close(out);
    Require(written == static_cast<ssize_t>(bytes.size()), "the fuzz folder could not be written");
}

bool SameStatus(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_mode == b.st_mode && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

fs::path MakeSandbox(std::string_view target) {
    std::string pattern = (fs::temp_directory_path() / "vyx-").string();
    pattern += std::string(target) + "-XXXXXX";
    Require(::mkdtemp(pattern.data()) != nullptr, "no temporary folder for the fuzz folder");
    return pattern;
}

}  // namespace

TFuzzFolder::TFuzzFolder(std::string_view target)
    : Previous(fs::current_path()), SandboxRoot(MakeSandbox(target)) {
    GameRoot = SandboxRoot;
    for (const char* level : {"around", "the", "game"}) {
        WriteBytes(GameRoot / "sentinel.txt", "outside the game folder");
        GameRoot /= level;
        fs::create_directories(GameRoot);
    }
    for (const char* folder : {"Gfx/Skins", "Gfx/Cache", "Sfx", "Saves", "Def"}) {
        fs::create_directories(GameRoot / folder);
    }
    const fs::path skin = SandboxRoot / "skin";
    WriteFuzzSkin(skin);
    for (const auto& entry : fs::directory_iterator(skin)) {
        Remember(std::string(TLoader::CacheFolder) + entry.path().filename().string(),
                 ReadWholeFile(entry.path()).value_or(""));
    }
    Remember(std::string(TLoader::SkinsFolder) + std::string(TLoader::DefaultPackage),
             FuzzSkinPackage(skin));
    fs::remove_all(skin);
    Remember(std::string(SettingsFileName), FormatSettingsFile(InstalledSettings()));
    const std::string leaders = FormatLeadersTable(StartingTable());
    Remember(std::string(LeadersFileName), leaders);
    Remember(std::string(DefaultLeadersFileName), leaders);
    Remember(std::string(AutosaveFile), Autosave());
    fs::current_path(GameRoot);
}

void TFuzzFolder::Remember(const std::string& gamePath, std::string bytes) {
    TFile& file = Files.emplace_back(TFile{GameRoot / NativePath(gamePath), std::move(bytes)});
    WriteBytes(file.Path, file.Bytes);
    Require(::lstat(file.Path.c_str(), &file.Status) == 0, "a file of the fuzz folder is missing");
}

TFuzzFolder::~TFuzzFolder() {
    std::error_code ignored;
    fs::current_path(Previous, ignored);
    fs::remove_all(SandboxRoot, ignored);
}

void TFuzzFolder::Reset() {
    RemoveStrangers();
    for (const char* folder : {"Gfx/Skins", "Gfx/Cache", "Sfx", "Saves", "Def"}) {
        fs::create_directories(GameRoot / folder);
    }
    for (TFile& file : Files) {
        struct stat status {};
        if (::lstat(file.Path.c_str(), &status) != 0 || !SameStatus(status, file.Status)) {
            fs::remove_all(file.Path);
            WriteBytes(file.Path, file.Bytes);
            Require(::lstat(file.Path.c_str(), &file.Status) == 0,
                    "a file of the fuzz folder is missing");
        }
    }
}

// Everything in the game folder that it was not made with goes; the game folder itself is
// the current directory and stays.
void TFuzzFolder::RemoveStrangers() const {
    const auto known = [this](const fs::path& path) {
        for (const TFile& file : Files) {
            if (file.Path == path) {
                return true;
            }
        }
        return false;
    };
    std::vector<fs::path> strangers;
    for (auto entry = fs::recursive_directory_iterator(GameRoot);
         entry != fs::recursive_directory_iterator(); ++entry) {
        const fs::path relative = entry->path().lexically_relative(GameRoot);
        const bool folder = entry->symlink_status().type() == fs::file_type::directory;
        const bool madeFolder =
            folder && (relative == "Gfx" || relative == "Gfx/Skins" || relative == "Gfx/Cache" ||
                       relative == "Sfx" || relative == "Saves" || relative == "Def");
        if (!madeFolder && !known(entry->path())) {
            strangers.push_back(entry->path());
            entry.disable_recursion_pending();
        }
    }
    for (const fs::path& stranger : strangers) {
        fs::remove_all(stranger);
    }
}

void TFuzzFolder::Write(std::string_view gamePath, std::string_view bytes) const {
    WriteBytes(GameRoot / NativePath(gamePath), bytes);
}

namespace {

// The targets work in their game folder, while libFuzzer names its corpus folders,
// dictionary and findings relative to where it was started: those names in the command line
// are made absolute before the target moves.
void KeepPathsAbsolute(int argc, char** argv) {
    static std::vector<std::string> arguments;
    arguments.assign(argv, argv + argc);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string& argument = arguments[i];
        if (!argument.starts_with("-")) {
            argument = fs::absolute(argument).string();
            continue;
        }
        for (std::string_view flag : {"-artifact_prefix=", "-exact_artifact_path=", "-dict="}) {
            if (argument.starts_with(flag) && argument.size() > flag.size()) {
                argument = std::string(flag) + fs::absolute(argument.substr(flag.size())).string();
            }
        }
    }
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        argv[i] = arguments[i].data();
    }
}

TFuzzFolder& ProcessFolder(std::string_view target = {}) {
    static TFuzzFolder folder(target);
    return folder;
}

}  // namespace

TFuzzFolder& FreshFuzzFolder() {
    TFuzzFolder& folder = ProcessFolder();
    folder.Reset();
    return folder;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    KeepPathsAbsolute(*argc, *argv);
    ProcessFolder(fs::path((*argv)[0]).filename().string());
    return 0;
}
