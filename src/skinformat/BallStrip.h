#pragma once

#include <array>

// A ball strip holds every picture of one colour's ball, a grid of 13 columns and 3 rows of
// cells: row 0 the bounce's twelve frames and, in column 12, the ball at rest; row 1 the
// appearance; row 2 the vanishing. The game shows the cells in the orders below, which the
// strips are drawn for.
inline constexpr int StripColumns = 13;
inline constexpr int StripRows = 3;
inline constexpr int BounceFrames = 12;
inline constexpr int BounceRow = 0;
inline constexpr int AppearRow = 1;
inline constexpr int VanishRow = 2;

struct TStripCell {
    int Column = 0;
    int Row = 0;

    bool operator==(const TStripCell&) const = default;
};

inline constexpr TStripCell StillBall{StripColumns - 1, BounceRow};

// The selected ball's bounce runs through frames 1 to 24: the ball at rest, bounce frames 0
// to 5 up and 5 to 1 down, the ball at rest, frames 6 to 11 and 10 to 6. Frames 0 to 5 are a
// high hop, 6 to 11 a low one.
inline constexpr int BounceCycle = 24;
TStripCell BounceCell(int frame);

// The appearance shows 14 pictures, frames 0 to 13: the bounce row's last frame, then the
// appearance row from column 0 to column 12, the ball at rest after its appearance.
inline constexpr int AppearPictures = 14;
TStripCell AppearCell(int frame);

// The vanishing shows 13 pictures, frames 0 to 12: the appearance row's last column, then
// the vanishing row from column 0 to column 11. Its column 12 is never shown.
inline constexpr int VanishPictures = 13;
TStripCell VanishCell(int frame);

// The colour (1 to 6) each ball strip feeds, in the order "skin.cfg" names the strips.
inline constexpr std::array<int, 6> StripColours{1, 3, 2, 5, 4, 6};
// The strip (0 to 5) that feeds a colour; -1 for any other value.
int StripOfColour(int colour);
