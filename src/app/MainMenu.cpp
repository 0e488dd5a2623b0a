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
    QMenu& game = *AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Game"), "GameMenu");
    items.NewClassicAction = AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "&New [Classic]"),
                                     "NewClassicAction", Qt::Key_F2);
    items.NewTimeTrialAction = AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "Ne&w [Time-trial]"),
                                       "NewTimeTrialAction", Qt::Key_F3);
    game.addSeparator();
    items.LoadAction =
        AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "&Load"), "LoadAction", Qt::CTRL | Qt::Key_L);
    items.SaveAction =
        AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "&Save"), "SaveAction", Qt::CTRL | Qt::Key_S);
    game.addSeparator();
    items.QuitAction = AddItem(game, QT_TRANSLATE_NOOP("MainMenu", "&Quit"), "QuitAction");

    QMenu& options = *AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Options"), "OptionsMenu");
    QMenu& level = *AddSubmenu(options, QT_TRANSLATE_NOOP("MainMenu", "Le&vel"), "LevelMenu");
    items.EasyAction = AddCheckItem(level, QT_TRANSLATE_NOOP("MainMenu", "&Easy"), "EasyAction");
    items.MediumAction =
        AddCheckItem(level, QT_TRANSLATE_NOOP("MainMenu", "&Medium"), "MediumAction");
    items.HardAction = AddCheckItem(level, QT_TRANSLATE_NOOP("MainMenu", "H&ard"), "HardAction");
    QMenu& settings =
        *AddSubmenu(options, QT_TRANSLATE_NOOP("MainMenu", "Game &settings"), "SettingsMenu");
    items.AutosaveAction =
        AddCheckItem(settings, QT_TRANSLATE_NOOP("MainMenu", "A&utosave Turn"), "AutosaveAction");
    items.AutoloadAction = AddCheckItem(
        settings, QT_TRANSLATE_NOOP("MainMenu", "Aut&oload on Start"), "AutoloadAction");
    items.OptionsAction =
        AddItem(options, QT_TRANSLATE_NOOP("MainMenu", "Additio&nal..."), "OptionsAction");

    items.LeadersAction = bar.addAction(Caption(QT_TRANSLATE_NOOP("MainMenu", "Lea&ders")));
    items.LeadersAction->setObjectName(QString::fromLatin1("LeadersAction"));

    QMenu& help = *AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Help"), "HelpMenu");
    items.HelpAction =
        AddItem(help, QT_TRANSLATE_NOOP("MainMenu", "Vyx Zeziz Help"), "HelpAction", Qt::Key_F1);
    items.HomePageAction =
        AddItem(help, QT_TRANSLATE_NOOP("MainMenu", "Vyx Games Home Page"), "HomePageAction");
    help.addSeparator();
    items.AboutAction = AddItem(help, QT_TRANSLATE_NOOP("MainMenu", "About..."), "AboutAction");

    // Shortcuts work while the window has focus, menus open or closed.
    for (QAction* action : {items.NewClassicAction, items.NewTimeTrialAction, items.LoadAction,
                            items.SaveAction, items.HelpAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return items;
}
