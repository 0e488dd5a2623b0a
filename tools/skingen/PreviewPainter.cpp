#include "PreviewPainter.h"

#include "Paint.h"
#include "StripPainter.h"
#include "skinformat/PictureCut.h"

QImage PaintPreviewBalls(const QImage& piece, const std::array<QColor, 6>& colours,
                         const TBallLook& look) {
    const QSize size = piece.size();
    const int slotCount = static_cast<int>(PreviewSlotColours.size());
    QImage balls = NewPicture(QSize(slotCount * size.width(), size.height()));
    QPainter painter(&balls);
    Smooth(painter);
    // The preview ball sits a little higher in its slot than a board ball in its cell: there
    // is no floor to rest on, only the shadow.
    TBallLook previewLook = look;
    previewLook.RadiusShare = 0.38;
    previewLook.RestDrop = 0.0;
    const TCellStage stage = StageForCell(size, previewLook);
    for (int slot = 0; slot < slotCount; ++slot) {
        painter.save();
        painter.translate(slot * size.width(), 0);
        painter.setClipRect(QRect(QPoint(0, 0), size));
        painter.drawImage(0, 0, piece);
        PaintPosedBall(painter, stage, TBallPose{}, colours[PreviewSlotColours[slot] - 1],
                       previewLook);
        painter.restore();
    }
    return balls;
}
