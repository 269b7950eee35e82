// The preview scale a new curve sets: 200 pixels for the longer of its largest end
// diameter and its end depth.
#include "curves/logic/ScaleFromEnds.h"

#include <gtest/gtest.h>

namespace {

constexpr float kPrevious = 3.25f;

struct ScaleRow {
    const char* what;
    const char* formula;
    float zStart, zEnd;
    float scale;
};

TEST(ScaleFromEnds, Table)
{
    const ScaleRow rows[] = {
        {"the end's diameter is the larger", "x", 2, 8, 200 / 16.0f},
        {"the start's diameter is the larger", "10-x", 2, 8, 200 / 16.0f},
        {"the end depth beyond both diameters", "1", 2, 8, 200 / 8.0f},
        {"negative diameters", "0-5", 2, 8, 200 / 8.0f},
        {"a failed end counts as 0", "10/(x-2)", 2, 3, 200 / 20.0f},
        {"zero end depth, positive diameter", "1", 0, 0, 200 / 2.0f},
        {"zero end depth, zero diameter: the previous scale stays", "0", 0, 0, kPrevious},
        {"zero end depth, negative diameter: the previous scale stays", "0-1", 0, 0, kPrevious},
        {"a diameter beyond the float range: the previous scale stays", "10^300", 0, 1, kPrevious},
    };
    for (const ScaleRow& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_FLOAT_EQ(curves::ScaleFromEnds(row.formula, row.zStart, row.zEnd, kPrevious), row.scale);
    }
}

} // namespace
