#pragma once
// The walk along a Z range shared by the preview's drawing and the generator's scan.

namespace curves {

// Calls visit(z) for the depths zStart + step, + 2 step, ... while below zEnd,
// each sum rounded to float, the last one clamped to zEnd; a visit that answers
// false ends the walk. `Step` is float or double: the sum is formed in its
// precision. Where adding the step no longer moves z (a step below half a float's
// spacing at z, or a step that is not positive), the next depth is zEnd itself,
// so every walk ends, and ends on the end point unless a visit stopped it.
template <typename Step, typename Visit>
void StepDepths(float zStart, float zEnd, Step step, Visit visit)
{
    float z = zStart;
    while (z < zEnd) {
        float next = static_cast<float>(z + step);
        if (next > zEnd || !(next > z))
            next = zEnd;
        z = next;
        if (!visit(z))
            return;
    }
}

} // namespace curves
