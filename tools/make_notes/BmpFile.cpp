#include "BmpFile.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint32 kFileHeaderSize = 14;
constexpr quint32 kInfoHeaderSize = 40;
constexpr qint32 kPixelsPerMetre = 3780;  // 96 dpi

} // namespace

QByteArray Bmp24FromImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const quint32 stride = (3u * width + 3u) & ~3u;
    const quint32 pixelBytes = stride * height;
    const quint32 offset = kFileHeaderSize + kInfoHeaderSize;

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(offset + pixelBytes) << quint16(0) << quint16(0) << offset;
    out << kInfoHeaderSize << qint32(width) << qint32(height) << quint16(1) << quint16(24)
        << quint32(0) << pixelBytes << kPixelsPerMetre << kPixelsPerMetre << quint32(0)
        << quint32(0);

    QByteArray row(stride, '\0');
    for (int y = height - 1; y >= 0; --y) {
        const uchar* source = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<char>(source[3 * x + 2]);
            row[3 * x + 1] = static_cast<char>(source[3 * x + 1]);
            row[3 * x + 2] = static_cast<char>(source[3 * x]);
        }
        out.writeRawData(row.constData(), row.size());
    }
    return file;
}
