#include "SoundFiles.h"

#include <array>
#include <cstdint>

std::string SoundFileInSfx(int event, int choice) {
    constexpr std::array<std::string_view, SoundEvents> stems{"Selecting", "Moving", "Deleting",
                                                              "Error"};
    // A settings file may hold any 32-bit choice; the number after it must not overflow.
    return std::string(stems[event]) + std::to_string(int64_t{choice} + 1) + ".wav";
}

std::string SoundFileName(int event, int choice) {
    return "Sfx\\" + SoundFileInSfx(event, choice);
}
