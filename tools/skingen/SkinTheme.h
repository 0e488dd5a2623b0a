#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>
#include <array>
#include <string>

#include "skinformat/SkinConfig.h"

// Where a skin puts its pieces: the layout the game reads, and the panels that the
// background draws behind the score, the clock and the preview.
struct TSkinPlan {
    TSkinLayout Layout;
    QRect ScorePanel;
    QRect ClockPanel;
    QRect PreviewPanel;  // must hold four preview balls, and three centred
};

// How a skin's balls are lit and where they rest in their cell.
struct TBallLook {
    double RadiusShare = 0.36;  // of the smaller cell side
    double RestDrop = 0.06;     // of the cell height: the ball rests below the centre, so
                                // that it has room to hop
    double Gloss = 0.85;        // opacity of the highlight
    double ShadowAlpha = 0.45;
    QColor ShadowColour = QColor(0, 0, 0);
    double RimAlpha = 0.55;  // the thin dark outline that keeps pale balls apart from the cell
    QColor RimLight = QColor(0, 0, 0, 0);  // light from behind on the lower edge, for dark cells
};

enum class TDigitStyle { Glyph, Segment };

struct TDigitLook {
    TDigitStyle Style = TDigitStyle::Glyph;
    QString FontFamily;  // Glyph: one of the DejaVu families, always bold
    QColor Ink;
    QColor Glow;        // fully transparent for none
    QColor Unlit;       // Segment: the faint segments that are off
    double Size = 0.8;  // Glyph: digit height as a share of the picture's; Segment: thickness
                        // as a share of the picture's width
};

// One skin's look. Everything a theme paints must come out the same on every run.
class TSkinTheme {
public:
    virtual ~TSkinTheme() = default;

    virtual std::string Name() const = 0;
    virtual std::string Version() const = 0;
    virtual TSkinPlan Plan() const = 0;
    // Indexed by board value less one.
    virtual std::array<QColor, 6> BallColours() const = 0;
    virtual TBallLook BallLook() const = 0;
    virtual TDigitLook ScoreDigits() const = 0;
    virtual TDigitLook ClockDigits() const = 0;

    // The window behind everything, with the board's frame; inside `board` (the cells and
    // the gaps around them) the colour must be flat, since the cell pictures' corners show
    // the same colour.
    virtual void PaintBackdrop(QPainter& painter, QRect window, QRect board) const = 0;
    // Must fill the whole cell: the game copies cell pictures opaquely.
    virtual void PaintEmptyCell(QPainter& painter, QRect cell) const = 0;
    // A panel's inside must not change along x away from its ends: digit and preview pictures
    // are cut from one place of it and shown at others.
    virtual void PaintPanel(QPainter& painter, QRect panel) const = 0;
    // Labels and ornaments, kept clear of every place the game draws on.
    virtual void PaintDecorations(QPainter& painter, const TSkinPlan& plan) const = 0;
};
