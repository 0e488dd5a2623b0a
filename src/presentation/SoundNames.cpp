#include "SoundNames.h"

#include <array>
#include <cstdint>
#include <string_view>

std::string SoundFileName(TSound sound, int choice) {
    constexpr std::array<std::string_view, SoundEventCount> stems{"Sfx\\Selecting", "Sfx\\Moving",
                                                                  "Sfx\\Deleting", "Sfx\\Error"};
    // A settings file may hold any 32-bit choice; the number after it must not overflow.
    return std::string(stems[static_cast<int>(sound)]) + std::to_string(int64_t{choice} + 1) +
           ".wav";
}
