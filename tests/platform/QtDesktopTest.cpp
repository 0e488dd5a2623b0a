#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "platform/QtDesktop.h"
#include "support/GameFolder.h"

namespace {

// Takes the files the desktop would open, instead of a viewer or browser.
class TOpenedFiles : public QObject {
    Q_OBJECT

public:
    TOpenedFiles() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~TOpenedFiles() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    TOpenedFiles(const TOpenedFiles&) = delete;
    TOpenedFiles& operator=(const TOpenedFiles&) = delete;

    // The last file opened, relative to the game folder.
    std::string Last(const TGameFolder& folder) const {
        return Files.empty() ? std::string()
                             : std::filesystem::relative(Files.back(), folder.Root).string();
    }

    std::vector<std::filesystem::path> Files;

public slots:
    void Open(const QUrl& url) { Files.emplace_back(url.toLocalFile().toStdString()); }
};

// A stand-in for the desktop's answer, which takes its time: it counts how often it is
// asked and names a viewer after a while. Nothing reads the answer before the game's loop
// runs again, unless the game waits for it.
QStringList SlowQuery(const TGameFolder& folder) {
    folder.Write("query.sh", "echo asked >> asked\nsleep 0.3\necho xchm.desktop\n");
    return {"sh", QString::fromStdString(folder.Path("query.sh").string())};
}

}  // namespace

TEST(QtDesktop, AsksForTheChmViewerOnceWithoutWaitingForTheAnswer) {
    TGameFolder folder;
    folder.Write("VyxLinesHelp.chm", "help");
    TOpenedFiles opened;
    TQtDesktop desktop(SlowQuery(folder));

    // The question is still open: the pages open in the browser meanwhile.
    desktop.OpenHelp("VyxLinesHelp.chm", "");
    EXPECT_EQ(opened.Last(folder), "Help/index.htm");

    EXPECT_TRUE(QTest::qWaitFor([&] {
        desktop.OpenHelp("VyxLinesHelp.chm", "");
        return opened.Last(folder) == "VyxLinesHelp.chm";
    }));
    // A topic opens as its page, the one way a topic can be handed over.
    desktop.OpenHelp("VyxLinesHelp.chm", "Program UI.htm");
    EXPECT_EQ(opened.Last(folder), "Help/Program UI.htm");
    EXPECT_EQ(folder.Read("asked"), "asked\n");
}

// An installed game's help lies in the folder it is installed in, not in the player's
// folder it runs in.
TEST(QtDesktop, OpensTheHelpFromTheFolderTheGameIsInstalledIn) {
    TGameFolder folder;
    TOpenedFiles opened;
    TQtDesktop desktop(SlowQuery(folder), folder.Path("Shipped"));
    desktop.OpenHelp("VyxLinesHelp.chm", "Program UI.htm");
    EXPECT_EQ(opened.Last(folder), "Shipped/Help/Program UI.htm");
}

#include "QtDesktopTest.moc"
