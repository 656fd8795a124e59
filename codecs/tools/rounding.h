// Rounding to the nearest integer with halves to even, as the picture and
// tempo arithmetic expects (2.5 gives 2, 3.5 gives 4).
#pragma once

#include <algorithm>
#include <cmath>

namespace tools {

// Values beyond +-1e9 are clamped first so that every result fits an int.
inline int roundhalfeven(double value) {
    value = std::clamp(value, -1e9, 1e9);
    double rounded = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5) rounded = 2.0 * std::round(value / 2.0);
    return static_cast<int>(rounded);
}

}  // namespace tools
