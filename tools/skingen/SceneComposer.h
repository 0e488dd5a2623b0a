#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <string>

#include "SkinRenderer.h"

// One moment of a game, as the game's board drawing would show it with a skin.
struct TScene {
    std::array<std::array<int16_t, 9>, 9> Board{};      // [column][row], 0 empty, 1 to 6 a ball
    std::array<std::array<uint8_t, 9>, 9> CellMarks{};  // 1 selected, 2 appearing, 3 vanishing
    int SelectionColour = 0;
    int BounceEntry = -1;  // the bounce picture of the selected ball; -1 the still ball
    int AppearEntry = 11;  // ball frame entry (11 to 24) shown by appearing cells
    int DeleteEntry = 24;  // ball frame entry (24 to 36) shown by vanishing cells
    int Score = 0;
    std::string TimeText = "0000";
    std::array<int, 4> Preview{};
    int Difficulty = 1;
    bool Next = true;
};

// Frame entry e of a colour's ball frames: 0 to 11 the bounce, 12 to 24 the appearance, 25 to
// 37 the vanishing, cut from the strip that feeds the colour.
QImage BallFrame(const TRenderedSkin& skin, int colour, int entry);
QImage BallStill(const TRenderedSkin& skin, int colour);

// Draws the scene the way the game does: background at (0, 0), then cells, score, clock and
// preview copied opaquely to their places.
QImage ComposeScene(const TRenderedSkin& skin, const TScene& scene);
