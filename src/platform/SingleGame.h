#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <optional>

// One game per player's folder, so that two games never overwrite each other's settings and
// autosave. The first game started on a folder holds a lock file there and listens on a
// local socket named after the folder; a later start finds the lock held, calls the running
// game over the socket, and that game comes to the front. A lock left by a game that crashed
// names a process that is gone, and the next start takes it over.
class TSingleGame final : public QObject {
    Q_OBJECT

public:
    enum class TStart {
        // This game holds the folder, or no lock can be made in it (a folder that cannot be
        // written, where no game keeps anything either).
        Holds,
        // Another game holds the folder and was called to the front.
        CalledRunningGame,
        // Another game holds the folder but did not answer.
        RunningGameUnreachable,
    };

    // Takes the folder for this game, or calls the game that holds it.
    explicit TSingleGame(const std::filesystem::path& playerFolder);

    TStart Start() const { return Outcome; }
    // The window that comes to the front, with the modal dialog over it, when a later start
    // calls; none before it exists.
    void SetWindow(QWidget* window) { Window = window; }

private:
    void Answer();

    QLockFile Lock;
    QLocalServer Server;
    QPointer<QWidget> Window;
    TStart Outcome = TStart::Holds;
};
