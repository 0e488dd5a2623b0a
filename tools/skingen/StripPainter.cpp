#include "StripPainter.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "BallPainter.h"
#include "Paint.h"

TCellStage StageForCell(QSize cell, const TBallLook& look) {
    TCellStage stage;
    const double side = std::min(cell.width(), cell.height());
    stage.Radius = look.RadiusShare * side;
    stage.RestCentre =
        QPointF(cell.width() / 2.0, cell.height() / 2.0 + look.RestDrop * cell.height());
    // The hop is as high as the room above the resting ball allows, stretched frames included.
    const double room = std::max(0.0, stage.RestCentre.y() - stage.Radius - 1.0);
    stage.Hop = room;
    for (int column = 0; column < BounceFrames; ++column) {
        const TBallPose pose = BouncePose(column);
        if (pose.Lift > 0) {
            const double stretch = (pose.ScaleY - 1.0) * 2.0 * stage.Radius;
            stage.Hop = std::min(stage.Hop, std::max(0.0, (room - stretch) / pose.Lift));
        }
    }
    return stage;
}

void PaintPosedBall(QPainter& painter, const TCellStage& stage, const TBallPose& pose,
                    const QColor& colour, const TBallLook& look) {
    const double radius = stage.Radius * pose.Grow;
    const double floor = stage.RestCentre.y() + stage.Radius;
    const double bottom = stage.RestCentre.y() + radius - pose.Lift * stage.Hop;
    const double lift = stage.Hop > 0 ? pose.Lift : 0.0;
    // The shadow stays on the floor and grows fainter and smaller as the ball rises.
    PaintBallShadow(painter, QPointF(stage.RestCentre.x(), floor),
                    radius * pose.ScaleX * (1.0 - 0.28 * lift), (1.0 - 0.45 * lift) * pose.Grow,
                    look);
    const QPointF centre(stage.RestCentre.x(), bottom - radius * pose.ScaleY);
    PaintBall(painter, centre, radius * pose.ScaleX, radius * pose.ScaleY, colour, look,
              pose.Flash);
}

namespace {

double EaseOut(double t) {
    return 1.0 - (1.0 - t) * (1.0 - t) * (1.0 - t);
}

void PaintSparkle(QPainter& painter, QPointF at, double size, const QColor& colour) {
    QPainterPath star;
    star.moveTo(at + QPointF(0, -size));
    star.quadTo(at, at + QPointF(size, 0));
    star.quadTo(at, at + QPointF(0, size));
    star.quadTo(at, at + QPointF(-size, 0));
    star.quadTo(at, at + QPointF(0, -size));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(star);
}

}  // namespace

void PaintBurst(QPainter& painter, const TCellStage& stage, double progress, const QColor& colour) {
    const double r = stage.Radius;
    const QPointF centre = stage.RestCentre;
    const double spread = EaseOut(progress);
    const double fade = 1.0 - progress;
    painter.save();
    painter.setPen(Qt::NoPen);

    // A shock ring that widens and thins out.
    const double ringRadius = r * (0.9 + 0.4 * spread);
    painter.setPen(
        QPen(WithAlpha(Lighter(colour, 0.5), 0.8 * fade * fade), std::max(0.6, r * 0.2 * fade)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, ringRadius, ringRadius);
    painter.setPen(Qt::NoPen);

    // Drops of the ball flying apart and falling a little, each a small glossy bead.
    constexpr int drops = 10;
    for (int i = 0; i < drops; ++i) {
        const double angle = 2.0 * std::numbers::pi * (i + 0.6 * Hash01(i, 7)) / drops;
        const double reach = r * (0.5 + (0.45 + 0.35 * Hash01(i, 3)) * spread);
        const double size = r * (0.16 + 0.14 * Hash01(i, 11)) * (1.0 - 0.6 * progress);
        const QPointF at =
            centre + QPointF(std::cos(angle) * reach,
                             std::sin(angle) * reach + 0.3 * r * progress * progress);
        const double alpha = 1.0 - progress * progress;
        QRadialGradient bead(at, size, at + QPointF(-0.35 * size, -0.4 * size));
        bead.setColorAt(0.0, WithAlpha(Lighter(colour, 0.6), alpha));
        bead.setColorAt(0.6, WithAlpha(colour, alpha));
        bead.setColorAt(1.0, WithAlpha(Darker(colour, 0.3), alpha));
        painter.setBrush(bead);
        painter.drawEllipse(at, size, size);
    }

    // The flash of the burst over it all, gone within the first frames.
    if (progress < 0.3) {
        const double strength = 1.0 - progress / 0.3;
        const double glowRadius = r * (1.05 + 0.4 * progress);
        QRadialGradient glow(centre, glowRadius);
        glow.setColorAt(0.0, WithAlpha(QColor(255, 255, 255), strength));
        glow.setColorAt(0.45, WithAlpha(Lighter(colour, 0.75), 0.85 * strength));
        glow.setColorAt(1.0, WithAlpha(Lighter(colour, 0.5), 0.0));
        painter.setBrush(glow);
        painter.drawEllipse(centre, glowRadius, glowRadius);
    }

    // Sparks between the drops twinkle out last.
    constexpr int sparks = 5;
    for (int i = 0; i < sparks; ++i) {
        const double angle = 2.0 * std::numbers::pi * (i + 0.5 + 0.3 * Hash01(i, 5)) / sparks + 0.3;
        const double reach = r * (0.3 + 0.75 * spread);
        const double twinkle = std::sin(std::numbers::pi * std::clamp(progress * 1.15, 0.0, 1.0));
        const QPointF at = centre + QPointF(std::cos(angle) * reach, std::sin(angle) * reach);
        PaintSparkle(painter, at, r * 0.26 * twinkle, WithAlpha(Lighter(colour, 0.85), twinkle));
    }
    painter.restore();
}

QImage PaintBallStrip(const QImage& emptyCell, const QColor& colour, const TBallLook& look) {
    const QSize cell = emptyCell.size();
    const TCellStage stage = StageForCell(cell, look);
    QImage strip = NewPicture(QSize(StripColumns * cell.width(), StripRows * cell.height()));
    QPainter painter(&strip);
    Smooth(painter);
    auto inCell = [&](int column, int row, auto paint) {
        painter.save();
        painter.translate(column * cell.width(), row * cell.height());
        painter.setClipRect(QRect(QPoint(0, 0), cell));
        painter.drawImage(0, 0, emptyCell);
        paint();
        painter.restore();
    };
    for (int column = 0; column < StripColumns; ++column) {
        const TBallPose bounce = column < BounceFrames ? BouncePose(column) : TBallPose{};
        inCell(column, BounceRow, [&] { PaintPosedBall(painter, stage, bounce, colour, look); });
        inCell(column, AppearRow,
               [&] { PaintPosedBall(painter, stage, AppearPose(column), colour, look); });
        const TFramePose vanish = VanishPose(column);
        inCell(column, VanishRow, [&] {
            if (vanish.Ball) {
                PaintPosedBall(painter, stage, *vanish.Ball, colour, look);
            }
            if (vanish.Burst) {
                PaintBurst(painter, stage, *vanish.Burst, colour);
            }
        });
    }
    return strip;
}
