#include <gtest/gtest.h>

#include "QtRects.h"
#include "ShippedSkins.h"

namespace {

// The panels the generator paints behind the score, the clock and the preview hold what
// the game draws there, apart from the board and from one another.
TEST(SkinPlan, EveryPanelHoldsItsPiecesApartFromTheBoardAndTheOthers) {
    for (const auto& theme : ShippedSkins()) {
        const TSkinPlan plan = theme->Plan();
        const TSkinLayout& l = plan.Layout;
        SCOPED_TRACE(theme->Name());
        const QRect window(0, 0, l.WindowWidth, l.WindowHeight);
        const QRect board = ToQRect(BoardRect(l));
        const std::vector<QRect> panels{plan.ScorePanel, plan.ClockPanel, plan.PreviewPanel};
        for (std::size_t a = 0; a < panels.size(); ++a) {
            EXPECT_TRUE(window.contains(panels[a]));
            EXPECT_FALSE(panels[a].intersects(board));
            for (std::size_t b = a + 1; b < panels.size(); ++b) {
                EXPECT_FALSE(panels[a].intersects(panels[b]));
            }
        }
        for (int p = 0; p < 5; ++p) {
            EXPECT_TRUE(plan.ScorePanel.contains(ToQRect(ScoreDigitRect(l, p)))) << "score " << p;
            EXPECT_TRUE(plan.ClockPanel.contains(ToQRect(ClockDigitRect(l, p)))) << "clock " << p;
        }
        for (int count : {3, 4}) {
            for (int i = 0; i < count; ++i) {
                EXPECT_TRUE(plan.PreviewPanel.contains(ToQRect(PreviewBallRect(l, count, i))))
                    << count << " balls, ball " << i;
            }
        }
        const QRect four = ToQRect(PreviewBallRect(l, 4, 0)) | ToQRect(PreviewBallRect(l, 4, 3));
        EXPECT_LE(std::abs(four.center().x() - plan.PreviewPanel.center().x()), 1);
        EXPECT_LE(std::abs(four.center().y() - plan.PreviewPanel.center().y()), 1);
    }
}

}  // namespace
