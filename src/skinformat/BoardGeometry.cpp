#include "BoardGeometry.h"

TPixelRect CellRect(const TSkinLayout& layout, int column, int row) {
    return {layout.BoardDrawLeft + column * layout.CellWidth + (column + 1) * layout.CellGapX,
            layout.BoardDrawTop + row * (layout.CellHeight + layout.CellGapY), layout.CellWidth,
            layout.CellHeight};
}

TPixelRect BoardRect(const TSkinLayout& layout) {
    return {layout.BoardDrawLeft, layout.BoardDrawTop - layout.CellGapY,
            9 * layout.CellWidth + 10 * layout.CellGapX,
            9 * layout.CellHeight + 10 * layout.CellGapY};
}

TPixelRect ScoreDigitRect(const TSkinLayout& layout, int position) {
    return {layout.ScoreLeft + position * layout.ScoreDigitStep, layout.ScoreTop,
            layout.ScoreDigitWidth, layout.ScoreDigitHeight};
}

TPixelRect ClockDigitRect(const TSkinLayout& layout, int position) {
    return {layout.ClockLeft + position * layout.ClockDigitStep, layout.ClockTop,
            layout.ClockDigitWidth, layout.ClockDigitHeight};
}

TPixelRect PreviewBallRect(const TSkinLayout& layout, int count, int index) {
    const int first = count == 4 ? layout.PreviewLeft4 : layout.PreviewLeft3;
    return {first + index * layout.PreviewBallWidth, layout.PreviewTop, layout.PreviewBallWidth,
            layout.PreviewBallHeight};
}
