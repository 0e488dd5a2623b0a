#include "SceneComposer.h"

#include <QPainter>
#include <algorithm>

#include "BoardGeometry.h"
#include "ColourMapping.h"

namespace {

QImage Strip(const TRenderedSkin& skin, int colour) {
    return skin.Image(
        static_cast<TSkinImage>(static_cast<int>(TSkinImage::Strip1) + StripFileOfColour(colour)));
}

QImage Cut(const QImage& picture, int index, int width, int height) {
    return picture.copy(index * width, 0, width, height);
}

}  // namespace

QImage BallFrame(const TRenderedSkin& skin, int colour, int entry) {
    const TSkinLayout& l = skin.Data.Layout;
    const int row = entry < 12 ? 0 : (entry < 25 ? 1 : 2);
    const int column = row == 0 ? entry : (row == 1 ? entry - 12 : entry - 25);
    return Strip(skin, colour)
        .copy(column * l.CellWidth, row * l.CellHeight, l.CellWidth, l.CellHeight);
}

QImage BallStill(const TRenderedSkin& skin, int colour) {
    const TSkinLayout& l = skin.Data.Layout;
    return Strip(skin, colour).copy(12 * l.CellWidth, 0, l.CellWidth, l.CellHeight);
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
                    picture =
                        value == 0 ? skin.Image(TSkinImage::EmptyCell) : BallStill(skin, value);
                    break;
                case 1:
                    picture = scene.BounceEntry < 0
                                  ? BallStill(skin, scene.SelectionColour)
                                  : BallFrame(skin, scene.SelectionColour, scene.BounceEntry);
                    break;
                case 2:
                    picture = BallFrame(skin, value, scene.AppearEntry);
                    break;
                default:
                    picture = BallFrame(skin, scene.SelectionColour, scene.DeleteEntry);
                    break;
            }
            painter.drawImage(CellRect(l, column, row).topLeft(), picture);
        }
    }
    const std::string score = std::to_string(scene.Score);
    const std::string shown = std::string(5 - std::min<size_t>(5, score.size()), '0') + score;
    for (int p = 0; p < 5; ++p) {
        painter.drawImage(ScoreDigitRect(l, p).topLeft(),
                          Cut(skin.Image(TSkinImage::ScoreDigits), shown[p] - '0',
                              l.ScoreDigitWidth, l.ScoreDigitHeight));
    }
    constexpr std::array<int, 4> clockPositions{0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        painter.drawImage(ClockDigitRect(l, clockPositions[i]).topLeft(),
                          Cut(skin.Image(TSkinImage::ClockDigits), scene.TimeText[i] - '0',
                              l.ClockDigitWidth, l.ClockDigitHeight));
    }
    if (scene.Next) {
        const int count = scene.Difficulty == 2 ? 4 : 3;
        for (int i = 0; i < count; ++i) {
            const int colour = scene.Preview[i];
            if (colour < 1 || colour > 6) {
                continue;
            }
            int slot = 0;
            while (PreviewSlotColours[slot] != colour) {
                ++slot;
            }
            painter.drawImage(PreviewBallRect(l, count, i).topLeft(),
                              Cut(skin.Image(TSkinImage::PreviewBalls), slot, l.PreviewBallWidth,
                                  l.PreviewBallHeight));
        }
    }
    return frame;
}
