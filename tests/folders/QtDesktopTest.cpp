#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <filesystem>

#include "platform/QtDesktop.h"

namespace {

class TUrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Catch(const QUrl& url) { Urls.append(url); }
};

}  // namespace

// The help opens from the folder the game is installed in, not from wherever the game runs.
TEST(QtDesktop, OpensTheHelpFromTheShippedFolder) {
    TUrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Catch");
    const std::filesystem::path shipped = "/opt/vyx/share/vyx-zeziz";
    TQtDesktop(shipped).OpenHelp("VyxLinesHelp.chm", "Program UI.htm");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.Urls.size(), 1);
    EXPECT_EQ(catcher.Urls.front().toLocalFile().toStdString(),
              (shipped / "Help" / "Program UI.htm").string());
}

#include "QtDesktopTest.moc"
