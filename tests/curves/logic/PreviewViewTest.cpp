#include "curves/logic/CurveState.h"
#include "curves/logic/PreviewView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(PreviewViewTest, ZoomChangesOnlyAPositiveScale)
{
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kMax = std::numeric_limits<float>::max();
    constexpr float kMin = std::numeric_limits<float>::min();  // the smallest normal float
    struct Row {
        const char* what;
        float scale;
        bool in;
        bool changed;
        float after;
    };
    const Row rows[] = {
        {"in by a tenth", 10, true, true, 11},
        {"out by a tenth", 10, false, true, 9},
        {"out from the zoomed-in scale does not return", 11, false, true, 9.9f},
        {"in at scale 0 (no curve yet)", 0, true, false, 0},
        {"out at scale 0", 0, false, false, 0},
        {"negative scale", -2, true, false, -2},
        {"infinite scale", kInf, false, false, kInf},
        {"in where the scale would overflow", kMax, true, false, kMax},
        {"out where the scale would turn subnormal", kMin, false, false, kMin},
        {"out just above that limit", kMin * 1.2f, false, true, kMin * 1.2f * 0.9f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        g_fPreviewScale = row.scale;
        EXPECT_EQ(row.in ? curves::ZoomPreviewIn() : curves::ZoomPreviewOut(), row.changed);
        EXPECT_FLOAT_EQ(g_fPreviewScale, row.after);
    }
    g_fPreviewScale = 0;
}

TEST(PreviewViewTest, TheOtherButtonAlwaysBringsTheCurveBack)
{
    struct Row {
        const char* what;
        bool (*press)();
        bool (*back)();
    };
    const Row rows[] = {
        {"after 2000 presses of 放大", curves::ZoomPreviewIn, curves::ZoomPreviewOut},
        {"after 2000 presses of 缩小", curves::ZoomPreviewOut, curves::ZoomPreviewIn},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        g_fPreviewScale = 4.34783f;
        for (int i = 0; i < 2000; ++i)
            row.press();
        EXPECT_TRUE(std::isnormal(g_fPreviewScale)) << g_fPreviewScale;
        const float held = g_fPreviewScale;
        EXPECT_TRUE(row.back());
        EXPECT_NE(g_fPreviewScale, held);
    }
    g_fPreviewScale = 0;
}

} // namespace
