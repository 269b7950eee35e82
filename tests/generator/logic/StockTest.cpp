#include "generator/logic/Stock.h"

#include "generator/logic/Machining.h"

#include <gtest/gtest.h>

namespace {

using generator::MACHINING_HOLE;
using generator::MACHINING_SHAFT;

struct StockCase {
    const char* what;
    int machining;
    float blankDia, dMin, dMax, allowanceX, feed;
    double T, n;
    float rem;
};

TEST(Stock, DepthPassesAndRemainder)
{
    const StockCase cases[] = {
        {"shaft with a remainder", MACHINING_SHAFT, 24, 10, 0, 0.75f, 1.5f, 13.25, 8, 1.25f},
        {"shaft, whole passes", MACHINING_SHAFT, 24, 10, 0, 0.5f, 1.5f, 13.5, 9, 0},
        {"hole from the largest diameter", MACHINING_HOLE, 12, 0, 20, 0.5f, 2, 7.5, 3, 1.5f},
        {"8.8 passes truncate to 8", MACHINING_SHAFT, 24, 10.8f, 0, 0, 1.5f, 13.199999809265137, 8,
         1.1999998f},
        {"allowance beyond the stock", MACHINING_SHAFT, 10, 10, 0, 0.2f, 1.5f, -0.20000000298023224,
         0, -0.2f},
        {"pass count beyond int", MACHINING_SHAFT, 1000, 0, 0, 0, 1e-7f, 1000, 9999999883.0,
         1.3902763e-08f},
    };
    for (const StockCase& c : cases) {
        SCOPED_TRACE(c.what);
        const double T = generator::StockDepth(c.machining, c.blankDia, c.dMin, c.dMax, c.allowanceX);
        EXPECT_DOUBLE_EQ(T, c.T);
        const generator::StockSplit split = generator::SplitStock(T, c.feed);
        EXPECT_EQ(split.n, c.n);
        EXPECT_FLOAT_EQ(split.rem, c.rem);
    }
}

} // namespace
