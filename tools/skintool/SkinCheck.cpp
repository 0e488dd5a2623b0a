#include "SkinCheck.h"

#include <QFile>
#include <QImage>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "SkinGeometry.h"
#include "platform/FileSystem.h"
#include "skinformat/SkinConfig.h"

namespace fs = std::filesystem;

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// A file that is there under other capitals is the usual reason for a missing file in a
// skin made on Windows.
std::string MissingText(const fs::path& folder, std::string_view name) {
    for (const std::string& present : ListFiles(folder, "*")) {
        if (SameIgnoringCase(present, name)) {
            return "missing, but there is \"" + present +
                   "\": the game tells capitals from small letters in file names, so rename "
                   "the file or correct its name in skin.cfg.";
        }
    }
    return "missing: add the picture or correct its name in skin.cfg.";
}

std::string SizeText(TPictureSize size) {
    return std::to_string(size.Width) + " x " + std::to_string(size.Height);
}

bool Fits(TPictureSize size, const TPictureRule& rule) {
    if (rule.Exact) {
        return size.Width == rule.Size.Width && size.Height == rule.Size.Height;
    }
    return size.Width >= rule.Size.Width && size.Height >= rule.Size.Height;
}

// The picture's size when it is there and readable.
std::optional<TPictureSize> CheckPicture(const fs::path& folder, const TSkinData& skin,
                                         TSkinImage image, TSkinProblems& problems) {
    const std::string& name = skin.ImageFile(image);
    const std::string label = name + " (" + PictureRole(image) + ")";
    const fs::path file = folder / name;
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        problems.push_back({false, label, MissingText(folder, name)});
        return std::nullopt;
    }
    QImage picture;
    if (!picture.load(QFile::decodeName(file.c_str()), "BMP")) {
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
    std::error_code error;
    const fs::path configFile = folder / "skin.cfg";
    const std::optional<std::string> config =
        fs::is_regular_file(configFile, error) ? ReadWholeFile(configFile) : std::nullopt;
    if (!config) {
        problems.push_back({false, "skin.cfg",
                            "missing: every skin needs its configuration file, named "
                            "\"skin.cfg\" in small letters."});
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
