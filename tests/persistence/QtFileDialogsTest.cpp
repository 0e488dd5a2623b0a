#include <gtest/gtest.h>

#include <QFileDialog>

#include "QStringPrinting.h"
#include "platform/QtFileDialogs.h"
#include "support/GameFolder.h"
#include "support/ModalDriver.h"

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

}  // namespace

TEST(QtFileDialogs, AskWithTheGamesFilterAndSuffix) {
    TGameFolder folder;
    TQtFileDialogs dialogs;
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
