#pragma once
// The preview's drawing as data: every line and text its painting draws, in
// logical coordinates (pixels, y downward, (0, 0) at the view's origin).

#include <cstdint>
#include <string>
#include <vector>

namespace curves {

inline constexpr std::uint32_t kPreviewYellow = 0xFFFF00;  // axis cross
inline constexpr std::uint32_t kPreviewRed = 0xFF0000;     // warning line on the axis of rotation
inline constexpr std::uint32_t kPreviewWhite = 0xFFFFFF;   // curve and texts

struct PreviewLine {
    std::uint32_t rgb;  // 0xRRGGBB
    int x1, y1, x2, y2;
};

struct PreviewText {
    int x, y;  // top left corner
    std::string text;
};

// Drawn in member order, each text over an opaque black box, so later items
// cover earlier ones where they meet.
struct PreviewPicture {
    int originX = 0;  // the view's origin in window pixels
    int originY = 0;
    std::vector<PreviewLine> guides;  // axis cross and warning line
    std::vector<PreviewText> labels;  // "x", "z", "红色警戒线"
    std::vector<PreviewLine> curve;
    std::vector<PreviewText> values;  // diameters and Z at both ends, largest and smallest diameter
};

// Composes the picture of the current curve from the shared state. For a
// non-empty formula it also measures the curve: it stores the radius at both
// ends and the largest and smallest radius met along the drawn part in
// g_fCurveXStart, g_fCurveXEnd, g_fCurveXMax and g_fCurveXMin.
PreviewPicture ComposePreviewPicture();

} // namespace curves
