#include "LeadersCheck.h"

#include "InputBox.h"
#include "persistence/LeadersFile.h"

void LeadersCheck(TGame& game, TGameOverHost& host, TMessageBoxes& messages) {
    if (!QualifiesForLeaders(game.Score, ReadLeadersTable())) {
        host.NewGame();
        return;
    }
    // The dialog records the game and starts the next one before it closes.
    TInputBox input(game, host, messages, host.MainWindow());
    input.exec();
}
