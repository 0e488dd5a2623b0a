#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The 25 layout values of a skin, in pixels of the window's client area, in the order
// "skin.cfg" lists them.
struct TSkinLayout {
    int32_t WindowWidth = 0;
    int32_t WindowHeight = 0;
    int32_t BoardLeft = 0;  // origin of the board's mouse hit test
    int32_t BoardTop = 0;
    int32_t CellWidth = 0;
    int32_t CellHeight = 0;
    int32_t CellGapX = 0;
    int32_t CellGapY = 0;
    int32_t BoardDrawLeft = 0;  // origin of the drawn board
    int32_t BoardDrawTop = 0;
    int32_t ClockLeft = 0;
    int32_t ClockTop = 0;
    int32_t ClockDigitWidth = 0;
    int32_t ClockDigitHeight = 0;
    int32_t ClockDigitStep = 0;
    int32_t ScoreLeft = 0;
    int32_t ScoreTop = 0;
    int32_t ScoreDigitWidth = 0;
    int32_t ScoreDigitHeight = 0;
    int32_t ScoreDigitStep = 0;
    int32_t PreviewLeft3 = 0;
    int32_t PreviewLeft4 = 0;
    int32_t PreviewTop = 0;
    int32_t PreviewBallWidth = 0;
    int32_t PreviewBallHeight = 0;

    static constexpr int Count = 25;
    int32_t& operator[](int index);
    int32_t operator[](int index) const;
    static std::string_view Name(int index);

    bool operator==(const TSkinLayout&) const = default;
};

// The eleven pictures of a skin, in the order "skin.cfg" names them.
enum class TSkinImage : uint8_t {
    Background,
    EmptyCell,
    Strip1,
    Strip2,
    Strip3,
    Strip4,
    Strip5,
    Strip6,
    ScoreDigits,
    ClockDigits,
    PreviewBalls,
};
constexpr int SkinImageCount = 11;

// A parsed "skin.cfg".
struct TSkinData {
    std::string SkinName;
    std::string SkinAuthor;  // two words joined by one blank
    std::string SkinVersion;
    std::array<std::string, SkinImageCount> ImageFiles;
    TSkinLayout Layout;

    const std::string& ImageFile(TSkinImage image) const {
        return ImageFiles[static_cast<int>(image)];
    }
};

// What the game takes of a layout value, in pixels. The bounds keep every sum the game
// draws, cuts and hits with far inside int, and a skin's pictures to tens of MiB:
// - the window, 1 to 4096 either way: every 4K screen fits, in either orientation;
// - a piece (a cell, a digit, a preview ball), 1 to 128 either way: nine cells of 128 are
//   1152 pixels, past the 1000 x 800 in which mouse presses are taken, so no playable
//   board needs more, and 240 ball frames of 128 x 128 take 15 MiB;
// - a position, gap or step, -4096 to 4096: nothing farther lies on a window.
struct TLayoutRange {
    int32_t Min;
    int32_t Max;
};
inline constexpr int32_t MaxWindowSide = 4096;
inline constexpr int32_t MaxPieceSide = 128;
inline constexpr int32_t MaxOffset = 4096;
TLayoutRange LayoutRange(int index);

// The largest picture a skin can use for each role: the grid of pieces the game cuts from
// it (PieceGrid) at the largest piece or, for the background, the largest window. The game
// refuses a larger picture before it reads the picture's pixels.
struct TPictureLimit {
    int32_t Width;
    int32_t Height;
};
TPictureLimit MaxPictureSize(TSkinImage image);

struct TSkinConfigResult {
    std::optional<TSkinData> Data;
    std::string Problem;  // why the configuration was refused, for skin authors
};

// Reads "skin.cfg" word by word: the position of a word alone gives its meaning. Refused:
// fewer than 87 words, a word longer than its place allows, a picture name that is not a
// plain file name, a layout value that is not a decimal integer or lies outside its range
// (LayoutRange), and a cell band of zero or negative width or height.
TSkinConfigResult ParseSkinConfig(std::string_view text);

// Writes a configuration that ParseSkinConfig reads back: CR LF between lines, the heading
// and a label before every value. Skin name, version and the author's two words must be
// single words.
std::string FormatSkinConfig(const TSkinData& skin);
