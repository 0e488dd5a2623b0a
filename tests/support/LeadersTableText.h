#pragma once

#include <initializer_list>
#include <ostream>
#include <string>

#include "persistence/LeadersFile.h"

// A table with the given ten scores, each entry named after its place ("P1" to "P10").
inline TLeadersTable TableOfScores(std::initializer_list<uint32_t> scores) {
    TLeadersTable table;
    int place = 0;
    for (uint32_t score : scores) {
        TLeaderEntry& entry = table[place];
        entry.Score = score;
        entry.Difficulty = place % 3;
        entry.Time = "0" + std::to_string(place) + ":1" + std::to_string(place);
        entry.Name = "P" + std::to_string(place + 1);
        ++place;
    }
    return table;
}

// The file of a table whose ten entries are all score 0, difficulty 1, "00:00", "Anonymous".
inline const std::string AnonymousFile =
    "0 0 0 0 0 0 0 0 0 0 \r\n"
    "1 1 1 1 1 1 1 1 1 1 \r\n"
    "00:00 00:00 00:00 00:00 00:00 00:00 00:00 00:00 00:00 00:00\r\n"
    "Anonymous/Anonymous/Anonymous/Anonymous/Anonymous/Anonymous/Anonymous/Anonymous/"
    "Anonymous/Anonymous/";

// Readable failures: the test framework prints entries with this.
inline void PrintTo(const TLeaderEntry& entry, std::ostream* out) {
    *out << "{" << entry.Score << ", " << entry.Difficulty << ", \"" << entry.Time << "\", \""
         << entry.Name << "\"}";
}
