#include <gtest/gtest.h>

#include <vector>

#include "presentation/Animations.h"
#include "support/PresentationWorld.h"

namespace {

class CellAnimations : public testing::Test, protected TPresentationWorld {
protected:
    CellAnimations() { Game.Enable = true; }

    int SoundsOf(TSound sound) const {
        int count = 0;
        for (TSound played : Hooks.Sounds) {
            count += played == sound ? 1 : 0;
        }
        return count;
    }
};

TEST_F(CellAnimations, BounceRunsItsCycleAndChimesOncePerCycle) {
    Logic.Board[3][3] = 5;
    Logic.CellMarks[3][3] = MarkSelected;
    Logic.Selection = {5, 3, 3};
    Bounce.ChoosingFired = true;
    std::vector<int> frames;
    for (int redraw = 0; redraw < 24 + 23; ++redraw) {
        const TCellPicture picture = Animations.PictureFor(3, 3);
        EXPECT_EQ(picture.Colour, 5);
        frames.push_back(picture.Kind == TCellPicture::TKind::Still ? -1 : picture.Frame);
    }
    const std::vector<int> cycle{0, 1, 2, 3, 4,  5,  5,  4, 3, 2, 1, -1,
                                 6, 7, 8, 9, 10, 11, 10, 9, 8, 7, 6};
    std::vector<int> expected{-1};  // frame 1 once, then 2 to 24 over and over
    expected.insert(expected.end(), cycle.begin(), cycle.end());
    expected.insert(expected.end(), cycle.begin(), cycle.end());
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(SoundsOf(TSound::Choosing), 2) << "frame 7 comes once every 23 advances";

    Game.Enable = false;
    for (int redraw = 0; redraw < 30; ++redraw) {
        Animations.PictureFor(3, 3);
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
    EXPECT_EQ(Animations.PictureFor(0, 0).Frame, 2);
    EXPECT_EQ(Animations.PictureFor(0, 0).Frame, 2);
    Bounce.ChoosingFired = true;
    EXPECT_EQ(Animations.PictureFor(0, 0).Frame, 2);
    // Selecting another ball goes on from the current frame.
    Logic.CellMarks[0][0] = MarkNone;
    Logic.CellMarks[8][8] = MarkSelected;
    Logic.Selection = {2, 8, 8};
    const TCellPicture picture = Animations.PictureFor(8, 8);
    EXPECT_EQ(picture.Colour, 2);
    EXPECT_EQ(picture.Frame, 3);
}

TEST_F(CellAnimations, AppearingAndVanishingCellsShowTheTurnCyclesFrames) {
    Logic.Board[4][0] = 2;
    Logic.CellMarks[4][0] = MarkAppearing;
    Logic.CellMarks[0][2] = MarkDeleting;
    Logic.CellMarks[1][2] = MarkDeleting;
    Logic.LineColour = 3;
    for (int16_t frame = 0; frame < LastAppearFrame; ++frame) {
        Logic.AppearFrame = frame;
        const TCellPicture picture = Animations.PictureFor(4, 0);
        EXPECT_EQ(picture.Kind, TCellPicture::TKind::Frame);
        EXPECT_EQ(picture.Frame, 11 + frame);
    }
    Logic.AppearFrame = LastAppearFrame;
    EXPECT_EQ(Animations.PictureFor(4, 0).Kind, TCellPicture::TKind::Still);

    for (int16_t frame = 0; frame < LastDeleteFrame; ++frame) {
        Logic.DeleteFrame = frame;
        const TCellPicture picture = Animations.PictureFor(0, 2);
        EXPECT_EQ(picture.Colour, 3) << "the line's colour";
        EXPECT_EQ(picture.Frame, 24 + frame);
        EXPECT_EQ(SoundsOf(TSound::Deleting), frame >= 1 ? 1 : 0) << "chimes at frame 1 only";
    }
    Logic.DeleteFrame = LastDeleteFrame;
    EXPECT_EQ(Animations.PictureFor(0, 2).Kind, TCellPicture::TKind::EmptyCell);

    // Each vanishing cell drawn at the first frame chimes, each start cutting the last off.
    Logic.DeleteFrame = 1;
    Animations.PictureFor(0, 2);
    Animations.PictureFor(1, 2);
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
        EXPECT_EQ(Animations.PictureFor(column, 0).Kind, TCellPicture::TKind::Nothing);
    }
    EXPECT_EQ(Animations.PictureFor(4, 0).Kind, TCellPicture::TKind::EmptyCell);
}

}  // namespace
