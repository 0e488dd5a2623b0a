#include <gtest/gtest.h>

#include "PictureProbe.h"
#include "QtRects.h"

namespace {

// How far, on average, the outer ring of pixels of `piece` differs from the background at
// `place`: a piece that fits shows no seam where the game copies it.
double SeamAt(const QImage& background, const QImage& piece, QPoint place) {
    long total = 0;
    int count = 0;
    for (int y = 0; y < piece.height(); ++y) {
        for (int x = 0; x < piece.width(); ++x) {
            if (x == 0 || y == 0 || x == piece.width() - 1 || y == piece.height() - 1) {
                total += ChannelDistance(piece.pixel(x, y), background.pixel(place + QPoint(x, y)));
                ++count;
            }
        }
    }
    return static_cast<double>(total) / count;
}

QImage Cut(const QImage& picture, int index, QSize size) {
    return picture.copy(index * size.width(), 0, size.width(), size.height());
}

TEST(SkinBackground, ShowsTheEmptyCellWhereverTheLayoutPutsACell) {
    for (const TShippedSkin& skin : ShippedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        const QImage& background = skin.Image(TSkinImage::Background);
        const QImage& empty = skin.Image(TSkinImage::EmptyCell);
        for (int row = 0; row < 9; ++row) {
            for (int column = 0; column < 9; ++column) {
                ASSERT_EQ(background.copy(ToQRect(CellRect(skin.Data.Layout, column, row))), empty)
                    << "column " << column << ", row " << row;
            }
        }
        // Between the cells the board's gaps show, not more cell.
        const QRect first = ToQRect(CellRect(skin.Data.Layout, 0, 0));
        EXPECT_NE(background.pixel(first.left() - 1, first.center().y()),
                  empty.pixel(0, empty.height() / 2));
    }
}

TEST(SkinBackground, DigitsAndPreviewBallsSitInTheirPanelsWithoutASeam) {
    // Average channel difference along a piece's edge; antialiased glyph edges that touch it
    // stay well below what a wrong backdrop colour gives.
    constexpr double seamless = 3.0;
    for (const TShippedSkin& skin : ShippedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        const TSkinLayout& l = skin.Data.Layout;
        const QImage& background = skin.Image(TSkinImage::Background);
        const QSize score(l.ScoreDigitWidth, l.ScoreDigitHeight);
        const QSize clock(l.ClockDigitWidth, l.ClockDigitHeight);
        for (int digit = 0; digit < 10; ++digit) {
            for (int p = 0; p < 5; ++p) {
                EXPECT_LT(SeamAt(background, Cut(skin.Image(TSkinImage::ScoreDigits), digit, score),
                                 ToQRect(ScoreDigitRect(l, p)).topLeft()),
                          seamless)
                    << "score digit " << digit << " at " << p;
            }
            for (int k : {0, 1, 3, 4}) {
                EXPECT_LT(SeamAt(background, Cut(skin.Image(TSkinImage::ClockDigits), digit, clock),
                                 ToQRect(ClockDigitRect(l, k)).topLeft()),
                          seamless)
                    << "clock digit " << digit << " at " << k;
            }
        }
        for (int slot = 0; slot < 6; ++slot) {
            for (int count : {3, 4}) {
                for (int i = 0; i < count; ++i) {
                    EXPECT_LT(SeamAt(background, PreviewSlot(skin, slot),
                                     ToQRect(PreviewBallRect(l, count, i)).topLeft()),
                              seamless)
                        << "slot " << slot << " as ball " << i << " of " << count;
                }
            }
        }
    }
}

TEST(SkinBackground, TheClockShowsAColonBetweenMinutesAndSeconds) {
    for (const TShippedSkin& skin : ShippedSkins()) {
        SCOPED_TRACE(skin.Data.SkinName);
        const TSkinLayout& l = skin.Data.Layout;
        const QImage& background = skin.Image(TSkinImage::Background);
        // The clock digit pictures carry the plain panel; where the colon is, the background
        // must differ from it, in an upper and a lower dot, with the panel between them.
        const QImage plain =
            Cut(skin.Image(TSkinImage::ClockDigits), 1, {l.ClockDigitWidth, l.ClockDigitHeight});
        const QImage slot = background.copy(ToQRect(ClockDigitRect(l, 2)));
        QImage plainBackdrop = plain;
        // Columns at the left and right edges of a digit picture show only the panel.
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                plainBackdrop.setPixel(x, y, plain.pixel(0, y));
            }
        }
        const TBlob colon = FindBlob(slot, plainBackdrop);
        ASSERT_GT(colon.Count, 4);
        const int middle = l.ClockDigitHeight / 2;
        EXPECT_LT(colon.Bounds.top(), middle);
        EXPECT_GT(colon.Bounds.bottom(), middle);
        const QImage middleRow = slot.copy(0, middle, slot.width(), 1);
        EXPECT_EQ(FindBlob(middleRow, plainBackdrop.copy(0, middle, slot.width(), 1)).Count, 0)
            << "two dots, not a bar";
        EXPECT_LE(std::abs(colon.Bounds.center().x() - l.ClockDigitWidth / 2), 2) << "centred";
    }
}

}  // namespace
