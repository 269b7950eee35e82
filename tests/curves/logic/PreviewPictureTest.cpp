#include "curves/logic/CurveState.h"
#include "curves/logic/PreviewPicture.h"
#include "support/ResetCurveState.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using curves::ComposePreviewPicture;
using curves::PreviewLine;
using curves::PreviewPicture;

constexpr float kUnset = -7;  // a stored radius no row measures

class PreviewPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_fPreviewOriginX = 300;
        g_fPreviewOriginY = 400;
    }
    void TearDown() override { ResetCurveState(); }

    static PreviewPicture Compose(const std::string& formula, float zStart, float zEnd, float scale)
    {
        g_strFormulaX = formula;
        g_fZStart = zStart;
        g_fZEnd = zEnd;
        g_fPreviewScale = scale;
        g_fCurveXStart = g_fCurveXEnd = g_fCurveXMax = g_fCurveXMin = kUnset;
        return ComposePreviewPicture();
    }
};

bool SameLine(const PreviewLine& a, const PreviewLine& b)
{
    return a.rgb == b.rgb && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

constexpr PreviewLine White(int x1, int y1, int x2, int y2)
{
    return {curves::kPreviewWhite, x1, y1, x2, y2};
}

const char* const kEllipse = "sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20";

TEST_F(PreviewPictureTest, CurveEndsAndMeasuredRadii)
{
    struct Row {
        const char* what;
        const char* formula;
        float zStart, zEnd, scale;
        std::optional<PreviewLine> first, last;  // none: no curve drawn
        float xStart, xEnd, xMax, xMin;
    };
    const Row rows[] = {
        {"ellipse of the worked example, top half", kEllipse, 2, 18, 2,
         White(4, -46, 4, -46), White(35, -46, 36, -46), 23, 23, 25, 23},
        {"fails part way: ends at the last good point, extremes of the drawn part",
         "sqrt(30-x)+1", 0, 100, 1, White(0, -6, 1, -6), White(29, -2, 30, -1),
         6.4772258f, 0, 6.4772258f, 1},
        {"fails at once: nothing drawn, the ends as evaluated", "sqrt(-1-x)", 0, 10, 1,
         std::nullopt, std::nullopt, 0, 0, 0, 0},
        {"Z end 0: no curve, largest and smallest are the start", "x+5", 0, 0, 3, std::nullopt,
         std::nullopt, 5, 5, 5, 5},
        {"one depth away from 0: no step to take", "x+5", 4, 4, 3, std::nullopt, std::nullopt,
         9, 9, 9, 9},
        {"step below single precision at a huge depth still reaches the end", "1", 1e7f,
         1e7f + 1, 1, White(10000000, -1, 10000001, -1), White(10000000, -1, 10000001, -1),
         1, 1, 1, 1},
        {"steps that do not add up exactly still end at the Z end", "x", 0, 1, 1,
         White(0, 0, 0, 0), White(0, 0, 1, -1), 0, 1, 1, 0},
        {"a curve below the axis draws below it, largest is the start", "-x", 0, 50, 2,
         White(0, 0, 1, 1), White(99, 99, 100, 100), 0, -50, 0, -50},
        {"zoomed far in: coordinates held in range", "x", 0, 1e9f, 1e9f, White(0, 0, 16777216,
         -16777216), White(16777216, -16777216, 16777216, -16777216), 0, 1e9f, 1e9f, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const PreviewPicture picture = Compose(row.formula, row.zStart, row.zEnd, row.scale);
        if (row.first) {
            ASSERT_FALSE(picture.curve.empty());
            EXPECT_TRUE(SameLine(picture.curve.front(), *row.first));
            EXPECT_TRUE(SameLine(picture.curve.back(), *row.last));
        } else {
            EXPECT_TRUE(picture.curve.empty());
        }
        ASSERT_TRUE(picture.measured);
        EXPECT_NEAR(picture.measured->xStart, row.xStart, 1e-4);
        EXPECT_NEAR(picture.measured->xEnd, row.xEnd, 1e-4);
        EXPECT_NEAR(picture.measured->xMax, row.xMax, 1e-4);
        EXPECT_NEAR(picture.measured->xMin, row.xMin, 1e-4);
        // Composing only reads the shared state; the preview stores the measurement.
        for (float stored : {g_fCurveXStart, g_fCurveXEnd, g_fCurveXMax, g_fCurveXMin})
            EXPECT_EQ(stored, kUnset);
    }
}

TEST_F(PreviewPictureTest, HundredEqualStepsJoinedEndToEnd)
{
    // Depth steps of 0.5 and a scale of 2 put sample k exactly at (k, -2k).
    const PreviewPicture picture = Compose("2*x", 0, 50, 2);
    ASSERT_EQ(picture.curve.size(), 100u);
    for (int k = 0; k < 100; ++k)
        EXPECT_TRUE(SameLine(picture.curve[k], White(k, -2 * k, k + 1, -2 * k - 2))) << k;
}

TEST_F(PreviewPictureTest, EmptyFormulaDrawsOnlyGuidesAndLabels)
{
    g_fPreviewOriginX = 280.9f;
    g_fPreviewOriginY = -20.5f;
    const PreviewPicture picture = Compose("", 2, 18, 2);
    EXPECT_EQ(picture.originX, 280);
    EXPECT_EQ(picture.originY, -20);
    EXPECT_TRUE(picture.curve.empty());
    EXPECT_TRUE(picture.values.empty());
    EXPECT_FALSE(picture.measured);
    EXPECT_FALSE(picture.guides.empty());
    ASSERT_EQ(picture.labels.size(), 3u);
    EXPECT_EQ(picture.labels[2].text, "红色警戒线");
}

TEST_F(PreviewPictureTest, ValueTexts)
{
    struct Row {
        const char* what;
        const char* formula;
        float zStart, zEnd;
        const char* lines[4];
    };
    const Row rows[] = {
        {"diameters and the Z typed", "x+1", 2, 18,
         {"起点X坐标:6,起点Z坐标-2", "终点X坐标:38,终点Z坐标-18", "曲线X坐标最大值:38",
          "曲线X坐标最小值:6"}},
        {"a zero depth shows no sign", "5", 0, 0,
         {"起点X坐标:10,起点Z坐标0", "终点X坐标:10,终点Z坐标0", "曲线X坐标最大值:10",
          "曲线X坐标最小值:10"}},
        {"exponent form with three digits", "0.00001", 0, 1000000,
         {"起点X坐标:2e-005,起点Z坐标0", "终点X坐标:2e-005,终点Z坐标-1e+006",
          "曲线X坐标最大值:2e-005", "曲线X坐标最小值:2e-005"}},
    };
    const int tops[] = {50, 80, 110, 140};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const PreviewPicture picture = Compose(row.formula, row.zStart, row.zEnd, 1);
        ASSERT_EQ(picture.values.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(picture.values[i].text, row.lines[i]);
            EXPECT_EQ(picture.values[i].x, 0);
            EXPECT_EQ(picture.values[i].y, tops[i]);
        }
    }
}

} // namespace
