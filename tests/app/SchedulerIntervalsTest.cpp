#include <gtest/gtest.h>

#include <map>

#include "app/TickScheduler.h"
#include "support/FakePlatform.h"

namespace {

// Each animation channel keeps the interval of its own speed: with four different intervals
// every channel first fires exactly when its own has passed, and then at that pace.
TEST(SchedulerIntervals, EachChannelRunsAtItsOwnInterval) {
    TManualTicks ticks;
    TBounceState bounce;
    TChannelSwitches switches;
    TTickScheduler channels{bounce, switches};
    channels.SetIntervals({.Moving = 31, .Appearance = 43, .Choosing = 57, .Deleting = 71});
    channels.Start(ticks.Now);
    for (TChannel channel :
         {TChannel::Moving, TChannel::Appearance, TChannel::Deleting, TChannel::Choosing}) {
        switches.Set(channel, true);
    }
    std::map<TChannel, std::vector<uint32_t>> firings;
    const uint32_t start = ticks.Now;
    for (int pass = 0; pass < 150; ++pass) {
        channels.RunOnce(ticks, [&](TChannel channel) {
            firings[channel].push_back(ticks.Now - start);
            return true;
        });
        ++ticks.Now;
    }
    EXPECT_EQ(firings[TChannel::Moving], (std::vector<uint32_t>{31, 62, 93, 124}));
    EXPECT_EQ(firings[TChannel::Appearance], (std::vector<uint32_t>{43, 86, 129}));
    EXPECT_EQ(firings[TChannel::Choosing], (std::vector<uint32_t>{57, 114}));
    EXPECT_EQ(firings[TChannel::Deleting], (std::vector<uint32_t>{71, 142}));
    EXPECT_TRUE(firings[TChannel::Clock].empty());
}

}  // namespace
