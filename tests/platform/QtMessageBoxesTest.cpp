#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include "platform/QtMessageBoxes.h"
#include "support/ModalDriver.h"

namespace {

struct TSeenBox {
    QWidget* Parent = nullptr;
    QWindow* TransientParent = nullptr;
    int Width = 0;
    int CaptionWidth = 0;
};

// Looks at the next message box and answers it with the given button.
void AnswerNextBox(TSeenBox& seen, QMessageBox::StandardButton answer) {
    WhenModal<QMessageBox>([&seen, answer](QMessageBox& box) {
        QFont bold = box.font();
        bold.setBold(true);
        seen = {box.parentWidget(), box.windowHandle()->transientParent(), box.width(),
                QFontMetrics(bold).horizontalAdvance(box.windowTitle())};
        box.button(answer)->click();
    });
}

}  // namespace

TEST(QtMessageBoxes, BelongToTheWindowThatAsksAndShowTheirWholeCaption) {
    const TModalWatchdog watchdog;
    TQtDialogParent parent;
    TQtMessageBoxes messages(parent);
    TSeenBox seen;

    // Before the main window shows, a box stands alone; a short text does not cut the
    // caption down to a few letters.
    QWidget mainWindow;
    parent.SetMainWindow(&mainWindow);
    AnswerNextBox(seen, QMessageBox::Ok);
    EXPECT_EQ(
        messages.Show("Can not find skin!", "VyxLines", TMessageIcon::None, TMessageButtons::Ok),
        TMessageAnswer::Ok);
    EXPECT_EQ(seen.Parent, nullptr);
    // Beside the caption, a title bar holds the window manager's icon and buttons.
    EXPECT_GE(seen.Width, seen.CaptionWidth + 100);

    // Whichever window happens to be active, the box belongs to the game's.
    mainWindow.show();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    AnswerNextBox(seen, QMessageBox::No);
    EXPECT_EQ(messages.Show("It will interrupt current game!\nAre you really  wish this?",
                            "Vyx Zeziz", TMessageIcon::Exclamation, TMessageButtons::YesNo),
              TMessageAnswer::No);
    EXPECT_EQ(seen.Parent, &mainWindow);
    EXPECT_EQ(seen.TransientParent, mainWindow.windowHandle());

    // Asked from a modal dialog, the box belongs to that dialog, which belongs to the main
    // window.
    QDialog dialog(&mainWindow);
    TMessageAnswer answer = TMessageAnswer::No;
    WhenModal<QDialog>([&](QDialog& open) {
        AnswerNextBox(seen, QMessageBox::Yes);
        answer = messages.Show("Question", "Vyx Zeziz", TMessageIcon::None, TMessageButtons::YesNo);
        open.accept();
    });
    dialog.exec();
    EXPECT_EQ(answer, TMessageAnswer::Yes);
    EXPECT_EQ(seen.Parent, &dialog);
    EXPECT_EQ(seen.TransientParent, dialog.windowHandle());
}
