#include "GameState.h"

void TLogic::ClearBoard() {
    for (auto& column : Board) {
        column.fill(0);
    }
}

void TLogic::ClearMarks() {
    for (auto& column : CellMarks) {
        column.fill(MarkNone);
    }
}

void TLogic::ClearTransientMarks() {
    for (auto& column : CellMarks) {
        for (auto& mark : column) {
            if (mark != MarkSelected) {
                mark = MarkNone;
            }
        }
    }
}

bool TLogic::IsBoardFull() const {
    for (const auto& column : Board) {
        for (int16_t cell : column) {
            if (cell == 0) {
                return false;
            }
        }
    }
    return true;
}

bool TLogic::HasMark(int16_t mark) const {
    for (const auto& column : CellMarks) {
        for (int16_t cell : column) {
            if (cell == mark) {
                return true;
            }
        }
    }
    return false;
}

int BallsPerSpawn(uint32_t difficulty) {
    switch (difficulty) {
        case DifficultyEasy:
        case DifficultyMedium:
            return 3;
        case DifficultyHard:
            return 4;
        default:
            return 0;
    }
}
