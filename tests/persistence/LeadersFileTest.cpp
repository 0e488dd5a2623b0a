#include <gtest/gtest.h>

#include <string>

#include "persistence/LeaderName.h"
#include "persistence/LeadersFile.h"
#include "support/GameFolder.h"
#include "support/LeadersTableText.h"

namespace {

TLeadersTable SampleTable() {
    return TableOfScores({500, 400, 300, 300, 200, 100, 50, 40, 30, 20});
}

TGame FinishedGame(uint32_t score, uint32_t difficulty, std::string_view clock) {
    TGame game;
    game.Score = score;
    game.Difficulty = difficulty;
    game.TimeText = clock;
    return game;
}

std::vector<std::string> Names(const TLeadersTable& table) {
    std::vector<std::string> names;
    for (const TLeaderEntry& entry : table) {
        names.push_back(entry.Name);
    }
    return names;
}

}  // namespace

TEST(LeadersFile, FormatsTheFourLines) {
    EXPECT_EQ(FormatLeadersTable(TLeadersTable{}), AnonymousFile);
    EXPECT_EQ(FormatLeadersTable(SampleTable()),
              "500 400 300 300 200 100 50 40 30 20 \r\n"
              "0 1 2 0 1 2 0 1 2 0 \r\n"
              "00:10 01:11 02:12 03:13 04:14 05:15 06:16 07:17 08:18 09:19\r\n"
              "P1/P2/P3/P4/P5/P6/P7/P8/P9/P10/");
    EXPECT_EQ(ParseLeadersTable(FormatLeadersTable(SampleTable())), SampleTable());
    EXPECT_EQ(ParseLeadersTable(AnonymousFile), TLeadersTable{});
}

TEST(LeadersFile, NewEntriesTakeTheFirstPlaceWhoseScoreIsLowerOrEqual) {
    TLeadersTable table = SampleTable();
    EXPECT_TRUE(PlaceLeader(table, {300, 1, "01:00", "New"}));
    EXPECT_EQ(Names(table), (std::vector<std::string>{"P1", "P2", "New", "P3", "P4", "P5", "P6",
                                                      "P7", "P8", "P9"}));

    table = SampleTable();
    EXPECT_TRUE(QualifiesForLeaders(20, table));
    EXPECT_TRUE(PlaceLeader(table, {20, 1, "01:00", "New"}));
    EXPECT_EQ(table[9].Name, "New");
    EXPECT_EQ(table[8].Name, "P9");

    table = SampleTable();
    EXPECT_FALSE(QualifiesForLeaders(19, table));
    EXPECT_FALSE(PlaceLeader(table, {19, 1, "01:00", "New"}));
    EXPECT_EQ(table, SampleTable());

    EXPECT_TRUE(PlaceLeader(table, {4000000000u, 1, "01:00", "New"}));
    EXPECT_EQ(Names(table), (std::vector<std::string>{"New", "P1", "P2", "P3", "P4", "P5", "P6",
                                                      "P7", "P8", "P9"}));

    // Against ten zero scores a score of 0 qualifies and goes to the top.
    table = TLeadersTable{};
    EXPECT_TRUE(QualifiesForLeaders(0, table));
    EXPECT_TRUE(PlaceLeader(table, {0, 2, "00:05", "Zero"}));
    EXPECT_EQ(table[0].Name, "Zero");
}

TEST(LeadersFile, InsertingRewritesTheFileExactly) {
    TGameFolder folder;
    ASSERT_TRUE(WriteLeadersTable(SampleTable()));
    InsertLeader(FinishedGame(300, DifficultyHard, "0407"), " Ann Lee ");
    EXPECT_EQ(folder.Read("leaders.dat"),
              "500 400 300 300 300 200 100 50 40 30 \r\n"
              "0 1 2 2 0 1 2 0 1 2 \r\n"
              "00:10 01:11 04:07 02:12 03:13 04:14 05:15 06:16 07:17 08:18\r\n"
              "P1/P2/ Ann Lee /P3/P4/P5/P6/P7/P8/P9/");
    EXPECT_EQ(ReadLeadersTable()[2].Name, " Ann Lee ");

    // A score that earns no place leaves the file as it was.
    const std::string before = folder.Read("leaders.dat");
    InsertLeader(FinishedGame(29, DifficultyEasy, "0001"), "Late");
    EXPECT_EQ(folder.Read("leaders.dat"), before);

    // Without a file the first game is recorded into a fresh table.
    std::filesystem::remove(folder.Path("leaders.dat"));
    InsertLeader(FinishedGame(0, DifficultyMedium, "0001"), "First");
    TLeadersTable expected;
    expected[0] = {0, 1, "00:01", "First"};
    EXPECT_EQ(ReadLeadersTable(), expected);
}

TEST(LeadersFile, TheEntryShowsTheClockWithAColon) {
    EXPECT_EQ(MakeLeaderEntry(FinishedGame(7, 2, "0407"), "N"), (TLeaderEntry{7, 2, "04:07", "N"}));
    EXPECT_EQ(MakeLeaderEntry(FinishedGame(7, 2, "0001"), "N").Time, "00:01");
    // A clock of odd length never makes a time the file cannot hold.
    EXPECT_EQ(MakeLeaderEntry(FinishedGame(7, 2, "123456"), "N").Time, "12:34");
    EXPECT_EQ(MakeLeaderEntry(FinishedGame(7, 2, "5"), "N").Time, "5:");
    EXPECT_EQ(MakeLeaderEntry(FinishedGame(7, 2, ""), "N").Time, ":");
}

TEST(LeadersFile, NamesKeepTheirBlanksAndLatin1Letters) {
    TGameFolder folder;
    TLeadersTable table = SampleTable();
    table[0].Name = "  two  blanks ";
    table[1].Name = "J\xF6rg M\xFCller";
    table[2].Name = "\xC6\xD8\xC5\xFF";
    ASSERT_TRUE(WriteLeadersTable(table));
    EXPECT_EQ(ReadLeadersTable(), table);
}

TEST(LeadersFile, ReadsOtherLineEndsAndTrailingText) {
    const std::string sample = FormatLeadersTable(SampleTable());
    std::string lf;
    for (char c : sample) {
        if (c != '\r') {
            lf += c;
        }
    }
    for (const std::string& text : {lf, sample + "\r\n", sample + "rest", "  " + sample}) {
        EXPECT_EQ(ParseLeadersTable(text), SampleTable()) << text;
    }
}

// The sample table with the entries at the given places made fresh.
TLeadersTable SampleWithFresh(std::initializer_list<int> places) {
    TLeadersTable table = SampleTable();
    for (int place : places) {
        table[place] = TLeaderEntry{};
    }
    return table;
}

TEST(LeadersFile, ADamagedFileKeepsEveryEntryThatCanBeRead) {
    const std::string sample = FormatLeadersTable(SampleTable());
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = sample;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::pair<std::string, TLeadersTable> damaged[] = {
        {"", TLeadersTable{}},
        {"\r\n\r\n\r\n", TLeadersTable{}},
        {sample.substr(0, sample.find("P1/")), TLeadersTable{}},      // no line of names
        {sample.substr(0, sample.size() - 1), SampleWithFresh({9})},  // nine "/"
        {replaced("P5/", "P5\r\n"), SampleWithFresh({4, 5, 6, 7, 8, 9})},
        {replaced("P5/", "P5\rP6/"), SampleWithFresh({4, 5, 6, 7, 8, 9})},
        {replaced("400", "4oo"), SampleWithFresh({1})},
        {replaced("400", "-400"), SampleWithFresh({1})},
        {replaced("400", "4294967296"), SampleWithFresh({1})},
        {replaced("0 1 2 0", "0 x 2 0"), SampleWithFresh({1})},
        {replaced("0 1 2 0", "0 99999999999 2 0"), SampleWithFresh({1})},
        {replaced("00:10 01:11", "00:10\r\n01:11"), TLeadersTable{}},
    };
    for (const auto& [text, expected] : damaged) {
        EXPECT_EQ(ParseLeadersTable(text), expected) << text.substr(0, 200);
    }

    // A line short of a value loses the entry at its end: the words cannot tell which one
    // is missing, but no entry takes a value from another line.
    const TLeadersTable nineScores = ParseLeadersTable(replaced("50 40", "50"));
    EXPECT_EQ(nineScores[9], TLeaderEntry{});
    EXPECT_EQ(nineScores[7].Name, "P8");
    EXPECT_EQ(nineScores[7].Difficulty, 1);

    // Shorter times, unknown difficulties and a name of any length still read.
    const TLeadersTable odd =
        ParseLeadersTable(replaced("03:13", "3").replace(sample.find("2 0 \r\n"), 1, "-7"));
    EXPECT_EQ(odd[3].Time, "3");
    EXPECT_EQ(odd[8].Difficulty, -7);
}

TEST(LeadersFile, ATimeLongerThanFiveCharactersIsCutAsTheWriterCutsIt) {
    TGameFolder folder;
    const std::string sample = FormatLeadersTable(SampleTable());
    std::string edited = sample;
    edited.replace(edited.find("03:13"), 5, "123:45");
    EXPECT_EQ(ParseLeadersTable(edited)[3].Time, "123:4");
    std::string huge = sample;
    huge.replace(huge.find("03:13"), 5, std::string(1 << 20, '9'));
    TLeadersTable expected = SampleTable();
    expected[3].Time = "99999";
    EXPECT_EQ(ParseLeadersTable(huge), expected);

    // The next qualifying game keeps the nine real entries of a hand-edited table.
    folder.Write("leaders.dat", edited);
    InsertLeader(FinishedGame(450, DifficultyEasy, "0102"), "New");
    EXPECT_EQ(Names(ReadLeadersTable()), (std::vector<std::string>{"P1", "New", "P2", "P3", "P4",
                                                                   "P5", "P6", "P7", "P8", "P9"}));
    EXPECT_EQ(ReadLeadersTable()[4].Time, "123:4");
}

TEST(LeadersFile, AFileCutAnywhereMakesUpNothing) {
    TGameFolder folder;
    EXPECT_EQ(ReadLeadersTable(), TLeadersTable{}) << "no file at all";
    const std::string sample = FormatLeadersTable(SampleTable());
    for (std::size_t length = 0; length < sample.size(); ++length) {
        const TLeadersTable read = ParseLeadersTable(sample.substr(0, length));
        for (int place = 0; place < LeadersCount; ++place) {
            EXPECT_TRUE(read[place] == TLeaderEntry{} || read[place] == SampleTable()[place])
                << length << " " << place;
        }
    }
    // Only the last name is cut short of its "/".
    EXPECT_EQ(ParseLeadersTable(sample.substr(0, sample.size() - 2)), SampleWithFresh({9}));
}

TEST(LeadersFile, RestoringCopiesTheStartingTableOnlyWhenItIsThere) {
    TGameFolder folder;
    ASSERT_TRUE(WriteLeadersTable(SampleTable()));
    const std::string current = folder.Read("leaders.dat");
    EXPECT_FALSE(RestoreDefaultLeaders());
    EXPECT_EQ(folder.Read("leaders.dat"), current);

    folder.Write("Def\\leaders.dat", AnonymousFile);
    EXPECT_TRUE(RestoreDefaultLeaders());
    EXPECT_EQ(folder.Read("leaders.dat"), AnonymousFile);
    EXPECT_EQ(folder.Read("Def\\leaders.dat"), AnonymousFile);

    std::filesystem::remove(folder.Path("leaders.dat"));
    EXPECT_TRUE(RestoreDefaultLeaders());
    EXPECT_EQ(folder.Read("leaders.dat"), AnonymousFile);
}

TEST(LeaderName, ChecksInOrder) {
    EXPECT_EQ(CheckLeaderName(""), TNameCheck::Empty);
    EXPECT_EQ(CheckLeaderName("sixteen chars ok"), TNameCheck::Valid);
    EXPECT_EQ(CheckLeaderName("seventeen chars!!"), TNameCheck::TooLong);
    EXPECT_EQ(CheckLeaderName("seventeen/chars!!"), TNameCheck::TooLong);
    EXPECT_EQ(CheckLeaderName("/start"), TNameCheck::BadSymbol);
    EXPECT_EQ(CheckLeaderName("mid/dle"), TNameCheck::BadSymbol);
    EXPECT_EQ(CheckLeaderName("end/"), TNameCheck::BadSymbol);
    EXPECT_EQ(CheckLeaderName("   "), TNameCheck::OnlyBlanks);
    EXPECT_EQ(CheckLeaderName(" \r\n\t"), TNameCheck::OnlyBlanks);
    EXPECT_EQ(CheckLeaderName("J\xF6rg"), TNameCheck::Valid);

    EXPECT_EQ(RecordedLeaderName(""), "Anonymous");
    EXPECT_EQ(RecordedLeaderName("   "), "Anonymous");
    EXPECT_EQ(RecordedLeaderName(" Ann "), " Ann ");
    // A pasted line break would split the file's line of names.
    EXPECT_EQ(RecordedLeaderName("Ann\r\nLee"), "Ann  Lee");
}
