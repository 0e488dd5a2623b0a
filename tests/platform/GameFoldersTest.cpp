#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FileSystem.h"
#include "platform/GameFolders.h"

namespace fs = std::filesystem;

namespace {

// A scratch root holding an installed prefix laid out as Debian lays out games
// (<root>/prefix/games and share/games/vyx-zeziz with the starting files), a home and room
// for data folders.
class GameFolders : public testing::Test {
protected:
    GameFolders() {
        Root = fs::temp_directory_path() /
               ("vyx-folders-" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Root);
        fs::create_directories(Bin);
        fs::create_directories(Home);
        Ship("VyxLines.cfg", "shipped settings");
        Ship("leaders.dat", "shipped leaders");
        Ship("Def/leaders.dat", "starting leaders");
        Ship("Gfx/Skins/Buttons.lsk", "package");
    }
    ~GameFolders() override {
        std::error_code ignored;
        fs::remove_all(Root, ignored);
    }

    void Ship(const std::string& file, const std::string& bytes) { Write(Data / file, bytes); }
    static void Write(const fs::path& file, const std::string& bytes) {
        fs::create_directories(file.parent_path());
        ASSERT_TRUE(WriteFileAtomically(file, bytes));
    }
    static std::string Read(const fs::path& file) { return ReadWholeFile(file).value_or("<none>"); }

    // Every path under the folder with its size and contents.
    static std::string Listing(const fs::path& folder) {
        std::string listing;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            listing += entry.path().string() + " " +
                       (entry.is_regular_file() ? Read(entry.path()) : "<folder>") + "\n";
        }
        return listing;
    }

    TUserEnvironment Environment(std::optional<std::string> dataHome) const {
        return {std::move(dataHome), Home.string()};
    }

    fs::path Root = fs::temp_directory_path() /
                    ("vyx-folders-" +
                     std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::path Bin = Root / "prefix" / "games";
    fs::path Data = Root / "prefix" / "share" / "games" / "vyx-zeziz";
    fs::path Home = Root / "home";
};

}  // namespace

// A game folder that holds the settings and may be written is the whole game: both folders,
// one skin folder, and nothing made anywhere else.
TEST_F(GameFolders, AWritableGameFolderWithItsSettingsIsPortable) {
    const fs::path game = Root / "game";
    Write(game / "VyxLines.cfg", "portable settings");
    const TGameFolders folders = TGameFolders::Find(game, Environment((Root / "data").string()));
    EXPECT_EQ(folders.Player(), game);
    EXPECT_EQ(folders.Shipped(), game);
    EXPECT_EQ(folders.SkinFolders(), std::vector<fs::path>{game / "Gfx" / "Skins"});
    EXPECT_EQ(folders.ShippedFile("Sfx\\Moving1.wav"), game / "Sfx" / "Moving1.wav");
    EXPECT_TRUE(folders.Warning().empty());
    EXPECT_FALSE(fs::exists(Root / "data"));
    EXPECT_EQ(Listing(game), (game / "VyxLines.cfg").string() + " portable settings\n");
}

// Installed: the shipped files are found from the program's folder, the player's folder is
// made and seeded with copies, later starts keep what the player's folder holds and put
// back only what is missing, and nothing under the prefix changes.
TEST_F(GameFolders, AnInstalledGameSeedsThePlayersFolderAndNeverWritesUnderThePrefix) {
    const std::string prefixBefore = Listing(Root / "prefix");
    const fs::path player = Root / "data" / "vyx-zeziz";
    {
        const TGameFolders folders = TGameFolders::Find(Bin, Environment((Root / "data").string()));
        EXPECT_EQ(folders.Player(), player);
        EXPECT_EQ(folders.Shipped(), Data);
        EXPECT_EQ(folders.ShippedFile("VyxLinesHelp.chm"), Data / "VyxLinesHelp.chm");
        EXPECT_EQ(folders.SkinFolders(),
                  (std::vector<fs::path>{Data / "Gfx" / "Skins", player / "Gfx" / "Skins"}));
        EXPECT_TRUE(folders.Warning().empty());
    }
    EXPECT_EQ(Read(player / "VyxLines.cfg"), "shipped settings");
    EXPECT_EQ(Read(player / "leaders.dat"), "shipped leaders");
    EXPECT_EQ(Read(player / "Def" / "leaders.dat"), "starting leaders");
    for (const char* folder : {"Saves", "Gfx/Cache", "Gfx/Skins"}) {
        EXPECT_TRUE(fs::is_directory(player / folder)) << folder;
    }
    EXPECT_FALSE(fs::exists(player / "Gfx" / "Skins" / "Buttons.lsk"));

    Write(player / "VyxLines.cfg", "the player's settings");
    fs::remove(player / "leaders.dat");
    const TGameFolders again = TGameFolders::Find(Bin, Environment((Root / "data").string()));
    EXPECT_EQ(Read(player / "VyxLines.cfg"), "the player's settings");
    EXPECT_EQ(Read(player / "leaders.dat"), "shipped leaders");
    EXPECT_EQ(Listing(Root / "prefix"), prefixBefore);
}

// $XDG_DATA_HOME names the player's folder only when it is an absolute path; unset, empty
// or relative, the home's .local/share takes its place.
TEST_F(GameFolders, XdgDataHomeCountsOnlyWhenAbsolute) {
    const fs::path inHome = Home / ".local" / "share" / "vyx-zeziz";
    EXPECT_EQ(TGameFolders::Find(Bin, Environment((Root / "xdg").string())).Player(),
              Root / "xdg" / "vyx-zeziz");
    for (const std::optional<std::string>& unusable :
         {std::optional<std::string>(), std::optional<std::string>(""),
          std::optional<std::string>("relative/data")}) {
        EXPECT_EQ(TGameFolders::Find(Bin, Environment(unusable)).Player(), inHome)
            << unusable.value_or("unset");
    }
    EXPECT_FALSE(fs::exists(Bin / "relative"));
}

// When the player's folder cannot be used the game still plays: in a temporary folder
// seeded from the player's own files where they can be read (the shipped ones otherwise),
// with the player's skins still on offer, a warning that names the folder and the reason,
// and the temporary folder gone when the game ends.
TEST_F(GameFolders, AnUnusablePlayersFolderPlaysInATemporaryOneAndSaysWhy) {
    const fs::path player = Root / "data" / "vyx-zeziz";
    Write(player / "VyxLines.cfg", "the player's settings");
    Write(player / "Saves" / "Autosave.lsv", "the player's game");
    Write(player / "Gfx" / "Skins" / "Mine.lsk", "own package");
    Write(player / "Gfx" / "Cache" / "skin.cfg", "the skin in use");
    // Its "Def" is a file: the folder the starting table goes into cannot be made.
    Write(player / "Def", "in the way");
    const std::string playerBefore = Listing(player);
    fs::path temporary;
    {
        const TGameFolders folders = TGameFolders::Find(Bin, Environment((Root / "data").string()));
        temporary = folders.Player();
        EXPECT_NE(temporary, player);
        EXPECT_EQ(folders.Shipped(), Data);
        EXPECT_NE(folders.Warning().find(player.string()), std::string::npos) << folders.Warning();
        EXPECT_NE(folders.Warning().find("settings"), std::string::npos);
        EXPECT_EQ(Read(temporary / "VyxLines.cfg"), "the player's settings");
        EXPECT_EQ(Read(temporary / "leaders.dat"), "shipped leaders");
        EXPECT_EQ(Read(temporary / "Def" / "leaders.dat"), "starting leaders");
        EXPECT_EQ(Read(temporary / "Saves" / "Autosave.lsv"), "the player's game");
        EXPECT_EQ(Read(temporary / "Gfx" / "Cache" / "skin.cfg"), "the skin in use");
        EXPECT_EQ(folders.SkinFolders(),
                  (std::vector<fs::path>{Data / "Gfx" / "Skins", player / "Gfx" / "Skins"}));
    }
    EXPECT_FALSE(fs::exists(temporary));
    EXPECT_EQ(Listing(player), playerBefore);
}

TEST_F(GameFolders, WithoutAnyFolderOfThePlayersTheWarningSaysSo) {
    const TGameFolders folders = TGameFolders::Find(Bin, TUserEnvironment{});
    EXPECT_EQ(Read(folders.Player() / "VyxLines.cfg"), "shipped settings");
    EXPECT_NE(folders.Warning().find("HOME"), std::string::npos) << folders.Warning();
}
