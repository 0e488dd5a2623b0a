#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <random>

#include "Drawings.h"

namespace {

constexpr int Width = 200;
constexpr int Height = 100;

// A fixed seed: every build draws the same speckles.
constexpr std::mt19937::result_type SpeckleSeed = 20051021;

int Jitter(std::mt19937& random, int range) {
    return static_cast<int>(random() % static_cast<unsigned>(2 * range + 1)) - range;
}

// Light grey with fine grain and scattered darker and lighter specks, a little darker
// towards the bottom.
QImage SpeckledGround(std::mt19937& random) {
    QImage ground(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        const int shade = 222 - 18 * y / Height;
        for (int x = 0; x < Width; ++x) {
            const int grey = shade + Jitter(random, 5);
            ground.setPixel(x, y, qRgb(grey, grey, grey + 2));
        }
    }
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int speck = 0; speck < 420; ++speck) {
        const double x = random() % (Width * 10) / 10.0;
        const double y = random() % (Height * 10) / 10.0;
        const double radius = 0.4 + random() % 10 / 10.0;
        const bool dark = random() % 4 != 0;
        const int grey =
            dark ? 140 + static_cast<int>(random() % 45) : 238 + static_cast<int>(random() % 17);
        painter.setBrush(QColor(grey, grey, grey, 150 + static_cast<int>(random() % 100)));
        painter.drawEllipse(QPointF(x, y), radius, radius);
    }
    return ground;
}

QPainterPath WordOutline(const QString& word, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, word);
    return path;
}

// Both words, slanted, scaled alike and centred on their lines.
QPainterPath Lettering() {
    QFont font("DejaVu Sans");
    font.setPixelSize(100);
    font.setWeight(QFont::Black);
    const QPainterPath game = WordOutline("GAME", font);
    const QPainterPath over = WordOutline("OVER", font);
    const QRectF wider = game.boundingRect().width() > over.boundingRect().width()
                             ? game.boundingRect()
                             : over.boundingRect();
    const QRectF lineBox(0, 0, 172, 38);
    const double scale = std::min(lineBox.width() / (wider.width() + 0.25 * wider.height()),
                                  lineBox.height() / wider.height());
    QPainterPath lettering;
    const double lineTops[] = {9, 53};
    int line = 0;
    for (const QPainterPath* word : {&game, &over}) {
        const QRectF box = word->boundingRect();
        QTransform place;
        place.translate(Width / 2.0, lineTops[line] + lineBox.height() / 2.0);
        place.shear(-0.25, 0);
        place.scale(scale, scale);
        place.translate(-box.center().x(), -box.center().y());
        lettering.addPath(place.map(*word));
        ++line;
    }
    return lettering;
}

// A soft shadow: the shape's mask, spread by a few box-blur passes.
QImage SoftShadow(const QPainterPath& shape, QPointF offset, int radius) {
    QImage mask(Width, Height, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(offset);
        painter.fillPath(shape, Qt::black);
    }
    for (int pass = 0; pass < 2; ++pass) {
        QImage blurred = mask;
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                int sum = 0;
                int count = 0;
                for (int dy = -radius; dy <= radius; ++dy) {
                    for (int dx = -radius; dx <= radius; ++dx) {
                        const int sx = x + dx;
                        const int sy = y + dy;
                        if (sx >= 0 && sx < Width && sy >= 0 && sy < Height) {
                            sum += mask.constScanLine(sy)[sx];
                            ++count;
                        }
                    }
                }
                blurred.scanLine(y)[x] = static_cast<uchar>(sum / count);
            }
        }
        mask = blurred;
    }
    return mask;
}

}  // namespace

QImage DrawGameOver() {
    std::mt19937 random(SpeckleSeed);
    QImage picture = SpeckledGround(random);
    const QPainterPath lettering = Lettering();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QImage shadow(Width, Height, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(QColor(40, 40, 48));
    {
        QPainter alpha(&shadow);
        alpha.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        alpha.drawImage(0, 0, SoftShadow(lettering, QPointF(2.5, 3), 2));
    }
    painter.setOpacity(0.55);
    painter.drawImage(0, 0, shadow);
    painter.setOpacity(1.0);

    // A light rim above and left of the letters makes them look pressed into the ground.
    painter.fillPath(lettering.translated(-0.8, -0.8), QColor(250, 250, 252, 200));

    QLinearGradient ink(0, 0, 0, Height);
    ink.setColorAt(0.0, QColor(58, 62, 72));
    ink.setColorAt(0.45, QColor(24, 26, 32));
    ink.setColorAt(0.55, QColor(58, 62, 72));
    ink.setColorAt(1.0, QColor(20, 22, 28));
    painter.fillPath(lettering, ink);
    return picture;
}
