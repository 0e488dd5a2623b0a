#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

// While it lasts, no file this process writes grows beyond the given bytes: a write past
// them fails as the system fails it ("File too large"), on any machine and for any user.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) : Handler(std::signal(SIGXFSZ, SIG_IGN)) {
        EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &Previous), 0);
        struct rlimit limited = Previous;
        limited.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &Previous);
        std::signal(SIGXFSZ, Handler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    using THandler = void (*)(int);
    THandler Handler;
    struct rlimit Previous {};
};
