#pragma once

#include <QColor>
#include <QImage>
#include <filesystem>
#include <string>

#include "platform/FileSystem.h"
#include "skinformat/SkinConfig.h"

// A skin of solid colours for pixel checks: every frame of every strip, every digit and
// every preview slot has a colour of its own, so a pixel tells which piece was drawn.
namespace testskin {

inline QRgb StripFrame(int strip, int row, int column) {
    return qRgb(10 + strip * 40, 10 + row * 80, 10 + column * 18);
}
inline QRgb ScoreDigit(int digit) {
    return qRgb(200, 5 + digit * 20, 0);
}
inline QRgb ClockDigit(int digit) {
    return qRgb(0, 5 + digit * 20, 200);
}
inline QRgb PreviewSlot(int slot) {
    return qRgb(100 + slot * 20, 255, 100);
}
inline QRgb Background() {
    return qRgb(33, 33, 33);
}
inline QRgb EmptyCell() {
    return qRgb(250, 250, 250);
}

inline TSkinData Data(const std::string& name = "Solid") {
    TSkinData skin;
    skin.SkinName = name;
    skin.SkinAuthor = "Test Suite";
    skin.SkinVersion = "1";
    skin.ImageFiles = {"back.bmp", "cell.bmp", "s1.bmp",    "s2.bmp",    "s3.bmp",  "s4.bmp",
                       "s5.bmp",   "s6.bmp",   "score.bmp", "clock.bmp", "next.bmp"};
    TSkinLayout& l = skin.Layout;
    l.WindowWidth = 160;
    l.WindowHeight = 150;
    l.CellWidth = 10;
    l.CellHeight = 8;
    l.CellGapX = 2;
    l.CellGapY = 3;
    l.BoardDrawLeft = 5;
    l.BoardDrawTop = 40;
    l.BoardLeft = 5;
    l.BoardTop = 37;
    l.ClockLeft = 100;
    l.ClockTop = 4;
    l.ClockDigitWidth = 6;
    l.ClockDigitHeight = 9;
    l.ClockDigitStep = 7;
    l.ScoreLeft = 4;
    l.ScoreTop = 4;
    l.ScoreDigitWidth = 5;
    l.ScoreDigitHeight = 7;
    l.ScoreDigitStep = 6;
    l.PreviewLeft3 = 50;
    l.PreviewLeft4 = 45;
    l.PreviewTop = 20;
    l.PreviewBallWidth = 9;
    l.PreviewBallHeight = 9;
    return skin;
}

inline QImage Solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Writes the skin's "skin.cfg" and pictures into the folder.
inline void Write(const std::filesystem::path& folder, const TSkinData& skin) {
    std::filesystem::create_directories(folder);
    const TSkinLayout& l = skin.Layout;
    const auto save = [&](TSkinImage which, const QImage& image) {
        const auto path = folder / skin.ImageFile(which);
        image.save(QString::fromStdString(path.string()), "BMP");
    };
    save(TSkinImage::Background, Solid(l.WindowWidth, l.WindowHeight, Background()));
    save(TSkinImage::EmptyCell, Solid(l.CellWidth, l.CellHeight, EmptyCell()));
    for (int strip = 0; strip < 6; ++strip) {
        QImage image(13 * l.CellWidth, 3 * l.CellHeight, QImage::Format_RGB32);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 13; ++column) {
                for (int y = 0; y < l.CellHeight; ++y) {
                    for (int x = 0; x < l.CellWidth; ++x) {
                        image.setPixel(column * l.CellWidth + x, row * l.CellHeight + y,
                                       StripFrame(strip, row, column));
                    }
                }
            }
        }
        save(static_cast<TSkinImage>(static_cast<int>(TSkinImage::Strip1) + strip), image);
    }
    const auto strip = [](int count, int width, int height, QRgb (*colour)(int)) {
        QImage image(count * width, height, QImage::Format_RGB32);
        for (int piece = 0; piece < count; ++piece) {
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    image.setPixel(piece * width + x, y, colour(piece));
                }
            }
        }
        return image;
    };
    save(TSkinImage::ScoreDigits, strip(10, l.ScoreDigitWidth, l.ScoreDigitHeight, ScoreDigit));
    save(TSkinImage::ClockDigits, strip(10, l.ClockDigitWidth, l.ClockDigitHeight, ClockDigit));
    save(TSkinImage::PreviewBalls, strip(6, l.PreviewBallWidth, l.PreviewBallHeight, PreviewSlot));
    WriteFileAtomically(folder / "skin.cfg", FormatSkinConfig(skin));
}

}  // namespace testskin
