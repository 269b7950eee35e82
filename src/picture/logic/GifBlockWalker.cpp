#include "picture/logic/GifBlockWalker.h"

#include <algorithm>
#include <climits>
#include <new>

namespace picture {

namespace {

constexpr int kHeaderSize = 6; // signature "GIF", then the version
constexpr int kVersionAt = 3;
constexpr int kScreenDescSize = 7;
constexpr int kBlocksStart = kHeaderSize + kScreenDescSize;

// Block introducers and the labels of the extensions.
constexpr int kExtensionIntroducer = 0x21;
constexpr int kImageIntroducer = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr int kApplicationLabel = 0xFF;
constexpr int kCommentLabel = 0xFE;
constexpr int kControlLabel = 0xF9;
constexpr int kPlainTextLabel = 0x01;

// Field offsets from the start of their structure.
constexpr int kLabelAt = 1; // of an extension
constexpr int kScreenWidthAt = 0;
constexpr int kScreenHeightAt = 2;
constexpr int kScreenPackedAt = 4;
constexpr int kImageLeftAt = 1;
constexpr int kImageTopAt = 3;
constexpr int kImageWidthAt = 5;
constexpr int kImageHeightAt = 7;
constexpr int kImagePackedAt = 9;
constexpr int kControlPackedAt = 3;
constexpr int kControlDelayAt = 4;

// Bytes before each kind's sub-block chain; the whole block for the kinds without one.
constexpr int kApplicationFixed = 14; // introducer, label, size byte, 11 bytes of name and code
constexpr int kCommentFixed = 2;      // introducer, label
constexpr int kControlLength = 8;     // its own size byte is not read
constexpr int kPlainTextFixed = 15;   // introducer, label, size byte, 12 bytes of text grid
constexpr int kImageFixed = 11;       // descriptor and LZW code size, without the local table
constexpr int kTrailerLength = 1;

// `count` bits of `packed` from bit `lowest` up.
int Bits(int packed, int lowest, int count)
{
    return (packed >> lowest) & ((1 << count) - 1);
}

// Three bytes for each of the 2 to the power (size bits + 1) colours.
int ColourTableBytes(int sizeBits)
{
    return 3 << (sizeBits + 1);
}

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
    if (ScreenDescFlag(kGlobalTableFlag) == 1)
        m_nGlobalTableSize = ColourTableBytes(ScreenDescFlag(kGlobalTableBits));
}

bool CGifBlockWalker::IsGif(std::span<const std::uint8_t> data)
{
    if (data.size() < kHeaderSize)
        return false;
    auto is = [&](int offset, const char* text) {
        return std::equal(text, text + 3, data.begin() + offset);
    };
    return is(0, "GIF") && (is(kVersionAt, "87a") || is(kVersionAt, "89a"));
}

int CGifBlockWalker::ScreenWidth() const
{
    return m_pScreenDesc ? WordAt(kHeaderSize + kScreenWidthAt) : 0;
}

int CGifBlockWalker::ScreenHeight() const
{
    return m_pScreenDesc ? WordAt(kHeaderSize + kScreenHeightAt) : 0;
}

void CGifBlockWalker::RewindBlocks()
{
    m_nDataPos = kBlocksStart + m_nGlobalTableSize;
}

GifBlockKind CGifBlockWalker::PeekBlockKind() const
{
    GifBlockKind kind = GifBlockKind::Unknown;
    switch (ByteAt(m_nDataPos)) {
    case kImageIntroducer: kind = GifBlockKind::Image; break;
    case kTrailer: kind = GifBlockKind::Trailer; break;
    case kExtensionIntroducer:
        switch (ByteAt(m_nDataPos + kLabelAt)) {
        case kApplicationLabel: kind = GifBlockKind::ApplicationExt; break;
        case kCommentLabel: kind = GifBlockKind::CommentExt; break;
        case kControlLabel: kind = GifBlockKind::ControlExt; break;
        case kPlainTextLabel: kind = GifBlockKind::PlainTextExt; break;
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

bool CGifBlockWalker::SkipToNextFrame(GifFrameInfo& info)
{
    int nStart = 0;
    return PassFrame(nStart, info);
}

std::vector<std::uint8_t> CGifBlockWalker::ExtractNextFrame(GifFrameInfo& info)
{
    int nStart = 0;
    if (!PassFrame(nStart, info))
        return {};
    std::vector<std::uint8_t> gif;
    try {
        gif.reserve(info.m_nLength);
    } catch (const std::bad_alloc&) {
        return {};
    }
    gif.insert(gif.end(), m_pGifData, m_pGifData + kBlocksStart + m_nGlobalTableSize);
    gif.insert(gif.end(), m_pGifData + nStart, m_pGifData + m_nDataPos);
    gif.push_back(kTrailer);
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
        info.m_nDelay = static_cast<std::uint32_t>(WordAt(m_nDataPos + kControlDelayAt));
        info.m_nDisposal = static_cast<std::uint32_t>(ControlExtFlag(kDisposalMethod));
        if (!SkipBlock() || !PassBlocksBeforeGraphic())
            return false;
    } else {
        info.m_nDelay = GifFrameInfo::kNoDelay;
    }
    if (PeekBlockKind() == GifBlockKind::Image) {
        info.m_nLeft = WordAt(m_nDataPos + kImageLeftAt);
        info.m_nTop = WordAt(m_nDataPos + kImageTopAt);
        info.m_nWidth = WordAt(m_nDataPos + kImageWidthAt);
        info.m_nHeight = WordAt(m_nDataPos + kImageHeightAt);
    }
    if (!SkipBlock())
        return false;
    // The one-frame GIF: header, screen descriptor and global table, the frame's run, a trailer.
    info.m_nLength = static_cast<std::uint32_t>(kBlocksStart + m_nGlobalTableSize)
                   + static_cast<std::uint32_t>(m_nDataPos - nStart) + kTrailerLength;
    return true;
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
    const int packed = m_pScreenDesc ? m_pScreenDesc[kScreenPackedAt] : 0;
    switch (selector) {
    case kGlobalTableFlag: return Bits(packed, 7, 1);
    case kColourResolution: return Bits(packed, 4, 3) + 1;
    case kScreenSortFlag: return Bits(packed, 3, 1);
    case kGlobalTableBits: return Bits(packed, 0, 3);
    default: return packed;
    }
}

int CGifBlockWalker::ImageDescFlag(int selector) const
{
    const int packed = ByteAt(m_nDataPos + kImagePackedAt);
    switch (selector) {
    case kLocalTableFlag: return Bits(packed, 7, 1);
    case kInterlaceFlag: return Bits(packed, 6, 1);
    case kImageSortFlag: return Bits(packed, 5, 1);
    case kLocalTableBits: return Bits(packed, 0, 3);
    default: return packed;
    }
}

int CGifBlockWalker::ControlExtFlag(int selector) const
{
    const int packed = ByteAt(m_nDataPos + kControlPackedAt);
    switch (selector) {
    case kDisposalMethod: return Bits(packed, 2, 3);
    case kUserInputFlag: return Bits(packed, 1, 1);
    case kTransparentFlag: return Bits(packed, 0, 1);
    default: return packed;
    }
}

// Bytes before the block's sub-block chain; the whole block for the kinds without one.
int CGifBlockWalker::FixedLength(GifBlockKind kind) const
{
    switch (kind) {
    case GifBlockKind::ApplicationExt: return kApplicationFixed;
    case GifBlockKind::CommentExt: return kCommentFixed;
    case GifBlockKind::ControlExt: return kControlLength;
    case GifBlockKind::PlainTextExt: return kPlainTextFixed;
    case GifBlockKind::Image: return kImageFixed + LocalTableSize();
    case GifBlockKind::Trailer: return kTrailerLength;
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
    return ImageDescFlag(kLocalTableFlag) * ColourTableBytes(ImageDescFlag(kLocalTableBits));
}

} // namespace picture
