#pragma once

#include <string_view>

#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"

// Opens the game's help at a topic page (empty for the first page). When nothing on the
// desktop can show it the player is told so, and where the help pages lie.
void OpenGameHelp(TDesktop& desktop, TMessageBoxes& messages, std::string_view topic);
