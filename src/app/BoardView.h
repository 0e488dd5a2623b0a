#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The main window's client area: shows the back buffer and forwards mouse presses. It
// draws nothing of its own but the background beside a back buffer smaller than itself.
class TBoardView final : public QWidget {
    Q_OBJECT

public:
    // `picture` answers the back buffer as it stands; `redraw` brings it up to date for a
    // paint the window system asked for; `press` receives a press's client position in the
    // skin's pixels.
    TBoardView(std::function<const QImage&()> picture, std::function<void()> redraw,
               std::function<void(int, int)> press, QWidget* parent);

    // Shows the part of the back buffer that changed.
    void Present(const QRect& changed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<const QImage&()> Picture;
    std::function<void()> Redraw;
    std::function<void(int, int)> Press;
    bool Fresh = false;
};
