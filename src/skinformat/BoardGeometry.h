#pragma once

#include <array>

#include "PixelRect.h"
#include "SkinConfig.h"

// Where the game draws each piece of a skin in the window's client area. The layout's
// values must lie within their ranges (LayoutRange), as every parsed "skin.cfg" does.

// The cell of board column and row 0 to 8: a gap left of column 0, none above row 0.
TPixelRect CellRect(const TSkinLayout& layout, int column, int row);

// The 81 cells with one gap all around them.
TPixelRect BoardRect(const TSkinLayout& layout);

// Score digit position 0 to 4, the most significant first.
inline constexpr int ScoreDigitCount = 5;
TPixelRect ScoreDigitRect(const TSkinLayout& layout, int position);

// The clock shows "mm:ss" in positions 0 to 4; the colon's place, position 2, is part of the
// background and no digit is drawn there.
inline constexpr std::array<int, 4> ClockDigitPositions{0, 1, 3, 4};
TPixelRect ClockDigitRect(const TSkinLayout& layout, int position);

// Preview ball `index` of a row of `count`: three on Easy and Medium from PreviewLeft3, four
// on Hard from PreviewLeft4.
TPixelRect PreviewBallRect(const TSkinLayout& layout, int count, int index);
