#include <gtest/gtest.h>

#include "QtRects.h"
#include "SkinFolders.h"

namespace {

// The band of window pixels the mouse hit test gives to a column (or row): P = gap + cell;
// column i covers P pixels from origin + gap + i x P on, column 0 also the leading gap.
struct TBand {
    int First;  // where the band begins
    int Start;  // where it would begin without column 0's leading gap
    int Last;
};

TBand HitBand(int origin, int gap, int cell, int index) {
    const int period = gap + cell;
    const int start = origin + gap + index * period;
    return {index == 0 ? origin : start, start, start + period - 1};
}

// Where the score's digits, the clock's and the preview balls of three and of four go.
QRect ScoreRect(const TSkinLayout& l) {
    return ToQRect(ScoreDigitRect(l, 0)) | ToQRect(ScoreDigitRect(l, 4));
}
QRect ClockRect(const TSkinLayout& l) {
    return ToQRect(ClockDigitRect(l, 0)) | ToQRect(ClockDigitRect(l, 4));
}
QRect PreviewRect(const TSkinLayout& l) {
    return ToQRect(PreviewBallRect(l, 3, 0)) | ToQRect(PreviewBallRect(l, 3, 2)) |
           ToQRect(PreviewBallRect(l, 4, 0)) | ToQRect(PreviewBallRect(l, 4, 3));
}

TEST(SkinLayout, EveryCellPictureLiesInsideTheBandTheMouseHitsItBy) {
    for (const TShippedSkin& skin : ShippedSkins()) {
        const TSkinLayout& l = skin.Data.Layout;
        SCOPED_TRACE(skin.Data.SkinName);
        for (int i = 0; i < 9; ++i) {
            const QRect cell = ToQRect(CellRect(l, i, i));
            const TBand column = HitBand(l.BoardLeft, l.CellGapX, l.CellWidth, i);
            const TBand row = HitBand(l.BoardTop, l.CellGapY, l.CellHeight, i);
            EXPECT_GE(cell.left(), column.First);
            EXPECT_LE(cell.right(), column.Last);
            EXPECT_GE(cell.top(), row.First);
            EXPECT_LE(cell.bottom(), row.Last);
            // Aligned, not merely inside: the picture starts where the band does.
            EXPECT_EQ(cell.left(), column.Start);
            EXPECT_EQ(cell.top(), row.Start);
        }
    }
}

TEST(SkinLayout, EverythingTheGameDrawsFitsTheWindowWithoutOverlapping) {
    for (const TShippedSkin& skin : ShippedSkins()) {
        const TSkinLayout& l = skin.Data.Layout;
        SCOPED_TRACE(skin.Data.SkinName);
        const QRect window(0, 0, l.WindowWidth, l.WindowHeight);
        const QRect board = ToQRect(BoardRect(l));
        EXPECT_TRUE(window.contains(board));
        EXPECT_TRUE(board.contains(ToQRect(CellRect(l, 8, 8))));

        const std::vector<QRect> pieces{board, ScoreRect(l), ClockRect(l), PreviewRect(l)};
        for (std::size_t a = 0; a < pieces.size(); ++a) {
            EXPECT_TRUE(window.contains(pieces[a])) << "piece " << a;
            for (std::size_t b = a + 1; b < pieces.size(); ++b) {
                EXPECT_FALSE(pieces[a].intersects(pieces[b])) << "pieces " << a << " and " << b;
            }
        }
        EXPECT_GE(l.ScoreDigitStep, l.ScoreDigitWidth);
        EXPECT_GE(l.ClockDigitStep, l.ClockDigitWidth);
    }
}

TEST(SkinLayout, ThreePreviewBallsAreCentredWhereFourAre) {
    for (const TShippedSkin& skin : ShippedSkins()) {
        const TSkinLayout& l = skin.Data.Layout;
        SCOPED_TRACE(skin.Data.SkinName);
        const QRect three = ToQRect(PreviewBallRect(l, 3, 0)) | ToQRect(PreviewBallRect(l, 3, 2));
        const QRect four = ToQRect(PreviewBallRect(l, 4, 0)) | ToQRect(PreviewBallRect(l, 4, 3));
        EXPECT_LE(std::abs(three.center().x() - four.center().x()), 1);
    }
}

}  // namespace
