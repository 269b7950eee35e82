#include "picture/AnimatedPicture.h"

#include "GifWriter.h"
#include "picture/PngBytes.h"
#include "platform/Trace.h"
#include "platform/Utf8Path.h"
#include "support/RunEvents.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>
#ifdef __linux__
#include <sys/resource.h>
#endif

#include <algorithm>
#include <chrono>
#include <filesystem>
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

// n frames on a 1 by 1 screen, each the smallest there is: 15 bytes of image
// descriptor and the LZW codes clear, 0, end, without a control extension.
std::vector<std::uint8_t> OnePixelFrames(int n)
{
    std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
    const std::uint8_t frame[] = {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0};
    for (int i = 0; i < n; ++i)
        gif.insert(gif.end(), std::begin(frame), std::end(frame));
    gif.push_back(0x3B);
    return gif;
}

// A file of `size` bytes that begins as a one-frame GIF; the rest is a hole, so it
// takes no room on the disk.
void WriteLargeGif(const std::string& path, std::uintmax_t size)
{
    const std::vector<std::uint8_t> gif = OnePixelFrames(1);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(gif.data()),
                                                static_cast<std::streamsize>(gif.size()));
    std::filesystem::resize_file(path, size);
}

const std::string kMemoryTrace = "Load: The picture needs more than 128 MB of memory\n";

// What the control paints: its paint handler run into an image.
QRgb Shown(CAnimatedPicture& picture, int x, int y)
{
    return picture.grab().toImage().pixel(x, y);
}

// Counts the paint events that reach a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int Count() const { return m_nPaints; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_nPaints;
        return false;
    }

private:
    int m_nPaints = 0;
};

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
#ifndef _WIN32  // Windows has no named pipe in a folder; the folder row shows the same refusal
    const std::string pipe = folder + "/pipe.gif";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
#endif
    const std::string large = folder + "/large.gif";
    WriteLargeGif(large, std::uintmax_t{129} << 20);
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
#ifndef _WIN32
        {"a named pipe: refused without waiting for a writer", true, [&](auto& p) { return p.Load(pipe.c_str()); },
         {"Load (file): Error opening file " + pipe + "\n"}, true},
#endif
        {"a file larger than the memory bound: refused unread", true, [&](auto& p) { return p.Load(large.c_str()); },
         {kMemoryTrace}, true},
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

// Two full frames that alternate; each stays for its delay's time. The times are
// taken where the frames are handed over, on the animation thread, so that only
// the worker's own wait lies between two of them.
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
        std::mutex mutex;
        std::vector<Clock::time_point> handOvers;
        picture.SetHandOverHook([&] {
            const std::lock_guard lock(mutex);
            handOvers.push_back(Clock::now());
        });
        ASSERT_TRUE(picture.Draw());
        ASSERT_TRUE(RunEventsUntil([&] {
            const std::lock_guard lock(mutex);
            return handOvers.size() >= 5;
        }, milliseconds(10000)));
        picture.StopAnimation();
        // A busy machine may stretch a wait but never shorten one; it hardly
        // stretches every one of them to twice its length.
        std::vector<Clock::duration> intervals;
        for (std::size_t i = 1; i < handOvers.size(); ++i)
            intervals.push_back(handOvers[i] - handOvers[i - 1]);
        for (const Clock::duration interval : intervals)
            EXPECT_GE(interval, row.shown);
        EXPECT_LT(*std::min_element(intervals.begin(), intervals.end()), row.shown * 2);
    }
}

// Each frame handed over reaches the screen as a repaint of the control.
TEST_F(AnimatedPictureTest, RepaintsEachFrameHandedOver)
{
    CAnimatedPicture picture;
    ASSERT_TRUE(picture.Load(MakeGif(2, 1, {{{}, Red, 5, 1}, {{}, Blue, 5, 1}})));
    picture.show();
    PaintCounter paints(picture);
    ASSERT_TRUE(picture.Draw());
    // More than the window's first paint.
    EXPECT_TRUE(RunEventsUntil([&] { return paints.Count() >= 3; }));
}

// A full red frame, a blue frame with the disposal method under test, then a green
// pixel at (0, 0) that stays. The frames are stepped without waits: two steps end
// during the blue frame's wait, three after its disposal.
TEST_F(AnimatedPictureTest, DisposesOfAFrameByItsMethod)
{
    const struct {
        const char* what;
        banner::GifWriter::FrameRect rect;
        int disposal;
        QRgb left; // the blue frame's area afterwards
    } rows[] = {
        {"none", {5, 5, 10, 10}, 1, kInk[Blue]},
        {"to the back colour", {5, 5, 10, 10}, 2, kYellow.rgb()},
        {"to what was there before", {5, 5, 10, 10}, 3, kInk[Red]},
        {"to the back colour, frame beyond the screen", {5, 5, 30, 30}, 2, kYellow.rgb()},
        {"to what was there before, frame beyond the screen", {5, 5, 30, 30}, 3, kInk[Red]},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const int last = std::min(row.rect.left + row.rect.width, 20) - 1; // of the frame, on the screen
        for (const int steps : {2, 3}) {
            CAnimatedPicture picture;
            ASSERT_TRUE(picture.Load(MakeGif(20, 20, {{{}, Red, 5, 1},
                                                      {row.rect, Blue, 20, row.disposal},
                                                      {{0, 0, 1, 1}, Green, 1000, 1}})));
            picture.SetBackColor(kYellow);
            picture.StepAnimation(steps);
            const QRgb frame = steps == 2 ? kInk[Blue] : row.left;
            EXPECT_EQ(Shown(picture, 0, 0), steps == 2 ? kInk[Red] : kInk[Green]);
            EXPECT_EQ(Shown(picture, 4, 4), kInk[Red]);
            EXPECT_EQ(Shown(picture, 5, 5), frame);
            EXPECT_EQ(Shown(picture, last, last), frame);
            if (last < 19) {
                EXPECT_EQ(Shown(picture, last + 1, last + 1), kInk[Red]);
            }
        }
    }
}

// After the last frame the whole buffer takes the back colour before the first
// frame is drawn again.
TEST_F(AnimatedPictureTest, WrapFillsWithTheBackColour)
{
    CAnimatedPicture picture;
    ASSERT_TRUE(picture.Load(MakeGif(3, 1, {{{0, 0, 1, 1}, Red, 10, 1}, {{1, 0, 1, 1}, Blue, 10, 1}})));
    picture.SetBackColor(kYellow);
    picture.StepAnimation(2);
    EXPECT_EQ(Shown(picture, 0, 0), kInk[Red]);
    EXPECT_EQ(Shown(picture, 1, 0), kInk[Blue]);
    picture.StepAnimation(2); // the second frame again, then the first after the wrap
    EXPECT_EQ(Shown(picture, 0, 0), kInk[Red]);
    EXPECT_EQ(Shown(picture, 1, 0), kYellow.rgb());
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
    RunEventsFor(milliseconds(100)); // frames handed over and repaints posted meanwhile
    const auto start = Clock::now();
    picture.reset();
    EXPECT_LT(Clock::now() - start, milliseconds(1000));
    QCoreApplication::processEvents(); // no repaint or poll may reach the dead control
}

// Everything the control would hold counts against its bound, 128 MB unless it is
// given another: a picture beyond it fails to load with its trace line. Frames
// decode to the whole logical screen, which also sizes the back buffer and the save
// area (16 MB at 2040 by 2040), and each frame holds objects besides its pixels.
// However small the screen, an animation has at most 8192 frames.
TEST_F(AnimatedPictureTest, BoundsTheMemoryOfItsImages)
{
    const SolidFrame pixel = {{0, 0, 1, 1}, Red, 5, 1};
    const auto frames = [&](std::size_t n) { return std::vector<SolidFrame>(n, pixel); };
    QImage photo(6000, 3000, QImage::Format_RGB32); // 72 MB, and as much for the back buffer
    photo.fill(kInk[Green]);
    // 12.8 MB for the picture and as much for the back buffer; a 16-bit PNG's decoded
    // image takes twice that beside them before it is converted.
    QImage deep(1600, 1000, QImage::Format_RGBA64);
    deep.fill(kInk[Blue]);
    QImage plain(1600, 1000, QImage::Format_RGB32);
    plain.fill(kInk[Blue]);
    const std::int64_t small = std::int64_t{16} << 20;
    const std::string smallTrace = "Load: The picture needs more than 16 MB of memory\n";
    const struct {
        const char* what;
        std::vector<std::uint8_t> data;
        std::string refusal; // the trace line; none for a picture that loads
        std::int64_t bound = CAnimatedPicture::kDefaultMemoryBound;
    } rows[] = {
        {"six frames with their objects, back buffer and save area: just within", MakeGif(2040, 2040, frames(6)), {}},
        {"seven frames", MakeGif(2040, 2040, frames(7)), kMemoryTrace},
        {"8192 frames of 64 by 63: the pixels fit, not with the frames' objects", MakeGif(64, 63, frames(8192)),
         kMemoryTrace},
        {"8192 one-pixel frames", OnePixelFrames(8192), {}},
        {"8193 one-pixel frames", OnePixelFrames(8193), "Load: The GIF has more than 8192 frames\n"},
        {"one frame of the largest screen", MakeGif(65535, 65535, frames(1)), kMemoryTrace},
        {"two frames of the largest screen", MakeGif(65535, 65535, frames(2)), kMemoryTrace},
        {"a large photo", MakePng(photo), kMemoryTrace},
        {"a bound of 16 MB: two frames of 1024 by 1024 and their screens go beyond it",
         MakeGif(1024, 1024, frames(2)), smallTrace, small},
        {"a bound of 16 MB: a 16-bit PNG whose decoded image outweighs its back buffer", MakePng(deep), smallTrace,
         small},
        {"a bound of 16 MB: the same picture at 8 bits a channel", MakePng(plain), {}, small},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CAnimatedPicture picture(nullptr, row.bound);
        EXPECT_EQ(picture.Load(row.data), row.refusal.empty());
        EXPECT_EQ(Traces(), row.refusal.empty() ? std::vector<std::string>() : std::vector<std::string>{row.refusal});
    }
}

#ifdef __linux__
std::int64_t PeakResident()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return std::int64_t{usage.ru_maxrss} * 1024;
}

// Crafted pictures that would take hundreds of megabytes: each is refused from what
// its data declares, before anything of it is decoded or a file is read.
TEST_F(AnimatedPictureTest, RefusesBeforeDecoding)
{
    QTemporaryDir dir;
    const std::string large = dir.path().toStdString() + "/large.gif";
    WriteLargeGif(large, std::uintmax_t{512} << 20);
    const std::vector<std::uint8_t> frames = OnePixelFrames(1 << 18);
    QImage grey(5700, 5700, QImage::Format_Grayscale8);
    grey.fill(128);
    const std::vector<std::uint8_t> png = MakePng(grey);
    grey = QImage();
    const struct {
        const char* what;
        std::function<bool(CAnimatedPicture&)> load;
        std::string trace;
    } rows[] = {
        {"262144 one-pixel frames: 75 MB of frame objects", [&](auto& p) { return p.Load(frames); },
         "Load: The GIF has more than 8192 frames\n"},
        {"a 512 MB file with a GIF header", [&](auto& p) { return p.Load(large.c_str()); }, kMemoryTrace},
        {"a grey PNG of 5700 by 5700: 162 MB once decoded", [&](auto& p) { return p.Load(png); }, kMemoryTrace},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::int64_t before = PeakResident();
        CAnimatedPicture picture;
        EXPECT_FALSE(row.load(picture));
        EXPECT_LT(PeakResident() - before, std::int64_t{16} << 20);
        EXPECT_EQ(Traces(), std::vector<std::string>{row.trace});
    }
}

// A frame far outside a small screen: its save area is clipped to the screen
// instead of taking gigabytes for the frame's whole rectangle.
TEST_F(AnimatedPictureTest, ClipsFramesToTheScreen)
{
    const std::int64_t before = PeakResident();
    CAnimatedPicture picture;
    // 16 by 16 pixels; its second frame, disposal 3, lies at (0, 39168) with a size
    // of 39321 by 17305.
    ASSERT_TRUE(picture.Load(VORNA_PICTURE_CORPUS "/big_save_area.gif"));
    ASSERT_EQ(picture.GetFrameTotal(), 2);
    picture.StepAnimation(1);
    const QImage first = picture.grab().toImage();
    picture.StepAnimation(4); // twice through both frames
    EXPECT_EQ(picture.grab().toImage(), first);
    EXPECT_LT(PeakResident() - before, std::int64_t{64} << 20);
}
#endif

} // namespace
