#include "GameFolders.h"

#include <QtGlobal>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include "FileSystem.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view FolderName = "vyx-zeziz";
constexpr std::string_view SettingsFile = "VyxLines.cfg";

// The folders the game writes into ("Saves\" also opens the file dialogs), and the place
// for the player's own skins.
constexpr std::array<std::string_view, 4> PlayerSubfolders{"Def", "Saves", "Gfx\\Cache",
                                                           "Gfx\\Skins"};
// What the first start copies from the shipped folder.
constexpr std::array<std::string_view, 3> SeededFiles{"VyxLines.cfg", "leaders.dat",
                                                      "Def\\leaders.dat"};
// What a temporary folder takes over from the player's own folder besides, so the game
// goes on as the player left it.
constexpr std::array<std::string_view, 1> ResumedFiles{"Saves\\Autosave.lsv"};
constexpr std::string_view CacheFolder = "Gfx\\Cache\\";

std::optional<std::string> Unwritable(const fs::path& folder, const std::string& reason) {
    return "the folder " + folder.string() + " cannot be written (" + reason + ")";
}

// Whether a file can be made in the folder: the permission bits do not tell (root writes
// anyway; a read-only mount refuses everyone), so a file is made and removed.
std::optional<std::string> ProbeWriting(const fs::path& folder) {
    const fs::path probe = folder / (".vyx-zeziz-probe-" + std::to_string(::getpid()));
    const int file = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (file < 0) {
        return Unwritable(folder, TWriteResult::Failed(errno).Reason());
    }
    ::close(file);
    ::unlink(probe.c_str());
    return std::nullopt;
}

// Copies the file from the first source folder that has it, unless the folder has it.
std::optional<std::string> CopyIfMissing(const fs::path& folder, std::string_view gamePath,
                                         const std::vector<fs::path>& sources) {
    const fs::path target = folder / NativePath(gamePath);
    std::error_code error;
    if (fs::exists(target, error)) {
        return std::nullopt;
    }
    for (const fs::path& source : sources) {
        if (const std::optional<std::string> bytes = ReadWholeFile(source / NativePath(gamePath))) {
            if (!WriteFileAtomically(target, *bytes)) {
                return Unwritable(folder, target.filename().string() + " cannot be made");
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// Makes the folder with its subfolders and fills in the seeded files it lacks; the reason
// when it cannot be used.
std::optional<std::string> Prepare(const fs::path& folder, const std::vector<fs::path>& sources) {
    for (const std::string_view subfolder : PlayerSubfolders) {
        std::error_code error;
        fs::create_directories(folder / NativePath(subfolder), error);
        if (error) {
            return Unwritable(folder, error.message());
        }
    }
    if (std::optional<std::string> reason = ProbeWriting(folder)) {
        return reason;
    }
    for (const std::string_view file : SeededFiles) {
        if (std::optional<std::string> reason = CopyIfMissing(folder, file, sources)) {
            return reason;
        }
    }
    return std::nullopt;
}

// $XDG_DATA_HOME/vyx-zeziz; a relative or empty $XDG_DATA_HOME is ignored, as the desktop's
// rules for it say, and $HOME/.local/share takes its place.
std::optional<fs::path> PlayerFolderFor(const TUserEnvironment& environment) {
    if (environment.XdgDataHome && fs::path(*environment.XdgDataHome).is_absolute()) {
        return fs::path(*environment.XdgDataHome) / FolderName;
    }
    if (environment.Home && fs::path(*environment.Home).is_absolute()) {
        return fs::path(*environment.Home) / ".local" / "share" / FolderName;
    }
    return std::nullopt;
}

std::optional<fs::path> MakeTemporaryFolder() {
    std::error_code error;
    std::string pattern =
        (fs::temp_directory_path(error) / (std::string(FolderName) + "-XXXXXX")).string();
    if (error || ::mkdtemp(pattern.data()) == nullptr) {
        return std::nullopt;
    }
    return fs::path(pattern);
}

std::string WarningText(const std::string& reason) {
    return "Vyx Zeziz cannot keep your settings, autosave and leaders table:\n" + reason +
           ".\n\nYou can play, but what changes in this session is lost when the game closes.";
}

}  // namespace

TUserEnvironment CurrentUserEnvironment() {
    TUserEnvironment environment;
    if (const char* dataHome = std::getenv("XDG_DATA_HOME")) {
        environment.XdgDataHome = dataHome;
    }
    if (const char* home = std::getenv("HOME")) {
        environment.Home = home;
    } else if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir) {
        environment.Home = user->pw_dir;
    }
    return environment;
}

TGameFolders::TGameFolders(fs::path player, fs::path shipped)
    : PlayerFolder(std::move(player)), ShippedFolder(std::move(shipped)) {
    Skins.push_back(ShippedFolder / "Gfx" / "Skins");
    if (PlayerFolder != ShippedFolder) {
        Skins.push_back(PlayerFolder / "Gfx" / "Skins");
    }
}

TGameFolders::TGameFolders(TGameFolders&& other) noexcept
    : PlayerFolder(std::move(other.PlayerFolder)),
      ShippedFolder(std::move(other.ShippedFolder)),
      Skins(std::move(other.Skins)),
      Why(std::move(other.Why)),
      Temporary(std::exchange(other.Temporary, fs::path())) {}

TGameFolders::~TGameFolders() {
    if (!Temporary.empty()) {
        std::error_code ignored;
        fs::remove_all(Temporary, ignored);
    }
}

TGameFolders TGameFolders::Portable(const fs::path& folder) {
    return TGameFolders(folder, folder);
}

TGameFolders TGameFolders::Find(const fs::path& programFolder,
                                const TUserEnvironment& environment) {
    std::error_code error;
    const bool holdsSettings = fs::is_regular_file(programFolder / SettingsFile, error);
    if (holdsSettings && !ProbeWriting(programFolder)) {
        return Portable(programFolder);
    }
    // A game folder that may not be written still ships its files; a program installed as
    // Debian installs games, in <prefix>/games/, finds them in <prefix>/share/games/vyx-zeziz/.
    const fs::path shipped =
        holdsSettings
            ? programFolder
            : (programFolder.parent_path() / "share" / "games" / FolderName).lexically_normal();

    const std::optional<fs::path> player = PlayerFolderFor(environment);
    std::optional<std::string> reason =
        player ? Prepare(*player, {shipped})
               : std::optional<std::string>(QT_TRANSLATE_NOOP(
                     "GameText",
                     "no folder of yours is known (neither XDG_DATA_HOME nor HOME is set)"));
    if (!reason) {
        return TGameFolders(*player, shipped);
    }

    std::vector<fs::path> sources{shipped};
    if (player) {
        sources.insert(sources.begin(), *player);
    }
    std::optional<fs::path> temporary = MakeTemporaryFolder();
    if (temporary && Prepare(*temporary, sources)) {
        std::error_code ignored;
        fs::remove_all(*temporary, ignored);
        temporary.reset();
    }
    // With no temporary folder either, the game still reads what it can from the shipped
    // folder; whatever it writes fails quietly.
    TGameFolders folders(temporary.value_or(shipped), shipped);
    folders.Why = WarningText(*reason);
    if (temporary) {
        folders.Temporary = *temporary;
        if (player) {
            for (const std::string_view file : ResumedFiles) {
                CopyIfMissing(*temporary, file, {*player});
            }
            for (const std::string& cached : ListFiles(*player / NativePath(CacheFolder), "*")) {
                CopyIfMissing(*temporary, std::string(CacheFolder) + cached, {*player});
            }
            folders.Skins.back() = *player / "Gfx" / "Skins";
        }
    }
    return folders;
}

fs::path TGameFolders::ShippedFile(std::string_view gamePath) const {
    return ShippedFolder / NativePath(gamePath);
}
