#pragma once

#include <array>
#include <cstdint>

// The main loop's timed channels, in the order every pass polls them.
enum class TChannel : uint8_t { Moving, Appearance, Deleting, Choosing, Clock };
constexpr int ChannelCount = 5;

// Which of the main loop's channels run. The rules switch the turn's channels on as a move,
// an appearance, a vanishing or a bounce starts and off as it ends; the loop fires those
// that are on, and owns the clock's switch itself.
class TChannelSwitches {
public:
    void Set(TChannel channel, bool on) { On[static_cast<int>(channel)] = on; }
    bool IsOn(TChannel channel) const { return On[static_cast<int>(channel)]; }

private:
    std::array<bool, ChannelCount> On{};
};
