#pragma once

#include <cstdint>

// The millisecond tick count (unsigned 32-bit; it wraps after about 49.7 days) and the main
// loop's pause. Tests drive the game with a manual clock.
class TTickSource {
public:
    virtual ~TTickSource() = default;
    virtual uint32_t Ticks() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

class TSteadyTickSource final : public TTickSource {
public:
    uint32_t Ticks() override;
    void Sleep(uint32_t milliseconds) override;
};
