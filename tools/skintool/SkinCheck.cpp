#include "SkinCheck.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <optional>
#include <string>

#include "SkinGeometry.h"
#include "platform/FileSystem.h"
#include "skinformat/SkinConfig.h"

namespace fs = std::filesystem;

namespace {

std::string SizeText(TPictureSize size) {
    return std::to_string(size.Width) + " x " + std::to_string(size.Height);
}

bool Fits(TPictureSize size, const TPictureRule& rule) {
    if (rule.Exact) {
        return size.Width == rule.Size.Width && size.Height == rule.Size.Height;
    }
    return size.Width >= rule.Size.Width && size.Height >= rule.Size.Height;
}

// The picture's size when it is there and readable. The game finds a picture whatever the
// case of its name, and refuses one larger than a skin can use before reading its pixels.
std::optional<TPictureSize> CheckPicture(const fs::path& folder, const TSkinData& skin,
                                         TSkinImage image, TSkinProblems& problems) {
    const std::string& name = skin.ImageFile(image);
    const std::string label = name + " (" + PictureRole(image) + ")";
    const std::optional<std::string> present = FindFileIgnoringCase(folder, name);
    if (!present) {
        problems.push_back(
            {false, label, "missing: add the picture or correct its name in skin.cfg."});
        return std::nullopt;
    }
    QImageReader reader(QFile::decodeName((folder / *present).c_str()), "BMP");
    const QSize header = reader.size();
    const TPictureLimit limit = MaxPictureSize(image);
    if (header.isValid() && (header.width() > limit.Width || header.height() > limit.Height)) {
        problems.push_back({false, label,
                            SizeText({header.width(), header.height()}) +
                                " pixels, larger than the game loads for the " +
                                PictureRole(image) + " (at most " +
                                SizeText({limit.Width, limit.Height}) +
                                " pixels, for the largest layout skin.cfg may give): make it "
                                "smaller."});
        return std::nullopt;
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        problems.push_back(
            {false, label, "not a readable Windows BMP file: save the picture in BMP format."});
        return std::nullopt;
    }
    const TPictureSize size{picture.width(), picture.height()};
    const TPictureRule rule = PictureRule(image, skin.Layout);
    if (!Fits(size, rule)) {
        problems.push_back({false, label,
                            SizeText(size) + " pixels; it must be " +
                                (rule.Exact ? "exactly " : "at least ") + SizeText(rule.Size) +
                                ", " + rule.Shape + ": " +
                                (rule.Exact ? "redraw it at that size" : "enlarge it") +
                                " or correct " + rule.Names + " in skin.cfg."});
    }
    return size;
}

}  // namespace

TSkinProblems CheckSkinFolder(const fs::path& folder, std::string_view skinName) {
    TSkinProblems problems;
    // The game takes a cache without a bitmap for broken and unpacks the default skin.
    if (ListFiles(folder, "*.bmp").empty()) {
        problems.push_back({false, std::string(skinName),
                            "no file name ends in \".bmp\", so the game drops the skin at its "
                            "next start and falls back to the default skin: name the pictures "
                            "\"*.bmp\"."});
    }
    const std::optional<std::string> configName = FindFileIgnoringCase(folder, "skin.cfg");
    const std::optional<std::string> config =
        configName ? ReadWholeFile(folder / *configName) : std::nullopt;
    if (!config) {
        problems.push_back({false, "skin.cfg",
                            "missing: every skin needs its configuration file, named "
                            "\"skin.cfg\"."});
        return problems;
    }
    const TSkinConfigResult parsed = ParseSkinConfig(*config);
    if (!parsed.Data) {
        problems.push_back({false, "skin.cfg", "the game refuses it: " + parsed.Problem + "."});
        return problems;
    }
    const TSkinData& skin = *parsed.Data;
    std::optional<TPictureSize> background;
    for (int index = 0; index < SkinImageCount; ++index) {
        const auto image = static_cast<TSkinImage>(index);
        const std::optional<TPictureSize> size = CheckPicture(folder, skin, image, problems);
        if (image == TSkinImage::Background) {
            background = size;
        }
    }
    CheckSkinGeometry(skin.Layout, background, skin.ImageFile(TSkinImage::Background), problems);
    return problems;
}
