#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "platform/QtDesktop.h"
#include "support/GameFolder.h"

namespace {

// A stand-in for the desktop's answer, which takes its time: it counts how often it is
// asked and names a viewer after a while. Nothing reads the answer before the game's loop
// runs again, unless the game waits for it.
QStringList SlowQuery(const TGameFolder& folder) {
    folder.Write("query.sh", "echo asked >> asked\nsleep 0.3\necho xchm.desktop\n");
    return {"sh", QString::fromStdString(folder.Path("query.sh").string())};
}

// A stand-in for xdg-open: it notes the file it is handed, relative to the game folder, and
// ends with the exit code given, as the opener does when it found no program (3) or its
// desktop's own opener failed (4).
QStringList Opener(const TGameFolder& folder, int exitCode) {
    const std::string name = "open" + std::to_string(exitCode) + ".sh";
    folder.Write(name, "printf '%s\\n' \"${1#" + folder.Root.string() + "/}\" >> '" +
                           folder.Path("opened").string() + "'\nexit " + std::to_string(exitCode) +
                           "\n");
    return {"sh", QString::fromStdString(folder.Path(name).string())};
}

// Asks for the help and waits for the desktop's answer.
THelpAnswer AnswerTo(TQtDesktop& desktop, std::string_view topic) {
    std::vector<THelpAnswer> answers;
    desktop.OpenHelp("VyxLinesHelp.chm", topic,
                     [&answers](const THelpAnswer& answer) { answers.push_back(answer); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !answers.empty(); }));
    return answers.empty() ? THelpAnswer{} : answers.front();
}

}  // namespace

TEST(QtDesktop, AsksForTheChmViewerOnceWithoutWaitingForTheAnswer) {
    TGameFolder folder;
    folder.Write("VyxLinesHelp.chm", "help");
    TQtDesktop desktop(SlowQuery(folder), {}, Opener(folder, 0));

    // The question is still open: the pages open in the browser meanwhile.
    EXPECT_TRUE(AnswerTo(desktop, "").Opened);
    EXPECT_EQ(folder.Read("opened"), "Help/index.htm\n");

    EXPECT_TRUE(QTest::qWaitFor([&] {
        AnswerTo(desktop, "");
        return folder.Read("opened").ends_with("\nVyxLinesHelp.chm\n");
    }));
    // A topic opens as its page, the one way a topic can be handed over.
    AnswerTo(desktop, "Program UI.htm");
    EXPECT_TRUE(folder.Read("opened").ends_with("\nHelp/Program UI.htm\n"));
    EXPECT_EQ(folder.Read("asked"), "asked\n");
}

// An installed game's help lies in the folder it is installed in, not in the player's
// folder it runs in.
TEST(QtDesktop, OpensTheHelpFromTheFolderTheGameIsInstalledIn) {
    TGameFolder folder;
    TQtDesktop desktop(SlowQuery(folder), folder.Path("Shipped"), Opener(folder, 0));
    const THelpAnswer answer = AnswerTo(desktop, "Program UI.htm");
    EXPECT_EQ(folder.Read("opened"), "Shipped/Help/Program UI.htm\n");
    EXPECT_EQ(answer.PagesFolder, folder.Path("Shipped\\Help"));
}

// Whether the help could be opened is what the opener's exit says; without the opener at
// all, what Qt's own search for a launcher says (none on a platform without a desktop).
TEST(QtDesktop, AnswersWhetherAnythingCouldOpenTheHelp) {
    TGameFolder folder;
    const std::pair<QStringList, bool> cases[] = {
        {Opener(folder, 0), true},
        {Opener(folder, 3), false},
        {Opener(folder, 4), false},
        {{QString::fromStdString(folder.Path("no-such-opener").string())}, false},
    };
    for (const auto& [opener, opened] : cases) {
        TQtDesktop desktop(SlowQuery(folder), {}, opener);
        const THelpAnswer answer = AnswerTo(desktop, "");
        EXPECT_EQ(answer.Opened, opened) << opener.join(' ').toStdString();
        EXPECT_EQ(answer.PagesFolder, folder.Path("Help"));
    }
}
