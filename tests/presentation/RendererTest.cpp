#include <gtest/gtest.h>

#include "presentation/Renderer.h"
#include "support/BmpHeader.h"
#include "support/GameFolder.h"
#include "support/PresentationWorld.h"
#include "support/TestSkin.h"

namespace {

std::string CacheFile(const std::string& name) {
    return "Gfx\\Cache\\" + name;
}

// A renderer drawing the solid test skin from a temporary game folder's cache.
class Drawing : public testing::Test, protected TPresentationWorld {
protected:
    Drawing() {
        testskin::Write(Folder.Path("Gfx\\Cache"), Skin);
        Files.Background.Assign(CacheFile("back.bmp"));
        Files.EmptyCell.Assign(CacheFile("cell.bmp"));
        for (int strip = 0; strip < 6; ++strip) {
            Files.BallStrips[strip].Assign(CacheFile("s" + std::to_string(strip + 1) + ".bmp"));
        }
        Files.ScoreDigits.Assign(CacheFile("score.bmp"));
        Files.PreviewBalls.Assign(CacheFile("next.bmp"));
        Renderer.LoadSkinImages(Skin.Layout, Files, CacheFile("clock.bmp"));
        Game.Difficulty = DifficultyMedium;
    }

    QRgb Pixel(int x, int y) const { return Renderer.BackBuffer().pixel(x, y); }
    // Top-left pixel of a cell's picture.
    QRgb CellPixel(int column, int row) const {
        const TSkinLayout& l = Skin.Layout;
        return Pixel(l.BoardDrawLeft + column * l.CellWidth + (column + 1) * l.CellGapX,
                     l.BoardDrawTop + row * (l.CellHeight + l.CellGapY));
    }
    QRgb ScorePixel(int position) const {
        return Pixel(Skin.Layout.ScoreLeft + position * Skin.Layout.ScoreDigitStep,
                     Skin.Layout.ScoreTop);
    }
    QRgb ClockPixel(int position) const {
        return Pixel(Skin.Layout.ClockLeft + position * Skin.Layout.ClockDigitStep,
                     Skin.Layout.ClockTop);
    }
    QRgb PreviewPixel(int left, int ball) const {
        return Pixel(left + ball * Skin.Layout.PreviewBallWidth + 1, Skin.Layout.PreviewTop + 1);
    }

    TGameFolder Folder;
    TSkinData Skin = testskin::Data();
    TSkinFiles Files;
};

TEST_F(Drawing, BackBufferTakesTheBackgroundSizeAndCellsTheirPlaces) {
    DrawBoard();
    EXPECT_EQ(Renderer.BackBuffer().size(), QSize(160, 150));
    const TSkinLayout& l = Skin.Layout;
    // Column 0 starts one gap right of the board's left; row 0 exactly at its top.
    EXPECT_EQ(Pixel(l.BoardDrawLeft + l.CellGapX, l.BoardDrawTop), testskin::EmptyCell());
    EXPECT_EQ(Pixel(l.BoardDrawLeft + l.CellGapX - 1, l.BoardDrawTop), testskin::Background());
    EXPECT_EQ(Pixel(l.BoardDrawLeft + l.CellGapX, l.BoardDrawTop - 1), testskin::Background());
    // Cell (8, 8): its last pixel, and the gap after it.
    const int x = l.BoardDrawLeft + 8 * l.CellWidth + 9 * l.CellGapX;
    const int y = l.BoardDrawTop + 8 * (l.CellHeight + l.CellGapY);
    EXPECT_EQ(Pixel(x + l.CellWidth - 1, y + l.CellHeight - 1), testskin::EmptyCell());
    EXPECT_EQ(Pixel(x + l.CellWidth, y), testskin::Background());
    EXPECT_EQ(Pixel(x, y - 1), testskin::Background());
}

TEST_F(Drawing, EachColourComesFromItsOwnStrip) {
    // Strips in file order feed the colours 1, 3, 2, 5, 4, 6.
    for (int colour = 1; colour <= 6; ++colour) {
        Logic.Board[colour - 1][0] = static_cast<int16_t>(colour);
    }
    Logic.Board[0][1] = 7;
    Logic.Board[1][1] = -2;
    Logic.Board[2][1] = 1;
    Logic.CellMarks[2][1] = 4;
    DrawBoard();
    const int stripOfColour[7] = {-1, 0, 2, 1, 4, 3, 5};
    for (int colour = 1; colour <= 6; ++colour) {
        EXPECT_EQ(CellPixel(colour - 1, 0), testskin::StripFrame(stripOfColour[colour], 0, 12))
            << "colour " << colour;
    }
    // Values and marks outside the table draw nothing: the background shows.
    EXPECT_EQ(CellPixel(0, 1), testskin::Background());
    EXPECT_EQ(CellPixel(1, 1), testskin::Background());
    EXPECT_EQ(CellPixel(2, 1), testskin::Background());
}

TEST_F(Drawing, AnimatedCellsShowTheirFrames) {
    Logic.Board[0][0] = 2;
    Logic.CellMarks[0][0] = MarkAppearing;
    Logic.CellMarks[1][0] = MarkDeleting;  // already empty on the board
    Logic.LineColour = 4;
    Logic.Selection.Colour = 2;
    Logic.AppearFrame = 0;
    Logic.DeleteFrame = 0;
    DrawBoard();
    // Before the channels' first firing: the last bounce frame and the grown ball.
    EXPECT_EQ(CellPixel(0, 0), testskin::StripFrame(2, 0, 11));
    EXPECT_EQ(CellPixel(1, 0), testskin::StripFrame(4, 1, 12)) << "the line's colour, 4";

    Logic.AppearFrame = 1;
    Logic.DeleteFrame = 1;
    DrawBoard();
    EXPECT_EQ(CellPixel(0, 0), testskin::StripFrame(2, 1, 0));
    EXPECT_EQ(CellPixel(1, 0), testskin::StripFrame(4, 2, 0));

    Logic.AppearFrame = 13;
    Logic.DeleteFrame = 12;
    DrawBoard();
    EXPECT_EQ(CellPixel(0, 0), testskin::StripFrame(2, 1, 12));
    EXPECT_EQ(CellPixel(1, 0), testskin::StripFrame(4, 2, 11));

    Logic.AppearFrame = 14;
    Logic.DeleteFrame = 13;
    DrawBoard();
    EXPECT_EQ(CellPixel(0, 0), testskin::StripFrame(2, 0, 12)) << "the ball at rest";
    EXPECT_EQ(CellPixel(1, 0), testskin::EmptyCell());
}

TEST_F(Drawing, ScoreShowsFiveDigitsAndNothingBeyond) {
    Game.Score = 0;
    DrawBoard();
    for (int position = 0; position < 5; ++position) {
        EXPECT_EQ(ScorePixel(position), testskin::ScoreDigit(0));
    }
    Game.Score = 4071;
    DrawBoard();
    const int digits[5] = {0, 4, 0, 7, 1};
    for (int position = 0; position < 5; ++position) {
        EXPECT_EQ(ScorePixel(position), testskin::ScoreDigit(digits[position]));
    }
    Game.Score = 99999;
    DrawBoard();
    EXPECT_EQ(ScorePixel(0), testskin::ScoreDigit(9));

    Game.Score = 4000000000U;  // ten digits, as a hand-made saved game may hold
    DrawBoard();
    for (int position = 0; position < 5; ++position) {
        EXPECT_EQ(ScorePixel(position), testskin::Background());
    }
}

TEST_F(Drawing, ClockSkipsTheThirdPosition) {
    Game.TimeText.Assign("0500");
    DrawBoard();
    Renderer.DrawClock();
    EXPECT_EQ(ClockPixel(0), testskin::ClockDigit(0));
    EXPECT_EQ(ClockPixel(1), testskin::ClockDigit(5));
    EXPECT_EQ(ClockPixel(2), testskin::Background());
    EXPECT_EQ(ClockPixel(3), testskin::ClockDigit(0));

    Game.TimeText.Assign("0407");
    Renderer.DrawClock();
    EXPECT_EQ(ClockPixel(1), testskin::ClockDigit(4));
    EXPECT_EQ(ClockPixel(4), testskin::ClockDigit(7));
}

TEST_F(Drawing, UnchangedClockLeavesThePictureAlone) {
    Game.TimeText.Assign("1234");
    DrawBoard();
    Renderer.DrawClock();
    Renderer.TakeChanges();
    Renderer.DrawClock();
    EXPECT_EQ(Renderer.TakeChanges(), QRect());
    Game.TimeText.Assign("1235");
    Renderer.DrawClock();
    EXPECT_EQ(Renderer.TakeChanges(),
              QRect(Skin.Layout.ClockLeft + 4 * Skin.Layout.ClockDigitStep, Skin.Layout.ClockTop,
                    Skin.Layout.ClockDigitWidth, Skin.Layout.ClockDigitHeight))
        << "the one digit that changed";
    DrawBoard();
    Renderer.DrawClock();
    EXPECT_EQ(ClockPixel(4), testskin::ClockDigit(5)) << "redrawn over a fresh board";
}

// Redraws report changed only the places whose picture changed, and the pixels they leave
// are the ones a renderer drawing the same game afresh draws.
TEST_F(Drawing, RedrawsChangeOnlyWhatChangedAndEndAsAFreshDrawing) {
    const TSkinLayout& l = Skin.Layout;
    Logic.Board[3][4] = 2;
    Logic.Selection = {2, 3, 4};
    Logic.Preview.Banks[0] = {1, 2, 3, 0};
    Game.NextBallsShown = true;
    Game.Score = 12;
    Game.TimeText.Assign("0102");
    DrawBoard();
    Renderer.DrawClock();
    EXPECT_EQ(Renderer.TakeChanges(), QRect(0, 0, 160, 150)) << "the first picture is all new";
    DrawBoard();
    Renderer.DrawClock();
    EXPECT_EQ(Renderer.TakeChanges(), QRect()) << "the same picture again is no change";

    // The selected ball's bounce: its cell alone, until the bounce stops advancing.
    Logic.CellMarks[3][4] = MarkSelected;
    Bounce.BounceFrame = 2;
    const QRect cell(l.BoardDrawLeft + 3 * l.CellWidth + 4 * l.CellGapX,
                     l.BoardDrawTop + 4 * (l.CellHeight + l.CellGapY), l.CellWidth, l.CellHeight);
    // A redraw draws the frame before the advance: frame 2, then frame 3 twice.
    for (const auto& [fired, changes] :
         {std::pair{true, cell}, std::pair{false, cell}, std::pair{false, QRect()}}) {
        Bounce.ChoosingFired = fired;
        DrawBoard();
        Renderer.DrawClock();
        EXPECT_EQ(Renderer.TakeChanges(), changes) << "frame " << Bounce.BounceFrame;
    }

    // The preview hidden, a score too long to show, the clock's next second: what was drawn
    // of them goes, what is drawn now shows.
    Game.NextBallsShown = false;
    Game.Score = 1234567;
    Game.TimeText.Assign("0103");
    Logic.Board[0][0] = 5;
    DrawBoard();
    Renderer.DrawClock();
    EXPECT_FALSE(Renderer.TakeChanges().isEmpty());

    TPresentationWorld fresh;
    fresh.Logic = Logic;
    fresh.Game = Game;
    fresh.Bounce = Bounce;
    fresh.Renderer.LoadSkinImages(l, Files, CacheFile("clock.bmp"));
    fresh.DrawBoard();
    fresh.Renderer.DrawClock();
    EXPECT_TRUE(Renderer.BackBuffer() == fresh.Renderer.BackBuffer());
    EXPECT_EQ(PreviewPixel(l.PreviewLeft3, 0), testskin::Background());

    // A new skin's pictures are all new, even at the same places.
    Renderer.LoadSkinImages(l, Files, CacheFile("clock.bmp"));
    EXPECT_EQ(Renderer.TakeChanges(), QRect(0, 0, 160, 150));
}

TEST_F(Drawing, PreviewShowsThreeOrFourAnnouncedBalls) {
    const TSkinLayout& l = Skin.Layout;
    Logic.NextBank = 1;
    Logic.Preview.Banks[1] = {2, 0, 3, 4};
    Logic.Preview.Banks[0] = {6, 6, 6, 6};
    Game.NextBallsShown = true;
    DrawBoard();
    EXPECT_EQ(PreviewPixel(l.PreviewLeft3, 0), testskin::PreviewSlot(2)) << "colour 2, slot 2";
    EXPECT_EQ(PreviewPixel(l.PreviewLeft3, 1), testskin::Background()) << "colour 0 leaves a gap";
    EXPECT_EQ(PreviewPixel(l.PreviewLeft3, 2), testskin::PreviewSlot(1)) << "colour 3, slot 1";
    EXPECT_EQ(PreviewPixel(l.PreviewLeft3, 3), testskin::Background());

    Game.Difficulty = DifficultyHard;
    DrawBoard();
    EXPECT_EQ(PreviewPixel(l.PreviewLeft4, 0), testskin::PreviewSlot(2));
    EXPECT_EQ(PreviewPixel(l.PreviewLeft4, 3), testskin::PreviewSlot(3)) << "colour 4, slot 3";

    Game.NextBallsShown = false;
    DrawBoard();
    EXPECT_EQ(PreviewPixel(l.PreviewLeft4, 0), testskin::Background());

    Game.NextBallsShown = true;
    Game.Difficulty = 9;
    DrawBoard();
    EXPECT_EQ(PreviewPixel(l.PreviewLeft4, 0), testskin::Background());
}

TEST_F(Drawing, MissingPictureNamesItsFile) {
    std::filesystem::remove(Folder.Path("Gfx\\Cache\\s4.bmp"));
    try {
        Renderer.LoadSkinImages(Skin.Layout, Files, CacheFile("clock.bmp"));
        FAIL() << "a missing picture must raise an error";
    } catch (const TPictureError& error) {
        EXPECT_NE(std::string(error.what()).find("Gfx\\Cache\\s4.bmp"), std::string::npos);
    }
    Folder.Write("Gfx\\Cache\\s4.bmp", "not a bitmap");
    EXPECT_THROW(Renderer.LoadSkinImages(Skin.Layout, Files, CacheFile("clock.bmp")),
                 TPictureError);
}

TEST_F(Drawing, PicturesSmallerThanTheLayoutAreCutSafely) {
    TSkinLayout big = Skin.Layout;
    big.CellWidth = 40;
    big.CellHeight = 30;
    big.ScoreDigitWidth = -3;
    Renderer.LoadSkinImages(big, Files, CacheFile("clock.bmp"));
    Logic.Board[8][8] = 3;
    Game.Score = 12;
    DrawBoard();
    EXPECT_EQ(Renderer.BackBuffer().size(), QSize(160, 150));
}

TEST_F(Drawing, PicturesLargerThanASkinCanUseAreRefusedBeforeTheyAreRead) {
    const auto refusal = [&]() -> std::string {
        try {
            Renderer.LoadSkinImages(Skin.Layout, Files, CacheFile("clock.bmp"));
        } catch (const TPictureError& error) {
            return error.what();
        }
        return "loaded";
    };
    const auto save = [&](const std::string& name, int width, int height) {
        ASSERT_TRUE(
            testskin::Solid(width, height, testskin::Background())
                .save(QString::fromStdString(Folder.Path(CacheFile(name)).string()), "BMP"));
    };
    // The largest pictures a skin can use load; one pixel more does not.
    save("back.bmp", 4096, 2);
    save("s3.bmp", 13 * 128, 3 * 128);
    save("score.bmp", 10 * 128, 128);
    save("next.bmp", 6 * 128, 128);
    save("cell.bmp", 128, 128);
    EXPECT_EQ(refusal(), "loaded");
    save("back.bmp", 2, 4097);
    EXPECT_EQ(refusal(),
              "Cannot load the picture \"Gfx\\Cache\\back.bmp\": it is 2 x 4097 pixels, "
              "larger than the 4096 x 4096 a skin can use in its place.");
    save("back.bmp", 160, 150);
    save("s3.bmp", 13 * 128 + 1, 3);
    EXPECT_NE(refusal().find("\"Gfx\\Cache\\s3.bmp\": it is 1665 x 3 pixels, larger than the "
                             "1664 x 384"),
              std::string::npos);
    save("s3.bmp", 13 * 10, 3 * 8);
    save("cell.bmp", 129, 1);
    EXPECT_NE(refusal().find("cell.bmp\": it is 129 x 1 pixels"), std::string::npos);
    save("cell.bmp", 10, 8);

    // A picture that claims an enormous size is refused by its header alone.
    Folder.Write(CacheFile("clock.bmp"), BmpHeaderOnly(16000, 16000));
    EXPECT_NE(refusal().find("clock.bmp\": it is 16000 x 16000 pixels, larger than the 1280 x 128"),
              std::string::npos);
}

TEST_F(Drawing, OnlyTheTopLeftCellOfTheEmptyCellPictureIsDrawn) {
    QImage cell = testskin::Solid(30, 30, qRgb(1, 2, 3));
    for (int y = 0; y < Skin.Layout.CellHeight; ++y) {
        for (int x = 0; x < Skin.Layout.CellWidth; ++x) {
            cell.setPixel(x, y, testskin::EmptyCell());
        }
    }
    ASSERT_TRUE(
        cell.save(QString::fromStdString(Folder.Path(CacheFile("cell.bmp")).string()), "BMP"));
    Renderer.LoadSkinImages(Skin.Layout, Files, CacheFile("clock.bmp"));
    DrawBoard();
    const TSkinLayout& l = Skin.Layout;
    const int right = l.BoardDrawLeft + 9 * (l.CellWidth + l.CellGapX);
    const int bottom = l.BoardDrawTop + 9 * (l.CellHeight + l.CellGapY) - l.CellGapY;
    EXPECT_EQ(Pixel(right - 1, bottom - 1), testskin::EmptyCell());
    EXPECT_EQ(Pixel(right, bottom - 1), testskin::Background());
    EXPECT_EQ(Pixel(right - 1, bottom), testskin::Background());
}

TEST_F(Drawing, TheLargestAndSmallestLayoutsStayFarInsideTheNumbers) {
    // Every value at the end of its range, drawn from the small test pictures.
    for (const bool largest : {true, false}) {
        TSkinLayout layout;
        for (int i = 0; i < TSkinLayout::Count; ++i) {
            const TLayoutRange range = LayoutRange(i);
            layout[i] = largest ? range.Max : range.Min;
        }
        if (!largest) {
            layout.CellGapX = layout.CellGapY = 0;
        }
        Renderer.LoadSkinImages(layout, Files, CacheFile("clock.bmp"));
        Logic.Board[8][8] = 3;
        Game.Score = 99999;
        Game.NextBallsShown = true;
        Game.TimeText.Assign("9959");
        DrawBoard();
        Renderer.DrawClock();
        EXPECT_EQ(Renderer.BackBuffer().size(), QSize(160, 150));
    }
}

}  // namespace
