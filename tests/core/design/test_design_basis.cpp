#include "design/DesignBasis.h"
#include "results/Corrections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace quarvex;

namespace {

Array1<Single> Values(const std::vector<Single>& v)
{
    Array1<Single> a(static_cast<int>(v.size()));
    for (int i = 1; i <= a.size(); ++i)
        a[i] = v[static_cast<std::size_t>(i - 1)];
    return a;
}

// Steps 1 ft apart from 1 ft down.
Array1<Single> Depths(int n)
{
    Array1<Single> d(n);
    for (int i = 1; i <= n; ++i)
        d[i] = static_cast<Single>(i);
    return d;
}

DesignBasis Asd(Single load, std::vector<Single> fs)
{
    DesignBasis b;
    b.load = load;
    b.basis = Basis::Allowable;
    const char* keys[] = {"Lcpc", "Schm", "DeRuiter", "Avg"};
    const char* names[] = {"LCPC", "Schmertmann", "de Ruiter and Beringen", "Average"};
    for (std::size_t k = 0; k < fs.size(); ++k)
        b.methods.push_back(MethodFactor{keys[k], names[k], fs[k]});
    return b;
}

constexpr Single kNaN = std::numeric_limits<Single>::quiet_NaN();
constexpr Single kInf = std::numeric_limits<Single>::infinity();

} // namespace

TEST(RequiredTipStep, IsTheShallowestStepBelowTheDeepestShortfall)
{
    struct Case {
        const char* what;
        std::vector<Single> capacity;
        Single required;
        StepRange range;
        int expected;
    };
    const Case cases[] = {
        // Crosses at step 3, a weak layer at steps 5-6, crosses again at 7.
        {"weak layer below the first crossing", {10, 30, 50, 60, 40, 45, 55, 70}, 50, {1, 8}, 7},
        {"never reached", {10, 20, 30, 40}, 50, {1, 4}, 0},
        {"reached at the deepest step only", {10, 20, 30, 50}, 50, {1, 4}, 4},
        {"reached only above a shortfall at the tip", {60, 70, 80, 40}, 50, {1, 4}, 0},
        {"reached at the first step of the range", {60, 70, 80, 90}, 50, {1, 4}, 1},
        {"equal to the required value counts", {10, 50, 50, 50}, 50, {1, 4}, 2},
        // The shortfall above the range and the one below it do not count.
        {"steps outside the range are ignored", {0, 60, 70, 0}, 50, {2, 3}, 2},
        {"range starting deeper", {60, 10, 70, 80}, 50, {3, 4}, 3},
        {"a capacity that is no number falls short", {60, kNaN, 70, 80}, 50, {1, 4}, 3},
        {"an infinite capacity carries the load", {10, kInf, kInf, 60}, 50, {1, 4}, 2},
        {"empty range", {60, 70}, 50, {2, 1}, 0},
        {"range past the array is clipped", {10, 60, 70}, 50, {1, 9}, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RequiredTipStep(Values(c.capacity), c.required, c.range), c.expected) << c.what;
}

TEST(DesignCapacity, IsOneSingleRoundingOfQuotientOrProduct)
{
    EXPECT_EQ(DesignCapacity(Basis::Allowable, 2.5F, 100), 40.0F);
    EXPECT_EQ(DesignCapacity(Basis::Factored, 0.5F, 100), 50.0F);
    // The same values plain Single arithmetic gives.
    EXPECT_EQ(DesignCapacity(Basis::Allowable, 3.0F, 10.0F), 10.0F / 3.0F);
    EXPECT_EQ(DesignCapacity(Basis::Factored, 0.45F, 123.4F), 0.45F * 123.4F);

    DesignBasis lrfd;
    lrfd.basis = Basis::Factored;
    lrfd.load = 100.1F;
    lrfd.loadFactor = 1.35F;
    EXPECT_EQ(RequiredCapacity(lrfd), 1.35F * 100.1F);
    // Under ASD gamma plays no part.
    lrfd.basis = Basis::Allowable;
    EXPECT_EQ(RequiredCapacity(lrfd), 100.1F);

    const Array1<Single> ult = Values({0, 25, 50});
    EXPECT_EQ(DesignCapacities(Basis::Allowable, 2.5F, ult), Values({0, 10, 20}));
}

TEST(DecideDesign, PerMethodDepthTipCapacityUtilisationAndVerdict)
{
    // Seven steps; the analysis range is steps 2..6 (step 7 lies below the tip).
    const Array1<Single> depth = Depths(7);
    // A: carries 40 t allowable (100 t ultimate) from step 3, but a weak layer at
    //    step 4 puts the required depth at step 5.
    const Array1<Single> a = Values({0, 50, 100, 90, 110, 125, 0});
    // B: never carries 40 t allowable within the range.
    const Array1<Single> b = Values({0, 20, 40, 60, 80, 90, 500});
    // C: carries it from the first step of the range.
    const Array1<Single> c = Values({0, 200, 210, 220, 230, 240, 0});
    const Array1<Single>* ult[] = {&a, &b, &c};

    const DesignDecision d = DecideDesign(Asd(40, {2.5F, 2.5F, 2.0F}), ult, depth, {2, 6});
    EXPECT_EQ(d.required, 40.0F);
    EXPECT_EQ(d.tipStep, 6);
    EXPECT_EQ(d.topDepth, 2.0F);
    EXPECT_EQ(d.tipDepth, 6.0F);
    ASSERT_EQ(d.methods.size(), 3U);

    const MethodDecision& ma = d.methods[0];
    EXPECT_EQ(ma.method.name, "LCPC");
    EXPECT_EQ(ma.requiredStep, 5);
    EXPECT_EQ(ma.requiredDepth, 5.0F);
    EXPECT_EQ(ma.tipCapacity, 50.0F);
    EXPECT_EQ(ma.utilisation, 0.8F);
    EXPECT_TRUE(ma.passes);

    const MethodDecision& mb = d.methods[1];
    EXPECT_FALSE(mb.Reached());
    EXPECT_EQ(mb.tipCapacity, 36.0F);
    EXPECT_EQ(mb.utilisation, static_cast<Single>(40.0 / 36.0));
    EXPECT_FALSE(mb.passes);

    const MethodDecision& mc = d.methods[2];
    EXPECT_EQ(mc.requiredStep, 2);
    EXPECT_EQ(mc.tipCapacity, 120.0F);
    EXPECT_TRUE(mc.passes);

    EXPECT_FALSE(d.AllPass());
}

TEST(DecideDesign, AsdAndLrfdOfTheSameUltimates)
{
    const Array1<Single> depth = Depths(5);
    const Array1<Single> ult = Values({100, 200, 250, 300, 400});
    const Array1<Single>* ults[] = {&ult};

    // ASD, FS 2.5, Q 100: allowable 40, 80, 100, 120, 160: from step 3.
    const DesignDecision asd = DecideDesign(Asd(100, {2.5F}), ults, depth, {1, 5});
    EXPECT_EQ(asd.methods[0].requiredStep, 3);
    EXPECT_EQ(asd.methods[0].tipCapacity, 160.0F);
    EXPECT_EQ(asd.methods[0].utilisation, 0.625F);

    // LRFD, phi 0.5, gamma 1.5, Q 100: resistance 50 .. 200 against 150: from step 4.
    DesignBasis lrfd = Asd(100, {0.5F});
    lrfd.basis = Basis::Factored;
    lrfd.loadFactor = 1.5F;
    const DesignDecision f = DecideDesign(lrfd, ults, depth, {1, 5});
    EXPECT_EQ(f.required, 150.0F);
    EXPECT_EQ(f.methods[0].requiredStep, 4);
    EXPECT_EQ(f.methods[0].capacity, Values({50, 100, 125, 150, 200}));
    EXPECT_EQ(f.methods[0].utilisation, 0.75F);
    EXPECT_TRUE(f.AllPass());
}

TEST(DecideDesign, NoCapacityOrNoLoadOrNoRange)
{
    const Array1<Single> depth = Depths(3);
    const Array1<Single> zero = Values({0, 0, 0});
    const Array1<Single>* ults[] = {&zero};

    const DesignDecision none = DecideDesign(Asd(10, {2.5F}), ults, depth, {1, 3});
    EXPECT_TRUE(std::isinf(none.methods[0].utilisation));
    EXPECT_FALSE(none.methods[0].passes);

    // Nothing required: reached at once, nothing used.
    const DesignDecision free = DecideDesign(Asd(0, {2.5F}), ults, depth, {1, 3});
    EXPECT_EQ(free.methods[0].requiredStep, 1);
    EXPECT_EQ(free.methods[0].utilisation, 0.0F);
    EXPECT_TRUE(free.methods[0].passes);

    // No step in the range: nothing is reached and nothing passes, whatever the load.
    const DesignDecision empty = DecideDesign(Asd(0, {2.5F}), ults, depth, {3, 2});
    EXPECT_EQ(empty.tipStep, 0);
    EXPECT_FALSE(empty.methods[0].Reached());
    EXPECT_FALSE(empty.methods[0].passes);
}

TEST(DecideDesign, WorksOnCorrectedArraysAsGiven)
{
    // Design results on ten steps; corrections scale the friction of 5..10 ft.
    Project p;
    CreateHistoryLists(p);
    p.NumSteps = 10;
    p.StepDepth = Depths(10);
    Array1<Single>* arrays[] = {&p.LcpcEndBearing,     &p.LcpcFriction,     &p.LcpcUltimate,
                                &p.SchmEndBearing,     &p.SchmFriction,     &p.SchmUltimate,
                                &p.DeRuiterEndBearing, &p.DeRuiterFriction, &p.DeRuiterUltimate,
                                &p.AvgEndBearing,      &p.AvgFriction,      &p.AvgUltimate};
    for (Array1<Single>* a : arrays)
        a->Redim(10);
    for (int i = 1; i <= 10; ++i) {
        p.LcpcEndBearing[i] = 20;
        p.LcpcFriction[i] = 10.0F * static_cast<Single>(i);
        p.LcpcUltimate[i] = p.LcpcEndBearing[i] + p.LcpcFriction[i];
    }
    p.CorrectionState = kRangeCorrection;
    ApplyCorrections(p, {CorrectionRange{5, 10, 1, 0.5F}});
    // Ultimate 30, 40, .. 120; corrected from 5 ft: 20 + 5 i (45 .. 70).
    ASSERT_EQ(p.CorrLcpcUltimate[6], 50.0F);

    const Array1<Single>* design[] = {&p.LcpcUltimate};
    const Array1<Single>* corrected[] = {&p.CorrLcpcUltimate};
    const DesignBasis basis = Asd(20, {2.5F}); // 50 t ultimate required
    const DesignDecision before = DecideDesign(basis, design, p.StepDepth, {1, 10});
    const DesignDecision after = DecideDesign(basis, corrected, p.StepDepth, {1, 10});
    // Reached at 3 ft by the design results; the correction's drop at 5 ft puts
    // the required depth at 6 ft.
    EXPECT_EQ(before.methods[0].requiredDepth, 3.0F);
    EXPECT_EQ(after.methods[0].requiredDepth, 6.0F);
    EXPECT_EQ(after.methods[0].tipCapacity, 28.0F);
}
