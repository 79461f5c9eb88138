#include "input/Cleaning.h"

#include <gtest/gtest.h>

using namespace quarvex;

TEST(Cleaning, ReplacesBadTipsAndSleevesCapsRatioAndFindsMaxima)
{
    Project p;
    struct R {
        float depth, tip, sleeve, tipAfter, sleeveAfter, ratio;
    } rows[] = {
        {1, 10, 3, 10, 3, 20}, // 30 % capped at 20
        {2, 10, 1, 10, 1, 10},
        {3, 0, 0.5F, 1, 0.5F, 20}, // tip 0 becomes 1.0 before the ratio
        {4, -2, -0.1F, 1, 0, 0},   // negative sleeve becomes 0
        {5, 40, 0.2F, 40, 0.2F, 0.2F * 100 / 40},
    };
    p.NumReadings = 5;
    for (int k = 1; k <= 5; ++k) {
        p.DepthData[k] = rows[k - 1].depth;
        p.TipData[k] = rows[k - 1].tip;
        p.SleeveData[k] = rows[k - 1].sleeve;
    }
    p.ElevData[1] = 777; // no elevation entered: left alone
    const ConeMaxima m = CleanReadings(p);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(p.TipData[k], rows[k - 1].tipAfter) << k;
        EXPECT_EQ(p.SleeveData[k], rows[k - 1].sleeveAfter) << k;
        EXPECT_EQ(p.RatioData[k], rows[k - 1].ratio) << k;
    }
    EXPECT_EQ(p.ElevData[1], 777.0F);
    EXPECT_EQ(m.MaxTip, 40.0F);
    EXPECT_EQ(m.MaxSleeve, 3.0F);
    EXPECT_EQ(m.MaxRatio, 20.0F);

    p.GroundElevation = 10.0F;
    CleanReadings(p);
    EXPECT_EQ(p.ElevData[1], 9.0F);
    EXPECT_EQ(p.ElevData[5], 5.0F);
}
