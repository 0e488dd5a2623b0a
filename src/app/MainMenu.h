#pragma once

class QAction;
class QMenuBar;

// The main window's menu items, for connecting commands and setting check marks. Each
// item's object name is its name here, and each menu's is "GameMenu", "OptionsMenu",
// "LevelMenu", "SettingsMenu" or "HelpMenu".
struct TMainMenu {
    QAction* NewClassicAction = nullptr;
    QAction* NewTimeTrialAction = nullptr;
    QAction* LoadAction = nullptr;
    QAction* SaveAction = nullptr;
    QAction* QuitAction = nullptr;
    QAction* EasyAction = nullptr;
    QAction* MediumAction = nullptr;
    QAction* HardAction = nullptr;
    QAction* AutosaveAction = nullptr;
    QAction* AutoloadAction = nullptr;
    QAction* OptionsAction = nullptr;
    QAction* LeadersAction = nullptr;
    QAction* HelpAction = nullptr;
    QAction* HomePageAction = nullptr;
    QAction* AboutAction = nullptr;
};

// Fills the menu bar: Game, Options, the Leaders command on the bar itself, and Help.
TMainMenu BuildMainMenu(QMenuBar& bar);
