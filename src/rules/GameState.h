#pragma once

#include <array>
#include <cstdint>

#include "Text.h"

constexpr int BoardSize = 9;
constexpr int GridSize = BoardSize + 2;
constexpr int ColourCount = 6;
constexpr int PreviewSize = 4;

// Cell marks: what the renderer shows on a cell instead of its board value.
constexpr int16_t MarkNone = 0;
constexpr int16_t MarkSelected = 1;
constexpr int16_t MarkAppearing = 2;
constexpr int16_t MarkDeleting = 3;

constexpr uint32_t DifficultyEasy = 0;
constexpr uint32_t DifficultyMedium = 1;
constexpr uint32_t DifficultyHard = 2;

constexpr int32_t ModeClassic = 0;
constexpr int32_t ModeTimeTrial = 1;

// The appearance shows its frames 0 to 13 and ends when its counter reaches 14; the
// vanishing shows 0 to 12 and ends at 13.
constexpr int16_t LastAppearFrame = 14;
constexpr int16_t LastDeleteFrame = 13;

// Every 9 x 9 array is indexed first by column (left to right), then by row (top to
// bottom); saved games rely on this order.
template <typename T>
using TCellArray = std::array<std::array<T, BoardSize>, BoardSize>;

struct TSelection {
    int32_t Colour = 0;
    int32_t Column = 0;
    int32_t Row = 0;
};

struct TPreview {
    std::array<int32_t, PreviewSize> Columns{};
    std::array<int32_t, PreviewSize> Rows{};
    // Two colour banks: the one that TLogic::NextBank names is announced to the player,
    // the other is refilled while the announced colours are placed.
    std::array<std::array<int32_t, PreviewSize>, 2> Banks{};
};

// The rules engine's state: the board and everything a move or a spawn works on.
struct TLogic {
    uint8_t NextBank = 0;
    TCellArray<int16_t> Board{};
    std::array<std::array<int32_t, GridSize>, GridSize> PathGrid{};
    TCellArray<int16_t> CellMarks{};
    TSelection Selection;
    int32_t MoveStep = 0;
    TPreview Preview;
    int32_t MovingColour = 0;
    bool MoveStarting = true;
    // The colour of the line that is vanishing. Kept apart from the selection, so that a
    // ball selected during a vanishing neither recolours the vanishing balls nor takes the
    // line's colour itself.
    int32_t LineColour = 0;
    // The frame the appearing balls show, and the frame the vanishing line shows. The turn
    // cycle starts, advances and ends both animations; the pictures only read them.
    int16_t AppearFrame = 0;
    int16_t DeleteFrame = 0;

    void ClearBoard();
    void ClearMarks();
    void ClearTransientMarks();
    bool IsBoardFull() const;
    bool HasMark(int16_t mark) const;
};

struct TAnimationSpeeds {
    int32_t Appearance = 0;
    int32_t Choosing = 0;
    int32_t Moving = 0;
    int32_t Deleting = 0;
};

// The four sound events; the order is the order of the settings file and of the files'
// names on disk.
enum class TSound : uint8_t { Choosing, Moving, Deleting, Error };
constexpr int SoundEventCount = 4;

using TPathText = TText<64>;
using TTimeText = TText<32>;

// Where the current skin's pictures lie in the skin cache.
struct TSkinFiles {
    TPathText Background;
    TPathText EmptyCell;
    std::array<TPathText, ColourCount> BallStrips;  // in the order the skin lists them
    TPathText ScoreDigits;
    TPathText PreviewBalls;
};

// The game record: the running game's numbers and the player's settings.
struct TGame {
    bool InputEnabled = false;
    // The game has ended: the board filled up, or a Time-trial level ended below its
    // target. It stays over until the next game begins.
    bool GameOver = false;
    uint32_t Difficulty = 0;
    int32_t GameMode = 0;
    bool Autosave = false;
    bool Autoload = false;
    // The player sees the colours of the next balls ("Next=" in the settings file).
    bool NextBallsShown = false;
    TAnimationSpeeds Speeds;
    std::array<int32_t, SoundEventCount> SoundChoices{};  // indexed by TSound
    // Sounds are played ("Enable=" in the settings file).
    bool SoundsOn = false;
    TSkinFiles SkinFiles;
    std::array<TPathText, SoundEventCount> SoundFiles;  // indexed by TSound
    uint32_t Score = 0;
    int32_t LevelTarget = 0;
    TTimeText TimeText;
    int32_t Minutes = 0;
    int32_t Seconds = 0;

    int32_t SoundChoice(TSound sound) const { return SoundChoices[static_cast<int>(sound)]; }
    const TPathText& SoundFile(TSound sound) const { return SoundFiles[static_cast<int>(sound)]; }
};

inline bool IsOnBoard(int column, int row) {
    return column >= 0 && column < BoardSize && row >= 0 && row < BoardSize;
}

// Balls per spawn, which is also the number of preview balls shown: 3 on Easy and Medium,
// 4 on Hard, none for a difficulty the game does not know.
int BallsPerSpawn(uint32_t difficulty);
