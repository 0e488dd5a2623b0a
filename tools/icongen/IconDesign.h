#pragma once

#include <QImage>
#include <array>
#include <string>

// The desktop icons: the logo's board and balls, filling the square, transparent around
// the board's rounded frame.

// The pixel sizes the icon theme holds a picture for.
inline constexpr std::array<int, 6> IconSizes{16, 32, 48, 64, 128, 256};

// The icon at one of IconSizes, its board and cells on whole pixels.
QImage DrawIcon(int size);

// The icon as an SVG document: the design of the largest size, to any scale.
std::string ScalableIcon();
