#include "classification/Classification.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace quarvex;

namespace {

Project WithReadings(std::initializer_list<std::array<float, 3>> readings)
{
    Project p;
    p.UnitSystem = kUnitsEnglish;
    for (const auto& r : readings) {
        ++p.NumReadings;
        p.DepthData[p.NumReadings] = r[0];
        p.TipData[p.NumReadings] = r[1];
        p.SleeveData[p.NumReadings] = r[2];
    }
    return p;
}

double Round2(double v)
{
    return std::round(v * 100) / 100;
}

} // namespace

// Reference values of the classification (percentages to two decimals).
TEST(Classification, ReferenceTable)
{
    struct Case {
        float tip, sleeve, ratio;
        double mu, sand, silt, clay;
    } cases[] = {
        {100, 0.5F, 0.50F, 3.109, 97.71, 2.29, 0.00},  {60, 0.3F, 0.50F, 2.714, 87.14, 12.86, 0.00},
        {30, 0.6F, 2.00F, 1.518, 32.27, 57.53, 10.21}, {10, 0.1F, 1.00F, 1.290, 24.46, 59.96, 15.58},
        {5, 0.25F, 5.00F, -0.535, 0.35, 1.84, 97.81},  {2, 0.2F, 10.00F, -2.449, 0.35, 1.84, 97.81},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tip);
        const SoilProbabilities s = ClassifyOne(c.tip, c.sleeve);
        EXPECT_NEAR(s.ratio, c.ratio, 1e-5);
        EXPECT_NEAR(s.mu, c.mu, 1e-3); // the index is quoted to about three decimals
        EXPECT_EQ(Round2(s.sand), c.sand);
        EXPECT_EQ(Round2(s.silt), c.silt);
        EXPECT_EQ(Round2(s.clay), c.clay);
        EXPECT_NEAR(static_cast<double>(s.sand) + s.silt + s.clay, 100.0, 1e-4);
    }
}

TEST(Classification, StepWindowsIncludeTheirLowerEndOnly)
{
    const float s = 0.328F;
    // A reading exactly on a step bound belongs to the step above it; readings
    // in the first window are never used; the last reading fixes the step count.
    Project p =
        WithReadings({{0.2F, 500, 5}, {s + s, 10, 0.1F}, {s + s + 0.01F, 30, 0.3F}, {1.2F, 20, 0.2F}});
    ASSERT_FALSE(BuildStepTable(p).has_value());
    EXPECT_EQ(p.StepSize, s);
    EXPECT_EQ(p.NumSteps, 3); // Int(1.2 / 0.328)
    EXPECT_EQ(p.StepDepth[1], s / 2);
    EXPECT_EQ(p.StepDepth[2], s / 2 + s);
    EXPECT_EQ(p.StepDepth[3], s / 2 + s + s);
    // Step 2 = (0.328, 0.656]: only the reading at 0.656. Step 3 = (0.656, 0.984].
    EXPECT_EQ(p.StepTip[2], static_cast<float>(static_cast<float>(10 * 0.976486) / 0.976486));
    EXPECT_NEAR(p.StepTip[3], 30.0F, 1e-5);
    EXPECT_EQ(p.StepTip[1], p.StepTip[2]); // step 1 repeats step 2
    EXPECT_EQ(p.PctSand[1], p.PctSand[2]);
}

TEST(Classification, EmptyWindowsRepeatTheStepAboveAndZeroTipIsGuarded)
{
    // Nothing in step 2's window: steps 1 and 2 keep zero averages, which the
    // classification guards to a tip of 1 kgf/cm2.
    Project p = WithReadings({{1.0F, 50, 0.5F}, {1.2F, 60, 0.6F}});
    ASSERT_FALSE(BuildStepTable(p).has_value());
    EXPECT_EQ(p.NumSteps, 3);
    EXPECT_NEAR(p.StepTip[1], 1.02408F, 1e-5);
    EXPECT_EQ(p.StepSleeve[1], 0.0F);
    EXPECT_EQ(Round2(p.PctSand[2]), 2.75);
    EXPECT_EQ(Round2(p.PctSilt[2]), 34.76);
    EXPECT_EQ(Round2(p.PctClay[2]), 62.50);
    // Step 3 = (0.656, 0.984] is empty too and repeats step 2.
    EXPECT_EQ(p.StepTip[3], p.StepTip[2]);

    const SoilProbabilities mid = ClassifyOne(0, 0);
    EXPECT_NEAR(mid.mu, 0.2716, 1e-4);
}

TEST(Classification, TenFootSoundingHasThirtySteps)
{
    Project p = WithReadings({{5.0F, 50, 0.5F}, {9.84F, 50, 0.5F}, {10.0F, 50, 0.5F}});
    ASSERT_FALSE(BuildStepTable(p).has_value());
    EXPECT_EQ(p.NumSteps, 30);
    Project q = WithReadings({{5.0F, 50, 0.5F}, {9.84F, 50, 0.5F}});
    ASSERT_FALSE(BuildStepTable(q).has_value());
    EXPECT_EQ(q.NumSteps, 30);
}

TEST(Classification, ProbabilitiesSumToHundredAndGuardsHold)
{
    Project p;
    p.UnitSystem = kUnitsEnglish;
    for (int k = 1; k <= 600; ++k) {
        p.DepthData[k] = k * 0.1F;
        p.TipData[k] = (k % 7 == 0) ? -1.0F : 2.0F + static_cast<float>((k * 37) % 400);
        p.SleeveData[k] = (k % 11 == 0) ? -0.05F : static_cast<float>((k * 13) % 50) / 10.0F;
    }
    p.NumReadings = 600;
    ASSERT_FALSE(BuildStepTable(p).has_value());
    for (int i = 1; i <= p.NumSteps; ++i) {
        EXPECT_GT(p.StepTip[i], 0.0F);
        EXPECT_GE(p.StepSleeve[i], 0.0F);
        EXPECT_GE(p.PctClay[i], 0.0F);
        EXPECT_NEAR(static_cast<double>(p.PctSand[i]) + p.PctSilt[i] + p.PctClay[i], 100.0, 1e-4);
    }
}

TEST(Classification, StepElevFollowsGroundElevation)
{
    Project p = WithReadings({{1.0F, 50, 0.5F}, {2.0F, 60, 0.6F}});
    ASSERT_FALSE(BuildStepTable(p).has_value());
    for (int i = 1; i <= p.NumSteps; ++i)
        EXPECT_EQ(p.StepElev[i], p.StepDepth[i]);
    p.GroundElevation = 12.5F;
    FillStepElev(p);
    EXPECT_EQ(p.StepElev[1], 12.5F - 0.164F);
    EXPECT_NEAR(p.StepElev[1], 12.336F, 1e-5);
}

TEST(Classification, SoundingsThatCannotFormAStepTableAreRefused)
{
    for (float last : {0.5F, 0.6559F, -3.0F, 20000.0F}) {
        Project p = WithReadings({{0.1F, 10, 0.1F}, {last, 10, 0.1F}});
        p.NumSteps = 7; // an earlier table stays untouched
        const auto refusal = BuildStepTable(p);
        ASSERT_TRUE(refusal.has_value()) << last;
        EXPECT_EQ(refusal->icon, MsgIcon::Critical);
        EXPECT_EQ(p.NumSteps, 7);
    }
    Project ok = WithReadings({{0.1F, 10, 0.1F}, {0.66F, 10, 0.1F}});
    EXPECT_FALSE(BuildStepTable(ok).has_value());
    EXPECT_EQ(ok.NumSteps, 2);
}

// The per-window sums must equal a literal scan of every reading for every
// window, also for readings out of depth order and on window bounds.
TEST(Classification, WindowSumsMatchAPlainScan)
{
    Project p;
    p.UnitSystem = kUnitsEnglish;
    const int n = 900;
    for (int k = 1; k <= n; ++k) {
        const int j = (k * 389) % n + 1; // shuffled depth order
        p.DepthData[k] = (j % 5 == 0) ? 0.328F * static_cast<float>(j / 5) : j * 0.07F;
        p.TipData[k] = 1.0F + static_cast<float>((k * 7919) % 1000) / 7.0F;
        p.SleeveData[k] = static_cast<float>((k * 104729) % 300) / 97.0F;
    }
    p.DepthData[n] = 63.0F;
    p.NumReadings = n;
    SetupSteps(p);
    AverageSteps(p);

    Array1<float> tip(p.NumSteps), sleeve(p.NumSteps);
    float lo = p.StepSize;
    for (int i = 2; i <= p.NumSteps; ++i) {
        const float hi = lo + p.StepSize;
        float sq = 0, sf = 0;
        int count = 0;
        for (int j = 1; j <= n; ++j)
            if (lo < p.DepthData[j] && p.DepthData[j] <= hi) {
                sq += p.TipData[j];
                sf += p.SleeveData[j];
                ++count;
            }
        tip[i] = count > 0 ? sq / count : tip[i - 1];
        sleeve[i] = count > 0 ? sf / count : sleeve[i - 1];
        lo = lo + p.StepSize;
    }
    for (int i = 2; i <= p.NumSteps; ++i) {
        ASSERT_EQ(p.StepTip[i], tip[i]) << i;
        ASSERT_EQ(p.StepSleeve[i], sleeve[i]) << i;
    }
}
