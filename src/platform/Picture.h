#pragma once
// A decoded picture that reports its size in HIMETRIC (0.01 mm) and renders a source
// rectangle of itself, given in HIMETRIC, into a target rectangle in pixels.

#include <QImage>
#include <QSize>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class QPainter;

namespace platform {

class Picture {
public:
    // What the data's header declares, read without decoding it.
    struct Header {
        QSize m_size;            // in pixels
        int m_nBitsPerPixel = 0; // of the image its decoder makes
    };
    // nullopt when no reader knows the data or tells its size before decoding.
    static std::optional<Header> ReadHeader(std::span<const std::uint8_t> data);

    // Decodes any format QImage reads (a GIF gives its first frame); nullptr when the
    // data cannot be decoded.
    static std::unique_ptr<Picture> Load(std::span<const std::uint8_t> data);

    // Pixels × 2540 / 96, rounded: the size at the screen's 96 pixels per inch.
    static long PixelsToHimetric(int pixels);
    long WidthHimetric() const;
    long HeightHimetric() const;

    // Draws the source rectangle (srcX, srcY, srcCx, srcCy), in HIMETRIC from the
    // picture's top-left corner, scaled into the target rectangle (x, y, cx, cy).
    // A negative srcCy gives the rectangle from its bottom edge srcY upward, so
    // (0, HeightHimetric(), WidthHimetric(), -HeightHimetric()) is the whole picture;
    // either way it is drawn upright. Transparent pixels leave the target as it was.
    // False when the painter is not active, cx, cy or srcCx is not positive, or srcCy
    // is 0.
    bool Render(QPainter& target, int x, int y, int cx, int cy,
                long srcX, long srcY, long srcCx, long srcCy) const;

private:
    explicit Picture(QImage image);

    QImage m_image;
};

} // namespace platform
