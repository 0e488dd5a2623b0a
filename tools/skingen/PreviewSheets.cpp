#include "PreviewSheets.h"

#include <QPainter>
#include <tuple>
#include <utility>

#include "ColourVision.h"
#include "Paint.h"
#include "SceneComposer.h"

namespace {

// A busy board in all six colours, some cells left empty.
TScene BusyBoard() {
    TScene scene;
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            const double roll = Hash01(column, row);
            scene.Board[column][row] =
                roll < 0.3 ? 0 : static_cast<int16_t>(1 + Hash01(row, column) * 6);
        }
    }
    return scene;
}

TScene MediumScene() {
    TScene scene = BusyBoard();
    scene.Board[4][4] = 3;
    scene.CellMarks[4][4] = 1;
    scene.SelectionColour = 3;
    scene.BounceFrame = 5;
    for (const auto& [column, row, colour] : {std::tuple{1, 7, 5}, {6, 2, 2}, {8, 5, 4}}) {
        scene.Board[column][row] = static_cast<int16_t>(colour);
        scene.CellMarks[column][row] = 2;
    }
    scene.AppearFrame = 7;
    scene.Score = 1234;
    scene.TimeText = "0347";
    scene.Preview = {2, 5, 6, 0};
    scene.Difficulty = 1;
    return scene;
}

TScene HardScene() {
    TScene scene = BusyBoard();
    for (int column = 2; column <= 6; ++column) {
        scene.Board[column][6] = 0;
        scene.CellMarks[column][6] = 3;
    }
    scene.SelectionColour = 4;
    scene.DeleteFrame = 5;
    for (const auto& [column, row, colour] :
         {std::tuple{0, 0, 1}, {3, 2, 6}, {7, 8, 3}, {5, 4, 2}}) {
        scene.Board[column][row] = static_cast<int16_t>(colour);
        scene.CellMarks[column][row] = 2;
    }
    scene.AppearFrame = 3;
    scene.Score = 98765;
    scene.TimeText = "1259";
    scene.Preview = {4, 1, 3, 5};
    scene.Difficulty = 2;
    return scene;
}

QImage VisionSheet(const QImage& board) {
    const QSize size = board.size();
    QImage sheet = NewPicture(QSize(2 * size.width() + 8, 2 * size.height() + 8));
    sheet.fill(QColor(255, 255, 255));
    QPainter painter(&sheet);
    const std::array<TColourVision, 4> visions{TColourVision::Normal, TColourVision::Protanopia,
                                               TColourVision::Deuteranopia,
                                               TColourVision::Tritanopia};
    for (int i = 0; i < 4; ++i) {
        painter.drawImage((i % 2) * (size.width() + 8), (i / 2) * (size.height() + 8),
                          SimulateVision(board, visions[i]));
    }
    return sheet;
}

QImage StripSheet(const TRenderedSkin& skin, int zoom) {
    const QImage& first = skin.Image(TSkinImage::Strip1);
    QImage sheet = NewPicture(QSize(first.width() * zoom, 6 * (first.height() * zoom + 6)));
    sheet.fill(QColor(255, 255, 255));
    QPainter painter(&sheet);
    for (int file = 0; file < 6; ++file) {
        const QImage& strip =
            skin.Image(static_cast<TSkinImage>(static_cast<int>(TSkinImage::Strip1) + file));
        painter.drawImage(QPoint(0, file * (first.height() * zoom + 6)),
                          strip.scaled(strip.size() * zoom));
    }
    return sheet;
}

}  // namespace

std::string WritePreviewSheets(const TRenderedSkin& skin, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string name = skin.Data.SkinName;
    const QImage medium = ComposeScene(skin, MediumScene());
    const std::array<std::pair<std::string, QImage>, 4> sheets{
        {{name + "-medium.png", medium},
         {name + "-hard.png", ComposeScene(skin, HardScene())},
         {name + "-vision.png", VisionSheet(medium)},
         {name + "-strips.png", StripSheet(skin, 3)}}};
    for (const auto& [file, picture] : sheets) {
        const std::filesystem::path path = folder / file;
        if (!picture.save(QString::fromStdString(path.string()), "PNG")) {
            return "cannot write " + path.string();
        }
    }
    return {};
}
