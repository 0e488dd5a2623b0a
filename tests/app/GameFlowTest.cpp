#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <sstream>

#include "GameApp.h"
#include "SkinPack.h"
#include "dialogs/GameOverBox.h"
#include "dialogs/InputBox.h"
#include "dialogs/LeadersBox.h"
#include "dialogs/OptionsBox.h"
#include "persistence/LeadersFile.h"
#include "persistence/SavedGame.h"
#include "support/ModalDriver.h"

namespace {

// A saved Time-trial game on level 3 with a few balls.
std::string SavedLevelThree() {
    TLogic logic;
    SetBoard(logic, {"1........", "..2......", ".........", ".........", "....3....", ".........",
                     ".........", ".........", "........6"});
    TGame game;
    game.Score = 77;
    game.LevelTarget = 150;
    game.GameMode = ModeTimeTrial;
    game.Difficulty = DifficultyHard;
    game.Minutes = 3;
    game.Seconds = 7;
    return EncodeSavedGame(logic, game);
}

void ExpectLevelThreeLoaded(TGameApp& app) {
    const TGameWorld& world = *app.World;
    EXPECT_EQ(world.Logic.Board[0][0], 1);
    EXPECT_EQ(world.Logic.Board[8][8], 6);
    EXPECT_EQ(CountBalls(world.Logic), 4);
    EXPECT_EQ(CountMarks(world.Logic, MarkNone), 81);
    EXPECT_EQ(world.Game.Score, 77U);
    EXPECT_EQ(world.Game.Difficulty, DifficultyHard);
    EXPECT_EQ(app.Window->windowTitle(), "Vyx Zeziz - Time-trial [Level 3]");
    EXPECT_TRUE(world.Game.InputEnabled);
    for (TChannel channel : {TChannel::Moving, TChannel::Deleting, TChannel::Choosing}) {
        EXPECT_FALSE(world.Scheduler.IsEnabled(channel));
    }
}

TEST(GameFlow, AutoloadResumesTheAutosaveWithAFreshPreview) {
    TGame settings = TGameApp::DefaultSettings();
    settings.Autoload = true;
    TGameApp app(settings);
    app.Folder.Write("Saves\\Autosave.lsv", SavedLevelThree());
    app.Start();
    app.World->Logic.Preview.Banks[0] = {0, 0, 0, 0};
    app.World->AutoloadGame();
    ExpectLevelThreeLoaded(app);
    EXPECT_EQ(app.World->Game.TimeText, "0307");
    EXPECT_EQ(app.World->Logic.NextBank, 0);
    for (int colour : app.World->Logic.Preview.Banks[0]) {
        EXPECT_TRUE(colour >= 1 && colour <= 6) << "a fresh first bank";
    }

    std::filesystem::remove(app.Folder.Path("Saves\\Autosave.lsv"));
    app.World->AutoloadGame();
    EXPECT_EQ(CountBalls(app.World->Logic), 4) << "without an autosave: a new game on Hard";
    EXPECT_EQ(app.World->Game.Score, 0U);
}

TEST(GameFlow, LoadCommandReplacesTheGameAndKeepsThePreview) {
    TGameApp app;
    app.Folder.Write("Saves\\level3.lsv", SavedLevelThree());
    app.Start();
    app.PressCell(0, 0);
    const TPreview preview = app.World->Logic.Preview;
    app.Dialogs.Answer = "Saves/level3.lsv";
    app.Window->findChild<QAction*>("N3")->trigger();
    ExpectLevelThreeLoaded(app);
    EXPECT_EQ(app.World->Logic.Preview.Banks, preview.Banks);
    EXPECT_TRUE(app.Window->findChild<QAction*>("Hard1")->isChecked());
    ASSERT_EQ(app.Dialogs.Asked.size(), 1U);
    EXPECT_EQ(app.Dialogs.Asked[0].Title, "Load game");

    app.Dialogs.Answer = "Saves/again.lsv";
    app.Window->findChild<QAction*>("N4")->trigger();
    EXPECT_EQ(app.Folder.Read("Saves\\again.lsv"), SavedLevelThree());
}

// Every cell but (8, 8) holds a ball, in a pattern without any line.
void FillAllButTheCorner(TGameApp& app) {
    std::array<std::string, BoardSize> rows;
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            rows[row] += static_cast<char>('1' + (2 * column + row) % 6);
        }
    }
    rows[8][8] = '.';
    app.SetUpBoard({rows[0].c_str(), rows[1].c_str(), rows[2].c_str(), rows[3].c_str(),
                    rows[4].c_str(), rows[5].c_str(), rows[6].c_str(), rows[7].c_str(),
                    rows[8].c_str()});
}

TEST(GameFlow, FullBoardRunsTheWholeGameOverSequence) {
    TGameApp app;
    TLeadersTable table;
    app.Folder.Write("leaders.dat", FormatLeadersTable(table));
    app.Start();
    FillAllButTheCorner(app);
    app.World->Game.Score = 42;
    app.World->Game.TimeText.Assign("1234");

    TModalWatchdog watchdog;
    bool boardFullBehindDialog = false;
    bool leadersShown = false;
    WhenModal<TGameOverBox>([&](TGameOverBox& box) {
        boardFullBehindDialog = app.World->Logic.IsBoardFull();
        WhenModal<TInputBox>([&](TInputBox& input) {
            WhenModal<TLeadersBox>([&](TLeadersBox& leaders) {
                leadersShown = true;
                leaders.findChild<QPushButton*>("LeadersOK")->click();
            });
            input.findChild<QLineEdit*>("InputPlace")->setText(" Ada Lovelace ");
            input.findChild<QPushButton*>("InputOK")->click();
        });
        box.findChild<QPushButton*>("GameoverBut")->click();
    });
    // The ball above the free corner moves into it; the spawn fills the cell it left.
    app.PressCell(8, 7);
    app.PressCell(8, 8);
    ASSERT_TRUE(app.PassUntil([&] { return leadersShown && CountBalls(app.World->Logic) == 3; }));
    EXPECT_TRUE(boardFullBehindDialog);
    const TLeadersTable written = ReadLeadersTable();
    EXPECT_EQ(written[0].Score, 42U);
    EXPECT_EQ(written[0].Name, " Ada Lovelace ");
    EXPECT_EQ(written[0].Time, "12:34");
    EXPECT_EQ(written[0].Difficulty, 1);
    EXPECT_EQ(app.World->Game.Score, 0U) << "a new game has begun";
    EXPECT_EQ(app.World->Game.GameMode, ModeClassic);
}

TEST(GameFlow, OptionsSwitchTheSkinAndResizeTheWindow) {
    TGameApp app;
    for (const auto& [file, width] : {std::pair{"Buttons", 160}, std::pair{"Wide", 230}}) {
        TSkinData skin = testskin::Data(file);
        skin.Layout.WindowWidth = width;
        const std::filesystem::path folder = app.Folder.Root / file;
        testskin::Write(folder, skin);
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_TRUE(PackSkinFolder(
            folder, app.Folder.Path(std::string("Gfx\\Skins\\") + file + ".lsk"), out, err));
    }
    app.Start();
    app.Passes(150);
    const std::string clock(app.World->Game.TimeText.View());

    TModalWatchdog watchdog;
    bool clockPaused = false;
    WhenModal<TOptionsBox>([&](TOptionsBox& options) {
        clockPaused = !app.World->Scheduler.IsEnabled(TChannel::Clock);
        auto* skins = options.findChild<QComboBox*>("SkinsList");
        emit skins->activated(skins->findText("Wide"));
        options.findChild<QPushButton*>("Button1")->click();
    });
    app.Window->findChild<QAction*>("Additional1")->trigger();
    EXPECT_TRUE(clockPaused);
    EXPECT_TRUE(app.World->Scheduler.IsEnabled(TChannel::Clock));
    EXPECT_EQ(app.World->Loader.SkinData().SkinName, "Wide");
    EXPECT_EQ(app.Window->View().size(), QSize(230, 150));
    EXPECT_EQ(app.World->Renderer.BackBuffer().width(), 230);
    EXPECT_EQ(app.World->Game.TimeText, clock);
    EXPECT_TRUE(app.Messages.Shown.empty());
}

TEST(GameFlow, SixthScoreDigitStartsANewGame) {
    TGameApp app;
    app.Start();
    FillAllButTheCorner(app);
    app.World->Game.Score = 100000;
    app.World->Rules.RedrawBoard();
    EXPECT_EQ(app.World->Game.Score, 0U);
    EXPECT_EQ(CountBalls(app.World->Logic), 3);
}

}  // namespace
