#include "TickSource.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <limits>
#include <thread>

uint32_t TSteadyTickSource::Ticks() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(since);
    return static_cast<uint32_t>(static_cast<uint64_t>(milliseconds.count()));
}

void TSteadyTickSource::Sleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool TSteadyTickSource::WaitForEvent(uint32_t milliseconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, [&timedOut] { timedOut = true; });
    // A timer takes at most 24 days; a longer pause is as good as one without end.
    if (milliseconds <= static_cast<uint32_t>(std::numeric_limits<int>::max())) {
        timer.start(std::chrono::milliseconds(milliseconds));
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!timedOut) {
        return true;
    }
    // The timer keeps whole milliseconds of its own; the pause never ends before its time.
    std::this_thread::sleep_until(deadline);
    return false;
}
