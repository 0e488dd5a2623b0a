#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <set>
#include <sstream>

#include "PictureProbe.h"
#include "SkinTool.h"
#include "platform/FileSystem.h"
#include "presentation/SkinLoader.h"
#include "skinformat/SkinConfig.h"

namespace {

QSize ExpectedSize(const TSkinLayout& l, TSkinImage image) {
    switch (image) {
        case TSkinImage::Background:
            return {l.WindowWidth, l.WindowHeight};
        case TSkinImage::EmptyCell:
            return {l.CellWidth, l.CellHeight};
        case TSkinImage::ScoreDigits:
            return {10 * l.ScoreDigitWidth, l.ScoreDigitHeight};
        case TSkinImage::ClockDigits:
            return {10 * l.ClockDigitWidth, l.ClockDigitHeight};
        case TSkinImage::PreviewBalls:
            return {6 * l.PreviewBallWidth, l.PreviewBallHeight};
        default:
            return {13 * l.CellWidth, 3 * l.CellHeight};
    }
}

TEST(SkinFolders, EveryFolderPassesTheSkinToolsCheck) {
    const std::vector<std::filesystem::path> folders = ShippedSkinFolders();
    ASSERT_EQ(folders.size(), 3U);
    for (const std::filesystem::path& folder : folders) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunSkinTool({"check", folder.string()}, out, err), 0) << out.str() << err.str();
        // Not even a warning: the game shows the skins as they were drawn.
        EXPECT_EQ(out.str().find("warning"), std::string::npos) << out.str();
    }
}

TEST(SkinFolders, EveryPictureIsAnOpaqueBitmapOfTheSizeTheLayoutAsks) {
    ASSERT_EQ(ShippedSkins().size(), ShippedSkinFolders().size());
    for (const TShippedSkin& skin : ShippedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        EXPECT_EQ(skin.Folder.filename().string(), skin.Data.SkinName)
            << "the package is named after its folder";
        EXPECT_EQ(skin.Data.SkinAuthor, "Vyx Games");
        EXPECT_LE(skin.Data.SkinVersion.size(), 9U);

        std::set<std::string> names;
        for (int i = 0; i < SkinImageCount; ++i) {
            const std::string& name = skin.Data.ImageFiles[i];
            names.insert(name);
            SCOPED_TRACE(name);
            EXPECT_EQ(ReadWholeFile(skin.Folder / name).value_or("").substr(0, 2), "BM")
                << "a Windows bitmap";
            ASSERT_FALSE(skin.Images[i].isNull());
            EXPECT_EQ(skin.Images[i].size(),
                      ExpectedSize(skin.Data.Layout, static_cast<TSkinImage>(i)));
            EXPECT_FALSE(skin.Images[i].hasAlphaChannel()) << "the game copies pictures opaquely";
        }
        EXPECT_EQ(names.size(), 11U) << "every picture has a file of its own";
    }
}

TEST(SkinFolders, TheThreeSkinsDifferInNamePaletteAndGeometry) {
    const std::vector<TShippedSkin>& skins = ShippedSkins();
    ASSERT_EQ(skins.size(), 3U);
    const auto fallback = std::find_if(skins.begin(), skins.end(), [](const TShippedSkin& skin) {
        return skin.Data.SkinName + ".lsk" == TLoader::DefaultPackage;
    });
    ASSERT_NE(fallback, skins.end()) << "the game falls back on " << TLoader::DefaultPackage;
    EXPECT_EQ(fallback->Data.Layout.WindowWidth, 379);
    EXPECT_EQ(fallback->Data.Layout.WindowHeight, 433);

    for (std::size_t a = 0; a < skins.size(); ++a) {
        const TSkinData& one = skins[a].Data;
        EXPECT_LE(one.SkinName.size(), 19U);
        EXPECT_EQ(one.SkinName.find_first_of(" \t"), std::string::npos);
        for (std::size_t b = a + 1; b < skins.size(); ++b) {
            const TSkinData& other = skins[b].Data;
            SCOPED_TRACE(one.SkinName + " against " + other.SkinName);
            EXPECT_NE(one.SkinName, other.SkinName);
            EXPECT_NE(one.Layout.CellWidth, other.Layout.CellWidth);
            EXPECT_TRUE(one.Layout.CellGapX != other.Layout.CellGapX ||
                        one.Layout.CellGapY != other.Layout.CellGapY);
            EXPECT_NE(one.Layout.WindowWidth, other.Layout.WindowWidth);
            EXPECT_NE(one.Layout.WindowHeight, other.Layout.WindowHeight);
            EXPECT_NE(one.Layout.BoardDrawTop, other.Layout.BoardDrawTop);
            EXPECT_NE(one.Layout.ScoreTop, other.Layout.ScoreTop);
            EXPECT_NE(skins[a].Image(TSkinImage::EmptyCell).pixel(0, 0),
                      skins[b].Image(TSkinImage::EmptyCell).pixel(0, 0));
        }
    }
    // One skin has cells that are not square, so width and height are never mixed up.
    EXPECT_TRUE(std::any_of(skins.begin(), skins.end(), [](const TShippedSkin& skin) {
        return skin.Data.Layout.CellWidth != skin.Data.Layout.CellHeight;
    }));
}

}  // namespace
