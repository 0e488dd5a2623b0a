#include <gtest/gtest.h>

#include <vector>

#include "app/TickScheduler.h"
#include "support/FakePlatform.h"

namespace {

class Scheduler : public testing::Test {
protected:
    std::vector<TChannel> Pass() {
        std::vector<TChannel> fired;
        EXPECT_TRUE(Channels.RunOnce(Ticks, [&](TChannel channel) {
            fired.push_back(channel);
            return true;
        }));
        return fired;
    }

    TManualTicks Ticks;
    TBounceState Bounce;
    TChannelSwitches Switches;
    TTickScheduler Channels{Bounce, Switches};
};

TEST_F(Scheduler, ChannelsFireInOrderAtMostOncePerPassAndNeverEarly) {
    Channels.SetIntervals({27, 24, 24, 24});
    Channels.Start(Ticks.Now);
    for (TChannel channel :
         {TChannel::Moving, TChannel::Appearance, TChannel::Deleting, TChannel::Choosing}) {
        Switches.Set(channel, true);
    }
    EXPECT_TRUE(Pass().empty()) << "nothing is due at the start";
    Ticks.Now += 23;
    EXPECT_TRUE(Pass().empty());
    Ticks.Now += 1;
    EXPECT_EQ(Pass(), (std::vector<TChannel>{TChannel::Appearance, TChannel::Deleting,
                                             TChannel::Choosing}));
    Ticks.Now += 3;
    EXPECT_EQ(Pass(), std::vector<TChannel>{TChannel::Moving});
    // Long away: each channel fires once, and counts afresh from now; nothing is made up.
    Ticks.Now += 5000;
    EXPECT_EQ(Pass().size(), 5U) << "the clock too, after a second";
    Ticks.Now += 20;
    EXPECT_TRUE(Pass().empty());
}

TEST_F(Scheduler, TheClockKeepsItsSecondWhateverTheAnimationSpeeds) {
    Channels.Start(Ticks.Now);
    Channels.SetIntervals({27, 24, 24, 24});
    Ticks.Now += 999;
    EXPECT_TRUE(Pass().empty());
    Ticks.Now += 1;
    EXPECT_EQ(Pass(), std::vector<TChannel>{TChannel::Clock});
    Channels.SetIntervals({45, 60, 60, 60});
    Ticks.Now += 999;
    EXPECT_TRUE(Pass().empty());
    Ticks.Now += 1;
    EXPECT_EQ(Pass(), std::vector<TChannel>{TChannel::Clock});
}

TEST_F(Scheduler, DisabledChannelFiresAtOnceWhenEnabledAfterItsInterval) {
    Channels.SetIntervals({45, 60, 60, 60});
    Channels.Start(Ticks.Now);
    Ticks.Now += 500;
    EXPECT_EQ(Pass(), std::vector<TChannel>{});
    Switches.Set(TChannel::Moving, true);
    EXPECT_EQ(Pass(), std::vector<TChannel>{TChannel::Moving});
}

TEST_F(Scheduler, TickCountWrapDoesNoHarm) {
    Ticks.Now = 0xFFFFFFF0U;
    Channels.SetIntervals({27, 24, 24, 24});
    Channels.Start(Ticks.Now);
    Switches.Set(TChannel::Choosing, true);
    Ticks.Now = 0x00000008U;  // 24 ms later, across the wrap
    EXPECT_EQ(Pass(), std::vector<TChannel>{TChannel::Choosing});
    Ticks.Now = 0x00000010U;
    EXPECT_TRUE(Pass().empty());
}

TEST_F(Scheduler, ChoosingFiredFlagLastsUntilItsNextPoll) {
    Channels.SetIntervals({45, 60, 60, 60});
    Channels.Start(Ticks.Now);
    Switches.Set(TChannel::Choosing, true);
    Ticks.Now += 60;
    bool seenInOwnAction = false;
    Channels.RunOnce(Ticks, [&](TChannel channel) {
        if (channel == TChannel::Choosing) {
            seenInOwnAction = Bounce.ChoosingFired;
        }
        return true;
    });
    EXPECT_TRUE(seenInOwnAction);
    EXPECT_TRUE(Bounce.ChoosingFired) << "still set after the pass, for redraws in between";
    // In the next pass the channels before it still see the flag; its own poll clears it.
    Switches.Set(TChannel::Moving, true);
    Ticks.Now += 45;
    bool seenByMoving = false;
    Channels.RunOnce(Ticks, [&](TChannel channel) {
        if (channel == TChannel::Moving) {
            seenByMoving = Bounce.ChoosingFired;
        }
        return true;
    });
    EXPECT_TRUE(seenByMoving);
    EXPECT_FALSE(Bounce.ChoosingFired);
}

// A firing that stops the pass (a game over) leaves the rest of it to the next call, which
// reads the ticks anew for the channels after it, as the pass would have after a firing
// that took that long; the stopped channel counts from the time its firing was due.
TEST_F(Scheduler, AStoppedPassGoesOnWithTheChannelsAfterTheOneThatStoppedIt) {
    Channels.SetIntervals({45, 60, 60, 60});
    Channels.Start(Ticks.Now);
    Switches.Set(TChannel::Moving, true);
    Ticks.Now += 45;
    std::vector<TChannel> fired;
    const auto fire = [&](TChannel channel) {
        fired.push_back(channel);
        return channel != TChannel::Moving;
    };
    EXPECT_FALSE(Channels.RunOnce(Ticks, fire));
    EXPECT_EQ(fired, std::vector<TChannel>{TChannel::Moving});
    // What the stopped firing set going: due by the time the pass goes on.
    Switches.Set(TChannel::Appearance, true);
    Ticks.Now += 5000;
    EXPECT_TRUE(Channels.RunOnce(Ticks, fire));
    EXPECT_EQ(fired,
              (std::vector<TChannel>{TChannel::Moving, TChannel::Appearance, TChannel::Clock}));
    // The next pass is a whole one again; the Moving channel counts from before the stop.
    fired.clear();
    EXPECT_FALSE(Channels.RunOnce(Ticks, fire));
    EXPECT_EQ(fired, std::vector<TChannel>{TChannel::Moving});
}

}  // namespace
