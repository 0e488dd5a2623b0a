#include "Random.h"

#include <ctime>

namespace {
constexpr uint64_t Multiplier = 6364136223846793005ULL;
constexpr uint64_t Increment = 1442695040888963407ULL;
}  // namespace

void TSeededRandom::Seed(uint64_t seed) {
    State = 0;
    Draw();
    State += seed;
    Draw();
}

void TSeededRandom::SeedFromTime() {
    Seed(static_cast<uint64_t>(std::time(nullptr)));
}

uint32_t TSeededRandom::Draw() {
    const uint64_t old = State;
    State = old * Multiplier + Increment;
    const auto shifted = static_cast<uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<uint32_t>(old >> 59U);
    const uint32_t output = (shifted >> rotation) | (shifted << ((32U - rotation) & 31U));
    return output >> 1U;
}
