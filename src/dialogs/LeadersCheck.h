#pragma once

#include "GameOverHost.h"
#include "platform/MessageBoxes.h"
#include "rules/GameState.h"

// The end of a finished game: a score that reaches the leaders table asks for the player's
// name, records the game and shows the table; every game then goes on to the next one.
void LeadersCheck(TGame& game, TGameOverHost& host, TMessageBoxes& messages);
