#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace {

// The sizes the icon theme holds a picture for.
constexpr int IconSizes[] = {16, 32, 48, 64, 128, 256};

std::filesystem::path IconFile(const std::string& size, const char* type) {
    return std::filesystem::path(VYX_DATA_DIR) / "icons/hicolor" / size / "apps" /
           (std::string(VYX_APP_ID) + type);
}

QImage Icon(int size) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    return QImage(QString::fromStdString(IconFile(folder, ".png").string()), "PNG")
        .convertToFormat(QImage::Format_ARGB32);
}

// The most saturated opaque colour in a square of the icon.
QColor MostColourful(const QImage& icon, const QRect& square) {
    QColor best(Qt::black);
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x) {
            const QColor colour = icon.pixelColor(x, y);
            if (colour.alpha() == 255 && colour.hsvSaturation() > best.hsvSaturation()) {
                best = colour;
            }
        }
    }
    return best;
}

}  // namespace

// Every size is square, clear around the board's rounded frame, and shows a ball of its own
// colour in every cell: four balls at 16 pixels, nine from 32 on.
TEST(Icons, EverySizeShowsTheBoardWithABallOfItsOwnColourInEveryCell) {
    for (const int size : IconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = Icon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_LT(qAlpha(icon.pixel(0, 0)), 64);
        EXPECT_LT(qAlpha(icon.pixel(size - 1, size - 1)), 64);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, 1 + size / 16)), 255);

        const int cells = size == 16 ? 2 : 3;
        const int share = size / cells;
        std::set<int> hues;
        for (int row = 0; row < cells; ++row) {
            for (int column = 0; column < cells; ++column) {
                const QColor ball =
                    MostColourful(icon, QRect(column * share, row * share, share, share));
                EXPECT_GT(ball.hsvSaturation(), 150) << column << "," << row;
                hues.insert(ball.hsvHue() / 12);
            }
        }
        EXPECT_EQ(hues.size(), static_cast<std::size_t>(cells * cells));
    }
}

// The scalable icon is the largest picture's design: drawn by another renderer it looks
// the same, pixel for pixel within antialiasing.
TEST(Icons, TheScalableIconLooksLikeTheLargestPicture) {
    if (std::system("command -v rsvg-convert >/dev/null") != 0) {
        GTEST_SKIP() << "rsvg-convert is not installed";
    }
    const std::filesystem::path rendering =
        std::filesystem::temp_directory_path() / "vyx-icons-scalable.png";
    const std::string command = "rsvg-convert -w 256 -h 256 -o \"" + rendering.string() + "\" \"" +
                                IconFile("scalable", ".svg").string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage rendered =
        QImage(QString::fromStdString(rendering.string())).convertToFormat(QImage::Format_ARGB32);
    std::filesystem::remove(rendering);
    const QImage painted = Icon(256);
    ASSERT_EQ(rendered.size(), painted.size());

    long long difference = 0;
    int far = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const QRgb a = rendered.pixel(x, y);
            const QRgb b = painted.pixel(x, y);
            const int most =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            difference += most;
            far += most > 48 ? 1 : 0;
        }
    }
    EXPECT_LT(difference / (256 * 256), 3);
    // Only edge pixels may differ much, where the two renderers antialias differently.
    EXPECT_LT(far, 256 * 256 / 100);
}
