#include "RarEntryName.h"

#include <cctype>

std::optional<std::filesystem::path> EntryPathInside(std::string_view storedName) {
    const auto isSeparator = [](char c) { return c == '/' || c == '\\'; };
    if (storedName.empty() || isSeparator(storedName.front())) {
        return std::nullopt;
    }
    if (storedName.size() >= 2 && storedName[1] == ':' &&
        std::isalpha(static_cast<unsigned char>(storedName[0])) != 0) {
        return std::nullopt;
    }
    std::filesystem::path inside;
    std::size_t start = 0;
    while (start <= storedName.size()) {
        std::size_t end = start;
        while (end < storedName.size() && !isSeparator(storedName[end])) {
            ++end;
        }
        const std::string_view part = storedName.substr(start, end - start);
        if (part == "..") {
            return std::nullopt;
        }
        if (!part.empty() && part != ".") {
            inside /= std::string(part);
        }
        start = end + 1;
    }
    if (inside.empty()) {
        return std::nullopt;
    }
    return inside;
}
