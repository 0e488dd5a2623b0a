#include "BoardView.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "BoardAccessible.h"

TBoardView::TBoardView(std::function<const QImage&()> picture, std::function<void()> redraw,
                       std::function<void(int, int)> press, QWidget* parent)
    : QWidget(parent),
      Picture(std::move(picture)),
      Redraw(std::move(redraw)),
      Press(std::move(press)) {
    // Every paint covers its whole area itself: the back buffer, and the background beside
    // it; nothing is filled first only to be painted over.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setAutoFillBackground(false);
    setBackgroundRole(QPalette::Button);
    // Naming a widget makes its accessible face: the factory must be there first.
    QAccessible::installFactory(BoardAccessible);
    setAccessibleName(tr("Board"));
}

void TBoardView::Present(const QRect& changed) {
    Fresh = true;
    update(changed);
    // Without a screen reader listening the board is not read at all.
    if (QAccessible::isActive()) {
        std::vector<TAccessiblePart> now = Reading();
        TellChangedParts(*this, Told, now);
        Told = std::move(now);
    }
}

std::vector<TAccessiblePart> TBoardView::Reading() const {
    return Read ? Read() : std::vector<TAccessiblePart>{};
}

void TBoardView::paintEvent(QPaintEvent* event) {
    // A paint the game did not ask for (the window uncovered, a dialog moved over it)
    // redraws the whole scene first.
    if (!Fresh) {
        Redraw();
    }
    Fresh = false;
    const QImage& picture = Picture();
    QPainter painter(this);
    for (const QRect& beside : event->region() - picture.rect()) {
        painter.fillRect(beside, palette().brush(QPalette::Button));
    }
    // At a whole scale factor every skin pixel takes the same square of device pixels; at
    // 1.25 or 1.5 some would take one row and others two, so the picture is smoothed instead.
    const qreal ratio = devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::floor(ratio));
    painter.drawImage(0, 0, picture);
}

// A press anywhere in a device pixel belongs to the skin pixel that device pixel shows: at a
// scale factor of 2 the press at 10.5 is in skin pixel 10, never 11.
void TBoardView::mousePressEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    Press(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
}
