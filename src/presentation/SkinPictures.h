#pragma once

#include <QImage>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Animations.h"
#include "rules/GameState.h"
#include "skinformat/SkinConfig.h"

// A skin picture that cannot be loaded. Its text names the file.
class TPictureError : public std::runtime_error {
public:
    explicit TPictureError(std::string_view gamePath);
    // A picture larger than a skin can use in its place.
    TPictureError(std::string_view gamePath, int width, int height, TPictureLimit limit);
};

// Every picture of the current skin, cut once into the pieces the board is drawn from, so
// that drawing a cell is a single rectangle copy. A piece shares the pixels of the picture it
// was cut from.
struct TSkinPictures {
    QImage Background;
    QImage EmptyCell;
    std::array<QImage, ColourCount + 1> BallStill;  // indexed by colour 1 to 6
    std::array<std::array<QImage, FramesPerColour>, ColourCount + 1> BallFrames;
    std::array<QImage, 10> ScoreDigits;
    std::array<QImage, 10> ClockDigits;
    std::array<QImage, ColourCount> PreviewBalls;  // indexed by slot
};

// The colour each ball strip feeds, in the order the skin lists the strips, and the preview
// slot that shows each colour.
constexpr std::array<int, ColourCount> StripColours{1, 3, 2, 5, 4, 6};
constexpr std::array<int, ColourCount + 1> PreviewSlots{-1, 0, 2, 1, 3, 4, 5};

// Loads the skin's pictures from the cache and cuts them. A picture that cannot be loaded,
// or that is larger than a skin can use in its place (MaxPictureSize), throws TPictureError
// at its step; the pictures of the later steps keep their content. The layout's values
// must lie within their ranges (LayoutRange), as every parsed "skin.cfg" does.
void LoadSkinImages(TSkinPictures& pictures, const TSkinLayout& layout, const TSkinFiles& files,
                    std::string_view clockDigitsPath);
