#pragma once
// Zone bounds on a depth profile. Step depths grow with the step number, so the
// steps of a zone "lo < depth <= hi" form one run of indexes, found by binary
// search with exactly the comparisons a scan over all steps would make.

#include "project/Array1.h"

#include <algorithm>

namespace quarvex {

// The first index k in 1..n whose depth satisfies depth(k) > x, or n + 1 when
// none does. x may be a float or a double; the comparison is made in its type.
template <typename T> int FirstDeeper(const Array1<float>& depth, int n, T x)
{
    if (n <= 0)
        return 1;
    const float* first = depth.data();
    const float* last = first + n;
    const float* it =
        std::upper_bound(first, last, x, [](T value, float d) { return value < static_cast<T>(d); });
    return static_cast<int>(it - first) + 1;
}

// The indexes [begin, end) of 1..n with lo < depth <= hi.
struct ZoneRange {
    int begin = 1;
    int end = 1;
    int count() const { return end > begin ? end - begin : 0; }
};

template <typename T> ZoneRange ZoneBetween(const Array1<float>& depth, int n, T lo, T hi)
{
    ZoneRange r{FirstDeeper(depth, n, lo), FirstDeeper(depth, n, hi)};
    if (r.end < r.begin)
        r.end = r.begin;
    return r;
}

// True when the depths 1..n never decrease (the zone search relies on it).
inline bool DepthsSorted(const Array1<float>& depth, int n)
{
    for (int k = 2; k <= n; ++k) {
        if (!(depth[k - 1] <= depth[k]))
            return false;
    }
    return true;
}

} // namespace quarvex
