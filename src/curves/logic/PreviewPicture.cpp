#include "curves/logic/PreviewPicture.h"

#include "curves/logic/CurveState.h"
#include "curves/logic/EvaluateAtDepth.h"
#include "curves/logic/StepDepths.h"
#include "platform/FillTemplate.h"

#include <array>
#include <cmath>

namespace curves {

namespace {

using platform::CountPlaceholders;
using platform::FillTemplate;

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

PreviewLine CurveSegment(double z1, double x1, double z2, double x2, double scale)
{
    return {kPreviewWhite, ToLogical(z1 * scale), ToLogical(-x1 * scale), ToLogical(z2 * scale),
            ToLogical(-x2 * scale)};
}

// Samples the formula in equal depth steps from the Z start to the Z end, drawing
// and measuring; the curve stops before the first point that fails.
std::vector<PreviewLine> DrawCurve(const std::string& formula, CurveMeasurement& measured)
{
    std::vector<PreviewLine> curve;
    if (g_fZEnd == 0)
        return curve;
    const double step = (static_cast<double>(g_fZEnd) - g_fZStart) / kSteps;
    const double scale = g_fPreviewScale;
    float zPrev = g_fZStart;
    float xPrev = static_cast<float>(EvaluateAtDepth(formula, zPrev).value_or(0));
    StepDepths(g_fZStart, g_fZEnd, step, [&](float z) {
        const std::optional<double> x = EvaluateAtDepth(formula, z);
        if (!x)
            return false;
        if (measured.xMax < *x)
            measured.xMax = static_cast<float>(*x);
        if (measured.xMin > *x)
            measured.xMin = static_cast<float>(*x);
        curve.push_back(CurveSegment(zPrev, xPrev, z, *x, scale));
        zPrev = z;
        xPrev = static_cast<float>(*x);
        return true;
    });
    return curve;
}

std::vector<PreviewText> ValueTexts(const CurveMeasurement& m)
{
    constexpr const char* kStart = "起点X坐标:%g,起点Z坐标%g";
    constexpr const char* kEnd = "终点X坐标:%g,终点Z坐标%g";
    constexpr const char* kMax = "曲线X坐标最大值:%g";
    constexpr const char* kMin = "曲线X坐标最小值:%g";
    static_assert(CountPlaceholders(kStart) == 2 && CountPlaceholders(kEnd) == 2
                  && CountPlaceholders(kMax) == 1 && CountPlaceholders(kMin) == 1);
    return {
        {0, 50, FillTemplate(kStart, std::array{2.0 * m.xStart, -static_cast<double>(g_fZStart)})},
        {0, 80, FillTemplate(kEnd, std::array{2.0 * m.xEnd, -static_cast<double>(g_fZEnd)})},
        {0, 110, FillTemplate(kMax, std::array{2.0 * m.xMax})},
        {0, 140, FillTemplate(kMin, std::array{2.0 * m.xMin})},
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
    const std::string& formula = g_strFormulaX;
    CurveMeasurement measured{};
    measured.xStart = static_cast<float>(EvaluateAtDepth(formula, g_fZStart).value_or(0));
    measured.xEnd = static_cast<float>(EvaluateAtDepth(formula, g_fZEnd).value_or(0));
    measured.xMax = measured.xMin = measured.xStart;
    picture.curve = DrawCurve(formula, measured);
    picture.values = ValueTexts(measured);
    picture.measured = measured;
    return picture;
}

} // namespace curves
