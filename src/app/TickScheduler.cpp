#include "TickScheduler.h"

#include <algorithm>

void TTickScheduler::Start(uint32_t now) {
    for (TChannelTiming& channel : Channels) {
        channel.Last = now;
    }
    At(TChannel::Clock).Interval = ClockInterval;
    Switches.Set(TChannel::Clock, true);
}

bool TTickScheduler::RunOnce(TTickSource& ticks, const std::function<bool(TChannel)>& fire) {
    while (NextChannel < ChannelCount) {
        const auto channel = static_cast<TChannel>(NextChannel++);
        TChannelTiming& timing = At(channel);
        timing.Now = ticks.Ticks();
        if (channel == TChannel::Choosing) {
            Bounce.ChoosingFired = false;
        }
        if (IsDue(channel)) {
            if (channel == TChannel::Choosing) {
                Bounce.ChoosingFired = true;
            }
            const bool goOn = fire(channel);
            timing.Last = timing.Now;
            if (!goOn) {
                return false;
            }
        }
    }
    NextChannel = 0;
    return true;
}

std::optional<uint32_t> TTickScheduler::UntilDue(uint32_t now, bool withChoosing) const {
    std::optional<uint32_t> least;
    for (int index = 0; index < ChannelCount; ++index) {
        const auto channel = static_cast<TChannel>(index);
        if (!Switches.IsOn(channel) || (!withChoosing && channel == TChannel::Choosing)) {
            continue;
        }
        const TChannelTiming& timing = At(channel);
        const uint32_t since = now - timing.Last;
        const uint32_t left = since >= timing.Interval ? 0 : timing.Interval - since;
        least = std::min(least.value_or(left), left);
    }
    return least;
}

void TTickScheduler::PollChoosingAt(uint32_t now, bool enabled) {
    TChannelTiming& timing = At(TChannel::Choosing);
    timing.Now = now;
    Bounce.ChoosingFired = enabled && now - timing.Last >= timing.Interval;
    if (Bounce.ChoosingFired) {
        timing.Last = now;
    }
}

void TTickScheduler::SetIntervals(const TChannelIntervals& intervals) {
    At(TChannel::Moving).Interval = intervals.Moving;
    At(TChannel::Appearance).Interval = intervals.Appearance;
    At(TChannel::Choosing).Interval = intervals.Choosing;
    At(TChannel::Deleting).Interval = intervals.Deleting;
    At(TChannel::Clock).Interval = ClockInterval;
}
