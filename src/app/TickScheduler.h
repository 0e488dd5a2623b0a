#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/TickSource.h"
#include "presentation/Animations.h"
#include "presentation/ApplySettings.h"
#include "rules/GameHooks.h"

// The main loop's five timed channels. Each pass polls them in their order, and each fires
// at most once a pass, when it is enabled and its interval has passed since its last firing.
class TTickScheduler {
public:
    static constexpr uint32_t ClockInterval = 1000;

    explicit TTickScheduler(TBounceState& bounce) : Bounce(bounce) {}

    // Every channel counts from now; the clock starts.
    void Start(uint32_t now);
    // One pass: reads the tick count for each channel and fires those that are due.
    void RunOnce(TTickSource& ticks, const std::function<void(TChannel)>& fire);

    // Milliseconds from `now` until the first enabled channel falls due, 0 when one is due
    // already; none while every channel is off. The Choosing channel counts only when asked.
    std::optional<uint32_t> UntilDue(uint32_t now, bool withChoosing) const;
    // The Choosing channel's poll at a pass the loop did not run, when the channel was on or
    // off as given: it fires there as it would have (with no ball marked its redraw would
    // have changed nothing), and its fired flag ends as that pass would have left it.
    void PollChoosingAt(uint32_t now, bool enabled);

    void SetIntervals(const TChannelIntervals& intervals);
    void SetEnabled(TChannel channel, bool enabled) { At(channel).Enabled = enabled; }
    bool IsEnabled(TChannel channel) const { return At(channel).Enabled; }

private:
    struct TChannelState {
        uint32_t Last = 0;
        uint32_t Now = 0;
        bool Enabled = false;
        uint32_t Interval = 0;
    };

    static bool IsDue(const TChannelState& state) {
        // Unsigned differences stay right across the tick count's wrap.
        return state.Enabled && state.Now - state.Last >= state.Interval;
    }
    TChannelState& At(TChannel channel) { return Channels[static_cast<int>(channel)]; }
    const TChannelState& At(TChannel channel) const { return Channels[static_cast<int>(channel)]; }

    std::array<TChannelState, ChannelCount> Channels{};
    TBounceState& Bounce;
};
