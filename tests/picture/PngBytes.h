#pragma once
// An image as the bytes of a PNG file: a still picture to load, whose pixels the
// test chose.

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <vector>

inline std::vector<std::uint8_t> MakePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}
