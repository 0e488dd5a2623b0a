#include "LeadersFile.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "WordReader.h"
#include "platform/FileSystem.h"

namespace {

constexpr char NameEnd = '/';
constexpr int LineCount = 4;

// The four lines of the file, each without its line end; a line the text lacks is empty.
// A name never holds a CR, so the line of names ends at the first one.
std::array<std::string_view, LineCount> SplitLines(std::string_view text) {
    std::array<std::string_view, LineCount> lines;
    for (std::string_view& line : lines) {
        const std::size_t end = text.find('\n');
        line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    lines.back() = lines.back().substr(0, lines.back().find('\r'));
    return lines;
}

// The text up to the next "/", which ends a name; nothing when no "/" follows.
std::optional<std::string_view> NextName(std::string_view& names) {
    const std::size_t end = names.find(NameEnd);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view name = names.substr(0, end);
    names.remove_prefix(end + 1);
    return name;
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

TLeadersTable ParseLeadersTable(std::string_view text) {
    const std::array<std::string_view, LineCount> lines = SplitLines(text);
    TWordReader scores(lines[0]);
    TWordReader difficulties(lines[1]);
    TWordReader times(lines[2]);
    std::string_view names = lines[3];
    TLeadersTable table;
    // Each line is read on its own, so a missing or damaged value costs only its own entry.
    for (TLeaderEntry& entry : table) {
        const std::optional<uint32_t> score = scores.NextUInt32();
        const std::optional<int32_t> difficulty = difficulties.NextInt32();
        const std::optional<std::string_view> time = times.Next();
        const std::optional<std::string_view> name = NextName(names);
        if (score && difficulty && time && name) {
            // A longer time, as a hand-edited "123:45", is cut as the writer cuts it.
            entry = {*score, *difficulty, std::string(time->substr(0, LeaderTimeLength)),
                     std::string(*name)};
        }
    }
    return table;
}

TLeadersTable ReadLeadersTable() {
    const std::optional<std::string> text = ReadWholeFile(NativePath(LeadersFileName));
    if (!text) {
        return {};
    }
    return ParseLeadersTable(*text);
}

TWriteResult WriteLeadersTable(const TLeadersTable& table) {
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

TWriteResult InsertLeader(const TGame& game, std::string_view name) {
    TLeadersTable table = ReadLeadersTable();
    if (!PlaceLeader(table, MakeLeaderEntry(game, name))) {
        return {};
    }
    return WriteLeadersTable(table);
}

std::string LeadersFailedText(const TWriteResult& failure) {
    return WriteFailureText("Can not save leaders table to",
                            std::filesystem::absolute(NativePath(LeadersFileName)), failure);
}

bool RestoreDefaultLeaders() {
    const std::optional<std::string> starting = ReadWholeFile(NativePath(DefaultLeadersFileName));
    return starting && WriteFileAtomically(NativePath(LeadersFileName), *starting);
}
