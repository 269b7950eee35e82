#include "BannerArt.h"
#include "picture/logic/GifBlockWalker.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <functional>
#include <vector>

namespace {

QByteArray BannerResource()
{
    QFile file(":/res/Gif/164");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<QImage> ReadWhole(const QByteArray& gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        frames.push_back(frame);
    return frames;
}

// The way the picture control decodes an animation: one self-contained GIF per frame.
std::vector<QImage> ReadOneFrameGifs(const QByteArray& gif)
{
    picture::CGifBlockWalker walker({reinterpret_cast<const std::uint8_t*>(gif.constData()),
                                     static_cast<std::size_t>(gif.size())});
    walker.RewindBlocks();
    std::vector<QImage> frames;
    picture::GifFrameInfo info;
    for (auto one = walker.ExtractNextFrame(info); !one.empty(); one = walker.ExtractNextFrame(info)) {
        EXPECT_EQ(info.m_nDelay, 6u);
        EXPECT_EQ(info.m_nDisposal, 1u);
        EXPECT_EQ(QRect(info.m_nLeft, info.m_nTop, info.m_nWidth, info.m_nHeight), QRect(0, 0, 500, 28));
        frames.push_back(QImage::fromData(one.data(), static_cast<int>(one.size()), "gif"));
    }
    return frames;
}

// The shipped banner is what make_banner draws, frame by frame, pixel by pixel.
TEST(BannerGif, DecodesToTheDrawnFrames)
{
    const QByteArray gif = BannerResource();
    ASSERT_FALSE(gif.isEmpty());
    const auto palette = banner::BannerPalette();
    const struct {
        const char* what;
        std::function<std::vector<QImage>(const QByteArray&)> read;
    } rows[] = {
        {"whole file", ReadWhole},
        {"one-frame GIFs", ReadOneFrameGifs},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::vector<QImage> frames = row.read(gif);
        ASSERT_EQ(frames.size(), static_cast<std::size_t>(banner::kFrames));
        for (int i = 0; i < banner::kFrames; ++i) {
            SCOPED_TRACE(testing::Message() << "frame " << i);
            const QImage& frame = frames[i];
            ASSERT_EQ(frame.size(), QSize(banner::kWidth, banner::kHeight));
            const auto indices = banner::RenderBannerFrame(i);
            int wrong = 0;
            for (int y = 0; y < banner::kHeight; ++y)
                for (int x = 0; x < banner::kWidth; ++x) {
                    const auto* rgb = &palette[3 * indices[y * banner::kWidth + x]];
                    wrong += frame.pixel(x, y) != qRgb(rgb[0], rgb[1], rgb[2]);
                }
            EXPECT_EQ(wrong, 0);
        }
    }
}

// The sweep moves: no two neighbouring frames are alike.
TEST(BannerGif, EveryFrameDiffersFromTheNext)
{
    for (int i = 0; i < banner::kFrames; ++i) {
        SCOPED_TRACE(testing::Message() << "frame " << i);
        EXPECT_NE(banner::RenderBannerFrame(i), banner::RenderBannerFrame((i + 1) % banner::kFrames));
    }
}

} // namespace
