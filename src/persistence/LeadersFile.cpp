#include "LeadersFile.h"

#include <algorithm>

#include "WordReader.h"
#include "platform/FileSystem.h"

namespace {

constexpr char NameEnd = '/';

// The line of names is the one after the line that holds the last time.
std::optional<std::string_view> LineAfter(std::string_view rest) {
    const std::size_t lineEnd = rest.find('\n');
    if (lineEnd == std::string_view::npos) {
        return std::nullopt;
    }
    rest.remove_prefix(lineEnd + 1);
    return rest.substr(0, rest.find_first_of("\r\n"));
}

}  // namespace

std::string FormatLeadersTable(const TLeadersTable& table) {
    std::string scores;
    std::string difficulties;
    std::string times;
    std::string names;
    for (const TLeaderEntry& entry : table) {
        scores += std::to_string(entry.Score) + ' ';
        difficulties += std::to_string(entry.Difficulty) + ' ';
        if (!times.empty()) {
            times += ' ';
        }
        times += entry.Time;
        names += entry.Name + NameEnd;
    }
    return scores + "\r\n" + difficulties + "\r\n" + times + "\r\n" + names;
}

std::optional<TLeadersTable> ParseLeadersTable(std::string_view text) {
    TLeadersTable table;
    TWordReader words(text);
    for (TLeaderEntry& entry : table) {
        const std::optional<uint32_t> score = words.NextUInt32();
        if (!score) {
            return std::nullopt;
        }
        entry.Score = *score;
    }
    for (TLeaderEntry& entry : table) {
        const std::optional<int32_t> difficulty = words.NextInt32();
        if (!difficulty) {
            return std::nullopt;
        }
        entry.Difficulty = *difficulty;
    }
    for (TLeaderEntry& entry : table) {
        const std::optional<std::string_view> time = words.Next();
        if (!time || time->size() > LeaderTimeLength) {
            return std::nullopt;
        }
        entry.Time = std::string(*time);
    }
    std::optional<std::string_view> names = LineAfter(words.Rest());
    if (!names) {
        return std::nullopt;
    }
    for (TLeaderEntry& entry : table) {
        const std::size_t end = names->find(NameEnd);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        entry.Name = std::string(names->substr(0, end));
        names->remove_prefix(end + 1);
    }
    return table;
}

TLeadersTable ReadLeadersTable() {
    const std::optional<std::string> text = ReadWholeFile(NativePath(LeadersFileName));
    if (!text) {
        return {};
    }
    return ParseLeadersTable(*text).value_or(TLeadersTable{});
}

bool WriteLeadersTable(const TLeadersTable& table) {
    return WriteFileAtomically(NativePath(LeadersFileName), FormatLeadersTable(table));
}

bool QualifiesForLeaders(uint32_t score, const TLeadersTable& table) {
    return score >= table.back().Score;
}

TLeaderEntry MakeLeaderEntry(const TGame& game, std::string_view name) {
    // The clock text is four digits; the entry shows it as minutes, ":" and seconds. A clock
    // from a damaged saved game may have more digits: the time is cut to its five places, so
    // the file stays readable.
    std::string time(game.TimeText.View());
    time.insert(std::min<std::size_t>(2, time.size()), 1, ':');
    time.resize(std::min(time.size(), LeaderTimeLength));
    return {game.Score, static_cast<int32_t>(game.Difficulty), time, std::string(name)};
}

bool PlaceLeader(TLeadersTable& table, const TLeaderEntry& entry) {
    const auto place = std::find_if(table.begin(), table.end(), [&](const TLeaderEntry& old) {
        return old.Score <= entry.Score;
    });
    if (place == table.end()) {
        return false;
    }
    std::move_backward(place, table.end() - 1, table.end());
    *place = entry;
    return true;
}

void InsertLeader(const TGame& game, std::string_view name) {
    TLeadersTable table = ReadLeadersTable();
    if (PlaceLeader(table, MakeLeaderEntry(game, name))) {
        WriteLeadersTable(table);
    }
}

bool RestoreDefaultLeaders() {
    const std::optional<std::string> starting = ReadWholeFile(NativePath(DefaultLeadersFileName));
    return starting && WriteFileAtomically(NativePath(LeadersFileName), *starting);
}
