#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GameWorld.h"
#include "support/StaleFiles.h"

namespace {

TEST(StartUpFiles, WritesCutShortByACrashLeaveNothingBehind) {
    TGameFolder folder;
    const std::string ended = ".tmp" + std::to_string(EndedProcess());
    const std::vector<std::string> stale{"VyxLines.cfg" + ended, "leaders.dat" + ended,
                                         "Saves/Autosave.lsv" + ended, "Saves/Sunday.lsv" + ended,
                                         "Gfx/Cache/strip1.bmp" + ended};
    // The game's files themselves, a temporary of a game that still runs, and files that are
    // not the game's temporaries.
    const std::vector<std::string> kept{"VyxLines.cfg",
                                        "leaders.dat",
                                        "Saves/Autosave.lsv",
                                        "Saves/Autosave.lsv.tmp" + std::to_string(::getppid()),
                                        "Gfx/Cache/strip1.bmp",
                                        "VyxLines.cfg.bak" + ended,
                                        "Def/leaders.dat" + ended,
                                        "Sfx/Moving1.wav" + ended,
                                        "Saves/notes.txt" + ended};
    ExpectOnlyStaleFilesRemoved(folder, stale, kept, [] { RemoveStaleTemporaryFiles(); });
}

}  // namespace
