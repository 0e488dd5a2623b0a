#include "DigitPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

#include "Paint.h"

namespace {

// The glow strokes reach this far beyond a glyph's outline.
constexpr double GlowReach = 2.5;

QFont DigitFont(const TDigitLook& look, QSize digit) {
    // Size the font so that the digits themselves, not the font's line, take the asked share
    // of the height, as far as the widest digit and its glow fit the picture's width.
    constexpr int probeSize = 100;
    const QFont probe = SkinFont(look.FontFamily, QFont::Bold, probeSize);
    const QFontMetricsF metrics(probe);
    double widest = 0;
    for (int d = 0; d < 10; ++d) {
        widest = std::max(widest, metrics.tightBoundingRect(QString::number(d)).width());
    }
    const double tall = metrics.tightBoundingRect("0123456789").height();
    const double margin = 1.0 + (look.Glow.alpha() > 0 ? GlowReach : 0.0);
    const double byHeight = look.Size * digit.height() / tall;
    const double byWidth = (digit.width() - 2.0 * margin) / widest;
    return SkinFont(look.FontFamily, QFont::Bold,
                    std::max(4, static_cast<int>(probeSize * std::min(byHeight, byWidth))));
}

void PaintGlow(QPainter& painter, const QPainterPath& shape, const QColor& glow) {
    if (glow.alpha() == 0) {
        return;
    }
    for (double width : {2.0 * GlowReach, 1.2 * GlowReach, 0.6 * GlowReach}) {
        QPen pen(WithAlpha(glow, glow.alphaF() * 0.22), width, Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        painter.strokePath(shape, pen);
    }
}

void PaintGlyph(QPainter& painter, QRect box, int digit, const TDigitLook& look,
                const QFont& font) {
    const QString text = QString::number(digit);
    const QFontMetricsF metrics(font);
    const QRectF all = metrics.tightBoundingRect("0123456789");
    const QRectF ink = metrics.tightBoundingRect(text);
    // Whole pixels for the baseline and the pen's start keep the strokes crisp.
    const double x = std::round(box.left() + (box.width() - ink.width()) / 2.0 - ink.left());
    const double baseline = std::round(box.top() + (box.height() - all.height()) / 2.0 - all.top());
    QPainterPath shape;
    shape.addText(QPointF(x, baseline), font, text);
    PaintGlow(painter, shape, look.Glow);
    painter.setFont(font);
    painter.setPen(look.Ink);
    painter.drawText(QPointF(x, baseline), text);
}

// Segments a to g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr std::array<unsigned, 10> SegmentsOfDigit{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                   0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPolygonF Segment(int index, QRectF box, double t) {
    const double l = box.left();
    const double r = box.right();
    const double top = box.top();
    const double bottom = box.bottom();
    const double mid = (top + bottom) / 2.0;
    const double h = t / 2.0;
    const double g = t * 0.18;  // the small gap between neighbouring segments
    auto across = [&](double y) {
        return QPolygonF({{l + g + h, y},
                          {l + g + t, y - h},
                          {r - g - t, y - h},
                          {r - g - h, y},
                          {r - g - t, y + h},
                          {l + g + t, y + h}});
    };
    auto down = [&](double x, double y0, double y1) {
        return QPolygonF({{x, y0 + g + h},
                          {x + h, y0 + g + t},
                          {x + h, y1 - g - t},
                          {x, y1 - g - h},
                          {x - h, y1 - g - t},
                          {x - h, y0 + g + t}});
    };
    switch (index) {
        case 0:
            return across(top + h);
        case 1:
            return down(r - h, top + h, mid);
        case 2:
            return down(r - h, mid, bottom - h);
        case 3:
            return across(bottom - h);
        case 4:
            return down(l + h, mid, bottom - h);
        case 5:
            return down(l + h, top + h, mid);
        default:
            return across(mid);
    }
}

// LED digits lean a little, like a real display.
constexpr double LeanShear = 0.09;

QTransform Lean(QRectF box) {
    const QPointF centre = box.center();
    return QTransform::fromTranslate(centre.x(), centre.y())
        .shear(-LeanShear, 0)
        .translate(-centre.x(), -centre.y());
}

// The box the segments fill: clear of the picture's edges by the glow and the lean.
QRectF SegmentBox(QRect box, const TDigitLook& look) {
    const double glow = look.Glow.alpha() > 0 ? GlowReach : 0.0;
    const double marginY = glow + 1.0;
    const double leanShift = LeanShear * (box.height() - 2.0 * marginY) / 2.0;
    const double marginX = glow + leanShift + 0.06 * box.width();
    return QRectF(box).adjusted(marginX, marginY, -marginX, -marginY);
}

void PaintSegments(QPainter& painter, QRect box, int digit, const TDigitLook& look) {
    const double t = look.Size * box.width();
    const QRectF inner = SegmentBox(box, look);
    const QTransform lean = Lean(inner);
    QPainterPath lit;
    QPainterPath unlit;
    for (int s = 0; s < 7; ++s) {
        QPainterPath& path = ((SegmentsOfDigit[digit] >> s) & 1U) ? lit : unlit;
        path.addPolygon(lean.map(Segment(s, inner, t)));
        path.closeSubpath();
    }
    PaintGlow(painter, lit, look.Glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.Unlit);
    painter.drawPath(unlit);
    painter.setBrush(look.Ink);
    painter.drawPath(lit);
}

}  // namespace

QImage PaintDigitStrip(const TDigitLook& look, const QImage& piece) {
    const QSize size = piece.size();
    QImage strip = NewPicture(QSize(10 * size.width(), size.height()));
    QPainter painter(&strip);
    Smooth(painter);
    const QFont font = look.Style == TDigitStyle::Glyph ? DigitFont(look, size) : QFont();
    for (int digit = 0; digit < 10; ++digit) {
        const QRect box(QPoint(digit * size.width(), 0), size);
        painter.save();
        painter.setClipRect(box);
        painter.drawImage(box.topLeft(), piece);
        if (look.Style == TDigitStyle::Glyph) {
            PaintGlyph(painter, box, digit, look, font);
        } else {
            PaintSegments(painter, box, digit, look);
        }
        painter.restore();
    }
    return strip;
}

void PaintColon(QPainter& painter, QRect slot, const TDigitLook& look) {
    std::array<QPointF, 2> dots;
    double dot = 0;
    const double x = slot.left() + slot.width() / 2.0;
    if (look.Style == TDigitStyle::Glyph) {
        dot = std::max(2.0, std::round(slot.height() * 0.13));
        dots = {QPointF(x, slot.top() + slot.height() * 0.34),
                QPointF(x, slot.top() + slot.height() * 0.70)};
    } else {
        const double t = look.Size * slot.width();
        const QRectF inner = SegmentBox(slot, look);
        const QTransform lean = Lean(inner);
        dot = t * 0.95;
        dots = {lean.map(QPointF(x, inner.top() + inner.height() * 0.30)),
                lean.map(QPointF(x, inner.top() + inner.height() * 0.72))};
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const QPointF& at : dots) {
        QPainterPath shape;
        shape.addRoundedRect(QRectF(at.x() - dot / 2, at.y() - dot / 2, dot, dot), dot * 0.3,
                             dot * 0.3);
        PaintGlow(painter, shape, look.Glow);
        painter.setBrush(look.Ink);
        painter.drawPath(shape);
    }
    painter.restore();
}
