#pragma once

#include <QImage>
#include <span>

// Decodes a JPEG picture held in memory. Damaged, truncated or absurdly large data gives a
// null image; the decoder never ends the program and never reports anything itself.
QImage DecodeJpeg(std::span<const unsigned char> bytes);
