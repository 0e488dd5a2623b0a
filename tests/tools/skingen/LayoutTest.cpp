#include <gtest/gtest.h>

#include "BoardGeometry.h"
#include "PictureProbe.h"
#include "ShippedSkins.h"

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

TEST(SkinLayout, EveryCellPictureLiesInsideTheBandTheMouseHitsItBy) {
    for (const auto& theme : ShippedSkins()) {
        const TSkinLayout l = theme->Plan().Layout;
        SCOPED_TRACE(theme->Name());
        for (int i = 0; i < 9; ++i) {
            const QRect cell = CellRect(l, i, i);
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
    for (const auto& theme : ShippedSkins()) {
        const TSkinPlan plan = theme->Plan();
        const TSkinLayout& l = plan.Layout;
        SCOPED_TRACE(theme->Name());
        const QRect window(0, 0, l.WindowWidth, l.WindowHeight);
        const QRect board = BoardRect(l);
        EXPECT_TRUE(window.contains(board));
        EXPECT_TRUE(board.contains(CellRect(l, 8, 8)));

        const std::vector<QRect> panels{plan.ScorePanel, plan.ClockPanel, plan.PreviewPanel};
        for (std::size_t a = 0; a < panels.size(); ++a) {
            EXPECT_TRUE(window.contains(panels[a]));
            EXPECT_FALSE(panels[a].intersects(board));
            for (std::size_t b = a + 1; b < panels.size(); ++b) {
                EXPECT_FALSE(panels[a].intersects(panels[b]));
            }
        }
        for (int p = 0; p < 5; ++p) {
            EXPECT_TRUE(plan.ScorePanel.contains(ScoreDigitRect(l, p))) << "score " << p;
            EXPECT_TRUE(plan.ClockPanel.contains(ClockDigitRect(l, p))) << "clock " << p;
        }
        EXPECT_GE(l.ScoreDigitStep, l.ScoreDigitWidth);
        EXPECT_GE(l.ClockDigitStep, l.ClockDigitWidth);
        for (int count : {3, 4}) {
            for (int i = 0; i < count; ++i) {
                EXPECT_TRUE(plan.PreviewPanel.contains(PreviewBallRect(l, count, i)))
                    << count << " balls, ball " << i;
            }
        }
    }
}

TEST(SkinLayout, ThreePreviewBallsAreCentredWhereFourAre) {
    for (const auto& theme : ShippedSkins()) {
        const TSkinPlan plan = theme->Plan();
        const TSkinLayout& l = plan.Layout;
        SCOPED_TRACE(theme->Name());
        const QRect three = PreviewBallRect(l, 3, 0) | PreviewBallRect(l, 3, 2);
        const QRect four = PreviewBallRect(l, 4, 0) | PreviewBallRect(l, 4, 3);
        EXPECT_LE(std::abs(three.center().x() - four.center().x()), 1);
        EXPECT_LE(std::abs(four.center().x() - plan.PreviewPanel.center().x()), 1);
        EXPECT_LE(std::abs(four.center().y() - plan.PreviewPanel.center().y()), 1);
    }
}

}  // namespace
