#pragma once

#include <algorithm>

namespace kx {

// The step of minimum + k * step nearest to a value that a dragged thumb
// stopped on, within minimum..maximum.
inline int snapToStep(int value, int minimum, int maximum, int step)
{
    if (step <= 0 || maximum <= minimum)
        return std::clamp(value, minimum, std::max(minimum, maximum));
    const int steps = (value - minimum + step / 2) / step;
    const int snapped = minimum + std::max(0, steps) * step;
    // The last step may stop short of an uneven maximum.
    const int top = minimum + (maximum - minimum) / step * step;
    return std::clamp(snapped, minimum, top);
}

} // namespace kx
