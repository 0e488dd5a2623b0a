#include "ButtonsTheme.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include "Paint.h"

namespace {

const QColor Tray(31, 40, 51);
const QColor Display(18, 24, 32);

}  // namespace

TSkinPlan TButtonsTheme::Plan() const {
    TSkinPlan plan;
    TSkinLayout& l = plan.Layout;
    l.WindowWidth = 379;
    l.WindowHeight = 433;
    l.CellWidth = 37;
    l.CellHeight = 37;
    l.CellGapX = 3;
    l.CellGapY = 3;
    l.BoardDrawLeft = 8;
    l.BoardDrawTop = 65;
    l.BoardLeft = l.BoardDrawLeft;
    l.BoardTop = l.BoardDrawTop - l.CellGapY;

    // Three displays in a row above the board: score, next balls, clock.
    plan.ScorePanel = QRect(8, 8, 110, 46);
    l.ScoreDigitWidth = 20;
    l.ScoreDigitHeight = 28;
    l.ScoreDigitStep = 20;
    l.ScoreLeft = 13;
    l.ScoreTop = 17;

    plan.ClockPanel = QRect(261, 8, 110, 46);
    l.ClockDigitWidth = 20;
    l.ClockDigitHeight = 28;
    l.ClockDigitStep = 20;
    l.ClockLeft = 266;
    l.ClockTop = 17;

    plan.PreviewPanel = QRect(126, 8, 128, 46);
    l.PreviewBallWidth = 28;
    l.PreviewBallHeight = 28;
    l.PreviewLeft4 = 134;
    l.PreviewLeft3 = l.PreviewLeft4 + l.PreviewBallWidth / 2;
    l.PreviewTop = 17;
    return plan;
}

std::array<QColor, 6> TButtonsTheme::BallColours() const {
    // Red, green, blue, yellow, orchid, ice: apart in lightness as well as hue, so that they
    // stay six colours for players who confuse red with green or blue with yellow.
    return {QColor(0xD0, 0x16, 0x0C), QColor(0x2F, 0xA0, 0x7F), QColor(0x2A, 0x1C, 0xC8),
            QColor(0xF0, 0xE2, 0x1C), QColor(0xC8, 0x6C, 0xE4), QColor(0xBD, 0xF8, 0xFF)};
}

TBallLook TButtonsTheme::BallLook() const {
    TBallLook look;
    look.ShadowColour = QColor(20, 28, 40);
    return look;
}

TDigitLook TButtonsTheme::ScoreDigits() const {
    TDigitLook look;
    look.Style = TDigitStyle::Glyph;
    look.FontFamily = "DejaVu Sans";
    look.Ink = QColor(255, 214, 120);
    look.Glow = QColor(0, 0, 0, 0);
    look.Size = 0.78;
    return look;
}

TDigitLook TButtonsTheme::ClockDigits() const {
    return ScoreDigits();
}

void TButtonsTheme::PaintBackdrop(QPainter& painter, QRect window, QRect board) const {
    QLinearGradient sky(window.topLeft(), window.bottomLeft());
    sky.setColorAt(0.0, QColor(78, 96, 118));
    sky.setColorAt(1.0, QColor(40, 51, 66));
    painter.fillRect(window, sky);

    // The tray the buttons sit in: sunk into the case, lit from above.
    const QRectF tray = QRectF(board).adjusted(-3, -3, 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 140, 162, 150));
    painter.drawRoundedRect(tray.translated(0, 1), 8, 8);
    painter.setBrush(QColor(16, 21, 28));
    painter.drawRoundedRect(tray, 8, 8);
    painter.setBrush(Tray);
    painter.drawRoundedRect(tray.adjusted(1, 1.5, -1, -1), 7, 7);
    painter.fillRect(board, Tray);
}

void TButtonsTheme::PaintEmptyCell(QPainter& painter, QRect cell) const {
    painter.fillRect(cell, Tray);
    const QRectF face = QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = cell.width() * 0.16;
    QLinearGradient body(face.topLeft(), face.bottomLeft());
    body.setColorAt(0.0, QColor(168, 179, 192));
    body.setColorAt(1.0, QColor(124, 136, 152));
    painter.setPen(QPen(QColor(88, 99, 114), 1.0));
    painter.setBrush(body);
    painter.drawRoundedRect(face, radius, radius);

    // A bevel: light on the upper edge, a shallow seat in the middle where a ball rests.
    QLinearGradient bevel(face.topLeft(), face.bottomLeft());
    bevel.setColorAt(0.0, QColor(255, 255, 255, 130));
    bevel.setColorAt(0.55, QColor(255, 255, 255, 0));
    bevel.setColorAt(0.8, QColor(40, 50, 64, 0));
    bevel.setColorAt(1.0, QColor(40, 50, 64, 60));
    painter.setPen(QPen(QBrush(bevel), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(face.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    QRadialGradient seat(face.center() + QPointF(0, face.height() * 0.06), face.width() * 0.42);
    seat.setColorAt(0.0, QColor(60, 72, 88, 46));
    seat.setColorAt(0.7, QColor(60, 72, 88, 22));
    seat.setColorAt(1.0, QColor(60, 72, 88, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(seat);
    painter.drawEllipse(face.center() + QPointF(0, face.height() * 0.06), face.width() * 0.42,
                        face.height() * 0.42);
}

void TButtonsTheme::PaintPanel(QPainter& painter, QRect panel) const {
    const QRectF outer(panel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(130, 150, 172, 140));
    painter.drawRoundedRect(outer.translated(0, 1), 8, 8);
    painter.setBrush(QColor(12, 16, 22));
    painter.drawRoundedRect(outer, 8, 8);
    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    QLinearGradient glass(inner.topLeft(), inner.bottomLeft());
    glass.setColorAt(0.0, QColor(10, 14, 19));
    glass.setColorAt(0.25, Display);
    glass.setColorAt(1.0, QColor(27, 35, 46));
    painter.setBrush(glass);
    painter.drawRoundedRect(inner, 7, 7);
}

void TButtonsTheme::PaintDecorations(QPainter&, const TSkinPlan&) const {}
