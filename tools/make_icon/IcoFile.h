#pragma once
// Windows icon files (.ico) holding PNG-compressed images, as Windows reads them
// since Vista and its resource compiler accepts them.

#include <QByteArray>
#include <QImage>
#include <vector>

// One .ico file with the given square images, each stored as PNG.
QByteArray IcoFromImages(const std::vector<QImage>& images);
