#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <sstream>

#include "RarWriter.h"
#include "SkinPack.h"
#include "presentation/ApplySettings.h"
#include "support/FileSizeLimit.h"
#include "support/GameFolder.h"
#include "support/OwnDisk.h"
#include "support/PresentationWorld.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TestSkin.h"
#include "support/TreeListing.h"

namespace {

const std::string OpenFailure =
    "Can not open skin.\nFile may be corrupted or    unsupported format.\nTry to reinstall skin.";
const std::string EntryFailure =
    "Can not open skin.\nFile may be corrupted or  unsupported format.\nTry to reinstall skin.";
const std::string HeaderFailure = "File header corrupted. \nTry to reinstall skin.";
const std::string NoSkinsText = "Skins are unavailable.\nPlease, (re-)install skins";
const std::string PictureFailurePrefix = "Cannot load the picture \"";
const std::string UnpackFailurePrefix = "Can not unpack skin into\n";

// Every message the skin loading shows, with its caption and icon; each message of every
// test below is checked against this table as it is shown. All of them have one OK button.
struct TLoaderMessage {
    std::string Text;  // a message that names a file or folder starts with this
    std::string Caption;
    TMessageIcon Icon;
    bool NamesMore = false;
};
const std::vector<TLoaderMessage> LoaderMessages{
    {NoSkinsText, "Error", TMessageIcon::Stop},
    {"Can not find skin!", "VyxLines", TMessageIcon::None},
    {OpenFailure, "Skin extract error", TMessageIcon::Stop},
    {EntryFailure, "Skin extract error", TMessageIcon::Stop},
    {HeaderFailure, "Skin extract error", TMessageIcon::Stop},
    {PictureFailurePrefix, "VyxLines", TMessageIcon::Error, true},
    {UnpackFailurePrefix, "Skin extract error", TMessageIcon::Stop, true},
};

class TCheckedMessageBoxes : public TRecordingMessageBoxes {
public:
    TMessageAnswer Show(std::string_view text, std::string_view caption, TMessageIcon icon,
                        TMessageButtons buttons) override {
        const auto known = std::find_if(
            LoaderMessages.begin(), LoaderMessages.end(), [&](const TLoaderMessage& message) {
                return text == message.Text ||
                       (message.NamesMore && text.starts_with(message.Text));
            });
        if (known == LoaderMessages.end()) {
            ADD_FAILURE() << "a message the loader does not show: " << text;
        } else {
            EXPECT_EQ(caption, known->Caption) << text;
            EXPECT_EQ(icon, known->Icon) << text;
            EXPECT_EQ(buttons, TMessageButtons::Ok) << text;
        }
        return TRecordingMessageBoxes::Show(text, caption, icon, buttons);
    }
};

class SkinLoader : public testing::Test, protected TPresentationWorld {
protected:
    // Packs the solid test skin, named as given and with the given window width, into
    // "<base>Gfx\Skins\<file>".
    void InstallPackage(const std::string& file, const std::string& skinName, int width = 160,
                        const std::string& base = "") {
        TSkinData skin = testskin::Data(skinName);
        skin.Layout.WindowWidth = width;
        const std::filesystem::path folder = Folder.Root / ("unpacked-" + file);
        testskin::Write(folder, skin);
        std::ostringstream out;
        std::ostringstream err;
        std::filesystem::create_directories(Folder.Path(base + "Gfx\\Skins"));
        ASSERT_TRUE(PackSkinFolder(folder, Folder.Path(base + "Gfx\\Skins\\" + file), out, err))
            << err.str();
    }

    void InstallRawPackage(const std::string& file, TRarWriter& writer) {
        Folder.Write("Gfx\\Skins\\" + file, writer.Finish());
    }

    bool Apply() { return ApplySettings({Game, Loader, Renderer, Messages}); }

    // The window the loaded skin asks for.
    static std::pair<int, int> ClientSize(const TLoader& loader) {
        const TSkinLayout& layout = loader.SkinData().Layout;
        return {layout.WindowWidth, layout.WindowHeight};
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& shown : Messages.Shown) {
            texts.push_back(shown.Text);
        }
        return texts;
    }

    TGameFolder Folder;
    TCheckedMessageBoxes Messages;
    TLoader Loader{Messages};
};

TEST_F(SkinLoader, EmptyCacheIsFilledFromTheDefaultPackage) {
    InstallPackage("Buttons.lsk", "Buttons", 170);
    InstallPackage("Amber.lsk", "Amber", 180);
    Game.Speeds = {0, 9, 4, 2};
    Game.SoundChoices = {0, 1, 2, 0};
    ASSERT_TRUE(Apply());
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(Loader.SkinData().SkinName, "Buttons");
    EXPECT_TRUE(Loader.IsSkinCacheValid());
    EXPECT_EQ(ClientSize(Loader), std::make_pair(170, 150));
    const TChannelIntervals intervals = ChannelIntervals(Game.Speeds);
    EXPECT_EQ(intervals.Appearance, 60U);
    EXPECT_EQ(intervals.Choosing, 24U);
    EXPECT_EQ(intervals.Moving, 37U);
    EXPECT_EQ(intervals.Deleting, 52U);
    EXPECT_EQ(Game.SoundFile(TSound::Choosing), "Sfx\\Selecting1.wav");
    EXPECT_EQ(Game.SoundFile(TSound::Moving), "Sfx\\Moving2.wav");
    EXPECT_EQ(Game.SoundFile(TSound::Deleting), "Sfx\\Deleting3.wav");
    EXPECT_EQ(Game.SoundFile(TSound::Error), "Sfx\\Error1.wav");
    EXPECT_EQ(Game.SkinFiles.Background, "Gfx\\Cache\\back.bmp");
    EXPECT_EQ(Game.SkinFiles.BallStrips[5], "Gfx\\Cache\\s6.bmp");
    EXPECT_EQ(Game.SkinFiles.PreviewBalls, "Gfx\\Cache\\next.bmp");
    DrawBoard();
    EXPECT_EQ(Renderer.BackBuffer().size(), QSize(170, 150)) << "the skin's own background";

    // Sound choices of any 32-bit value name their files as they stand.
    Game.SoundChoices = {2147483647, -2147483647 - 1, -1, 2};
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Game.SoundFile(TSound::Choosing), "Sfx\\Selecting2147483648.wav");
    EXPECT_EQ(Game.SoundFile(TSound::Moving), "Sfx\\Moving-2147483647.wav");
    EXPECT_EQ(Game.SoundFile(TSound::Deleting), "Sfx\\Deleting0.wav");
    EXPECT_EQ(Game.SoundFile(TSound::Error), "Sfx\\Error3.wav");
}

TEST_F(SkinLoader, ValidCacheIsUsedWithoutOpeningAnyPackage) {
    testskin::Write(Folder.Path("Gfx\\Cache"), testskin::Data("Cached"));
    Folder.Write("Gfx\\Skins\\Buttons.lsk", "damaged beyond repair");
    ASSERT_TRUE(Apply());
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(Loader.SkinData().SkinName, "Cached");

    // Without its skin.cfg the cache is rebuilt from the default package at the next apply.
    std::filesystem::remove(Folder.Path("Gfx\\Cache\\skin.cfg"));
    EXPECT_FALSE(Loader.IsSkinCacheValid());
    InstallPackage("Buttons.lsk", "Buttons");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Loader.SkinData().SkinName, "Buttons");

    // A skin.cfg without a single picture beside it is no usable cache either.
    for (const auto& entry : std::filesystem::directory_iterator(Folder.Path("Gfx\\Cache"))) {
        if (entry.path().extension() == ".bmp") {
            std::filesystem::remove(entry.path());
        }
    }
    EXPECT_FALSE(Loader.IsSkinCacheValid());
}

TEST_F(SkinLoader, WithoutTheDefaultTheFirstPackageFoundIsUsed) {
    InstallPackage("Zinc.lsk", "Zinc");
    InstallPackage("Amber.lsk", "Amber");
    EXPECT_EQ(Loader.ChooseSkinPackage(), TLoader::TPackageChoice::FirstFound);
    EXPECT_EQ(Loader.FoundPackage(), "Amber.lsk");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Loader.SkinData().SkinName, "Amber");
}

// An installed game offers its shipped packages and the player's own together; on an equal
// file name the player's package is the one offered, unpacked, and taken as the default.
TEST_F(SkinLoader, ThePlayersPackageWinsOverAShippedOneOfTheSameName) {
    InstallPackage("Buttons.lsk", "Shipped", 170, "Shipped\\");
    InstallPackage("Amber.lsk", "Amber", 160, "Shipped\\");
    InstallPackage("Buttons.lsk", "Mine", 180);
    InstallPackage("Zinc.lsk", "Zinc");
    TLoader loader(Messages, {Folder.Path("Shipped\\Gfx\\Skins"), Folder.Path("Gfx\\Skins")});
    std::vector<std::pair<std::string, std::filesystem::path>> packages;
    for (const auto& package : loader.Packages()) {
        packages.emplace_back(package);
    }
    EXPECT_EQ(packages, (std::vector<std::pair<std::string, std::filesystem::path>>{
                            {"Amber.lsk", Folder.Path("Shipped\\Gfx\\Skins\\Amber.lsk")},
                            {"Buttons.lsk", Folder.Path("Gfx\\Skins\\Buttons.lsk")},
                            {"Zinc.lsk", Folder.Path("Gfx\\Skins\\Zinc.lsk")}}));
    EXPECT_EQ(loader.PackagePath("Amber.lsk"), Folder.Path("Shipped\\Gfx\\Skins\\Amber.lsk"));
    ASSERT_TRUE(ApplySettings({Game, loader, Renderer, Messages}));
    EXPECT_EQ(loader.SkinData().SkinName, "Mine");
    EXPECT_EQ(ClientSize(loader).first, 180);

    // Without the player's default the shipped one serves; without any default, the first
    // name of both folders together.
    std::filesystem::remove(Folder.Path("Gfx\\Skins\\Buttons.lsk"));
    loader.ClearSkinCache();
    ASSERT_TRUE(ApplySettings({Game, loader, Renderer, Messages}));
    EXPECT_EQ(loader.SkinData().SkinName, "Shipped");
    std::filesystem::remove(Folder.Path("Shipped\\Gfx\\Skins\\Buttons.lsk"));
    EXPECT_EQ(loader.ChooseSkinPackage(), TLoader::TPackageChoice::FirstFound);
    EXPECT_EQ(loader.FoundPackage(), "Amber.lsk");
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(SkinLoader, NoPackageAtAllEndsTheGameAfterItsMessages) {
    Folder.Write("Gfx\\Cache\\stale.bmp", "left over");
    std::filesystem::create_directories(Folder.Path("Gfx\\Cache\\Empty folder"));
    EXPECT_EQ(Loader.ChooseSkinPackage(), TLoader::TPackageChoice::None);
    EXPECT_FALSE(Apply());
    ASSERT_EQ(Messages.Shown.size(), 2U);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{NoSkinsText, "Can not find skin!"}));
    EXPECT_FALSE(Folder.Exists("Gfx\\Cache\\stale.bmp")) << "the cache was cleared";
    EXPECT_FALSE(Folder.Exists("Gfx\\Cache\\Empty folder")) << "folders go with the files";
}

TEST_F(SkinLoader, PackageThatIsNoArchiveCannotBeOpened) {
    Folder.Write("Gfx\\Skins\\Buttons.lsk", "PK\x03\x04 a zip file is no skin");
    Loader.ExtractSkinPackage(Folder.Path("Gfx\\Skins\\Buttons.lsk"));
    Loader.ExtractSkinPackage(Folder.Path("Gfx\\Skins\\Missing.lsk"));
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{OpenFailure, OpenFailure}));
}

TEST_F(SkinLoader, EntryThatCannotBeExtractedStopsAndKeepsWhatCameBefore) {
    TRarWriter writer;
    writer.AddFile("first.bmp", "BM first");
    writer.AddFile("..\\escape.bmp", "BM outside");
    writer.AddFile("after.bmp", "BM after");
    InstallRawPackage("Bad.lsk", writer);
    Loader.ExtractSkinPackage(Folder.Path("Gfx\\Skins\\Bad.lsk"));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{EntryFailure});
    EXPECT_TRUE(Folder.Exists("Gfx\\Cache\\first.bmp"));
    EXPECT_FALSE(Folder.Exists("Gfx\\escape.bmp"));
    EXPECT_FALSE(Folder.Exists("Gfx\\Cache\\after.bmp"));
}

TEST_F(SkinLoader, DamagedHeaderHasItsOwnMessage) {
    TRarWriter writer;
    writer.AddFile("first.bmp", "BM first");
    writer.AddFile("second.bmp", "BM second");
    std::string bytes = writer.Finish();
    // The second file header's CRC: marker (7), archive header (13), first header and data.
    const std::size_t second = 7 + 13 + (32 + 9) + 8;
    bytes[second] = static_cast<char>(bytes[second] ^ 0x5A);
    Folder.Write("Gfx\\Skins\\Torn.lsk", bytes);
    Loader.ExtractSkinPackage(Folder.Path("Gfx\\Skins\\Torn.lsk"));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{HeaderFailure});
    EXPECT_TRUE(Folder.Exists("Gfx\\Cache\\first.bmp"));
}

TEST_F(SkinLoader, UnusableCachedSkinGivesWayToTheDefault) {
    InstallPackage("Buttons.lsk", "Buttons", 200);
    // A cached configuration whose author is one word: every later word shifts.
    testskin::Write(Folder.Path("Gfx\\Cache"), testskin::Data("Shifted"));
    std::string config = Folder.Read("Gfx\\Cache\\skin.cfg");
    config.replace(config.find("Test Suite"), 10, "Tester");
    Folder.Write("Gfx\\Cache\\skin.cfg", config);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Can not find skin!"});
    EXPECT_EQ(Loader.SkinData().SkinName, "Buttons");
    EXPECT_EQ(ClientSize(Loader).first, 200);

    // A cached skin that lost a picture: the picture's error, then the default again.
    std::filesystem::remove(Folder.Path("Gfx\\Cache\\s3.bmp"));
    Messages.Shown.clear();
    ASSERT_TRUE(Apply());
    ASSERT_EQ(Messages.Shown.size(), 1U);
    EXPECT_NE(Messages.Shown[0].Text.find("Gfx\\Cache\\s3.bmp"), std::string::npos);
}

// A hostile package's folders named like the files of a skin: clearing the cache must take
// them away, or the default package could never be unpacked over them again.
TEST_F(SkinLoader, FoldersAPackageLeftInTheCacheGoWithIt) {
    InstallPackage("Buttons.lsk", "Buttons");
    TRarWriter writer;
    writer.AddUnusualEntry({"skin.cfg", "", TRarHostOs::Win32, 0x10, 0});
    writer.AddUnusualEntry({"back.bmp", "", TRarHostOs::Win32, 0x10, 0});
    writer.AddFile("back.bmp\\inside.bmp", "BM");
    InstallRawPackage("Hostile.lsk", writer);
    Loader.ExtractSkinPackage(Folder.Path("Gfx\\Skins\\Hostile.lsk"));
    ASSERT_TRUE(std::filesystem::is_directory(Folder.Path("Gfx\\Cache\\skin.cfg")));

    ASSERT_TRUE(Apply());
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(Loader.SkinData().SkinName, "Buttons");
    EXPECT_FALSE(Folder.Exists("Gfx\\Cache\\back.bmp\\inside.bmp"));
}

TEST_F(SkinLoader, BrokenDefaultPackageEndsTheGame) {
    TRarWriter writer;
    writer.AddFile("only.bmp", "BM no configuration");
    InstallRawPackage("Buttons.lsk", writer);
    EXPECT_FALSE(Apply());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Can not find skin!"});
}

TEST_F(SkinLoader, ASkinBeyondTheLimitsGivesWayToTheDefault) {
    InstallPackage("Buttons.lsk", "Buttons", 200);
    // Cells this large once made every start cut gigabytes of frames.
    TSkinData huge = testskin::Data("Huge");
    testskin::Write(Folder.Path("Gfx\\Cache"), huge);
    huge.Layout.CellWidth = 2000000000;
    Folder.Write("Gfx\\Cache\\skin.cfg", FormatSkinConfig(huge));
    ASSERT_TRUE(Apply());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Can not find skin!"});
    EXPECT_EQ(Loader.SkinData().SkinName, "Buttons");

    // A background larger than any window is refused before it is read, and the default
    // takes the skin's place again.
    Messages.Shown.clear();
    testskin::Write(Folder.Path("Gfx\\Cache"), testskin::Data("Wide"));
    testskin::Solid(4097, 3, testskin::Background())
        .save(QString::fromStdString(Folder.Path("Gfx\\Cache\\back.bmp").string()), "BMP");
    ASSERT_TRUE(Apply());
    ASSERT_EQ(Messages.Shown.size(), 1U);
    EXPECT_NE(Messages.Shown[0].Text.find("it is 4097 x 3 pixels"), std::string::npos)
        << Messages.Shown[0].Text;
    EXPECT_EQ(Loader.SkinData().SkinName, "Buttons");
    EXPECT_EQ(ClientSize(Loader).first, 200);
}

TEST_F(SkinLoader, ARefusedSkinWithNoPackageToFallBackOnIsToldOnce) {
    TSkinData skin = testskin::Data("Broken");
    testskin::Write(Folder.Path("Gfx\\Cache"), skin);
    skin.Layout.WindowWidth = 5000;
    Folder.Write("Gfx\\Cache\\skin.cfg", FormatSkinConfig(skin));
    EXPECT_FALSE(Apply());
    EXPECT_EQ(MessageTexts(),
              (std::vector<std::string>{"Can not find skin!",
                                        "Skins are unavailable.\nPlease, (re-)install skins"}));

    // A cached skin that lost a picture, with no package: the picture's error, then the
    // missing packages, and the emptied cache is not read again.
    testskin::Write(Folder.Path("Gfx\\Cache"), testskin::Data("Torn"));
    std::filesystem::remove(Folder.Path("Gfx\\Cache\\s2.bmp"));
    Messages.Shown.clear();
    EXPECT_FALSE(Apply());
    ASSERT_EQ(Messages.Shown.size(), 2U) << MessageTexts().back();
    EXPECT_NE(Messages.Shown[0].Text.find("Gfx\\Cache\\s2.bmp"), std::string::npos);
    EXPECT_EQ(Messages.Shown[1].Text, NoSkinsText);

    // Nor is it told again when the default package holds no usable skin either.
    TRarWriter writer;
    writer.AddFile("only.bmp", "BM no configuration");
    InstallRawPackage("Buttons.lsk", writer);
    testskin::Write(Folder.Path("Gfx\\Cache"), skin);
    Messages.Shown.clear();
    EXPECT_FALSE(Apply());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Can not find skin!"});
}

// A cache that cannot take the skin is no damaged skin: the player hears where it could not
// be unpacked and why, the cache is left empty rather than holding part of a skin, and the
// game ends as it does without a skin. So at start-up, on a nearly full disk and when a
// picture may not grow as large as it is, and when a skin picked in the Options dialog does
// not fit and the default package, unpacked as the dialog closes, does not either.
TEST_F(SkinLoader, ACacheThatCannotTakeTheSkinIsToldAndLeftEmpty) {
    TRarWriter writer;
    writer.AddFile("skin.cfg", FormatSkinConfig(testskin::Data()));
    writer.AddFile("back.bmp", "BM" + std::string(8 * 1024, 'b'));
    writer.AddFile("s1.bmp", "BM" + std::string(1024 * 1024, 's'));
    const std::string package = writer.Finish();
    Folder.Write("Gfx\\Skins\\Buttons.lsk", package);
    Folder.Write("Gfx\\Skins\\Large.lsk", package);
    // Whether the game goes on, what it told and what the cache then holds.
    const auto report = [&] {
        std::string text = Apply() ? "goes on\n" : "ends\n";
        for (const std::string& told : MessageTexts()) {
            text += told + "\n";
        }
        for (const std::string& left : TreeBelow(Folder.Path("Gfx\\Cache"))) {
            text += "left: " + left + "\n";
        }
        Messages.Shown.clear();
        return text;
    };
    const std::string told =
        UnpackFailurePrefix + (std::filesystem::current_path() / "Gfx/Cache").string() + ":\n";

    const std::optional<std::string> onFullDisk = RunOnOwnDisk(
        Folder.Path("Gfx\\Cache"), 256 * 1024, [&](const TOwnDisk&) { return report(); });
    {
        const TFileSizeLimit limit(64 * 1024);
        EXPECT_EQ(report(), "ends\n" + told + "File too large.\n");
    }
    testskin::Write(Folder.Path("Gfx\\Cache"), testskin::Data());
    {
        const TFileSizeLimit limit(64 * 1024);
        Loader.ClearSkinCache();
        Loader.ExtractSkinPackage(Folder.Path("Gfx\\Skins\\Large.lsk"));
        EXPECT_EQ(report(), "ends\n" + told + "File too large.\n" + told + "File too large.\n");
    }
    if (!onFullDisk) {
        GTEST_SKIP() << NoOwnDisk;
    }
    EXPECT_EQ(*onFullDisk, "ends\n" + told + "No space left on device.\n");
}

TEST_F(SkinLoader, NamesInsideAPackageMayBeInAnyCase) {
    TSkinData skin = testskin::Data("Shouting");
    const std::filesystem::path folder = Folder.Root / "unpacked";
    testskin::Write(folder, skin);
    // Made where file names ignore case: every file in capitals, skin.cfg unchanged inside.
    for (const std::string& name : ListFiles(folder, "*")) {
        std::string upper = name;
        for (char& c : upper) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        std::filesystem::rename(folder / name, folder / upper);
    }
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_TRUE(PackSkinFolder(folder, Folder.Path("Gfx\\Skins\\Buttons.lsk"), out, err));
    ASSERT_TRUE(Apply());
    EXPECT_TRUE(Messages.Shown.empty()) << MessageTexts().front();
    EXPECT_EQ(Loader.SkinData().SkinName, "Shouting");
    EXPECT_TRUE(Folder.Exists("Gfx\\Cache\\SKIN.CFG"));
    EXPECT_EQ(Game.SkinFiles.BallStrips[2], "Gfx\\Cache\\S3.BMP");
    DrawBoard();
    EXPECT_EQ(Renderer.BackBuffer().pixel(0, 0), testskin::Background());

    // The cache stays valid for the next start: nothing is unpacked again.
    std::filesystem::remove(Folder.Path("Gfx\\Skins\\Buttons.lsk"));
    ASSERT_TRUE(Apply());
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(Loader.SkinData().SkinName, "Shouting");
}

}  // namespace
