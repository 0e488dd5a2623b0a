#include "SoundFiles.h"

#include <array>
#include <cstdint>

std::string_view SoundFileStem(int event) {
    constexpr std::array<std::string_view, SoundEvents> stems{"Selecting", "Moving", "Deleting",
                                                              "Error"};
    return stems[event];
}

std::string SoundFileName(int event, int choice) {
    // A settings file may hold any 32-bit choice; the number after it must not overflow.
    return "Sfx\\" + std::string(SoundFileStem(event)) + std::to_string(int64_t{choice} + 1) +
           ".wav";
}
