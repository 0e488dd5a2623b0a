#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <vector>

// A drawing kept as shapes with their fills rather than as painter calls, so that one design
// is painted into the About picture and the icons and written out as the scalable icon.

struct TGradientStop {
    double At = 0.0;
    QColor Colour;
};

// One stop is a plain colour. A linear gradient runs from From to To; a radial one spreads
// from the focal point To over the circle of Radius around From. Past the ends the end
// colours carry on.
struct TFill {
    enum class TKind { Linear, Radial };
    TKind Kind = TKind::Linear;
    QPointF From;
    QPointF To;
    double Radius = 0.0;
    std::vector<TGradientStop> Stops;
};

struct TShape {
    enum class TKind { RoundedRect, Ellipse };
    TKind Kind = TKind::Ellipse;
    QRectF Box;
    double CornerRadius = 0.0;
    TFill Fill;
    // An outline centred on the shape's edge; none when the width is zero.
    QColor Outline;
    double OutlineWidth = 0.0;
};

using TScene = std::vector<TShape>;

// Paints the shapes in order, antialiased, in the painter's current coordinates.
void PaintScene(QPainter& painter, const TScene& scene);
