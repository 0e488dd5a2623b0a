#pragma once

#include <cstdint>
#include <limits>

// The millisecond tick count (unsigned 32-bit; it wraps after about 49.7 days) and the main
// loop's pauses. Tests drive the game with a manual clock.
class TTickSource {
public:
    // A pause that only a window event ends.
    static constexpr uint32_t Forever = std::numeric_limits<uint32_t>::max();

    virtual ~TTickSource() = default;
    virtual uint32_t Ticks() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
    // Pauses for the milliseconds, or less when a window event arrives first; true when an
    // event ended the pause. The event is handled before the pause ends.
    virtual bool WaitForEvent(uint32_t milliseconds) = 0;
};

class TSteadyTickSource final : public TTickSource {
public:
    uint32_t Ticks() override;
    void Sleep(uint32_t milliseconds) override;
    bool WaitForEvent(uint32_t milliseconds) override;
};
