#include "SceneComposer.h"

#include <QPainter>
#include <algorithm>

#include "QtRects.h"
#include "skinformat/PictureCut.h"

namespace {

// A piece of a picture, where the game cuts it.
QImage Piece(const TRenderedSkin& skin, TSkinImage image, int column, int row) {
    return skin.Image(image).copy(ToQRect(PieceRect(image, skin.Data.Layout, column, row)));
}

}  // namespace

QImage BallPicture(const TRenderedSkin& skin, int colour, TStripCell cell) {
    const auto strip =
        static_cast<TSkinImage>(static_cast<int>(TSkinImage::Strip1) + StripOfColour(colour));
    return Piece(skin, strip, cell.Column, cell.Row);
}

QImage ComposeScene(const TRenderedSkin& skin, const TScene& scene) {
    const TSkinLayout& l = skin.Data.Layout;
    QImage frame = skin.Image(TSkinImage::Background).copy();
    QPainter painter(&frame);
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int value = scene.Board[column][row];
            QImage picture;
            switch (scene.CellMarks[column][row]) {
                case 0:
                    picture = value == 0 ? skin.Image(TSkinImage::EmptyCell)
                                         : BallPicture(skin, value, StillBall);
                    break;
                case 1:
                    picture =
                        BallPicture(skin, scene.SelectionColour, BounceCell(scene.BounceFrame));
                    break;
                case 2:
                    picture = BallPicture(skin, value, AppearCell(scene.AppearFrame));
                    break;
                default:
                    picture =
                        BallPicture(skin, scene.SelectionColour, VanishCell(scene.DeleteFrame));
                    break;
            }
            painter.drawImage(ToQRect(CellRect(l, column, row)).topLeft(), picture);
        }
    }
    const std::string score = std::to_string(scene.Score);
    const size_t digits = ScoreDigitCount;
    const std::string shown = std::string(digits - std::min(digits, score.size()), '0') + score;
    for (int p = 0; p < ScoreDigitCount; ++p) {
        painter.drawImage(ToQRect(ScoreDigitRect(l, p)).topLeft(),
                          Piece(skin, TSkinImage::ScoreDigits, shown[p] - '0', 0));
    }
    for (size_t i = 0; i < ClockDigitPositions.size(); ++i) {
        painter.drawImage(ToQRect(ClockDigitRect(l, ClockDigitPositions[i])).topLeft(),
                          Piece(skin, TSkinImage::ClockDigits, scene.TimeText[i] - '0', 0));
    }
    if (scene.Next) {
        const int count = scene.Difficulty == 2 ? 4 : 3;
        for (int i = 0; i < count; ++i) {
            const int colour = scene.Preview[i];
            if (colour < 1 || colour > 6) {
                continue;
            }
            painter.drawImage(ToQRect(PreviewBallRect(l, count, i)).topLeft(),
                              Piece(skin, TSkinImage::PreviewBalls, PreviewSlotOf(colour), 0));
        }
    }
    return frame;
}
