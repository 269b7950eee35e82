#include "picture/logic/GifBlockWalker.h"

#include <algorithm>
#include <climits>
#include <new>

namespace picture {

namespace {

constexpr int kHeaderSize = 6;
constexpr int kScreenDescSize = 7;
constexpr int kBlocksStart = kHeaderSize + kScreenDescSize;
constexpr std::uint8_t kTrailer = 0x3B;

} // namespace

CGifBlockWalker::CGifBlockWalker(std::span<const std::uint8_t> data)
{
    // Positions and lengths are ints; larger data is treated as no data rather than
    // letting them wrap.
    if (data.data() == nullptr || data.size() > static_cast<std::size_t>(INT_MAX))
        return;
    m_pGifData = data.data();
    m_nDataSize = static_cast<std::uint32_t>(data.size());
    if (FitsAt(kHeaderSize, kScreenDescSize))
        m_pScreenDesc = m_pGifData + kHeaderSize;
    if (ScreenDescFlag(0) == 1)
        m_nGlobalTableSize = 3 << (ScreenDescFlag(3) + 1);
}

bool CGifBlockWalker::IsGif(std::span<const std::uint8_t> data)
{
    if (data.size() < kHeaderSize)
        return false;
    auto is = [&](int offset, const char* text) {
        return std::equal(text, text + 3, data.begin() + offset);
    };
    return is(0, "GIF") && (is(3, "87a") || is(3, "89a"));
}

int CGifBlockWalker::ScreenWidth() const
{
    return m_pScreenDesc ? WordAt(kHeaderSize) : 0;
}

int CGifBlockWalker::ScreenHeight() const
{
    return m_pScreenDesc ? WordAt(kHeaderSize + 2) : 0;
}

void CGifBlockWalker::RewindBlocks()
{
    m_nDataPos = kBlocksStart + m_nGlobalTableSize;
}

GifBlockKind CGifBlockWalker::PeekBlockKind() const
{
    GifBlockKind kind = GifBlockKind::Unknown;
    switch (ByteAt(m_nDataPos)) {
    case 0x2C: kind = GifBlockKind::Image; break;
    case kTrailer: kind = GifBlockKind::Trailer; break;
    case 0x21:
        switch (ByteAt(m_nDataPos + 1)) {
        case 0xFF: kind = GifBlockKind::ApplicationExt; break;
        case 0xFE: kind = GifBlockKind::CommentExt; break;
        case 0xF9: kind = GifBlockKind::ControlExt; break;
        case 0x01: kind = GifBlockKind::PlainTextExt; break;
        }
        break;
    }
    // A block whose fixed fields do not fit counts as unknown, so no later read of
    // them can leave the data.
    if (kind == GifBlockKind::Unknown || !FitsAt(m_nDataPos, FixedLength(kind)))
        return GifBlockKind::Unknown;
    return kind;
}

int CGifBlockWalker::BlockLength() const
{
    const GifBlockKind kind = PeekBlockKind();
    if (kind == GifBlockKind::Unknown)
        return -1;
    const int fixed = FixedLength(kind);
    if (kind == GifBlockKind::ControlExt || kind == GifBlockKind::Trailer)
        return fixed;
    const int chain = SubBlocksLength(m_nDataPos + fixed);
    return chain > 0 ? fixed + chain : 0;
}

int CGifBlockWalker::SubBlocksLength(int position) const
{
    if (position < 0)
        return 0;
    long long end = position;
    while (end < m_nDataSize) {
        const int n = m_pGifData[end];
        if (n == 0)
            return static_cast<int>(end - position + 1);
        end += n + 1;
    }
    return 0; // no terminator inside the data
}

bool CGifBlockWalker::SkipBlock()
{
    if (!m_pGifData)
        return false;
    const int length = BlockLength();
    if (length <= 0 || !FitsAt(m_nDataPos, length))
        return false;
    m_nDataPos += length;
    return true;
}

bool CGifBlockWalker::SkipToNextFrame()
{
    int nStart = 0;
    GifFrameInfo info;
    return PassFrame(nStart, info);
}

std::vector<std::uint8_t> CGifBlockWalker::ExtractNextFrame(GifFrameInfo& info)
{
    int nStart = 0;
    if (!PassFrame(nStart, info))
        return {};
    const int prefix = kBlocksStart + m_nGlobalTableSize;
    const int run = m_nDataPos - nStart;
    std::vector<std::uint8_t> gif;
    try {
        gif.reserve(static_cast<std::size_t>(prefix) + run + 1);
    } catch (const std::bad_alloc&) {
        return {};
    }
    gif.insert(gif.end(), m_pGifData, m_pGifData + prefix);
    gif.insert(gif.end(), m_pGifData + nStart, m_pGifData + m_nDataPos);
    gif.push_back(kTrailer);
    info.m_nLength = static_cast<std::uint32_t>(gif.size());
    return gif;
}

bool CGifBlockWalker::PassFrame(int& nStart, GifFrameInfo& info)
{
    if (!m_pGifData)
        return false;
    info.m_nDisposal = 0;
    if (!PassExtensionsBeforeFrame())
        return false;
    nStart = m_nDataPos;
    if (BlockLength() <= 0)
        return false;
    if (PeekBlockKind() == GifBlockKind::ControlExt) {
        // The first control extension rules; later ones travel along in the run.
        info.m_nDelay = static_cast<std::uint32_t>(WordAt(m_nDataPos + 4));
        info.m_nDisposal = static_cast<std::uint32_t>(ControlExtFlag(0));
        if (!SkipBlock() || !PassBlocksBeforeGraphic())
            return false;
    } else {
        info.m_nDelay = GifFrameInfo::kNoDelay;
    }
    if (PeekBlockKind() == GifBlockKind::Image) {
        info.m_nLeft = WordAt(m_nDataPos + 1);
        info.m_nTop = WordAt(m_nDataPos + 3);
        info.m_nWidth = WordAt(m_nDataPos + 5);
        info.m_nHeight = WordAt(m_nDataPos + 7);
    }
    return SkipBlock();
}

bool CGifBlockWalker::PassExtensionsBeforeFrame()
{
    for (;;) {
        switch (PeekBlockKind()) {
        case GifBlockKind::ApplicationExt:
        case GifBlockKind::CommentExt:
            if (!SkipBlock())
                return false;
            break;
        case GifBlockKind::Unknown:
        case GifBlockKind::Trailer:
            return false;
        default:
            return true;
        }
    }
}

bool CGifBlockWalker::PassBlocksBeforeGraphic()
{
    for (;;) {
        switch (PeekBlockKind()) {
        case GifBlockKind::Image:
        case GifBlockKind::PlainTextExt:
            return true;
        case GifBlockKind::Unknown:
        case GifBlockKind::Trailer:
            return false;
        default:
            if (!SkipBlock())
                return false;
        }
    }
}

int CGifBlockWalker::ScreenDescFlag(int selector) const
{
    const int packed = m_pScreenDesc ? m_pScreenDesc[4] : 0;
    switch (selector) {
    case 0: return (packed >> 7) & 1;
    case 1: return ((packed >> 4) & 7) + 1;
    case 2: return (packed >> 3) & 1;
    case 3: return packed & 7;
    default: return packed;
    }
}

int CGifBlockWalker::ImageDescFlag(int selector) const
{
    const int packed = ByteAt(m_nDataPos + 9);
    switch (selector) {
    case 0: return (packed >> 7) & 1;
    case 1: return (packed >> 6) & 1;
    case 2: return (packed >> 5) & 1;
    case 3: return packed & 7;
    default: return packed;
    }
}

int CGifBlockWalker::ControlExtFlag(int selector) const
{
    const int packed = ByteAt(m_nDataPos + 3);
    switch (selector) {
    case 0: return (packed >> 2) & 7;
    case 1: return (packed >> 1) & 1;
    case 2: return packed & 1;
    default: return packed;
    }
}

// Bytes before the block's sub-block chain; the whole block for the kinds without one.
int CGifBlockWalker::FixedLength(GifBlockKind kind) const
{
    switch (kind) {
    case GifBlockKind::ApplicationExt: return 14;
    case GifBlockKind::CommentExt: return 2;
    case GifBlockKind::ControlExt: return 8;
    case GifBlockKind::PlainTextExt: return 15;
    case GifBlockKind::Image: return 11 + LocalTableSize(); // descriptor, table, LZW code size
    case GifBlockKind::Trailer: return 1;
    case GifBlockKind::Unknown: break;
    }
    return 0;
}

bool CGifBlockWalker::FitsAt(int position, int length) const
{
    return m_pGifData && position >= 0 && length >= 0
        && static_cast<long long>(position) + length <= m_nDataSize;
}

// Reads outside the data give 0. A cut image descriptor thus reads as having no
// local table, and its fixed fields still do not fit.
int CGifBlockWalker::ByteAt(int position) const
{
    return FitsAt(position, 1) ? m_pGifData[position] : 0;
}

int CGifBlockWalker::WordAt(int position) const
{
    return ByteAt(position) | (ByteAt(position + 1) << 8);
}

int CGifBlockWalker::LocalTableSize() const
{
    return ImageDescFlag(0) * 3 * (1 << (ImageDescFlag(3) + 1));
}

} // namespace picture
