#include "SkinPictures.h"

#include <QImageReader>

#include "platform/FileSystem.h"
#include "platform/Latin1.h"

TPictureError::TPictureError(std::string_view gamePath)
    : std::runtime_error("Cannot load the picture \"" + std::string(gamePath) +
                         "\": the file is missing or is not a readable bitmap.") {}

namespace {

QImage LoadPicture(std::string_view gamePath) {
    QImageReader reader(QString::fromStdString(NativePath(gamePath).string()));
    QImage image = reader.read();
    if (image.isNull()) {
        throw TPictureError(gamePath);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// A piece outside the picture comes out black, as a cut of a too small picture should.
QImage Cut(const QImage& source, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) {
        return {};
    }
    return source.copy(x, y, width, height);
}

}  // namespace

void LoadSkinImages(TSkinPictures& pictures, const TSkinLayout& layout, const TSkinFiles& files,
                    std::string_view clockDigitsPath) {
    const QImage scoreDigits = LoadPicture(files.ScoreDigits.View());
    const QImage clockDigits = LoadPicture(clockDigitsPath);
    std::array<QImage, ColourCount> strips;
    for (int strip = 0; strip < ColourCount; ++strip) {
        strips[strip] = LoadPicture(files.BallStrips[strip].View());
    }
    const QImage previewBalls = LoadPicture(files.PreviewBalls.View());

    const int width = layout.CellWidth;
    const int height = layout.CellHeight;
    for (int strip = 0; strip < ColourCount; ++strip) {
        const int colour = StripColours[strip];
        pictures.BallStill[colour] = Cut(strips[strip], 12 * width, 0, width, height);
    }
    for (int strip = 0; strip < ColourCount; ++strip) {
        auto& frames = pictures.BallFrames[StripColours[strip]];
        int entry = 0;
        for (int row = 0; row < 3; ++row) {
            const int columns = row == 0 ? BounceFrames : AppearFrames;
            for (int column = 0; column < columns; ++column) {
                frames[entry++] = Cut(strips[strip], column * width, row * height, width, height);
            }
        }
    }
    for (int digit = 0; digit < 10; ++digit) {
        pictures.ScoreDigits[digit] = Cut(scoreDigits, digit * layout.ScoreDigitWidth, 0,
                                          layout.ScoreDigitWidth, layout.ScoreDigitHeight);
    }
    for (int digit = 0; digit < 10; ++digit) {
        pictures.ClockDigits[digit] = Cut(clockDigits, digit * layout.ClockDigitWidth, 0,
                                          layout.ClockDigitWidth, layout.ClockDigitHeight);
    }
    for (int slot = 0; slot < ColourCount; ++slot) {
        pictures.PreviewBalls[slot] = Cut(previewBalls, slot * layout.PreviewBallWidth, 0,
                                          layout.PreviewBallWidth, layout.PreviewBallHeight);
    }
    pictures.EmptyCell = LoadPicture(files.EmptyCell.View());
    pictures.Background = LoadPicture(files.Background.View());
}
