#include "design/DeRuiter.h"
#include "design/Lcpc.h"
#include "design/Schmertmann.h"

#include "DesignFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <random>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

constexpr StepRow kSand{10, 0.1F, 100, 0, 0};
constexpr StepRow kClay{10, 0.1F, 0, 0, 100};

// A profile ready for the methods: geometry and extended profile in place.
Project Prepared(std::vector<StepRow> rows, float inches, float top, float tip)
{
    Project p = StepTable(rows);
    SquarePile(p, inches, top, tip);
    p.AutoLayers = True;
    ComputePileGeometry(p);
    ExtendTipProfile(p);
    return p;
}

} // namespace

// Zone of +-1.5 B around step 15 with B = 4 inches: steps 14, 15, 16.
TEST(Lcpc, EquivalentTipResistanceAndBearingFactor)
{
    struct Case {
        float sand, silt, clay;
        float expected; // qt, tsf
    } cases[] = {
        {100, 0, 0, 4.5F},  // 0.375 x 12
        {15, 45, 40, 7.2F}, // silt+clay 0.85: pure clay, 0.6 x 12
    };
    for (const Case& c : cases) {
        std::vector<StepRow> rows(30, StepRow{10, 0.1F, c.sand, c.silt, c.clay});
        rows[13].tip = 10;
        rows[14].tip = 12;
        rows[15].tip = 14;
        Project p = Prepared(rows, 4, 0.1F, 9);
        p.PileTipArea = 1;
        LcpcStepEndBearing(p, 15, 0);
        EXPECT_FLOAT_EQ(p.LcpcEndBearing[15], c.expected) << c.sand;
    }
}

TEST(Lcpc, SiltClayOfExactlyTheSingle08IsNotOverridden)
{
    // A 1.2-inch pile: the zone holds the step alone, so the zone mean is 0.8 exactly.
    Project p = Prepared(std::vector<StepRow>(30, StepRow{12, 0.1F, 20, 40, 40}), 1.2F, 0.1F, 9);
    p.PileTipArea = 1;
    LcpcStepEndBearing(p, 15, 0);
    const Single kb = static_cast<Single>(0.6 * 0.8F + 0.375 * 0.2F);
    EXPECT_EQ(p.LcpcEndBearing[15], kb * 12);
}

TEST(Lcpc, OutliersRemovedOrQcaKept)
{
    // B = 5.6 inches: zone +-0.7 ft holds steps 13..17; the top cutoff drops step 13.
    std::vector<StepRow> rows(30, kSand);
    rows[12].tip = 99;
    rows[13].tip = 10;
    rows[14].tip = 10;
    rows[15].tip = 10;
    rows[16].tip = 30;
    Project p = Prepared(rows, 5.6F, 0.1F, 9);
    p.PileTipArea = 1;
    LcpcStepEndBearing(p, 15, p.StepDepth[15] - 0.5F);
    // qca = 15: 10 is not above 10.5 and 30 is above 19.5, nothing kept, qeq = 15.
    EXPECT_FLOAT_EQ(p.LcpcEndBearing[15], 0.375F * 15);
}

TEST(Lcpc, CurveChoiceBounds)
{
    EXPECT_EQ(LcpcClayCurve(25.1F), 1);
    EXPECT_EQ(LcpcClayCurve(std::nextafter(25.1F, 100.0F)), 2);
    EXPECT_EQ(LcpcSandCurve(73.1F), 1);
    EXPECT_EQ(LcpcSandCurve(std::nextafter(73.1F, 100.0F)), 2);
    EXPECT_EQ(LcpcSandCurve(156.6F), 2);
    EXPECT_EQ(LcpcSandCurve(std::nextafter(156.6F, 200.0F)), 3);
    EXPECT_EQ(LcpcSandCurve(400), 3);
}

TEST(Lcpc, FrictionCurveValues)
{
    struct Case {
        bool clay;
        int curve;
        float q;
        double expected;
    } cases[] = {
        {true, 1, 0.9576F, 0.051 * 0.9576 - 0.02193 * 0.9576 * 0.9576},
        {true, 1, 1.5F, 0.01709 * 1.5 + 0.01639 - 0.004 * 2.25},
        {true, 1, 9, 0.0383},
        {true, 2, 3, 0.00331835 * 3 + 0.0703827 - 0.0000908059 * 9},
        {true, 2, 8.5F, 0.09112},
        {false, 1, 2, 0.0149353 * 2 + 0.00100239 - 0.00235171 * 4},
        {false, 1, 20, 0.000128692 * 20 + 0.035121 - 6.93969e-7 * 400},
        {false, 2, 41, 0.0912},
        {false, 3, 19.152F, 0.00115464 * 19.152 + 0.102062 - 0.0000133808 * 19.152 * 19.152},
        {false, 3, 50, 0.127},
        {false, 3, -1, 0.127},
    };
    for (const Case& c : cases) {
        const Single v = c.clay ? LcpcClayFriction(c.curve, c.q) : LcpcSandFriction(c.curve, c.q);
        EXPECT_NEAR(v, c.expected, 2e-7) << (c.clay ? "clay " : "sand ") << c.curve << " at " << c.q;
    }
}

TEST(Lcpc, FrictionIncrementInClayAt10Tsf)
{
    // q = 10 tsf: clay curve 1 gives 0.02873 MPa, below 0.9576 / 30: 0.29992 tsf of shaft friction.
    Project p = Prepared(std::vector<StepRow>(30, kClay), 14, 0.1F, 9);
    const Single inc = LcpcStepFriction(p, 10, nullptr);
    EXPECT_NEAR(inc / (p.PilePerimeter * p.StepSize), 0.29992, 0.00002);

    // The last step pairs with itself.
    EXPECT_EQ(LcpcStepFriction(p, 30, nullptr), inc);
}

TEST(Lcpc, FrictionIncrementInDenseSand)
{
    // q = 200 tsf: sand curve 3, alpha 150; the curve (0.11927 MPa) is below 19.152 / 150.
    Project p = Prepared(std::vector<StepRow>(30, StepRow{200, 1, 100, 0, 0}), 14, 0.1F, 9);
    const Single inc = LcpcStepFriction(p, 10, nullptr);
    const double curve = 0.00115464 * 19.152 + 0.102062 - 0.0000133808 * 19.152 * 19.152;
    EXPECT_NEAR(inc / (p.PilePerimeter * p.StepSize), curve * 10.44, 0.0001);
}

TEST(Schmertmann, MinimumPathZoneValue)
{
    Array1<Single> q(3);
    q[1] = 20;
    q[2] = 10;
    q[3] = 30;
    // Down: 60; minimum path 10, 10, 30: 50; (60 + 50) / 6.
    EXPECT_FLOAT_EQ(MinimumPathZoneValue(q, 1, 4), 110.0F / 6);
}

TEST(Schmertmann, UniformProfilesAndTheLimit)
{
    for (auto [tip, qt] : {std::pair{40.0F, 40.0F}, std::pair{200.0F, 150.0F}}) {
        Project p = Prepared(std::vector<StepRow>(80, StepRow{tip, 0.5F, 100, 0, 0}), 14, 0.1F, 20);
        SchmStepEndBearing(p, 40);
        const SchmTipParts parts = SchmTipResistances(p, 40);
        EXPECT_EQ(parts.qc1, tip);
        EXPECT_EQ(parts.qc2, tip);
        EXPECT_EQ(p.SchmEndBearing[40], qt * p.PileTipArea);
    }
}

// The end bearing as the method defines it, in plain loops: qc2 the minimum
// path over 8 D above the tip, qc1 the smallest zone value 0.7 D to 4 D below,
// each zone by the plain zone value.
static Single PlainEndBearing(const Project& p, int i)
{
    const Single d = p.PileEqDiameter;
    const Single t = p.StepDepth[i];
    const Single above = t - 8 * d;
    std::vector<int> zone;
    for (int k = 1; k <= p.NumSteps; ++k)
        if (p.StepDepth[k] > above && p.StepDepth[k] <= t)
            zone.push_back(k);
    // The path climbs from the tip: the smallest value met on the way up.
    Single sum = 0;
    for (std::size_t a = 0; a < zone.size(); ++a) {
        Single low = p.StepTip[zone.back()];
        for (std::size_t b = zone.size(); b-- > a;)
            low = std::min(low, p.StepTip[zone[b]]);
        sum = sum + low;
    }
    const int n = static_cast<int>(zone.size());
    const Single qc2 = sum / static_cast<Single>(n);
    int top = 1;
    while (top <= p.NumExtSteps && !(p.ExtStepDepth[top] > t))
        ++top;
    int end = top;
    bool any = false;
    Single qc1 = qc2;
    for (int z = 1; z <= 12; ++z) {
        const Single bottom = static_cast<Single>(t + (0.3 * z + 0.4) * d);
        while (end <= p.NumExtSteps && !(p.ExtStepDepth[end] > bottom))
            ++end;
        if (end == top)
            continue;
        const Single value = MinimumPathZoneValue(p.ExtStepTip, top, end);
        if (!any || value < qc1)
            qc1 = value;
        any = true;
    }
    return std::min((qc1 + qc2) / 2, 150.0F) * p.PileTipArea;
}

// The run works out the end bearings of its whole range in one pass (four
// steps' paths above the tip side by side, twelve zones' paths below it side
// by side); each must be, bit for bit, the end bearing of the plain loops, and
// so must the step's own end bearing worked out alone. The profiles sit where
// that could go wrong: repeated depths, ties and signed zeros on the paths,
// rising and falling tips (the shallowest and the deepest zone govern),
// infinite and NaN tips, zones longer than the tables kept, zones shorter than
// a step, and ranges ending inside a group.
TEST(Schmertmann, RunGivesEachStepItsOwnEndBearing)
{
    struct Case {
        const char* name;
        int steps;
        float inches, top, tip;
        int tipOption;
        std::function<void(Project&)> edit; // on the step table, before the geometry
    };
    const auto random = [](unsigned seed, float lo, float hi) {
        return [=](Project& p) {
            std::mt19937 rng(seed);
            std::uniform_real_distribution<float> q(lo, hi);
            for (int i = 1; i <= p.NumSteps; ++i)
                p.StepTip[i] = q(rng);
        };
    };
    const Case cases[] = {
        {"random, 14 inch", 300, 14, 0.1F, 95, 0, random(1, 0.5F, 320)},
        {"random, range ends one past a group", 301, 18, 0.3F, 97.5F, 1, random(2, 0.5F, 320)},
        {"ties everywhere", 200, 14, 0.1F, 60, 0, random(3, 1, 4)},
        // Rising tips make the shallowest zone govern, falling ones the deepest,
        // a saw each in turn.
        {"rising tips", 200, 16, 0.1F, 60, 0,
         [](Project& p) {
             for (int i = 1; i <= p.NumSteps; ++i)
                 p.StepTip[i] = static_cast<float>(i * i) / 10;
         }},
        {"falling tips", 200, 16, 0.1F, 60, 0,
         [](Project& p) {
             for (int i = 1; i <= p.NumSteps; ++i)
                 p.StepTip[i] = static_cast<float>(4000 - i * i) / 10;
         }},
        {"a saw", 200, 22, 0.1F, 60, 0,
         [](Project& p) {
             for (int i = 1; i <= p.NumSteps; ++i)
                 p.StepTip[i] = static_cast<float>(10 + (i * 7) % 23) + 0.25F * static_cast<float>(i % 3);
         }},
        {"repeated depths", 240, 16, 0.1F, 70, 0,
         [random](Project& p) {
             random(4, 1, 200)(p);
             for (int i = 2; i <= p.NumSteps; ++i)
                 if (i % 3 != 0 && i % 5 != 0)
                     p.StepDepth[i] = p.StepDepth[i - 1];
         }},
        {"signed zeros and a zero sum", 160, 14, 0.1F, 50, 2,
         [](Project& p) {
             for (int i = 1; i <= p.NumSteps; ++i)
                 p.StepTip[i] = (i % 4 == 0) ? -0.0F : (i % 4 == 1 ? 0.0F : (i > 80 ? 0.0F : 5.0F));
         }},
        {"an infinite tip", 150, 14, 0.1F, 45, 0,
         [random](Project& p) {
             random(5, 1, 100)(p);
             p.StepTip[60] = std::numeric_limits<float>::infinity();
         }},
        {"a NaN tip", 150, 14, 0.1F, 45, 0,
         [random](Project& p) {
             random(6, 1, 100)(p);
             p.StepTip[70] = std::numeric_limits<float>::quiet_NaN();
         }},
        {"zones longer than the lane tables", 900, 120, 0.1F, 280, 0, random(7, 1, 300)},
        {"zones shorter than a step", 120, 0.5F, 0.1F, 38, 0, random(8, 1, 300)},
        {"tip near the end: the extended profile", 100, 30, 0.1F, 32.7F, 2, random(9, 1, 300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project p = StepTable(std::vector<StepRow>(static_cast<std::size_t>(c.steps), kSand));
        c.edit(p);
        SquarePile(p, c.inches, c.top, c.tip);
        p.AutoLayers = True;
        p.TipOption = static_cast<Integer>(c.tipOption);
        p.TipOption3Value = 77;
        ComputePileGeometry(p);
        ExtendTipProfile(p);
        Project alone = p;
        RunSchmertmann(p, 0, nullptr);
        int compared = 0;
        for (int i = 1; i <= p.NumSteps; ++i) {
            if (!(p.StepDepth[i] > c.top && p.StepDepth[i] <= c.tip))
                continue;
            SchmStepEndBearing(alone, i);
            const Single plain = PlainEndBearing(p, i);
            EXPECT_EQ(std::memcmp(&p.SchmEndBearing[i], &plain, sizeof plain), 0)
                << "step " << i << ": " << p.SchmEndBearing[i] << " against " << plain;
            EXPECT_EQ(std::memcmp(&alone.SchmEndBearing[i], &plain, sizeof plain), 0)
                << "step " << i << " alone: " << alone.SchmEndBearing[i] << " against " << plain;
            ++compared;
        }
        EXPECT_GT(compared, 10);
    }
}

TEST(Schmertmann, ZonesShorterThanAStepAreSkipped)
{
    // A half-inch pile: four diameters are shorter than one step, every zone below is empty.
    std::vector<StepRow> rows(40, kSand);
    rows[18].tip = 30;
    rows[19].tip = 20;
    Project p = Prepared(rows, 0.5F, 0.1F, 9);
    const SchmTipParts parts = SchmTipResistances(p, 20);
    EXPECT_EQ(parts.qc2, parts.qc1);
    EXPECT_TRUE(std::isfinite(parts.qc1));
}

TEST(Schmertmann, ClayAndSandFactors)
{
    EXPECT_NEAR(ClayReductionFactor(0.5F), 0.76329, 0.000005);
    EXPECT_NEAR(ClayReductionFactor(0), 1.24226, 1e-6);
    EXPECT_EQ(ClayReductionFactor(10), 0.4F);
    EXPECT_NEAR(SandDepthFactor(10), 1.150425, 1e-6);
    EXPECT_EQ(SandDepthFactor(0.42F), 1.56F);
    EXPECT_EQ(SandDepthFactor(40), 0.81F);
    EXPECT_NEAR(SandDepthFactor(39.99F),
                1.98282 - 0.118081 * 39.99 + 0.00390845 * 39.99 * 39.99 - 0.00004243 * 39.99 * 39.99 * 39.99,
                1e-5);
}

TEST(Schmertmann, FrictionLimitedTo1Point2Tsf)
{
    // Pure sand near the top (alphaS 1.56) with a large sleeve friction.
    Project p = Prepared(std::vector<StepRow>(30, StepRow{100, 2, 100, 0, 0}), 14, 0.1F, 9);
    EXPECT_EQ(SchmStepFriction(p, 1, nullptr), p.PilePerimeter * 1.2F * p.StepSize);
    // Clay: alphaC x fs.
    Project c = Prepared(std::vector<StepRow>(30, StepRow{10, 0.5F, 0, 0, 100}), 14, 0.1F, 9);
    EXPECT_EQ(SchmStepFriction(c, 5, nullptr),
              c.PilePerimeter * (ClayReductionFactor(0.5F) * 0.5F) * c.StepSize);
}

TEST(DeRuiter, EndBearingBlendsSandAndClay)
{
    struct Case {
        float sand, silt, clay, expected;
    } cases[] = {{0, 0, 100, 45}, {100, 0, 0, 100}, {50, 25, 25, 72.5F}, {15, 45, 40, 45}};
    for (const Case& c : cases) {
        Project p =
            Prepared(std::vector<StepRow>(60, StepRow{10, 0.1F, c.sand, c.silt, c.clay}), 14, 0.1F, 15);
        p.SchmEndBearing[30] = 100;
        DeRuiterStepEndBearing(p, 30, 0, 1);
        EXPECT_FLOAT_EQ(p.DeRuiterEndBearing[30], c.expected) << c.sand;
    }
}

TEST(DeRuiter, UncheckedSchmertmannBoxRecomputesTheSameValue)
{
    Project p = Prepared(std::vector<StepRow>(60, StepRow{40, 0.3F, 60, 30, 10}), 14, 0.1F, 15);
    SchmStepEndBearing(p, 30);
    const Single stored = p.SchmEndBearing[30];
    DeRuiterStepEndBearing(p, 30, 0, 1);
    const Single checked = p.DeRuiterEndBearing[30];
    p.SchmEndBearing[30] = 0;
    DeRuiterStepEndBearing(p, 30, 0, 0);
    EXPECT_EQ(p.SchmEndBearing[30], stored);
    EXPECT_EQ(p.DeRuiterEndBearing[30], checked);
}

TEST(DeRuiter, FrictionOfClayAndSand)
{
    struct Case {
        float qc, fs, sand, clay;
        float f; // tsf
    } cases[] = {
        {30, 0.2F, 0, 100, 0.75F},  // Su = 1.5, 0.5 Su
        {30, 0.2F, 100, 0, 0.1F},   // min(30 / 300, 1.2, 0.2)
        {60, 0.2F, 0, 100, 1.2F},   // 1.5 cut
        {450, 2, 100, 0, 1.2F},     // 1.5 cut
        {30, 0.05F, 100, 0, 0.05F}, // the sleeve is the smallest
    };
    for (const Case& c : cases) {
        Project p = Prepared(std::vector<StepRow>(30, StepRow{c.qc, c.fs, c.sand, 0, c.clay}), 14, 0.1F, 9);
        EXPECT_FLOAT_EQ(DeRuiterStepFriction(p, 5, nullptr), c.f * p.PilePerimeter * p.StepSize) << c.qc;
    }
}

// Four zones' soil means at once must be each zone's own means, bit for bit:
// zones overlapping, apart, nested, of one step, and fewer than four.
TEST(DesignCommon, FourZonesSoilMeansAreEachZonesOwn)
{
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> pct(0.0F, 100.0F);
    std::vector<StepRow> rows;
    for (int i = 0; i < 120; ++i) {
        const float sand = pct(rng), silt = (100 - sand) * pct(rng) / 100;
        rows.push_back({10, 0.1F, sand, silt, 100 - sand - silt});
    }
    const Project p = StepTable(rows);
    const StepSoil soil = ComputeStepSoil(p);
    std::uniform_int_distribution<int> first(1, 100), length(1, 20);
    for (int k = 0; k < 2000; ++k) {
        const int n = 1 + k % 4;
        ZoneRange zones[4];
        for (int j = 0; j < n; ++j) {
            zones[j].begin = first(rng);
            zones[j].end = zones[j].begin + length(rng);
        }
        Single sand[4], siltClay[4];
        ZoneSoilMeans4(p, &soil, zones, n, sand, siltClay);
        for (int j = 0; j < n; ++j) {
            Single s, c;
            ZoneSoilMeans(p, &soil, zones[j].begin, zones[j].end, s, c);
            ASSERT_EQ(std::memcmp(&sand[j], &s, sizeof s), 0) << k << " " << j;
            ASSERT_EQ(std::memcmp(&siltClay[j], &c, sizeof c), 0) << k << " " << j;
        }
    }
}
