#pragma once
// The preview's zoom and pan buttons acting on the shared view.

namespace curves {

inline constexpr float kPreviewPanStep = 20;  // pixels per pan button press

// Scale by a tenth up or down. A scale that is not a positive finite number
// (none set yet) stays as it is, and so does one that the press would make
// infinite, zero or subnormal, so the other button always brings the curve
// back. The result tells whether it changed and so whether the preview needs
// painting again.
bool ZoomPreviewIn();
bool ZoomPreviewOut();

// Moves the view's origin by (dx, dy) window pixels, without limits.
void PanPreview(float dx, float dy);

} // namespace curves
