#include "ApplySettings.h"

#include "SoundNames.h"

namespace {

TPathText CachePath(const std::string& file) {
    return TPathText(std::string(TLoader::CacheFolder) + file);
}

void RebuildCache(TLoader& loader, TMessageBoxes& messages) {
    loader.ClearSkinCache();
    switch (loader.ChooseSkinPackage()) {
        case TLoader::TPackageChoice::Default:
            loader.ExtractSkinPackage(loader.PackagePath(TLoader::DefaultPackage));
            break;
        case TLoader::TPackageChoice::FirstFound:
            loader.ExtractSkinPackage(loader.PackagePath(loader.FoundPackage()));
            break;
        case TLoader::TPackageChoice::None:
            messages.Show("Skins are unavailable.\nPlease, (re-)install skins", "Error",
                          TMessageIcon::Stop, TMessageButtons::Ok);
            break;
    }
}

// Reads the cached skin and loads its pictures; false, after the message, when it cannot.
bool LoadCachedSkin(const TSettingsTarget& target) {
    if (!target.Loader.ReadSkinConfig()) {
        return false;
    }
    const TSkinData& skin = target.Loader.SkinData();
    target.Host.SetClientSize(skin.Layout.WindowWidth, skin.Layout.WindowHeight);
    TSkinFiles& files = target.Game.SkinFiles;
    files.Background = CachePath(skin.ImageFile(TSkinImage::Background));
    files.EmptyCell = CachePath(skin.ImageFile(TSkinImage::EmptyCell));
    for (int strip = 0; strip < ColourCount; ++strip) {
        files.BallStrips[strip] =
            CachePath(skin.ImageFiles[static_cast<int>(TSkinImage::Strip1) + strip]);
    }
    files.ScoreDigits = CachePath(skin.ImageFile(TSkinImage::ScoreDigits));
    files.PreviewBalls = CachePath(skin.ImageFile(TSkinImage::PreviewBalls));
    try {
        target.Renderer.LoadSkinImages(skin.Layout, files,
                                       CachePath(skin.ImageFile(TSkinImage::ClockDigits)).View());
    } catch (const TPictureError& error) {
        target.Messages.Show(error.what(), "VyxLines", TMessageIcon::Error, TMessageButtons::Ok);
        return false;
    }
    return true;
}

}  // namespace

TChannelIntervals ChannelIntervals(const TAnimationSpeeds& speeds) {
    const auto animation = [](int32_t speed) { return static_cast<uint32_t>(60 - 4 * speed); };
    return {static_cast<uint32_t>(45 - 2 * speeds.Moving), animation(speeds.Appearance),
            animation(speeds.Choosing), animation(speeds.Deleting)};
}

bool ApplySettings(const TSettingsTarget& target) {
    target.Host.ShowSettingsInMenu(target.Game);
    bool freshFromPackage = false;
    if (!target.Loader.IsSkinCacheValid()) {
        RebuildCache(target.Loader, target.Messages);
        freshFromPackage = true;
    }
    bool loaded = LoadCachedSkin(target);
    if (!loaded && !freshFromPackage) {
        RebuildCache(target.Loader, target.Messages);
        loaded = LoadCachedSkin(target);
    }
    if (!loaded) {
        return false;
    }
    for (int sound = 0; sound < SoundEventCount; ++sound) {
        target.Game.SoundFiles[sound].Assign(
            SoundFileName(static_cast<TSound>(sound), target.Game.SoundChoices[sound]));
    }
    target.Host.SetChannelIntervals(ChannelIntervals(target.Game.Speeds));
    target.Renderer.DrawBoard();
    return true;
}
