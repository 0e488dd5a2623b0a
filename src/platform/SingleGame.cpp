#include "SingleGame.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <memory>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr char LockFileName[] = ".VyxLines.lock";
// How long a later start keeps calling: the running game may have taken the lock and not yet
// begun to listen.
constexpr int CallMilliseconds = 5000;
constexpr int CallAgainMilliseconds = 50;

QString LocalName(const fs::path& path) {
    return QFile::decodeName(QByteArray(path.c_str()));
}

// Socket paths are short (108 bytes), so the folder is named by a digest of its path; the
// user's id keeps two players' games on one machine apart.
QString ServerName(const fs::path& folder) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(folder, error);
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray((error ? folder : canonical).c_str()),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(24);
    return QStringLiteral("vyx-zeziz-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest));
}

bool CallRunningGame(const QString& name) {
    const QDeadlineTimer deadline(CallMilliseconds);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            socket.disconnectFromServer();
            return true;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(CallAgainMilliseconds);
    }
}

}  // namespace

TSingleGame::TSingleGame(const fs::path& playerFolder)
    : Lock(LocalName(playerFolder / LockFileName)) {
    // Only a lock whose process is gone is stale, however long a game has been running.
    Lock.setStaleLockTime(0);
    const QString name = ServerName(playerFolder);
    if (Lock.tryLock(0)) {
        // A socket left by a game that crashed: this game holds the folder now.
        QLocalServer::removeServer(name);
        Server.setSocketOptions(QLocalServer::UserAccessOption);
        if (Server.listen(name)) {
            connect(&Server, &QLocalServer::newConnection, this, &TSingleGame::Answer);
        }
    } else if (Lock.error() == QLockFile::LockFailedError) {
        Outcome =
            CallRunningGame(name) ? TStart::CalledRunningGame : TStart::RunningGameUnreachable;
    }
}

// The call itself is the whole request.
void TSingleGame::Answer() {
    while (std::unique_ptr<QLocalSocket> caller{Server.nextPendingConnection()}) {
        caller->abort();
    }
    if (Window == nullptr || !Window->isVisible()) {
        return;
    }
    if (Window->isMinimized()) {
        Window->showNormal();
    }
    Window->raise();
    Window->activateWindow();
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}
