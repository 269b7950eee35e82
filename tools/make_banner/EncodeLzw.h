#pragma once
// GIF's variable-length-code LZW compression of colour indices.

#include <cstdint>
#include <span>
#include <vector>

namespace banner {

// Every index must be below 1 << minCodeSize (2 to 8). Gives the code stream
// packed least significant bit first, without the sub-block framing.
std::vector<std::uint8_t> EncodeLzw(std::span<const std::uint8_t> indices, int minCodeSize);

} // namespace banner
