#pragma once

#include <QDialog>

#include "platform/Desktop.h"

// The game's logo, version and build date, and links to its maker's home page and mail
// address. The links open through the desktop and leave the dialog open.
class TAboutBox final : public QDialog {
    Q_OBJECT

public:
    TAboutBox(QWidget* parent, TDesktop& desktop);
};
