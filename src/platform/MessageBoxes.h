#pragma once

#include <cstdint>
#include <string_view>

enum class TMessageIcon : uint8_t { None, Error, Stop, Warning, Exclamation };
enum class TMessageButtons : uint8_t { Ok, YesNo };
enum class TMessageAnswer : uint8_t { Ok, Yes, No };

// Modal message boxes. Texts are the game's 8-bit texts; a "\n" breaks the line.
class TMessageBoxes {
public:
    virtual ~TMessageBoxes() = default;
    virtual TMessageAnswer Show(std::string_view text, std::string_view caption, TMessageIcon icon,
                                TMessageButtons buttons) = 0;
};
