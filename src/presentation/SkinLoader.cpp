#include "SkinLoader.h"

#include <QtGlobal>
#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/RarArchive.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view ExtractCaption = QT_TRANSLATE_NOOP("GameText", "Skin extract error");

std::string CachePath(std::string_view file) {
    return std::string(TLoader::CacheFolder) + std::string(file);
}

}  // namespace

bool TLoader::IsSkinCacheValid() const {
    const fs::path cache = NativePath(CacheFolder);
    return !ListFiles(cache, "*.bmp").empty() && FindFileIgnoringCase(cache, ConfigFile);
}

std::string TLoader::CachedName(std::string_view name) const {
    return FindFileIgnoringCase(NativePath(CacheFolder), name).value_or(std::string(name));
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

std::map<std::string, fs::path> TLoader::Packages() const {
    std::map<std::string, fs::path> packages;
    for (const fs::path& folder : SkinFolders) {
        for (std::string& name : ListFiles(folder, "*.lsk")) {
            fs::path path = folder / name;
            packages.insert_or_assign(std::move(name), std::move(path));
        }
    }
    return packages;
}

fs::path TLoader::PackagePath(std::string_view fileName) const {
    for (auto folder = SkinFolders.rbegin(); folder != SkinFolders.rend(); ++folder) {
        std::error_code error;
        if (fs::is_regular_file(*folder / fileName, error)) {
            return *folder / fileName;
        }
    }
    return SkinFolders.empty() ? fs::path(fileName) : SkinFolders.back() / fileName;
}

TLoader::TPackageChoice TLoader::ChooseSkinPackage() {
    std::error_code error;
    if (fs::is_regular_file(PackagePath(DefaultPackage), error)) {
        return TPackageChoice::Default;
    }
    const std::map<std::string, fs::path> packages = Packages();
    if (packages.empty()) {
        return TPackageChoice::None;
    }
    Found = packages.begin()->first;
    return TPackageChoice::FirstFound;
}

TLoader::TUnpackResult TLoader::ExtractSkinPackage(const fs::path& package) {
    const std::unique_ptr<TRarArchive> archive = TRarArchive::OpenForExtraction(package);
    if (!archive) {
        Messages.Show(
            QT_TRANSLATE_NOOP("GameText",
                              "Can not open skin.\nFile may be corrupted or    unsupported "
                              "format.\nTry to reinstall skin."),
            ExtractCaption, TMessageIcon::Stop, TMessageButtons::Ok);
        return TUnpackResult::PackageRefused;
    }
    const fs::path cache = NativePath(CacheFolder);
    for (;;) {
        const TRarArchive::THeaderResult result = archive->ReadHeader();
        if (result != TRarArchive::THeaderResult::Ok) {
            if (result == TRarArchive::THeaderResult::BadHeader) {
                Messages.Show(QT_TRANSLATE_NOOP("GameText",
                                                "File header corrupted. \nTry to reinstall skin."),
                              ExtractCaption, TMessageIcon::Stop, TMessageButtons::Ok);
                return TUnpackResult::PackageRefused;
            }
            return TUnpackResult::Unpacked;
        }
        const TExtractResult extracted = archive->ExtractEntry(cache);
        if (extracted.Kind == TExtractResult::TKind::Refused) {
            Messages.Show(
                QT_TRANSLATE_NOOP("GameText",
                                  "Can not open skin.\nFile may be corrupted or  unsupported "
                                  "format.\nTry to reinstall skin."),
                ExtractCaption, TMessageIcon::Stop, TMessageButtons::Ok);
            return TUnpackResult::PackageRefused;
        }
        if (extracted.Kind == TExtractResult::TKind::WriteFailed) {
            ClearSkinCache();
            // The folder is named without the "/" that ends the cache's game path.
            Messages.Show(WriteFailureText("Can not unpack skin into",
                                           fs::absolute(cache).parent_path(), extracted.Write),
                          ExtractCaption, TMessageIcon::Stop, TMessageButtons::Ok);
            return TUnpackResult::CacheUnwritable;
        }
    }
}

bool TLoader::ReadSkinConfig(bool tellPlayer) {
    const std::optional<std::string> text =
        ReadWholeFile(NativePath(CachePath(CachedName(ConfigFile))));
    TSkinConfigResult result;
    if (text) {
        result = ParseSkinConfig(*text);
    }
    if (!result.Data) {
        if (tellPlayer) {
            Messages.Show(QT_TRANSLATE_NOOP("GameText", "Can not find skin!"), "VyxLines",
                          TMessageIcon::None, TMessageButtons::Ok);
        }
        return false;
    }
    Skin = std::move(*result.Data);
    return true;
}
