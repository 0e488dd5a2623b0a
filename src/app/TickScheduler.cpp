#include "TickScheduler.h"

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
        // Unsigned differences stay right across the tick count's wrap.
        if (state.Enabled && state.Now - state.Last >= state.Interval) {
            if (channel == TChannel::Choosing) {
                Bounce.ChoosingFired = true;
            }
            fire(channel);
            state.Last = state.Now;
        }
    }
}

void TTickScheduler::SetIntervals(const TChannelIntervals& intervals) {
    At(TChannel::Moving).Interval = intervals.Moving;
    At(TChannel::Appearance).Interval = intervals.Appearance;
    At(TChannel::Choosing).Interval = intervals.Choosing;
    At(TChannel::Deleting).Interval = intervals.Deleting;
    At(TChannel::Clock).Interval = ClockInterval;
}
