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
    QMenu& game = *AddMenu(bar, "&Game", "N1");
    items.NewClassic = AddItem(game, "&New [Classic]", "NewClassic1", Qt::Key_F2);
    items.NewTimeTrial = AddItem(game, "Ne&w [Time-trial]", "N2", Qt::Key_F3);
    game.addSeparator();
    items.Load = AddItem(game, "&Load", "N3", Qt::CTRL | Qt::Key_L);
    items.Save = AddItem(game, "&Save", "N4", Qt::CTRL | Qt::Key_S);
    game.addSeparator();
    items.Quit = AddItem(game, "&Quit", "N6");

    QMenu& options = *AddMenu(bar, "&Options", "N7");
    QMenu& level = *AddSubmenu(options, "Le&vel", "Difficulty1");
    items.Easy = AddCheckItem(level, "&Easy", "Easy1");
    items.Medium = AddCheckItem(level, "&Medium", "Medium1");
    items.Hard = AddCheckItem(level, "H&ard", "Hard1");
    QMenu& settings = *AddSubmenu(options, "Game &settings", "Gamesettings1");
    items.Autosave = AddCheckItem(settings, "A&utosave Turn", "Autosave1");
    items.Autoload = AddCheckItem(settings, "Aut&oload on Start", "Autoloadonstart1");
    items.Options = AddItem(options, "Additio&nal...", "Additional1");

    items.Leaders = bar.addAction(QString::fromLatin1("Lea&ders"));
    items.Leaders->setObjectName(QString::fromLatin1("N13"));

    QMenu& help = *AddMenu(bar, "&Help", "N10");
    items.Help = AddItem(help, "Vyx Zeziz Help", "N11", Qt::Key_F1);
    items.HomePage = AddItem(help, "Vyx Games Home Page", "VyxGamesHomePage1");
    help.addSeparator();
    items.About = AddItem(help, "About...", "N12");

    // Shortcuts work while the window has focus, menus open or closed.
    for (QAction* action :
         {items.NewClassic, items.NewTimeTrial, items.Load, items.Save, items.Help}) {
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return items;
}
