#pragma once
// The preview's drawing as data: every line and text its painting draws, in
// logical coordinates (pixels, y downward, (0, 0) at the view's origin).

#include <cstdint>
#include <optional>
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

// What a painting measures of the curve, in radii: at both ends (0 where the
// formula fails there) and the largest and smallest met along the drawn part.
struct CurveMeasurement {
    float xStart;
    float xEnd;
    float xMax;
    float xMin;
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
    std::optional<CurveMeasurement> measured;  // none without a formula
};

// Composes the picture of the current curve from the shared state, which it only
// reads; the preview stores the measurement for the generator.
PreviewPicture ComposePreviewPicture();

} // namespace curves
