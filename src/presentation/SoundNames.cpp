#include "SoundNames.h"

#include <array>
#include <string_view>

std::string SoundFileName(TSound sound, int choice) {
    constexpr std::array<std::string_view, SoundEventCount> stems{"Sfx\\Selecting", "Sfx\\Moving",
                                                                  "Sfx\\Deleting", "Sfx\\Error"};
    return std::string(stems[static_cast<int>(sound)]) + std::to_string(choice + 1) + ".wav";
}
