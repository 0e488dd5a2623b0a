#pragma once

#include <QImage>
#include <cstdint>
#include <functional>
#include <string_view>

#include "Animations.h"
#include "SkinPictures.h"

// Draws the game into the back buffer, the picture of the whole client area that the main
// window shows. Nothing is ever drawn on the window itself.
class TRenderer {
public:
    TRenderer(TLogic& logic, TGame& game, TAnimations& animations)
        : Logic(logic), Game(game), Animations(animations) {}

    // Starts a new game when the score needs a sixth digit.
    void SetScoreOverflowHandler(std::function<void()> handler) {
        OnScoreOverflow = std::move(handler);
    }

    void LoadSkinImages(const TSkinLayout& layout, const TSkinFiles& files,
                        std::string_view clockDigitsPath);

    // The background, the 81 cells, the score and, with the preview switched on, the next
    // balls. Not the clock.
    void DrawBoard();
    void DrawScore();
    void DrawClock();
    void DrawPreview();

    const QImage& BackBuffer() const { return Buffer; }
    // Grows whenever the back buffer's picture may have changed.
    uint64_t Version() const { return Changes; }

private:
    void Draw(int x, int y, const QImage& picture);
    const QImage* CellPicture(const TCellPicture& picture) const;

    TLogic& Logic;
    TGame& Game;
    TAnimations& Animations;
    std::function<void()> OnScoreOverflow;
    TSkinLayout Layout;
    TSkinPictures Pictures;
    QImage Buffer;
    uint64_t Changes = 0;
    // The clock text last drawn over the current board picture: the same text again would
    // give the same picture.
    TText<32> ClockShown;
    bool ClockCurrent = false;
};
