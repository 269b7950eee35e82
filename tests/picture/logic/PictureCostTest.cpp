#include "picture/logic/PictureCost.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

using picture::AnimationCost;
using picture::ImageBytes;
using picture::StillCost;

// Rows laid out as Qt lays out its images; sizes a header may declare count as more
// than any bound instead of wrapping to a small or negative count that would pass it.
TEST(PictureCost, CountsImagesAsHeldWithoutWrapping)
{
    constexpr std::int64_t kBeyondAll = INT64_MAX;
    const struct {
        const char* what;
        std::int64_t cost, expected;
    } rows[] = {
        {"four bytes a pixel", ImageBytes(3, 2), 24},
        {"grey rows padded to 32 bits", ImageBytes(5, 3, 8), 24},
        {"one bit a pixel", ImageBytes(33, 2, 1), 16},
        {"the largest still a header declares, 64 bits a pixel", ImageBytes(INT_MAX, INT_MAX, 64), kBeyondAll},
        {"that still with its back buffer", StillCost(INT_MAX, INT_MAX, kBeyondAll, INT_MAX, INT_MAX), kBeyondAll},
        {"the most frames of the largest GIF screen", AnimationCost(65535, 65535, INT_MAX, UINT32_MAX), kBeyondAll},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.cost, row.expected) << row.what;
}

} // namespace
