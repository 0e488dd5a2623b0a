#include "PictureCut.h"

#include "BallStrip.h"

TPieceGrid PieceGrid(TSkinImage image) {
    constexpr int Digits = 10;
    switch (image) {
        case TSkinImage::Background:
        case TSkinImage::EmptyCell:
            return {1, 1};
        case TSkinImage::ScoreDigits:
        case TSkinImage::ClockDigits:
            return {Digits, 1};
        case TSkinImage::PreviewBalls:
            return {static_cast<int>(PreviewSlotColours.size()), 1};
        default:
            return {StripColumns, StripRows};
    }
}

std::optional<TPieceSize> PieceSize(TSkinImage image, const TSkinLayout& layout) {
    switch (image) {
        case TSkinImage::Background:
            return std::nullopt;
        case TSkinImage::ScoreDigits:
            return TPieceSize{layout.ScoreDigitWidth, layout.ScoreDigitHeight};
        case TSkinImage::ClockDigits:
            return TPieceSize{layout.ClockDigitWidth, layout.ClockDigitHeight};
        case TSkinImage::PreviewBalls:
            return TPieceSize{layout.PreviewBallWidth, layout.PreviewBallHeight};
        default:
            return TPieceSize{layout.CellWidth, layout.CellHeight};
    }
}

TPixelRect PieceRect(TSkinImage image, const TSkinLayout& layout, int column, int row) {
    const TPieceSize size = PieceSize(image, layout).value_or(TPieceSize{});
    return {column * size.Width, row * size.Height, size.Width, size.Height};
}

int PreviewSlotOf(int colour) {
    for (int slot = 0; slot < static_cast<int>(PreviewSlotColours.size()); ++slot) {
        if (PreviewSlotColours[slot] == colour) {
            return slot;
        }
    }
    return -1;
}
