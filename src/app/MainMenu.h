#pragma once

class QAction;
class QMenuBar;

// The main window's menu items, for connecting commands and setting check marks.
struct TMainMenu {
    QAction* NewClassic = nullptr;
    QAction* NewTimeTrial = nullptr;
    QAction* Load = nullptr;
    QAction* Save = nullptr;
    QAction* Quit = nullptr;
    QAction* Easy = nullptr;
    QAction* Medium = nullptr;
    QAction* Hard = nullptr;
    QAction* Autosave = nullptr;
    QAction* Autoload = nullptr;
    QAction* Options = nullptr;
    QAction* Leaders = nullptr;
    QAction* Help = nullptr;
    QAction* HomePage = nullptr;
    QAction* About = nullptr;
};

// Fills the menu bar: Game, Options, the Leaders command on the bar itself, and Help.
TMainMenu BuildMainMenu(QMenuBar& bar);
