#include "BoardReading.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("BoardReading", text);
}

// The six colours are the game's numbers 1 to 6: each skin paints them as it likes, and no
// skin names them, so they are read by their numbers, which stay the same in every skin.
QString BallWords(int colour) {
    if (colour < 1 || colour > ColourCount) {
        return Tr(QT_TRANSLATE_NOOP("BoardReading", "empty"));
    }
    return Tr(QT_TRANSLATE_NOOP("BoardReading", "ball of colour %1")).arg(colour);
}

// The clock's four digits as minutes and seconds.
QString ClockWords(std::string_view digits) {
    if (digits.size() != 4) {
        return QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
    }
    return QString::fromLatin1(digits.data(), 2) + u':' + QString::fromLatin1(digits.data() + 2, 2);
}

TAccessiblePart ReadPreview(const TLogic& logic, const TGame& game, const TSkinLayout& layout) {
    const int count = BallsPerSpawn(game.Difficulty);
    const QRect place(count == 4 ? layout.PreviewLeft4 : layout.PreviewLeft3, layout.PreviewTop,
                      layout.PreviewBallWidth * count, layout.PreviewBallHeight);
    const QString description =
        Tr(QT_TRANSLATE_NOOP("BoardReading", "The colours of the balls the next turn brings"));
    if (!game.NextBallsShown || count == 0) {
        return {Tr(QT_TRANSLATE_NOOP("BoardReading", "Next balls: not shown")), description, place};
    }
    QStringList colours;
    const auto& bank = logic.Preview.Banks[logic.NextBank == 0 ? 0 : 1];
    for (int i = 0; i < count; ++i) {
        colours << QString::number(bank[static_cast<std::size_t>(i)]);
    }
    return {
        Tr(QT_TRANSLATE_NOOP("BoardReading", "Next balls: colours %1")).arg(colours.join(u", ")),
        description, place};
}

TAccessiblePart ReadCell(const TLogic& logic, const TSkinLayout& layout, int column, int row) {
    const auto x = static_cast<std::size_t>(column);
    const auto y = static_cast<std::size_t>(row);
    QString state = BallWords(logic.Board[x][y]);
    if (logic.CellMarks[x][y] == MarkSelected) {
        state = Tr(QT_TRANSLATE_NOOP("BoardReading", "%1, chosen")).arg(state);
    }
    const QRect place(
        layout.BoardLeft + layout.CellGapX + column * (layout.CellWidth + layout.CellGapX),
        layout.BoardTop + layout.CellGapY + row * (layout.CellHeight + layout.CellGapY),
        layout.CellWidth, layout.CellHeight);
    return {Tr(QT_TRANSLATE_NOOP("BoardReading", "Row %1, column %2: %3"))
                .arg(row + 1)
                .arg(column + 1)
                .arg(state),
            Tr(QT_TRANSLATE_NOOP("BoardReading", "A cell of the board")), place};
}

}  // namespace

TBoardReading ReadBoard(const TLogic& logic, const TGame& game, const TSkinLayout& layout) {
    TBoardReading reading(BoardPartCount);
    reading[ScorePart] = {Tr(QT_TRANSLATE_NOOP("BoardReading", "Score: %1")).arg(game.Score),
                          Tr(QT_TRANSLATE_NOOP("BoardReading", "The points of this game")),
                          QRect(layout.ScoreLeft, layout.ScoreTop, layout.ScoreDigitStep * 5,
                                layout.ScoreDigitHeight)};
    reading[ClockPart] = {
        Tr(QT_TRANSLATE_NOOP("BoardReading", "Time: %1")).arg(ClockWords(game.TimeText.View())),
        game.GameMode == ModeTimeTrial
            ? Tr(QT_TRANSLATE_NOOP("BoardReading", "The time left in this level"))
            : Tr(QT_TRANSLATE_NOOP("BoardReading", "The time this game has taken")),
        QRect(layout.ClockLeft, layout.ClockTop, layout.ClockDigitStep * 4,
              layout.ClockDigitHeight)};
    reading[PreviewPart] = ReadPreview(logic, game, layout);
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            reading[CellPart(column, row)] = ReadCell(logic, layout, column, row);
        }
    }
    return reading;
}
