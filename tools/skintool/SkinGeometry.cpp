#include "SkinGeometry.h"

#include <algorithm>

#include "skinformat/BoardGeometry.h"
#include "skinformat/PictureCut.h"

namespace {

std::string SizeText(int64_t width, int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

// The pixels taken along one axis by a row of pieces.
struct TSpan {
    int64_t From = 0;
    int64_t To = 0;  // one past the last pixel
};

struct TElement {
    std::string Name;
    TSpan X;
    TSpan Y;
    std::string Values;  // the layout values that place it
};

// The element from its first piece to its last, where the game draws them; a negative step
// puts the last piece before the first.
TElement Element(std::string name, TPixelRect first, TPixelRect last, std::string values) {
    const auto span = [](int64_t a, int64_t aSize, int64_t b, int64_t bSize) {
        return TSpan{std::min(a, b), std::max(a + aSize, b + bSize)};
    };
    return {std::move(name), span(first.X, first.Width, last.X, last.Width),
            span(first.Y, first.Height, last.Y, last.Height), std::move(values)};
}

std::vector<TElement> DrawnElements(const TSkinLayout& l) {
    constexpr int Last = 8;
    return {
        Element("the board's 81 cells", CellRect(l, 0, 0), CellRect(l, Last, Last),
                "BoardDrawLeft, BoardDrawTop, CellWidth, CellHeight, CellGapX or CellGapY"),
        Element("the five score digits", ScoreDigitRect(l, 0),
                ScoreDigitRect(l, ScoreDigitCount - 1),
                "ScoreLeft, ScoreTop, ScoreDigitStep, ScoreDigitWidth or ScoreDigitHeight"),
        // The clock skips the colon's place; its first and last digits bound it.
        Element("the clock's digits", ClockDigitRect(l, ClockDigitPositions.front()),
                ClockDigitRect(l, ClockDigitPositions.back()),
                "ClockLeft, ClockTop, ClockDigitStep, ClockDigitWidth or ClockDigitHeight"),
        Element("the three preview balls (Easy and Medium)", PreviewBallRect(l, 3, 0),
                PreviewBallRect(l, 3, 2),
                "PreviewLeft3, PreviewTop, PreviewBallWidth or PreviewBallHeight"),
        Element("the four preview balls (Hard)", PreviewBallRect(l, 4, 0), PreviewBallRect(l, 4, 3),
                "PreviewLeft4, PreviewTop, PreviewBallWidth or PreviewBallHeight"),
    };
}

// The area is the background picture, or the window when the picture cannot be read.
void CheckElementsInside(const TSkinLayout& layout, TPictureSize area, std::string_view areaName,
                         TSkinProblems& problems) {
    for (const TElement& element : DrawnElements(layout)) {
        if (element.X.From >= 0 && element.Y.From >= 0 && element.X.To <= area.Width &&
            element.Y.To <= area.Height) {
            continue;
        }
        problems.push_back({false, "skin.cfg",
                            element.Name + " take x " + std::to_string(element.X.From) + " to " +
                                std::to_string(element.X.To - 1) + " and y " +
                                std::to_string(element.Y.From) + " to " +
                                std::to_string(element.Y.To - 1) + ", outside " +
                                std::string(areaName) + " (" + SizeText(area.Width, area.Height) +
                                " pixels): correct " + element.Values + "."});
    }
}

void CheckBackgroundFillsWindow(const TSkinLayout& layout, TPictureSize background,
                                std::string_view backgroundFile, TSkinProblems& problems) {
    if (background.Width == layout.WindowWidth && background.Height == layout.WindowHeight) {
        return;
    }
    problems.push_back(
        {true, std::string(backgroundFile) + " (background)",
         "the background is " + SizeText(background.Width, background.Height) +
             " pixels but the window is WindowWidth x WindowHeight = " +
             SizeText(layout.WindowWidth, layout.WindowHeight) +
             "; the game draws the background at its own size, so the window shows a bare "
             "margin or cuts the picture off: make the two sizes equal."});
}

void CheckHitBandsAlign(const TSkinLayout& layout, TSkinProblems& problems) {
    if (layout.BoardLeft != layout.BoardDrawLeft) {
        problems.push_back({false, "skin.cfg",
                            "BoardLeft is " + std::to_string(layout.BoardLeft) +
                                " but BoardDrawLeft is " + std::to_string(layout.BoardDrawLeft) +
                                "; mouse presses would land beside the drawn cells: set "
                                "BoardLeft to " +
                                std::to_string(layout.BoardDrawLeft) + "."});
    }
    const int64_t hitTop = int64_t{layout.BoardTop} + layout.CellGapY;
    if (hitTop != layout.BoardDrawTop) {
        problems.push_back(
            {false, "skin.cfg",
             "BoardTop + CellGapY is " + std::to_string(layout.BoardTop) + " + " +
                 std::to_string(layout.CellGapY) + " = " + std::to_string(hitTop) +
                 " but BoardDrawTop is " + std::to_string(layout.BoardDrawTop) +
                 "; mouse presses would land above or below the drawn cells: set BoardTop to " +
                 std::to_string(int64_t{layout.BoardDrawTop} - layout.CellGapY) +
                 " (BoardDrawTop - CellGapY)."});
    }
}

}  // namespace

// The grid of pieces the game cuts from the picture, each of the size the layout gives.
TPictureRule PictureRule(TSkinImage image, const TSkinLayout& layout) {
    const std::optional<TPieceSize> piece = PieceSize(image, layout);
    if (!piece) {
        return {};
    }
    const TPieceGrid grid = PieceGrid(image);
    const TPictureSize size{int64_t{grid.Columns} * piece->Width,
                            int64_t{grid.Rows} * piece->Height};
    const std::string pieceSize = SizeText(piece->Width, piece->Height);
    const auto row = [&](std::string_view pieces, std::string_view widthName,
                         std::string_view heightName) {
        return TPictureRule{size, false,
                            std::string(pieces) + " of " + std::string(widthName) + " x " +
                                std::string(heightName) + " = " + pieceSize + " side by side",
                            std::string(widthName) + " and " + std::string(heightName)};
    };
    switch (image) {
        case TSkinImage::EmptyCell:
            return {size, false, "one cell of CellWidth x CellHeight", "CellWidth and CellHeight"};
        case TSkinImage::ScoreDigits:
            return row("ten digits", "ScoreDigitWidth", "ScoreDigitHeight");
        case TSkinImage::ClockDigits:
            return row("ten digits", "ClockDigitWidth", "ClockDigitHeight");
        case TSkinImage::PreviewBalls:
            return row("six balls", "PreviewBallWidth", "PreviewBallHeight");
        default:
            return {size, true,
                    SizeText(grid.Columns, grid.Rows) +
                        " cells of CellWidth x CellHeight = " + pieceSize,
                    "CellWidth and CellHeight"};
    }
}

std::string PictureRole(TSkinImage image) {
    switch (image) {
        case TSkinImage::Background:
            return "background";
        case TSkinImage::EmptyCell:
            return "empty cell";
        case TSkinImage::ScoreDigits:
            return "score digits";
        case TSkinImage::ClockDigits:
            return "clock digits";
        case TSkinImage::PreviewBalls:
            return "preview balls";
        default:
            return "ball strip " + std::to_string(static_cast<int>(image) -
                                                  static_cast<int>(TSkinImage::Strip1) + 1);
    }
}

void CheckSkinGeometry(const TSkinLayout& layout, std::optional<TPictureSize> background,
                       std::string_view backgroundFile, TSkinProblems& problems) {
    if (background) {
        CheckBackgroundFillsWindow(layout, *background, backgroundFile, problems);
        CheckElementsInside(layout, *background,
                            "the background picture " + std::string(backgroundFile), problems);
    } else {
        CheckElementsInside(layout, {layout.WindowWidth, layout.WindowHeight},
                            "the window (WindowWidth x WindowHeight)", problems);
    }
    CheckHitBandsAlign(layout, problems);
}
