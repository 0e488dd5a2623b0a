#include <gtest/gtest.h>

#include <QFileDialog>
#include <QHeaderView>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>
#include <QWindow>

#include "platform/QtFileDialogs.h"
#include "support/GameFolder.h"
#include "support/ModalDriver.h"
#include "support/QStringPrinting.h"

namespace {

struct TSeen {
    QString Title;
    QStringList Filters;
    QString Suffix;
    bool ConfirmsOverwrite = true;
    QFileDialog::FileMode Mode = QFileDialog::ExistingFile;
    QFileDialog::AcceptMode Accept = QFileDialog::AcceptOpen;
    QString Folder;
};

// Looks at the next file dialog, then types the name into it and accepts it, or cancels
// it when the name is empty.
void AnswerNextDialog(TSeen& seen, const QString& name) {
    WhenModal<QFileDialog>([&seen, name](QFileDialog& dialog) {
        seen = {dialog.windowTitle(),
                dialog.nameFilters(),
                dialog.defaultSuffix(),
                !dialog.testOption(QFileDialog::DontConfirmOverwrite),
                dialog.fileMode(),
                dialog.acceptMode(),
                dialog.directory().absolutePath()};
        if (name.isEmpty()) {
            dialog.reject();
            return;
        }
        dialog.selectFile(name);
        QMetaObject::invokeMethod(&dialog, "accept");
    });
}

// Qt's file dialog keeps its columns and size in the user's settings and brings them back
// the next time: each test starts from none, and leaves the user's own alone.
class TFreshQtSettings {
public:
    explicit TFreshQtSettings(const TGameFolder& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(folder.Root.string()));
    }
    ~TFreshQtSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    TFreshQtSettings(const TFreshQtSettings&) = delete;
    TFreshQtSettings& operator=(const TFreshQtSettings&) = delete;
};

}  // namespace

TEST(QtFileDialogs, AskWithTheGamesFilterAndSuffix) {
    TGameFolder folder;
    const TFreshQtSettings settings(folder);
    TQtDialogParent parent;
    TQtFileDialogs dialogs(parent);
    const TModalWatchdog watchdog;
    const QString saves = QString::fromStdString(folder.Path("Saves").string());
    TSeen seen;

    AnswerNextDialog(seen, "First");
    EXPECT_EQ(dialogs.AskSave("Save game", "Saves\\"), folder.Path("Saves\\First.lsv").string());
    EXPECT_EQ(seen.Title, "Save game");
    EXPECT_EQ(seen.Filters, QStringList{"Vyx Zeziz saves (*.lsv)"});
    EXPECT_EQ(seen.Suffix, "lsv");
    EXPECT_FALSE(seen.ConfirmsOverwrite);
    EXPECT_EQ(seen.Mode, QFileDialog::AnyFile);
    EXPECT_EQ(seen.Accept, QFileDialog::AcceptSave);
    EXPECT_EQ(seen.Folder, saves);

    // An existing file is taken without a question.
    folder.Write("Saves\\Old.lsv", "old");
    AnswerNextDialog(seen, "Old.lsv");
    EXPECT_EQ(dialogs.AskSave("Save game", "Saves\\"), folder.Path("Saves\\Old.lsv").string());

    // Loading accepts a name that does not exist: the load then simply fails.
    AnswerNextDialog(seen, "Missing.lsv");
    EXPECT_EQ(dialogs.AskOpen("Load game", "Saves\\"), folder.Path("Saves\\Missing.lsv").string());
    EXPECT_EQ(seen.Title, "Load game");
    EXPECT_EQ(seen.Accept, QFileDialog::AcceptOpen);
    EXPECT_EQ(seen.Mode, QFileDialog::AnyFile);
    EXPECT_EQ(seen.Folder, saves);

    AnswerNextDialog(seen, QString());
    EXPECT_EQ(dialogs.AskOpen("Load game", "Saves\\"), std::nullopt);
    AnswerNextDialog(seen, QString());
    EXPECT_EQ(dialogs.AskSave("Save game", "Saves\\"), std::nullopt);
}

// Over the main window, and wide enough that names, sizes and dates show whole.
TEST(QtFileDialogs, ShowEveryColumnWholeOverTheMainWindow) {
    TGameFolder folder;
    const TFreshQtSettings settings(folder);
    folder.Write("Saves\\A long evening with the time-trial.lsv", std::string(378, 'x'));
    QWidget mainWindow;
    mainWindow.show();
    // Whichever window happens to be active, the dialog belongs to the game's.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    TQtDialogParent parent;
    parent.SetMainWindow(&mainWindow);
    TQtFileDialogs dialogs(parent);
    const TModalWatchdog watchdog;

    for (bool saving : {false, true}) {
        WhenModal<QFileDialog>([&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.parentWidget(), &mainWindow);
            EXPECT_EQ(dialog.windowHandle()->transientParent(), mainWindow.windowHandle());
            auto* tree = dialog.findChild<QTreeView*>("treeView");
            ASSERT_NE(tree, nullptr);
            // The widths the contents ask for: public on the base class.
            const QAbstractItemView* view = tree;
            const QHeaderView* header = tree->header();
            // The first column shown cut, once the folder has been read (in the background,
            // the dates last); -1 when all show whole.
            const auto cutColumn = [view, header] {
                if (view->model()->index(0, 3, view->rootIndex()).data().toString().isEmpty()) {
                    return 0;
                }
                for (int column = 0; column < header->count(); ++column) {
                    if (header->sectionSize(column) < view->sizeHintForColumn(column)) {
                        return column;
                    }
                }
                return header->length() > view->viewport()->width() ? header->count() : -1;
            };
            EXPECT_TRUE(QTest::qWaitFor([&] { return cutColumn() < 0; }, 3000))
                << "column " << cutColumn() << " is cut";
            dialog.reject();
        });
        EXPECT_EQ(saving ? dialogs.AskSave("Save game", "Saves\\")
                         : dialogs.AskOpen("Load game", "Saves\\"),
                  std::nullopt);
    }
}
