#include "QtDesktop.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "FileSystem.h"
#include "Latin1.h"

namespace fs = std::filesystem;

TQtDesktop::TQtDesktop(fs::path shippedFolder)
    : TQtDesktop({"xdg-mime", "query", "default", "application/vnd.ms-htmlhelp"},
                 std::move(shippedFolder)) {}

TQtDesktop::TQtDesktop(const QStringList& query, fs::path shippedFolder, QStringList opener)
    : ShippedFolder(std::move(shippedFolder)), Opener(std::move(opener)) {
    QObject::connect(&Query, &QProcess::finished,
                     [this](int exitCode, QProcess::ExitStatus status) {
                         HasChmViewer = status == QProcess::NormalExit && exitCode == 0 &&
                                        !Query.readAllStandardOutput().trimmed().isEmpty();
                     });
    QObject::connect(&Query, &QProcess::errorOccurred, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            HasChmViewer = false;
        }
    });
    Query.start(query.constFirst(), query.mid(1));
}

// A question still open at exit is cut short rather than waited for; so is an opener that
// still waits for the program it started (the program itself goes on), without an answer.
TQtDesktop::~TQtDesktop() {
    if (Query.state() != QProcess::NotRunning) {
        Query.kill();
        Query.waitForFinished();
    }
    for (QProcess* opener : Openers.findChildren<QProcess*>()) {
        opener->disconnect();
        opener->kill();
        opener->waitForFinished();
    }
}

void TQtDesktop::OpenUrl(std::string_view url) {
    QDesktopServices::openUrl(QUrl(FromLatin1(url)));
}

void TQtDesktop::OpenHelp(std::string_view helpFile, std::string_view topic,
                          THelpAnswered answered) {
    const fs::path chm = ShippedFolder / NativePath(helpFile);
    const fs::path pages = fs::absolute(chm.parent_path() / "Help");
    const auto answer = [answered, pages](bool opened) { answered({opened, pages}); };
    if (topic.empty() && HasChmViewer.value_or(false) && fs::exists(chm)) {
        OpenFile(chm, answer);
        return;
    }
    const std::string page = topic.empty() ? std::string("index.htm") : std::string(topic);
    OpenFile(pages / page, answer);
}

// The opener ends with a failure code when nothing can open the file. When the desktop is
// none it knows, it waits for the program it started, so its answer may come long after.
// Without the opener, Qt's own search for a launcher is the last resort.
void TQtDesktop::OpenFile(const fs::path& file, std::function<void(bool opened)> answered) {
    const QString absolute = QFileInfo(QFile::decodeName(file.c_str())).absoluteFilePath();
    auto* opener = new QProcess(&Openers);
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished,
                     [opener, answered](int exitCode, QProcess::ExitStatus status) {
                         answered(status == QProcess::NormalExit && exitCode == 0);
                         opener->deleteLater();
                     });
    QObject::connect(opener, &QProcess::errorOccurred,
                     [opener, answered, absolute](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             answered(QDesktopServices::openUrl(QUrl::fromLocalFile(absolute)));
                             opener->deleteLater();
                         }
                     });
    opener->start(Opener.constFirst(), Opener.mid(1) << absolute);
}
