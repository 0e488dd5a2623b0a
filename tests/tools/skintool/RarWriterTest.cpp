#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Crc32.h"
#include "RarWriter.h"

namespace {

struct TReadEntry {
    std::string Name;
    int64_t Size = 0;
    std::string Data;
    mode_t Type = 0;
    std::string LinkTarget;
};

struct TReadArchive {
    std::vector<TReadEntry> Entries;
    int LastResult = ARCHIVE_OK;
    int Format = 0;
};

// Reads the archive straight with libarchive, as the game's reader will.
TReadArchive ReadWithLibarchive(const std::string& bytes) {
    TReadArchive result;
    archive* reader = archive_read_new();
    archive_read_support_format_rar(reader);
    EXPECT_EQ(archive_read_open_memory(reader, bytes.data(), bytes.size()), ARCHIVE_OK);
    archive_entry* entry = nullptr;
    while ((result.LastResult = archive_read_next_header(reader, &entry)) == ARCHIVE_OK) {
        TReadEntry read{archive_entry_pathname(entry),
                        archive_entry_size(entry),
                        {},
                        archive_entry_filetype(entry),
                        {}};
        if (archive_entry_symlink(entry) != nullptr) {
            read.LinkTarget = archive_entry_symlink(entry);
        }
        char block[4096];
        la_ssize_t count = 0;
        while ((count = archive_read_data(reader, block, sizeof block)) > 0) {
            read.Data.append(block, static_cast<std::size_t>(count));
        }
        EXPECT_EQ(count, 0) << archive_error_string(reader);
        result.Entries.push_back(read);
    }
    result.Format = archive_format(reader);
    archive_read_free(reader);
    return result;
}

std::string AllByteValues(std::size_t size) {
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<char>((i * 131 + i / 256) & 0xFF);
    }
    return data;
}

uint32_t Le(const std::string& bytes, std::size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

TEST(RarWriter, LibarchiveReadsEveryEntryBack) {
    const std::string config = "[Skin] word\r\nsecond line";
    const std::string binary = AllByteValues(256);
    const std::string large = AllByteValues(300000);  // spans several reading blocks
    TRarWriter writer;
    ASSERT_TRUE(writer.AddFile("skin.cfg", config));
    ASSERT_TRUE(writer.AddFile("binary.bmp", binary));
    ASSERT_TRUE(writer.AddFile("empty.bmp", ""));
    ASSERT_TRUE(writer.AddFile("sub\\deeper\\pic.bmp", "in a folder"));
    ASSERT_TRUE(writer.AddFile("large.bmp", large));
    const TReadArchive read = ReadWithLibarchive(writer.Finish());

    EXPECT_EQ(read.LastResult, ARCHIVE_EOF);
    EXPECT_EQ(read.Format, ARCHIVE_FORMAT_RAR);
    ASSERT_EQ(read.Entries.size(), 5U);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"skin.cfg", config},
        {"binary.bmp", binary},
        {"empty.bmp", ""},
        {"sub/deeper/pic.bmp", "in a folder"},
        {"large.bmp", large}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(read.Entries[i].Name, expected[i].first);
        EXPECT_EQ(read.Entries[i].Size, static_cast<int64_t>(expected[i].second.size()));
        EXPECT_TRUE(read.Entries[i].Data == expected[i].second) << expected[i].first;
        EXPECT_EQ(read.Entries[i].Type, AE_IFREG) << expected[i].first;
    }
}

TEST(RarWriter, AnArchiveWithoutEntriesReadsAsEmpty) {
    const TReadArchive read = ReadWithLibarchive(TRarWriter().Finish());
    EXPECT_EQ(read.LastResult, ARCHIVE_EOF);
    EXPECT_TRUE(read.Entries.empty());
}

TEST(RarWriter, HeadersFollowTheRar4Layout) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926U);  // the standard check value
    EXPECT_EQ(Crc32(""), 0U);

    TRarWriter writer;
    ASSERT_TRUE(writer.AddFile("a.bmp", "hello", 0x58B16D2FU));
    const std::string bytes = writer.Finish();

    EXPECT_EQ(bytes.substr(0, 7), std::string("Rar!\x1a\x07\x00", 7));
    // Archive header: CRC, type, flags, size 13, two reserved fields.
    EXPECT_EQ(Le(bytes, 7, 2), Crc32(bytes.substr(9, 11)) & 0xFFFFU);
    EXPECT_EQ(Le(bytes, 9, 1), 0x73U);
    EXPECT_EQ(Le(bytes, 12, 2), 13U);
    // File header from offset 20.
    const std::size_t file = 20;
    EXPECT_EQ(Le(bytes, file + 2, 1), 0x74U);
    EXPECT_EQ(Le(bytes, file + 3, 2), 0x8000U);
    EXPECT_EQ(Le(bytes, file + 5, 2), 32U + 5U);
    EXPECT_EQ(Le(bytes, file, 2), Crc32(bytes.substr(file + 2, 35)) & 0xFFFFU);
    EXPECT_EQ(Le(bytes, file + 7, 4), 5U);            // packed size
    EXPECT_EQ(Le(bytes, file + 11, 4), 5U);           // unpacked size
    EXPECT_EQ(Le(bytes, file + 15, 1), 2U);           // host: Windows
    EXPECT_EQ(Le(bytes, file + 16, 4), 0x3610A686U);  // CRC-32 of "hello"
    EXPECT_EQ(Le(bytes, file + 20, 4), 0x58B16D2FU);  // DOS time
    EXPECT_EQ(Le(bytes, file + 24, 1), 20U);          // version needed
    EXPECT_EQ(Le(bytes, file + 25, 1), 0x30U);        // stored
    EXPECT_EQ(Le(bytes, file + 26, 2), 5U);           // name length
    EXPECT_EQ(Le(bytes, file + 28, 4), 0x20U);        // archive attribute
    EXPECT_EQ(bytes.substr(file + 32, 10), "a.bmphello");
    // The end header every RAR 4 packer writes.
    EXPECT_EQ(bytes.substr(file + 42), std::string("\xC4\x3D\x7B\x00\x40\x07\x00", 7));
}

TEST(RarWriter, DosTimesAndNamesOutsideTheFormat) {
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 4;
    time.tm_mday = 17;
    time.tm_hour = 13;
    time.tm_min = 45;
    time.tm_sec = 31;
    EXPECT_EQ(ToDosTime(time),
              (44U << 25) | (5U << 21) | (17U << 16) | (13U << 11) | (45U << 5) | 15U);
    time.tm_year = 1979 - 1900;
    EXPECT_EQ(ToDosTime(time), EarliestDosTime);
    time.tm_year = 2200 - 1900;
    EXPECT_EQ(ToDosTime(time) >> 25, 127U);

    TRarWriter writer;
    EXPECT_FALSE(writer.AddFile("", "data"));
    EXPECT_FALSE(writer.AddFile(std::string(65504, 'n'), "data"));
    EXPECT_TRUE(writer.AddFile(std::string(65503, 'n'), "data"));
    const TReadArchive read = ReadWithLibarchive(writer.Finish());
    EXPECT_EQ(read.LastResult, ARCHIVE_EOF);
    ASSERT_EQ(read.Entries.size(), 1U);
    EXPECT_EQ(read.Entries[0].Name.size(), 65503U);
}

TEST(RarWriter, UnusualEntriesReadBackAsWhatTheyClaim) {
    TRarWriter writer;
    writer.AddUnusualEntry({"link.bmp", "/etc/passwd", TRarHostOs::Unix, 0120777, 11});
    writer.AddUnusualEntry({"device.bmp", "", TRarHostOs::Unix, 0020644, 0});
    writer.AddUnusualEntry({"huge.bmp", "abc", TRarHostOs::Win32, 0x20, 70U << 20});
    writer.AddUnusualEntry({"..\\up.bmp", "x", TRarHostOs::Win32, 0x20, 1});
    const TReadArchive read = ReadWithLibarchive(writer.Finish());
    ASSERT_EQ(read.Entries.size(), 4U);
    EXPECT_EQ(read.Entries[0].Type, AE_IFLNK);
    EXPECT_EQ(read.Entries[0].LinkTarget, "/etc/passwd");
    EXPECT_EQ(read.Entries[1].Type, AE_IFCHR);
    EXPECT_EQ(read.Entries[2].Size, int64_t{70} << 20);
    EXPECT_EQ(read.Entries[2].Data, "abc");
    EXPECT_EQ(read.Entries[3].Name, "../up.bmp");
}

}  // namespace
