#include "LineDetection.h"

#include <array>

namespace {

struct TScanLine {
    int Column;  // first cell
    int Row;
    int ColumnStep;
    int RowStep;
    int Length;
};

constexpr int ScanLineCount = 2 * BoardSize + 2 * 11;

// Rows top to bottom, columns left to right, then the down-right diagonals from the
// lower-left corner's to the upper-right corner's, then the up-right diagonals from the
// upper-left corner's to the lower-right corner's. Diagonals shorter than four are left out.
constexpr std::array<TScanLine, ScanLineCount> MakeScanLines() {
    std::array<TScanLine, ScanLineCount> lines{};
    int n = 0;
    for (int row = 0; row < BoardSize; ++row) {
        lines[n++] = {0, row, 1, 0, BoardSize};
    }
    for (int column = 0; column < BoardSize; ++column) {
        lines[n++] = {column, 0, 0, 1, BoardSize};
    }
    for (int difference = 5; difference >= -5; --difference) {  // row - column
        const int column = difference < 0 ? -difference : 0;
        const int length = BoardSize - (difference < 0 ? -difference : difference);
        lines[n++] = {column, column + difference, 1, 1, length};
    }
    for (int sum = 3; sum <= 13; ++sum) {  // column + row
        const int column = sum > BoardSize - 1 ? sum - (BoardSize - 1) : 0;
        const int length = sum <= BoardSize - 1 ? sum + 1 : 2 * BoardSize - 1 - sum;
        lines[n++] = {column, sum - column, 1, -1, length};
    }
    return lines;
}

constexpr std::array<TScanLine, ScanLineCount> ScanLines = MakeScanLines();

int ColourAt(const TLogic& logic, int column, int row) {
    const int value = logic.Board[column][row];
    return value >= 1 && value <= ColourCount ? value : 0;
}

}  // namespace

int DetectLine(TLogic& logic, uint32_t difficulty) {
    const int shortest = difficulty == DifficultyEasy ? 4 : 5;
    for (const TScanLine& line : ScanLines) {
        int runColour = 0;
        int runLength = 0;
        // Each cell's colour is read once: as the look past the end of the run before, then
        // as the cell itself.
        int colour = ColourAt(logic, line.Column, line.Row);
        for (int i = 0; i < line.Length; ++i) {
            const int column = line.Column + i * line.ColumnStep;
            const int row = line.Row + i * line.RowStep;
            const int next = i + 1 < line.Length
                                 ? ColourAt(logic, column + line.ColumnStep, row + line.RowStep)
                                 : 0;
            runLength = colour != 0 && colour == runColour ? runLength + 1 : 1;
            runColour = colour;
            // A run counts only at its last cell, so only with its full length.
            if (colour == 0 || runLength < shortest || next == colour) {
                colour = next;
                continue;
            }
            for (int back = 0; back < runLength; ++back) {
                const int lineColumn = column - back * line.ColumnStep;
                const int lineRow = row - back * line.RowStep;
                logic.Board[lineColumn][lineRow] = 0;
                logic.CellMarks[lineColumn][lineRow] = MarkDeleting;
            }
            logic.LineColour = colour;
            return runLength - 3;
        }
    }
    return 0;
}

uint32_t LinePoints(int resultCode) {
    constexpr std::array<uint32_t, 7> points{0, 3, 5, 7, 10, 15, 25};
    return resultCode >= 0 && resultCode < 7 ? points[resultCode] : 0;
}
