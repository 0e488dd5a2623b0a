#pragma once

#include <QPointF>

#include "Scene.h"

// The game's logo: glossy balls of nine colours on a dark board of sunken square cells,
// three by three. The About picture and the desktop icons are drawn from it, each on its
// own pixel grid, so that small icons stay crisp.

// How the board is divided: the cells per side, and the room between the frame and the
// outer cells, between two cells, and each cell's side.
struct TLogoGrid {
    int Cells = 3;
    double Padding = 0.0;
    double Gap = 0.0;
    double Cell = 0.0;

    double Side() const { return 2.0 * Padding + (Cells - 1) * Gap + Cells * Cell; }
};

// How much of the finish a size can show. A tiny icon leaves out the soft shadow and the
// reflection, which would only blur it, rings each ball so balls stay apart, and rounds its
// frame more, so that its corners still read as round. The frame's outline lies inside the
// board's square.
struct TLogoDetail {
    double BallShare = 0.4;  // the ball's radius as a share of the cell's side
    bool Shadows = true;
    bool Reflections = true;
    double FrameOutline = 1.0;
    double BallOutline = 0.0;
    double FrameCornerShare = 5.0 / 77.0;  // the frame's corner radius per side, as first drawn
};

// The board with its frame's top left corner at the origin. The ball colours run row by row
// from the top left, so a board of fewer cells shows the first colours of the logo.
TScene LogoScene(QPointF origin, const TLogoGrid& grid, const TLogoDetail& detail);
