#include "Renderer.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Opaque copy of a whole picture to (x, y), clipped to the target.
void CopyPicture(QImage& target, int x, int y, const QImage& source) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + source.width(), target.width());
    const int bottom = std::min(y + source.height(), target.height());
    if (left >= right || top >= bottom) {
        return;
    }
    const auto bytes = static_cast<std::size_t>(right - left) * sizeof(QRgb);
    for (int row = top; row < bottom; ++row) {
        const auto* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(row - y)) + (left - x);
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(row)) + left;
        std::memcpy(to, from, bytes);
    }
}

}  // namespace

void TRenderer::LoadSkinImages(const TSkinLayout& layout, const TSkinFiles& files,
                               std::string_view clockDigitsPath) {
    Layout = layout;
    ::LoadSkinImages(Pictures, layout, files, clockDigitsPath);
}

void TRenderer::Draw(int x, int y, const QImage& picture) {
    if (!picture.isNull()) {
        CopyPicture(Buffer, x, y, picture);
    }
}

const QImage* TRenderer::CellPicture(const TCellPicture& picture) const {
    const bool colourOk = picture.Colour >= 1 && picture.Colour <= ColourCount;
    switch (picture.Kind) {
        case TCellPicture::TKind::EmptyCell:
            return &Pictures.EmptyCell;
        case TCellPicture::TKind::Still:
            return colourOk ? &Pictures.BallStill[picture.Colour] : nullptr;
        case TCellPicture::TKind::Frame:
            return colourOk && picture.Frame >= 0 && picture.Frame < FramesPerColour
                       ? &Pictures.BallFrames[picture.Colour][picture.Frame]
                       : nullptr;
        case TCellPicture::TKind::Nothing:
            break;
    }
    return nullptr;
}

void TRenderer::DrawCells() {
    const QImage& background = Pictures.Background;
    if (Buffer.size() != background.size() || Buffer.format() != QImage::Format_RGB32) {
        Buffer = QImage(background.size(), QImage::Format_RGB32);
    }
    CopyPicture(Buffer, 0, 0, background);
    const TSkinLayout& l = Layout;
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            const int x = l.BoardDrawLeft + column * l.CellWidth + (column + 1) * l.CellGapX;
            const int y = l.BoardDrawTop + row * (l.CellHeight + l.CellGapY);
            const TCellPicture picture = Animations.PictureFor(column, row);
            if (const QImage* image = CellPicture(picture)) {
                Draw(x, y, *image);
            }
        }
    }
    ClockCurrent = false;
    ++Changes;
}

void TRenderer::DrawScore() {
    constexpr int digits = 5;
    ScoreText.Clear();
    ScoreText.AppendNumber(Game.Score);
    const int length = static_cast<int>(ScoreText.Size());
    if (length > digits) {
        return;
    }
    for (int position = 0; position < digits; ++position) {
        const int digit =
            position < digits - length ? 0 : ScoreText[position - (digits - length)] - '0';
        Draw(Layout.ScoreLeft + position * Layout.ScoreDigitStep, Layout.ScoreTop,
             Pictures.ScoreDigits[digit]);
    }
    ++Changes;
}

void TRenderer::DrawClock() {
    if (ClockCurrent && ClockShown.View() == Game.TimeText.View()) {
        return;
    }
    constexpr std::array<int, 4> positions{0, 1, 3, 4};  // the third position shows a colon
    const std::string_view text = Game.TimeText.View();
    for (std::size_t i = 0; i < positions.size() && i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            Draw(Layout.ClockLeft + positions[i] * Layout.ClockDigitStep, Layout.ClockTop,
                 Pictures.ClockDigits[text[i] - '0']);
        }
    }
    ClockShown = Game.TimeText;
    ClockCurrent = true;
    ++Changes;
}

void TRenderer::DrawPreview() {
    if (!Game.Next) {
        return;
    }
    int first = 0;
    if (Game.Difficulty == DifficultyEasy || Game.Difficulty == DifficultyMedium) {
        first = Layout.PreviewLeft3;
    } else if (Game.Difficulty == DifficultyHard) {
        first = Layout.PreviewLeft4;
    }
    const auto& bank = Logic.Preview.Banks[Logic.NextBank == 0 ? 0 : 1];
    for (int i = 0; i < BallsPerSpawn(Game.Difficulty); ++i) {
        const int colour = bank[i];
        if (colour >= 1 && colour <= ColourCount) {
            Draw(first + i * Layout.PreviewBallWidth, Layout.PreviewTop,
                 Pictures.PreviewBalls[PreviewSlots[colour]]);
        }
    }
    ++Changes;
}
