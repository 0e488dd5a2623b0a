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
#include "skinformat/BoardGeometry.h"
#include "skinformat/PictureCut.h"
#include "support/LeadersTableText.h"
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
    const TLogic& logic = app.Logic();
    EXPECT_EQ(logic.Board[0][0], 1);
    EXPECT_EQ(logic.Board[8][8], 6);
    EXPECT_EQ(CountBalls(logic), 4);
    EXPECT_EQ(CountMarks(logic, MarkNone), 81);
    EXPECT_EQ(app.Game().Score, 77U);
    EXPECT_EQ(app.Game().Difficulty, DifficultyHard);
    EXPECT_EQ(app.Window->windowTitle(), "Vyx Zeziz - Time-trial [Level 3]");
    EXPECT_TRUE(app.Game().InputEnabled);
    for (TChannel channel : {TChannel::Moving, TChannel::Deleting, TChannel::Choosing}) {
        EXPECT_FALSE(app.Channels().IsOn(channel));
    }
}

TEST(GameFlow, AutoloadResumesTheAutosaveWithAFreshPreview) {
    TGame settings = TGameApp::DefaultSettings();
    settings.Autoload = true;
    TGameApp app(settings);
    app.Folder.Write("Saves\\Autosave.lsv", SavedLevelThree());
    app.Start();
    app.Logic().Preview.Banks[0] = {0, 0, 0, 0};
    app.Window->StartFirstGame();
    ExpectLevelThreeLoaded(app);
    EXPECT_EQ(app.Game().TimeText, "0307");
    EXPECT_EQ(app.Logic().NextBank, 0);
    for (int colour : app.Logic().Preview.Banks[0]) {
        EXPECT_TRUE(colour >= 1 && colour <= 6) << "a fresh first bank";
    }

    std::filesystem::remove(app.Folder.Path("Saves\\Autosave.lsv"));
    app.Window->StartFirstGame();
    EXPECT_EQ(CountBalls(app.Logic()), 4) << "without an autosave: a new game on Hard";
    EXPECT_EQ(app.Game().Score, 0U);
}

TEST(GameFlow, LoadCommandReplacesTheGameAndKeepsThePreview) {
    TGameApp app;
    app.Folder.Write("Saves\\level3.lsv", SavedLevelThree());
    app.Start();
    app.PressCell(0, 0);
    const TPreview preview = app.Logic().Preview;
    app.Dialogs.Answer = "Saves/level3.lsv";
    app.Window->findChild<QAction*>("LoadAction")->trigger();
    ExpectLevelThreeLoaded(app);
    EXPECT_EQ(app.Logic().Preview.Banks, preview.Banks);
    EXPECT_TRUE(app.Window->findChild<QAction*>("HardAction")->isChecked());
    ASSERT_EQ(app.Dialogs.Asked.size(), 1U);
    EXPECT_EQ(app.Dialogs.Asked[0].Title, "Load game");

    app.Dialogs.Answer = "Saves/again.lsv";
    app.Window->findChild<QAction*>("SaveAction")->trigger();
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
    app.Game().Score = 42;
    app.Game().TimeText.Assign("1234");

    TModalWatchdog watchdog;
    bool boardFullBehindDialog = false;
    bool cornersShownBehindDialog = false;
    bool nameDialogRepaintsTheBoard = false;
    bool gameGoesOnWhileLeadersShown = false;
    bool leadersShown = false;
    // Each paint of the Game-over box and of the name dialog repaints the board behind them:
    // the picture shows the game as it stands then.
    const auto cellShowsABall = [&](int column, int row) {
        const TPixelRect cell = CellRect(app.Layout(), column, row);
        return app.World->Picture().pixel(cell.X + 1, cell.Y + 1) != testskin::EmptyCell();
    };
    WhenModal<TGameOverBox>([&](TGameOverBox& box) {
        boardFullBehindDialog = app.Logic().IsBoardFull();
        // A dialog paints once it is on screen, which may come after it became the modal one.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        box.repaint();
        cornersShownBehindDialog = cellShowsABall(8, 7) && cellShowsABall(8, 8);
        WhenModal<TInputBox>([&](TInputBox& input) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&input));
            app.Logic().Board[8][8] = 0;
            input.repaint();
            nameDialogRepaintsTheBoard = !cellShowsABall(8, 8);
            app.Logic().Board[8][8] = 1;
            WhenModal<TLeadersBox>([&](TLeadersBox& leaders) {
                leadersShown = true;
                gameGoesOnWhileLeadersShown = app.Game().Score != 42;
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
    ASSERT_TRUE(app.PassUntil([&] { return leadersShown && CountBalls(app.Logic()) == 3; }));
    EXPECT_TRUE(boardFullBehindDialog);
    EXPECT_TRUE(cornersShownBehindDialog) << "the finished board behind the Game-over box";
    EXPECT_TRUE(nameDialogRepaintsTheBoard);
    EXPECT_FALSE(gameGoesOnWhileLeadersShown) << "the next game begins after the dialogs";
    const TLeadersTable written = ReadLeadersTable();
    EXPECT_EQ(written[0].Score, 42U);
    EXPECT_EQ(written[0].Name, " Ada Lovelace ");
    EXPECT_EQ(written[0].Time, "12:34");
    EXPECT_EQ(written[0].Difficulty, 1);
    EXPECT_EQ(app.Game().Score, 0U) << "a new game has begun";
    EXPECT_EQ(app.Game().GameMode, ModeClassic);
}

// A score the leaders table does not take goes from the Game-over box to the next game. The
// channel that fills the board ends the game's part of the pass; once the box has closed and
// the next game has begun, the same pass goes on with the channels after it: a second of the
// clock due in that pass is the new game's first.
TEST(GameFlow, ThePassThatEndsAGameGoesOnWithTheNextGame) {
    TGameApp app;
    app.Folder.Write("leaders.dat",
                     FormatLeadersTable(TableOfScores({90, 80, 70, 60, 50, 40, 30, 20, 10, 9})));
    const std::string table = app.Folder.Read("leaders.dat");
    app.Start();
    FillAllButTheCorner(app);
    app.Game().Score = 5;

    TModalWatchdog watchdog;
    uint32_t scoreBehindDialog = 0;
    WhenModal<TGameOverBox>([&](TGameOverBox& box) {
        scoreBehindDialog = app.Game().Score;
        box.findChild<QPushButton*>("GameoverBut")->click();
    });
    app.PressCell(8, 7);
    app.PressCell(8, 8);
    constexpr uint32_t Second = 1000;
    // The first pass lifts the ball, the second walks it into the corner; the clock is due in
    // both.
    app.Ticks.Sleep(Second);
    ASSERT_TRUE(app.Loop->Pass());
    ASSERT_FALSE(app.Logic().IsBoardFull());
    app.Ticks.Sleep(Second);
    ASSERT_TRUE(app.Loop->Pass());
    EXPECT_EQ(app.Game().Score, 0U) << "a new game has begun";
    EXPECT_EQ(CountBalls(app.Logic()), 3);
    EXPECT_EQ(app.Game().Minutes, 0);
    EXPECT_EQ(app.Game().Seconds, 1);
    EXPECT_EQ(scoreBehindDialog, 5U);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(app.Folder.Read("leaders.dat"), table);
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
    const std::string clock(app.Game().TimeText.View());

    TModalWatchdog watchdog;
    bool clockPaused = false;
    WhenModal<TOptionsBox>([&](TOptionsBox& options) {
        clockPaused = !app.Channels().IsOn(TChannel::Clock);
        auto* skins = options.findChild<QComboBox*>("SkinsList");
        emit skins->activated(skins->findText("Wide"));
        options.findChild<QPushButton*>("Button1")->click();
    });
    app.Window->findChild<QAction*>("OptionsAction")->trigger();
    EXPECT_TRUE(clockPaused);
    EXPECT_TRUE(app.Channels().IsOn(TChannel::Clock));
    EXPECT_EQ(TWorldInside::Loader(*app.World).SkinData().SkinName, "Wide");
    EXPECT_EQ(app.Window->View().size(), QSize(230, 150));
    EXPECT_EQ(app.World->Picture().width(), 230);
    EXPECT_EQ(app.Game().TimeText, clock);
    EXPECT_TRUE(app.Messages.Shown.empty());
}

// A score that needs a sixth digit starts a new game at the drawing that would show it: that
// picture keeps the finished game's cells, shows no score and announces the new game's balls.
TEST(GameFlow, SixthScoreDigitStartsANewGame) {
    TGameApp app;
    app.Start();
    FillAllButTheCorner(app);
    app.Game().Score = 100000;
    app.Channels().Set(TChannel::Choosing, true);
    ASSERT_TRUE(app.PassUntil([&] { return app.Game().Score == 0; }));
    EXPECT_EQ(CountBalls(app.Logic()), 3);

    const QImage& picture = app.World->Picture();
    const TSkinLayout& l = app.Layout();
    int cellsShowingBalls = 0;
    for (int column = 0; column < BoardSize; ++column) {
        for (int row = 0; row < BoardSize; ++row) {
            const TPixelRect cell = CellRect(l, column, row);
            cellsShowingBalls += picture.pixel(cell.X + 1, cell.Y + 1) != testskin::EmptyCell();
        }
    }
    EXPECT_EQ(cellsShowingBalls, 80) << "the finished game's cells";
    EXPECT_EQ(picture.pixel(l.ScoreLeft + 1, l.ScoreTop + 1), testskin::Background()) << "no score";
    const int announced = app.Logic().Preview.Banks[app.Logic().NextBank][0];
    EXPECT_EQ(picture.pixel(l.PreviewLeft3 + 1, l.PreviewTop + 1),
              testskin::PreviewSlot(PreviewSlotOf(announced)))
        << "the new game's balls";
}

}  // namespace
