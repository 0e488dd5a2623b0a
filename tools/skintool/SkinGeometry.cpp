#include "SkinGeometry.h"

#include <algorithm>

namespace {

std::string SizeText(int64_t width, int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

// The pixels taken along one axis by a row of pieces: the first at `first`, the others
// `step` apart, the last at index `last`.
struct TSpan {
    int64_t From = 0;
    int64_t To = 0;  // one past the last pixel
};

TSpan Span(int64_t first, int64_t step, int64_t last, int64_t size) {
    const int64_t lastStart = first + last * step;
    return {std::min(first, lastStart), std::max(first, lastStart) + size};
}

struct TElement {
    std::string Name;
    TSpan X;
    TSpan Y;
    std::string Values;  // the layout values that place it
};

std::vector<TElement> DrawnElements(const TSkinLayout& l) {
    // The drawn board puts a gap left of column 0 but none above row 0.
    const int64_t columnStep = int64_t{l.CellWidth} + l.CellGapX;
    const int64_t rowStep = int64_t{l.CellHeight} + l.CellGapY;
    const TSpan previewY{l.PreviewTop, int64_t{l.PreviewTop} + l.PreviewBallHeight};
    return {
        {"the board's 81 cells",
         Span(int64_t{l.BoardDrawLeft} + l.CellGapX, columnStep, 8, l.CellWidth),
         Span(l.BoardDrawTop, rowStep, 8, l.CellHeight),
         "BoardDrawLeft, BoardDrawTop, CellWidth, CellHeight, CellGapX or CellGapY"},
        {"the five score digits",
         Span(l.ScoreLeft, l.ScoreDigitStep, 4, l.ScoreDigitWidth),
         {l.ScoreTop, int64_t{l.ScoreTop} + l.ScoreDigitHeight},
         "ScoreLeft, ScoreTop, ScoreDigitStep, ScoreDigitWidth or ScoreDigitHeight"},
        // The clock skips position 2, between minutes and seconds; 0 and 4 bound it.
        {"the clock's digits",
         Span(l.ClockLeft, l.ClockDigitStep, 4, l.ClockDigitWidth),
         {l.ClockTop, int64_t{l.ClockTop} + l.ClockDigitHeight},
         "ClockLeft, ClockTop, ClockDigitStep, ClockDigitWidth or ClockDigitHeight"},
        {"the three preview balls (Easy and Medium)",
         Span(l.PreviewLeft3, l.PreviewBallWidth, 2, l.PreviewBallWidth), previewY,
         "PreviewLeft3, PreviewTop, PreviewBallWidth or PreviewBallHeight"},
        {"the four preview balls (Hard)",
         Span(l.PreviewLeft4, l.PreviewBallWidth, 3, l.PreviewBallWidth), previewY,
         "PreviewLeft4, PreviewTop, PreviewBallWidth or PreviewBallHeight"},
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

TPictureRule PictureRule(TSkinImage image, const TSkinLayout& layout) {
    const auto row = [](int count, std::string_view piece, int32_t width, int32_t height,
                        std::string_view widthName, std::string_view heightName) {
        return TPictureRule{{int64_t{count} * width, height},
                            false,
                            std::string(piece) + " of " + std::string(widthName) + " x " +
                                std::string(heightName) + " = " + SizeText(width, height) +
                                " side by side",
                            std::string(widthName) + " and " + std::string(heightName)};
    };
    switch (image) {
        case TSkinImage::Background:
            return {};
        case TSkinImage::EmptyCell:
            return {{layout.CellWidth, layout.CellHeight},
                    false,
                    "one cell of CellWidth x CellHeight",
                    "CellWidth and CellHeight"};
        case TSkinImage::ScoreDigits:
            return row(10, "ten digits", layout.ScoreDigitWidth, layout.ScoreDigitHeight,
                       "ScoreDigitWidth", "ScoreDigitHeight");
        case TSkinImage::ClockDigits:
            return row(10, "ten digits", layout.ClockDigitWidth, layout.ClockDigitHeight,
                       "ClockDigitWidth", "ClockDigitHeight");
        case TSkinImage::PreviewBalls:
            return row(6, "six balls", layout.PreviewBallWidth, layout.PreviewBallHeight,
                       "PreviewBallWidth", "PreviewBallHeight");
        default:
            return {{int64_t{13} * layout.CellWidth, int64_t{3} * layout.CellHeight},
                    true,
                    "13 x 3 cells of CellWidth x CellHeight = " +
                        SizeText(layout.CellWidth, layout.CellHeight),
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
