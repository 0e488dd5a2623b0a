#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

#include "BallMotion.h"
#include "SkinTheme.h"

// Where a ball stands in a cell picture, and how high it may hop without leaving it.
struct TCellStage {
    double Radius = 0;
    QPointF RestCentre;
    double Hop = 0;  // pixels from the floor to the top of the high hop
};

TCellStage StageForCell(QSize cell, const TBallLook& look);

// Draws a ball in a pose over whatever the cell already shows, with its shadow.
void PaintPosedBall(QPainter& painter, const TCellStage& stage, const TBallPose& pose,
                    const QColor& colour, const TBallLook& look);

// The pieces of a burst ball at `progress` (0 to 1): a flash, a ring and flying drops.
void PaintBurst(QPainter& painter, const TCellStage& stage, double progress, const QColor& colour);

// A ball strip (skinformat/BallStrip.h): the bounce row with the still ball at its end, the
// appearance row and the vanishing row; every picture starts from the empty cell.
QImage PaintBallStrip(const QImage& emptyCell, const QColor& colour, const TBallLook& look);
