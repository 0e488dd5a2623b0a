#pragma once

#include <QObject>

class QWidget;

// Keeps the game on screen while it waits on a modal dialog. Some window managers draw a
// minimise button on every dialog and minimise the main window along with it; the game,
// still waiting on the dialog, would then leave nothing on screen. A modal dialog that gets
// minimised comes straight back, with the main window.
class TDialogKeeper final : public QObject {
    Q_OBJECT

public:
    // Watches every window of the application.
    explicit TDialogKeeper(QWidget& mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& MainWindow;
};
