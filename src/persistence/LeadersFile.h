#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "rules/GameState.h"

// The ten best finished games, place 1 first, kept in "leaders.dat" in the game folder;
// "Def\leaders.dat" holds the starting table that the player can put back.
inline constexpr std::string_view LeadersFileName = "leaders.dat";
inline constexpr std::string_view DefaultLeadersFileName = "Def\\leaders.dat";
inline constexpr int LeadersCount = 10;
// Minutes, ":" and seconds.
inline constexpr std::size_t LeaderTimeLength = 5;
inline constexpr std::string_view AnonymousName = "Anonymous";

// One finished game. A fresh entry is the one that fills a table that cannot be read.
struct TLeaderEntry {
    uint32_t Score = 0;
    int32_t Difficulty = 1;
    std::string Time = "00:00";
    std::string Name = std::string(AnonymousName);  // Latin-1, never holding "/"

    bool operator==(const TLeaderEntry&) const = default;
};

using TLeadersTable = std::array<TLeaderEntry, LeadersCount>;

// Four lines: the scores, the difficulties, the times, the names each followed by "/";
// CR LF after the first three lines and nothing after the fourth.
std::string FormatLeadersTable(const TLeadersTable& table);

// Every entry whose four values can be read: the n-th score of the first line, the n-th
// difficulty of the second, the n-th time of the third (cut to five characters) and the
// n-th name of the fourth, ended by its "/". An entry that lacks one of them, or whose
// score or difficulty is not a number, is a fresh entry; the others keep their places.
TLeadersTable ParseLeadersTable(std::string_view text);

// The table in "leaders.dat"; a missing file reads as a table of fresh entries, a damaged
// one as far as it can be read.
TLeadersTable ReadLeadersTable();
// Replaces "leaders.dat"; when it could not be written the old file stays, and the result
// says why.
TWriteResult WriteLeadersTable(const TLeadersTable& table);

// A score that reaches the tenth place earns an entry; an equal score is enough.
bool QualifiesForLeaders(uint32_t score, const TLeadersTable& table);

// The finished game's entry: its score, difficulty and clock as last shown.
TLeaderEntry MakeLeaderEntry(const TGame& game, std::string_view name);

// Puts the entry at the first place whose score is lower or equal, so that it stands above
// older entries of the same score; the tenth entry leaves. False when it has no place.
bool PlaceLeader(TLeadersTable& table, const TLeaderEntry& entry);

// Records the finished game under the name and rewrites "leaders.dat"; a failed write keeps
// the old table and says why.
TWriteResult InsertLeader(const TGame& game, std::string_view name);

// What the player is told when the table could not be written.
std::string LeadersFailedText(const TWriteResult& failure);

// Puts the starting table back. Copies first and replaces "leaders.dat" only when the
// starting table could be read, so a missing starting table loses nothing.
bool RestoreDefaultLeaders();
