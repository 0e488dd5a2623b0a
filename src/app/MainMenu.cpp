#include "MainMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* AddItem(QMenu& menu, const char* caption, const char* name,
                 QKeySequence shortcut = QKeySequence()) {
    QAction* action = menu.addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* AddCheckItem(QMenu& menu, const char* caption, const char* name) {
    QAction* action = AddItem(menu, caption, name);
    action->setCheckable(true);
    return action;
}

QMenu* AddMenu(QMenuBar& bar, const char* caption, const char* name) {
    QMenu* menu = bar.addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* AddSubmenu(QMenu& parent, const char* caption, const char* name) {
    QMenu* menu = parent.addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

}  // namespace

TMainMenu BuildMainMenu(QMenuBar& bar) {
    TMainMenu items;
    QMenu& game = *AddMenu(bar, "&Game", "GameMenu");
    items.NewClassicAction = AddItem(game, "&New [Classic]", "NewClassicAction", Qt::Key_F2);
    items.NewTimeTrialAction = AddItem(game, "Ne&w [Time-trial]", "NewTimeTrialAction", Qt::Key_F3);
    game.addSeparator();
    items.LoadAction = AddItem(game, "&Load", "LoadAction", Qt::CTRL | Qt::Key_L);
    items.SaveAction = AddItem(game, "&Save", "SaveAction", Qt::CTRL | Qt::Key_S);
    game.addSeparator();
    items.QuitAction = AddItem(game, "&Quit", "QuitAction");

    QMenu& options = *AddMenu(bar, "&Options", "OptionsMenu");
    QMenu& level = *AddSubmenu(options, "Le&vel", "LevelMenu");
    items.EasyAction = AddCheckItem(level, "&Easy", "EasyAction");
    items.MediumAction = AddCheckItem(level, "&Medium", "MediumAction");
    items.HardAction = AddCheckItem(level, "H&ard", "HardAction");
    QMenu& settings = *AddSubmenu(options, "Game &settings", "SettingsMenu");
    items.AutosaveAction = AddCheckItem(settings, "A&utosave Turn", "AutosaveAction");
    items.AutoloadAction = AddCheckItem(settings, "Aut&oload on Start", "AutoloadAction");
    items.OptionsAction = AddItem(options, "Additio&nal...", "OptionsAction");

    items.LeadersAction = bar.addAction(QString::fromLatin1("Lea&ders"));
    items.LeadersAction->setObjectName(QString::fromLatin1("LeadersAction"));

    QMenu& help = *AddMenu(bar, "&Help", "HelpMenu");
    items.HelpAction = AddItem(help, "Vyx Zeziz Help", "HelpAction", Qt::Key_F1);
    items.HomePageAction = AddItem(help, "Vyx Games Home Page", "HomePageAction");
    help.addSeparator();
    items.AboutAction = AddItem(help, "About...", "AboutAction");

    // Shortcuts work while the window has focus, menus open or closed.
    for (QAction* action : {items.NewClassicAction, items.NewTimeTrialAction, items.LoadAction,
                            items.SaveAction, items.HelpAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return items;
}
