#include "picture/logic/GifBlockWalker.h"
#include "GifBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using picture::CGifBlockWalker;
using picture::GifBlockKind;
using picture::GifFrameInfo;

namespace {

std::span<const std::uint8_t> Span(const std::vector<std::uint8_t>& bytes)
{
    return {bytes.data(), bytes.size()};
}

// A frame as the walker should cut it: the blocks from first to last (indices into
// GifBytes::blocks) and what it reports.
struct Frame {
    std::size_t first, last;
    std::uint32_t delay, disposal;
    int width, height, left, top;
};

// The one-frame GIF expected for a frame: the data's header, screen descriptor and
// global table, the frame's blocks, a trailer.
std::vector<std::uint8_t> OneFrameGif(const GifBytes& gif, const Frame& frame)
{
    std::vector<std::uint8_t> out(gif.bytes.begin(), gif.bytes.begin() + gif.blocksStart);
    out.insert(out.end(), gif.bytes.begin() + gif.blocks[frame.first].first,
               gif.bytes.begin() + gif.blocks[frame.last].second);
    out.push_back(0x3B);
    return out;
}

// Counts the frames, then extracts them all, each pass with one record reused, as
// the picture control does.
struct Walk {
    int count = 0;
    std::vector<std::uint32_t> countedLengths;
    std::vector<std::vector<std::uint8_t>> gifs;
    std::vector<GifFrameInfo> infos;
};

Walk WalkAll(std::span<const std::uint8_t> data)
{
    Walk walk;
    CGifBlockWalker walker(data);
    walker.RewindBlocks();
    GifFrameInfo counted;
    for (; walker.SkipToNextFrame(counted); ++walk.count)
        walk.countedLengths.push_back(counted.m_nLength);
    walker.RewindBlocks();
    GifFrameInfo info;
    for (auto gif = walker.ExtractNextFrame(info); !gif.empty(); gif = walker.ExtractNextFrame(info)) {
        walk.gifs.push_back(std::move(gif));
        walk.infos.push_back(info);
    }
    return walk;
}

GifBytes Banner()
{
    GifBytes gif = GifBytes::Start(500, 28, 0xB3).Application();
    for (int i = 0; i < 40; ++i)
        gif.Control(6, 1).Image(0, 0, 500, 28, 0, 1200);
    gif.Trailer();
    return gif;
}

std::vector<Frame> BannerFrames()
{
    std::vector<Frame> frames;
    for (std::size_t i = 0; i < 40; ++i)
        frames.push_back({1 + 2 * i, 2 + 2 * i, 6, 1, 500, 28, 0, 0});
    return frames;
}

constexpr std::uint32_t kNone = GifFrameInfo::kNoDelay;

TEST(GifBlockWalker, RecognisesGifHeaders)
{
    const struct {
        std::string data;
        bool gif;
    } rows[] = {
        {"GIF89a", true},
        {"GIF87a", true},
        {"GIF88a", false},
        {"gif89a", false},
        {"GIF89", false},
        {"", false},
    };
    for (const auto& row : rows) {
        const std::vector<std::uint8_t> bytes(row.data.begin(), row.data.end());
        EXPECT_EQ(CGifBlockWalker::IsGif(Span(bytes)), row.gif) << row.data;
    }
}

TEST(GifBlockWalker, FindsScreenAndGlobalTable)
{
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        int blocksStart, tableSize, width, height;
    } rows[] = {
        {"no global table", GifBytes::Start(7, 9, 0x00).Trailer().bytes, 13, 0, 7, 9},
        {"packed 0xB3: 16 colours", GifBytes::Start(500, 28, 0xB3).Trailer().bytes, 61, 48, 500, 28},
        {"packed 0x80: 2 colours", GifBytes::Start(1, 1, 0x80, "87a").bytes, 19, 6, 1, 1},
        {"size bits without the flag", GifBytes::Start(1, 1, 0x07).bytes, 13, 0, 1, 1},
        {"16-bit sizes", GifBytes::Start(0x1234, 0xFFFF, 0).bytes, 13, 0, 0x1234, 0xFFFF},
        {"screen descriptor cut short", GifBytes::Start(5, 5, 0xB3).Cut(50).bytes, 13, 0, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CGifBlockWalker walker(Span(row.bytes));
        walker.RewindBlocks();
        EXPECT_EQ(walker.DataPos(), row.blocksStart);
        EXPECT_EQ(walker.GlobalTableSize(), row.tableSize);
        EXPECT_EQ(walker.ScreenWidth(), row.width);
        EXPECT_EQ(walker.ScreenHeight(), row.height);
    }
}

TEST(GifBlockWalker, ReadsPackedFields)
{
    enum Reader { Screen, Image, Control };
    const struct {
        Reader reader;
        int packed, selector, value;
    } rows[] = {
        {Screen, 0xB3, 0, 1}, {Screen, 0xB3, 1, 4}, {Screen, 0xB3, 2, 0}, {Screen, 0xB3, 3, 3},
        {Screen, 0xB3, 4, 0xB3}, {Screen, 0x08, 2, 1}, {Screen, 0x70, 1, 8},
        {Image, 0x65, 0, 0}, {Image, 0x65, 1, 1}, {Image, 0x65, 2, 1}, {Image, 0x65, 3, 5},
        {Image, 0x65, -1, 0x65}, {Image, 0x81, 0, 1},
        {Control, 0x1F, 0, 7}, {Control, 0x1F, 1, 1}, {Control, 0x1F, 2, 1}, {Control, 0x1F, 3, 0x1F},
        {Control, 0x04, 0, 1}, {Control, 0x04, 1, 0}, {Control, 0x04, 2, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "reader " << row.reader << " packed " << row.packed
                                        << " selector " << row.selector);
        GifBytes gif = GifBytes::Start(1, 1, row.reader == Screen ? row.packed : 0);
        if (row.reader == Image)
            gif.Image(0, 0, 1, 1, row.packed);
        else
            gif.Raw({0x21, 0xF9, 4, row.packed, 0, 0, 0, 0});
        CGifBlockWalker walker(Span(gif.bytes));
        walker.RewindBlocks();
        const int value = row.reader == Screen  ? walker.ScreenDescFlag(row.selector)
                          : row.reader == Image ? walker.ImageDescFlag(row.selector)
                                                : walker.ControlExtFlag(row.selector);
        EXPECT_EQ(value, row.value);
    }
}

// Each row is one block that ends the data, so a valid block is skipped to the
// exact end and a damaged one leaves the position alone.
TEST(GifBlockWalker, ClassifiesAndMeasuresBlocks)
{
    const GifBytes start = GifBytes::Start(1, 1, 0);
    const struct {
        const char* what;
        GifBytes gif;
        GifBlockKind kind;
        int length;
    } rows[] = {
        {"application extension", GifBytes(start).Application(), GifBlockKind::ApplicationExt, 19},
        {"comment", GifBytes(start).Comment("hi"), GifBlockKind::CommentExt, 6},
        {"control extension", GifBytes(start).Control(6, 1), GifBlockKind::ControlExt, 8},
        {"plain text", GifBytes(start).PlainText(), GifBlockKind::PlainTextExt, 22},
        {"image, two sub-blocks", GifBytes(start).Image(0, 0, 1, 1), GifBlockKind::Image, 314},
        {"image with local table", GifBytes(start).Image(0, 0, 1, 1, 0x81, 1), GifBlockKind::Image, 26},
        {"image with empty chain", GifBytes(start).Image(0, 0, 1, 1, 0, 0), GifBlockKind::Image, 12},
        {"trailer", GifBytes(start).Trailer(), GifBlockKind::Trailer, 1},
        {"other introducer", GifBytes(start).Raw({0x00, 0x3B}), GifBlockKind::Unknown, -1},
        {"unknown label", GifBytes(start).Raw({0x21, 0x99, 0, 0x3B}), GifBlockKind::Unknown, -1},
        {"nothing after the screen", GifBytes(start), GifBlockKind::Unknown, -1},
        {"introducer alone", GifBytes(start).Raw({0x21}), GifBlockKind::Unknown, -1},
        {"control extension one byte short", GifBytes(start).Control(6, 1).Cut(1), GifBlockKind::Unknown, -1},
        {"image descriptor cut", GifBytes(start).Raw({0x2C, 0, 0, 0, 0, 1, 0, 1}), GifBlockKind::Unknown, -1},
        {"local table past the end", GifBytes(start).Image(0, 0, 1, 1, 0x87, 0).Cut(400), GifBlockKind::Unknown, -1},
        {"chain without terminator", GifBytes(start).Image(0, 0, 1, 1).Cut(1), GifBlockKind::Image, 0},
        {"comment without chain", GifBytes(start).Raw({0x21, 0xFE}), GifBlockKind::CommentExt, 0},
        {"plain text one byte short of its chain", GifBytes(start).PlainText().Cut(8), GifBlockKind::Unknown, -1},
        {"sub-block past the end", GifBytes(start).Comment("hi").Cut(2), GifBlockKind::CommentExt, 0},
        {"application extension without chain", GifBytes(start).Application().Cut(5), GifBlockKind::ApplicationExt, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CGifBlockWalker walker(Span(row.gif.bytes));
        walker.RewindBlocks();
        const int before = walker.DataPos();
        EXPECT_EQ(walker.PeekBlockKind(), row.kind);
        EXPECT_EQ(walker.BlockLength(), row.length);
        EXPECT_EQ(walker.SkipBlock(), row.length > 0);
        EXPECT_EQ(walker.DataPos(), row.length > 0 ? static_cast<int>(row.gif.bytes.size()) : before);
    }
}

TEST(GifBlockWalker, CountsAndExtractsFrames)
{
    const GifBytes s = GifBytes::Start(16, 8, 0x80);
    const struct {
        const char* what;
        GifBytes gif;
        std::vector<Frame> frames;
    } rows[] = {
        {"no data", GifBytes{}, {}},
        {"header, screen and trailer", GifBytes(s).Trailer(), {}},
        {"banner: 40 frames after a loop extension", Banner(), BannerFrames()},
        {"image without control extension", GifBytes(s).Image(2, 3, 4, 5).Trailer(), {{0, 0, kNone, 0, 4, 5, 2, 3}}},
        {"comment inside a frame", GifBytes(s).Control(9, 2).Comment("in").Image(0, 0, 16, 8).Trailer(),
         {{0, 2, 9, 2, 16, 8, 0, 0}}},
        {"comment before a frame stays out", GifBytes(s).Comment("out").Control(9, 3).Image(0, 0, 1, 1).Trailer(),
         {{1, 2, 9, 3, 1, 1, 0, 0}}},
        {"two control extensions: the first rules", GifBytes(s).Control(7, 2).Control(8, 3).Image(1, 1, 2, 2).Trailer(),
         {{0, 2, 7, 2, 2, 2, 1, 1}}},
        {"unknown label ends the walk",
         GifBytes(s).Control(5, 1).Image(0, 0, 1, 1).Raw({0x21, 0x99, 0}).Control(5, 1).Image(0, 0, 1, 1).Trailer(),
         {{0, 1, 5, 1, 1, 1, 0, 0}}},
        {"control extension before the trailer", GifBytes(s).Image(0, 0, 1, 1).Control(5, 1).Trailer(),
         {{0, 0, kNone, 0, 1, 1, 0, 0}}},
        {"last frame ends the data", GifBytes(s).Image(0, 0, 1, 1).Control(4, 0).Image(1, 2, 3, 4),
         {{0, 0, kNone, 0, 1, 1, 0, 0}, {1, 2, 4, 0, 3, 4, 1, 2}}},
        {"chain without terminator", GifBytes(s).Image(0, 0, 1, 1).Control(4, 0).Image(1, 2, 3, 4).Cut(1),
         {{0, 0, kNone, 0, 1, 1, 0, 0}}},
        {"a frame without control extension after one with",
         GifBytes(s).Control(5, 3).Image(0, 0, 1, 1).Image(0, 0, 2, 2).Trailer(),
         {{0, 1, 5, 3, 1, 1, 0, 0}, {2, 2, kNone, 0, 2, 2, 0, 0}}},
        {"plain text keeps the previous size and offset",
         GifBytes(s).Control(3, 1).Image(4, 5, 6, 7).Control(2, 2).PlainText().Trailer(),
         {{0, 1, 3, 1, 6, 7, 4, 5}, {2, 3, 2, 2, 6, 7, 4, 5}}},
        {"plain text frame without control extension", GifBytes(s).PlainText().Image(1, 1, 1, 1).Trailer(),
         {{0, 0, kNone, 0, 0, 0, 0, 0}, {1, 1, kNone, 0, 1, 1, 1, 1}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const Walk walk = WalkAll(Span(row.gif.bytes));
        ASSERT_EQ(walk.count, static_cast<int>(row.frames.size()));
        ASSERT_EQ(walk.gifs.size(), row.frames.size());
        for (std::size_t i = 0; i < row.frames.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "frame " << i);
            const Frame& want = row.frames[i];
            const GifFrameInfo& got = walk.infos[i];
            EXPECT_EQ(walk.gifs[i], OneFrameGif(row.gif, want));
            EXPECT_EQ(got.m_nLength, walk.gifs[i].size());
            EXPECT_EQ(walk.countedLengths[i], walk.gifs[i].size());
            EXPECT_EQ(got.m_nDelay, want.delay);
            EXPECT_EQ(got.m_nDisposal, want.disposal);
            EXPECT_EQ(got.m_nWidth, want.width);
            EXPECT_EQ(got.m_nHeight, want.height);
            EXPECT_EQ(got.m_nLeft, want.left);
            EXPECT_EQ(got.m_nTop, want.top);
        }
    }
}

// Every prefix of a valid GIF, each in a buffer of exactly its size (so a sanitizer
// build catches any read past it), yields the frames that lie wholly inside it.
TEST(GifBlockWalker, TruncatedDataYieldsTheWholeFramesOnly)
{
    const GifBytes gif = GifBytes::Start(4, 2, 0x80)
                             .Application()
                             .Comment("x")
                             .Control(6, 1)
                             .Image(0, 0, 4, 2, 0, 20)
                             .Control(3, 2)
                             .Comment("in")
                             .Image(1, 1, 2, 1, 0x80, 5)
                             .PlainText()
                             .Trailer();
    const std::size_t frameEnds[] = {gif.blocks[3].second, gif.blocks[6].second, gif.blocks[7].second};
    const Walk whole = WalkAll(Span(gif.bytes));
    ASSERT_EQ(whole.gifs.size(), std::size(frameEnds));
    for (std::size_t size = 0; size <= gif.bytes.size(); ++size) {
        SCOPED_TRACE(testing::Message() << "size " << size);
        const std::vector<std::uint8_t> prefix(gif.bytes.begin(), gif.bytes.begin() + size);
        const Walk walk = WalkAll(Span(prefix));
        std::size_t frames = 0;
        while (frames < std::size(frameEnds) && frameEnds[frames] <= size)
            ++frames;
        EXPECT_EQ(walk.count, static_cast<int>(frames));
        ASSERT_EQ(walk.gifs.size(), frames);
        for (std::size_t i = 0; i < frames; ++i)
            EXPECT_EQ(walk.gifs[i], whole.gifs[i]);
    }
}

} // namespace
