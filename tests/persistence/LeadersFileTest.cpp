#include <gtest/gtest.h>

#include <string>

#include "LeadersTableText.h"
#include "persistence/LeaderName.h"
#include "persistence/LeadersFile.h"
#include "support/GameFolder.h"

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

TEST(LeadersFile, ADamagedFileReadsAsAFreshTable) {
    TGameFolder folder;
    EXPECT_EQ(ReadLeadersTable(), TLeadersTable{});

    const std::string sample = FormatLeadersTable(SampleTable());
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = sample;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string damaged[] = {
        "",
        "\r\n\r\n\r\n",
        sample.substr(0, sample.size() - 1),         // nine "/"
        sample.substr(0, sample.find("P1/")),        // no line of names
        sample.substr(0, sample.find("09:19") + 5),  // nor its line end
        replaced("50 40", "50"),                     // nine scores
        replaced("400", "4oo"),
        replaced("400", "-400"),
        replaced("400", "4294967296"),
        replaced("0 1 2 0", "0 x 2 0"),
        replaced("0 1 2 0", "0 99999999999 2 0"),
        replaced("03:13", "03:135"),
        replaced("03:13", std::string(1 << 20, '9')),
        replaced("P5/", "P5\r\n"),
    };
    for (const std::string& text : damaged) {
        EXPECT_FALSE(ParseLeadersTable(text).has_value()) << text.substr(0, 200);
        folder.Write("leaders.dat", text);
        EXPECT_EQ(ReadLeadersTable(), TLeadersTable{}) << text.substr(0, 200);
    }

    // Shorter times, unknown difficulties and a name of any length still read.
    const std::string odd = replaced("03:13", "3").replace(sample.find("2 0 \r\n"), 1, "-7");
    const std::optional<TLeadersTable> read = ParseLeadersTable(odd);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ((*read)[3].Time, "3");
    EXPECT_EQ((*read)[8].Difficulty, -7);
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
