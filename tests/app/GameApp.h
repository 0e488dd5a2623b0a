#pragma once

#include <QApplication>
#include <QTest>
#include <memory>

#include "app/MainLoop.h"
#include "persistence/SettingsFile.h"
#include "support/BoardText.h"
#include "support/FakeFileDialogs.h"
#include "support/FakePlatform.h"
#include "support/GameFolder.h"
#include "support/TestSkin.h"
#include "support/WorldInside.h"

// The whole game in a temporary game folder: the solid test skin in the cache, settings
// written as the test wants them, fakes for the desktop, and a loop driven pass by pass on
// a manual clock.
class TGameApp {
public:
    explicit TGameApp(const TGame& settings = DefaultSettings()) {
        Folder.Write("VyxLines.cfg", FormatSettingsFile(settings));
        testskin::Write(Folder.Path("Gfx\\Cache"), testskin::Data());
    }

    static TGame DefaultSettings() {
        TGame game;
        game.Difficulty = DifficultyMedium;
        game.NextBallsShown = true;
        game.Speeds = {5, 5, 5, 5};
        game.SoundsOn = true;
        return game;
    }

    // Start-up as the game does it, then the window shown and the loop started.
    void Start() {
        World = std::make_unique<TGameWorld>(Platform, 2005);
        Window = std::make_unique<TMainWindow>(*World, Platform);
        ASSERT_TRUE(World->ReadSettings());
        ASSERT_TRUE(Window->ApplySettings());
        Window->StartFirstGame();
        Window->show();
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
        Loop = std::make_unique<TMainLoop>(*World, *Window, Ticks);
        Loop->Start();
    }

    // The game's parts, as the tests set them up and look at them.
    TLogic& Logic() const { return TWorldInside::Logic(*World); }
    TGame& Game() const { return TWorldInside::Game(*World); }
    TChannelSwitches& Channels() const { return TWorldInside::Channels(*World); }
    TBounceState& Bounce() const { return TWorldInside::Bounce(*World); }
    const TSkinLayout& Layout() const { return TWorldInside::Loader(*World).SkinData().Layout; }

    // Passes until the condition holds; false when it never did within the passes allowed.
    template <typename Condition>
    bool PassUntil(Condition condition, int maxPasses = 2000) {
        for (int pass = 0; pass < maxPasses; ++pass) {
            if (condition()) {
                return true;
            }
            PlainPass();
        }
        return condition();
    }

    void Passes(int count) {
        for (int pass = 0; pass < count; ++pass) {
            PlainPass();
        }
    }

    // A pass of the plain loop, which never skips one: a pause of one step, then the pass.
    // It is the pace the loop keeps, and the tests of timing count in its passes.
    bool PlainPass() {
        Ticks.Sleep(TMainLoop::PassMilliseconds);
        return Loop->Pass();
    }

    // A press on a cell's picture, with the given mouse button.
    void PressCell(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
        const TSkinLayout& l = Layout();
        const QPoint point(l.BoardDrawLeft + column * l.CellWidth + (column + 1) * l.CellGapX + 3,
                           l.BoardDrawTop + row * (l.CellHeight + l.CellGapY) + 3);
        QTest::mousePress(&Window->View(), button, Qt::NoModifier, point);
    }

    // Empties the board and puts balls where the rows say.
    void SetUpBoard(const std::array<const char*, BoardSize>& rows) {
        SetBoard(Logic(), rows);
        Logic().ClearMarks();
        Game().InputEnabled = true;
        Channels().Set(TChannel::Appearance, false);
    }

    TGameFolder Folder;
    TManualTicks Ticks;
    TRecordingMessageBoxes Messages;
    TFakeFileDialogs Dialogs;
    TRecordingDesktop Desktop;
    TRecordingSound Sound;
    TGameFolders Folders = TGameFolders::Portable(Folder.Root);
    TPlatform Platform{Ticks, Messages, Dialogs, Desktop, Sound, Folders};
    std::unique_ptr<TGameWorld> World;
    std::unique_ptr<TMainWindow> Window;
    std::unique_ptr<TMainLoop> Loop;
};
