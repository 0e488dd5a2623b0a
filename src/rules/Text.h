#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// A short text of fixed capacity that never touches the heap: the game record holds its
// file names and display texts in these, so the rules engine stays allocation-free.
// A text longer than the capacity is cut at the capacity.
template <std::size_t Capacity>
class TText {
public:
    TText() = default;
    TText(std::string_view text) { Assign(text); }

    void Assign(std::string_view text) {
        Length = std::min(text.size(), Capacity);
        std::memcpy(Chars.data(), text.data(), Length);
    }
    void Clear() { Length = 0; }
    // What does not fit is cut, as with Assign.
    void Append(std::string_view text) {
        const std::size_t count = std::min(text.size(), Capacity - Length);
        std::memcpy(Chars.data() + Length, text.data(), count);
        Length += count;
    }
    void AppendNumber(int64_t value) {
        std::array<char, 20> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
        Append({digits.data(), static_cast<std::size_t>(end - digits.data())});
    }

    std::string_view View() const { return {Chars.data(), Length}; }
    std::size_t Size() const { return Length; }
    bool Empty() const { return Length == 0; }
    char operator[](std::size_t index) const { return Chars[index]; }

    friend bool operator==(const TText& text, std::string_view other) {
        return text.View() == other;
    }

private:
    std::array<char, Capacity> Chars{};
    std::size_t Length = 0;
};
