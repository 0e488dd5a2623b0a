#include "QtDialogParent.h"

#include <QApplication>

QWidget* TQtDialogParent::Parent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return MainWindow != nullptr && MainWindow->isVisible() ? MainWindow.data() : nullptr;
}
