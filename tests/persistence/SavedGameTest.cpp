#include <gtest/gtest.h>

#include <string>

#include "persistence/SavedGame.h"
#include "support/FakeFileDialogs.h"
#include "support/FileSizeLimit.h"
#include "support/GameFolder.h"
#include "support/OwnDisk.h"
#include "support/RecordingMessageBoxes.h"

namespace {

// Little-endian reading of the bytes a test checks.
uint32_t UInt32At(std::string_view bytes, std::size_t offset) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return value;
}

uint16_t UInt16At(std::string_view bytes, std::size_t offset) {
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                 static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

constexpr std::size_t RecordOffset(int record) {
    return 30 + 4 * static_cast<std::size_t>(record);
}

struct TWorld {
    TLogic Logic;
    TGame Game;
};

// A game with a different value in every cell, values no ball has included, and numbers
// that show their byte order.
TWorld SampleGame() {
    TWorld world;
    for (int column = 0; column < BoardSize; ++column) {
        for (int row = 0; row < BoardSize; ++row) {
            world.Logic.Board[column][row] = static_cast<int16_t>((column * 9 + row) % 7);
        }
    }
    world.Logic.Board[3][4] = -2;
    world.Logic.Board[8][8] = 300;
    world.Game.Score = 0x01020304;
    world.Game.LevelTarget = 150;
    world.Game.GameMode = ModeTimeTrial;
    world.Game.Difficulty = DifficultyHard;
    world.Game.Minutes = 4;
    world.Game.Seconds = -7;
    return world;
}

// A running game that a load must partly overwrite and partly leave alone.
TWorld RunningGame() {
    TWorld world;
    for (auto& column : world.Logic.Board) {
        column.fill(6);
    }
    world.Logic.NextBank = 1;
    world.Logic.Preview.Banks[1] = {4, 5, 6, 1};
    world.Logic.Preview.Columns = {1, 2, 3, 4};
    world.Game.Score = 9;
    world.Game.LevelTarget = 125;
    world.Game.GameMode = ModeClassic;
    world.Game.Difficulty = DifficultyEasy;
    world.Game.Minutes = 11;
    world.Game.Seconds = 12;
    return world;
}

void ExpectSameGame(const TWorld& read, const TWorld& saved) {
    EXPECT_EQ(read.Logic.Board, saved.Logic.Board);
    EXPECT_EQ(read.Game.Score, saved.Game.Score);
    EXPECT_EQ(read.Game.LevelTarget, saved.Game.LevelTarget);
    EXPECT_EQ(read.Game.GameMode, saved.Game.GameMode);
    EXPECT_EQ(read.Game.Difficulty, saved.Game.Difficulty);
    EXPECT_EQ(read.Game.Minutes, saved.Game.Minutes);
    EXPECT_EQ(read.Game.Seconds, saved.Game.Seconds);
}

}  // namespace

TEST(SavedGame, EncodesTheFixedRecord) {
    const TWorld world = SampleGame();
    const std::string bytes = EncodeSavedGame(world.Logic, world.Game);
    ASSERT_EQ(bytes.size(), 378u);
    EXPECT_EQ(bytes.substr(0, 27), std::string("VyxLines save. Version 2.0\0", 27));
    for (int record = 0; record < 81; ++record) {
        const int column = record % 9;
        const int row = record / 9;
        EXPECT_EQ(static_cast<int16_t>(UInt16At(bytes, RecordOffset(record))),
                  world.Logic.Board[column][row])
            << record;
    }
    EXPECT_EQ(UInt32At(bytes, 354), 0x01020304u);
    EXPECT_EQ(bytes.substr(354, 4), "\x04\x03\x02\x01");
    EXPECT_EQ(UInt32At(bytes, 358), 150u);
    EXPECT_EQ(UInt32At(bytes, 362), 1u);
    EXPECT_EQ(UInt32At(bytes, 366), 2u);
    EXPECT_EQ(UInt32At(bytes, 370), 4u);
    EXPECT_EQ(UInt32At(bytes, 374), 0xFFFFFFF9u);
}

TEST(SavedGame, EachRecordRepeatsTheNextCellOfItsColumn) {
    // The only ball stands in column 1, row 0: record 1 holds it, and record 72 (column 0,
    // row 8, whose column continues at the top of column 1) repeats it.
    TWorld world;
    world.Logic.Board[1][0] = 5;
    const std::string bytes = EncodeSavedGame(world.Logic, world.Game);
    ASSERT_EQ(bytes.size(), 378u);
    for (int record = 0; record < 81; ++record) {
        const std::size_t offset = RecordOffset(record);
        EXPECT_EQ(UInt16At(bytes, offset), record == 1 ? 5 : 0) << record;
        EXPECT_EQ(UInt16At(bytes, offset + 2), record == 72 ? 5 : 0) << record;
    }

    // Within a column, the repeated value is the cell below.
    TWorld lower;
    lower.Logic.Board[4][6] = 3;
    const std::string lowerBytes = EncodeSavedGame(lower.Logic, lower.Game);
    EXPECT_EQ(UInt16At(lowerBytes, RecordOffset(5 * 9 + 4) + 2), 3);
}

TEST(SavedGame, SavingAndLoadingGivesTheSameGame) {
    TGameFolder folder;
    TFakeFileDialogs dialogs;
    TRecordingMessageBoxes messages;
    const TWorld saved = SampleGame();
    dialogs.Answer = folder.Path("Saves\\First.lsv").string();
    SaveGameAs(dialogs, messages, saved.Logic, saved.Game);
    EXPECT_EQ(folder.Read("Saves\\First.lsv"), EncodeSavedGame(saved.Logic, saved.Game));

    TWorld loaded = RunningGame();
    const TWorld running = loaded;
    EXPECT_TRUE(LoadGameFrom(dialogs, loaded.Logic, loaded.Game));
    ExpectSameGame(loaded, saved);
    // What a saved game does not hold stays as the running game had it.
    EXPECT_EQ(loaded.Logic.NextBank, running.Logic.NextBank);
    EXPECT_EQ(loaded.Logic.Preview.Banks, running.Logic.Preview.Banks);
    EXPECT_EQ(loaded.Logic.Preview.Columns, running.Logic.Preview.Columns);

    ASSERT_EQ(dialogs.Asked.size(), 2u);
    EXPECT_EQ(dialogs.Asked[0].Kind, "save");
    EXPECT_EQ(dialogs.Asked[0].Title, "Save game");
    EXPECT_EQ(dialogs.Asked[0].Folder, "Saves\\");
    EXPECT_EQ(dialogs.Asked[1].Kind, "open");
    EXPECT_EQ(dialogs.Asked[1].Title, "Load game");
    EXPECT_EQ(dialogs.Asked[1].Folder, "Saves\\");

    // Saving again over the file replaces it without a trace of the old game.
    TWorld other;
    other.Logic.Board[0][0] = 2;
    SaveGameAs(dialogs, messages, other.Logic, other.Game);
    EXPECT_EQ(folder.Read("Saves\\First.lsv"), EncodeSavedGame(other.Logic, other.Game));
    EXPECT_TRUE(messages.Shown.empty()) << "a save that worked is not told";
}

TEST(SavedGame, AShortFileIsTakenAsFarAsItGoes) {
    const TWorld saved = SampleGame();
    const std::string bytes = EncodeSavedGame(saved.Logic, saved.Game);
    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        TWorld read = RunningGame();
        const TWorld running = read;
        DecodeSavedGame(std::string_view(bytes).substr(0, length), read.Logic, read.Game);
        for (int record = 0; record < 81; ++record) {
            const int column = record % 9;
            const int row = record / 9;
            const bool inFile = RecordOffset(record) + 2 <= length;
            EXPECT_EQ(read.Logic.Board[column][row],
                      (inFile ? saved : running).Logic.Board[column][row])
                << length << " " << record;
        }
        EXPECT_EQ(read.Game.Score, (length >= 358 ? saved : running).Game.Score) << length;
        EXPECT_EQ(read.Game.LevelTarget, (length >= 362 ? saved : running).Game.LevelTarget);
        EXPECT_EQ(read.Game.GameMode, (length >= 366 ? saved : running).Game.GameMode);
        EXPECT_EQ(read.Game.Difficulty, (length >= 370 ? saved : running).Game.Difficulty);
        EXPECT_EQ(read.Game.Minutes, (length >= 374 ? saved : running).Game.Minutes);
        EXPECT_EQ(read.Game.Seconds, (length >= 378 ? saved : running).Game.Seconds) << length;
    }
}

TEST(SavedGame, AnyContentLoadsWithoutChecks) {
    TGameFolder folder;
    const TWorld saved = SampleGame();
    std::string bytes = EncodeSavedGame(saved.Logic, saved.Game);
    bytes.replace(0, 30, std::string(30, '\xEE'));
    // Bytes 2-3 of every record are ignored, whatever they hold.
    for (int record = 0; record < 81; ++record) {
        bytes[RecordOffset(record) + 2] = '\x7F';
    }
    folder.Write("Saves\\Foreign.lsv", bytes + std::string(5000, 'z'));
    TWorld read = RunningGame();
    EXPECT_TRUE(ReadSavedGame(folder.Path("Saves\\Foreign.lsv"), read.Logic, read.Game));
    ExpectSameGame(read, saved);

    // An empty file opens and changes nothing.
    folder.Write("Saves\\Empty.lsv", "");
    read = RunningGame();
    EXPECT_TRUE(ReadSavedGame(folder.Path("Saves\\Empty.lsv"), read.Logic, read.Game));
    ExpectSameGame(read, RunningGame());
}

TEST(SavedGame, LoadingNothingLeavesTheGameAlone) {
    TGameFolder folder;
    TFakeFileDialogs dialogs;
    TRecordingMessageBoxes messages;
    TWorld read = RunningGame();

    dialogs.Answer.reset();  // cancelled
    EXPECT_FALSE(LoadGameFrom(dialogs, read.Logic, read.Game));
    dialogs.Answer = folder.Path("Saves\\Missing.lsv").string();
    EXPECT_FALSE(LoadGameFrom(dialogs, read.Logic, read.Game));
    dialogs.Answer = folder.Path("Saves").string();  // a folder is no saved game
    EXPECT_FALSE(LoadGameFrom(dialogs, read.Logic, read.Game));
    ExpectSameGame(read, RunningGame());

    // Cancelling the save dialog writes nothing.
    dialogs.Answer.reset();
    SaveGameAs(dialogs, messages, read.Logic, read.Game);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path("Saves")));
}

TEST(SavedGame, TheCurrentDirectoryIsRestoredAfterEveryDialog) {
    TGameFolder folder;
    const std::filesystem::path gameFolder = std::filesystem::current_path();
    TFakeFileDialogs dialogs;
    TRecordingMessageBoxes messages;
    dialogs.WanderTo = folder.Path("Gfx\\Cache");
    TWorld world = SampleGame();

    dialogs.Answer.reset();
    SaveGameAs(dialogs, messages, world.Logic, world.Game);
    EXPECT_EQ(std::filesystem::current_path(), gameFolder);
    EXPECT_FALSE(LoadGameFrom(dialogs, world.Logic, world.Game));
    EXPECT_EQ(std::filesystem::current_path(), gameFolder);

    // The dialog's answer is taken where the dialog left off.
    dialogs.Answer = "Wandered.lsv";
    SaveGameAs(dialogs, messages, world.Logic, world.Game);
    EXPECT_EQ(std::filesystem::current_path(), gameFolder);
    EXPECT_TRUE(folder.Exists("Gfx\\Cache\\Wandered.lsv"));
    EXPECT_TRUE(LoadGameFrom(dialogs, world.Logic, world.Game));
    EXPECT_EQ(std::filesystem::current_path(), gameFolder);

    dialogs.Answer = "/nonexistent-folder/Failed.lsv";
    SaveGameAs(dialogs, messages, world.Logic, world.Game);
    EXPECT_EQ(std::filesystem::current_path(), gameFolder);
    EXPECT_FALSE(LoadGameFrom(dialogs, world.Logic, world.Game));
    EXPECT_EQ(std::filesystem::current_path(), gameFolder);
}

TEST(SavedGame, AutosaveFollowsItsSwitch) {
    TGameFolder folder;
    TWorld world = SampleGame();
    world.Game.Autosave = false;
    AutosaveGame(world.Logic, world.Game);
    EXPECT_FALSE(folder.Exists("Saves\\Autosave.lsv"));

    world.Game.Autosave = true;
    AutosaveGame(world.Logic, world.Game);
    EXPECT_EQ(folder.Read("Saves\\Autosave.lsv"), EncodeSavedGame(world.Logic, world.Game));

    // Each turn replaces the last autosave; switching it off keeps the last one.
    world.Logic.Board[2][2] = 4;
    world.Game.Score += 10;
    AutosaveGame(world.Logic, world.Game);
    const std::string latest = EncodeSavedGame(world.Logic, world.Game);
    EXPECT_EQ(folder.Read("Saves\\Autosave.lsv"), latest);
    world.Game.Autosave = false;
    world.Game.Score += 10;
    AutosaveGame(world.Logic, world.Game);
    EXPECT_EQ(folder.Read("Saves\\Autosave.lsv"), latest);
    // Nothing but the autosave is left in the folder: no temporary files.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("Saves")),
                            std::filesystem::directory_iterator()),
              1);

    // Without the folder the autosave fails and says why; switched off it never fails.
    std::filesystem::remove_all(folder.Path("Saves"));
    EXPECT_TRUE(AutosaveGame(world.Logic, world.Game));
    world.Game.Autosave = true;
    EXPECT_EQ(AutosaveGame(world.Logic, world.Game).Reason(), "No such file or directory");
    EXPECT_FALSE(folder.Exists("Saves"));
}

TEST(SavedGame, ReadsTheAutosaveWhenThereIsOne) {
    TGameFolder folder;
    TWorld read = RunningGame();
    EXPECT_FALSE(ReadAutosave(read.Logic, read.Game));
    ExpectSameGame(read, RunningGame());

    TWorld saved = SampleGame();
    saved.Game.Autosave = true;
    AutosaveGame(saved.Logic, saved.Game);
    EXPECT_TRUE(ReadAutosave(read.Logic, read.Game));
    ExpectSameGame(read, saved);
}

// A save that cannot be written is told, naming the file and the system's reason, and leaves
// an older file of that name as it was: in a folder that is gone, for a file that may not
// grow, on a disk that is full and on one that has turned read-only.
TEST(SavedGame, ASaveThatCannotBeWrittenIsToldAndKeepsTheOlderFile) {
    TGameFolder folder;
    const TWorld world = SampleGame();
    // What the player was told, then what the file holds, and any temporary left beside it.
    const auto save = [&](const std::string& file) {
        TFakeFileDialogs dialogs;
        TRecordingMessageBoxes messages;
        dialogs.Answer = file;
        SaveGameAs(dialogs, messages, world.Logic, world.Game);
        std::string report;
        for (const auto& shown : messages.Shown) {
            report += shown.Caption + ": " + shown.Text + "\n";
        }
        const std::vector<std::string> left = ListFiles(folder.Path("Saves"), "*.tmp*");
        return report + ReadWholeFile(file).value_or("none") + (left.empty() ? "" : " + temporary");
    };
    const auto told = [](const std::string& file, const char* reason, const char* kept) {
        return "Error: Can not save game to\n" + file + ":\n" + reason + ".\n" + kept;
    };
    const std::string lost = folder.Path("Gone\\Game.lsv").string();
    EXPECT_EQ(save(lost), told(lost, "No such file or directory", "none"));
    const std::string file = folder.Path("Saves\\Game.lsv").string();
    folder.Write("Saves\\Game.lsv", "older");
    {
        const TFileSizeLimit limit(64);
        const std::string report = save(file);
        EXPECT_EQ(report, told(file, "File too large", "older"));
    }

    using TBreak = void (TOwnDisk::*)() const;
    for (const auto& [breakDisk, reason] :
         {std::pair<TBreak, const char*>{&TOwnDisk::Fill, "No space left on device"},
          std::pair<TBreak, const char*>{&TOwnDisk::MakeReadOnly, "Read-only file system"}}) {
        // A lambda may not capture a structured binding in every compiler the game is built with.
        const TBreak breaking = breakDisk;
        const std::optional<std::string> report =
            RunOnOwnDisk(folder.Path("Saves"), 64 * 1024, [&](const TOwnDisk& disk) {
                folder.Write("Saves\\Game.lsv", "older");
                (disk.*breaking)();
                return save(file);
            });
        if (!report) {
            GTEST_SKIP() << NoOwnDisk;
        }
        EXPECT_EQ(*report, told(file, reason, "older"));
    }
}
