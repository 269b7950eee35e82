#include "IcoFile.h"

#include <QBuffer>
#include <QDataStream>

namespace {

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The directory stores sizes in one byte; 0 stands for 256.
quint8 SizeByte(int pixels)
{
    return static_cast<quint8>(pixels >= 256 ? 0 : pixels);
}

} // namespace

QByteArray IcoFromImages(const std::vector<QImage>& images)
{
    std::vector<QByteArray> pngs;
    for (const QImage& image : images)
        pngs.push_back(Png(image));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int count = static_cast<int>(images.size());
    out << quint16(0) << quint16(1) << quint16(count);
    quint32 offset = 6 + 16 * count;
    for (int i = 0; i < count; ++i) {
        out << SizeByte(images[i].width()) << SizeByte(images[i].height())
            << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(pngs[i].size()) << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs)
        out.writeRawData(png.constData(), png.size());
    return file;
}
