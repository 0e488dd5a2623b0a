#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The name a player types for the leaders table, checked in this order.
enum class TNameCheck : uint8_t {
    Empty,       // recorded as "Anonymous"
    TooLong,     // refused
    BadSymbol,   // refused: "/" ends a name in the leaders file
    OnlyBlanks,  // recorded as "Anonymous"; control characters count as blanks
    Valid,       // recorded exactly as typed, blanks at its ends included
};

inline constexpr std::size_t MaxLeaderNameLength = 16;

TNameCheck CheckLeaderName(std::string_view text);

// The name recorded for an accepted text; a control character becomes a blank.
std::string RecordedLeaderName(std::string_view text);
