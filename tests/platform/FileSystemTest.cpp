#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "support/FileSizeLimit.h"
#include "support/GameFolder.h"
#include "support/StaleFiles.h"

namespace fs = std::filesystem;

namespace {

// What the target file held each time a file or folder was flushed to the disk.
struct TFlush {
    std::string Flushed;  // the path of what was flushed
    std::string TargetHeld;
};
std::vector<TFlush>* Flushes = nullptr;
std::string WatchedTarget;

std::string PathOfDescriptor(int descriptor) {
    std::error_code error;
    return fs::read_symlink("/proc/self/fd/" + std::to_string(descriptor), error).string();
}

}  // namespace

// Every flush of this test program passes here on its way to the system, so the tests see
// what was flushed and when.
extern "C" int fsync(int descriptor) {
    if (Flushes != nullptr) {
        Flushes->push_back(
            {PathOfDescriptor(descriptor), ReadWholeFile(WatchedTarget).value_or("<none>")});
    }
    return static_cast<int>(::syscall(SYS_fsync, descriptor));
}

namespace {

TEST(FileSystem, AWriteReachesTheDiskBeforeItReplacesTheOldFile) {
    TGameFolder folder;
    folder.Write("leaders.dat", "old table");
    const fs::path target = fs::canonical(folder.Path("leaders.dat"));
    std::vector<TFlush> flushes;
    Flushes = &flushes;
    WatchedTarget = target.string();
    const bool written = static_cast<bool>(WriteFileAtomically(target, "new table"));
    Flushes = nullptr;
    ASSERT_TRUE(written);
    EXPECT_EQ(folder.Read("leaders.dat"), "new table");

    // First the temporary, while the old file is still in place; then, once the temporary
    // has become the file, the folder that holds the rename.
    const std::string temporary = target.string() + ".tmp" + std::to_string(::getpid());
    ASSERT_EQ(flushes.size(), 2U);
    EXPECT_EQ(flushes[0].Flushed, temporary);
    EXPECT_EQ(flushes[0].TargetHeld, "old table");
    EXPECT_EQ(flushes[1].Flushed, target.parent_path().string());
    EXPECT_EQ(flushes[1].TargetHeld, "new table");
    EXPECT_FALSE(fs::exists(temporary));
}

TEST(FileSystem, AWriteThatFailsKeepsTheOldFileAndLeavesNoTemporary) {
    TGameFolder folder;
    folder.Write("VyxLines.cfg", "the old settings");
    // Files may grow to 8 bytes only: the write runs out of room halfway.
    const TWriteResult written = [&] {
        const TFileSizeLimit limit(8);
        return WriteFileAtomically(folder.Path("VyxLines.cfg"), "far more than 8 bytes");
    }();
    EXPECT_FALSE(written);
    EXPECT_EQ(written.Reason(), "File too large") << "the system's own words";
    EXPECT_EQ(folder.Read("VyxLines.cfg"), "the old settings");
    EXPECT_EQ(ListFiles(folder.Root, "*"), std::vector<std::string>{"VyxLines.cfg"});

    // A folder in the file's place cannot be replaced; nothing is left beside it either.
    fs::create_directory(folder.Path("leaders.dat"));
    EXPECT_EQ(WriteFileAtomically(folder.Path("leaders.dat"), "table").Reason(), "Is a directory");
    EXPECT_TRUE(fs::is_directory(folder.Path("leaders.dat")));
    EXPECT_EQ(ListFiles(folder.Root, "*"), std::vector<std::string>{"VyxLines.cfg"});
}

TEST(FileSystem, StaleTemporariesGoButThoseOfRunningGamesAndOthersStay) {
    TGameFolder folder;
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(::getppid());
    const std::string own = std::to_string(::getpid());
    const std::vector<std::string> stale{"VyxLines.cfg.tmp" + ended, "VyxLines.cfg.tmp" + own,
                                         "Saves/Autosave.lsv.tmp" + ended,
                                         "Saves/My Game.LSV.tmp" + ended};
    const std::vector<std::string> kept{"VyxLines.cfg",
                                        "VyxLines.cfg.tmp" + running,
                                        "VyxLines.cfg.tmp",
                                        "VyxLines.cfg.tmp12x",
                                        "VyxLines.cfg.tmp99999999999999999999",
                                        "VyxLines.cfg.old",
                                        "notes.txt.tmp" + ended,
                                        ".tmp" + ended,
                                        "Saves/notes.txt.tmp" + ended};
    fs::create_directory(folder.Path("leaders.dat.tmp" + ended));
    ExpectOnlyStaleFilesRemoved(folder, stale, kept, [&] {
        RemoveStaleTemporaries(folder.Root, "VyxLines.cfg");
        RemoveStaleTemporaries(folder.Path("Saves"), "*.lsv");
    });
    EXPECT_TRUE(fs::is_directory(folder.Path("leaders.dat.tmp" + ended)));
}

TEST(FileSystem, OnlyAPlainFileIsRead) {
    TGameFolder folder;
    const std::string large(200 * 1024, 'x');
    folder.Write("Saves/large.lsv", large + "end");
    EXPECT_EQ(ReadWholeFile(folder.Path("Saves/large.lsv")), large + "end");

    // A folder in a file's place opens, but its first read fails.
    fs::create_directory(folder.Path("leaders.dat"));
    EXPECT_EQ(ReadWholeFile(folder.Path("leaders.dat")), std::nullopt);

    // Opening a pipe waits for a writer, and reading waits for it to finish: the game would
    // hang at start-up. Should the read wait after all, a writer ends it so the test can fail.
    ASSERT_EQ(::mkfifo(folder.Path("VyxLines.cfg").c_str(), 0644), 0);
    auto read = std::async(std::launch::async,
                           [&folder] { return ReadWholeFile(folder.Path("VyxLines.cfg")); });
    if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        const int writer = ::open(folder.Path("VyxLines.cfg").c_str(), O_WRONLY | O_NONBLOCK);
        ADD_FAILURE() << "reading a pipe waited for a writer";
        ::close(writer);
    }
    EXPECT_EQ(read.get(), std::nullopt);
}

TEST(FileSystem, FilesAreFoundInTheirOwnLettersFirstThenInAnyCase) {
    TGameFolder folder;
    folder.Write("Gfx/Cache/SKIN.CFG", "upper");
    folder.Write("Gfx/Cache/Ball1.BMP", "mixed");
    folder.Write("Gfx/Cache/ball1.bmp", "lower");
    fs::create_directory(folder.Path("Gfx/Cache/folder.bmp"));
    const fs::path cache = folder.Path("Gfx/Cache");
    EXPECT_EQ(FindFileIgnoringCase(cache, "skin.cfg"), "SKIN.CFG");
    EXPECT_EQ(FindFileIgnoringCase(cache, "ball1.bmp"), "ball1.bmp");
    EXPECT_EQ(FindFileIgnoringCase(cache, "Ball1.BMP"), "Ball1.BMP");
    EXPECT_EQ(FindFileIgnoringCase(cache, "BALL1.bmp"), "Ball1.BMP") << "the first by name";
    EXPECT_EQ(FindFileIgnoringCase(cache, "ball2.bmp"), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(cache, "FOLDER.BMP"), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(folder.Path("Nowhere"), "skin.cfg"), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(cache, "skin.cf"), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(cache, "skin.cfg "), std::nullopt);
}

}  // namespace
