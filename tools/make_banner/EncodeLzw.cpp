#include "EncodeLzw.h"

#include <algorithm>

namespace banner {

namespace {

constexpr int kMaxCodeSize = 12;
constexpr int kTableSize = 1 << kMaxCodeSize;

class BitPacker {
public:
    void Put(int code, int size)
    {
        m_nBits |= static_cast<std::uint32_t>(code) << m_nCount;
        m_nCount += size;
        while (m_nCount >= 8) {
            m_bytes.push_back(static_cast<std::uint8_t>(m_nBits));
            m_nBits >>= 8;
            m_nCount -= 8;
        }
    }

    std::vector<std::uint8_t> Finish()
    {
        if (m_nCount > 0)
            m_bytes.push_back(static_cast<std::uint8_t>(m_nBits));
        return std::move(m_bytes);
    }

private:
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_nBits = 0;
    int m_nCount = 0;
};

} // namespace

std::vector<std::uint8_t> EncodeLzw(std::span<const std::uint8_t> indices, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    // child[(prefix << minCodeSize) | index]: the code of prefix followed by index, or -1.
    std::vector<int> child(static_cast<std::size_t>(kTableSize) << minCodeSize);
    int codeSize = minCodeSize + 1;
    int nextCode = 0;
    BitPacker out;
    auto restart = [&] {
        out.Put(clear, codeSize);
        std::fill(child.begin(), child.end(), -1);
        codeSize = minCodeSize + 1;
        nextCode = end + 1;
    };
    // The decoder adds its table entry one code later than we do, so it widens
    // its codes once nextCode has passed 1 << codeSize, not when it reaches it.
    auto grow = [&] {
        ++nextCode;
        if (nextCode > (1 << codeSize) && codeSize < kMaxCodeSize)
            ++codeSize;
    };

    restart();
    if (indices.empty()) {
        out.Put(end, codeSize);
        return out.Finish();
    }
    int prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::size_t key = (static_cast<std::size_t>(prefix) << minCodeSize) | indices[i];
        if (child[key] >= 0) {
            prefix = child[key];
            continue;
        }
        out.Put(prefix, codeSize);
        child[key] = nextCode;
        grow();
        if (nextCode == kTableSize)
            restart();
        prefix = indices[i];
    }
    out.Put(prefix, codeSize);
    // The decoder adds an entry for the last code too, which may widen the end code.
    if (nextCode < kTableSize)
        grow();
    out.Put(end, codeSize);
    return out.Finish();
}

} // namespace banner
