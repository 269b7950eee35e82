#include "generator/logic/CurveScan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct RangeCase {
    const char* what;
    std::string formulaX;
    float zStart, zEnd, xStart, step;
    std::optional<generator::RadiusRange> range;  // none: the scan refuses the curve
};

TEST(CurveScan, RadiusRangeStartsFromTheMeasuredStart)
{
    const RangeCase cases[] = {
        {"the start is not evaluated again", "x", 2, 10, 7, 3, generator::RadiusRange{5, 10}},
        {"no point: both are the start radius", "x", 4, 4, 3, 1, generator::RadiusRange{3, 3}},
        {"a falling curve", "10-x", 0, 4, 10, 1, generator::RadiusRange{6, 10}},
        {"an evaluation error at a scan point", "sqrt(x-3)+2", 0, 4, 1, 2, std::nullopt},
        {"an evaluation error only at the end", "sqrt(3.5-x)", 0, 4, 2, 1, std::nullopt},
        {"a radius that is not finite", "10^300*10^300", 0, 1, 1, 1, std::nullopt},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<generator::RadiusRange> range =
            generator::ScanCurve(c.formulaX, c.zStart, c.zEnd, c.xStart, c.step);
        ASSERT_EQ(range.has_value(), c.range.has_value());
        if (range) {
            EXPECT_EQ(range->rMin, c.range->rMin);
            EXPECT_EQ(range->rMax, c.range->rMax);
        }
    }
}

} // namespace
