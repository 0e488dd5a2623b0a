#include "TickScheduler.h"

#include <algorithm>

void TTickScheduler::Start(uint32_t now) {
    for (TChannelState& channel : Channels) {
        channel.Last = now;
    }
    At(TChannel::Clock).Interval = ClockInterval;
    At(TChannel::Clock).Enabled = true;
}

void TTickScheduler::RunOnce(TTickSource& ticks, const std::function<void(TChannel)>& fire) {
    for (int index = 0; index < ChannelCount; ++index) {
        const auto channel = static_cast<TChannel>(index);
        TChannelState& state = At(channel);
        state.Now = ticks.Ticks();
        if (channel == TChannel::Choosing) {
            Bounce.ChoosingFired = false;
        }
        if (IsDue(state)) {
            if (channel == TChannel::Choosing) {
                Bounce.ChoosingFired = true;
            }
            fire(channel);
            state.Last = state.Now;
        }
    }
}

std::optional<uint32_t> TTickScheduler::UntilDue(uint32_t now, bool withChoosing) const {
    std::optional<uint32_t> least;
    for (const TChannelState& channel : Channels) {
        if (!channel.Enabled || (!withChoosing && &channel == &At(TChannel::Choosing))) {
            continue;
        }
        const uint32_t since = now - channel.Last;
        const uint32_t left = since >= channel.Interval ? 0 : channel.Interval - since;
        least = std::min(least.value_or(left), left);
    }
    return least;
}

void TTickScheduler::PollChoosingAt(uint32_t now, bool enabled) {
    TChannelState& state = At(TChannel::Choosing);
    state.Now = now;
    Bounce.ChoosingFired = enabled && now - state.Last >= state.Interval;
    if (Bounce.ChoosingFired) {
        state.Last = now;
    }
}

void TTickScheduler::SetIntervals(const TChannelIntervals& intervals) {
    At(TChannel::Moving).Interval = intervals.Moving;
    At(TChannel::Appearance).Interval = intervals.Appearance;
    At(TChannel::Choosing).Interval = intervals.Choosing;
    At(TChannel::Deleting).Interval = intervals.Deleting;
    At(TChannel::Clock).Interval = ClockInterval;
}
