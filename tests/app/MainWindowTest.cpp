#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "GameApp.h"
#include "persistence/SettingsFile.h"
#include "support/ModalDriver.h"

namespace {

// Notes the tick of every look at which a piece of the game changed. A channel's firings
// show in what its action drives: the walking ball on the board, a frame counter, the clock.
template <typename Value>
class TChangeWatch {
public:
    TChangeWatch(TGameApp& app, std::function<Value()> read)
        : App(app), Read(std::move(read)), Last(Read()) {}

    void Look() {
        Value now = Read();
        if (now != Last) {
            Ticks.push_back(App.Ticks.Now);
            Last = std::move(now);
        }
    }

    // Runs passes, looking after each.
    void Passes(int count) {
        for (int pass = 0; pass < count; ++pass) {
            App.PlainPass();
            Look();
        }
    }

    std::vector<uint32_t> Ticks;

private:
    TGameApp& App;
    std::function<Value()> Read;
    Value Last;
};

// Every gap between two changes is the interval, as near as passes the given milliseconds
// apart can show it.
void ExpectGaps(const std::vector<uint32_t>& ticks, uint32_t interval, uint32_t passApart) {
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_GE(ticks[i] - ticks[i - 1], interval) << "change " << i;
        EXPECT_LT(ticks[i] - ticks[i - 1], interval + passApart) << "change " << i;
    }
}

// Looks at every modal dialog once as it opens, then presses its OK button, as a player
// would; dialogs opened from a dialog are seen too.
class TDialogInspector {
public:
    explicit TDialogInspector(std::function<void(QDialog&)> inspect) {
        Timer.setInterval(5);
        QObject::connect(&Timer, &QTimer::timeout, [this, inspect = std::move(inspect)] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || Seen.contains(dialog)) {
                return;
            }
            Seen.append(dialog);
            Titles.append(dialog->windowTitle());
            inspect(*dialog);
            // Pressed from the event loop: a timer does not fire again while its handler
            // runs, and the press may open the next dialog.
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->text() == "OK") {
                    QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
                    return;
                }
            }
        });
        Timer.start();
    }

    QStringList Titles;

private:
    QTimer Timer;
    QList<QPointer<QDialog>> Seen;
};

TEST(MainWindow, DialogsBelongToTheMainWindowAndStayOnScreenWithIt) {
    TGameApp app;
    app.Start();
    const TModalWatchdog watchdog;
    QWindow* const mainWindow = app.Window->windowHandle();
    TDialogInspector inspector([&](QDialog& dialog) {
        const std::string title = dialog.windowTitle().toStdString();
        QWindow* owner = dialog.windowHandle()->transientParent();
        while (owner != nullptr && owner != mainWindow) {
            owner = owner->transientParent();
        }
        EXPECT_EQ(owner, mainWindow) << title;
        // Some window managers minimise the main window with a dialog; the game waits on
        // the dialog, so both come back.
        app.Window->setWindowState(Qt::WindowMinimized);
        dialog.setWindowState(Qt::WindowMinimized);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !dialog.isMinimized() && !app.Window->isMinimized(); }, 1000))
            << title;
    });
    for (const char* item : {"LeadersAction", "AboutAction", "OptionsAction"}) {
        app.Window->findChild<QAction*>(item)->trigger();
    }
    // No leaders file: ten free places, so the name dialog and the table follow.
    app.Window->RunGameOverSequence();
    EXPECT_EQ(inspector.Titles, (QStringList{"Leaders", "About", "Options", "Vyx Zeziz",
                                             "Enter your name ", "Leaders"}));
    EXPECT_FALSE(app.Window->isMinimized());
}

TEST(MainWindow, PressSelectsAndASecondPressWalksTheBall) {
    TGameApp app;
    app.Start();
    app.SetUpBoard({"3........", ".........", ".........", ".........", ".........", ".........",
                    ".........", ".........", "........."});
    app.PressCell(0, 0, Qt::RightButton);
    EXPECT_EQ(app.Logic().CellMarks[0][0], MarkSelected) << "every button selects";
    EXPECT_TRUE(app.Channels().IsOn(TChannel::Choosing));

    app.PressCell(0, 3);
    ASSERT_TRUE(app.Channels().IsOn(TChannel::Moving));
    TChangeWatch<TCellArray<int16_t>> walk(app, [&] { return app.Logic().Board; });
    TChangeWatch<int16_t> appearance(app, [&] { return app.Logic().AppearFrame; });
    for (int pass = 0; pass < 100 && app.Channels().IsOn(TChannel::Moving); ++pass) {
        app.PlainPass();
        walk.Look();
        // A channel long idle fires at once: the appearance starts in the arrival's pass.
        appearance.Look();
    }
    EXPECT_EQ(walk.Ticks.size(), 4U) << "three cells take four firings: the lift, three steps";
    EXPECT_EQ(app.Logic().Board[0][3], 3);
    EXPECT_EQ(app.Sound.Played.size(), 3U + 0U) << "a moving sound per cell entered";
    EXPECT_EQ(app.Sound.Played.front(), "Sfx\\Moving1.wav");

    // The spawn after the move appears for 14 firings, then its line check unlocks play.
    ASSERT_TRUE(app.Channels().IsOn(TChannel::Appearance));
    appearance.Passes(200);
    EXPECT_EQ(appearance.Ticks.size(), 14U);
    EXPECT_FALSE(app.Channels().IsOn(TChannel::Appearance));
    EXPECT_EQ(CountMarks(app.Logic(), MarkAppearing), 0);
    EXPECT_EQ(CountBalls(app.Logic()), 4);
}

TEST(MainWindow, CompletedLineVanishesAndUnlocksInputAtItsLastFrame) {
    TGameApp app;
    app.Start();
    app.SetUpBoard({"5555.....", ".........", "....5....", ".........", ".........", ".........",
                    ".........", ".........", "........."});
    app.PressCell(4, 2);
    app.PressCell(4, 0);
    TChangeWatch<int16_t> vanishing(app, [&] { return app.Logic().DeleteFrame; });
    while (app.Channels().IsOn(TChannel::Moving)) {
        app.PlainPass();
        vanishing.Look();
    }
    EXPECT_EQ(app.Game().Score, 5U);
    EXPECT_FALSE(app.Game().InputEnabled);
    app.PressCell(0, 8);
    EXPECT_EQ(app.Logic().CellMarks[0][8], MarkNone);

    for (int pass = 0; pass < 300 && app.Channels().IsOn(TChannel::Deleting); ++pass) {
        const std::size_t before = vanishing.Ticks.size();
        app.PlainPass();
        vanishing.Look();
        if (vanishing.Ticks.size() > before) {
            EXPECT_EQ(app.Game().InputEnabled, vanishing.Ticks.size() == 13)
                << "firing " << vanishing.Ticks.size();
        }
    }
    EXPECT_EQ(vanishing.Ticks.size(), 13U);
    ExpectGaps(vanishing.Ticks, 40, TMainLoop::PassMilliseconds);
    EXPECT_EQ(CountBalls(app.Logic()), 0);
    EXPECT_NE(std::find(app.Sound.Played.begin(), app.Sound.Played.end(), "Sfx\\Deleting1.wav"),
              app.Sound.Played.end());
}

TEST(MainWindow, IntervalsFollowTheSpeedsAndAreNeverCutShort) {
    for (int speed : {0, 9}) {
        TGame settings = TGameApp::DefaultSettings();
        settings.Speeds = {speed, speed, speed, speed};
        TGameApp app(settings);
        app.Start();
        app.SetUpBoard({"1........", ".........", ".........", ".........", ".........",
                        ".........", ".........", ".........", "........."});
        app.PressCell(0, 0);
        app.PressCell(8, 8);
        TChangeWatch<TCellArray<int16_t>> walk(app, [&] { return app.Logic().Board; });
        TChangeWatch<int16_t> appearance(app, [&] { return app.Logic().AppearFrame; });
        // Passes a millisecond apart, so that the gaps show every interval exactly.
        for (int pass = 0; pass < 2000; ++pass) {
            app.Ticks.Sleep(1);
            app.Loop->Pass();
            walk.Look();
            appearance.Look();
        }
        ASSERT_EQ(walk.Ticks.size(), 17U) << "speed " << speed;
        ExpectGaps(walk.Ticks, speed == 0 ? 45U : 27U, 1);
        // The spawn after the walk appears at its own pace.
        ASSERT_EQ(appearance.Ticks.size(), 14U) << "speed " << speed;
        ExpectGaps(appearance.Ticks, speed == 0 ? 60U : 24U, 1);
    }
}

TEST(MainWindow, GameStandsStillWhileTheWindowIsInactiveOrADialogIsOpen) {
    TGameApp app;
    app.Start();
    app.Passes(150);
    const std::string shown(app.Game().TimeText.View());
    EXPECT_EQ(shown, "0001");

    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    TChangeWatch<std::string> clock(app, [&] { return std::string(app.Game().TimeText.View()); });
    clock.Passes(300);
    EXPECT_TRUE(clock.Ticks.empty()) << "the clock stands while a modal dialog is open";
    EXPECT_EQ(app.Game().TimeText, shown);
    dialog.hide();

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    clock.Passes(300);
    EXPECT_TRUE(clock.Ticks.empty()) << "the clock stands while another window is active";

    app.Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.Window.get()));
    clock.Passes(1);
    EXPECT_EQ(clock.Ticks.size(), 1U) << "the time away counts towards one second only";
    EXPECT_EQ(app.Game().TimeText, "0002");
}

// At a scale factor of 2 a press reaches the view between skin pixels: the device pixel just
// left of or above a cell's band still belongs to the band before it.
TEST(MainWindow, PressesBetweenSkinPixelsBelongToThePixelTheyAreIn) {
    TGameApp app;
    app.Start();
    app.SetUpBoard({"12.......", "1........", ".........", ".........", ".........", ".........",
                    ".........", ".........", "........."});
    const TSkinLayout& l = app.Layout();
    const double column1 = l.BoardLeft + l.CellGapX + l.CellWidth + l.CellGapX;
    const double row1 = l.BoardTop + l.CellGapY + l.CellHeight + l.CellGapY;
    const auto press = [&](double x, double y) {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(x, y), QPointF(x, y), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&app.Window->View(), &event);
        return std::pair(app.Logic().Selection.Column, app.Logic().Selection.Row);
    };
    EXPECT_EQ(press(column1 - 0.5, l.BoardTop + 5.0), std::pair(0, 0));
    EXPECT_EQ(press(column1, l.BoardTop + 5.0), std::pair(1, 0));
    EXPECT_EQ(press(l.BoardLeft + 5.0, row1 - 0.5), std::pair(0, 0));
    EXPECT_EQ(press(l.BoardLeft + 5.0, row1), std::pair(0, 1));
}

TEST(MainWindow, MenuHasItsItemsShortcutsAndMarks) {
    TGame settings = TGameApp::DefaultSettings();
    settings.Autosave = true;
    settings.Autoload = false;
    settings.Difficulty = DifficultyHard;
    TGameApp app(settings);
    app.Start();
    QMenuBar* bar = app.Window->menuBar();
    const QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), "&Game");
    EXPECT_EQ(top[1]->text(), "&Options");
    EXPECT_EQ(top[2]->text(), "Lea&ders");
    EXPECT_EQ(top[2]->menu(), nullptr) << "a command on the menu bar itself";
    EXPECT_EQ(top[3]->text(), "&Help");

    const auto item = [&](const char* name) {
        return app.Window->findChild<QAction*>(QString::fromLatin1(name));
    };
    EXPECT_EQ(item("NewClassicAction")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(item("NewTimeTrialAction")->text(), "Ne&w [Time-trial]");
    EXPECT_EQ(item("NewTimeTrialAction")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(item("LoadAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_EQ(item("SaveAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(item("HelpAction")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(item("HelpAction")->text(), "Vyx Zeziz Help");
    EXPECT_EQ(item("OptionsAction")->text(), "Additio&nal...");
    EXPECT_EQ(item("AutoloadAction")->text(), "Aut&oload on Start");

    const QList<QAction*> game = top[0]->menu()->actions();
    ASSERT_EQ(game.size(), 7);
    EXPECT_TRUE(game[2]->isSeparator());
    EXPECT_TRUE(game[5]->isSeparator());
    EXPECT_EQ(game[6]->text(), "&Quit");

    EXPECT_TRUE(item("AutosaveAction")->isChecked());
    EXPECT_FALSE(item("AutoloadAction")->isChecked());
    EXPECT_FALSE(item("EasyAction")->isChecked());
    EXPECT_FALSE(item("MediumAction")->isChecked());
    EXPECT_TRUE(item("HardAction")->isChecked());
    for (QAction* action : app.Window->findChildren<QAction*>()) {
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    }

    item("AutosaveAction")->trigger();
    EXPECT_FALSE(app.Game().Autosave);
    item("AutosaveAction")->trigger();
    EXPECT_TRUE(app.Game().Autosave) << "toggled twice: as it was";
}

TEST(MainWindow, LevelPromptAnsweredNoChangesNothing) {
    TGameApp app;
    app.Start();
    app.SetUpBoard({"1.2......", ".........", ".........", ".........", ".........", ".........",
                    ".........", ".........", "........."});
    app.PressCell(0, 0);
    const TLogic before = app.Logic();
    QAction* hard = app.Window->findChild<QAction*>("HardAction");
    app.Messages.Answers.push_back(TMessageAnswer::No);
    hard->trigger();
    ASSERT_EQ(app.Messages.Shown.size(), 1U);
    const TRecordingMessageBoxes::TShown& prompt = app.Messages.Shown[0];
    EXPECT_EQ(prompt.Text, "It will interrupt current game!\nAre you really  wish this?");
    EXPECT_EQ(prompt.Caption, "Vyx Zeziz");
    EXPECT_EQ(prompt.Icon, TMessageIcon::Exclamation);
    EXPECT_EQ(prompt.Buttons, TMessageButtons::YesNo);
    EXPECT_EQ(app.Game().Difficulty, DifficultyMedium);
    EXPECT_EQ(app.Logic().Board, before.Board);
    EXPECT_EQ(app.Logic().CellMarks, before.CellMarks);
    EXPECT_FALSE(hard->isChecked());
    EXPECT_TRUE(app.Window->findChild<QAction*>("MediumAction")->isChecked());

    // The same level asks too; the menu unchecked it on the click, and No puts it back.
    QAction* medium = app.Window->findChild<QAction*>("MediumAction");
    app.Messages.Answers.push_back(TMessageAnswer::No);
    medium->trigger();
    EXPECT_EQ(app.Messages.Shown.size(), 2U);
    EXPECT_TRUE(medium->isChecked());
    app.Messages.Answers.push_back(TMessageAnswer::Yes);
    hard->trigger();
    EXPECT_EQ(app.Game().Difficulty, DifficultyHard);
    EXPECT_TRUE(hard->isChecked());
    EXPECT_FALSE(medium->isChecked());
    EXPECT_EQ(CountBalls(app.Logic()), 4);

    // A level the game does not know checks none, and a refused change keeps it so.
    QAction* easy = app.Window->findChild<QAction*>("EasyAction");
    app.Game().Difficulty = 7;
    for (bool prompted : {false, true}) {
        if (prompted) {
            app.Messages.Answers.push_back(TMessageAnswer::No);
            easy->trigger();
        } else {
            app.Window->ShowMenuMarks();
        }
        EXPECT_FALSE(easy->isChecked() || medium->isChecked() || hard->isChecked()) << prompted;
    }
}

TEST(MainWindow, NewGamesRestartAtOnceEvenMidWalk) {
    TGameApp app;
    app.Start();
    app.SetUpBoard({"1........", ".........", ".........", ".........", ".........", ".........",
                    ".........", ".........", "........."});
    app.PressCell(0, 0);
    app.PressCell(8, 8);
    app.Passes(12);
    ASSERT_TRUE(app.Channels().IsOn(TChannel::Moving));
    app.Window->findChild<QAction*>("NewTimeTrialAction")->trigger();
    EXPECT_TRUE(app.Messages.Shown.empty());
    EXPECT_EQ(app.Game().GameMode, ModeTimeTrial);
    EXPECT_EQ(app.Window->windowTitle(), "Vyx Zeziz - Time-trial [Level 1]");
    EXPECT_EQ(app.Game().TimeText, "0500");
    EXPECT_FALSE(app.Channels().IsOn(TChannel::Moving));
    EXPECT_TRUE(app.Logic().MoveStarting);
    EXPECT_EQ(CountBalls(app.Logic()), 3);
    app.Window->findChild<QAction*>("NewClassicAction")->trigger();
    EXPECT_EQ(app.Window->windowTitle(), "Vyx Zeziz - Classic");
}

TEST(MainWindow, ClosingWritesTheSettings) {
    TGameApp app;
    app.Start();
    app.Window->findChild<QAction*>("AutoloadAction")->trigger();
    app.Window->findChild<QAction*>("QuitAction")->trigger();
    EXPECT_TRUE(app.Window->IsClosed());
    EXPECT_FALSE(app.Loop->RunPass()) << "the loop ends after its current pass";
    TGame written;
    TRecordingMessageBoxes messages;
    ASSERT_TRUE(ReadSettingsFile(written, messages));
    EXPECT_TRUE(written.Autoload);
    EXPECT_EQ(written.Difficulty, DifficultyMedium);
}

TEST(MainWindow, HelpGoesToTheDesktop) {
    TGameApp app;
    app.Start();
    app.Window->findChild<QAction*>("HelpAction")->trigger();
    EXPECT_EQ(app.Desktop.Help, std::vector<std::string>{"VyxLinesHelp.chm::"});
    EXPECT_TRUE(app.Messages.Shown.empty());
    // Help that nothing on the desktop can show is told, with where its pages lie.
    app.Desktop.UnopenedHelpIn = app.Folder.Path("Help");
    app.Window->findChild<QAction*>("HelpAction")->trigger();
    ASSERT_EQ(app.Messages.Shown.size(), 1U);
    EXPECT_EQ(app.Messages.Shown[0].Text,
              "Can not open help: no program could show it.\nThe help pages are in\n" +
                  app.Folder.Path("Help").string());
}

TEST(MainWindow, WindowTakesTheSkinsClientSize) {
    TGameApp app;
    app.Start();
    EXPECT_EQ(app.Window->View().size(), QSize(160, 150));
    EXPECT_FALSE(app.Window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(app.Window->minimumSize(), app.Window->maximumSize()) << "not resizable";
}

}  // namespace
