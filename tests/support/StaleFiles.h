#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/GameFolder.h"

// The id of a process that has run and ended, as a game that crashed leaves it behind.
inline pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

// Writes the stale and the kept files into the game folder, runs the clean-up and checks
// that the stale files, and only they, are gone.
template <typename TCleanUp>
void ExpectOnlyStaleFilesRemoved(const TGameFolder& folder, const std::vector<std::string>& stale,
                                 const std::vector<std::string>& kept, TCleanUp cleanUp) {
    for (const std::string& name : stale) {
        folder.Write(name, "cut short");
    }
    for (const std::string& name : kept) {
        folder.Write(name, "keep");
    }
    cleanUp();
    for (const std::string& name : stale) {
        EXPECT_FALSE(folder.Exists(name)) << name;
    }
    for (const std::string& name : kept) {
        EXPECT_TRUE(folder.Exists(name)) << name;
    }
}
