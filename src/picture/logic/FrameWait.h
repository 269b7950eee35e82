#pragma once
// How long an animation shows a frame, from its delay in hundredths of a second.

#include <chrono>
#include <cstdint>

namespace picture {

// Delays below 5 hundredths show for 100 ms, as browsers do for the 0 that many
// GIFs carry. A frame without a control extension plays like one with delay 0.
std::chrono::milliseconds FrameWait(std::uint32_t nDelay);

} // namespace picture
