#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <string>

#include "SkinRenderer.h"
#include "skinformat/BallStrip.h"

// One moment of a game, as the game's board drawing would show it with a skin.
struct TScene {
    std::array<std::array<int16_t, 9>, 9> Board{};      // [column][row], 0 empty, 1 to 6 a ball
    std::array<std::array<uint8_t, 9>, 9> CellMarks{};  // 1 selected, 2 appearing, 3 vanishing
    int SelectionColour = 0;
    // The frames the game is at (skinformat/BallStrip.h): the selected ball's bounce (1 to
    // 24), the appearing cells' (0 to 13) and the vanishing cells' (0 to 12).
    int BounceFrame = 1;
    int AppearFrame = 0;
    int DeleteFrame = 0;
    int Score = 0;
    std::string TimeText = "0000";
    std::array<int, 4> Preview{};
    int Difficulty = 1;
    bool Next = true;
};

// The picture in a cell of the strip that feeds a colour.
QImage BallPicture(const TRenderedSkin& skin, int colour, TStripCell cell);

// Draws the scene the way the game does: background at (0, 0), then cells, score, clock and
// preview copied opaquely to their places.
QImage ComposeScene(const TRenderedSkin& skin, const TScene& scene);
