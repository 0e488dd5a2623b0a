#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <set>

#include "PictureProbe.h"
#include "platform/FileSystem.h"
#include "skinformat/SkinConfig.h"
#include "support/GameFolder.h"

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

TEST(SkinPackage, WrittenFolderParsesAndEveryPictureHasTheSizeTheLayoutAsks) {
    TGameFolder folder;
    for (const TRenderedSkin& skin : RenderedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        const std::filesystem::path place = folder.Root / skin.Data.SkinName;
        ASSERT_EQ(WriteSkinFolder(skin, place), "");

        const std::optional<std::string> text = ReadWholeFile(place / "skin.cfg");
        ASSERT_TRUE(text);
        const TSkinConfigResult parsed = ParseSkinConfig(*text);
        ASSERT_TRUE(parsed.Data) << parsed.Problem;
        const TSkinData& data = *parsed.Data;
        EXPECT_EQ(data.SkinName, skin.Data.SkinName);
        EXPECT_EQ(data.SkinAuthor, "Vyx Games");
        EXPECT_LE(data.SkinVersion.size(), 9U);
        EXPECT_EQ(data.Layout, skin.Data.Layout);

        std::set<std::string> names;
        for (int i = 0; i < SkinImageCount; ++i) {
            const std::string& name = data.ImageFiles[i];
            names.insert(name);
            SCOPED_TRACE(name);
            const std::optional<std::string> bytes = ReadWholeFile(place / name);
            ASSERT_TRUE(bytes);
            EXPECT_EQ(bytes->substr(0, 2), "BM") << "a Windows bitmap";
            QImage picture;
            ASSERT_TRUE(picture.load(QString::fromStdString((place / name).string()), "BMP"));
            EXPECT_EQ(picture.size(), ExpectedSize(data.Layout, static_cast<TSkinImage>(i)));
            EXPECT_FALSE(picture.hasAlphaChannel()) << "the game copies pictures opaquely";
        }
        EXPECT_EQ(names.size(), 11U) << "every picture has a file of its own";
    }
}

TEST(SkinPackage, DrawingTwiceGivesTheSameBytes) {
    TGameFolder folder;
    const auto themes = ShippedSkins();
    ASSERT_FALSE(themes.empty());
    const TRenderedSkin again = RenderSkin(*themes.back());
    ASSERT_EQ(WriteSkinFolder(RenderedSkins().back(), folder.Root / "first"), "");
    ASSERT_EQ(WriteSkinFolder(again, folder.Root / "second"), "");
    for (const std::string& name : again.Data.ImageFiles) {
        EXPECT_EQ(ReadWholeFile(folder.Root / "first" / name),
                  ReadWholeFile(folder.Root / "second" / name))
            << name;
    }
    EXPECT_EQ(ReadWholeFile(folder.Root / "first" / "skin.cfg"),
              ReadWholeFile(folder.Root / "second" / "skin.cfg"));
}

TEST(SkinPackage, TheThreeSkinsDifferInNamePaletteAndGeometry) {
    const std::vector<TRenderedSkin>& skins = RenderedSkins();
    ASSERT_EQ(skins.size(), 3U);
    const TSkinData& first = skins.front().Data;
    EXPECT_EQ(first.SkinName, "Buttons") << "the default package comes first";
    EXPECT_EQ(first.Layout.WindowWidth, 379);
    EXPECT_EQ(first.Layout.WindowHeight, 433);

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
    EXPECT_TRUE(std::any_of(skins.begin(), skins.end(), [](const TRenderedSkin& skin) {
        return skin.Data.Layout.CellWidth != skin.Data.Layout.CellHeight;
    }));
}

}  // namespace
