#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "skinformat/SkinConfig.h"

// A skin as data/ holds it: its configuration and its eleven pictures.
struct TShippedSkin {
    std::filesystem::path Folder;
    TSkinData Data;
    std::array<QImage, SkinImageCount> Images;

    const QImage& Image(TSkinImage image) const { return Images[static_cast<int>(image)]; }
};

// The skin folders of data/Gfx/Skins/, by name.
inline std::vector<std::filesystem::path> ShippedSkinFolders() {
    std::vector<std::filesystem::path> folders;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(VYX_DATA_DIR) / "Gfx/Skins")) {
        if (entry.is_directory()) {
            folders.push_back(entry.path());
        }
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

// Every shipped skin whose "skin.cfg" the game reads, read once for the whole test program;
// a skin that cannot be read fails the test that first asks.
inline const std::vector<TShippedSkin>& ShippedSkins() {
    static const std::vector<TShippedSkin> skins = [] {
        std::vector<TShippedSkin> read;
        for (const std::filesystem::path& folder : ShippedSkinFolders()) {
            const TSkinConfigResult parsed =
                ParseSkinConfig(ReadWholeFile(folder / "skin.cfg").value_or(""));
            if (!parsed.Data) {
                ADD_FAILURE() << folder << ": " << parsed.Problem;
                continue;
            }
            TShippedSkin skin{folder, *parsed.Data, {}};
            for (int i = 0; i < SkinImageCount; ++i) {
                const std::filesystem::path file = folder / skin.Data.ImageFiles[i];
                skin.Images[i] = QImage(QString::fromStdString(file.string()), "BMP");
            }
            read.push_back(std::move(skin));
        }
        return read;
    }();
    return skins;
}
