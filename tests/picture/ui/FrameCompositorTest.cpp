#include "picture/FrameCompositor.h"

#include "picture/PngBytes.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using picture::CFrameCompositor;
using picture::GifFrame;

namespace {

const QSize kScreen(20, 20);
const QRect kWhole({0, 0}, kScreen);
const QRgb kFill = qRgb(192, 192, 192);  // the first fill of a new back buffer
const QRgb kBack = qRgb(255, 255, 0);    // the back colour it is made with
const QRgb kCyan = qRgb(0, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
// Where a frame's picture lies outside the frame's rectangle: it must never show.
const QRgb kOutside = qRgb(0, 0, 0);
// What a painter's target holds where painting copies nothing.
const QRgb kUnpainted = qRgb(1, 2, 3);

// The screen in `ground`, with `rect` in `ink` wherever it lies on the screen.
QImage Screen(QRgb ground, QRect rect = {}, QRgb ink = kOutside)
{
    QImage image(kScreen, QImage::Format_RGB32);
    image.fill(ground);
    QPainter(&image).fillRect(rect, QColor(ink));
    return image;
}

// A frame as the control decodes one: its picture is the whole logical screen, with
// the frame's pixels in its rectangle.
GifFrame Frame(QRect rect, QRgb ink, std::uint32_t disposal)
{
    return {platform::Picture::Load(MakePng(Screen(kOutside, rect, ink))), rect.size(), rect.topLeft(), 10, disposal};
}

std::vector<GifFrame> Frames(std::initializer_list<std::pair<QRect, std::uint32_t>> rects, QRgb ink)
{
    std::vector<GifFrame> frames;
    for (const auto& [rect, disposal] : rects)
        frames.push_back(Frame(rect, ink, disposal));
    return frames;
}

// What painting copies from the back buffer, against what it should be: empty when
// they agree, else the first pixel that differs.
std::string Difference(const CFrameCompositor& compositor, const QImage& expected)
{
    QImage shown(kScreen, QImage::Format_RGB32);
    shown.fill(kUnpainted);
    {
        QPainter painter(&shown);
        compositor.Paint(painter, QRect());
    }
    for (int y = 0; y < kScreen.height(); ++y)
        for (int x = 0; x < kScreen.width(); ++x)
            if (shown.pixel(x, y) != expected.pixel(x, y))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ") shows " +
                       QColor(shown.pixel(x, y)).name().toStdString() + ", not " +
                       QColor(expected.pixel(x, y)).name().toStdString();
    return {};
}

// A red screen, then a blue frame with the method under test: what it shows, and
// what its disposal leaves.
TEST(FrameCompositor, ShowsAFrameAndDisposesOfItByItsMethod)
{
    const struct {
        const char* what;
        QRect rect;
        std::uint32_t disposal;
        bool drawn;
        QRgb left; // the frame's rectangle after its disposal
    } rows[] = {
        {"no method (0): left in place", {5, 5, 10, 10}, 0, true, kBlue},
        {"not to be disposed of (1)", {5, 5, 10, 10}, 1, true, kBlue},
        {"to the back colour (2)", {5, 5, 10, 10}, 2, true, kBack},
        {"to what was under it (3)", {5, 5, 10, 10}, 3, true, kRed},
        {"reserved (4): left in place", {5, 5, 10, 10}, 4, true, kBlue},
        {"reserved (7): left in place", {5, 5, 10, 10}, 7, true, kBlue},
        {"partly beyond the screen, to the back colour", {12, 3, 30, 30}, 2, true, kBack},
        {"partly beyond the screen, to what was under it", {3, 12, 30, 30}, 3, true, kRed},
        {"wholly beyond the screen, to the back colour", {25, 3, 4, 4}, 2, false, kBack},
        {"wholly beyond the screen, to what was under it", {3, 20, 4, 4}, 3, false, kRed},
        {"of no size", {5, 5, 0, 0}, 1, false, kBlue},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<GifFrame> frames = Frames({{kWhole, 1}}, kRed);
        frames.push_back(Frame(row.rect, kBlue, row.disposal));
        CFrameCompositor compositor;
        ASSERT_TRUE(compositor.Create(kScreen, frames, kFill, kBack));
        ASSERT_TRUE(compositor.ShowFrame(frames[0]));
        EXPECT_EQ(compositor.ShowFrame(frames[1]), row.drawn);
        EXPECT_EQ(Difference(compositor, Screen(kRed, row.rect, kBlue)), "");
        compositor.DisposeFrame(frames[1]);
        EXPECT_EQ(Difference(compositor, Screen(kRed, row.rect, row.left)), "");
    }
}

// The save area holds what the frames before had made of the screen, and gives it
// back once: a stopped run's frame is disposed of again when the run goes on.
TEST(FrameCompositor, RestoresWhatAFrameCoveredOnce)
{
    const QRect square(5, 5, 2, 2);
    const QRect covered(4, 4, 8, 8);
    std::vector<GifFrame> frames = Frames({{kWhole, 1}}, kRed);
    frames.push_back(Frame(square, kGreen, 1));
    frames.push_back(Frame(covered, kBlue, 3));
    frames.push_back(Frame(kWhole, kCyan, 1));
    CFrameCompositor compositor;
    ASSERT_TRUE(compositor.Create(kScreen, frames, kFill, kBack));
    compositor.DisposeFrame(frames[2]);
    EXPECT_EQ(Difference(compositor, Screen(kFill)), "") << "nothing saved yet";
    for (int i = 0; i < 3; ++i)
        compositor.ShowFrame(frames[i]);
    compositor.DisposeFrame(frames[2]);
    EXPECT_EQ(Difference(compositor, Screen(kRed, square, kGreen)), "") << "restored";
    compositor.ShowFrame(frames[3]);
    compositor.DisposeFrame(frames[2]);
    EXPECT_EQ(Difference(compositor, Screen(kCyan)), "") << "restored only once";
}

TEST(FrameCompositor, BackColour)
{
    const QRect rect(5, 5, 10, 10);
    const struct {
        const char* what;
        std::function<void(CFrameCompositor&, const std::vector<GifFrame>&)> act;
        QRgb back;
        QImage shown;
    } rows[] = {
        {"as made: the buffer in its first fill", [](auto&, auto&) {}, kBack, Screen(kFill)},
        {"set: the whole buffer filled at once",
         [](auto& c, auto& f) {
             c.ShowFrame(f[0]);
             c.SetBackColor(kCyan);
         },
         kCyan, Screen(kCyan)},
        {"set: what a later disposal to the back colour fills",
         [](auto& c, auto& f) {
             c.SetBackColor(kCyan);
             c.ShowFrame(f[0]);
             c.ShowFrame(f[1]);
             c.DisposeFrame(f[1]);
         },
         kCyan, Screen(kRed, rect, kCyan)},
        {"the wrap: the whole buffer in it",
         [](auto& c, auto& f) {
             c.ShowFrame(f[0]);
             c.FillWithBackColor();
         },
         kBack, Screen(kBack)},
        {"cleared: white, and no buffer to paint", [](auto& c, auto&) { c.Clear(); }, qRgb(255, 255, 255),
         Screen(kUnpainted)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::vector<GifFrame> frames = Frames({{kWhole, 1}, {rect, 2}}, kRed);
        CFrameCompositor compositor;
        ASSERT_TRUE(compositor.Create(kScreen, frames, kFill, kBack));
        row.act(compositor, frames);
        EXPECT_EQ(compositor.BackColor(), QColor(row.back));
        EXPECT_EQ(Difference(compositor, row.shown), "");
    }
}

} // namespace
