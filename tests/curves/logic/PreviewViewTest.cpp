#include "curves/CurveState.h"
#include "curves/logic/PreviewView.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(PreviewViewTest, ZoomChangesOnlyAPositiveScale)
{
    constexpr float kInf = std::numeric_limits<float>::infinity();
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
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        g_fPreviewScale = row.scale;
        EXPECT_EQ(row.in ? curves::ZoomPreviewIn() : curves::ZoomPreviewOut(), row.changed);
        EXPECT_FLOAT_EQ(g_fPreviewScale, row.after);
    }
    g_fPreviewScale = 0;
}

} // namespace
