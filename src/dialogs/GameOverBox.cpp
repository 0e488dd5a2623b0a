#include "GameOverBox.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "Pictures.h"
#include "platform/JpegDecoder.h"

TGameOverBox::TGameOverBox(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TGameOverBox");
    setWindowTitle("Vyx Zeziz");
    setFixedSize(233, 157);
    QFont dialogFont = font();
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    auto* picture = new QLabel(this);
    picture->setObjectName("GOverImg");
    picture->setGeometry(16, 8, 201, 105);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap::fromImage(DecodeJpeg(GameOverPicture())));

    auto* frame = new QFrame(this);
    frame->setObjectName("Bevel1");
    frame->setGeometry(16, 8, 201, 105);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("GameoverBut");
    ok->setGeometry(79, 122, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TGameOverBox::reject() {
    accept();
}
