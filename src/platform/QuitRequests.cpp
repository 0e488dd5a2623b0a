#include "QuitRequests.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The one thing a signal handler can reach: the pipe's writing end, set while a
// TQuitRequests lives.
std::atomic<int> SignalPipe{-1};
static_assert(std::atomic<int>::is_always_lock_free);

void OnSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe.load(), &byte, 1);
    errno = savedErrno;
}

}  // namespace

TQuitRequests::TQuitRequests(std::function<void()> commit, std::function<void()> quit)
    : Commit(std::move(commit)), Quit(std::move(quit)) {
    if (::pipe2(Pipe.data(), O_CLOEXEC | O_NONBLOCK) == 0) {
        SignalPipe.store(Pipe[1]);
        Notifier = std::make_unique<QSocketNotifier>(Pipe[0], QSocketNotifier::Read);
        connect(Notifier.get(), &QSocketNotifier::activated, this, [this] {
            char bytes[16];
            while (::read(Pipe[0], bytes, sizeof bytes) > 0) {
            }
            Quit();
        });
        TakeSignals();
    }
    connect(
        qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { Commit(); },
        Qt::DirectConnection);
    QCoreApplication::instance()->installEventFilter(this);
}

// The toolkit would close the windows itself, in its own order, and not those that the game
// opens as others close.
bool TQuitRequests::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
        Quit();
        return true;
    }
    return false;
}

// Interrupted system calls go on; the handlers go back to the program's defaults in the
// programs the game starts (a browser for the help), as every caught signal does at exec.
void TQuitRequests::TakeSignals() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Signals.size(); ++i) {
        sigaction(Signals[i], &action, &Previous[i]);
    }
}

TQuitRequests::~TQuitRequests() {
    if (Pipe[0] < 0) {
        return;
    }
    for (std::size_t i = 0; i < Signals.size(); ++i) {
        sigaction(Signals[i], &Previous[i], nullptr);
    }
    SignalPipe.store(-1);
    Notifier.reset();
    ::close(Pipe[0]);
    ::close(Pipe[1]);
}
