// Characteristic values by the correlation factors of EN 1997-1 Annex A,
// Table A.10, worked out by hand for n = 1, 2, 3 and 10 soundings.
#include "results/Characteristic.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quarvex;

namespace {

SampleStats StatsOf(const std::vector<double>& values)
{
    SampleStats s;
    for (double v : values)
        s.Add(v);
    return s;
}

} // namespace

TEST(Characteristic, ByHandForOneTwoThreeAndTenSoundings)
{
    struct Case {
        std::vector<double> values;
        double mean, minimum, sd; // sd < 0: none (one value)
        double xi3, xi4, value;
    } cases[] = {
        // n = 1: 100 / 1.40 on both.
        {{100}, 100, 100, -1, 1.40, 1.40, 100 / 1.40},
        // n = 2: mean 90 / 1.35 = 66.67 > minimum 80 / 1.27 = 62.99: the minimum governs.
        {{100, 80}, 90, 80, 14.142135623730951, 1.35, 1.27, 80 / 1.27},
        // n = 3: mean 100 / 1.33 = 75.19 > 90 / 1.23 = 73.17; sd of 90, 100, 110 is 10.
        {{110, 90, 100}, 100, 90, 10, 1.33, 1.23, 90 / 1.23},
        // n = 10: 100, 102, ..., 118: mean 109 / 1.25 = 87.2 < 100 / 1.08 = 92.59: the
        // mean governs; squared deviations 4 x 82.5 = 330, sd = sqrt(330 / 9) = 6.0553.
        {{100, 102, 104, 106, 108, 110, 112, 114, 116, 118}, 109, 100, 6.0553007081949835, 1.25, 1.08, 87.2},
    };
    for (const Case& c : cases) {
        const auto k = CharacteristicValue(StatsOf(c.values), RecommendedCorrelationFactors());
        ASSERT_TRUE(k);
        const std::string n = "n = " + std::to_string(c.values.size());
        EXPECT_EQ(k->n, static_cast<int>(c.values.size())) << n;
        EXPECT_NEAR(k->mean, c.mean, 1e-12) << n;
        EXPECT_EQ(k->minimum, c.minimum) << n;
        if (c.sd < 0)
            EXPECT_FALSE(k->standardDeviation) << n;
        else
            EXPECT_NEAR(k->standardDeviation.value_or(-1), c.sd, 1e-12) << n;
        EXPECT_EQ(k->xi3, c.xi3) << n;
        EXPECT_EQ(k->xi4, c.xi4) << n;
        EXPECT_NEAR(k->value, c.value, 1e-12) << n;
    }
    EXPECT_FALSE(CharacteristicValue(SampleStats(), RecommendedCorrelationFactors()));
}

TEST(Characteristic, ACountBetweenColumnsTakesTheSmallerCountsColumn)
{
    // Columns n = 1, 2, 3, 4, 5, 7, 10: 6 takes 5's, 8 and 9 take 7's, and every
    // count from 10 up takes the last.
    const std::pair<int, std::size_t> cases[] = {{1, 0}, {2, 1}, {3, 2}, {4, 3},  {5, 4},  {6, 4},
                                                 {7, 5}, {8, 5}, {9, 5}, {10, 6}, {11, 6}, {500, 6}};
    for (const auto& [n, column] : cases)
        EXPECT_EQ(CorrelationColumn(n), column) << n;
    const CorrelationFactors f = RecommendedCorrelationFactors();
    EXPECT_EQ(f.xi3, (std::array<double, 7>{1.40, 1.35, 1.33, 1.31, 1.29, 1.27, 1.25}));
    EXPECT_EQ(f.xi4, (std::array<double, 7>{1.40, 1.27, 1.23, 1.20, 1.15, 1.12, 1.08}));

    // Six soundings take the column of five: xi3 1.29, xi4 1.15.
    const auto six = CharacteristicValue(StatsOf({100, 100, 100, 100, 100, 40}), f);
    ASSERT_TRUE(six);
    EXPECT_EQ(six->xi3, 1.29);
    EXPECT_EQ(six->xi4, 1.15);
    EXPECT_NEAR(six->value, 40 / 1.15, 1e-12);
}

TEST(Characteristic, GivenFactorsReplaceTheTable)
{
    CorrelationFactors f = RecommendedCorrelationFactors();
    f.xi3.fill(1.5);
    f.xi4.fill(1.0);
    const auto k = CharacteristicValue(StatsOf({120, 60, 90}), f);
    ASSERT_TRUE(k);
    EXPECT_NEAR(k->value, 60.0, 1e-12); // min(90 / 1.5, 60 / 1.0)
}

TEST(Characteristic, MergedSetsGiveTheStatisticsOfAllTheirValues)
{
    // The depth profile merges soundings of different step tables this way.
    const std::vector<double> all = {31.5, 12.25, 48, 7.75, 22, 19.5, 40.125};
    SampleStats left = StatsOf({31.5, 12.25, 48});
    const SampleStats right = StatsOf({7.75, 22, 19.5, 40.125});
    left.Merge(right);
    const SampleStats whole = StatsOf(all);
    EXPECT_EQ(left.Count(), 7);
    EXPECT_NEAR(left.Mean(), whole.Mean(), 1e-12);
    EXPECT_EQ(left.Minimum(), 7.75);
    EXPECT_NEAR(*left.StandardDeviation(), *whole.StandardDeviation(), 1e-12);
    SampleStats empty;
    empty.Merge(right);
    EXPECT_EQ(empty.Count(), 4);
    EXPECT_EQ(empty.Minimum(), 7.75);
}
