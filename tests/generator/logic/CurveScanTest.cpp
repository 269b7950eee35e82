#include "generator/logic/CurveScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DepthCase {
    const char* what;
    float zStart, zEnd, step;
    std::vector<float> depths;
};

TEST(CurveScan, VisitsTheFinishingGridAndEndsOnTheEnd)
{
    const DepthCase cases[] = {
        {"last step clamped to the end", 2, 10, 3, {5, 8, 10}},
        {"start equals end: no point", 4, 4, 1, {}},
        {"sums kept in single precision", 0, 1, 0.1f,
         {0.100000001f, 0.200000003f, 0.300000012f, 0.400000006f, 0.5f, 0.600000024f, 0.700000048f,
          0.800000072f, 0.900000095f, 1}},
        {"step too small to move z: the end at once", 1, 2, 1e-10f, {2}},
        {"step stops moving z part way: then the end", 16777200, 1e9f, 1,
         {16777201, 16777202, 16777203, 16777204, 16777205, 16777206, 16777207, 16777208, 16777209,
          16777210, 16777211, 16777212, 16777213, 16777214, 16777215, 16777216, 1e9f}},
        {"a step that is not positive: the end at once", 0, 1, 0, {1}},
    };
    for (const DepthCase& c : cases) {
        std::vector<float> visited;
        generator::ForEachScanDepth(c.zStart, c.zEnd, c.step, [&](float z) { visited.push_back(z); });
        EXPECT_EQ(visited, c.depths) << c.what;
    }
}

struct RangeCase {
    const char* what;
    std::string formulaX;
    float zStart, zEnd, xStart, step;
    float rMin, rMax;
};

TEST(CurveScan, RadiusRangeStartsFromTheMeasuredStart)
{
    const RangeCase cases[] = {
        {"the start is not evaluated again", "x", 2, 10, 7, 3, 5, 10},
        {"no point: both are the start radius", "x", 4, 4, 3, 1, 3, 3},
        {"a falling curve", "10-x", 0, 4, 10, 1, 6, 10},
        {"an evaluation error counts as 0", "sqrt(x-3)+2", 0, 4, 1, 2, 0, 3},
    };
    for (const RangeCase& c : cases) {
        const generator::RadiusRange range =
            generator::ScanCurve(c.formulaX, c.zStart, c.zEnd, c.xStart, c.step);
        EXPECT_EQ(range.rMin, c.rMin) << c.what;
        EXPECT_EQ(range.rMax, c.rMax) << c.what;
    }
}

} // namespace
