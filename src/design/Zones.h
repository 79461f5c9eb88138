#pragma once
// Zone bounds on a depth profile. Step depths grow with the step number, so the
// steps of a zone "lo < depth <= hi" form one run of indexes, found by binary
// search with exactly the comparisons a scan over all steps would make.

#include "project/Array1.h"

#include <algorithm>

namespace quarvex {

// The first index k in 1..n whose depth satisfies depth(k) > x, or n + 1 when
// none does. x may be a float or a double; the comparison is made in its type.
//
// The search halves the range without a branch on the comparison (a zone
// bound's place is no pattern a processor could learn), and finds the same
// index as std::upper_bound on the sorted depths.
template <typename T> int FirstDeeper(const Array1<float>& depth, int n, T x)
{
    if (n <= 0)
        return 1;
    const float* first = depth.data();
    const float* base = first;
    std::size_t len = static_cast<std::size_t>(n);
    // The first index deeper than x lies in [base, base + len].
    while (len > 1) {
        const std::size_t half = len / 2;
        base = x < static_cast<T>(base[half - 1]) ? base : base + half;
        len -= half;
    }
    if (!(x < static_cast<T>(*base)))
        ++base;
    return static_cast<int>(base - first) + 1;
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

// FirstDeeper for depths asked for in rising order, as the methods ask step
// after step: the answer is walked on from the one before, a step or two,
// instead of searched for anew. On depths that never decrease (none NaN,
// checked once, at the first walk) that is the very index the search finds;
// anywhere else, and for a depth above the one before, it searches.
class DepthCursor {
public:
    DepthCursor(const Array1<float>& depth, int n) : array_(depth), n_(n) {}

    template <typename T> int FirstDeeper(T x)
    {
        const auto asked = static_cast<double>(x);
        if (held_ && asked >= last_ && Ordered()) {
            const float* depth = array_.data();
            while (at_ <= n_ && !(x < static_cast<T>(depth[at_ - 1])))
                ++at_;
        } else {
            at_ = quarvex::FirstDeeper(array_, n_, x);
        }
        held_ = true;
        last_ = asked;
        return at_;
    }

private:
    bool Ordered()
    {
        if (order_ == 0) {
            const bool ordered =
                n_ >= 1 && array_.size() >= n_ && DepthsSorted(array_, n_) && array_[1] == array_[1];
            order_ = ordered ? 1 : -1;
        }
        return order_ > 0;
    }

    const Array1<float>& array_;
    int n_;
    int order_ = 0; // 0 not yet checked, 1 ordered, -1 not
    bool held_ = false;
    double last_ = 0;
    int at_ = 1;
};

// ZoneBetween for zones asked for step after step: the indexes with
// lo < depth <= hi, each bound walked on by its own cursor.
template <typename T> ZoneRange ZoneBetween(DepthCursor& top, DepthCursor& bottom, T lo, T hi)
{
    ZoneRange r{top.FirstDeeper(lo), bottom.FirstDeeper(hi)};
    if (r.end < r.begin)
        r.end = r.begin;
    return r;
}

} // namespace quarvex
