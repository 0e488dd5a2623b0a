#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>

#include "Pictures.h"
#include "platform/FileSystem.h"
#include "platform/JpegDecoder.h"

TEST(Pictures, DecodeToTheirSizesAndLooks) {
    const QImage gameOver = DecodeJpeg(GameOverPicture());
    ASSERT_FALSE(gameOver.isNull());
    EXPECT_EQ(gameOver.size(), QSize(200, 100));

    // The ground along the border is light grey: bright, and with no colour cast.
    long long red = 0, green = 0, blue = 0, count = 0;
    for (int x = 0; x < 200; ++x) {
        for (int y : {0, 1, 98, 99}) {
            const QRgb pixel = gameOver.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    }
    EXPECT_GT(red / count, 175);
    EXPECT_LT(red / count, 240);
    EXPECT_NEAR(red / count, green / count, 8);
    EXPECT_NEAR(green / count, blue / count, 8);
    // The words are dark and large: a good share of the middle is near black.
    int dark = 0;
    for (int y = 10; y < 90; ++y) {
        for (int x = 20; x < 180; ++x) {
            dark += qGray(gameOver.pixel(x, y)) < 70 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 160 * 80 / 5);

    const QImage logo = DecodeJpeg(LogoPicture());
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(81, 82));
    // Its balls are coloured: the centre of the top left ball is far from grey.
    const QColor ball = logo.pixelColor(16, 17);
    EXPECT_GT(ball.hsvSaturation(), 120);
}

TEST(Pictures, TheGameHoldsTheBytesOfTheCommittedFiles) {
    const auto asBytes = [](std::span<const unsigned char> bytes) {
        return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    };
    const std::filesystem::path pictures = std::filesystem::path(VYX_DATA_DIR) / "Pictures";
    EXPECT_TRUE(ReadWholeFile(pictures / "GameOver.jpg") == asBytes(GameOverPicture()));
    EXPECT_TRUE(ReadWholeFile(pictures / "Logo.jpg") == asBytes(LogoPicture()));
}
