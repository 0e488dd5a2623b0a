#include "QtDesktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "FileSystem.h"
#include "Latin1.h"

namespace {

constexpr int ProbeTimeoutMs = 2000;

bool DesktopCanShowChm() {
    QProcess probe;
    probe.start("xdg-mime", {"query", "default", "application/vnd.ms-htmlhelp"});
    if (!probe.waitForFinished(ProbeTimeoutMs) || probe.exitCode() != 0) {
        return false;
    }
    return !probe.readAllStandardOutput().trimmed().isEmpty();
}

void OpenLocalFile(const std::filesystem::path& file) {
    const QString absolute = QFileInfo(QString::fromStdString(file.string())).absoluteFilePath();
    QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

}  // namespace

void TQtDesktop::OpenUrl(std::string_view url) {
    QDesktopServices::openUrl(QUrl(FromLatin1(url)));
}

void TQtDesktop::OpenHelp(std::string_view helpFile, std::string_view topic) {
    const std::filesystem::path chm = ShippedFolder / NativePath(helpFile);
    if (std::filesystem::exists(chm) && DesktopCanShowChm()) {
        OpenLocalFile(chm);
        return;
    }
    const std::string page = topic.empty() ? std::string("index.htm") : std::string(topic);
    OpenLocalFile(chm.parent_path() / "Help" / page);
}
