#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <functional>
#include <memory>

// The system's requests that the game end: SIGTERM (kill, shutdown), SIGHUP (the terminal or
// the session gone), SIGINT (Ctrl+C), and the session manager's at logout. Each reaches the
// game's own loop as a call of `quit`, never inside a signal handler: the handler only
// writes a byte into a pipe that the loop watches. The session manager first asks the game
// to keep what it would keep at quit (`commit`), also when it only saves the session and
// the game plays on; the end of the session then comes as the application's Quit event.
// One object at a time.
class TQuitRequests final : public QObject {
    Q_OBJECT

public:
    TQuitRequests(std::function<void()> commit, std::function<void()> quit);
    ~TQuitRequests() override;
    TQuitRequests(const TQuitRequests&) = delete;
    TQuitRequests& operator=(const TQuitRequests&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr std::array<int, 3> Signals{SIGTERM, SIGHUP, SIGINT};

    void TakeSignals();

    std::function<void()> Commit;
    std::function<void()> Quit;
    std::array<int, 2> Pipe{-1, -1};
    std::unique_ptr<QSocketNotifier> Notifier;
    std::array<struct sigaction, Signals.size()> Previous{};
};
