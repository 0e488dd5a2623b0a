#include <gtest/gtest.h>

#include <QMouseEvent>
#include <string>
#include <tuple>
#include <vector>

#include "GameApp.h"

namespace {

// What the channels drive, as a player could see it.
struct TSight {
    TCellArray<int16_t> Board{};
    int16_t AppearFrame = 0;
    int16_t DeleteFrame = 0;
    int32_t BounceFrame = 0;
    uint32_t Score = 0;
    std::string Clock;
    std::size_t Sounds = 0;
    bool operator==(const TSight&) const = default;
};

TSight Look(const TGameApp& app) {
    return {app.Logic().Board,       app.Logic().AppearFrame,
            app.Logic().DeleteFrame, app.Bounce().BounceFrame,
            app.Game().Score,        std::string(app.Game().TimeText.View()),
            app.Sound.Played.size()};
}

// A press the window system delivers: it waits in the queue for the loop's next pass.
void QueuePress(TGameApp& app, int column, int row) {
    const TSkinLayout& l = app.Layout();
    const QPointF point(l.BoardDrawLeft + column * l.CellWidth + (column + 1) * l.CellGapX + 3,
                        l.BoardDrawTop + row * (l.CellHeight + l.CellGapY) + 3);
    QCoreApplication::postEvent(
        &app.Window->View(), new QMouseEvent(QEvent::MouseButtonPress, point, point, Qt::LeftButton,
                                             Qt::LeftButton, Qt::NoModifier));
}

struct TPress {
    uint32_t At;  // milliseconds after the loop's start
    int Column;
    int Row;
};

// The ticks of the passes that changed what the player sees, with what they showed.
using TRecord = std::vector<std::pair<uint32_t, TSight>>;

struct TRun {
    TRecord Changes;
    std::vector<uint32_t> Passes;  // the ticks of every pass, from the loop's start
};

// Plays the same presses on the same game, with the plain loop or the one that skips the
// passes without work, for the given milliseconds.
TRun Play(int speed, bool skipping, const std::vector<TPress>& presses, uint32_t duration) {
    TGame settings = TGameApp::DefaultSettings();
    settings.Speeds = {speed, speed, speed, speed};
    TGameApp app(settings);
    app.Start();
    app.SetUpBoard({"5555.....", ".........", "....5....", ".........", ".........", ".........",
                    "......2..", ".........", "........."});
    const uint32_t start = app.Ticks.Now;
    TRun run;
    TSight last = Look(app);
    std::size_t next = 0;
    while (app.Ticks.Now - start < duration) {
        const uint32_t now = app.Ticks.Now - start;
        if (skipping) {
            if (next < presses.size() && app.Ticks.EventIn == TTickSource::Forever) {
                const TPress press = presses[next++];
                app.Ticks.SendIn(press.At - now,
                                 [&app, press] { QueuePress(app, press.Column, press.Row); });
            }
            app.Loop->RunPass();
        } else {
            // The press arrives during the pause before this pass.
            if (next < presses.size() && presses[next].At <= now + TMainLoop::PassMilliseconds) {
                QueuePress(app, presses[next].Column, presses[next].Row);
                ++next;
            }
            app.PlainPass();
        }
        run.Passes.push_back(app.Ticks.Now - start);
        if (TSight sight = Look(app); sight != last) {
            run.Changes.emplace_back(app.Ticks.Now - start, sight);
            last = sight;
        }
    }
    return run;
}

// A selection at an odd moment, a walk that completes a line, the line vanishing, a second
// selection bouncing, a walk that brings new balls, and seconds of the clock: with the plain
// loop and with the one that skips, every change comes at the same pass.
TEST(MainLoop, SkippingIdlePassesChangesNothingThePlayerSees) {
    const std::vector<TPress> presses{{1234, 4, 2}, {1501, 4, 0}, {3007, 6, 6}, {3999, 6, 8}};
    for (int speed : {0, 9}) {
        const TRun plain = Play(speed, false, presses, 7000);
        const TRun skipping = Play(speed, true, presses, 7000);
        const TSight& end = plain.Changes.back().second;
        ASSERT_EQ(end.Score, 5U) << "the line vanished, at speed " << speed;
        ASSERT_EQ(end.Board[6][8], 2) << "the second walk arrived, at speed " << speed;
        ASSERT_EQ(skipping.Changes.size(), plain.Changes.size()) << "speed " << speed;
        for (std::size_t i = 0; i < plain.Changes.size(); ++i) {
            EXPECT_EQ(skipping.Changes[i].first, plain.Changes[i].first)
                << "change " << i << " at speed " << speed;
            EXPECT_TRUE(skipping.Changes[i].second == plain.Changes[i].second)
                << "change " << i << " at speed " << speed;
        }
        for (uint32_t tick : skipping.Passes) {
            EXPECT_EQ(tick % TMainLoop::PassMilliseconds, 0U) << "a pass off the grid";
        }
        EXPECT_LT(skipping.Passes.size() * 2, plain.Passes.size()) << "speed " << speed;
    }
}

// At rest only the clock's next second wakes the loop; while the game stands still only an
// event that sets it going does, and the game goes on at the pass of the grid after it.
TEST(MainLoop, AtRestTheLoopWakesForTheClockAloneAndWhileStillForEventsAlone) {
    TGameApp app;
    app.Start();
    std::string clock(app.Game().TimeText.View());
    const auto clockMoved = [&] {
        const std::string now(app.Game().TimeText.View());
        return std::exchange(clock, now) != now;
    };
    ASSERT_TRUE(app.PassUntil([&] { return clockMoved(); }));
    ASSERT_FALSE(app.Channels().IsOn(TChannel::Appearance));
    uint32_t start = app.Ticks.Now;
    app.Loop->RunPass();
    EXPECT_EQ(app.Ticks.Now - start, 1000U) << "one pass, a second later";
    EXPECT_TRUE(clockMoved());
    // A channel already due (switched on as a command does) still waits for the next pass:
    // passes never come closer.
    app.Channels().Set(TChannel::Deleting, true);
    start = app.Ticks.Now;
    app.Loop->RunPass();
    EXPECT_EQ(app.Ticks.Now - start, TMainLoop::PassMilliseconds);
    app.Channels().Set(TChannel::Deleting, false);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    // A press beside the board changes nothing: the loop sleeps on until the window is
    // active again, and the game goes on at the next pass of the grid.
    start = app.Ticks.Now;
    app.Ticks.SendIn(500, [&] {
        QTest::mousePress(&app.Window->View(), Qt::LeftButton, Qt::NoModifier, QPoint(0, 0));
        app.Ticks.SendIn(3821, [&] {
            app.Window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(app.Window.get()));
        });
    });
    app.Loop->RunPass();
    EXPECT_EQ(app.Ticks.Now - start, 4330U);
    EXPECT_TRUE(clockMoved()) << "back from the pause, the clock fires at once";
}

}  // namespace
