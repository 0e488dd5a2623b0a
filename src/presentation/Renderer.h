#pragma once

#include <QImage>
#include <cstdint>
#include <string_view>

#include "Animations.h"
#include "SkinPictures.h"

// Draws the game into the back buffer, the picture of the whole client area that the main
// window shows. Nothing is ever drawn on the window itself, and nothing of the game changes
// here: the rules decide when each part is drawn.
class TRenderer {
public:
    TRenderer(const TLogic& logic, const TGame& game, TAnimations& animations)
        : Logic(logic), Game(game), Animations(animations) {}

    void LoadSkinImages(const TSkinLayout& layout, const TSkinFiles& files,
                        std::string_view clockDigitsPath);

    // The background and the 81 cells: the board's picture starts afresh.
    void DrawCells();
    // Five digits with leading zeros; a score of more digits is not shown.
    void DrawScore();
    // The next balls' colours, when the player keeps them shown.
    void DrawPreview();
    void DrawClock();

    const QImage& BackBuffer() const { return Buffer; }
    // Grows whenever the back buffer's picture may have changed.
    uint64_t Version() const { return Changes; }

private:
    void Draw(int x, int y, const QImage& picture);
    const QImage* CellPicture(const TCellPicture& picture) const;

    const TLogic& Logic;
    const TGame& Game;
    TAnimations& Animations;
    TSkinLayout Layout;
    TSkinPictures Pictures;
    QImage Buffer;
    uint64_t Changes = 0;
    // The score's digits as last drawn.
    TText<16> ScoreText;
    // The clock text last drawn over the current board picture: the same text again would
    // give the same picture.
    TText<32> ClockShown;
    bool ClockCurrent = false;
};
