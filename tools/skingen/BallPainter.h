#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

#include "SkinTheme.h"

// A glossy ball lit from the upper left: a shaded body, light bounced up from the floor, a
// soft highlight with a sharp glint, and a thin darker rim. `flash` (0 to 1) whitens it.
void PaintBall(QPainter& painter, QPointF centre, double radiusX, double radiusY,
               const QColor& colour, const TBallLook& look, double flash = 0);

// The soft shadow a ball of `radius` casts on the floor below it; `strength` (0 to 1) fades it
// as the ball rises.
void PaintBallShadow(QPainter& painter, QPointF floorCentre, double radius, double strength,
                     const TBallLook& look);
