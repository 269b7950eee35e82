#include "curves/logic/PreviewView.h"

#include "curves/CurveState.h"

#include <cmath>

namespace curves {

namespace {

bool Zoom(double direction)
{
    const double scale = g_fPreviewScale;
    if (!(scale > 0) || std::isinf(scale))
        return false;
    g_fPreviewScale = static_cast<float>(scale + direction * (scale / 10));
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
