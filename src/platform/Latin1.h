#pragma once

#include <QFile>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

// The game's texts are 8-bit Latin-1; these convert at the edge to the window system.
inline QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Whether Latin-1 holds every character of the text.
inline bool HoldsInLatin1(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// A character that Latin-1 cannot hold becomes "?"; where nothing may change unseen, ask
// HoldsInLatin1 first.
inline std::string ToLatin1(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        result.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?');
    }
    return result;
}

// A path, named in the system's encoding, as the game's text, for the messages that name a
// file or a folder.
inline std::string PathText(const std::filesystem::path& path) {
    return ToLatin1(QFile::decodeName(path.c_str()));
}
