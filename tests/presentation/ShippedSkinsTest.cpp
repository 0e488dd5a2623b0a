#include <gtest/gtest.h>

#include <QDir>

#include "presentation/ApplySettings.h"
#include "support/GameFolder.h"
#include "support/PresentationWorld.h"
#include "support/RecordingMessageBoxes.h"

namespace {

// A board a player might see mid-game: every cell taken by the six colours, one ball
// bouncing, one appearing, one vanishing, a score, a clock and four balls announced.
void SetUpBusyBoard(TPresentationWorld& world) {
    for (int column = 0; column < BoardSize; ++column) {
        for (int row = 0; row < BoardSize; ++row) {
            world.Logic.Board[column][row] = static_cast<int16_t>(1 + (column * 2 + row) % 6);
        }
    }
    world.Logic.CellMarks[4][4] = MarkSelected;
    world.Logic.Selection = {world.Logic.Board[4][4], 4, 4};
    world.Bounce.BounceFrame = 5;
    world.Logic.CellMarks[1][7] = MarkAppearing;
    world.Logic.AppearFrame = 7;
    world.Logic.Board[7][1] = 0;
    world.Logic.CellMarks[7][1] = MarkDeleting;
    world.Logic.LineColour = 2;
    world.Logic.DeleteFrame = 5;
    world.Game.Score = 1234;
    world.Game.TimeText.Assign("0347");
    world.Game.Difficulty = DifficultyHard;
    world.Game.NextBallsShown = true;
    world.Logic.Preview.Banks[0] = {1, 2, 3, 4};
}

class ShippedSkins : public testing::TestWithParam<const char*>, protected TPresentationWorld {};

TEST_P(ShippedSkins, DrawAFullBoardThroughTheGamesRenderer) {
    const std::string name = GetParam();
    TGameFolder folder;
    std::filesystem::copy_file(std::filesystem::path(VYX_SKINS_DIR) / (name + ".lsk"),
                               folder.Path("Gfx\\Skins\\" + name + ".lsk"));
    TRecordingMessageBoxes messages;
    TLoader loader(messages);
    loader.ExtractSkinPackage(folder.Path("Gfx\\Skins\\" + name + ".lsk"));
    ASSERT_TRUE(ApplySettings({Game, loader, Renderer, messages}));
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(loader.SkinData().SkinName, name);

    SetUpBusyBoard(*this);
    DrawBoard();
    Renderer.DrawClock();
    const QImage& board = Renderer.BackBuffer();
    const TSkinLayout& layout = loader.SkinData().Layout;
    EXPECT_EQ(board.size(), QSize(layout.WindowWidth, layout.WindowHeight))
        << "the background fills the window";

    // Every cell shows a picture of its own over the background's well: a ball differs
    // from the empty cell at its centre.
    const TSkinLayout& l = loader.SkinData().Layout;
    TPresentationWorld bare;
    bare.Renderer.LoadSkinImages(
        l, Game.SkinFiles, "Gfx\\Cache\\" + loader.SkinData().ImageFile(TSkinImage::ClockDigits));
    bare.DrawBoard();
    for (int column = 0; column < BoardSize; ++column) {
        for (int row = 0; row < BoardSize; ++row) {
            const QPoint centre(
                l.BoardDrawLeft + column * l.CellWidth + (column + 1) * l.CellGapX +
                    l.CellWidth / 2,
                l.BoardDrawTop + row * (l.CellHeight + l.CellGapY) + l.CellHeight / 2);
            if (Logic.Board[column][row] != 0) {
                EXPECT_NE(board.pixel(centre), bare.Renderer.BackBuffer().pixel(centre))
                    << name << ": cell " << column << ", " << row;
            }
        }
    }
    QDir().mkpath(VYX_BOARD_PICTURES_DIR);
    EXPECT_TRUE(
        board.save(QString(VYX_BOARD_PICTURES_DIR) + "/" + QString::fromStdString(name) + ".png"));
}

INSTANTIATE_TEST_SUITE_P(EveryShippedSkin, ShippedSkins,
                         testing::Values("Buttons", "Midnight", "Parlour"));

}  // namespace
