#include "curves/logic/PreviewView.h"

#include "curves/logic/CurveState.h"

#include <cmath>

namespace curves {

namespace {

bool Zoom(double direction)
{
    const double scale = g_fPreviewScale;
    if (!(scale > 0) || std::isinf(scale))
        return false;
    // An infinite, zero or subnormal scale could not be zoomed back by a tenth.
    const float zoomed = static_cast<float>(scale + direction * (scale / 10));
    if (!std::isnormal(zoomed))
        return false;
    g_fPreviewScale = zoomed;
    return true;
}

} // namespace

bool ZoomPreviewIn()
{
    return Zoom(+1);
}

bool ZoomPreviewOut()
{
    return Zoom(-1);
}

void PanPreview(float dx, float dy)
{
    g_fPreviewOriginX += dx;
    g_fPreviewOriginY += dy;
}

} // namespace curves
