#include "SkinRenderer.h"

#include <QBuffer>
#include <QByteArray>

#include "BackgroundPainter.h"
#include "DigitPainter.h"
#include "Paint.h"
#include "PreviewPainter.h"
#include "QtRects.h"
#include "StripPainter.h"
#include "platform/FileSystem.h"

namespace {

// The picture files, in the order "skin.cfg" names them.
constexpr std::array<const char*, SkinImageCount> ImageFileNames{
    "back.bmp",  "cell.bmp",  "ball1.bmp", "ball2.bmp", "ball3.bmp", "ball4.bmp",
    "ball5.bmp", "ball6.bmp", "score.bmp", "clock.bmp", "next.bmp"};

constexpr const char* Author = "Vyx Games";

}  // namespace

TSkinData SkinDataOf(const TSkinTheme& theme) {
    TSkinData data;
    data.SkinName = theme.Name();
    data.SkinAuthor = Author;
    data.SkinVersion = theme.Version();
    data.Layout = theme.Plan().Layout;
    for (int i = 0; i < SkinImageCount; ++i) {
        data.ImageFiles[i] = ImageFileNames[i];
    }
    return data;
}

TRenderedSkin RenderSkin(const TSkinTheme& theme) {
    const TSkinPlan plan = theme.Plan();
    const TSkinLayout& layout = plan.Layout;
    TRenderedSkin skin;
    skin.Data = SkinDataOf(theme);
    auto set = [&skin](TSkinImage image, QImage picture) {
        skin.Images[static_cast<int>(image)] = std::move(picture);
    };

    QImage emptyCell = NewPicture(QSize(layout.CellWidth, layout.CellHeight));
    {
        QPainter painter(&emptyCell);
        Smooth(painter);
        theme.PaintEmptyCell(painter, emptyCell.rect());
    }
    QImage background = PaintPanels(theme, plan, emptyCell);
    set(TSkinImage::ScoreDigits,
        PaintDigitStrip(theme.ScoreDigits(), background.copy(ToQRect(ScoreDigitRect(layout, 0)))));
    set(TSkinImage::ClockDigits,
        PaintDigitStrip(theme.ClockDigits(), background.copy(ToQRect(ClockDigitRect(layout, 0)))));
    const std::array<QColor, 6> colours = theme.BallColours();
    set(TSkinImage::PreviewBalls,
        PaintPreviewBalls(background.copy(ToQRect(PreviewBallRect(layout, 4, 0))), colours,
                          theme.BallLook()));
    for (int strip = 0; strip < static_cast<int>(StripColours.size()); ++strip) {
        set(static_cast<TSkinImage>(static_cast<int>(TSkinImage::Strip1) + strip),
            PaintBallStrip(emptyCell, colours[StripColours[strip] - 1], theme.BallLook()));
    }
    FinishBackground(background, theme, plan);
    set(TSkinImage::Background, std::move(background));
    set(TSkinImage::EmptyCell, std::move(emptyCell));
    return skin;
}

std::string WriteSkinFolder(const TRenderedSkin& skin, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return "cannot create " + folder.string() + ": " + error.message();
    }
    for (int i = 0; i < SkinImageCount; ++i) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const std::filesystem::path file = folder / skin.Data.ImageFiles[i];
        if (!skin.Images[i].save(&buffer, "BMP") ||
            !WriteFileAtomically(file, std::string_view(bytes.constData(), bytes.size()))) {
            return "cannot write " + file.string();
        }
    }
    const std::filesystem::path config = folder / "skin.cfg";
    if (!WriteFileAtomically(config, FormatSkinConfig(skin.Data))) {
        return "cannot write " + config.string();
    }
    return {};
}
