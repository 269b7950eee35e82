// The walk along a Z range that the preview's drawing and the generator's scan share.
#include "curves/logic/EvaluateAtDepth.h"
#include "curves/logic/StepDepths.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct DepthCase {
    const char* what;
    float zStart, zEnd, step;
    std::vector<float> depths;
};

TEST(StepDepths, VisitsTheGridAndEndsOnTheEnd)
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
        curves::StepDepths(c.zStart, c.zEnd, c.step, [&](float z) {
            visited.push_back(z);
            return true;
        });
        EXPECT_EQ(visited, c.depths) << c.what;
    }
}

TEST(StepDepths, AVisitThatAnswersFalseEndsTheWalk)
{
    std::vector<float> visited;
    curves::StepDepths(0.0f, 1.0f, 0.1, [&](float z) {
        visited.push_back(z);
        return visited.size() < 3;
    });
    EXPECT_EQ(visited, (std::vector<float>{0.1f, 0.2f, 0.3f}));
}

TEST(EvaluateAtDepth, ReportsTheValueOrTheFailure)
{
    EXPECT_EQ(curves::EvaluateAtDepth("x*2+1", 1.5f), std::optional<double>(4));
    EXPECT_EQ(curves::EvaluateAtDepth("sqrt(1-x)", 2), std::nullopt);
    EXPECT_EQ(curves::EvaluateAtDepth("1/(x-2)", 2), std::nullopt);
    EXPECT_EQ(curves::EvaluateAtDepth("0*x", 2), std::optional<double>(0));
}

} // namespace
