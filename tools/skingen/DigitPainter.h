#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include "SkinTheme.h"

// Ten digit pictures side by side, digit d at x = d x the piece's width. Each digit is drawn
// over `piece`, the part of the background it covers in the window.
QImage PaintDigitStrip(const TDigitLook& look, const QImage& piece);

// The colon the clock's background shows between minutes and seconds, in `slot`, the third
// digit position, which the game never draws.
void PaintColon(QPainter& painter, QRect slot, const TDigitLook& look);
