#include "SkinConfig.h"

#include <charconv>
#include <vector>

#include "PictureCut.h"

namespace {

constexpr std::array<std::string_view, TSkinLayout::Count> LayoutNames{
    "WindowWidth",  "WindowHeight", "BoardLeft",       "BoardTop",         "CellWidth",
    "CellHeight",   "CellGapX",     "CellGapY",        "BoardDrawLeft",    "BoardDrawTop",
    "ClockLeft",    "ClockTop",     "ClockDigitWidth", "ClockDigitHeight", "ClockDigitStep",
    "ScoreLeft",    "ScoreTop",     "ScoreDigitWidth", "ScoreDigitHeight", "ScoreDigitStep",
    "PreviewLeft3", "PreviewLeft4", "PreviewTop",      "PreviewBallWidth", "PreviewBallHeight"};

// The range of each layout value, in the order of LayoutNames: the window's size, the size
// of a piece, or a position, gap or step.
constexpr TLayoutRange Window{1, MaxWindowSide};
constexpr TLayoutRange Piece{1, MaxPieceSide};
constexpr TLayoutRange Offset{-MaxOffset, MaxOffset};
constexpr std::array<TLayoutRange, TSkinLayout::Count> LayoutRanges{
    Window, Window, Offset, Offset, Piece,  Piece,  Offset, Offset, Offset,
    Offset, Offset, Offset, Piece,  Piece,  Offset, Offset, Offset, Piece,
    Piece,  Offset, Offset, Offset, Offset, Piece,  Piece};

constexpr std::array<std::string_view, SkinImageCount> ImageLabels{
    "Background:", "EmptyCell:",  "BallStrip1:",  "BallStrip2:",  "BallStrip3:",  "BallStrip4:",
    "BallStrip5:", "BallStrip6:", "ScoreDigits:", "ClockDigits:", "PreviewBalls:"};

// Longest word each place holds: the format's field capacities less their terminating zero.
constexpr std::size_t MaxSkippedWord = 49;
constexpr std::size_t MaxNameWord = 19;
constexpr std::size_t MaxAuthorFirstWord = 19;
constexpr std::size_t MaxAuthorSecondWord = 5;
constexpr std::size_t MaxVersionWord = 9;
constexpr std::size_t MaxFileWord = 19;

// Word positions (1-based) of the stored words.
constexpr int NameWord = 8;
constexpr int AuthorFirstWord = 10;
constexpr int AuthorSecondWord = 11;
constexpr int VersionWord = 13;
constexpr int FirstFileWord = 16;    // then every second word up to 36
constexpr int FirstLayoutWord = 39;  // then every second word up to 87
constexpr int RequiredWords = 87;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::vector<std::string_view> SplitWords(std::string_view text, std::size_t limit) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (words.size() < limit) {
        while (i < text.size() && IsSpace(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            break;
        }
        const std::size_t start = i;
        while (i < text.size() && !IsSpace(text[i])) {
            ++i;
        }
        words.push_back(text.substr(start, i - start));
    }
    return words;
}

bool IsFileWord(int position) {
    return position >= FirstFileWord && position < FirstFileWord + 2 * SkinImageCount &&
           (position - FirstFileWord) % 2 == 0;
}

bool IsLayoutWord(int position) {
    return position >= FirstLayoutWord && (position - FirstLayoutWord) % 2 == 0;
}

std::size_t Capacity(int position) {
    switch (position) {
        case NameWord:
            return MaxNameWord;
        case AuthorFirstWord:
            return MaxAuthorFirstWord;
        case AuthorSecondWord:
            return MaxAuthorSecondWord;
        case VersionWord:
            return MaxVersionWord;
        default:
            return IsFileWord(position) ? MaxFileWord : MaxSkippedWord;
    }
}

std::optional<int32_t> ParseDecimal(std::string_view word) {
    if (!word.empty() && word.front() == '+') {
        word.remove_prefix(1);
        if (!word.empty() && word.front() == '-') {
            return std::nullopt;
        }
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

// The skin cache is one flat folder: a picture name never leads anywhere else.
bool IsPlainFileName(std::string_view name) {
    return name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\\') == std::string_view::npos;
}

std::string CheckLayout(const TSkinLayout& layout) {
    for (int index = 0; index < TSkinLayout::Count; ++index) {
        const TLayoutRange range = LayoutRange(index);
        if (layout[index] < range.Min || layout[index] > range.Max) {
            return std::string(TSkinLayout::Name(index)) + " is " + std::to_string(layout[index]) +
                   ", outside the " + std::to_string(range.Min) + " to " +
                   std::to_string(range.Max) + " pixels the game takes for it";
        }
    }
    if (layout.CellWidth + layout.CellGapX <= 0 || layout.CellHeight + layout.CellGapY <= 0) {
        return "a cell and its gap must be wider and taller than 0";
    }
    return {};
}

}  // namespace

namespace {

using TLayoutField = int32_t TSkinLayout::*;
constexpr std::array<TLayoutField, TSkinLayout::Count> LayoutFields{
    &TSkinLayout::WindowWidth,      &TSkinLayout::WindowHeight,     &TSkinLayout::BoardLeft,
    &TSkinLayout::BoardTop,         &TSkinLayout::CellWidth,        &TSkinLayout::CellHeight,
    &TSkinLayout::CellGapX,         &TSkinLayout::CellGapY,         &TSkinLayout::BoardDrawLeft,
    &TSkinLayout::BoardDrawTop,     &TSkinLayout::ClockLeft,        &TSkinLayout::ClockTop,
    &TSkinLayout::ClockDigitWidth,  &TSkinLayout::ClockDigitHeight, &TSkinLayout::ClockDigitStep,
    &TSkinLayout::ScoreLeft,        &TSkinLayout::ScoreTop,         &TSkinLayout::ScoreDigitWidth,
    &TSkinLayout::ScoreDigitHeight, &TSkinLayout::ScoreDigitStep,   &TSkinLayout::PreviewLeft3,
    &TSkinLayout::PreviewLeft4,     &TSkinLayout::PreviewTop,       &TSkinLayout::PreviewBallWidth,
    &TSkinLayout::PreviewBallHeight};

}  // namespace

int32_t& TSkinLayout::operator[](int index) {
    return this->*LayoutFields[index];
}

int32_t TSkinLayout::operator[](int index) const {
    return this->*LayoutFields[index];
}

std::string_view TSkinLayout::Name(int index) {
    return LayoutNames[index];
}

TLayoutRange LayoutRange(int index) {
    return LayoutRanges[index];
}

TPictureLimit MaxPictureSize(TSkinImage image) {
    if (image == TSkinImage::Background) {
        return {MaxWindowSide, MaxWindowSide};
    }
    const TPieceGrid grid = PieceGrid(image);
    return {grid.Columns * MaxPieceSide, grid.Rows * MaxPieceSide};
}

TSkinConfigResult ParseSkinConfig(std::string_view text) {
    const std::vector<std::string_view> words = SplitWords(text, RequiredWords + 1);
    if (words.size() < RequiredWords) {
        return {std::nullopt,
                "skin.cfg holds " + std::to_string(words.size()) + " words; it needs at least 87"};
    }
    TSkinData skin;
    for (int position = 1; position <= RequiredWords; ++position) {
        const std::string_view word = words[position - 1];
        if (word.size() > Capacity(position)) {
            return {std::nullopt, "word " + std::to_string(position) + " (\"" + std::string(word) +
                                      "\") is longer than " + std::to_string(Capacity(position)) +
                                      " characters"};
        }
        if (IsFileWord(position)) {
            if (!IsPlainFileName(word)) {
                return {std::nullopt,
                        "picture name \"" + std::string(word) + "\" is not a plain file name"};
            }
            skin.ImageFiles[(position - FirstFileWord) / 2] = std::string(word);
        } else if (IsLayoutWord(position)) {
            const int index = (position - FirstLayoutWord) / 2;
            const std::optional<int32_t> value = ParseDecimal(word);
            if (!value) {
                return {std::nullopt, std::string(TSkinLayout::Name(index)) + " (word " +
                                          std::to_string(position) + ", \"" + std::string(word) +
                                          "\") is not a decimal integer"};
            }
            skin.Layout[index] = *value;
        }
    }
    skin.SkinName = std::string(words[NameWord - 1]);
    skin.SkinAuthor =
        std::string(words[AuthorFirstWord - 1]) + " " + std::string(words[AuthorSecondWord - 1]);
    skin.SkinVersion = std::string(words[VersionWord - 1]);
    if (std::string problem = CheckLayout(skin.Layout); !problem.empty()) {
        return {std::nullopt, problem};
    }
    return {std::move(skin), {}};
}

std::string FormatSkinConfig(const TSkinData& skin) {
    const std::size_t blank = skin.SkinAuthor.find(' ');
    const std::string authorFirst = skin.SkinAuthor.substr(0, blank);
    const std::string authorSecond =
        blank == std::string::npos ? std::string("-") : skin.SkinAuthor.substr(blank + 1);
    std::string text = "[Skin] Vyx Zeziz skin configuration file. Name: " + skin.SkinName;
    text += "\r\nAuthor: " + authorFirst + " " + authorSecond;
    text += "\r\nVersion: " + skin.SkinVersion;
    text += "\r\n\r\n[Pictures]";
    for (int i = 0; i < SkinImageCount; ++i) {
        text += "\r\n" + std::string(ImageLabels[i]) + " " + skin.ImageFiles[i];
    }
    text += "\r\n\r\n[Layout]";
    for (int i = 0; i < TSkinLayout::Count; ++i) {
        text += "\r\n" + std::string(LayoutNames[i]) + ": " + std::to_string(skin.Layout[i]);
    }
    text += "\r\n[End]";
    return text;
}
