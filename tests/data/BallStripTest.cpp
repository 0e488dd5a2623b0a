#include <gtest/gtest.h>

#include "ColourVision.h"
#include "PictureProbe.h"
#include "QtRects.h"

namespace {

// The game's fixed feeding of colours: the strip file (1st to 6th in skin.cfg) and the
// preview slot that show the same board colour.
struct TFeed {
    int Colour;
    int StripFile;  // 0-based
    int PreviewSlot;
};
constexpr TFeed Feeds[] = {{1, 0, 0}, {2, 2, 2}, {3, 1, 1}, {4, 4, 3}, {5, 3, 4}, {6, 5, 5}};

QImage PlainPreviewBackdrop(const TShippedSkin& skin) {
    return skin.Image(TSkinImage::Background)
        .copy(ToQRect(PreviewBallRect(skin.Data.Layout, 4, 0)));
}

TEST(BallStrips, EachStripShowsTheColourOfThePreviewSlotTheGamePairsItWith) {
    for (const TShippedSkin& skin : ShippedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        const QImage& empty = skin.Image(TSkinImage::EmptyCell);
        const QImage backdrop = PlainPreviewBackdrop(skin);
        for (const TFeed& feed : Feeds) {
            SCOPED_TRACE("colour " + std::to_string(feed.Colour));
            const QColor still = BallCore(StripCell(skin, feed.StripFile, 12, 0), empty);
            int closest = -1;
            double best = 1e9;
            for (int slot = 0; slot < 6; ++slot) {
                const double difference =
                    ColourDifference(still, BallCore(PreviewSlot(skin, slot), backdrop));
                if (difference < best) {
                    best = difference;
                    closest = slot;
                }
            }
            EXPECT_EQ(closest, feed.PreviewSlot);
            EXPECT_LT(best, 6.0) << "the preview ball is the board ball's twin";
        }
    }
}

TEST(BallStrips, AnAppearanceGrowsFromADotIntoTheBallAtRest) {
    for (const TShippedSkin& skin : ShippedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        const QImage& empty = skin.Image(TSkinImage::EmptyCell);
        for (int file = 0; file < 6; ++file) {
            const QImage still = StripCell(skin, file, 12, 0);
            const int ball = FindBlob(still, empty).Count;
            const int dot = FindBlob(StripCell(skin, file, 0, 1), empty).Count;
            EXPECT_GT(dot, 0) << "something appears at once";
            EXPECT_LT(dot, ball / 10);
            int previous = dot;
            for (int column = 1; column <= 6; ++column) {
                const int size = FindBlob(StripCell(skin, file, column, 1), empty).Count;
                EXPECT_GT(size, previous) << "column " << column;
                previous = size;
            }
            // It ends as exactly the still ball, which the game shows next.
            EXPECT_EQ(StripCell(skin, file, 12, 1), still);
        }
    }
}

TEST(BallStrips, TheBounceHopsSquashesAndStaysABall) {
    for (const TShippedSkin& skin : ShippedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        const QImage& empty = skin.Image(TSkinImage::EmptyCell);
        for (int file = 0; file < 6; ++file) {
            const TBlob still = FindBlob(StripCell(skin, file, 12, 0), empty);
            const TBlob squashed = FindBlob(StripCell(skin, file, 0, 0), empty);
            const TBlob high = FindBlob(StripCell(skin, file, 5, 0), empty);
            const TBlob low = FindBlob(StripCell(skin, file, 11, 0), empty);
            EXPECT_GT(squashed.Bounds.width(), still.Bounds.width());
            EXPECT_LT(squashed.Bounds.height(), still.Bounds.height());
            EXPECT_LE(high.Bounds.top(), still.Bounds.top() - 3) << "a hop you can see";
            EXPECT_LT(high.Bounds.top(), low.Bounds.top()) << "the second hop is the lower";
            EXPECT_LT(low.Bounds.top(), still.Bounds.top());
            // Entry 11 also shows for an instant after a spawn: a round ball, the usual size.
            EXPECT_NEAR(low.Bounds.width(), still.Bounds.width(), 1);
            EXPECT_NEAR(low.Count, still.Count, still.Count * 0.1);
            for (int entry = 0; entry < 12; ++entry) {
                EXPECT_NEAR(FindBlob(StripCell(skin, file, entry, 0), empty).Count, still.Count,
                            still.Count * 0.25)
                    << "entry " << entry << " keeps the ball whole";
            }
        }
    }
}

TEST(BallStrips, AVanishingBallSwellsFlashesAndBurstsAway) {
    for (const TShippedSkin& skin : ShippedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        const QImage& empty = skin.Image(TSkinImage::EmptyCell);
        for (int file = 0; file < 6; ++file) {
            const QImage stillPicture = StripCell(skin, file, 12, 0);
            const TBlob still = FindBlob(stillPicture, empty);
            // The flash may pale the ball's edge into a light cell: count faint changes too.
            constexpr int faint = 12;
            int previous = FindBlob(stillPicture, empty, faint).Count;
            for (int column = 0; column < 2; ++column) {
                const int area = FindBlob(StripCell(skin, file, column, 2), empty, faint).Count;
                EXPECT_GT(area, previous) << "column " << column;
                previous = area;
            }
            const QColor flash = BallCore(StripCell(skin, file, 2, 2), empty);
            EXPECT_GT(flash.lightnessF(), BallCore(stillPicture, empty).lightnessF());
            // Once the flash of the burst has faded, the ball's middle is no longer ball:
            // the pieces have flown outwards.
            for (int column = 6; column < 12; ++column) {
                const QImage frame = StripCell(skin, file, column, 2);
                const QPoint centre = still.Bounds.center();
                EXPECT_LT(ChannelDistance(frame.pixel(centre), empty.pixel(centre)),
                          ChannelDistance(stillPicture.pixel(centre), empty.pixel(centre)))
                    << "column " << column;
            }
            // The last frame shown leaves little behind before the empty cell follows.
            EXPECT_LT(FindBlob(StripCell(skin, file, 11, 2), empty).Count, still.Count / 8);
        }
    }
}

TEST(BallStrips, SixColoursStayApartForColourBlindPlayers) {
    // Two balls players must tell apart at a glance; 15 in CIEDE2000 is plain at a glance.
    constexpr double distinct = 15.0;
    for (const TShippedSkin& skin : ShippedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        const QImage& empty = skin.Image(TSkinImage::EmptyCell);
        for (TColourVision vision : {TColourVision::Normal, TColourVision::Protanopia,
                                     TColourVision::Deuteranopia, TColourVision::Tritanopia}) {
            std::vector<QColor> seen;
            for (int file = 0; file < 6; ++file) {
                seen.push_back(
                    SimulateVision(BallCore(StripCell(skin, file, 12, 0), empty), vision));
            }
            for (int a = 0; a < 6; ++a) {
                for (int b = a + 1; b < 6; ++b) {
                    EXPECT_GT(ColourDifference(seen[a], seen[b]), distinct)
                        << "strips " << a + 1 << " and " << b + 1 << ", vision "
                        << static_cast<int>(vision);
                }
            }
        }
    }
}

}  // namespace
