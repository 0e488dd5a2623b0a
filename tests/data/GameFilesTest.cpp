#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "persistence/LeadersFile.h"
#include "persistence/SettingsFile.h"
#include "platform/FileSystem.h"

namespace {

std::string DataFile(const char* name) {
    return ReadWholeFile(std::filesystem::path(VYX_DATA_DIR) / name).value_or("");
}

// The game starts from these settings: each value is one it offers, and the file is exactly
// what the game itself writes, so that its first save changes nothing but the player's
// choices.
TEST(GameFiles, TheInstalledSettingsAreOnesTheGameOffersInItsOwnFormat) {
    const std::string text = DataFile("VyxLines.cfg");
    TGame game;
    ASSERT_TRUE(ParseSettingsFile(text, game));
    EXPECT_EQ(FormatSettingsFile(game), text);
    EXPECT_TRUE(game.GameMode == ModeClassic || game.GameMode == ModeTimeTrial);
    EXPECT_LE(game.Difficulty, DifficultyHard);
    for (int32_t speed :
         {game.Speeds.Appearance, game.Speeds.Choosing, game.Speeds.Moving, game.Speeds.Deleting}) {
        EXPECT_GE(speed, SlowestSpeed);
        EXPECT_LE(speed, FastestSpeed);
    }
    for (int32_t choice : game.SoundChoices) {
        EXPECT_GE(choice, 0);
        EXPECT_LE(choice, 2);
    }
}

// The starting table, and the same table as the copy that the Leaders dialog's "Default"
// puts back: ten games in order of score, each as the game would have written it.
TEST(GameFiles, TheStartingLeadersTableIsOrderedAndPutBackUnchanged) {
    const std::string text = DataFile("leaders.dat");
    EXPECT_EQ(DataFile("Def/leaders.dat"), text);
    const TLeadersTable table = ParseLeadersTable(text);
    EXPECT_EQ(FormatLeadersTable(table), text);
    for (int place = 0; place < LeadersCount; ++place) {
        const TLeaderEntry& entry = table[place];
        SCOPED_TRACE(entry.Name);
        EXPECT_GT(entry.Score, 0U) << "a fresh entry: the line could not be read";
        EXPECT_GE(entry.Difficulty, 0);
        EXPECT_LE(entry.Difficulty, static_cast<int32_t>(DifficultyHard));
        EXPECT_EQ(entry.Time.size(), LeaderTimeLength);
        if (place > 0) {
            EXPECT_GE(table[place - 1].Score, entry.Score);
        }
    }
}

}  // namespace
