#include <QPainter>

#include "Drawings.h"
#include "LogoDesign.h"

namespace {

constexpr int Width = 81;
constexpr int Height = 82;
// Drawn at four times the size and scaled down: small round shapes come out smoother than
// antialiasing alone makes them.
constexpr int Oversample = 4;

}  // namespace

QImage DrawLogo() {
    QImage large(Width * Oversample, Height * Oversample, QImage::Format_RGB32);
    large.fill(QColor(236, 238, 242));
    QPainter painter(&large);
    painter.scale(Oversample, Oversample);

    const TLogoGrid grid{3, 2.0, 2.0, 23.0};
    const QPointF origin((Width - grid.Side()) / 2.0, (Height - grid.Side()) / 2.0);
    PaintScene(painter, LogoScene(origin, grid, TLogoDetail{}));
    painter.end();
    return large.scaled(Width, Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
