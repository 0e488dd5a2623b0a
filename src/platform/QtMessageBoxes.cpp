#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "Latin1.h"

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

}  // namespace

TMessageAnswer TQtMessageBoxes::Show(std::string_view text, std::string_view caption,
                                     TMessageIcon icon, TMessageButtons buttons) {
    const bool yesNo = buttons == TMessageButtons::YesNo;
    QMessageBox box(ToQtIcon(icon), FromLatin1(caption), FromLatin1(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    const int answer = box.exec();
    if (!yesNo) {
        return TMessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? TMessageAnswer::Yes : TMessageAnswer::No;
}
