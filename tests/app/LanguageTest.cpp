#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <functional>
#include <memory>

#include "GameApp.h"
#include "app/GameTextTemplates.h"
#include "app/MainMenu.h"
#include "app/Translations.h"
#include "dialogs/AboutBox.h"
#include "dialogs/GameOverBox.h"
#include "dialogs/InputBox.h"
#include "dialogs/LeadersBox.h"
#include "dialogs/OptionsBox.h"
#include "platform/TextTranslator.h"
#include "support/QStringPrinting.h"

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

QStringList MenuCaptions(const QLocale& locale) {
    const TTranslations translations(locale);
    QMenuBar bar;
    const TMainMenu menu = BuildMainMenu(bar);
    QStringList captions;
    for (QAction* action : bar.actions()) {
        captions << action->text();
    }
    captions << menu.NewTimeTrialAction->text() << menu.AutosaveAction->text();
    return captions;
}

QString Shown(const QLocale& locale, std::string_view text) {
    const TTranslations translations(locale);
    return TTextTranslator(GameTextTemplates()).Translate(text);
}

// Qt's own words, as its message boxes and file dialogs show them.
QStringList ToolkitWords(const QLocale& locale) {
    const TTranslations translations(locale);
    QMessageBox box(QMessageBox::Warning, "", "", QMessageBox::Yes | QMessageBox::No);
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptOpen);
    auto* open = files.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
    return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(), open->text(),
            files.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text()};
}

// The room a control has for its words: its own width, as far as its parent shows it.
int Room(const QWidget& control) {
    return std::min(control.width(), control.parentWidget()->width() - control.x());
}

// Every label and button of the dialog shows its words whole.
void ExpectWordsFit(QDialog& dialog) {
    constexpr int ButtonPadding = 12;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            EXPECT_LE(label->sizeHint().width(), Room(*label)) << label->text().toStdString();
        }
    }
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        const QString words = QString(button->text()).remove(u'&');
        const int needed = button->fontMetrics().horizontalAdvance(words) + ButtonPadding;
        EXPECT_LE(needed, Room(*button)) << words.toStdString();
    }
    for (const QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        EXPECT_LE(box->sizeHint().width(), Room(*box)) << box->text().toStdString();
    }
}

}  // namespace

// The dialogs keep their fixed sizes in every language: no translation may cut a word. Their
// titles show the language.
TEST(Language, EveryDialogShowsItsWordsWholeInEnglishAndGerman) {
    TGameApp app;
    app.Start();
    const std::vector<std::pair<QLocale, QStringList>> titles{
        {QLocale::c(), {"Options", "Leaders", "Enter your name ", "Vyx Zeziz", "About"}},
        {German, {"Optionen", "Bestenliste", "Name eingeben", "Vyx Zeziz", "Über"}}};
    for (const auto& [locale, expected] : titles) {
        const TTranslations translations(locale);
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.push_back(
            std::make_unique<TOptionsBox>(app.Game(), TWorldInside::Loader(*app.World), app.Desktop,
                                          app.Messages, app.Sound, app.Window.get()));
        dialogs.push_back(std::make_unique<TLeadersBox>(app.Window.get()));
        dialogs.push_back(std::make_unique<TInputBox>(app.Game(), app.Messages, app.Window.get()));
        dialogs.push_back(std::make_unique<TGameOverBox>(app.Window.get()));
        dialogs.push_back(std::make_unique<TAboutBox>(app.Window.get(), app.Desktop));
        QStringList shown;
        for (const auto& dialog : dialogs) {
            SCOPED_TRACE(dialog->windowTitle().toStdString());
            ExpectWordsFit(*dialog);
            shown << dialog->windowTitle();
        }
        EXPECT_EQ(shown, expected);
    }
}

// The player's locale chooses Qt's words and the game's; without a translation, and in the
// "C" locale of LANG=C, every text is the game's English to the byte, a Latin-1 file name
// within it included.
TEST(Language, GermanForAGermanPlayerAndTheGamesEnglishOtherwise) {
    EXPECT_EQ(ToolkitWords(German), QStringList({"&Ja", "&Nein", "&Öffnen", "Abbrechen"}));
    EXPECT_EQ(MenuCaptions(German),
              QStringList({"&Spiel", "&Optionen", "&Bestenliste", "&Hilfe", "Neu [&Zeitspiel]",
                           "Jeden Zug automatisch &speichern"}));
    const std::vector<std::pair<std::string, QString>> german{
        {"Can not find skin!", "Der Skin wurde nicht gefunden!"},
        {"Vyx Zeziz - Time-trial [Level 12]", "Vyx Zeziz - Zeitspiel [Level 12]"},
        // The parts are placed anew, and a part that is a game text itself is translated.
        {"Vyx Zeziz cannot keep your settings, autosave and leaders table:\nthe folder "
         "/home/j\xF6rg "
         "cannot be written (leaders.dat cannot be made).\n\nYou can play, but what changes in "
         "this "
         "session is lost when the game closes.",
         "Vyx Zeziz kann Ihre Einstellungen, den automatischen Spielstand und die Bestenliste "
         "nicht "
         "aufbewahren:\nin den Ordner /home/jörg kann nicht geschrieben werden (leaders.dat kann "
         "nicht angelegt werden).\n\nSie können spielen, aber was sich in dieser Sitzung ändert, "
         "geht beim Beenden des Spiels verloren."},
        // Characters that Latin-1 lacks reach the screen.
        {"Cannot load the picture \"Gfx\\Cache\\%2.bmp\": the file is missing or is not a "
         "readable bitmap.",
         "Das Bild „Gfx\\Cache\\%2.bmp“ kann nicht geladen werden: Die Datei fehlt oder ist keine "
         "lesbare Bitmap."},
        {"Can not save game to\n/tmp/a%2:\nb.lsv:\nNo space left on device.",
         "Der Spielstand kann nicht gespeichert werden in\n/tmp/a%2:\nb.lsv:\nNo space left on "
         "device."},
    };
    for (const auto& [english, translated] : german) {
        EXPECT_EQ(Shown(German, english), translated) << english;
    }

    EXPECT_EQ(ToolkitWords(QLocale::c()), QStringList({"&Yes", "&No", "&Open", "Cancel"}));
    for (const QLocale& untranslated : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
        EXPECT_EQ(MenuCaptions(untranslated), QStringList({"&Game", "&Options", "Lea&ders", "&Help",
                                                           "Ne&w [Time-trial]", "A&utosave Turn"}));
        for (const auto& [english, translated] : german) {
            EXPECT_EQ(Shown(untranslated, english), QString::fromLatin1(english)) << english;
        }
        EXPECT_EQ(Shown(untranslated, "Name j\xF6rg"), "Name jörg");
    }
}
