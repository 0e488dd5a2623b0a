#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QSlider>
#include <set>

#include "GameApp.h"
#include "app/BoardReading.h"
#include "app/PressedCell.h"
#include "app/Translations.h"
#include "dialogs/LeadersBox.h"
#include "dialogs/OptionsBox.h"
#include "persistence/LeadersFile.h"
#include "support/LeadersTableText.h"
#include "support/QStringPrinting.h"

namespace {

// The names of the interface and of all below it, depth first.
void CollectNames(QAccessibleInterface* face, QStringList& names) {
    names << face->text(QAccessible::Name);
    for (int i = 0; i < face->childCount(); ++i) {
        CollectNames(face->child(i), names);
    }
}

QString NameOf(QWidget& parent, const char* objectName) {
    auto* widget = parent.findChild<QWidget*>(QString::fromLatin1(objectName));
    return widget != nullptr
               ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name)
               : QString();
}

}  // namespace

// A screen reader finds what the player sees on the board, and a ball where it moved.
TEST(AccessibleTree, TheBoardReadsAsTheScoreTheClockTheNextBallsAndEveryCell) {
    TGameApp app;
    app.Start();
    app.SetUpBoard({"3........", ".........", ".........", ".........", ".........", ".........",
                    ".........", ".........", "........."});
    app.Logic().Preview.Banks[app.Logic().NextBank == 0 ? 0 : 1] = {2, 5, 1, 4};
    QStringList names;
    CollectNames(QAccessible::queryAccessibleInterface(app.Window.get()), names);
    for (const char* name : {"Board", "Score: 0", "Time: 00:00", "Next balls: colours 2, 5, 1",
                             "Row 1, column 1: ball of colour 3", "Row 9, column 9: empty"}) {
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
    }
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&app.Window->View());
    ASSERT_EQ(board->childCount(), BoardPartCount);
    EXPECT_EQ(board->child(ScorePart)->text(QAccessible::Description), "The points of this game");
    // The cells follow one another as the eye reads the board, row by row.
    EXPECT_TRUE(
        board->child(FirstCellPart + 1)->text(QAccessible::Name).startsWith("Row 1, column 2:"));
    // Each cell lies where a press reaches it.
    for (const auto& [column, row] : {std::pair{0, 0}, {4, 2}, {8, 8}}) {
        const QPoint centre =
            app.Window->View().mapFromGlobal(board->child(CellPart(column, row))->rect().center());
        const std::optional<TBoardCell> hit = HitCell(app.Layout(), centre.x(), centre.y());
        ASSERT_TRUE(hit.has_value());
        EXPECT_EQ(std::pair(hit->Column, hit->Row), std::pair(column, row));
    }

    app.PressCell(0, 0);
    EXPECT_TRUE(app.PassUntil([&] {
        return board->child(CellPart(0, 0))->text(QAccessible::Name) ==
               "Row 1, column 1: ball of colour 3, chosen";
    }));
    app.PressCell(6, 4);
    EXPECT_TRUE(app.PassUntil([&] {
        return board->child(CellPart(6, 4))->text(QAccessible::Name) ==
               "Row 5, column 7: ball of colour 3";
    }));
    EXPECT_EQ(board->child(CellPart(0, 0))->text(QAccessible::Name), "Row 1, column 1: empty");
}

// Each control of the Options dialog says what it sets; the Leaders table reads by rows.
TEST(AccessibleTree, OptionsNameTheirControlsAndLeadersReadAsRows) {
    TGameApp app;
    app.Start();
    TOptionsBox options(app.Game(), TWorldInside::Loader(*app.World), app.Desktop, app.Messages,
                        app.Sound, app.Window.get());
    std::set<QString> names;
    for (const char* control : {"AppearBar", "ChooseBar", "MoveBar", "DelBar", "ChSnd", "MoveSnd",
                                "DelSnd", "ErrSnd", "SkinsList", "ChPic", "EnbleSnd"}) {
        names.insert(NameOf(options, control));
    }
    EXPECT_EQ(names,
              std::set<QString>({"Appear speed", "Choose speed", "Move speed", "Delete speed",
                                 "Sound when a ball is chosen", "Sound when a ball moves",
                                 "Sound when balls vanish", "Sound when a ball cannot go", "Skin",
                                 "Play the choosing sound", "Enable sounds"}));

    TLeadersTable table = TableOfScores({500, 400, 300, 300, 200, 100, 50, 40, 30, 20});
    table[0].Name = "J\xF6rg";
    table[0].Difficulty = DifficultyHard;
    table[0].Time = "12:30";
    ASSERT_TRUE(WriteLeadersTable(table));
    const std::vector<std::pair<QLocale, QString>> firstRows{
        {QLocale::c(), "1. Jörg, 500 points, hard, 12:30"},
        {QLocale(QLocale::German, QLocale::Germany), "1. Jörg, 500 Punkte, schwer, 12:30"}};
    for (const auto& [locale, firstRow] : firstRows) {
        const TTranslations translations(locale);
        TLeadersBox leaders(app.Window.get());
        QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(
            leaders.findChild<QWidget*>(QStringLiteral("LeadersTable")));
        ASSERT_EQ(rows->childCount(), LeadersCount);
        EXPECT_EQ(rows->child(0)->text(QAccessible::Name), firstRow);
        EXPECT_EQ(rows->child(9)->role(), QAccessible::ListItem);
        EXPECT_TRUE(rows->child(9)->text(QAccessible::Name).startsWith("10. "));
    }
}
