#include "MainLoop.h"

#include <QCoreApplication>

void TMainLoop::Start() {
    World.Scheduler.Start(World.Platform.Ticks.Ticks());
}

void TMainLoop::Run() {
    Start();
    while (RunPass()) {
    }
}

bool TMainLoop::RunPass() {
    World.Platform.Ticks.Sleep(PassMilliseconds);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Without Qt's own event loop running, objects handed to deleteLater() wait for this.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool running = !Window.IsClosed();
    if (Window.IsGameRunning()) {
        World.PollChannels();
    }
    World.Rules.RedrawClock();
    Window.Present();
    return running;
}
