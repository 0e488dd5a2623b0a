#include "Renderer.h"

#include <algorithm>
#include <cstring>

#include "skinformat/PictureCut.h"

namespace {

// Opaque copy of a picture to (x, y), only where it falls inside `clip`.
void CopyPicture(QImage& target, int x, int y, const QImage& source, const QRect& clip) {
    const int left = std::max(x, clip.left());
    const int top = std::max(y, clip.top());
    const int right = std::min(x + source.width(), clip.right() + 1);
    const int bottom = std::min(y + source.height(), clip.bottom() + 1);
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

QRect TRenderer::TCopy::Area() const {
    return Picture == nullptr ? QRect() : QRect(QPoint(X, Y), Picture->size());
}

void TRenderer::LoadSkinImages(const TSkinLayout& layout, const TSkinFiles& files,
                               std::string_view clockDigitsPath) {
    Layout = layout;
    ::LoadSkinImages(Pictures, layout, files, clockDigitsPath);
    // The pictures changed in place: what the back buffer holds no longer matches them.
    DrawnValid = false;
}

void TRenderer::Place(int index, const TPixelRect& place, const QImage& picture) {
    Scene[index] = TCopy{&picture, place.X, place.Y};
}

const QImage* TRenderer::CellPicture(const TCellPicture& picture) const {
    switch (picture.Kind) {
        case TCellPicture::TKind::EmptyCell:
            return &Pictures.EmptyCell;
        case TCellPicture::TKind::Ball: {
            const TStripCell cell = picture.Cell;
            const bool shown = picture.Colour >= 1 && picture.Colour <= ColourCount &&
                               cell.Column >= 0 && cell.Column < StripColumns && cell.Row >= 0 &&
                               cell.Row < StripRows;
            return shown ? &Pictures.Balls[picture.Colour][cell.Row][cell.Column] : nullptr;
        }
        case TCellPicture::TKind::Nothing:
            break;
    }
    return nullptr;
}

// Every cell's picture is chosen now, as the animations expect; the score, the preview and
// the clock are drawn over the fresh board by the calls that follow.
TSoundList TRenderer::DrawCells() {
    TSoundList sounds;
    Scene.fill(TCopy{});
    Place(0, {}, Pictures.Background);
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            const TPixelRect place = CellRect(Layout, column, row);
            const TCellPicture picture = Animations.PictureFor(column, row);
            Scene[FirstCell + row * BoardSize + column] =
                TCopy{CellPicture(picture), place.X, place.Y};
            if (picture.Sound) {
                sounds.Add(*picture.Sound);
            }
        }
    }
    return sounds;
}

void TRenderer::DrawScore() {
    ScoreText.Clear();
    ScoreText.AppendNumber(Game.Score);
    const int length = static_cast<int>(ScoreText.Size());
    for (int position = 0; position < ScoreDigitCount; ++position) {
        if (length > ScoreDigitCount) {
            Scene[FirstScore + position] = TCopy{};
            continue;
        }
        const int digit = position < ScoreDigitCount - length
                              ? 0
                              : ScoreText[position - (ScoreDigitCount - length)] - '0';
        Place(FirstScore + position, ScoreDigitRect(Layout, position), Pictures.ScoreDigits[digit]);
    }
}

// A character that is no digit leaves what was drawn at its place.
void TRenderer::DrawClock() {
    const std::string_view text = Game.TimeText.View();
    for (std::size_t i = 0; i < ClockDigitPositions.size() && i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            Place(FirstClock + static_cast<int>(i), ClockDigitRect(Layout, ClockDigitPositions[i]),
                  Pictures.ClockDigits[text[i] - '0']);
        }
    }
}

void TRenderer::DrawPreview() {
    if (!Game.NextBallsShown) {
        return;
    }
    const int count = BallsPerSpawn(Game.Difficulty);
    const auto& bank = Logic.Preview.Banks[Logic.NextBank == 0 ? 0 : 1];
    for (int i = 0; i < PreviewBalls; ++i) {
        const int colour = bank[i];
        Scene[FirstPreview + i] = TCopy{};
        if (i < count && colour >= 1 && colour <= ColourCount) {
            Place(FirstPreview + i, PreviewBallRect(Layout, count, i),
                  Pictures.PreviewBalls[PreviewSlotOf(colour)]);
        }
    }
}

// Only the places whose picture changed are drawn again, with everything of the scene that
// covers them, in the scene's order: the pixels come out as a whole redraw would leave them.
void TRenderer::Compose() const {
    const QImage& background = Pictures.Background;
    QRect area;
    if (!DrawnValid || Buffer.size() != background.size() ||
        Buffer.format() != QImage::Format_RGB32) {
        if (Buffer.size() != background.size() || Buffer.format() != QImage::Format_RGB32) {
            Buffer = QImage(background.size(), QImage::Format_RGB32);
        }
        area = Buffer.rect();
    } else {
        for (int index = 0; index < SceneCopies; ++index) {
            if (Scene[index] != Drawn[index]) {
                area |= Drawn[index].Area() | Scene[index].Area();
            }
        }
        area &= Buffer.rect();
    }
    Drawn = Scene;
    DrawnValid = true;
    if (area.isEmpty()) {
        return;
    }
    for (const TCopy& copy : Scene) {
        if (copy.Picture != nullptr && !copy.Picture->isNull()) {
            CopyPicture(Buffer, copy.X, copy.Y, *copy.Picture, area);
        }
    }
    Changed |= area;
}

const QImage& TRenderer::BackBuffer() const {
    Compose();
    return Buffer;
}

bool TRenderer::HasChanges() const {
    Compose();
    return !Changed.isEmpty();
}

QRect TRenderer::TakeChanges() {
    Compose();
    const QRect changes = Changed;
    Changed = QRect();
    return changes;
}
