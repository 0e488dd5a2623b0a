#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>

#include "Drawings.h"

namespace {

constexpr int Width = 81;
constexpr int Height = 82;
// Drawn at four times the size and scaled down: small round shapes come out smoother than
// antialiasing alone makes them.
constexpr int Oversample = 4;

void DrawBoard(QPainter& painter, const QRectF& board, double cell, double gap) {
    QLinearGradient frame(board.topLeft(), board.bottomLeft());
    frame.setColorAt(0.0, QColor(74, 86, 104));
    frame.setColorAt(1.0, QColor(34, 40, 52));
    painter.setPen(QPen(QColor(20, 24, 32), 1.0));
    painter.setBrush(frame);
    painter.drawRoundedRect(board, 5, 5);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF square(board.left() + gap + column * (cell + gap),
                                board.top() + gap + row * (cell + gap), cell, cell);
            QLinearGradient inset(square.topLeft(), square.bottomRight());
            inset.setColorAt(0.0, QColor(30, 36, 46));
            inset.setColorAt(1.0, QColor(58, 68, 84));
            painter.setPen(Qt::NoPen);
            painter.setBrush(inset);
            painter.drawRoundedRect(square, 2.5, 2.5);
        }
    }
}

// A glossy ball: lit from the top left, a darker rim, a soft reflection of the light at
// the bottom and a bright highlight.
void DrawBall(QPainter& painter, QPointF centre, double radius, QColor colour) {
    painter.setPen(Qt::NoPen);
    QRadialGradient shadow(centre + QPointF(radius * 0.15, radius * 0.25), radius * 1.1);
    shadow.setColorAt(0.75, QColor(0, 0, 0, 110));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setBrush(shadow);
    painter.drawEllipse(centre + QPointF(radius * 0.15, radius * 0.25), radius * 1.1, radius * 1.1);

    QRadialGradient body(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
    body.setColorAt(0.0, colour.lighter(175));
    body.setColorAt(0.45, colour);
    body.setColorAt(0.85, colour.darker(170));
    body.setColorAt(1.0, colour.darker(260));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);

    QRadialGradient glow(centre + QPointF(0, radius * 0.55), radius * 0.55);
    glow.setColorAt(0.0, QColor(255, 255, 255, 70));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(glow);
    painter.drawEllipse(centre + QPointF(0, radius * 0.5), radius * 0.6, radius * 0.35);

    const QPointF spot = centre - QPointF(radius * 0.32, radius * 0.42);
    QRadialGradient highlight(spot, radius * 0.42);
    highlight.setColorAt(0.0, QColor(255, 255, 255, 235));
    highlight.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(highlight);
    painter.drawEllipse(spot, radius * 0.42, radius * 0.3);
}

}  // namespace

QImage DrawLogo() {
    QImage large(Width * Oversample, Height * Oversample, QImage::Format_RGB32);
    large.fill(QColor(236, 238, 242));
    QPainter painter(&large);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(Oversample, Oversample);

    const double gap = 2.0;
    const double cell = 23.0;
    const double side = 3 * cell + 4 * gap;
    const QRectF board((Width - side) / 2.0, (Height - side) / 2.0, side, side);
    DrawBoard(painter, board, cell, gap);

    const std::array colours{QColor(220, 40, 40),  QColor(245, 200, 30), QColor(40, 170, 60),
                             QColor(40, 110, 230), QColor(230, 120, 20), QColor(160, 60, 210),
                             QColor(30, 190, 200), QColor(235, 80, 170), QColor(130, 200, 40)};
    for (int index = 0; index < 9; ++index) {
        const int row = index / 3;
        const int column = index % 3;
        const QPointF centre(board.left() + gap + column * (cell + gap) + cell / 2.0,
                             board.top() + gap + row * (cell + gap) + cell / 2.0);
        DrawBall(painter, centre, cell * 0.4, colours[static_cast<std::size_t>(index)]);
    }
    painter.end();
    return large.scaled(Width, Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
