#pragma once

#include <QImage>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "rules/GameState.h"
#include "skinformat/BallStrip.h"
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
    using TStrip = std::array<std::array<QImage, StripColumns>, StripRows>;  // [row][column]

    QImage Background;
    QImage EmptyCell;
    std::array<TStrip, ColourCount + 1> Balls;  // indexed by colour 1 to 6
    std::array<QImage, 10> ScoreDigits;
    std::array<QImage, 10> ClockDigits;
    std::array<QImage, ColourCount> PreviewBalls;  // indexed by slot
};

// Loads the skin's pictures from the cache and cuts them. A picture that cannot be loaded,
// or that is larger than a skin can use in its place (MaxPictureSize), throws TPictureError
// at its step; the pictures of the later steps keep their content. The layout's values
// must lie within their ranges (LayoutRange), as every parsed "skin.cfg" does.
void LoadSkinImages(TSkinPictures& pictures, const TSkinLayout& layout, const TSkinFiles& files,
                    std::string_view clockDigitsPath);
