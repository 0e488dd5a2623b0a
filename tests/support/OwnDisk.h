#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// A disk of a test's own: a small tmpfs on a folder, mounted in a child process that has user
// and mount namespaces of its own, so that it fills up or turns read-only for real and for
// nobody else. The case runs in the child and reports what it saw as text for the test to
// check, since the child's own assertions would not count.
class TOwnDisk {
public:
    explicit TOwnDisk(std::filesystem::path folder) : Folder(std::move(folder)) {}

    // Fills the disk to its last byte.
    void Fill() const {
        const int file = ::open((Folder / ".filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const std::array<char, 4096> block{};
        while (file >= 0 && ::write(file, block.data(), block.size()) > 0) {
        }
        ::close(file);
    }
    void MakeReadOnly() const {
        ::mount(nullptr, Folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    }

private:
    std::filesystem::path Folder;
};

inline constexpr const char* NoOwnDisk =
    "this system gives a process no mount namespace of its own";

// Runs the case on a tmpfs of `bytes` bytes mounted on the folder; what it reported, or
// nothing where no process may have namespaces of its own.
inline std::optional<std::string> RunOnOwnDisk(
    const std::filesystem::path& folder, std::size_t bytes,
    const std::function<std::string(const TOwnDisk&)>& test) {
    std::array<int, 2> pipe{};
    EXPECT_EQ(::pipe(pipe.data()), 0);
    std::fflush(nullptr);  // what is yet to be printed must not be printed twice
    const pid_t child = ::fork();
    if (child == 0) {
        const auto put = [](const char* file, const std::string& text) {
            const int out = ::open(file, O_WRONLY | O_CLOEXEC);
            const bool written = ::write(out, text.data(), text.size()) == ssize_t(text.size());
            return ::close(out) == 0 && written;
        };
        // In a user namespace of its own an ordinary user, staying who it is, may mount.
        const std::string user = "0 " + std::to_string(::getuid()) + " 1";
        const std::string group = "0 " + std::to_string(::getgid()) + " 1";
        const std::string size = "size=" + std::to_string(bytes);
        const bool own = ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 &&
                         put("/proc/self/setgroups", "deny") && put("/proc/self/uid_map", user) &&
                         put("/proc/self/gid_map", group) &&
                         ::mount("tmpfs", folder.c_str(), "tmpfs", 0, size.c_str()) == 0;
        const bool failedBefore = testing::Test::HasFailure();
        const std::string report = own ? test(TOwnDisk(folder)) : std::string();
        const bool sent = ::write(pipe[1], report.data(), report.size()) == ssize_t(report.size());
        std::fflush(nullptr);
        ::_exit(!own ? 2 : !sent || (testing::Test::HasFailure() && !failedBefore) ? 1 : 0);
    }
    ::close(pipe[1]);
    std::string report;
    std::array<char, 4096> block{};
    for (ssize_t count = 0; (count = ::read(pipe[0], block.data(), block.size())) > 0;) {
        report.append(block.data(), static_cast<std::size_t>(count));
    }
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2) {
        return std::nullopt;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the case failed (see above)";
    return report;
}
