#include <gtest/gtest.h>

#include <vector>

#include "presentation/Animations.h"
#include "support/BoardText.h"
#include "support/PresentationWorld.h"

namespace {

class CellAnimations : public testing::Test, protected TPresentationWorld {
protected:
    CellAnimations() {
        Game.InputEnabled = true;
        Game.Enable = true;
        Hooks.OnRedraw = [this] { DrawAll(); };
    }

    // Asks for every cell's picture, as a board redraw does.
    void DrawAll() {
        for (int row = 0; row < BoardSize; ++row) {
            for (int column = 0; column < BoardSize; ++column) {
                Animations.PictureFor(column, row);
            }
        }
    }

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
    State.ChoosingFired = true;
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
    State.BounceFrame = 4;
    State.ChoosingFired = false;
    EXPECT_EQ(Animations.PictureFor(0, 0).Frame, 2);
    EXPECT_EQ(Animations.PictureFor(0, 0).Frame, 2);
    State.ChoosingFired = true;
    EXPECT_EQ(Animations.PictureFor(0, 0).Frame, 2);
    // Selecting another ball goes on from the current frame.
    Logic.CellMarks[0][0] = MarkNone;
    Logic.CellMarks[8][8] = MarkSelected;
    Logic.Selection = {2, 8, 8};
    const TCellPicture picture = Animations.PictureFor(8, 8);
    EXPECT_EQ(picture.Colour, 2);
    EXPECT_EQ(picture.Frame, 3);
}

TEST_F(CellAnimations, AppearanceEndsAtItsFourteenthFiringWithTheLineCheck) {
    SetBoard(Logic, {"2222.....", ".........", ".........", ".........", ".........", ".........",
                     ".........", ".........", "........."});
    Logic.Board[4][0] = 2;
    Logic.CellMarks[4][0] = MarkAppearing;
    Game.InputEnabled = false;
    Hooks.SetChannelEnabled(TChannel::Appearance, true);
    for (int firing = 1; firing <= 13; ++firing) {
        Animations.AdvanceAppearance();
        EXPECT_EQ(State.AppearFrame, firing);
        EXPECT_EQ(Animations.PictureFor(4, 0).Frame, 11 + firing);
    }
    EXPECT_EQ(Hooks.Autosaves, 0);
    Animations.AdvanceAppearance();
    EXPECT_FALSE(Hooks.IsChannelEnabled(TChannel::Appearance));
    EXPECT_EQ(CountMarks(Logic, MarkDeleting), 5) << "the new ball completed a line";
    EXPECT_TRUE(Hooks.IsChannelEnabled(TChannel::Deleting));
    EXPECT_FALSE(Game.InputEnabled);
    EXPECT_EQ(Hooks.Autosaves, 1);
    EXPECT_EQ(Hooks.AppearFrame, 0);
    EXPECT_EQ(Hooks.Redraws, 14);
}

TEST_F(CellAnimations, VanishingChimesAtItsFirstFrameAndUnlocksAtItsLast) {
    for (int column = 0; column < 5; ++column) {
        Logic.CellMarks[column][2] = MarkDeleting;
    }
    Logic.LineColour = 3;
    Game.InputEnabled = false;
    Hooks.SetChannelEnabled(TChannel::Deleting, true);
    State.DeleteFrame = 0;
    Animations.AdvanceDeletion();
    EXPECT_EQ(SoundsOf(TSound::Deleting), 5) << "once per vanishing cell, heard as one";
    EXPECT_EQ(Animations.PictureFor(0, 2).Frame, 25);
    for (int firing = 2; firing <= 12; ++firing) {
        Animations.AdvanceDeletion();
        EXPECT_EQ(Animations.PictureFor(0, 2).Frame, 24 + firing);
    }
    EXPECT_EQ(SoundsOf(TSound::Deleting), 6) << "the redraw of frame 1 inside the test";
    EXPECT_FALSE(Game.InputEnabled);
    Animations.AdvanceDeletion();
    EXPECT_TRUE(Game.InputEnabled);
    EXPECT_FALSE(Hooks.IsChannelEnabled(TChannel::Deleting));
    EXPECT_EQ(CountMarks(Logic, MarkDeleting), 0);
    EXPECT_EQ(Hooks.DeleteFrame, 1);
    EXPECT_EQ(Hooks.Autosaves, 1);
}

TEST_F(CellAnimations, ChannelsStopQuietlyWhenAMoveClearedTheirMarks) {
    Hooks.SetChannelEnabled(TChannel::Appearance, true);
    Hooks.SetChannelEnabled(TChannel::Deleting, true);
    State.AppearFrame = 13;
    State.DeleteFrame = 12;
    Animations.AdvanceAppearance();
    Animations.AdvanceDeletion();
    EXPECT_FALSE(Hooks.IsChannelEnabled(TChannel::Appearance));
    EXPECT_FALSE(Hooks.IsChannelEnabled(TChannel::Deleting));
    EXPECT_EQ(Hooks.Autosaves, 0);
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
