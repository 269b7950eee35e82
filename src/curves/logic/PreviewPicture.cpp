#include "curves/logic/PreviewPicture.h"

#include "curves/CurveState.h"
#include "eval/CMathParser.h"
#include "platform/FormatG.h"

#include <cmath>

namespace curves {

namespace {

// Far beyond any window, yet safely inside int and float precision: a
// zoomed-in view must neither overflow the conversion nor the painter.
constexpr double kLogicalLimit = 1 << 24;

constexpr int kSteps = 100;

// Truncation toward zero, within the limit.
int ToLogical(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::fmax(-kLogicalLimit, std::fmin(kLogicalLimit, value)));
}

struct Sample {
    double radius;
    bool failed;
};

// One fresh evaluator per point, as every caller of the evaluator uses it.
Sample EvaluateAt(const std::string& formula, float depth)
{
    CMathParser parser(formula);
    parser.AddVariable(depth, "x");
    parser.Evaluate();
    return {parser.m_dResult, parser.m_bError != 0};
}

PreviewLine CurveSegment(double z1, double x1, double z2, double x2, double scale)
{
    return {kPreviewWhite, ToLogical(z1 * scale), ToLogical(-x1 * scale), ToLogical(z2 * scale),
            ToLogical(-x2 * scale)};
}

// Samples the formula in equal depth steps from the Z start to the Z end and
// records the radii met; the curve stops before the first point that fails.
std::vector<PreviewLine> MeasureCurve()
{
    const std::string& formula = g_strFormulaX;
    g_fCurveXStart = static_cast<float>(EvaluateAt(formula, g_fZStart).radius);
    g_fCurveXEnd = static_cast<float>(EvaluateAt(formula, g_fZEnd).radius);
    g_fCurveXMax = g_fCurveXMin = g_fCurveXStart;

    std::vector<PreviewLine> curve;
    if (g_fZEnd == 0)
        return curve;
    const float zEnd = g_fZEnd;
    const double step = (static_cast<double>(g_fZEnd) - g_fZStart) / kSteps;
    const double scale = g_fPreviewScale;
    float z = g_fZStart;
    float xPrev = static_cast<float>(EvaluateAt(formula, z).radius);
    while (z < zEnd) {
        const float zPrev = z;
        z = static_cast<float>(z + step);
        // A step too small to move z in single precision would never arrive.
        if (z > zEnd || !(z > zPrev))
            z = zEnd;
        const Sample sample = EvaluateAt(formula, z);
        if (sample.failed)
            break;
        const double x = sample.radius;
        if (g_fCurveXMax < x)
            g_fCurveXMax = static_cast<float>(x);
        if (g_fCurveXMin > x)
            g_fCurveXMin = static_cast<float>(x);
        curve.push_back(CurveSegment(zPrev, xPrev, z, x, scale));
        xPrev = static_cast<float>(x);
    }
    return curve;
}

std::vector<PreviewText> ValueTexts()
{
    using platform::FillTemplate;
    return {
        {0, 50, FillTemplate("起点X坐标:%g,起点Z坐标%g", {2.0 * g_fCurveXStart, -g_fZStart})},
        {0, 80, FillTemplate("终点X坐标:%g,终点Z坐标%g", {2.0 * g_fCurveXEnd, -g_fZEnd})},
        {0, 110, FillTemplate("曲线X坐标最大值:%g", {2.0 * g_fCurveXMax})},
        {0, 140, FillTemplate("曲线X坐标最小值:%g", {2.0 * g_fCurveXMin})},
    };
}

} // namespace

PreviewPicture ComposePreviewPicture()
{
    PreviewPicture picture;
    picture.originX = ToLogical(g_fPreviewOriginX);
    picture.originY = ToLogical(g_fPreviewOriginY);
    // The upward arrow is +X, the leftward +Z; the red line leaves the Z arrow's stretch free.
    picture.guides = {
        {kPreviewYellow, 0, 0, -50, 0},     {kPreviewYellow, 0, 0, 0, -50},
        {kPreviewYellow, 0, -50, -5, -40},  {kPreviewYellow, 0, -50, 5, -40},
        {kPreviewYellow, -50, 0, -40, -5},  {kPreviewYellow, -50, 0, -40, 5},
        {kPreviewRed, 0, 0, 50000, 0},      {kPreviewRed, -50, 0, -50000, 0},
    };
    picture.labels = {{-25, -50, "x"}, {-25, 15, "z"}, {-200, -10, "红色警戒线"}};
    if (g_strFormulaX.empty())
        return picture;
    picture.curve = MeasureCurve();
    picture.values = ValueTexts();
    return picture;
}

} // namespace curves
