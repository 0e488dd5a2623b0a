#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>

// Small colour and canvas helpers shared by every painter of the skins.

QColor Mix(const QColor& from, const QColor& to, double share);
inline QColor Lighter(const QColor& colour, double share) {
    return Mix(colour, QColor(255, 255, 255), share);
}
inline QColor Darker(const QColor& colour, double share) {
    return Mix(colour, QColor(0, 0, 0), share);
}
QColor WithAlpha(const QColor& colour, double alpha);

// An opaque picture, as every skin picture is; starts black.
QImage NewPicture(QSize size);

// A painter with antialiasing for shapes, gradients and text.
void Smooth(QPainter& painter);

// A deterministic pseudo-random value in [0, 1) for a pair of integers: textures and sparks
// must come out the same on every build.
double Hash01(int a, int b);

// A font the skins are drawn with (the DejaVu families); throws when the family is missing,
// since another font would silently change every digit.
QFont SkinFont(const QString& family, QFont::Weight weight, int pixelSize);
