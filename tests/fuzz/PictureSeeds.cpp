// Seeds of the pictures target: a byte naming the picture, then its file. The fuzz skin's
// own pictures, the same pictures in the other forms a bitmap may take, and bitmaps whose
// headers claim what their data does not hold.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <string>

#include "FuzzSkin.h"
#include "Seeds.h"
#include "platform/FileSystem.h"

namespace fs = std::filesystem;

namespace {

std::string Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

void PutLe(std::string& bytes, std::size_t at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// The fields of a bitmap's info header, by their offsets in the file.
constexpr std::size_t WidthField = 18;
constexpr std::size_t HeightField = 22;
constexpr std::size_t BitsField = 28;
constexpr std::size_t CompressionField = 30;
constexpr std::size_t ColoursField = 46;

std::string WithField(std::string bitmap, std::size_t field, uint32_t value, int size = 4) {
    PutLe(bitmap, field, value, size);
    return bitmap;
}

}  // namespace

TSeeds PictureSeeds(const fs::path& skinFolder) {
    const TSkinData skin = FuzzSkinData();
    TSeeds seeds;
    const auto add = [&seeds](const std::string& name, int picture, const std::string& file) {
        seeds.emplace_back(name, std::string(1, static_cast<char>(picture)) + file);
    };
    for (int picture = 0; picture < SkinImageCount; ++picture) {
        add(skin.ImageFiles[picture], picture,
            ReadWholeFile(skinFolder / skin.ImageFiles[picture]).value_or(""));
    }
    constexpr int Strip = 2;
    constexpr int ScoreDigits = 8;
    constexpr int ClockDigits = 9;
    const QImage strip(QString::fromStdString((skinFolder / skin.ImageFiles[Strip]).string()));
    const QImage digits(
        QString::fromStdString((skinFolder / skin.ImageFiles[ScoreDigits]).string()));
    const std::string bitmap = Encoded(strip, "BMP");
    add("strip-8-bit", Strip, Encoded(strip.convertToFormat(QImage::Format_Indexed8), "BMP"));
    add("digits-1-bit", ScoreDigits, Encoded(digits.convertToFormat(QImage::Format_Mono), "BMP"));
    add("digits-png", ClockDigits, Encoded(digits, "PNG"));
    add("strip-top-down", Strip,
        WithField(bitmap, HeightField, static_cast<uint32_t>(-strip.height())));
    add("strip-narrower-than-claimed", Strip, WithField(bitmap, WidthField, 5000));
    add("strip-huge", Strip, WithField(WithField(bitmap, WidthField, 40000), HeightField, 40000));
    add("strip-zero-wide", Strip, WithField(bitmap, WidthField, 0));
    add("strip-cut", Strip, bitmap.substr(0, bitmap.size() / 2));
    add("strip-header-only", Strip, bitmap.substr(0, 54));
    const std::string indexed = Encoded(strip.convertToFormat(QImage::Format_Indexed8), "BMP");
    add("strip-run-length", Strip, WithField(indexed, CompressionField, 1));
    add("strip-palette-overlong", Strip, WithField(indexed, ColoursField, 0x10000));
    add("strip-bit-fields", Strip, WithField(bitmap, CompressionField, 3));
    add("strip-7-bits", Strip, WithField(bitmap, BitsField, 7, 2));
    return seeds;
}
