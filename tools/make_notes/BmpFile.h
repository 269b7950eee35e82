#pragma once
// Uncompressed 24-bit device-independent bitmaps (BI_RGB): rows bottom-up, each
// padded to four bytes, as the program's bitmap resources are stored.

#include <QByteArray>
#include <QImage>

QByteArray Bmp24FromImage(const QImage& image);
