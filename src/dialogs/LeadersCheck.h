#pragma once

#include "platform/MessageBoxes.h"
#include "rules/GameState.h"

class QWidget;

// The end of a finished game: a score that reaches the leaders table asks for the player's
// name, records the game and shows the table. The next game is the caller's to begin.
void LeadersCheck(const TGame& game, QWidget* mainWindow, TMessageBoxes& messages);
