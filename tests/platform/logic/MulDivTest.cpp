#include "platform/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(MulDiv, RoundsTheExactQuotientHalfAwayFromZero)
{
    const struct {
        int a, b, c;
        int result;
    } rows[] = {
        {2540, 96, 2540, 96},      // HIMETRIC width to pixels at 96 dpi
        {1270, 96, 2540, 48},
        {500, 2540, 96, 13229},    // pixels to HIMETRIC, 13229.17
        {28, 2540, 96, 741},       // 740.83
        {7, 2, 3, 5},
        {4, 1, 3, 1},
        {1, 1, 2, 1},              // halves away from zero
        {-1, 1, 2, -1},
        {1, 1, -2, -1},
        {-1, -1, 2, 1},
        {-7, 2, 3, -5},
        {0, 5, 3, 0},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, // the product needs 64 bits
        {INT_MIN, 1, 1, INT_MIN},
        {5, 1, 0, -1},             // division by zero
        {INT_MAX, 2, 1, -1},       // result beyond int
        {INT_MIN, -1, 1, -1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::MulDiv(row.a, row.b, row.c), row.result)
            << row.a << " * " << row.b << " / " << row.c;
}

} // namespace
