#include "ParlourTheme.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Paint.h"

namespace {

const QColor Seam(18, 58, 36);
const QColor Felt(36, 108, 68);
const QColor Brass(226, 196, 120);

void PaintWood(QPainter& painter, QRect area) {
    QLinearGradient base(area.topLeft(), area.bottomLeft());
    base.setColorAt(0.0, QColor(112, 68, 38));
    base.setColorAt(1.0, QColor(72, 42, 22));
    painter.fillRect(area, base);
    // Grain: long wavy lines, darker and lighter, that drift across the case.
    painter.setBrush(Qt::NoBrush);
    for (int line = 0; line < area.height() / 3; ++line) {
        const double y0 = area.top() + line * 3 + 3 * Hash01(line, 1);
        const double phase = 6.28 * Hash01(line, 2);
        const double wave = 1.5 + 2.5 * Hash01(line, 3);
        QPainterPath grain;
        grain.moveTo(area.left(), y0 + wave * std::sin(phase));
        for (int x = area.left() + 8; x <= area.right() + 8; x += 8) {
            grain.lineTo(x,
                         y0 + wave * std::sin(phase + x / 53.0) + 0.8 * std::sin(x / 11.0 + line));
        }
        const bool dark = Hash01(line, 4) < 0.6;
        const QColor tone = dark ? QColor(40, 20, 8) : QColor(160, 110, 64);
        painter.setPen(QPen(WithAlpha(tone, 0.10 + 0.22 * Hash01(line, 5)), 0.6 + Hash01(line, 6)));
        painter.drawPath(grain);
    }
}

void PaintEngraved(QPainter& painter, QRectF box, const QString& text, const QFont& font) {
    painter.setFont(font);
    painter.setPen(QColor(30, 14, 4, 200));
    painter.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    painter.setPen(Brass);
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

TSkinPlan TParlourTheme::Plan() const {
    TSkinPlan plan;
    TSkinLayout& l = plan.Layout;
    l.WindowWidth = 552;
    l.WindowHeight = 368;
    l.CellWidth = 36;
    l.CellHeight = 34;
    l.CellGapX = 4;
    l.CellGapY = 3;
    l.BoardDrawLeft = 16;
    l.BoardDrawTop = 19;
    l.BoardLeft = l.BoardDrawLeft;
    l.BoardTop = l.BoardDrawTop - l.CellGapY;

    // A column of plaques right of the board: score, next balls, clock.
    plan.ScorePanel = QRect(396, 40, 140, 44);
    l.ScoreDigitWidth = 22;
    l.ScoreDigitHeight = 30;
    l.ScoreDigitStep = 22;
    l.ScoreLeft = 411;
    l.ScoreTop = 47;

    plan.PreviewPanel = QRect(396, 124, 140, 44);
    l.PreviewBallWidth = 30;
    l.PreviewBallHeight = 30;
    l.PreviewLeft4 = 406;
    l.PreviewLeft3 = l.PreviewLeft4 + l.PreviewBallWidth / 2;
    l.PreviewTop = 131;

    plan.ClockPanel = QRect(396, 208, 140, 44);
    l.ClockDigitWidth = 22;
    l.ClockDigitHeight = 30;
    l.ClockDigitStep = 22;
    l.ClockLeft = 411;
    l.ClockTop = 215;
    return plan;
}

std::array<QColor, 6> TParlourTheme::BallColours() const {
    // Billiard colours that stand out on green felt: red, amber, sky, purple, ivory, black;
    // their lightness alone tells most of them apart.
    return {QColor(0xC8, 0x14, 0x0A), QColor(0xFF, 0xB1, 0x11), QColor(0x57, 0xAD, 0xF2),
            QColor(0x7F, 0x2F, 0xA6), QColor(0xF6, 0xF0, 0xDC), QColor(0x1B, 0x1B, 0x22)};
}

TBallLook TParlourTheme::BallLook() const {
    TBallLook look;
    look.Gloss = 0.95;
    look.ShadowAlpha = 0.6;
    look.ShadowColour = QColor(4, 18, 10);
    look.RimAlpha = 0.4;
    return look;
}

TDigitLook TParlourTheme::ScoreDigits() const {
    TDigitLook look;
    look.Style = TDigitStyle::Glyph;
    look.FontFamily = "DejaVu Serif";
    look.Ink = QColor(58, 34, 18);
    look.Glow = QColor(0, 0, 0, 0);
    look.Size = 0.72;
    return look;
}

TDigitLook TParlourTheme::ClockDigits() const {
    return ScoreDigits();
}

void TParlourTheme::PaintBackdrop(QPainter& painter, QRect window, QRect board) const {
    PaintWood(painter, window);
    // The board's rail: a raised wooden edge with a brass inlay round the felt.
    const QRectF rail = QRectF(board).adjusted(-7, -7, 7, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 8, 2, 120));
    painter.drawRoundedRect(rail.translated(1.5, 2), 6, 6);
    QLinearGradient railShade(rail.topLeft(), rail.bottomRight());
    railShade.setColorAt(0.0, QColor(150, 98, 56));
    railShade.setColorAt(1.0, QColor(80, 46, 22));
    painter.setBrush(railShade);
    painter.drawRoundedRect(rail, 6, 6);
    painter.setPen(QPen(Brass, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(board).adjusted(-3.5, -3.5, 3.5, 3.5), 3, 3);
    painter.fillRect(board.adjusted(-2, -2, 2, 2), QColor(12, 36, 22));
    painter.fillRect(board, Seam);
}

void TParlourTheme::PaintEmptyCell(QPainter& painter, QRect cell) const {
    // Felt: a fine, even nap of slightly lighter and darker fibres.
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const double nap = Hash01(x, y) - 0.5;
            painter.fillRect(QRect(x, y, 1, 1),
                             nap > 0 ? Lighter(Felt, 0.10 * nap) : Darker(Felt, -0.18 * nap));
        }
    }
    // A shallow pocket: the felt dips towards the middle where the ball rests.
    QRadialGradient pocket(QRectF(cell).center(), cell.width() * 0.75);
    pocket.setColorAt(0.0, QColor(0, 0, 0, 0));
    pocket.setColorAt(0.6, QColor(0, 0, 0, 20));
    pocket.setColorAt(1.0, QColor(0, 0, 0, 80));
    painter.fillRect(cell, pocket);
    painter.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    painter.drawLine(QPointF(cell.left() + 0.5, cell.top() + 0.5),
                     QPointF(cell.right() + 0.5, cell.top() + 0.5));
    painter.drawLine(QPointF(cell.left() + 0.5, cell.top() + 0.5),
                     QPointF(cell.left() + 0.5, cell.bottom() + 0.5));
    painter.setPen(QPen(QColor(140, 220, 170, 40), 1.0));
    painter.drawLine(QPointF(cell.left() + 1.5, cell.bottom() + 0.5),
                     QPointF(cell.right() + 0.5, cell.bottom() + 0.5));
    painter.drawLine(QPointF(cell.right() + 0.5, cell.top() + 1.5),
                     QPointF(cell.right() + 0.5, cell.bottom() + 0.5));
}

void TParlourTheme::PaintPanel(QPainter& painter, QRect panel) const {
    const QRectF frame(panel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 8, 2, 130));
    painter.drawRoundedRect(frame.translated(1.5, 2), 6, 6);
    QLinearGradient brass(frame.topLeft(), frame.bottomLeft());
    brass.setColorAt(0.0, QColor(244, 220, 150));
    brass.setColorAt(0.5, QColor(200, 160, 80));
    brass.setColorAt(1.0, QColor(150, 110, 44));
    painter.setBrush(brass);
    painter.drawRoundedRect(frame, 6, 6);
    const QRectF enamel = frame.adjusted(3, 3, -3, -3);
    QLinearGradient cream(enamel.topLeft(), enamel.bottomLeft());
    cream.setColorAt(0.0, QColor(214, 200, 168));
    cream.setColorAt(0.12, QColor(246, 238, 216));
    cream.setColorAt(1.0, QColor(232, 218, 186));
    painter.setBrush(cream);
    painter.drawRoundedRect(enamel, 4, 4);
}

void TParlourTheme::PaintDecorations(QPainter& painter, const TSkinPlan& plan) const {
    const QFont label = SkinFont("DejaVu Serif", QFont::Bold, 12);
    auto above = [](QRect panel) {
        return QRectF(panel.left(), panel.top() - 22, panel.width(), 18);
    };
    PaintEngraved(painter, above(plan.ScorePanel), "S C O R E", label);
    PaintEngraved(painter, above(plan.PreviewPanel), "N E X T", label);
    PaintEngraved(painter, above(plan.ClockPanel), "T I M E", label);

    // The game's name in the free space under the plaques, between two brass rules.
    const QRect column(plan.ClockPanel.left(), plan.ClockPanel.bottom() + 30,
                       plan.ClockPanel.width(), 70);
    painter.setPen(QPen(WithAlpha(Brass, 0.8), 1.0));
    painter.drawLine(QPointF(column.left() + 20, column.top() + 0.5),
                     QPointF(column.right() - 20, column.top() + 0.5));
    painter.drawLine(QPointF(column.left() + 20, column.bottom() + 0.5),
                     QPointF(column.right() - 20, column.bottom() + 0.5));
    QFont title = SkinFont("DejaVu Serif", QFont::Bold, 22);
    title.setItalic(true);
    PaintEngraved(painter, QRectF(column).adjusted(0, 4, 0, -4), "Vyx\nZeziz", title);
}
