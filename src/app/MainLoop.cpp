#include "MainLoop.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The pause that brings the loop to the first pass of its grid at or after `milliseconds`
// from the grid's start; one step at the least, as the plain loop always sleeps one.
uint32_t ToGrid(uint64_t milliseconds) {
    const uint64_t step = TMainLoop::PassMilliseconds;
    const uint64_t steps = std::max<uint64_t>(1, (milliseconds + step - 1) / step);
    return static_cast<uint32_t>(std::min<uint64_t>(steps * step, TTickSource::Forever - 1));
}

}  // namespace

void TMainLoop::Start() {
    World.StartChannels();
}

// The first pass runs at once, so the window's first frame does not wait for a pause.
void TMainLoop::Run() {
    Start();
    bool running = Pass();
    while (running) {
        running = RunPass();
    }
}

bool TMainLoop::RunPass() {
    WaitForPass();
    return Pass();
}

// A selected ball's Choosing channel goes on firing after the selection has ended, every
// few hundredths of a second, to show the same picture: the loop does not wake for those
// firings, but keeps the channel's timing as if it had.
void TMainLoop::WaitForPass() {
    const uint32_t start = Ticks.Ticks();
    const bool running = Window.IsGameRunning();
    // An event met during the wait may switch the channel; the passes before it saw it as
    // it is now.
    const bool choosingOn = World.IsChoosingOn();
    uint32_t pass = 0;
    for (;;) {
        const uint32_t waited = Ticks.Ticks() - start;
        pass = NextPass(running, waited);
        const uint32_t left = pass == TTickSource::Forever ? pass : pass - waited;
        if (pass <= waited || !Ticks.WaitForEvent(left)) {
            break;
        }
    }
    // The passes slept through polled the channels, and only the Choosing channel can have
    // been due at one of them.
    if (running) {
        for (uint32_t skipped = PassMilliseconds; skipped < pass; skipped += PassMilliseconds) {
            World.SkippedPass(start + skipped, choosingOn);
        }
    }
}

// Most events (the window system's answers to a frame shown, a pointer crossing the window)
// leave the game as it was: the loop sleeps on. One that started or stopped the game, drew
// something or closed the window is met at the plain loop's next pass, as are the channels
// it switched on.
uint32_t TMainLoop::NextPass(bool running, uint32_t waited) const {
    if (Window.IsClosed() || Window.IsGameRunning() != running || World.HasChanges()) {
        return ToGrid(waited);
    }
    if (running) {
        if (const std::optional<uint32_t> due = World.UntilDue()) {
            return ToGrid(uint64_t{waited} + *due);
        }
    }
    return TTickSource::Forever;
}

bool TMainLoop::Pass() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Without Qt's own event loop running, objects handed to deleteLater() wait for this.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool running = !Window.IsClosed();
    if (Window.IsGameRunning()) {
        Window.PlayDueChannels();
    }
    World.DrawClock();
    Window.Present();
    // The frame goes to the screen in this pass, rather than wake the next pause at once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    return running;
}
