#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/AccessibleParts.h"

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
    // What the board shows, in words, for screen readers: its accessible children, which
    // tell a screen reader as they change.
    void SetReading(TReadParts read) { Read = std::move(read); }
    std::vector<TAccessiblePart> Reading() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<const QImage&()> Picture;
    std::function<void()> Redraw;
    std::function<void(int, int)> Press;
    bool Fresh = false;
    TReadParts Read;
    std::vector<TAccessiblePart> Told;
};
