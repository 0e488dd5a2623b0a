#include "BoardGeometry.h"

QRect CellRect(const TSkinLayout& layout, int column, int row) {
    return QRect(layout.BoardDrawLeft + column * layout.CellWidth + (column + 1) * layout.CellGapX,
                 layout.BoardDrawTop + row * (layout.CellHeight + layout.CellGapY),
                 layout.CellWidth, layout.CellHeight);
}

QRect BoardRect(const TSkinLayout& layout) {
    return QRect(layout.BoardDrawLeft, layout.BoardDrawTop - layout.CellGapY,
                 9 * layout.CellWidth + 10 * layout.CellGapX,
                 9 * layout.CellHeight + 10 * layout.CellGapY);
}

QRect ScoreDigitRect(const TSkinLayout& layout, int position) {
    return QRect(layout.ScoreLeft + position * layout.ScoreDigitStep, layout.ScoreTop,
                 layout.ScoreDigitWidth, layout.ScoreDigitHeight);
}

QRect ClockDigitRect(const TSkinLayout& layout, int position) {
    return QRect(layout.ClockLeft + position * layout.ClockDigitStep, layout.ClockTop,
                 layout.ClockDigitWidth, layout.ClockDigitHeight);
}

QRect PreviewBallRect(const TSkinLayout& layout, int count, int index) {
    const int first = count == 4 ? layout.PreviewLeft4 : layout.PreviewLeft3;
    return QRect(first + index * layout.PreviewBallWidth, layout.PreviewTop,
                 layout.PreviewBallWidth, layout.PreviewBallHeight);
}
