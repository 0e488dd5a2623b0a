#include "MainMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

// The captions below are marked for translation in this context and looked up here.
QString Caption(const char* caption) {
    return QCoreApplication::translate("MainMenu", caption);
}

QAction* AddItem(QMenu& menu, const char* caption, const char* name,
                 QKeySequence shortcut = QKeySequence()) {
    QAction* action = menu.addAction(Caption(caption));
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
    QMenu* menu = bar.addMenu(Caption(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* AddSubmenu(QMenu& parent, const char* caption, const char* name) {
    QMenu* menu = parent.addMenu(Caption(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

}  // namespace

TMainMenu BuildMainMenu(QMenuBar& bar) {
    TMainMenu items;
    QMenu& game = *AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Game"), "N1");
    items.NewClassic =
        AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "&New [Classic]"), "NewClassic1", Qt::Key_F2);
    items.NewTimeTrial =
        AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "Ne&w [Time-trial]"), "N2", Qt::Key_F3);
    game.addSeparator();
    items.Load = AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "&Load"), "N3", Qt::CTRL | Qt::Key_L);
    items.Save = AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "&Save"), "N4", Qt::CTRL | Qt::Key_S);
    game.addSeparator();
    items.Quit = AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "&Quit"), "N6");

    QMenu& options = *AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Options"), "N7");
    QMenu& level = *AddSubmenu(options, QT_TRANSLATE_NOOP("MainMenu", "Le&vel"), "Difficulty1");
    items.Easy = AddCheckItem(level, QT_TRANSLATE_NOOP("MainMenu", "&Easy"), "Easy1");
    items.Medium = AddCheckItem(level, QT_TRANSLATE_NOOP("MainMenu", "&Medium"), "Medium1");
    items.Hard = AddCheckItem(level, QT_TRANSLATE_NOOP("MainMenu", "H&ard"), "Hard1");
    QMenu& settings =
        *AddSubmenu(options, QT_TRANSLATE_NOOP("MainMenu", "Game &settings"), "Gamesettings1");
    items.Autosave =
        AddCheckItem(settings, QT_TRANSLATE_NOOP("MainMenu", "A&utosave Turn"), "Autosave1");
    items.Autoload = AddCheckItem(settings, QT_TRANSLATE_NOOP("MainMenu", "Aut&oload on Start"),
                                  "Autoloadonstart1");
    items.Options =
        AddItem(options, QT_TRANSLATE_NOOP("MainMenu", "Additio&nal..."), "Additional1");

    items.Leaders = bar.addAction(Caption(QT_TRANSLATE_NOOP("MainMenu", "Lea&ders")));
    items.Leaders->setObjectName(QString::fromLatin1("N13"));

    QMenu& help = *AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Help"), "N10");
    items.Help = AddItem(help, QT_TRANSLATE_NOOP("MainMenu", "Vyx Zeziz Help"), "N11", Qt::Key_F1);
    items.HomePage =
        AddItem(help, QT_TRANSLATE_NOOP("MainMenu", "Vyx Games Home Page"), "VyxGamesHomePage1");
    help.addSeparator();
    items.About = AddItem(help, QT_TRANSLATE_NOOP("MainMenu", "About..."), "N12");

    // Shortcuts work while the window has focus, menus open or closed.
    for (QAction* action :
         {items.NewClassic, items.NewTimeTrial, items.Load, items.Save, items.Help}) {
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return items;
}
