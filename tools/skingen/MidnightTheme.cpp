#include "MidnightTheme.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <utility>

#include "Paint.h"

namespace {

const QColor Plate(9, 12, 27);
const QColor Neon(96, 226, 255);

}  // namespace

TSkinPlan TMidnightTheme::Plan() const {
    TSkinPlan plan;
    TSkinLayout& l = plan.Layout;
    l.WindowWidth = 444;
    l.WindowHeight = 516;
    l.CellWidth = 44;
    l.CellHeight = 44;
    l.CellGapX = 2;
    l.CellGapY = 2;
    l.BoardDrawLeft = 14;
    l.BoardDrawTop = 16;
    l.BoardLeft = l.BoardDrawLeft;
    l.BoardTop = l.BoardDrawTop - l.CellGapY;

    // Three displays under the board: score, next balls, clock.
    plan.ScorePanel = QRect(14, 444, 128, 58);
    l.ScoreDigitWidth = 24;
    l.ScoreDigitHeight = 38;
    l.ScoreDigitStep = 24;
    l.ScoreLeft = 18;
    l.ScoreTop = 454;

    plan.PreviewPanel = QRect(150, 444, 144, 58);
    l.PreviewBallWidth = 32;
    l.PreviewBallHeight = 32;
    l.PreviewLeft4 = 158;
    l.PreviewLeft3 = l.PreviewLeft4 + l.PreviewBallWidth / 2;
    l.PreviewTop = 457;

    plan.ClockPanel = QRect(302, 444, 128, 58);
    l.ClockDigitWidth = 24;
    l.ClockDigitHeight = 38;
    l.ClockDigitStep = 24;
    l.ClockLeft = 306;
    l.ClockTop = 454;
    return plan;
}

std::array<QColor, 6> TMidnightTheme::BallColours() const {
    // Ruby, gold, emerald, sapphire, lavender, pearl: bright enough for the dark wells, and
    // apart in lightness for players who confuse hues.
    return {QColor(0xE8, 0x20, 0x2A), QColor(0xFF, 0xCB, 0x2E), QColor(0x1F, 0xA8, 0x8A),
            QColor(0x3A, 0x28, 0xE0), QColor(0xAA, 0x84, 0xF6), QColor(0xE4, 0xE7, 0xF7)};
}

TBallLook TMidnightTheme::BallLook() const {
    TBallLook look;
    look.RadiusShare = 0.37;
    look.Gloss = 0.95;
    look.ShadowAlpha = 0.7;
    look.ShadowColour = QColor(0, 0, 6);
    look.RimAlpha = 0.3;
    look.RimLight = QColor(150, 200, 255, 150);
    return look;
}

TDigitLook TMidnightTheme::ScoreDigits() const {
    TDigitLook look;
    look.Style = TDigitStyle::Segment;
    look.Ink = QColor(150, 240, 255);
    look.Glow = WithAlpha(Neon, 0.8);
    look.Unlit = QColor(13, 26, 38);
    look.Size = 0.15;
    return look;
}

TDigitLook TMidnightTheme::ClockDigits() const {
    TDigitLook look = ScoreDigits();
    look.Ink = QColor(255, 160, 225);
    look.Glow = QColor(255, 80, 190, 200);
    look.Unlit = QColor(34, 16, 36);
    return look;
}

void TMidnightTheme::PaintBackdrop(QPainter& painter, QRect window, QRect board) const {
    QRadialGradient sky(QPointF(window.width() * 0.5, window.height() * 0.35),
                        window.height() * 0.8);
    sky.setColorAt(0.0, QColor(30, 38, 86));
    sky.setColorAt(1.0, QColor(6, 8, 22));
    painter.fillRect(window, sky);

    painter.setPen(Qt::NoPen);
    constexpr int stars = 90;
    for (int i = 0; i < stars; ++i) {
        const QPointF at(Hash01(i, 1) * window.width(), Hash01(i, 2) * window.height());
        const double size = 0.35 + 0.8 * Hash01(i, 3) * Hash01(i, 4);
        painter.setBrush(QColor(210, 225, 255, static_cast<int>(60 + 170 * Hash01(i, 5))));
        painter.drawEllipse(at, size, size);
    }

    // The plate the wells are cut into, edged with a thin neon line.
    const QRectF plate = QRectF(board).adjusted(-5, -5, 5, 5);
    for (const auto& [width, alpha] : {std::pair{7.0, 0.06}, {4.0, 0.12}, {2.0, 0.25}}) {
        painter.setPen(QPen(WithAlpha(Neon, alpha), width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(plate, 11, 11);
    }
    painter.setPen(QPen(WithAlpha(QColor(170, 235, 255), 0.85), 1.0));
    painter.setBrush(Plate);
    painter.drawRoundedRect(plate, 11, 11);
    painter.fillRect(board, Plate);
}

void TMidnightTheme::PaintEmptyCell(QPainter& painter, QRect cell) const {
    painter.fillRect(cell, Plate);
    const QRectF well = QRectF(cell).adjusted(1, 1, -1, -1);
    QRadialGradient depth(well.center() + QPointF(0, well.height() * 0.12), well.width() * 0.72);
    depth.setColorAt(0.0, QColor(36, 45, 88));
    depth.setColorAt(1.0, QColor(20, 26, 54));
    // Light from the board's glow catches the lower lip of the well.
    QLinearGradient lip(well.topLeft(), well.bottomLeft());
    lip.setColorAt(0.0, QColor(0, 0, 0, 200));
    lip.setColorAt(0.6, QColor(60, 80, 150, 90));
    lip.setColorAt(1.0, QColor(120, 170, 255, 170));
    painter.setPen(QPen(QBrush(lip), 1.0));
    painter.setBrush(depth);
    painter.drawRoundedRect(well, 8, 8);
}

void TMidnightTheme::PaintPanel(QPainter& painter, QRect panel) const {
    const QRectF outer = QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5);
    for (const auto& [width, alpha] : {std::pair{6.0, 0.06}, {3.0, 0.14}}) {
        painter.setPen(QPen(WithAlpha(Neon, alpha), width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outer, 10, 10);
    }
    QLinearGradient glass(outer.topLeft(), outer.bottomLeft());
    glass.setColorAt(0.0, QColor(14, 18, 36));
    glass.setColorAt(0.45, QColor(4, 6, 14));
    glass.setColorAt(1.0, QColor(8, 11, 26));
    painter.setPen(QPen(WithAlpha(QColor(170, 235, 255), 0.7), 1.0));
    painter.setBrush(glass);
    painter.drawRoundedRect(outer, 10, 10);
}

void TMidnightTheme::PaintDecorations(QPainter&, const TSkinPlan&) const {}
