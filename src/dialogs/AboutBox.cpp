#include "AboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadialGradient>
#include <functional>
#include <string>

#include "MakerLinks.h"
#include "Pictures.h"
#include "platform/JpegDecoder.h"
#include "platform/Latin1.h"

namespace {

// A label that acts like a web link: navy, underlined, a hand cursor, and an action when
// it is clicked (pressed and released on it).
class TLinkLabel final : public QLabel {
public:
    TLinkLabel(std::string_view text, QWidget* parent, std::function<void()> onClick)
        : QLabel(FromLatin1(text), parent), OnClick(std::move(onClick)) {
        QFont linkFont = font();
        linkFont.setPixelSize(13);
        linkFont.setUnderline(true);
        setFont(linkFont);
        QPalette navy = palette();
        navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
        setPalette(navy);
        setCursor(Qt::PointingHandCursor);
        adjustSize();
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            OnClick();
        }
    }

private:
    std::function<void()> OnClick;
};

// Vyx Games' mark: a glossy ball beside the name, on a transparent ground.
QPixmap MakerLogo() {
    QPixmap logo(137, 41);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QPointF centre(20, 20.5);
    QRadialGradient ball(centre, 16, centre - QPointF(5, 6));
    ball.setColorAt(0.0, QColor(150, 190, 255));
    ball.setColorAt(0.5, QColor(30, 80, 200));
    ball.setColorAt(1.0, QColor(10, 25, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ball);
    painter.drawEllipse(centre, 16, 16);
    QRadialGradient shine(centre - QPointF(6, 7), 7);
    shine.setColorAt(0.0, QColor(255, 255, 255, 220));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(centre - QPointF(6, 7), 7, 5);

    QFont name("DejaVu Sans");
    name.setPixelSize(21);
    name.setWeight(QFont::Black);
    name.setItalic(true);
    painter.setFont(name);
    painter.setPen(QColor(0, 0, 128));
    painter.drawText(QRectF(42, 0, 95, 24), Qt::AlignLeft | Qt::AlignBottom, "Vyx");
    QFont games("DejaVu Sans");
    games.setPixelSize(13);
    games.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(games);
    painter.setPen(QColor(70, 80, 100));
    painter.drawText(QRectF(43, 24, 94, 17), Qt::AlignLeft | Qt::AlignTop, "Games");
    return logo;
}

QLabel* PlacedLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(at);
    label->adjustSize();
    return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent, TDesktop& desktop) : QDialog(parent) {
    setObjectName("TAboutBox");
    setWindowTitle(tr("About"));
    setFixedSize(264, 271);
    QFont dialogFont = font();
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    auto* gameLogo = new QLabel(this);
    gameLogo->setObjectName("Gamelogo");
    gameLogo->setGeometry(8, 8, 81, 82);
    gameLogo->setScaledContents(true);
    gameLogo->setPixmap(QPixmap::fromImage(DecodeJpeg(LogoPicture())));

    auto* makerLogo = new QLabel(this);
    makerLogo->setObjectName("MakerLogo");
    makerLogo->setGeometry(112, 8, 137, 41);
    makerLogo->setPixmap(MakerLogo());

    QLabel* version =
        PlacedLabel(this, "GameVer", tr("Version %1").arg(QStringLiteral("2.1")), {140, 56});
    QFont versionFont = version->font();
    versionFont.setPixelSize(15);
    version->setFont(versionFont);
    version->adjustSize();
    PlacedLabel(this, "Builddate", tr("Build date: %1").arg(QStringLiteral("10/21/2005")),
                {120, 80});

    auto* line = new QFrame(this);
    line->setGeometry(8, 104, 245, 2);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    auto* web = new TLinkLabel(MakerHomePage, this, [&desktop] { desktop.OpenUrl(MakerHomePage); });
    web->setObjectName("Web");
    web->move(10, 178);
    auto* email = new TLinkLabel(
        MakerEmail, this, [&desktop] { desktop.OpenUrl("mailto:" + std::string(MakerEmail)); });
    email->setObjectName("email");
    email->move(10, 204);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("AboutOK");
    ok->setGeometry(181, 237, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
