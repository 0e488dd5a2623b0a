#include "GameHelp.h"

#include <QtGlobal>
#include <string>

#include "platform/Latin1.h"

// The desktop may answer after the dialog that asked for the help has closed: the answer
// needs nothing but the message boxes, which last as long as the game.
void OpenGameHelp(TDesktop& desktop, TMessageBoxes& messages, std::string_view topic) {
    desktop.OpenHelp("VyxLinesHelp.chm", topic, [&messages](const THelpAnswer& answer) {
        if (!answer.Opened) {
            messages.Show("Can not open help: no program could show it.\nThe help pages are in\n" +
                              PathText(answer.PagesFolder),
                          QT_TRANSLATE_NOOP("GameText", "Warning"), TMessageIcon::Warning,
                          TMessageButtons::Ok);
        }
    });
}
