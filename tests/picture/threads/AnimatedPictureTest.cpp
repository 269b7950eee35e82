#include "picture/AnimatedPicture.h"

#include "GifWriter.h"
#include "platform/Trace.h"
#include "platform/Utf8Path.h"
#include "support/RunEvents.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using picture::CAnimatedPicture;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

namespace {

// Colour indices of the test GIFs' palette.
enum Ink : std::uint8_t { Black, Red, Green, Blue };
const QRgb kInk[] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
const QColor kYellow(255, 255, 0);

struct SolidFrame {
    banner::GifWriter::FrameRect rect; // width 0: the whole screen
    Ink ink;
    int delay, disposal;
};

std::vector<std::uint8_t> MakeGif(int width, int height, const std::vector<SolidFrame>& frames)
{
    std::vector<std::uint8_t> palette;
    for (QRgb rgb : kInk)
        palette.insert(palette.end(), {std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb))});
    banner::GifWriter writer(width, height, palette);
    writer.AddLoop();
    for (const SolidFrame& frame : frames) {
        const int pixels = frame.rect.width == 0 ? width * height : frame.rect.width * frame.rect.height;
        writer.AddFrame(std::vector<std::uint8_t>(pixels, frame.ink), frame.delay, frame.disposal, frame.rect);
    }
    return writer.Finish();
}

std::vector<std::uint8_t> MakePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

// What the control paints: its paint handler run into an image.
QRgb Shown(CAnimatedPicture& picture, int x, int y)
{
    return picture.grab().toImage().pixel(x, y);
}

class AnimatedPictureTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_oldSink = platform::SetTraceSink([this](const std::string& line) {
            const std::lock_guard lock(m_traceMutex);
            m_traces.push_back(line);
        });
    }
    void TearDown() override { platform::SetTraceSink(m_oldSink); }

    std::vector<std::string> Traces()
    {
        const std::lock_guard lock(m_traceMutex);
        return std::exchange(m_traces, {});
    }

    // Starts the banner and waits until its thread runs.
    void Animate(CAnimatedPicture& picture)
    {
        ASSERT_TRUE(picture.Load(164, "Gif"));
        picture.Draw();
        ASSERT_TRUE(RunEventsUntil([&] { return picture.IsAnimating(); }));
    }

private:
    platform::TraceSink m_oldSink;
    std::mutex m_traceMutex;
    std::vector<std::string> m_traces;
};

TEST_F(AnimatedPictureTest, LoadsTheBannerResource)
{
    CAnimatedPicture picture;
    ASSERT_TRUE(picture.Load(164, "Gif"));
    EXPECT_TRUE(picture.HasGifData());
    EXPECT_TRUE(picture.IsMultiFrame());
    EXPECT_EQ(picture.GetFrameTotal(), 40);
    EXPECT_EQ(picture.GetPictureSize(), QSize(500, 28));
    EXPECT_EQ(picture.size(), QSize(500, 28));
    ASSERT_TRUE(picture.Draw());
    const QImage first = picture.grab().toImage();
    EXPECT_TRUE(RunEventsUntil([&] { return picture.grab().toImage() != first; }));
    EXPECT_TRUE(picture.IsAnimating());
}

// Still pictures: a picture of another format takes its size from its HIMETRIC
// size at the screen's resolution, a one-frame GIF its logical screen.
TEST_F(AnimatedPictureTest, ShowsStillPictures)
{
    QImage png(96, 48, QImage::Format_RGB32);
    png.fill(kInk[Green]);
    const struct {
        const char* what;
        std::vector<std::uint8_t> data;
        bool gif;
        QSize size;
        QRgb pixel;
    } rows[] = {
        {"PNG of 2540 by 1270 HIMETRIC at 96 dpi", MakePng(png), false, {96, 48}, kInk[Green]},
        {"one-frame GIF", MakeGif(7, 3, {{{}, Blue, 6, 1}}), true, {7, 3}, kInk[Blue]},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CAnimatedPicture picture;
        ASSERT_EQ(picture.logicalDpiX(), 96);
        ASSERT_TRUE(picture.Load(row.data));
        EXPECT_EQ(picture.HasGifData(), row.gif);
        EXPECT_FALSE(picture.IsMultiFrame());
        EXPECT_EQ(picture.GetFrameTotal(), 0);
        EXPECT_EQ(picture.GetPictureSize(), row.size);
        EXPECT_EQ(picture.size(), row.size);
        ASSERT_TRUE(picture.Draw());
        EXPECT_FALSE(picture.IsAnimating());
        EXPECT_EQ(Shown(picture, 0, 0), row.pixel);
        EXPECT_EQ(Shown(picture, row.size.width() - 1, row.size.height() - 1), row.pixel);
    }
}

TEST_F(AnimatedPictureTest, RefusesWhatItCannotLoad)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string empty = folder + "/empty.gif";
    std::ofstream(empty).close();
    const std::string missing = folder + "/missing.gif";
    const std::string pipe = folder + "/pipe.gif";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::vector<std::uint8_t> noFrames = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B};
    const std::vector<std::uint8_t> noPicture = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
    const struct {
        const char* what;
        bool animateFirst;
        std::function<bool(CAnimatedPicture&)> act;
        std::vector<std::string> traces;
        bool stillAnimating; // a file or resource that cannot be read changes nothing
    } rows[] = {
        {"Draw before Load", false, [](auto& p) { return p.Draw(); },
         {"Call one of the CAnimatedPicture::Load() member functions before calling Draw()\n"}, false},
        {"missing file", true, [&](auto& p) { return p.Load(missing.c_str()); },
         {"Load (file): Error opening file " + missing + "\n"}, true},
        {"empty file", true, [&](auto& p) { return p.Load(empty.c_str()); },
         {"Load (file): Error locking memory\n"}, true},
        {"a folder", true, [&](auto& p) { return p.Load(folder.c_str()); },
         {"Load (file): Error opening file " + folder + "\n"}, true},
        {"a named pipe: refused without waiting for a writer", true, [&](auto& p) { return p.Load(pipe.c_str()); },
         {"Load (file): Error opening file " + pipe + "\n"}, true},
        {"missing resource by name", true, [](auto& p) { return p.Load("banner", "Gif"); },
         {"Load (resource): Error loading resource banner\n"}, true},
        {"missing resource by number", true, [](auto& p) { return p.Load(165, "Gif"); },
         {"Load (resource): Error loading resource #165\n"}, true},
        {"resource of another type", true, [](auto& p) { return p.Load(164, "Bitmap"); },
         {"Load (resource): Error loading resource #164\n"}, true},
        {"empty memory", true, [](auto& p) { return p.Load(std::span<const std::uint8_t>()); },
         {"Load: Error locking memory\n"}, false},
        {"GIF without frames", true, [&](auto& p) { return p.Load(noFrames); }, {}, false},
        {"no picture at all", true, [&](auto& p) { return p.Load(noPicture); }, {}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CAnimatedPicture picture;
        if (row.animateFirst)
            Animate(picture);
        Traces();
        EXPECT_FALSE(row.act(picture));
        EXPECT_EQ(Traces(), row.traces);
        EXPECT_EQ(picture.IsAnimating(), row.stillAnimating);
        EXPECT_EQ(picture.GetFrameTotal(), row.stillAnimating ? 40 : 0);
    }
}

TEST_F(AnimatedPictureTest, LoadsAFileByItsUtf8Name)
{
    QTemporaryDir dir;
    const std::string name = dir.path().toStdString() + "/横幅图片.gif";
    const std::vector<std::uint8_t> gif = MakeGif(5, 2, {{{}, Green, 6, 1}});
    std::ofstream(platform::Utf8Path(name), std::ios::binary).write(reinterpret_cast<const char*>(gif.data()),
                                                                    static_cast<std::streamsize>(gif.size()));
    CAnimatedPicture picture;
    ASSERT_TRUE(picture.Load(name.c_str()));
    EXPECT_EQ(picture.GetPictureSize(), QSize(5, 2));
}

TEST_F(AnimatedPictureTest, BackColour)
{
    const struct {
        const char* what;
        bool load;
        QColor colour;
        bool filled;
    } rows[] = {
        {"before loading: not kept", false, Qt::white, false},
        {"after loading: fills the whole buffer", true, kYellow, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CAnimatedPicture picture;
        if (row.load) {
            ASSERT_TRUE(picture.Load(MakeGif(3, 2, {{{}, Blue, 6, 1}})));
            EXPECT_EQ(picture.GetBackColor(), picture.palette().color(QPalette::Button));
        }
        picture.SetBackColor(kYellow);
        EXPECT_EQ(picture.GetBackColor(), row.colour);
        if (row.filled) {
            EXPECT_EQ(Shown(picture, 0, 0), kYellow.rgb());
            EXPECT_EQ(Shown(picture, 2, 1), kYellow.rgb());
        }
    }
}

TEST_F(AnimatedPictureTest, DrawRectangle)
{
    QImage image(4, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, qRgb(x * 60, y * 120, 7));
    CAnimatedPicture picture;
    ASSERT_TRUE(picture.Load(MakePng(image)));
    ASSERT_TRUE(picture.Draw());
    const struct {
        const char* what;
        QRect rect;
        QPoint source; // what the control's (0, 0) shows
    } rows[] = {
        {"none: the whole picture", QRect(), {0, 0}},
        {"positive width: that part at the top-left corner", QRect(2, 1, 2, 1), {2, 1}},
        {"width 0: the whole picture", QRect(2, 1, 0, 1), {0, 0}},
        {"right left of left: the whole picture", QRect(3, 1, -2, 1), {0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        picture.SetDrawRect(row.rect);
        EXPECT_EQ(picture.GetDrawRect(), row.rect);
        EXPECT_EQ(Shown(picture, 0, 0), image.pixel(row.source));
        EXPECT_EQ(Shown(picture, 1, 0), image.pixel(row.source + QPoint(1, 0)));
    }
}

// Two full frames that alternate; each stays for its delay's time.
TEST_F(AnimatedPictureTest, ShowsEachFrameForItsDelay)
{
    const struct {
        int delay;
        milliseconds shown;
    } rows[] = {
        {0, milliseconds(100)},
        {4, milliseconds(100)},
        {5, milliseconds(50)},
        {25, milliseconds(250)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "delay " << row.delay);
        CAnimatedPicture picture;
        ASSERT_TRUE(picture.Load(MakeGif(2, 1, {{{}, Red, row.delay, 1}, {{}, Blue, row.delay, 1}})));
        ASSERT_TRUE(picture.Draw());
        // The times at which the colour changes, after the first change.
        std::vector<Clock::time_point> changes;
        QRgb last = Shown(picture, 0, 0);
        ASSERT_TRUE(RunEventsUntil([&] {
            const QRgb now = Shown(picture, 0, 0);
            if (now != last)
                changes.push_back(Clock::now());
            last = now;
            return changes.size() == 5;
        }));
        // A busy machine (a sanitizer build under a parallel test run) may stretch a
        // wait, even most of them, but never shorten one.
        std::vector<milliseconds> intervals;
        for (std::size_t i = 1; i < changes.size(); ++i)
            intervals.push_back(std::chrono::duration_cast<milliseconds>(changes[i] - changes[i - 1]));
        std::sort(intervals.begin(), intervals.end());
        EXPECT_GE(intervals.front(), row.shown - milliseconds(15));
        EXPECT_LT(intervals[intervals.size() / 2], row.shown * 2);
    }
}

// A full red frame, a blue 10 by 10 frame at (5, 5) with the disposal method under
// test, then a green pixel at (0, 0) that stays: once it shows, the blue frame has
// been disposed of.
TEST_F(AnimatedPictureTest, DisposesOfAFrameAfterItsWait)
{
    const struct {
        int disposal;
        QRgb left; // the blue frame's area afterwards
    } rows[] = {
        {1, kInk[Blue]},
        {2, kYellow.rgb()}, // the back colour
        {3, kInk[Red]},     // what was there before
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "disposal " << row.disposal);
        CAnimatedPicture picture;
        ASSERT_TRUE(picture.Load(MakeGif(20, 20, {{{}, Red, 5, 1},
                                                  {{5, 5, 10, 10}, Blue, 20, row.disposal},
                                                  {{0, 0, 1, 1}, Green, 1000, 1}})));
        picture.SetBackColor(kYellow);
        ASSERT_TRUE(picture.Draw());
        ASSERT_TRUE(RunEventsUntil([&] { return Shown(picture, 5, 5) == kInk[Blue]; }));
        // Only the frame's rectangle is drawn.
        EXPECT_EQ(Shown(picture, 4, 4), kInk[Red]);
        EXPECT_EQ(Shown(picture, 15, 15), kInk[Red]);
        EXPECT_EQ(Shown(picture, 14, 14), kInk[Blue]);
        ASSERT_TRUE(RunEventsUntil([&] { return Shown(picture, 0, 0) == kInk[Green]; }));
        EXPECT_EQ(Shown(picture, 5, 5), row.left);
        EXPECT_EQ(Shown(picture, 14, 14), row.left);
        EXPECT_EQ(Shown(picture, 15, 15), kInk[Red]);
    }
}

// After the last frame the whole buffer takes the back colour before the first
// frame is drawn again.
TEST_F(AnimatedPictureTest, WrapFillsWithTheBackColour)
{
    CAnimatedPicture picture;
    ASSERT_TRUE(picture.Load(MakeGif(3, 1, {{{0, 0, 1, 1}, Red, 10, 1}, {{1, 0, 1, 1}, Blue, 10, 1}})));
    picture.SetBackColor(kYellow);
    ASSERT_TRUE(picture.Draw());
    ASSERT_TRUE(RunEventsUntil([&] { return Shown(picture, 1, 0) == kInk[Blue]; }));
    ASSERT_TRUE(RunEventsUntil([&] { return Shown(picture, 1, 0) == kYellow.rgb(); }));
    EXPECT_TRUE(RunEventsUntil([&] { return Shown(picture, 0, 0) == kInk[Red] && Shown(picture, 1, 0) == kYellow.rgb(); }));
    EXPECT_EQ(Shown(picture, 2, 0), kYellow.rgb());
}

// A stop cuts the frame's wait short; Draw goes on with the frame it stopped at.
TEST_F(AnimatedPictureTest, StopsAtOnceAndRestarts)
{
    CAnimatedPicture picture;
    ASSERT_TRUE(picture.Load(MakeGif(2, 1, {{{}, Red, 5, 1}, {{}, Blue, 500, 1}})));
    ASSERT_TRUE(picture.Draw());
    ASSERT_TRUE(RunEventsUntil([&] { return Shown(picture, 0, 0) == kInk[Blue]; }));
    const auto start = Clock::now();
    picture.StopAnimation();
    EXPECT_LT(Clock::now() - start, milliseconds(1000));
    EXPECT_FALSE(picture.IsAnimating());
    EXPECT_EQ(Shown(picture, 0, 0), kInk[Blue]);

    ASSERT_TRUE(picture.Draw());
    EXPECT_TRUE(RunEventsUntil([&] { return picture.IsAnimating(); }));
    // Starting from the first frame would show red for 50 ms.
    EXPECT_FALSE(RunEventsUntil([&] { return Shown(picture, 0, 0) == kInk[Red]; }, milliseconds(300)));
    EXPECT_TRUE(picture.Draw()); // a second Draw leaves the running animation alone
}

TEST_F(AnimatedPictureTest, LoadWhileAnimatingStopsFirst)
{
    CAnimatedPicture picture;
    Animate(picture);
    ASSERT_TRUE(picture.Load(MakeGif(6, 4, {{{}, Red, 5, 1}, {{}, Blue, 5, 1}, {{}, Green, 5, 1}})));
    EXPECT_FALSE(picture.IsAnimating());
    EXPECT_EQ(picture.GetFrameTotal(), 3);
    EXPECT_EQ(picture.GetPictureSize(), QSize(6, 4));
    ASSERT_TRUE(picture.Draw());
    EXPECT_TRUE(RunEventsUntil([&] { return Shown(picture, 0, 0) == kInk[Green]; }));
}

TEST_F(AnimatedPictureTest, DestroyWhileAnimating)
{
    auto picture = std::make_unique<CAnimatedPicture>();
    Animate(*picture);
    RunEventsFor(milliseconds(100)); // repaints queued meanwhile
    const auto start = Clock::now();
    picture.reset();
    EXPECT_LT(Clock::now() - start, milliseconds(1000));
    QCoreApplication::processEvents(); // no queued repaint may reach the dead control
}

// Frames are decoded to the whole logical screen, so an animation whose frames
// would exceed the memory bound is cut off after the frames that fit.
TEST_F(AnimatedPictureTest, BoundsTheMemoryOfDecodedFrames)
{
    std::vector<SolidFrame> frames(9, {{0, 0, 1, 1}, Red, 5, 1});
    CAnimatedPicture picture;
    ASSERT_TRUE(picture.Load(MakeGif(2048, 2048, frames)));
    EXPECT_EQ(picture.GetFrameTotal(), 8);
}

} // namespace
