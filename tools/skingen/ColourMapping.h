#pragma once

#include <array>

// The game feeds its six ball colours (the board values 1 to 6) from the skin's pictures in a
// fixed order that is not colour order. Both tables are indexed from 0.

// The colour each ball strip file draws, in the order "skin.cfg" names the strips.
constexpr std::array<int, 6> StripFileColours{1, 3, 2, 5, 4, 6};

// The colour each slot of the preview balls picture shows, slot 0 leftmost.
constexpr std::array<int, 6> PreviewSlotColours{1, 3, 2, 4, 5, 6};

// The strip file (0 to 5) that draws a colour (1 to 6).
constexpr int StripFileOfColour(int colour) {
    for (int file = 0; file < 6; ++file) {
        if (StripFileColours[file] == colour) {
            return file;
        }
    }
    return -1;
}
