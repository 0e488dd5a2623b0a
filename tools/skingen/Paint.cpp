#include "Paint.h"

#include <QFontInfo>
#include <algorithm>
#include <cstdint>
#include <stdexcept>

QColor Mix(const QColor& from, const QColor& to, double share) {
    const double t = std::clamp(share, 0.0, 1.0);
    auto channel = [t](double a, double b) { return a + (b - a) * t; };
    QColor mixed;
    mixed.setRgbF(static_cast<float>(channel(from.redF(), to.redF())),
                  static_cast<float>(channel(from.greenF(), to.greenF())),
                  static_cast<float>(channel(from.blueF(), to.blueF())),
                  static_cast<float>(channel(from.alphaF(), to.alphaF())));
    return mixed;
}

QColor WithAlpha(const QColor& colour, double alpha) {
    QColor result = colour;
    result.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
    return result;
}

QImage NewPicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 0));
    return picture;
}

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

double Hash01(int a, int b) {
    uint32_t h = static_cast<uint32_t>(a) * 0x9E3779B1U ^ static_cast<uint32_t>(b) * 0x85EBCA77U;
    h ^= h >> 15;
    h *= 0x2C1B3C6DU;
    h ^= h >> 12;
    h *= 0x297A2D39U;
    h ^= h >> 15;
    return static_cast<double>(h) / 4294967296.0;
}

QFont SkinFont(const QString& family, QFont::Weight weight, int pixelSize) {
    QFont font(family);
    font.setWeight(weight);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (QFontInfo(font).family() != family) {
        throw std::runtime_error("the font family " + family.toStdString() +
                                 " is not installed (fonts-dejavu-core)");
    }
    return font;
}
