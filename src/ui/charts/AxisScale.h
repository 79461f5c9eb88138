#pragma once
// Axis scaling shared by the chart adapter's drawing and zooming.

#include <algorithm>
#include <cmath>

namespace quarvex::chart_detail {

// A round spacing (1, 2 or 5 times a power of ten) giving about `ticks` intervals.
inline double NiceStep(double span, int ticks)
{
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    const double raw = span / ticks;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / mag;
    double nice = 10;
    if (norm <= 1)
        nice = 1;
    else if (norm <= 2)
        nice = 2;
    else if (norm <= 5)
        nice = 5;
    return nice * mag;
}

// Qt refuses an empty range; a graph of one point still gets a readable axis.
inline void WidenIfEmpty(double& lo, double& hi)
{
    if (!(hi > lo)) {
        const double pad = std::max(1.0, std::fabs(lo) * 0.05);
        lo -= pad;
        hi += pad;
    }
}

} // namespace quarvex::chart_detail
