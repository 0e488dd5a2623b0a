#pragma once

#include <QImage>

#include "SkinTheme.h"

// The background as far as the pieces drawn over it need it: backdrop, board with its empty
// cells, and the empty panels. Digit and preview pictures are cut from this.
QImage PaintPanels(const TSkinTheme& theme, const TSkinPlan& plan, const QImage& emptyCell);

// Adds what only the background shows: the clock's colon and the theme's ornaments.
void FinishBackground(QImage& background, const TSkinTheme& theme, const TSkinPlan& plan);
