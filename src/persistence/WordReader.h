#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Walks a text word by word, the way the game reads its own text files: words are separated
// by blanks, tabs, CR and LF, and a word's place alone gives its meaning. Words of any
// length are only looked at, never copied.
class TWordReader {
public:
    explicit TWordReader(std::string_view text) : Text(text) {}

    // The next word, or nothing at the end of the text.
    std::optional<std::string_view> Next();
    // False when the text ends before that many words were passed.
    bool Skip(int count);

    // The next word as an optional sign followed by decimal digits that fit 32 bits; nothing
    // when the text has ended or the word is anything else.
    std::optional<int32_t> NextInt32();
    // The next word as decimal digits (no sign) that fit 32 bits unsigned.
    std::optional<uint32_t> NextUInt32();
    // The next word as an optional sign followed by decimal digits, for a value the game
    // keeps in 32 bits unsigned and takes as it stands: 0 to 4294967295, or -2147483648 to -1
    // as its 32-bit pattern (-1 is 4294967295, which is also how it is written back).
    std::optional<uint32_t> NextUInt32Pattern();

    // The text after the last word read.
    std::string_view Rest() const { return Text.substr(Position); }

private:
    std::string_view Text;
    std::size_t Position = 0;
};
