#include "BallPainter.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>

#include "Paint.h"

namespace {

// Everything below is drawn on the unit circle, then stretched to the ball's radii.
void PaintBody(QPainter& painter, const QColor& colour) {
    QRadialGradient body(QPointF(0, 0), 1.0, QPointF(-0.36, -0.42));
    body.setColorAt(0.0, Lighter(colour, 0.50));
    body.setColorAt(0.22, Lighter(colour, 0.16));
    body.setColorAt(0.55, colour);
    body.setColorAt(0.84, Darker(colour, 0.32));
    body.setColorAt(1.0, Darker(colour, 0.52));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);

    // Light thrown back from the floor keeps the lower half from going flat black.
    QRadialGradient bounce(QPointF(0.12, 0.95), 0.75);
    bounce.setColorAt(0.0, WithAlpha(Lighter(colour, 0.35), 0.55));
    bounce.setColorAt(1.0, WithAlpha(Lighter(colour, 0.35), 0.0));
    painter.setBrush(bounce);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
}

void PaintHighlight(QPainter& painter, double gloss) {
    painter.save();
    painter.translate(-0.30, -0.46);
    painter.rotate(-32);
    QLinearGradient sheen(QPointF(0, -0.30), QPointF(0, 0.30));
    sheen.setColorAt(0.0, WithAlpha(QColor(255, 255, 255), 0.92 * gloss));
    sheen.setColorAt(1.0, WithAlpha(QColor(255, 255, 255), 0.04 * gloss));
    painter.setBrush(sheen);
    painter.drawEllipse(QPointF(0, 0), 0.50, 0.29);
    painter.restore();

    QRadialGradient glint(QPointF(-0.42, -0.50), 0.13);
    glint.setColorAt(0.0, WithAlpha(QColor(255, 255, 255), gloss));
    glint.setColorAt(0.6, WithAlpha(QColor(255, 255, 255), 0.7 * gloss));
    glint.setColorAt(1.0, WithAlpha(QColor(255, 255, 255), 0.0));
    painter.setBrush(glint);
    painter.drawEllipse(QPointF(-0.42, -0.50), 0.13, 0.13);
}

}  // namespace

void PaintBall(QPainter& painter, QPointF centre, double radiusX, double radiusY,
               const QColor& colour, const TBallLook& look, double flash) {
    if (radiusX <= 0.05 || radiusY <= 0.05) {
        return;
    }
    painter.save();
    painter.translate(centre);
    painter.scale(radiusX, radiusY);
    PaintBody(painter, colour);
    if (look.RimLight.alpha() > 0) {
        QRadialGradient rimLight(QPointF(-0.45, -0.55), 1.85);
        rimLight.setColorAt(0.0, WithAlpha(look.RimLight, 0.0));
        rimLight.setColorAt(0.78, WithAlpha(look.RimLight, 0.0));
        rimLight.setColorAt(1.0, look.RimLight);
        painter.setBrush(rimLight);
        painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    }
    PaintHighlight(painter, look.Gloss);

    QPen rim(WithAlpha(Darker(colour, 0.62), look.RimAlpha), 1.0);
    rim.setCosmetic(true);
    painter.setPen(rim);
    painter.setBrush(Qt::NoBrush);
    const double inset = 0.5 / std::max(radiusX, radiusY);
    painter.drawEllipse(QPointF(0, 0), 1.0 - inset, 1.0 - inset);

    if (flash > 0) {
        QRadialGradient white(QPointF(-0.2, -0.25), 1.25);
        white.setColorAt(0.0, WithAlpha(QColor(255, 255, 255), flash));
        white.setColorAt(1.0, WithAlpha(QColor(255, 250, 235), flash * 0.75));
        painter.setPen(Qt::NoPen);
        painter.setBrush(white);
        painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    }
    painter.restore();
}

void PaintBallShadow(QPainter& painter, QPointF floorCentre, double radius, double strength,
                     const TBallLook& look) {
    if (radius <= 0.05 || strength <= 0) {
        return;
    }
    painter.save();
    painter.translate(floorCentre + QPointF(0.16 * radius, -0.04 * radius));
    painter.scale(1.0 * radius, 0.34 * radius);
    QRadialGradient shade(QPointF(0, 0), 1.0);
    const double alpha = look.ShadowAlpha * std::clamp(strength, 0.0, 1.0);
    shade.setColorAt(0.0, WithAlpha(look.ShadowColour, alpha));
    shade.setColorAt(0.45, WithAlpha(look.ShadowColour, alpha * 0.7));
    shade.setColorAt(1.0, WithAlpha(look.ShadowColour, 0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    painter.restore();
}
