#pragma once
// Rounding to a fixed number of decimals, ties to the even neighbour as everywhere in the
// program (std::nearbyint under the default rounding mode).

#include <cmath>

namespace wattmere {

// value rounded to 0 ... 3 decimals (other counts are taken as 0 or 3).
inline double roundToDecimals(double value, int decimals) {
    double scale = 1.0;
    for (int i = 0; i < decimals && i < 3; ++i)
        scale *= 10.0;
    return std::nearbyint(value * scale) / scale;
}

} // namespace wattmere
