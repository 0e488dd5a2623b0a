#pragma once

#include <array>
#include <string>
#include <vector>

#include "rules/GameState.h"

// Boards written as nine rows, top to bottom, one character per column:
// '.' an empty cell, '1' to '6' a ball of that colour, 'x' a ball of colour 1.
inline void SetBoard(TLogic& logic, const std::array<const char*, BoardSize>& rows) {
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            const char c = rows[row][column];
            logic.Board[column][row] = c == '.' ? 0 : c == 'x' ? 1 : static_cast<int16_t>(c - '0');
        }
    }
}

// Fills every cell but (8, 8), in a pattern without any line.
inline void FillAllButOne(TLogic& logic) {
    for (int column = 0; column < BoardSize; ++column) {
        for (int row = 0; row < BoardSize; ++row) {
            logic.Board[column][row] = static_cast<int16_t>(1 + (column * 2 + row) % 6);
        }
    }
    logic.Board[8][8] = 0;
}

inline int CountBalls(const TLogic& logic) {
    int count = 0;
    for (const auto& column : logic.Board) {
        for (int16_t cell : column) {
            count += cell != 0 ? 1 : 0;
        }
    }
    return count;
}

inline int CountMarks(const TLogic& logic, int16_t mark) {
    int count = 0;
    for (const auto& column : logic.CellMarks) {
        for (int16_t cell : column) {
            count += cell == mark ? 1 : 0;
        }
    }
    return count;
}

struct TCell {
    int Column;
    int Row;
    bool operator==(const TCell&) const = default;
};

// The cells of a traced path, from the start's neighbour to the target.
inline std::vector<TCell> TracedPath(const TLogic& logic) {
    std::vector<TCell> path;
    for (int value = logic.MoveStep; value >= 0; --value) {
        for (int column = 0; column < BoardSize; ++column) {
            for (int row = 0; row < BoardSize; ++row) {
                if (logic.PathGrid[column + 1][row + 1] == value) {
                    path.push_back({column, row});
                }
            }
        }
    }
    return path;
}
