#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

// Ends the game from outside as its Quit command does: every modal dialog closes first, each
// as its own close button closes it, then the main window, whose close writes what the game
// keeps. A dialog that the game opens as another closes (the next step of a sequence) closes
// in turn, and one that will not close (a name the prompt refuses) is dismissed.
class TWindowCloser final : public QObject {
    Q_OBJECT

public:
    explicit TWindowCloser(QWidget& mainWindow);

    // Starts closing; once started, further calls change nothing.
    void Close();

private:
    void Step();

    QWidget& MainWindow;
    QTimer Steps;
    bool MainWindowClosed = false;
};
