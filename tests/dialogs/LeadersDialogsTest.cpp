#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "dialogs/InputBox.h"
#include "dialogs/LeadersBox.h"
#include "dialogs/LeadersCheck.h"
#include "support/FileSizeLimit.h"
#include "support/GameFolder.h"
#include "support/LeadersTableText.h"
#include "support/ModalDriver.h"
#include "support/QStringPrinting.h"
#include "support/RecordingMessageBoxes.h"

namespace {

const char* const TooLongText =
    "Input field must have less than 17 characters.\nReenter name, please";
const char* const BadSymbolText = "Invalid symbol:'/'. Reenter name, please";
const char* const NotLatin1Text =
    "Invalid symbol: the leaders table keeps only Western European letters and signs.\n"
    "Reenter name, please";

template <typename T>
T& Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        ADD_FAILURE() << "no control " << name;
        throw std::runtime_error(name);
    }
    return *child;
}

QString LabelText(QWidget& parent, const char* name) {
    return Child<QLabel>(parent, name).text();
}

TLeadersTable SampleTable() {
    TLeadersTable table = TableOfScores({500, 400, 300, 300, 200, 100, 50, 40, 30, 20});
    table[0].Name = "J\xF6rg";
    table[1].Name = "<b>bold";
    return table;
}

TGame FinishedGame(uint32_t score, uint32_t difficulty, std::string_view clock) {
    TGame game;
    game.Score = score;
    game.Difficulty = difficulty;
    game.TimeText = clock;
    return game;
}

}  // namespace

TEST(LeadersBox, ShowsTheTableInItsRows) {
    TGameFolder folder;
    ASSERT_TRUE(WriteLeadersTable(SampleTable()));
    TLeadersBox box;
    EXPECT_EQ(box.windowTitle(), "Leaders");
    EXPECT_EQ(box.size(), QSize(369, 339));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());

    EXPECT_EQ(LabelText(box, "Player1"), QString::fromUtf8("J\u00F6rg"));
    EXPECT_EQ(LabelText(box, "Player2"), "<b>bold");
    EXPECT_EQ(Child<QLabel>(box, "Player2").textFormat(), Qt::PlainText);
    EXPECT_EQ(LabelText(box, "diff1"), "  easy");
    EXPECT_EQ(LabelText(box, "diff2"), "medium");
    EXPECT_EQ(LabelText(box, "diff3"), "  hard");
    EXPECT_EQ(LabelText(box, "time1"), "00:10");
    EXPECT_EQ(LabelText(box, "score1"), "500");
    EXPECT_EQ(LabelText(box, "Player10"), "P10");
    EXPECT_EQ(LabelText(box, "score10"), "20");
    EXPECT_EQ(LabelText(box, "Num1"), "1");
    EXPECT_EQ(LabelText(box, "Num10"), "10");

    // An unknown difficulty leaves its label as it was.
    TLeadersTable odd = SampleTable();
    odd[2].Difficulty = 7;
    ASSERT_TRUE(WriteLeadersTable(odd));
    box.ShowTable();
    EXPECT_EQ(LabelText(box, "diff3"), "  hard");

    // The places of the controls, inside the table frame.
    QWidget* frame = Child<QLabel>(box, "Num1").parentWidget();
    EXPECT_EQ(frame->geometry(), QRect(8, 8, 353, 289));
    const int rowTops[] = {40, 67, 93, 118, 144, 168, 192, 218, 242, 267};
    for (int row = 1; row <= 10; ++row) {
        const std::string n = std::to_string(row);
        const int top = rowTops[row - 1];
        EXPECT_EQ(Child<QLabel>(box, ("Num" + n).c_str()).pos(), QPoint(row < 10 ? 12 : 4, top));
        EXPECT_EQ(Child<QLabel>(box, ("Player" + n).c_str()).pos(), QPoint(40, top));
        EXPECT_EQ(Child<QLabel>(box, ("diff" + n).c_str()).pos(), QPoint(164, top));
        EXPECT_EQ(Child<QLabel>(box, ("time" + n).c_str()).pos(), QPoint(245, top));
        EXPECT_EQ(Child<QLabel>(box, ("score" + n).c_str()).pos(), QPoint(304, top));
    }
    const int valueHeight = Child<QLabel>(box, "score1").font().pixelSize();
    for (const QLabel* label : frame->findChildren<QLabel*>()) {
        if (label->objectName().isEmpty()) {  // the column headings
            EXPECT_EQ(label->font().pixelSize(), 16) << label->text().toStdString();
            EXPECT_GT(label->font().pixelSize(), valueHeight);
        }
    }
    EXPECT_EQ(Child<QPushButton>(box, "LeadersOK").geometry(), QRect(288, 304, 75, 25));
    EXPECT_EQ(Child<QPushButton>(box, "LeadersOK").text(), "OK");
    EXPECT_EQ(Child<QPushButton>(box, "Erase").geometry(), QRect(8, 304, 65, 25));
    EXPECT_EQ(Child<QPushButton>(box, "Erase").text(), "Default");

    box.show();
    Child<QPushButton>(box, "LeadersOK").click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(LeadersBox, DefaultPutsTheStartingTableBackAtOnce) {
    TGameFolder folder;
    ASSERT_TRUE(WriteLeadersTable(SampleTable()));
    TLeadersBox box;
    box.show();

    // Without a starting table nothing is lost.
    Child<QPushButton>(box, "Erase").click();
    EXPECT_EQ(LabelText(box, "score1"), "500");
    EXPECT_EQ(ReadLeadersTable(), SampleTable());

    folder.Write("Def\\leaders.dat", AnonymousFile);
    Child<QPushButton>(box, "Erase").click();
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(folder.Read("leaders.dat"), AnonymousFile);
    for (int row = 1; row <= 10; ++row) {
        const std::string n = std::to_string(row);
        EXPECT_EQ(LabelText(box, ("Player" + n).c_str()), "Anonymous");
        EXPECT_EQ(LabelText(box, ("diff" + n).c_str()), "medium");
        EXPECT_EQ(LabelText(box, ("time" + n).c_str()), "00:00");
        EXPECT_EQ(LabelText(box, ("score" + n).c_str()), "0");
    }
}

TEST(InputBox, RefusesBadNamesAndStaysOpen) {
    TGameFolder folder;
    ASSERT_TRUE(WriteLeadersTable(SampleTable()));
    const std::string table = folder.Read("leaders.dat");
    QWidget mainWindow;
    TRecordingMessageBoxes messages;
    const TGame game = FinishedGame(300, DifficultyMedium, "0100");
    TInputBox box(game, messages, &mainWindow);
    // A name taken by mistake opens the Leaders dialog: it fails the test, not hangs it.
    const TModalWatchdog watchdog;

    EXPECT_EQ(box.windowTitle(), "Enter your name ");
    EXPECT_EQ(box.size(), QSize(236, 113));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(box.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(box.windowFlags() & Qt::CustomizeWindowHint);
    QLineEdit& input = Child<QLineEdit>(box, "InputPlace");
    QPushButton& ok = Child<QPushButton>(box, "InputOK");
    EXPECT_EQ(input.geometry(), QRect(40, 32, 169, 21));
    EXPECT_EQ(ok.geometry(), QRect(80, 72, 75, 25));
    EXPECT_EQ(ok.text(), "OK");

    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_TRUE(input.text().isEmpty());
    EXPECT_TRUE(input.hasFocus());

    struct TCase {
        QString Text;
        const char* Message;
    };
    // The leaders table keeps Latin-1 alone: a name it cannot hold is refused, never changed.
    const TCase cases[] = {
        {QString(17, 'a'), TooLongText},
        {QStringLiteral("seventeen/chars!!"), TooLongText},
        {QString(40, ' '), TooLongText},
        {QStringLiteral("/Ann"), BadSymbolText},
        {QStringLiteral("An/n"), BadSymbolText},
        {QStringLiteral("Ann/"), BadSymbolText},
        {QString::fromUtf8("\xC5\x81ukasz \xE5\xBC\xA0\xE4\xBC\x9F"), NotLatin1Text},
        {QString::fromUtf8("  \xE2\x82\xAC"), NotLatin1Text},
        {QString::fromUtf8("\xC5\x81/"), BadSymbolText},
    };
    for (const TCase& test : cases) {
        messages.Shown.clear();
        input.setText(test.Text);
        ok.setFocus();
        ok.click();
        ASSERT_EQ(messages.Shown.size(), 1u) << test.Text.toStdString();
        EXPECT_EQ(messages.Shown[0].Text, test.Message);
        EXPECT_EQ(messages.Shown[0].Caption, "Input error");
        EXPECT_EQ(messages.Shown[0].Icon, TMessageIcon::Warning);
        EXPECT_EQ(messages.Shown[0].Buttons, TMessageButtons::Ok);
        EXPECT_TRUE(box.isVisible());
        EXPECT_EQ(input.text(), test.Text);
        EXPECT_TRUE(input.hasFocus());
    }

    // Escape and the window's close run the same checks.
    messages.Shown.clear();
    QTest::keyClick(&input, Qt::Key_Escape);
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(box.close());
    EXPECT_TRUE(box.isVisible());
    ASSERT_EQ(messages.Shown.size(), 2u);
    EXPECT_EQ(messages.Shown[0].Text, BadSymbolText);
    EXPECT_EQ(messages.Shown[1].Text, BadSymbolText);

    EXPECT_EQ(folder.Read("leaders.dat"), table);
}

TEST(LeadersCheck, AQualifyingGameIsRecordedAndShown) {
    TGameFolder folder;
    ASSERT_TRUE(WriteLeadersTable(SampleTable()));
    QWidget mainWindow;
    TRecordingMessageBoxes messages;
    TGame game = FinishedGame(300, DifficultyHard, "0407");
    const TModalWatchdog watchdog;

    QPointer<TInputBox> inputBox;
    QStringList shownRow;
    bool inputOpenWhileShown = false;
    mainWindow.setGeometry(300, 200, 600, 500);
    mainWindow.show();
    WhenModal<TInputBox>([&](TInputBox& input) {
        inputBox = &input;
        EXPECT_EQ(input.parentWidget(), &mainWindow);
        const QPoint offCentre = input.geometry().center() - mainWindow.geometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << " " << offCentre.y();
        EXPECT_EQ(input.focusWidget(), &Child<QLineEdit>(input, "InputPlace"));
        WhenModal<TLeadersBox>([&](TLeadersBox& leaders) {
            for (const char* name : {"Num3", "Player3", "diff3", "time3", "score3", "Player4"}) {
                shownRow << LabelText(leaders, name);
            }
            inputOpenWhileShown = input.isVisible();
            Child<QPushButton>(leaders, "LeadersOK").click();
        });
        QTest::keyClicks(&Child<QLineEdit>(input, "InputPlace"), " Ann Lee ");
        Child<QPushButton>(input, "InputOK").click();
    });
    LeadersCheck(game, &mainWindow, messages);

    EXPECT_EQ(shownRow, (QStringList{"3", " Ann Lee ", "  hard", "04:07", "300", "P3"}));
    EXPECT_TRUE(inputOpenWhileShown);
    EXPECT_TRUE(inputBox.isNull());  // the name dialog is gone
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(ReadLeadersTable()[2], (TLeaderEntry{300, 2, "04:07", " Ann Lee "}));
    EXPECT_EQ(ReadLeadersTable()[9].Name, "P9");
}

// A table that cannot be written (here: a file may not grow past 64 bytes) is told with the
// file and the system's reason; the old table stays and is shown, and the game goes on.
TEST(LeadersCheck, ATableThatCannotBeWrittenIsToldAndKeptAsItWas) {
    TGameFolder folder;
    ASSERT_TRUE(WriteLeadersTable(SampleTable()));
    const std::string table = folder.Read("leaders.dat");
    TRecordingMessageBoxes messages;
    const TModalWatchdog watchdog;
    bool leadersShown = false;
    WhenModal<TInputBox>([&](TInputBox& input) {
        WhenModal<TLeadersBox>([&](TLeadersBox& leaders) {
            leadersShown = true;
            leaders.close();
        });
        Child<QLineEdit>(input, "InputPlace").setText("Ann");
        Child<QPushButton>(input, "InputOK").click();
    });
    {
        const TFileSizeLimit limit(64);
        LeadersCheck(FinishedGame(300, DifficultyHard, "0407"), nullptr, messages);
    }

    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Caption, "Error");
    EXPECT_EQ(messages.Shown[0].Text, "Can not save leaders table to\n" +
                                          folder.Path("leaders.dat").string() +
                                          ":\nFile too large.");
    EXPECT_TRUE(leadersShown);
    EXPECT_EQ(folder.Read("leaders.dat"), table);
}

TEST(LeadersCheck, TheNameDialogClosesOnlyOnAnAcceptedName) {
    TGameFolder folder;  // no leaders file: ten empty places
    QWidget mainWindow;
    TRecordingMessageBoxes messages;
    TGame game = FinishedGame(0, DifficultyEasy, "0001");
    const TModalWatchdog watchdog;

    WhenModal<TInputBox>([&](TInputBox& input) {
        QLineEdit& field = Child<QLineEdit>(input, "InputPlace");
        field.setText("a/b");
        QTest::keyClick(&field, Qt::Key_Escape);
        EXPECT_EQ(messages.Shown.size(), 1u);
        EXPECT_TRUE(input.isVisible());

        WhenModal<TLeadersBox>([](TLeadersBox& leaders) { leaders.close(); });
        field.setText("   ");
        input.close();
    });
    LeadersCheck(game, &mainWindow, messages);

    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, BadSymbolText);
    TLeadersTable expected;
    expected[0] = {0, 0, "00:01", "Anonymous"};
    EXPECT_EQ(ReadLeadersTable(), expected);
}

TEST(LeadersCheck, ALowScoreAsksNothing) {
    TGameFolder folder;
    ASSERT_TRUE(WriteLeadersTable(SampleTable()));
    const std::string table = folder.Read("leaders.dat");
    QWidget mainWindow;
    TRecordingMessageBoxes messages;
    TGame game = FinishedGame(19, DifficultyHard, "0407");
    const TModalWatchdog watchdog;

    LeadersCheck(game, &mainWindow, messages);
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(folder.Read("leaders.dat"), table);
}
