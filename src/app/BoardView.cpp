#include "BoardView.h"

#include <QMouseEvent>
#include <QPainter>

TBoardView::TBoardView(const QImage& backBuffer, std::function<void()> redraw,
                       std::function<void(int, int)> press, QWidget* parent)
    : QWidget(parent), BackBuffer(backBuffer), Redraw(std::move(redraw)), Press(std::move(press)) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void TBoardView::Present() {
    Fresh = true;
    update();
}

void TBoardView::paintEvent(QPaintEvent* /*event*/) {
    // A paint the game did not ask for (the window uncovered, a dialog moved over it)
    // redraws the whole scene first.
    if (!Fresh) {
        Redraw();
    }
    Fresh = false;
    QPainter painter(this);
    painter.drawImage(0, 0, BackBuffer);
}

void TBoardView::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    Press(position.x(), position.y());
}
