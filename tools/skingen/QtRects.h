#pragma once

#include <QRect>

#include "skinformat/BoardGeometry.h"

// Where the game draws a skin's pieces, as Qt rectangles for painting and for measuring the
// pictures.
inline QRect ToQRect(const TPixelRect& rect) {
    return QRect(rect.X, rect.Y, rect.Width, rect.Height);
}
