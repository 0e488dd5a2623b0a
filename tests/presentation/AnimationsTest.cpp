#include <gtest/gtest.h>

#include <vector>

#include "presentation/Animations.h"
#include "support/PresentationWorld.h"

namespace {

class CellAnimations : public testing::Test, protected TPresentationWorld {
protected:
    CellAnimations() { Game.SoundsOn = true; }

    // A cell's picture as the board is drawn, keeping the sound it brings.
    TCellPicture Draw(int column, int row) {
        const TCellPicture picture = Animations.PictureFor(column, row);
        if (picture.Sound) {
            Sounds.push_back(*picture.Sound);
        }
        return picture;
    }

    int SoundsOf(TSound sound) const {
        int count = 0;
        for (TSound played : Sounds) {
            count += played == sound ? 1 : 0;
        }
        return count;
    }

    // The bounce row's column a picture shows, -1 for the ball at rest.
    static int BounceColumn(const TCellPicture& picture) {
        EXPECT_EQ(picture.Kind, TCellPicture::TKind::Ball);
        if (picture.Cell == StillBall) {
            return -1;
        }
        EXPECT_EQ(picture.Cell.Row, 0);
        return picture.Cell.Column;
    }
};

TEST_F(CellAnimations, BounceRunsItsCycleAndChimesOncePerCycle) {
    Logic.Board[3][3] = 5;
    Logic.CellMarks[3][3] = MarkSelected;
    Logic.Selection = {5, 3, 3};
    Bounce.ChoosingFired = true;
    std::vector<int> frames;
    std::vector<int> chimes;  // the redraws that played the choosing sound
    for (int redraw = 0; redraw < 24 + 23; ++redraw) {
        const size_t soundsBefore = Sounds.size();
        const TCellPicture picture = Draw(3, 3);
        EXPECT_EQ(picture.Colour, 5);
        frames.push_back(BounceColumn(picture));
        if (Sounds.size() > soundsBefore) {
            chimes.push_back(redraw);
        }
    }
    const std::vector<int> cycle{0, 1, 2, 3, 4,  5,  5,  4, 3, 2, 1, -1,
                                 6, 7, 8, 9, 10, 11, 10, 9, 8, 7, 6};
    std::vector<int> expected{-1};  // frame 1 once, then 2 to 24 over and over
    expected.insert(expected.end(), cycle.begin(), cycle.end());
    expected.insert(expected.end(), cycle.begin(), cycle.end());
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(SoundsOf(TSound::Choosing), 2) << "frame 7 comes once every 23 advances";
    EXPECT_EQ(chimes, (std::vector<int>{6, 6 + 23})) << "with the strip's fifth picture going up";

    Game.SoundsOn = false;
    for (int redraw = 0; redraw < 30; ++redraw) {
        Draw(3, 3);
    }
    EXPECT_EQ(SoundsOf(TSound::Choosing), 2);
}

TEST_F(CellAnimations, BounceAdvancesOnlyAfterTheChoosingChannelFired) {
    Logic.Board[0][0] = 1;
    Logic.Board[8][8] = 2;
    Logic.CellMarks[0][0] = MarkSelected;
    Logic.Selection = {1, 0, 0};
    Bounce.BounceFrame = 4;
    Bounce.ChoosingFired = false;
    EXPECT_EQ(BounceColumn(Draw(0, 0)), 2);
    EXPECT_EQ(BounceColumn(Draw(0, 0)), 2);
    Bounce.ChoosingFired = true;
    EXPECT_EQ(BounceColumn(Draw(0, 0)), 2);
    // Selecting another ball goes on from the current frame.
    Logic.CellMarks[0][0] = MarkNone;
    Logic.CellMarks[8][8] = MarkSelected;
    Logic.Selection = {2, 8, 8};
    const TCellPicture picture = Draw(8, 8);
    EXPECT_EQ(picture.Colour, 2);
    EXPECT_EQ(BounceColumn(picture), 3);
}

TEST_F(CellAnimations, AppearingAndVanishingCellsShowTheTurnCyclesFrames) {
    Logic.Board[4][0] = 2;
    Logic.CellMarks[4][0] = MarkAppearing;
    Logic.CellMarks[0][2] = MarkDeleting;
    Logic.CellMarks[1][2] = MarkDeleting;
    Logic.LineColour = 3;
    // The appearance shows the bounce row's last frame, then the appearance row.
    for (int16_t frame = 0; frame < LastAppearFrame; ++frame) {
        Logic.AppearFrame = frame;
        const TCellPicture picture = Draw(4, 0);
        EXPECT_EQ(picture.Kind, TCellPicture::TKind::Ball);
        EXPECT_EQ(picture.Cell, (frame == 0 ? TStripCell{11, 0} : TStripCell{frame - 1, 1}));
    }
    Logic.AppearFrame = LastAppearFrame;
    EXPECT_EQ(Draw(4, 0).Cell, StillBall);

    // The vanishing shows the appearance row's last frame, then the vanishing row.
    for (int16_t frame = 0; frame < LastDeleteFrame; ++frame) {
        Logic.DeleteFrame = frame;
        const TCellPicture picture = Draw(0, 2);
        EXPECT_EQ(picture.Colour, 3) << "the line's colour";
        EXPECT_EQ(picture.Cell, (frame == 0 ? TStripCell{12, 1} : TStripCell{frame - 1, 2}));
        EXPECT_EQ(SoundsOf(TSound::Deleting), frame >= 1 ? 1 : 0) << "chimes at frame 1 only";
    }
    Logic.DeleteFrame = LastDeleteFrame;
    EXPECT_EQ(Draw(0, 2).Kind, TCellPicture::TKind::EmptyCell);

    // Each vanishing cell drawn at the first frame chimes, each start cutting the last off.
    Logic.DeleteFrame = 1;
    Draw(0, 2);
    Draw(1, 2);
    EXPECT_EQ(SoundsOf(TSound::Deleting), 3);
}

TEST_F(CellAnimations, CellsWithoutAUsableColourShowNothing) {
    Logic.Board[0][0] = 9;
    Logic.Board[1][0] = 9;
    Logic.CellMarks[1][0] = MarkAppearing;
    Logic.CellMarks[2][0] = MarkDeleting;
    Logic.LineColour = 0;
    Logic.CellMarks[3][0] = 7;
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(Draw(column, 0).Kind, TCellPicture::TKind::Nothing);
    }
    EXPECT_EQ(Draw(4, 0).Kind, TCellPicture::TKind::EmptyCell);
}

}  // namespace
