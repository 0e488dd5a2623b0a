// Times a program from its start to its first frame on screen, for window-performance.sh.
//
//   bench_first_paint pixel <x> <y>
//       prints the colour of the screen pixel at (x, y) as rrggbb;
//   bench_first_paint time <x> <y> <rrggbb> <program> [arguments...]
//       starts the program in the current folder and waits until the screen pixel at
//       (x, y) shows the colour (the program's picture there, read from a run before);
//       prints the program's process id and the milliseconds from its start, and leaves it
//       running. Gives up after 10 seconds.
#include <fcntl.h>
#include <spawn.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

extern char** environ;

namespace {

QRgb ScreenPixel(QScreen& screen, int x, int y) {
    return screen.grabWindow(0, x, y, 1, 1).toImage().pixel(0, 0) & 0xFFFFFFU;
}

}  // namespace

int main(int argc, char** argv) {
    const bool time = argc >= 6 && std::strcmp(argv[1], "time") == 0;
    if (!time && !(argc == 4 && std::strcmp(argv[1], "pixel") == 0)) {
        std::fprintf(stderr, "usage: %s pixel <x> <y> | time <x> <y> <rrggbb> <program>...\n",
                     argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    QScreen& screen = *QGuiApplication::primaryScreen();
    if (!time) {
        std::printf("%06x\n", ScreenPixel(screen, x, y));
        return 0;
    }
    const auto wanted = static_cast<QRgb>(std::strtoul(argv[4], nullptr, 16));
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    // The program's output must not hold the pipe this program answers on: whoever reads
    // the answer would wait for the program to end.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[5], &actions, nullptr, argv + 5, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::perror(argv[5]);
        return 1;
    }
    constexpr auto Poll = std::chrono::milliseconds(1);
    constexpr auto GiveUp = std::chrono::seconds(10);
    while (ScreenPixel(screen, x, y) != wanted) {
        if (Clock::now() - start > GiveUp) {
            std::fprintf(stderr, "%s never showed %06x at (%d, %d)\n", argv[5], wanted, x, y);
            std::printf("%d -1\n", pid);
            return 1;
        }
        std::this_thread::sleep_for(Poll);
    }
    const std::chrono::duration<double, std::milli> took = Clock::now() - start;
    std::printf("%d %.1f\n", pid, took.count());
    return 0;
}
