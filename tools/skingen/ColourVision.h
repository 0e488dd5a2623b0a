#pragma once

#include <QColor>
#include <QImage>

// How players with the three kinds of dichromacy see a colour (after Machado, Oliveira and
// Fernandes 2009, full severity, applied in linear light).
enum class TColourVision { Normal, Protanopia, Deuteranopia, Tritanopia };

QColor SimulateVision(const QColor& colour, TColourVision vision);
QImage SimulateVision(const QImage& picture, TColourVision vision);

// The perceived difference of two colours (CIEDE2000); about 2 is just noticeable, above 10
// two colours are plainly different.
double ColourDifference(const QColor& a, const QColor& b);
