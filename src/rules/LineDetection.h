#pragma once

#include <cstdint>

#include "GameState.h"

// Finds the first line of one colour in scan order (rows, columns, down-right diagonals,
// up-right diagonals) that is at least five long, or four on Easy; empties its cells, marks
// them as vanishing and keeps its colour in LineColour. Returns the line's length minus 3,
// or 0 when the board holds no line. Board values other than 1 to 6 belong to no line.
int DetectLine(TLogic& logic, uint32_t difficulty);

// Points a move earns for a line with the given result code (1 to 6).
uint32_t LinePoints(int resultCode);
