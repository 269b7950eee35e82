#include "GifWriter.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>
#include <vector>

namespace {

// Images that drive the banner's encoder through its code widths, a full code
// table and its restart; Qt's reader must give back every pixel.
TEST(GifWriter, FramesDecodeWithQtPixelForPixel)
{
    const struct {
        const char* what;
        int width, height, colours;
        bool noise;
    } rows[] = {
        {"one pixel", 1, 1, 2, false},
        {"two colours, stripes", 37, 5, 2, false},
        {"16 colours of noise: the code table fills and restarts", 300, 200, 16, true},
        {"256 colours of noise", 120, 90, 256, true},
        {"long runs of one colour: 12-bit codes", 640, 480, 4, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<std::uint8_t> palette;
        for (int i = 0; i < row.colours; ++i)
            palette.insert(palette.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                                           static_cast<std::uint8_t>(i * 7)});
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(row.width) * row.height);
        std::uint32_t seed = 12345;
        for (std::size_t i = 0; i < indices.size(); ++i) {
            seed = seed * 1103515245u + 12345u;
            indices[i] = static_cast<std::uint8_t>((row.noise ? seed >> 16 : i / 3) % row.colours);
        }
        banner::GifWriter writer(row.width, row.height, palette);
        writer.AddFrame(indices, 6, 1);
        const std::vector<std::uint8_t> gif = writer.Finish();

        const QImage image = QImage::fromData(gif.data(), static_cast<int>(gif.size()), "gif");
        ASSERT_EQ(image.size(), QSize(row.width, row.height));
        int wrong = 0;
        for (int y = 0; y < row.height; ++y)
            for (int x = 0; x < row.width; ++x) {
                const std::uint8_t* rgb = &palette[3 * indices[y * row.width + x]];
                wrong += image.pixel(x, y) != qRgb(rgb[0], rgb[1], rgb[2]);
            }
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace
