#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The main window's client area: shows the back buffer and forwards mouse presses. It
// draws nothing of its own.
class TBoardView final : public QWidget {
    Q_OBJECT

public:
    // `redraw` brings the back buffer up to date for a paint the window system asked for;
    // `press` receives a press's client position.
    TBoardView(const QImage& backBuffer, std::function<void()> redraw,
               std::function<void(int, int)> press, QWidget* parent);

    // Shows the back buffer as it stands.
    void Present();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QImage& BackBuffer;
    std::function<void()> Redraw;
    std::function<void(int, int)> Press;
    bool Fresh = false;
};
