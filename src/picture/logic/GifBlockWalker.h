#pragma once
// Walks the blocks of GIF data held by the caller: counts its frames and cuts each
// frame out as a self-contained one-frame GIF. Every read stays inside the data, so
// damaged data yields the frames before the damage.

#include "picture/logic/GifBlockKind.h"
#include "picture/logic/GifFrameInfo.h"

#include <cstdint>
#include <span>
#include <vector>

namespace picture {

class CGifBlockWalker {
public:
    // No data: every step fails.
    CGifBlockWalker() = default;
    // The data must outlive the walker.
    explicit CGifBlockWalker(std::span<const std::uint8_t> data);

    // Signature "GIF" and version "87a" or "89a".
    static bool IsGif(std::span<const std::uint8_t> data);

    // Logical screen size; 0 when the screen descriptor is missing.
    int ScreenWidth() const;
    int ScreenHeight() const;

    void RewindBlocks();
    GifBlockKind PeekBlockKind() const;
    int BlockLength() const;
    int SubBlocksLength(int position) const;
    bool SkipBlock();
    // Moves past the next frame and reports it as ExtractNextFrame does, its length
    // included, without making its one-frame GIF.
    bool SkipToNextFrame(GifFrameInfo& info);
    // Empty when there is no further frame. Size and offset are written for images
    // only, so a plain text frame keeps what the caller's record held.
    std::vector<std::uint8_t> ExtractNextFrame(GifFrameInfo& info);

    // Selectors of the packed-field readers; any other selector gives the whole byte.
    enum ScreenDescField { kGlobalTableFlag = 0, kColourResolution = 1, kScreenSortFlag = 2, kGlobalTableBits = 3 };
    enum ImageDescField { kLocalTableFlag = 0, kInterlaceFlag = 1, kImageSortFlag = 2, kLocalTableBits = 3 };
    enum ControlExtField { kDisposalMethod = 0, kUserInputFlag = 1, kTransparentFlag = 2 };

    int ScreenDescFlag(int selector) const;
    int ImageDescFlag(int selector) const;
    int ControlExtFlag(int selector) const;

    int DataPos() const { return m_nDataPos; }
    int GlobalTableSize() const { return m_nGlobalTableSize; }

private:
    const std::uint8_t* m_pGifData = nullptr;
    std::uint32_t m_nDataSize = 0;
    int m_nDataPos = 0;
    int m_nGlobalTableSize = 0;
    const std::uint8_t* m_pScreenDesc = nullptr;

    // Moves past the next frame, leaving at nStart where its bytes begin; reports it
    // in info.
    bool PassFrame(int& nStart, GifFrameInfo& info);
    bool PassExtensionsBeforeFrame();
    bool PassBlocksBeforeGraphic();
    int FixedLength(GifBlockKind kind) const;
    bool FitsAt(int position, int length) const;
    int ByteAt(int position) const;
    int WordAt(int position) const;
    int LocalTableSize() const;
};

} // namespace picture
