#pragma once

#include <cstdint>

// A rectangle of pixels: in a picture of the skin, or in the window's client area.
struct TPixelRect {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;

    bool operator==(const TPixelRect&) const = default;
};
