#include "LeadersCheck.h"

#include "InputBox.h"
#include "persistence/LeadersFile.h"

void LeadersCheck(const TGame& game, QWidget* mainWindow, TMessageBoxes& messages) {
    if (!QualifiesForLeaders(game.Score, ReadLeadersTable())) {
        return;
    }
    // The dialog records the game and shows the table before it closes.
    TInputBox input(game, messages, mainWindow);
    input.exec();
}
