#include "QtDesktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "FileSystem.h"
#include "Latin1.h"

namespace {

void OpenLocalFile(const std::filesystem::path& file) {
    const QString absolute = QFileInfo(QString::fromStdString(file.string())).absoluteFilePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

}  // namespace

TQtDesktop::TQtDesktop(std::filesystem::path shippedFolder)
    : TQtDesktop({"xdg-mime", "query", "default", "application/vnd.ms-htmlhelp"},
                 std::move(shippedFolder)) {}

TQtDesktop::TQtDesktop(const QStringList& query, std::filesystem::path shippedFolder)
    : ShippedFolder(std::move(shippedFolder)) {
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

// A question still open at exit is cut short rather than waited for.
TQtDesktop::~TQtDesktop() {
    if (Query.state() != QProcess::NotRunning) {
        Query.kill();
        Query.waitForFinished();
    }
}

void TQtDesktop::OpenUrl(std::string_view url) {
    QDesktopServices::openUrl(QUrl(FromLatin1(url)));
}

void TQtDesktop::OpenHelp(std::string_view helpFile, std::string_view topic) {
    const std::filesystem::path chm = ShippedFolder / NativePath(helpFile);
    if (topic.empty() && HasChmViewer.value_or(false) && std::filesystem::exists(chm)) {
        OpenLocalFile(chm);
        return;
    }
    const std::string page = topic.empty() ? std::string("index.htm") : std::string(topic);
    OpenLocalFile(chm.parent_path() / "Help" / page);
}
