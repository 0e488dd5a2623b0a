#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

#include "platform/MessageBoxes.h"
#include "skinformat/SkinConfig.h"

// Skin packages ("Gfx\Skins\*.lsk") and the skin cache ("Gfx\Cache\"), which holds the
// unpacked current skin from one run to the next: the cache, not the settings, remembers
// which skin is in use. Packages may lie in more than one folder (an installed game's own
// and the player's); the cache is always the current directory's.
class TLoader {
public:
    static constexpr std::string_view SkinsFolder = "Gfx\\Skins\\";
    static constexpr std::string_view CacheFolder = "Gfx\\Cache\\";
    static constexpr std::string_view DefaultPackage = "Buttons.lsk";

    enum class TPackageChoice : uint8_t { None = 0, Default = 1, FirstFound = 2 };
    // What came of unpacking a package; each failure has been told to the player. A package
    // may also end early without a word, as a damaged one whose damage the reader cannot
    // name does: that counts as unpacked, and the skin's own check finds what is missing.
    enum class TUnpackResult : uint8_t { Unpacked, PackageRefused, CacheUnwritable };

    // The skin folders in rising precedence: of two packages with the same file name, the
    // one in the later folder is offered.
    explicit TLoader(TMessageBoxes& messages,
                     std::vector<std::filesystem::path> skinFolders = {NativePath(SkinsFolder)})
        : Messages(messages), SkinFolders(std::move(skinFolders)) {}

    static constexpr std::string_view ConfigFile = "skin.cfg";

    // True when the cache holds "skin.cfg" and at least one "*.bmp".
    bool IsSkinCacheValid() const;
    // Deletes everything in the cache, folders included; what cannot be deleted is passed
    // over.
    void ClearSkinCache() const;
    // Every package on offer ("*.lsk"), by file name in name order, with where it lies.
    std::map<std::string, std::filesystem::path> Packages() const;
    // Where the package of that file name lies; a package that is nowhere is looked for in
    // the last folder, so opening it fails as for any missing package.
    std::filesystem::path PackagePath(std::string_view fileName) const;
    // The default package when it exists, else the first package found (its file name is
    // kept in FoundPackage), else none.
    TPackageChoice ChooseSkinPackage();
    // Unpacks every entry of the package into the cache; a failure shows its message and
    // stops. A damaged package leaves what was unpacked so far. A cache that cannot take the
    // skin (a full disk, a read-only folder) is emptied, so that no part of a skin is
    // taken for a whole one.
    TUnpackResult ExtractSkinPackage(const std::filesystem::path& package);
    // Reads the cache's "skin.cfg"; false, after the message unless the player has been
    // told already, when there is none or it cannot be used.
    bool ReadSkinConfig(bool tellPlayer = true);
    // The name under which a file of the skin lies in the cache. Packages made where file
    // names ignore case may name "skin.cfg" and the pictures in any case ("SKIN.CFG",
    // "Ball1.BMP"); the name itself when the cache holds no such file.
    std::string CachedName(std::string_view name) const;

    const TSkinData& SkinData() const { return Skin; }
    const std::string& FoundPackage() const { return Found; }

private:
    TMessageBoxes& Messages;
    std::vector<std::filesystem::path> SkinFolders;
    std::string Found;
    TSkinData Skin;
};
