#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Rar5Archive.h"
#include "RarWriter.h"
#include "platform/RarArchive.h"
#include "platform/RarEntryName.h"
#include "support/GameFolder.h"
#include "support/TreeListing.h"

namespace fs = std::filesystem;

namespace {

using THeaderResult = TRarArchive::THeaderResult;
using TStrings = std::vector<std::string>;

constexpr uint32_t Mib = 1U << 20;

class RarArchiveTest : public testing::Test {
protected:
    fs::path Package(const std::string& bytes) {
        Folder.Write("Gfx\\Skins\\Test.lsk", bytes);
        return Folder.Path("Gfx\\Skins\\Test.lsk");
    }
    fs::path Cache() const { return Folder.Path("Gfx\\Cache"); }

    // Everything in the game folder apart from its fixed folders and the package.
    TStrings Traces() const {
        TStrings found = TreeBelow(Folder.Root);
        std::erase_if(found, [](const std::string& path) {
            return path == "Def" || path == "Gfx" || path == "Gfx/Cache" || path == "Gfx/Skins" ||
                   path == "Gfx/Skins/Test.lsk" || path == "Saves" || path == "Sfx";
        });
        return found;
    }

    TGameFolder Folder;
};

std::string TwoFiles() {
    TRarWriter writer;
    writer.AddFile("skin.cfg", "configuration");
    writer.AddFile("back.bmp", "picture");
    return writer.Finish();
}

TEST_F(RarArchiveTest, ExtractsEveryEntryOfOurOwnPackages) {
    TRarWriter writer;
    writer.AddFile("skin.cfg", "words\r\nand lines");
    writer.AddFile("empty.bmp", "");
    writer.AddFile("sub\\pic.bmp", "in a folder");
    writer.AddUnusualEntry({"folder", "", TRarHostOs::Win32, 0x10, 0});
    const auto archive = TRarArchive::OpenForExtraction(Package(writer.Finish()));
    ASSERT_TRUE(archive);

    EXPECT_FALSE(archive->ExtractEntry(Cache())) << "no header read yet";
    ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
    EXPECT_EQ(archive->EntryName(), "skin.cfg");
    EXPECT_EQ(archive->EntrySize(), 16);
    EXPECT_TRUE(archive->ExtractEntry(Cache()));
    EXPECT_FALSE(archive->ExtractEntry(Cache())) << "an entry's data is taken once";
    ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
    EXPECT_EQ(archive->EntrySize(), 0);
    EXPECT_TRUE(archive->ExtractEntry(Cache()));
    ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
    EXPECT_TRUE(archive->ExtractEntry(Cache()));
    ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
    EXPECT_TRUE(archive->ExtractEntry(Cache()));
    EXPECT_EQ(archive->ReadHeader(), THeaderResult::End);
    EXPECT_EQ(archive->ReadHeader(), THeaderResult::End);

    EXPECT_EQ(Folder.Read("Gfx\\Cache\\skin.cfg"), "words\r\nand lines");
    EXPECT_EQ(Folder.Read("Gfx\\Cache\\empty.bmp"), "");
    EXPECT_EQ(Folder.Read("Gfx\\Cache\\sub\\pic.bmp"), "in a folder");
    EXPECT_TRUE(fs::is_directory(Folder.Path("Gfx\\Cache\\folder")));
    EXPECT_EQ(TreeBelow(Cache()),
              (TStrings{"empty.bmp", "folder", "skin.cfg", "sub", "sub/pic.bmp"}));
}

TEST_F(RarArchiveTest, ExtractsRar5PackagesToo) {
    TRar5Archive rar5;
    rar5.AddFile("skin.cfg", "configuration");
    rar5.AddFile("sub/back.bmp", "picture");
    const auto archive = TRarArchive::OpenForExtraction(Package(rar5.Bytes()));
    ASSERT_TRUE(archive);
    for (int entry = 0; entry < 2; ++entry) {
        ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
        EXPECT_TRUE(archive->ExtractEntry(Cache())) << archive->EntryName();
    }
    EXPECT_EQ(archive->ReadHeader(), THeaderResult::End);
    EXPECT_EQ(Folder.Read("Gfx\\Cache\\skin.cfg"), "configuration");
    EXPECT_EQ(Folder.Read("Gfx\\Cache\\sub\\back.bmp"), "picture");
}

TEST_F(RarArchiveTest, ReplacesAFileOfTheSameNameAndSkipsEntriesNotExtracted) {
    Folder.Write("Gfx\\Cache\\back.bmp", "the old skin's picture");
    const auto archive = TRarArchive::OpenForExtraction(Package(TwoFiles()));
    ASSERT_TRUE(archive);
    ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);  // skin.cfg, left in the package
    ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
    EXPECT_TRUE(archive->ExtractEntry(Cache()));
    EXPECT_EQ(Folder.Read("Gfx\\Cache\\back.bmp"), "picture");
    EXPECT_EQ(TreeBelow(Cache()), TStrings{"back.bmp"});
}

TEST_F(RarArchiveTest, OpeningFailsForWhatIsNoRarArchive) {
    EXPECT_FALSE(TRarArchive::OpenForExtraction(Folder.Path("Gfx\\Skins\\Missing.lsk")));
    EXPECT_FALSE(TRarArchive::OpenForExtraction(Cache())) << "a folder";
    EXPECT_FALSE(TRarArchive::OpenForExtraction(Package("")));
    EXPECT_FALSE(TRarArchive::OpenForExtraction(Package("[Skin] this is a text file")));
    std::string zip("PK\x03\x04", 4);
    zip += std::string(60, '\0');
    EXPECT_FALSE(TRarArchive::OpenForExtraction(Package(zip)));
    EXPECT_EQ(Traces(), TStrings{});
}

TEST_F(RarArchiveTest, AnArchiveWithoutEntriesEndsAtOnce) {
    const auto archive = TRarArchive::OpenForExtraction(Package(TRarWriter().Finish()));
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->ReadHeader(), THeaderResult::End);
    EXPECT_FALSE(archive->ExtractEntry(Cache()));
}

TEST_F(RarArchiveTest, ADamagedHeaderIsReportedWhereItStands) {
    std::string damaged = TwoFiles();
    const std::size_t secondHeader = 7 + 13 + 32 + 8 + 13;
    damaged[secondHeader + 9] ^= 0x01;  // a byte of the packed size: the header CRC fails
    const auto archive = TRarArchive::OpenForExtraction(Package(damaged));
    ASSERT_TRUE(archive);
    ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
    EXPECT_TRUE(archive->ExtractEntry(Cache()));
    EXPECT_EQ(archive->ReadHeader(), THeaderResult::BadHeader);
    EXPECT_FALSE(archive->ExtractEntry(Cache()));
    EXPECT_EQ(TreeBelow(Cache()), TStrings{"skin.cfg"});

    std::string firstDamaged = TwoFiles();
    firstDamaged[7 + 13 + 20] ^= 0x01;  // in the first file header
    const auto first = TRarArchive::OpenForExtraction(Package(firstDamaged));
    ASSERT_TRUE(first) << "still a RAR archive";
    EXPECT_EQ(first->ReadHeader(), THeaderResult::BadHeader);

    // A RAR 5 marker before a RAR 4 body: a RAR archive whose headers make no sense.
    std::string mixed = TwoFiles();
    mixed.replace(0, 7, std::string("Rar!\x1a\x07\x01\x00", 8));
    const auto mixedArchive = TRarArchive::OpenForExtraction(Package(mixed));
    ASSERT_TRUE(mixedArchive);
    EXPECT_EQ(mixedArchive->ReadHeader(), THeaderResult::BadHeader);
    EXPECT_EQ(TreeBelow(Cache()), TStrings{"skin.cfg"});
}

TEST_F(RarArchiveTest, ATruncatedPackageWritesNoPartOfAFile) {
    const std::string whole = TwoFiles();
    const std::size_t firstData = 7 + 13 + 32 + 8;
    const auto cutInData = TRarArchive::OpenForExtraction(Package(whole.substr(0, firstData + 5)));
    ASSERT_TRUE(cutInData);
    ASSERT_EQ(cutInData->ReadHeader(), THeaderResult::Ok);
    EXPECT_FALSE(cutInData->ExtractEntry(Cache()));
    EXPECT_NE(cutInData->ReadHeader(), THeaderResult::Ok);

    const auto cutInHeader =
        TRarArchive::OpenForExtraction(Package(whole.substr(0, firstData + 13 + 20)));
    ASSERT_TRUE(cutInHeader);
    ASSERT_EQ(cutInHeader->ReadHeader(), THeaderResult::Ok);
    EXPECT_TRUE(cutInHeader->ExtractEntry(Cache()));
    EXPECT_EQ(cutInHeader->ReadHeader(), THeaderResult::BadHeader);
    EXPECT_EQ(Traces(), TStrings{"Gfx/Cache/skin.cfg"});
}

TEST_F(RarArchiveTest, AnEntryShortOfItsDeclaredSizeLeavesTheOldFileAsItWas) {
    Folder.Write("Gfx\\Cache\\skin.cfg", "the old configuration");
    TRarWriter writer;
    writer.AddUnusualEntry({"skin.cfg", "short", TRarHostOs::Win32, 0x20, 9});
    const auto archive = TRarArchive::OpenForExtraction(Package(writer.Finish()));
    ASSERT_TRUE(archive);
    ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
    EXPECT_FALSE(archive->ExtractEntry(Cache()));
    EXPECT_EQ(Folder.Read("Gfx\\Cache\\skin.cfg"), "the old configuration");
    EXPECT_EQ(TreeBelow(Cache()), TStrings{"skin.cfg"}) << "no temporary file stays";
}

TEST_F(RarArchiveTest, RefusesEveryEntryThatCouldReachBeyondItsFile) {
    fs::create_directories(Folder.Root / "elsewhere");
    const std::string outside = (Folder.Root / "elsewhere" / "escaped.bmp").string();
    const std::vector<TRarUnusualEntry> hostile{
        {outside, "x", TRarHostOs::Win32, 0x20, 1},
        {"\\escaped.bmp", "x", TRarHostOs::Win32, 0x20, 1},
        {"C:\\escaped.bmp", "x", TRarHostOs::Win32, 0x20, 1},
        {"..\\escaped.bmp", "x", TRarHostOs::Win32, 0x20, 1},
        {"../../escaped.bmp", "x", TRarHostOs::Unix, 0100644, 1},
        {"sub\\..\\..\\..\\escaped.bmp", "x", TRarHostOs::Win32, 0x20, 1},
        {"..", "", TRarHostOs::Win32, 0x10, 0},
        {"link.bmp", outside, TRarHostOs::Unix, 0120777, static_cast<uint32_t>(outside.size())},
        {"device.bmp", "", TRarHostOs::Unix, 0020644, 0},
        {"block.bmp", "", TRarHostOs::Unix, 0060644, 0},
        {"fifo.bmp", "", TRarHostOs::Unix, 0010644, 0},
        {"socket.bmp", "", TRarHostOs::Unix, 0140644, 0},
        {"huge.bmp", "small", TRarHostOs::Win32, 0x20, 64 * Mib + 1},
    };
    TRarWriter writer;
    for (const TRarUnusualEntry& entry : hostile) {
        writer.AddUnusualEntry(entry);
        writer.AddFile("fine.bmp", "after " + entry.Name);
    }
    const auto archive = TRarArchive::OpenForExtraction(Package(writer.Finish()));
    ASSERT_TRUE(archive);
    for (const TRarUnusualEntry& entry : hostile) {
        ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok) << entry.Name;
        EXPECT_FALSE(archive->ExtractEntry(Cache())) << entry.Name;
        EXPECT_EQ(Traces(), TStrings{"elsewhere"}) << entry.Name;
        // The package goes on: the next plain file is unpacked as usual.
        ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok) << entry.Name;
        EXPECT_TRUE(archive->ExtractEntry(Cache())) << entry.Name;
        EXPECT_EQ(Folder.Read("Gfx\\Cache\\fine.bmp"), "after " + entry.Name);
        fs::remove(Folder.Path("Gfx\\Cache\\fine.bmp"));
    }
    EXPECT_EQ(archive->ReadHeader(), THeaderResult::End);
}

TEST_F(RarArchiveTest, DoesNotFollowALinkPlantedInTheDestination) {
    fs::create_directories(Folder.Root / "elsewhere");
    fs::create_directory_symlink(Folder.Root / "elsewhere", Folder.Path("Gfx\\Cache\\sub"));
    TRarWriter writer;
    writer.AddFile("sub\\escaped.bmp", "x");
    writer.AddFile("sub\\deeper\\escaped.bmp", "x");
    const auto archive = TRarArchive::OpenForExtraction(Package(writer.Finish()));
    ASSERT_TRUE(archive);
    for (int entry = 0; entry < 2; ++entry) {
        ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
        EXPECT_FALSE(archive->ExtractEntry(Cache()));
    }
    EXPECT_EQ(TreeBelow(Folder.Root / "elsewhere"), TStrings{});
}

TEST_F(RarArchiveTest, RefusesAPackageThatAddsUpToMoreThan256MibBeforeWritingAnything) {
    TRarWriter writer;
    writer.AddFile("skin.cfg", "configuration");
    for (int i = 0; i < 5; ++i) {
        // Each under the limit for one file; together 300 MiB.
        writer.AddUnusualEntry(
            {"part" + std::to_string(i) + ".bmp", "small", TRarHostOs::Win32, 0x20, 60 * Mib});
    }
    const auto archive = TRarArchive::OpenForExtraction(Package(writer.Finish()));
    ASSERT_TRUE(archive);
    for (int entry = 0; entry < 6; ++entry) {
        ASSERT_EQ(archive->ReadHeader(), THeaderResult::Ok);
        EXPECT_FALSE(archive->ExtractEntry(Cache())) << archive->EntryName();
    }
    EXPECT_EQ(archive->ReadHeader(), THeaderResult::End);
    EXPECT_EQ(Traces(), TStrings{});

    // Exactly 256 MiB in all is still within the limit: the plain file is unpacked.
    TRarWriter atLimit;
    atLimit.AddFile("skin.cfg", "configuration");
    atLimit.AddUnusualEntry({"big.bmp", "small", TRarHostOs::Win32, 0x20, 64 * Mib});
    atLimit.AddUnusualEntry({"big2.bmp", "small", TRarHostOs::Win32, 0x20, 192 * Mib - 13});
    const auto fine = TRarArchive::OpenForExtraction(Package(atLimit.Finish()));
    ASSERT_TRUE(fine);
    ASSERT_EQ(fine->ReadHeader(), THeaderResult::Ok);
    EXPECT_TRUE(fine->ExtractEntry(Cache()));
}

TEST(RarEntryName, KeepsEveryEntryInsideItsFolder) {
    EXPECT_EQ(EntryPathInside("skin.cfg"), fs::path("skin.cfg"));
    EXPECT_EQ(EntryPathInside("sub\\pic.bmp"), fs::path("sub/pic.bmp"));
    EXPECT_EQ(EntryPathInside("sub/./deeper//pic.bmp"), fs::path("sub/deeper/pic.bmp"));
    EXPECT_EQ(EntryPathInside("dots..bmp"), fs::path("dots..bmp"));
    EXPECT_EQ(EntryPathInside("..bmp"), fs::path("..bmp"));
    EXPECT_EQ(EntryPathInside("folder\\"), fs::path("folder"));
    for (const char* outside : {"", ".", "./", "/", "\\", "/etc/passwd", "\\Windows\\evil.bmp",
                                "C:\\evil.bmp", "c:evil.bmp", "..", "../evil.bmp", "..\\evil.bmp",
                                "sub\\..\\..\\evil.bmp", "sub/../evil.bmp"}) {
        EXPECT_FALSE(EntryPathInside(outside)) << outside;
    }
}

}  // namespace
