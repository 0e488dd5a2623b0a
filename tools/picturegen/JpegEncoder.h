#pragma once

#include <QImage>
#include <string>

// Encodes the picture as a baseline JPEG with libjpeg, colours at full resolution (the
// pictures are small and full of sharp coloured edges that chroma subsampling would smear).
std::string EncodeJpeg(const QImage& image, int quality);
