#pragma once

#include <QPointer>
#include <QWidget>

// The window that the game's message boxes and file dialogs belong to, so that the window
// manager keeps them over it and minimises and restores them with it: the modal dialog
// that asks, or else the main window. Before the main window shows (the errors of start-up)
// they stand alone, centred on the screen.
class TQtDialogParent {
public:
    void SetMainWindow(QWidget* window) { MainWindow = window; }
    QWidget* Parent() const;

private:
    QPointer<QWidget> MainWindow;
};
