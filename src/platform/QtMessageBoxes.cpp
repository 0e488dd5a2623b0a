#include "QtMessageBoxes.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

QMessageBox::Icon ToQtIcon(TMessageIcon icon) {
    switch (icon) {
        case TMessageIcon::Error:
        case TMessageIcon::Stop:
            return QMessageBox::Critical;
        case TMessageIcon::Warning:
        case TMessageIcon::Exclamation:
            return QMessageBox::Warning;
        case TMessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Title bars draw the caption in a bold face beside an icon and up to three buttons; the
// allowance covers those of the common window managers.
constexpr int TitleBarAllowance = 150;

// A message box sizes itself to its text alone: a short text under a longer caption would
// cut the caption. A spacer as wide as the title bar needs keeps the box at least that wide.
void WidenForCaption(QMessageBox& box) {
    QFont title = box.font();
    title.setBold(true);
    const int width = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + TitleBarAllowance;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
}

}  // namespace

TMessageAnswer TQtMessageBoxes::Show(std::string_view text, std::string_view caption,
                                     TMessageIcon icon, TMessageButtons buttons) {
    const bool yesNo = buttons == TMessageButtons::YesNo;
    QMessageBox box(ToQtIcon(icon), Texts.Translate(caption), Texts.Translate(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, Parent.Parent());
    WidenForCaption(box);
    const int answer = box.exec();
    if (!yesNo) {
        return TMessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? TMessageAnswer::Yes : TMessageAnswer::No;
}
