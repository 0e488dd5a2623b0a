#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <string_view>

#include "Animations.h"
#include "SkinPictures.h"
#include "rules/Outcome.h"
#include "skinformat/BoardGeometry.h"

// Draws the game into the back buffer, the picture of the whole client area that the main
// window shows. Nothing is ever drawn on the window itself, and nothing of the game changes
// here: the rules decide when each part is drawn.
//
// The drawing calls set down the scene: which picture goes where, in drawing order. The
// pixels follow when the back buffer is read, and only where a place got a picture other
// than the one already drawn there, so a redraw that changes nothing costs nothing and
// shows nothing new.
class TRenderer {
public:
    TRenderer(const TLogic& logic, const TGame& game, TAnimations& animations)
        : Logic(logic), Game(game), Animations(animations) {}

    void LoadSkinImages(const TSkinLayout& layout, const TSkinFiles& files,
                        std::string_view clockDigitsPath);

    // The background and the 81 cells: the board's picture starts afresh. The sounds the
    // cells' animations bring, in the order the cells were drawn.
    [[nodiscard]] TSoundList DrawCells();
    // Five digits with leading zeros; a score of more digits is not shown.
    void DrawScore();
    // The next balls' colours, when the player keeps them shown.
    void DrawPreview();
    void DrawClock();

    // The scene as drawn so far.
    const QImage& BackBuffer() const;
    // The part of the back buffer whose pixels changed since the last call; empty when none
    // did.
    QRect TakeChanges();
    // Whether there are changes to take.
    bool HasChanges() const;

private:
    // A picture at its place; a copy of no picture draws nothing.
    struct TCopy {
        const QImage* Picture = nullptr;
        int X = 0;
        int Y = 0;
        bool operator==(const TCopy&) const = default;
        QRect Area() const;
    };

    static constexpr int CellCopies = BoardSize * BoardSize;
    static constexpr int PreviewBalls = PreviewSize;
    static constexpr int ClockDigits = static_cast<int>(ClockDigitPositions.size());
    static constexpr int FirstCell = 1;
    static constexpr int FirstScore = FirstCell + CellCopies;
    static constexpr int FirstPreview = FirstScore + ScoreDigitCount;
    static constexpr int FirstClock = FirstPreview + PreviewBalls;
    static constexpr int SceneCopies = FirstClock + ClockDigits;
    using TScene = std::array<TCopy, SceneCopies>;

    const QImage* CellPicture(const TCellPicture& picture) const;
    void Place(int index, const TPixelRect& place, const QImage& picture);
    // Brings the back buffer's pixels up to the scene.
    void Compose() const;

    const TLogic& Logic;
    const TGame& Game;
    TAnimations& Animations;
    TSkinLayout Layout;
    TSkinPictures Pictures;
    // The background first, then the cells row by row, the score, the preview and the
    // clock: the order in which they cover each other.
    TScene Scene{};
    TText<16> ScoreText;
    // The back buffer follows the scene when it is read.
    mutable QImage Buffer;
    mutable TScene Drawn{};
    mutable bool DrawnValid = false;
    mutable QRect Changed;
};
