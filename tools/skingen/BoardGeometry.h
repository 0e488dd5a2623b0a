#pragma once

#include <QRect>

#include "skinformat/SkinConfig.h"

// Where the game draws each piece of a skin in its window.

// The cell pictures of a board column and row (0 to 8): a gap left of column 0, none above
// row 0.
QRect CellRect(const TSkinLayout& layout, int column, int row);

// The cells with one gap all around them.
QRect BoardRect(const TSkinLayout& layout);

// Score digit position 0 to 4.
QRect ScoreDigitRect(const TSkinLayout& layout, int position);

// Clock digit position 0 to 4; the game draws 0, 1, 3 and 4, position 2 holds the colon.
QRect ClockDigitRect(const TSkinLayout& layout, int position);

// Preview ball `index` of a row of `count` (3 on Easy and Medium, 4 on Hard).
QRect PreviewBallRect(const TSkinLayout& layout, int count, int index);
