#include "SkinLoader.h"

#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/RarArchive.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view ExtractCaption = "Skin extract error";

std::string CachePath(std::string_view file) {
    return std::string(TLoader::CacheFolder) + std::string(file);
}

}  // namespace

bool TLoader::IsSkinCacheValid() const {
    const fs::path cache = NativePath(CacheFolder);
    std::error_code error;
    return !ListFiles(cache, "*.bmp").empty() &&
           fs::is_regular_file(NativePath(CachePath("skin.cfg")), error);
}

// Folders go too, with all they hold: a folder that a package brought would otherwise stay
// for good and could stand where the next skin's file must go (a folder "skin.cfg" keeps
// every skin, the default one included, from being unpacked again).
void TLoader::ClearSkinCache() const {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(NativePath(CacheFolder), error)) {
        std::error_code ignored;
        fs::remove_all(entry.path(), ignored);
    }
}

TLoader::TPackageChoice TLoader::ChooseSkinPackage() {
    const std::string skins(SkinsFolder);
    std::error_code error;
    if (fs::is_regular_file(NativePath(skins + std::string(DefaultPackage)), error)) {
        return TPackageChoice::Default;
    }
    const std::vector<std::string> packages = ListFiles(NativePath(SkinsFolder), "*.lsk");
    if (packages.empty()) {
        return TPackageChoice::None;
    }
    Found = packages.front();
    return TPackageChoice::FirstFound;
}

void TLoader::ExtractSkinPackage(std::string_view packageGamePath) {
    const std::unique_ptr<TRarArchive> archive =
        TRarArchive::OpenForExtraction(NativePath(packageGamePath));
    if (!archive) {
        Messages.Show(
            "Can not open skin.\nFile may be corrupted or    unsupported format.\nTry to "
            "reinstall skin.",
            ExtractCaption, TMessageIcon::Stop, TMessageButtons::Ok);
        return;
    }
    const fs::path cache = NativePath(CacheFolder);
    for (;;) {
        const TRarArchive::THeaderResult result = archive->ReadHeader();
        if (result == TRarArchive::THeaderResult::Ok) {
            if (!archive->ExtractEntry(cache)) {
                Messages.Show(
                    "Can not open skin.\nFile may be corrupted or  unsupported format.\nTry to "
                    "reinstall skin.",
                    ExtractCaption, TMessageIcon::Stop, TMessageButtons::Ok);
                return;
            }
        } else {
            if (result == TRarArchive::THeaderResult::BadHeader) {
                Messages.Show("File header corrupted. \nTry to reinstall skin.", ExtractCaption,
                              TMessageIcon::Stop, TMessageButtons::Ok);
            }
            return;
        }
    }
}

bool TLoader::ReadSkinConfig() {
    const std::optional<std::string> text = ReadWholeFile(NativePath(CachePath("skin.cfg")));
    TSkinConfigResult result;
    if (text) {
        result = ParseSkinConfig(*text);
    }
    if (!result.Data) {
        Messages.Show("Can not find skin!", "VyxLines", TMessageIcon::None, TMessageButtons::Ok);
        return false;
    }
    Skin = std::move(*result.Data);
    return true;
}
