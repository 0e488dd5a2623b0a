#include "ApplySettings.h"

#include <QtGlobal>

#include "SoundNames.h"

namespace {

enum class TRebuild : uint8_t { Unpacked, NoPackage, CacheUnwritable };

// Unpacks the default package, or else the first one found, into the emptied cache. Without
// any package, and with a cache that cannot take the skin, the player has been told.
TRebuild RebuildCache(TLoader& loader, TMessageBoxes& messages) {
    loader.ClearSkinCache();
    const auto unpack = [&](std::string_view package) {
        const TLoader::TUnpackResult result =
            loader.ExtractSkinPackage(loader.PackagePath(package));
        return result == TLoader::TUnpackResult::CacheUnwritable ? TRebuild::CacheUnwritable
                                                                 : TRebuild::Unpacked;
    };
    switch (loader.ChooseSkinPackage()) {
        case TLoader::TPackageChoice::Default:
            return unpack(TLoader::DefaultPackage);
        case TLoader::TPackageChoice::FirstFound:
            return unpack(loader.FoundPackage());
        case TLoader::TPackageChoice::None:
            break;
    }
    messages.Show(
        QT_TRANSLATE_NOOP("GameText", "Skins are unavailable.\nPlease, (re-)install skins"),
        QT_TRANSLATE_NOOP("GameText", "Error"), TMessageIcon::Stop, TMessageButtons::Ok);
    return TRebuild::NoPackage;
}

enum class TSkinLoad : uint8_t { Loaded, ConfigRefused, PicturesRefused };

// Reads the cached skin and loads its pictures, telling the player why when it cannot; a
// refused "skin.cfg" is not told twice in one go.
TSkinLoad LoadCachedSkin(const TSettingsTarget& target, bool configRefusalTold) {
    if (!target.Loader.ReadSkinConfig(!configRefusalTold)) {
        return TSkinLoad::ConfigRefused;
    }
    const TSkinData& skin = target.Loader.SkinData();
    // The pictures keep the names they have in the cache, whatever case "skin.cfg" gives.
    const auto cachePath = [&](TSkinImage image) {
        return TPathText(std::string(TLoader::CacheFolder) +
                         target.Loader.CachedName(skin.ImageFile(image)));
    };
    TSkinFiles& files = target.Game.SkinFiles;
    files.Background = cachePath(TSkinImage::Background);
    files.EmptyCell = cachePath(TSkinImage::EmptyCell);
    for (int strip = 0; strip < ColourCount; ++strip) {
        files.BallStrips[strip] =
            cachePath(static_cast<TSkinImage>(static_cast<int>(TSkinImage::Strip1) + strip));
    }
    files.ScoreDigits = cachePath(TSkinImage::ScoreDigits);
    files.PreviewBalls = cachePath(TSkinImage::PreviewBalls);
    try {
        target.Renderer.LoadSkinImages(skin.Layout, files,
                                       cachePath(TSkinImage::ClockDigits).View());
    } catch (const TPictureError& error) {
        target.Messages.Show(error.what(), "VyxLines", TMessageIcon::Error, TMessageButtons::Ok);
        return TSkinLoad::PicturesRefused;
    }
    return TSkinLoad::Loaded;
}

// The cached skin, or when the cache holds none the default package's; a cached skin that
// turns out unusable gives way to the default package too. False when no usable skin is left.
bool LoadSkin(const TSettingsTarget& target) {
    if (!target.Loader.IsSkinCacheValid()) {
        // Without any package the emptied cache is still read and tells that no skin is there.
        // A cache that cannot take the skin has been told as what it is: no skin is missing.
        return RebuildCache(target.Loader, target.Messages) != TRebuild::CacheUnwritable &&
               LoadCachedSkin(target, false) == TSkinLoad::Loaded;
    }
    const TSkinLoad cached = LoadCachedSkin(target, false);
    if (cached == TSkinLoad::Loaded) {
        return true;
    }
    // The player has been told why the cached skin is refused; with no package at all, or a
    // cache that cannot take one, there is nothing more to try.
    return RebuildCache(target.Loader, target.Messages) == TRebuild::Unpacked &&
           LoadCachedSkin(target, cached == TSkinLoad::ConfigRefused) == TSkinLoad::Loaded;
}

}  // namespace

TChannelIntervals ChannelIntervals(const TAnimationSpeeds& speeds) {
    const auto animation = [](int32_t speed) { return static_cast<uint32_t>(60 - 4 * speed); };
    return {static_cast<uint32_t>(45 - 2 * speeds.Moving), animation(speeds.Appearance),
            animation(speeds.Choosing), animation(speeds.Deleting)};
}

bool ApplySettings(const TSettingsTarget& target) {
    if (!LoadSkin(target)) {
        return false;
    }
    for (int sound = 0; sound < SoundEventCount; ++sound) {
        target.Game.SoundFiles[sound].Assign(
            SoundFileName(static_cast<TSound>(sound), target.Game.SoundChoices[sound]));
    }
    return true;
}
