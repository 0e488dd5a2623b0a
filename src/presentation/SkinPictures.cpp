#include "SkinPictures.h"

#include <QImageReader>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/Latin1.h"
#include "skinformat/PictureCut.h"

TPictureError::TPictureError(std::string_view gamePath)
    : std::runtime_error("Cannot load the picture \"" + std::string(gamePath) +
                         "\": the file is missing or is not a readable bitmap.") {}

TPictureError::TPictureError(std::string_view gamePath, int width, int height, TPictureLimit limit)
    : std::runtime_error("Cannot load the picture \"" + std::string(gamePath) + "\": it is " +
                         std::to_string(width) + " x " + std::to_string(height) +
                         " pixels, larger than the " + std::to_string(limit.Width) + " x " +
                         std::to_string(limit.Height) + " a skin can use in its place.") {}

namespace {

bool Exceeds(QSize size, TPictureLimit limit) {
    return size.width() > limit.Width || size.height() > limit.Height;
}

// A picture file can be huge or claim to be: its size is read from its header and held
// against what the skin can use before any pixel is read, and the decoder may allocate no
// more than such a picture needs.
QImage LoadPicture(std::string_view gamePath, TSkinImage role) {
    const TPictureLimit limit = MaxPictureSize(role);
    QImageReader reader(QString::fromStdString(NativePath(gamePath).string()));
    constexpr int64_t BytesPerPixel = 4;
    constexpr int64_t Mebibyte = 1 << 20;
    const int64_t largest = int64_t{limit.Width} * limit.Height * BytesPerPixel;
    reader.setAllocationLimit(static_cast<int>((largest + Mebibyte - 1) / Mebibyte));
    if (const QSize size = reader.size(); size.isValid() && Exceeds(size, limit)) {
        throw TPictureError(gamePath, size.width(), size.height(), limit);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw TPictureError(gamePath);
    }
    if (Exceeds(image.size(), limit)) {
        throw TPictureError(gamePath, image.width(), image.height(), limit);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// A piece lying within the picture shares its pixels: the piece holds a reference to the
// picture, which lives as long as any of its pieces. Copying the pieces out cost as much
// time at start-up as decoding the pictures. A piece reaching outside the picture is copied,
// and comes out black there, as a cut of a too small picture should.
QImage Cut(const QImage& source, const TPixelRect& place) {
    const auto [x, y, width, height] = place;
    if (width <= 0 || height <= 0) {
        return {};
    }
    if (!source.rect().contains(QRect(x, y, width, height))) {
        return source.copy(x, y, width, height);
    }
    auto keeper = std::make_unique<QImage>(source);
    const uchar* corner =
        keeper->constScanLine(y) + static_cast<qsizetype>(x) * (keeper->depth() / 8);
    QImage piece(
        corner, width, height, keeper->bytesPerLine(), keeper->format(),
        [](void* picture) { delete static_cast<QImage*>(picture); }, keeper.get());
    keeper.release();
    return piece;
}

}  // namespace

void LoadSkinImages(TSkinPictures& pictures, const TSkinLayout& layout, const TSkinFiles& files,
                    std::string_view clockDigitsPath) {
    const QImage scoreDigits = LoadPicture(files.ScoreDigits.View(), TSkinImage::ScoreDigits);
    const QImage clockDigits = LoadPicture(clockDigitsPath, TSkinImage::ClockDigits);
    std::array<QImage, ColourCount> strips;
    for (int strip = 0; strip < ColourCount; ++strip) {
        const auto role = static_cast<TSkinImage>(static_cast<int>(TSkinImage::Strip1) + strip);
        strips[strip] = LoadPicture(files.BallStrips[strip].View(), role);
    }
    const QImage previewBalls = LoadPicture(files.PreviewBalls.View(), TSkinImage::PreviewBalls);

    for (int strip = 0; strip < ColourCount; ++strip) {
        const auto role = static_cast<TSkinImage>(static_cast<int>(TSkinImage::Strip1) + strip);
        TSkinPictures::TStrip& balls = pictures.Balls[StripColours[strip]];
        for (int row = 0; row < StripRows; ++row) {
            for (int column = 0; column < StripColumns; ++column) {
                balls[row][column] = Cut(strips[strip], PieceRect(role, layout, column, row));
            }
        }
    }
    for (int digit = 0; digit < 10; ++digit) {
        pictures.ScoreDigits[digit] =
            Cut(scoreDigits, PieceRect(TSkinImage::ScoreDigits, layout, digit, 0));
    }
    for (int digit = 0; digit < 10; ++digit) {
        pictures.ClockDigits[digit] =
            Cut(clockDigits, PieceRect(TSkinImage::ClockDigits, layout, digit, 0));
    }
    for (int slot = 0; slot < ColourCount; ++slot) {
        pictures.PreviewBalls[slot] =
            Cut(previewBalls, PieceRect(TSkinImage::PreviewBalls, layout, slot, 0));
    }
    // Only the top-left cell of the empty cell picture is drawn: more would spill over the
    // neighbouring cells.
    pictures.EmptyCell = Cut(LoadPicture(files.EmptyCell.View(), TSkinImage::EmptyCell),
                             PieceRect(TSkinImage::EmptyCell, layout, 0, 0));
    pictures.Background = LoadPicture(files.Background.View(), TSkinImage::Background);
}
