#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "SkinFolders.h"

// Measurements of what a picture shows over its plain backdrop, for judging drawn balls and
// digits without knowing their exact pixels.

inline int ChannelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// The pixels of `picture` that differ clearly from `backdrop` (same size).
struct TBlob {
    int Count = 0;
    QRect Bounds;
    QColor Mean;
};

inline TBlob FindBlob(const QImage& picture, const QImage& backdrop, int threshold = 40) {
    TBlob blob;
    long sum[3] = {0, 0, 0};
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (ChannelDistance(p, backdrop.pixel(x, y)) > threshold) {
                ++blob.Count;
                blob.Bounds |= QRect(x, y, 1, 1);
                sum[0] += qRed(p);
                sum[1] += qGreen(p);
                sum[2] += qBlue(p);
            }
        }
    }
    if (blob.Count > 0) {
        blob.Mean =
            QColor(static_cast<int>(sum[0] / blob.Count), static_cast<int>(sum[1] / blob.Count),
                   static_cast<int>(sum[2] / blob.Count));
    }
    return blob;
}

// The mean colour of the middle of a ball picture: the part the highlight and the rim leave
// alone, which is what a player reads as the ball's colour.
inline QColor BallCore(const QImage& picture, const QImage& backdrop) {
    const TBlob blob = FindBlob(picture, backdrop);
    const QPoint centre = blob.Bounds.center();
    const int radius = std::max(1, std::min(blob.Bounds.width(), blob.Bounds.height()) / 4);
    long sum[3] = {0, 0, 0};
    int count = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
            const QRgb p = picture.pixel(x, y);
            sum[0] += qRed(p);
            sum[1] += qGreen(p);
            sum[2] += qBlue(p);
            ++count;
        }
    }
    return QColor(static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count),
                  static_cast<int>(sum[2] / count));
}

inline QImage StripCell(const TShippedSkin& skin, int file, int column, int row) {
    const TSkinLayout& l = skin.Data.Layout;
    const QImage& strip =
        skin.Image(static_cast<TSkinImage>(static_cast<int>(TSkinImage::Strip1) + file));
    return strip.copy(column * l.CellWidth, row * l.CellHeight, l.CellWidth, l.CellHeight);
}

inline QImage PreviewSlot(const TShippedSkin& skin, int slot) {
    const TSkinLayout& l = skin.Data.Layout;
    return skin.Image(TSkinImage::PreviewBalls)
        .copy(slot * l.PreviewBallWidth, 0, l.PreviewBallWidth, l.PreviewBallHeight);
}
