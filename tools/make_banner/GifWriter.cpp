#include "GifWriter.h"

#include "EncodeLzw.h"

#include <algorithm>
#include <bit>
#include <string_view>

namespace banner {

GifWriter::GifWriter(int width, int height, std::span<const std::uint8_t> palette)
    : m_nWidth(width), m_nHeight(height)
{
    const int colours = static_cast<int>(palette.size() / 3);
    const int sizeBits = std::bit_width(static_cast<unsigned>(colours)) - 2; // 2 << sizeBits colours
    m_nMinCodeSize = std::max(2, sizeBits + 1);
    for (char c : std::string_view("GIF89a"))
        Put({c});
    PutWord(width);
    PutWord(height);
    // Global table, colour resolution equal to the table's depth, unsorted.
    Put({0x80 | (sizeBits << 4) | sizeBits, 0, 0});
    m_bytes.insert(m_bytes.end(), palette.begin(), palette.end());
}

void GifWriter::AddLoop()
{
    Put({0x21, 0xFF, 11});
    for (char c : std::string_view("NETSCAPE2.0"))
        Put({c});
    Put({3, 1});
    PutWord(0); // 0: repeat for ever
    Put({0});
}

void GifWriter::AddFrame(std::span<const std::uint8_t> indices, int delay, int disposal, FrameRect rect)
{
    if (rect.width == 0)
        rect = {0, 0, m_nWidth, m_nHeight};
    Put({0x21, 0xF9, 4, disposal << 2});
    PutWord(delay);
    Put({0, 0});

    Put({0x2C});
    PutWord(rect.left);
    PutWord(rect.top);
    PutWord(rect.width);
    PutWord(rect.height);
    Put({0, m_nMinCodeSize});
    const std::vector<std::uint8_t> code = EncodeLzw(indices, m_nMinCodeSize);
    for (std::size_t at = 0; at < code.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, code.size() - at);
        Put({static_cast<int>(n)});
        m_bytes.insert(m_bytes.end(), code.begin() + at, code.begin() + at + n);
    }
    Put({0});
}

std::vector<std::uint8_t> GifWriter::Finish()
{
    Put({0x3B});
    return std::move(m_bytes);
}

void GifWriter::Put(std::initializer_list<int> bytes)
{
    for (int b : bytes)
        m_bytes.push_back(static_cast<std::uint8_t>(b));
}

void GifWriter::PutWord(int value)
{
    Put({value & 0xFF, (value >> 8) & 0xFF});
}

} // namespace banner
