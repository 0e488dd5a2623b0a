#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the player's folder is looked for: $XDG_DATA_HOME, else $HOME/.local/share.
struct TUserEnvironment {
    std::optional<std::string> XdgDataHome;
    std::optional<std::string> Home;
};

// The user environment of the running program (the home from the password database when
// $HOME is unset).
TUserEnvironment CurrentUserEnvironment();

// The game's two folders, decided once at start-up. The shipped folder holds what the game
// is installed with (skins, sounds, help, the starting settings and leaders tables) and is
// only read; the player's folder holds everything the game writes (settings, leaders, the
// skin cache, saved games) and is the current directory while the game runs, so the game's
// relative file names land there.
//
// A portable game folder (the program's folder, holding "VyxLines.cfg" and writable) is
// both. An installed game reads <prefix>/share/games/vyx-zeziz/, found from the program's
// folder <prefix>/games/, and writes $XDG_DATA_HOME/vyx-zeziz/, seeded at the first start.
class TGameFolders {
public:
    static TGameFolders Portable(const std::filesystem::path& folder);
    // Decides the folders and makes the player's folder ready. When it cannot be written
    // the game plays in a temporary folder, seeded from the player's own files where they
    // can be read, and Warning() says why nothing will be kept; that folder is removed
    // when this object goes.
    static TGameFolders Find(const std::filesystem::path& programFolder,
                             const TUserEnvironment& environment);

    TGameFolders(TGameFolders&& other) noexcept;
    TGameFolders& operator=(TGameFolders&&) = delete;
    TGameFolders(const TGameFolders&) = delete;
    TGameFolders& operator=(const TGameFolders&) = delete;
    ~TGameFolders();

    const std::filesystem::path& Player() const { return PlayerFolder; }
    const std::filesystem::path& Shipped() const { return ShippedFolder; }
    // A shipped file by its game path ("Sfx\Moving1.wav").
    std::filesystem::path ShippedFile(std::string_view gamePath) const;
    // The folders that hold skin packages, the player's own last: a package there takes the
    // place of a shipped one of the same name.
    const std::vector<std::filesystem::path>& SkinFolders() const { return Skins; }
    // Empty, or the message that tells the player why settings and games cannot be kept.
    const std::string& Warning() const { return Why; }

private:
    TGameFolders(std::filesystem::path player, std::filesystem::path shipped);

    std::filesystem::path PlayerFolder;
    std::filesystem::path ShippedFolder;
    std::vector<std::filesystem::path> Skins;
    std::string Why;
    // The temporary folder played in when the player's folder cannot be written.
    std::filesystem::path Temporary;
};
