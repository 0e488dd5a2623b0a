#include "TickSource.h"

#include <chrono>
#include <thread>

uint32_t TSteadyTickSource::Ticks() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(since);
    return static_cast<uint32_t>(static_cast<uint64_t>(milliseconds.count()));
}

void TSteadyTickSource::Sleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
