#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/TickSource.h"
#include "presentation/Animations.h"
#include "presentation/ApplySettings.h"
#include "rules/Channels.h"

// The main loop's five timed channels. Each pass polls them in their order, and each fires
// at most once a pass, when it is switched on and its interval has passed since its last
// firing. The rules switch the turn's channels; the scheduler keeps their timing.
class TTickScheduler {
public:
    static constexpr uint32_t ClockInterval = 1000;

    TTickScheduler(TBounceState& bounce, TChannelSwitches& switches)
        : Bounce(bounce), Switches(switches) {}

    // Every channel counts from now; the clock starts.
    void Start(uint32_t now);
    // One pass: reads the tick count for each channel and fires those that are due. `fire`
    // answers whether the pass goes on; a pass it stopped goes on at the next call, with the
    // channel after the one that stopped it. True once the pass has run to its end.
    bool RunOnce(TTickSource& ticks, const std::function<bool(TChannel)>& fire);

    // Milliseconds from `now` until the first channel that is on falls due, 0 when one is due
    // already; none while every channel is off. The Choosing channel counts only when asked.
    std::optional<uint32_t> UntilDue(uint32_t now, bool withChoosing) const;
    // The Choosing channel's poll at a pass the loop did not run, when the channel was on or
    // off as given: it fires there as it would have (with no ball marked its redraw would
    // have changed nothing), and its fired flag ends as that pass would have left it.
    void PollChoosingAt(uint32_t now, bool enabled);

    void SetIntervals(const TChannelIntervals& intervals);

private:
    struct TChannelTiming {
        uint32_t Last = 0;
        uint32_t Now = 0;
        uint32_t Interval = 0;
    };

    bool IsDue(TChannel channel) const {
        const TChannelTiming& timing = At(channel);
        // Unsigned differences stay right across the tick count's wrap.
        return Switches.IsOn(channel) && timing.Now - timing.Last >= timing.Interval;
    }
    TChannelTiming& At(TChannel channel) { return Channels[static_cast<int>(channel)]; }
    const TChannelTiming& At(TChannel channel) const { return Channels[static_cast<int>(channel)]; }

    std::array<TChannelTiming, ChannelCount> Channels{};
    int NextChannel = 0;
    TBounceState& Bounce;
    TChannelSwitches& Switches;
};
