#include "InputBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtGlobal>

#include "LeadersBox.h"
#include "persistence/LeaderName.h"
#include "persistence/LeadersFile.h"
#include "platform/Latin1.h"

namespace {

constexpr std::string_view TooLongText = QT_TRANSLATE_NOOP(
    "GameText", "Input field must have less than 17 characters.\nReenter name, please");
constexpr std::string_view BadSymbolText =
    QT_TRANSLATE_NOOP("GameText", "Invalid symbol:'/'. Reenter name, please");
constexpr std::string_view NotLatin1Text = QT_TRANSLATE_NOOP(
    "GameText",
    "Invalid symbol: the leaders table keeps only Western European letters and signs.\n"
    "Reenter name, please");
constexpr std::string_view InputErrorCaption = QT_TRANSLATE_NOOP("GameText", "Input error");
constexpr std::string_view ErrorCaption = QT_TRANSLATE_NOOP("GameText", "Error");

}  // namespace

TInputBox::TInputBox(const TGame& game, TMessageBoxes& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      Game(game),
      Messages(messages) {
    setWindowTitle(tr("Enter your name "));
    setFixedSize(236, 113);

    InputPlace = new QLineEdit(this);
    InputPlace->setObjectName(QStringLiteral("InputPlace"));
    InputPlace->setGeometry(40, 32, 169, 21);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("InputOK"));
    ok->setGeometry(80, 72, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TInputBox::InputOKClick);
}

void TInputBox::reject() {
    InputOKClick();
}

void TInputBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    InputPlace->setFocus();
}

void TInputBox::InputOKClick() {
    if (Closing) {
        return;
    }
    const QString typed = InputPlace->text();
    const std::string text = ToLatin1(typed);
    switch (CheckLeaderName(text)) {
        case TNameCheck::TooLong:
            Refuse(TooLongText);
            return;
        case TNameCheck::BadSymbol:
            Refuse(BadSymbolText);
            return;
        case TNameCheck::Empty:
        case TNameCheck::OnlyBlanks:
        case TNameCheck::Valid:
            break;
    }
    // The leaders table holds Latin-1 alone, and a name is never changed to fit it.
    if (!HoldsInLatin1(typed)) {
        Refuse(NotLatin1Text);
        return;
    }
    Closing = true;
    if (const TWriteResult written = InsertLeader(Game, RecordedLeaderName(text)); !written) {
        Messages.Show(LeadersFailedText(written), ErrorCaption, TMessageIcon::Error,
                      TMessageButtons::Ok);
    }
    {
        TLeadersBox leaders(this);
        leaders.exec();
    }
    accept();
}

void TInputBox::Refuse(std::string_view text) {
    Messages.Show(text, InputErrorCaption, TMessageIcon::Warning, TMessageButtons::Ok);
    InputPlace->setFocus();
}
