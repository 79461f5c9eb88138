// The zone search must select exactly the steps a scan over all steps selects.
#include "design/Zones.h"

#include "DesignFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

template <typename T> ZoneRange NaiveZone(const Array1<float>& d, int n, T lo, T hi)
{
    int first = 0, last = 0, count = 0;
    for (int k = 1; k <= n; ++k) {
        if (lo < static_cast<T>(d[k]) && static_cast<T>(d[k]) <= hi) {
            if (count == 0)
                first = k;
            last = k;
            ++count;
        }
    }
    EXPECT_TRUE(count == 0 || last - first + 1 == count);
    return count == 0 ? ZoneRange{1, 1} : ZoneRange{first, last + 1};
}

std::vector<Array1<float>> Profiles()
{
    std::vector<Array1<float>> profiles;
    // The usual step table, 800 steps by repeated addition.
    profiles.push_back(UniformTable(800, {}).StepDepth);
    // A step table converted from metres (0.1 m steps divided by 0.3048).
    Array1<float> si(400);
    for (int k = 1; k <= 400; ++k)
        si[k] = static_cast<float>((k == 1 ? 0.05F : si[k - 1] * 0.3048F + 0.1F) / 0.3048);
    profiles.push_back(si);
    // Repeated depths and a single step.
    Array1<float> ties(9);
    const float values[] = {1, 1, 2, 2, 2, 3.5F, 3.5F, 4, 10};
    for (int k = 1; k <= 9; ++k)
        ties[k] = values[k - 1];
    profiles.push_back(ties);
    Array1<float> one(1);
    one[1] = 0.164F;
    profiles.push_back(one);
    return profiles;
}

} // namespace

TEST(Zones, BinarySearchMatchesAScanOverAllSteps)
{
    std::mt19937 rng(12345);
    for (const Array1<float>& d : Profiles()) {
        const int n = d.size();
        std::uniform_int_distribution<int> pick(1, n);
        std::uniform_real_distribution<double> off(-2.0, 2.0);
        for (int trial = 0; trial < 3000; ++trial) {
            // Bounds on and around the step depths, in Single and in double.
            const float a = d[pick(rng)];
            const float b = d[pick(rng)];
            const float loF = trial % 3 == 0 ? a : static_cast<float>(a + off(rng));
            const float hiF = trial % 5 == 0 ? b : std::nextafter(b, trial % 2 ? 1e9F : -1e9F);
            const ZoneRange fast = ZoneBetween(d, n, loF, hiF);
            const ZoneRange slow = NaiveZone(d, n, loF, hiF);
            ASSERT_EQ(fast.count(), slow.count()) << loF << " " << hiF;
            if (slow.count() > 0) {
                ASSERT_EQ(fast.begin, slow.begin);
                ASSERT_EQ(fast.end, slow.end);
            }
            const double loD = static_cast<double>(a) + off(rng) * 1e-7;
            const double hiD = static_cast<double>(b) + (trial % 2 ? 1e-9 : 0.0);
            const ZoneRange fastD = ZoneBetween(d, n, loD, hiD);
            const ZoneRange slowD = NaiveZone(d, n, loD, hiD);
            ASSERT_EQ(fastD.count(), slowD.count());
            if (slowD.count() > 0) {
                ASSERT_EQ(fastD.begin, slowD.begin);
            }
        }
    }
}

// The search without a branch on its comparisons must land where the
// library's upper_bound lands, on every length (odd and even halves), with
// repeated depths, and for bounds on, between and beyond them, NaN included.
TEST(Zones, FirstDeeperIsUpperBoundOnEveryLength)
{
    for (int n = 1; n <= 40; ++n) {
        Array1<float> d(n);
        for (int k = 1; k <= n; ++k)
            d[k] = 0.5F * static_cast<float>((k + 1) / 3); // 0, 0.5, 0.5, 0.5, 1, ...
        std::vector<double> xs = {-1.0, std::nan(""), 1e30};
        for (int k = 1; k <= n; ++k)
            for (double dx : {-0.25, 0.0, 0.25})
                xs.push_back(static_cast<double>(d[k]) + dx);
        for (const double x : xs) {
            const float* first = d.data();
            const auto expected = [&](auto value) {
                using T = decltype(value);
                return static_cast<int>(std::upper_bound(first, first + n, value,
                                                         [](T v, float e) { return v < static_cast<T>(e); }) -
                                        first) +
                       1;
            };
            EXPECT_EQ(FirstDeeper(d, n, x), expected(x)) << n << " " << x;
            const auto xf = static_cast<float>(x);
            EXPECT_EQ(FirstDeeper(d, n, xf), expected(xf)) << n << " " << xf;
        }
    }
}

TEST(Zones, EmptyAndOutOfRange)
{
    Array1<float> d = UniformTable(10, {}).StepDepth;
    EXPECT_EQ(ZoneBetween(d, 10, 100.0F, 200.0F).count(), 0);
    EXPECT_EQ(ZoneBetween(d, 10, 5.0F, 1.0F).count(), 0);
    EXPECT_EQ(ZoneBetween(d, 10, -1.0F, 100.0F).count(), 10);
    EXPECT_EQ(ZoneBetween(d, 0, -1.0F, 100.0F).count(), 0);
    EXPECT_FALSE(DepthsSorted(Array1<float>(), 0) == false);
}

// The cursor walks on from its last answer; whatever the order of the depths
// asked for and of the profile, it must answer what the search answers: on
// rising, repeated, falling and NaN queries, over profiles with repeated
// depths, one out of order, and a NaN.
TEST(Zones, CursorAnswersWhatTheSearchAnswers)
{
    Array1<float> rising = UniformTable(60, {}).StepDepth;
    for (int k = 20; k <= 25; ++k)
        rising[k] = rising[19]; // repeated depths
    Array1<float> outOfOrder = rising;
    outOfOrder[40] = 1.0F;
    Array1<float> withNaN = rising;
    withNaN[30] = std::nanf("");
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> jump(0.0F, 1.2F);
    for (const Array1<float>* d : {&rising, &outOfOrder, &withNaN}) {
        for (const int n : {60, 41, 1}) {
            std::vector<float> asked;
            float x = -1;
            for (int k = 0; k < 80; ++k) {
                asked.push_back(x);
                if (k % 9 == 0)
                    asked.push_back(x); // the same depth again
                x += jump(rng);
            }
            asked.insert(asked.end(), {5.0F, std::nanf(""), 3.0F, 30.0F, 2.0F, 1e30F});
            DepthCursor single(*d, n);
            DepthCursor wide(*d, n);
            for (const float a : asked) {
                EXPECT_EQ(single.FirstDeeper(a), FirstDeeper(*d, n, a)) << n << " " << a;
                const double w = static_cast<double>(a) + 0.01;
                EXPECT_EQ(wide.FirstDeeper(w), FirstDeeper(*d, n, w)) << n << " " << w;
            }
        }
    }
}
