#include <gtest/gtest.h>

#include "ColourVision.h"

namespace {

TEST(ColourVision, TheSimulatedViewsMergeExactlyTheColoursEachKindConfuses) {
    const QColor red(200, 40, 40);
    const QColor green(60, 150, 40);
    const QColor blue(40, 80, 230);
    const QColor violet(110, 80, 230);
    const double redGreen = ColourDifference(red, green);
    for (TColourVision vision : {TColourVision::Protanopia, TColourVision::Deuteranopia}) {
        EXPECT_LT(ColourDifference(SimulateVision(red, vision), SimulateVision(green, vision)),
                  redGreen / 2);
    }
    EXPECT_GT(ColourDifference(SimulateVision(red, TColourVision::Tritanopia),
                               SimulateVision(green, TColourVision::Tritanopia)),
              redGreen / 2);
    // Red and green views aside, blue and violet differ only in their red share.
    EXPECT_LT(ColourDifference(SimulateVision(blue, TColourVision::Protanopia),
                               SimulateVision(violet, TColourVision::Protanopia)),
              ColourDifference(blue, violet));

    // Greys stay greys, and normal vision changes nothing.
    for (int level : {0, 90, 180, 255}) {
        const QColor grey(level, level, level);
        for (TColourVision vision :
             {TColourVision::Protanopia, TColourVision::Deuteranopia, TColourVision::Tritanopia}) {
            EXPECT_LT(ColourDifference(SimulateVision(grey, vision), grey), 1.5) << level;
        }
        EXPECT_EQ(SimulateVision(grey, TColourVision::Normal), grey);
    }
}

TEST(ColourVision, DifferencesFollowPerception) {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    EXPECT_NEAR(ColourDifference(black, white), 100.0, 0.5);
    EXPECT_DOUBLE_EQ(ColourDifference(white, white), 0.0);
    const QColor a(30, 120, 200);
    const QColor b(200, 60, 90);
    EXPECT_NEAR(ColourDifference(a, b), ColourDifference(b, a), 1e-9);
    // One step of one channel is hardly visible; a different hue is plain.
    EXPECT_LT(ColourDifference(a, QColor(31, 120, 200)), 1.0);
    EXPECT_GT(ColourDifference(a, b), 30.0);
}

}  // namespace
