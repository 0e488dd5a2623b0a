#pragma once

#include <string>
#include <string_view>

#include "platform/MessageBoxes.h"
#include "skinformat/SkinConfig.h"

// Skin packages ("Gfx\Skins\*.lsk") and the skin cache ("Gfx\Cache\"), which holds the
// unpacked current skin from one run to the next: the cache, not the settings, remembers
// which skin is in use.
class TLoader {
public:
    static constexpr std::string_view SkinsFolder = "Gfx\\Skins\\";
    static constexpr std::string_view CacheFolder = "Gfx\\Cache\\";
    static constexpr std::string_view DefaultPackage = "Buttons.lsk";

    enum class TPackageChoice : uint8_t { None = 0, Default = 1, FirstFound = 2 };

    explicit TLoader(TMessageBoxes& messages) : Messages(messages) {}

    // True when the cache holds "skin.cfg" and at least one "*.bmp".
    bool IsSkinCacheValid() const;
    // Deletes everything in the cache, folders included; what cannot be deleted is passed
    // over.
    void ClearSkinCache() const;
    // The default package when it exists, else the first package found (its file name is
    // kept in FoundPackage), else none.
    TPackageChoice ChooseSkinPackage();
    // Unpacks every entry of the package into the cache; a failure shows its message and
    // stops, leaving what was unpacked so far.
    void ExtractSkinPackage(std::string_view packageGamePath);
    // Reads the cache's "skin.cfg"; false, after the message, when there is none or it
    // cannot be used.
    bool ReadSkinConfig();

    const TSkinData& SkinData() const { return Skin; }
    const std::string& FoundPackage() const { return Found; }

private:
    TMessageBoxes& Messages;
    std::string Found;
    TSkinData Skin;
};
