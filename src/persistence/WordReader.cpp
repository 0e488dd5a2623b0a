#include "WordReader.h"

#include <charconv>

namespace {

template <typename T>
std::optional<T> WholeNumber(std::string_view word) {
    T value{};
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// from_chars takes a minus sign but not a plus sign.
std::string_view WithoutPlus(std::string_view word) {
    if (word.size() > 1 && word.front() == '+' && word[1] != '-') {
        word.remove_prefix(1);
    }
    return word;
}

bool IsWordSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::optional<std::string_view> TWordReader::Next() {
    while (Position < Text.size() && IsWordSeparator(Text[Position])) {
        ++Position;
    }
    if (Position == Text.size()) {
        return std::nullopt;
    }
    const std::size_t start = Position;
    while (Position < Text.size() && !IsWordSeparator(Text[Position])) {
        ++Position;
    }
    return Text.substr(start, Position - start);
}

bool TWordReader::Skip(int count) {
    for (int i = 0; i < count; ++i) {
        if (!Next()) {
            return false;
        }
    }
    return true;
}

std::optional<int32_t> TWordReader::NextInt32() {
    const std::optional<std::string_view> word = Next();
    if (!word) {
        return std::nullopt;
    }
    return WholeNumber<int32_t>(WithoutPlus(*word));
}

std::optional<uint32_t> TWordReader::NextUInt32() {
    const std::optional<std::string_view> word = Next();
    if (!word) {
        return std::nullopt;
    }
    return WholeNumber<uint32_t>(*word);
}

std::optional<uint32_t> TWordReader::NextUInt32Pattern() {
    const std::optional<std::string_view> word = Next();
    if (!word) {
        return std::nullopt;
    }
    if (word->starts_with('-')) {
        const std::optional<int32_t> negative = WholeNumber<int32_t>(*word);
        if (!negative) {
            return std::nullopt;
        }
        return static_cast<uint32_t>(*negative);
    }
    return WholeNumber<uint32_t>(WithoutPlus(*word));
}
