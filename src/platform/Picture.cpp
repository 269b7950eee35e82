#include "platform/Picture.h"

#include "platform/MulDiv.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>

#include <climits>

namespace platform {

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr int kScreenDpi = 96;

} // namespace

Picture::Picture(QImage image)
    : m_image(std::move(image))
{
}

std::optional<Picture::Header> Picture::ReadHeader(std::span<const std::uint8_t> data)
{
    if (data.empty() || data.size() > INT_MAX)
        return std::nullopt;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()), static_cast<int>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // The reader QImage::fromData uses: the same one is picked by the data's content.
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isEmpty())
        return std::nullopt;
    // Qt's GIF reader does not tell its format in advance; it decodes to 32 bits a pixel.
    const QImage::Format format = reader.imageFormat();
    const int bits = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    return Header{size, bits};
}

std::unique_ptr<Picture> Picture::Load(std::span<const std::uint8_t> data)
{
    if (data.empty() || data.size() > INT_MAX)
        return nullptr;
    QImage image = QImage::fromData(data.data(), static_cast<int>(data.size()));
    if (image.isNull())
        return nullptr;
    // The premultiplied form is the one QPainter blends fastest; every frame of an
    // animation is rendered from it again and again.
    return std::unique_ptr<Picture>(
        new Picture(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
}

long Picture::PixelsToHimetric(int pixels)
{
    return MulDiv(pixels, kHimetricPerInch, kScreenDpi);
}

long Picture::WidthHimetric() const
{
    return PixelsToHimetric(m_image.width());
}

long Picture::HeightHimetric() const
{
    return PixelsToHimetric(m_image.height());
}

bool Picture::Render(QPainter& target, int x, int y, int cx, int cy,
                     long srcX, long srcY, long srcCx, long srcCy) const
{
    if (!target.isActive() || cx <= 0 || cy <= 0 || srcCx <= 0 || srcCy == 0)
        return false;
    const long top = srcCy < 0 ? srcY + srcCy : srcY;
    const long height = srcCy < 0 ? -srcCy : srcCy;
    // Whole pixels, so that a source of the picture's own size is copied unscaled.
    const auto toPixelsX = [this](long himetric) {
        return MulDiv(static_cast<int>(himetric), m_image.width(), static_cast<int>(WidthHimetric()));
    };
    const auto toPixelsY = [this](long himetric) {
        return MulDiv(static_cast<int>(himetric), m_image.height(), static_cast<int>(HeightHimetric()));
    };
    const QRect source(toPixelsX(srcX), toPixelsY(top), toPixelsX(srcCx), toPixelsY(height));
    target.drawImage(QRect(x, y, cx, cy), m_image, source);
    return true;
}

} // namespace platform
