#pragma once

#include <cmath>

namespace controls {

/// The nearest integer to x, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4), whatever
/// rounding mode the floating-point environment is in.
inline int roundHalfEven(double x)
{
    const double down = std::floor(x);
    const double fraction = x - down; // [0, 1)
    if (fraction < 0.5) {
        return static_cast<int>(down);
    }
    if (fraction > 0.5) {
        return static_cast<int>(down) + 1;
    }
    return std::fmod(down, 2.0) == 0.0 ? static_cast<int>(down) : static_cast<int>(down) + 1;
}

} // namespace controls
