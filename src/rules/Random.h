#pragma once

#include <cstdint>

// The one source of chance in the game. Every draw is below 2^31; a cell coordinate is a
// draw modulo 9 and a colour a draw modulo 6, plus 1.
class TRandomSource {
public:
    virtual ~TRandomSource() = default;
    virtual uint32_t Draw() = 0;

    int DrawCoordinate() { return static_cast<int>(Draw() % 9); }
    int DrawColour() { return static_cast<int>(Draw() % 6) + 1; }
};

// A PCG generator (permuted congruential, 64-bit state); seeded once, from the time in
// seconds when the program starts, or from a test's own seed.
class TSeededRandom final : public TRandomSource {
public:
    explicit TSeededRandom(uint64_t seed = 0) { Seed(seed); }

    void Seed(uint64_t seed);
    void SeedFromTime();
    uint32_t Draw() override;

private:
    uint64_t State = 0;
};
