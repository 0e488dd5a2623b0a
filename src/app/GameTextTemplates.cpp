#include "GameTextTemplates.h"

#include <QtGlobal>

// Each template reads as the lower layers build the text it stands for; the more particular
// ones come first. The captions are built by the rules, which know nothing of Qt: they are
// marked for translation here.
std::vector<std::string_view> GameTextTemplates() {
    return {
        QT_TRANSLATE_NOOP("GameText", "Vyx Zeziz - Classic"),
        QT_TRANSLATE_NOOP("GameText", "Vyx Zeziz - Time-trial [Level %1]"),
        QT_TRANSLATE_NOOP("GameText", "Can not save game to\n%1:\n%2."),
        QT_TRANSLATE_NOOP("GameText", "Can not autosave game to\n%1:\n%2."),
        QT_TRANSLATE_NOOP("GameText", "Can not unpack skin into\n%1:\n%2."),
        QT_TRANSLATE_NOOP("GameText", "Can not save leaders table to\n%1:\n%2."),
        QT_TRANSLATE_NOOP("GameText",
                          "Cannot load the picture \"%1\": the file is missing or is not a "
                          "readable bitmap."),
        QT_TRANSLATE_NOOP("GameText",
                          "Cannot load the picture \"%1\": it is %2 x %3 pixels, larger than the "
                          "%4 x %5 a skin can use in its place."),
        QT_TRANSLATE_NOOP(
            "GameText", "Can not open help: no program could show it.\nThe help pages are in\n%1"),
        QT_TRANSLATE_NOOP(
            "GameText", "Vyx Zeziz is already running with the folder %1, but it does not answer."),
        QT_TRANSLATE_NOOP(
            "GameText",
            "Vyx Zeziz cannot keep your settings, autosave and leaders table:\n%1.\n\n"
            "You can play, but what changes in this session is lost when the game "
            "closes."),
        QT_TRANSLATE_NOOP("GameText", "the folder %1 cannot be written (%2)"),
        QT_TRANSLATE_NOOP("GameText", "%1 cannot be made"),
    };
}
