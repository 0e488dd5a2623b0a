#pragma once

#include <QImage>
#include <array>

#include "SkinTheme.h"

// The six preview slots side by side, each a ball over `piece` (the part of the preview panel
// it covers), slot s showing the colour the game expects there.
QImage PaintPreviewBalls(const QImage& piece, const std::array<QColor, 6>& colours,
                         const TBallLook& look);
