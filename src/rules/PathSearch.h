#pragma once

#include "GameState.h"

// Path-grid values besides the wave numbers 0 (the target) to 301.
constexpr int32_t PathStart = 303;
constexpr int32_t PathFree = 304;
constexpr int32_t PathBlocked = 305;
constexpr int32_t PathMaxWave = 300;

// Spreads a wave from the target over the free cells until it touches the start. On
// success the grid holds each reached cell's distance from the target and MoveStep the
// distance of the start's neighbour on the path. The start must hold a ball and the target
// be empty.
bool FindPath(TLogic& logic, int startColumn, int startRow, int targetColumn, int targetRow);

// After a successful FindPath: keeps exactly one cell for each wave number from MoveStep
// down to 0, preferring at every step right, then left, then down, then up.
void TracePath(TLogic& logic);
