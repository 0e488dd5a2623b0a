#include "LeadersBox.h"

#include <QAccessible>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <string>
#include <utility>

#include "LeadersAccessible.h"
#include "platform/Latin1.h"

namespace {

constexpr int ClientWidth = 369;
constexpr int ClientHeight = 339;
constexpr int HeadingFontHeight = 16;
constexpr int ValueFontHeight = 13;
constexpr int ValueHeight = 16;

// Places inside the table frame.
constexpr int HeadingTop = 8;
constexpr int HeadingHeight = 20;
constexpr std::array<int, LeadersCount> RowTops{40, 67, 93, 118, 144, 168, 192, 218, 242, 267};
constexpr int NumberLeft = 12;
constexpr int WideNumberLeft = 4;  // "10" reaches further left
constexpr int PlayerLeft = 40;
constexpr int LevelLeft = 164;
constexpr int TimeLeft = 245;
constexpr int ScoreLeft = 304;
// The etched lines between the columns.
constexpr std::array<int, 4> ColumnLines{34, 158, 238, 298};

QFont FontOfHeight(int pixels) {
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

// The frame of the table, divided by etched lines into a heading row and ten rows, and
// into the five columns.
class TLeadersFrame : public QFrame {
public:
    explicit TLeadersFrame(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Box | QFrame::Sunken);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const int inset = frameWidth() + 1;
        int previousBottom = HeadingTop + HeadingHeight;
        for (int top : RowTops) {
            const int y = (previousBottom + top) / 2;
            DrawEtched(painter, QPoint(inset, y), QPoint(width() - 1 - inset, y), QPoint(0, 1));
            previousBottom = top + ValueHeight;
        }
        for (int x : ColumnLines) {
            DrawEtched(painter, QPoint(x, inset), QPoint(x, height() - 1 - inset), QPoint(1, 0));
        }
    }

private:
    void DrawEtched(QPainter& painter, QPoint from, QPoint to, QPoint shift) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(from, to);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(from + shift, to + shift);
    }
};

// Names come from a file the player may edit: they are shown as plain text, never as markup.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, QRect place,
                 const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setGeometry(place);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

}  // namespace

std::optional<std::string_view> DifficultyWord(int32_t difficulty) {
    switch (difficulty) {
        case DifficultyEasy:
            return QT_TRANSLATE_NOOP("TLeadersBox", "  easy");
        case DifficultyMedium:
            return QT_TRANSLATE_NOOP("TLeadersBox", "medium");
        case DifficultyHard:
            return QT_TRANSLATE_NOOP("TLeadersBox", "  hard");
        default:
            return std::nullopt;
    }
}

TLeadersBox::TLeadersBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("Leaders"));
    setFixedSize(ClientWidth, ClientHeight);

    auto* frame = new TLeadersFrame(this);
    frame->setGeometry(8, 8, 353, 289);
    // Naming a widget makes its accessible face: the factory must be there first.
    QAccessible::installFactory(LeadersAccessible);
    frame->setObjectName(QStringLiteral("LeadersTable"));
    frame->setAccessibleName(tr("Leaders table"));

    const QFont headingFont = FontOfHeight(HeadingFontHeight);
    const QFont valueFont = FontOfHeight(ValueFontHeight);
    const std::array<std::pair<QString, int>, 5> headings{{{tr("NN"), 6},
                                                           {tr("Player"), 66},
                                                           {tr("Level"), 164},
                                                           {tr("Time"), 244},
                                                           {tr("Score"), 304}}};
    for (const auto& [text, left] : headings) {
        AddLabel(frame, QString(), text, QRect(left, HeadingTop, 60, HeadingHeight), headingFont);
    }

    for (int row = 0; row < LeadersCount; ++row) {
        const int top = RowTops[row];
        const QString number = QString::number(row + 1);
        AddLabel(frame, QStringLiteral("Num") + number, number,
                 QRect(row + 1 < 10 ? NumberLeft : WideNumberLeft, top, 24, ValueHeight),
                 valueFont);
        Players[row] = AddLabel(
            frame, QStringLiteral("Player") + number, QString(),
            QRect(PlayerLeft, top, ColumnLines[1] - 2 - PlayerLeft, ValueHeight), valueFont);
        Difficulties[row] = AddLabel(frame, QStringLiteral("diff") + number, tr("medium"),
                                     QRect(LevelLeft, top, 70, ValueHeight), valueFont);
        Times[row] = AddLabel(frame, QStringLiteral("time") + number, QStringLiteral("00:00"),
                              QRect(TimeLeft, top, 50, ValueHeight), valueFont);
        Scores[row] = AddLabel(frame, QStringLiteral("score") + number, QStringLiteral("0"),
                               QRect(ScoreLeft, top, 46, ValueHeight), valueFont);
    }

    QPushButton* ok = AddButton(this, "LeadersOK", tr("OK"), QRect(288, 304, 75, 25));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* erase = AddButton(this, "Erase", tr("Default"), QRect(8, 304, 65, 25));
    connect(erase, &QPushButton::clicked, this, &TLeadersBox::EraseClick);

    ShowTable();
}

void TLeadersBox::ShowTable() {
    const TLeadersTable table = ReadLeadersTable();
    for (int row = 0; row < LeadersCount; ++row) {
        const TLeaderEntry& entry = table[row];
        Players[row]->setText(FromLatin1(entry.Name));
        if (const std::optional<std::string_view> word = DifficultyWord(entry.Difficulty)) {
            Difficulties[row]->setText(tr(std::string(*word).c_str()));
        }
        Times[row]->setText(FromLatin1(entry.Time));
        Scores[row]->setText(QString::number(entry.Score));
    }
}

void TLeadersBox::EraseClick() {
    RestoreDefaultLeaders();
    ShowTable();
}
