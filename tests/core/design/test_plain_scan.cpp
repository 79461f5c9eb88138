// The methods find their zones by binary search and shared walks; a plain scan
// over every step, written straight from the method descriptions, must give the
// same Single results bit for bit.
#include "design/DeRuiter.h"
#include "design/DesignRun.h"
#include "design/Lcpc.h"
#include "design/OutputFile.h"
#include "design/Schmertmann.h"

#include "DesignFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

Single PlainLcpcEndBearing(const Project& p, int i, Single topCutoff)
{
    const Single b = p.PileSize;
    const Single lo = static_cast<Single>(p.StepDepth[i] - 1.5 * b);
    const Single hi = static_cast<Single>(p.StepDepth[i] + 1.5 * b);
    std::vector<Single> q;
    for (int j = 1; j <= p.NumExtSteps; ++j) {
        if (lo < p.ExtStepDepth[j] && p.ExtStepDepth[j] <= hi && p.ExtStepDepth[j] > topCutoff)
            q.push_back(p.ExtStepTip[j]);
    }
    Single sum = 0;
    for (Single v : q)
        sum = sum + v;
    const Single qca = sum / static_cast<Single>(q.size());
    Single kept = 0;
    int n = 0;
    for (Single v : q) {
        if (0.7 * qca < v && v <= 1.3 * qca) {
            kept = kept + v;
            ++n;
        }
    }
    const Single qeq = n > 0 ? kept / static_cast<Single>(n) : qca;
    Single sand = 0, siltClay = 0;
    int count = 0;
    for (int j = 1; j <= p.NumSteps; ++j) {
        if (lo < p.StepDepth[j] && p.StepDepth[j] <= hi) {
            sand = sand + p.PctSand[j] / 100;
            siltClay = siltClay + (p.PctClay[j] + p.PctSilt[j]) / 100;
            ++count;
        }
    }
    sand = sand / static_cast<Single>(count);
    siltClay = siltClay / static_cast<Single>(count);
    if (siltClay > 0.8F) {
        siltClay = 1;
        sand = 0;
    }
    const Single kb = static_cast<Single>(0.6 * siltClay + 0.375 * sand);
    const Single qt = kb * qeq;
    return qt * p.PileTipArea;
}

Single ZoneValue(const std::vector<Single>& q)
{
    const std::size_t n = q.size();
    std::vector<Single> m(n);
    for (std::size_t k = 0; k < n; ++k)
        m[k] = *std::min_element(q.begin() + static_cast<long>(k), q.end());
    Single sum = 0;
    for (Single v : q)
        sum = sum + v;
    for (Single v : m)
        sum = sum + v;
    return sum / static_cast<Single>(2 * n);
}

Single PlainSchmEndBearing(const Project& p, int i)
{
    const Single d = p.PileEqDiameter;
    const Single t = p.StepDepth[i];
    std::vector<Single> up;
    for (int j = 1; j <= p.NumSteps; ++j) {
        if (t - 8 * d < p.StepDepth[j] && p.StepDepth[j] <= t)
            up.push_back(p.StepTip[j]);
    }
    Single pathSum = 0;
    for (std::size_t k = 0; k < up.size(); ++k)
        pathSum = pathSum + *std::min_element(up.begin() + static_cast<long>(k), up.end());
    const Single qc2 = pathSum / static_cast<Single>(up.size());
    bool any = false;
    Single qc1 = 0;
    for (int z = 1; z <= 12; ++z) {
        const Single bottom = static_cast<Single>(t + (0.3 * z + 0.4) * d);
        std::vector<Single> q;
        for (int j = 1; j <= p.NumExtSteps; ++j) {
            if (t < p.ExtStepDepth[j] && p.ExtStepDepth[j] <= bottom)
                q.push_back(p.ExtStepTip[j]);
        }
        if (q.empty())
            continue;
        const Single v = ZoneValue(q);
        if (!any || v < qc1)
            qc1 = v;
        any = true;
    }
    if (!any)
        qc1 = qc2;
    Single qt = (qc1 + qc2) / 2;
    if (qt > 150)
        qt = 150;
    return qt * p.PileTipArea;
}

Single PlainDeRuiterEndBearing(const Project& p, int i, Single topCutoff, Single schm)
{
    const Single d = p.PileEqDiameter;
    const Single t = p.StepDepth[i];
    Single sand = 0, siltClay = 0;
    int count = 0;
    for (int j = 1; j <= p.NumSteps; ++j) {
        if (t - 8 * d < p.StepDepth[j] && p.StepDepth[j] <= t + 4 * d && p.StepDepth[j] > topCutoff) {
            sand = sand + p.PctSand[j] / 100;
            siltClay = siltClay + (p.PctClay[j] + p.PctSilt[j]) / 100;
            ++count;
        }
    }
    sand = sand / static_cast<Single>(count);
    siltClay = siltClay / static_cast<Single>(count);
    if (siltClay > 0.8F) {
        siltClay = 1;
        sand = 0;
    }
    return schm * sand + (schm / 20 * 9) * siltClay;
}

Project RandomProfile(std::mt19937& rng, int n)
{
    std::uniform_real_distribution<float> tip(1, 250), sleeve(0, 3), pct(0, 1);
    std::vector<StepRow> rows;
    for (int i = 0; i < n; ++i) {
        float a = pct(rng), b = pct(rng), c = pct(rng);
        if (i % 9 == 0)
            a = 0; // some steps of pure silt and clay
        const float s = a + b + c;
        rows.push_back({tip(rng), sleeve(rng), 100 * a / s, 100 * b / s, 100 * c / s});
    }
    return StepTable(rows);
}

} // namespace

TEST(PlainScan, MethodsGiveTheSameSinglesAsAScanOverAllSteps)
{
    std::mt19937 rng(77);
    struct Pile {
        int shape;
        float inches;
        bool typedTop;
    } piles[] = {{0, 14, false},   {0, 14, true},  {1, 36, true},
                 {0, 0.5F, false}, {0, 60, false}, {1, 54, true}};
    TempFile dir("", "unused");
    for (const Pile& pile : piles) {
        Project p = RandomProfile(rng, 300);
        p.PileType = 9;
        p.PileShape = static_cast<Integer>(pile.shape);
        p.PileSize = pile.inches / 12;
        p.PileTopDepth = pile.typedTop ? 7.5F : 0.1F;
        p.PileTipDepth = p.StepDepth[300];
        p.OutputFileName = (dir.dir() / "plain.dat").string();
        ScriptedQuestions q;
        q.tip = [](Project& pr) { pr.TipOption = 0; };
        DesignRunInputs in;
        in.topText = pile.typedTop ? "7.5" : "";
        ASSERT_EQ(RunDesign(p, in, q).outcome, DesignOutcome::Completed) << pile.inches;

        const Single topCutoff = pile.typedTop ? 7.5F : 0.0F;
        Single lcpc = 0, schm = 0, dr = 0;
        for (int i = 1; i <= p.NumSteps; ++i) {
            const bool inRange = p.PileTopDepth < p.StepDepth[i] && p.StepDepth[i] <= p.PileTipDepth;
            if (!inRange) {
                ASSERT_EQ(p.LcpcUltimate[i], 0);
                continue;
            }
            SCOPED_TRACE(::testing::Message() << pile.inches << " inch, step " << i);
            ASSERT_EQ(p.LcpcEndBearing[i], PlainLcpcEndBearing(p, i, topCutoff));
            lcpc = lcpc + LcpcStepFriction(p, i, nullptr);
            ASSERT_EQ(p.LcpcFriction[i], lcpc);
            ASSERT_EQ(p.SchmEndBearing[i], PlainSchmEndBearing(p, i));
            schm = schm + SchmStepFriction(p, i, nullptr);
            ASSERT_EQ(p.SchmFriction[i], schm);
            if (i < p.NumSteps) {
                ASSERT_EQ(p.DeRuiterEndBearing[i],
                          PlainDeRuiterEndBearing(p, i, topCutoff, p.SchmEndBearing[i]));
                dr = dr + DeRuiterStepFriction(p, i, nullptr);
                ASSERT_EQ(p.DeRuiterFriction[i], dr);
            }
        }
    }
}

TEST(PlainScan, LayerMeansAsAScanOverAllSteps)
{
    std::mt19937 rng(5);
    Project p = RandomProfile(rng, 200);
    p.NumLayers = 3;
    const float tops[] = {0.1F, 20.3F, 41.7F}, bottoms[] = {20.3F, 41.7F, 65.0F};
    for (int k = 1; k <= 3; ++k) {
        p.LayerTop[k] = tops[k - 1];
        p.LayerBottom[k] = bottoms[k - 1];
    }
    const LayerValues v = ComputeLayerValues(p);
    for (int k = 1; k <= 3; ++k) {
        const Single t1 = p.LayerTop[k], t2 = p.LayerBottom[k];
        Single tip = 0, sleeve = 0, sand = 0;
        int count = 0;
        for (int i = 1; i <= p.NumSteps - 1; ++i) {
            if (t1 < p.StepDepth[i] && p.StepDepth[i] <= t2) {
                tip = tip + (p.StepTip[i] + p.StepTip[i + 1]) * p.StepSize / 2;
                sleeve = sleeve + (p.StepSleeve[i] + p.StepSleeve[i + 1]) * p.StepSize / 2;
                sand = sand + p.PctSand[i] / 100;
                ++count;
            }
        }
        for (int i = 1; i <= p.NumSteps; ++i) {
            if (t1 < p.StepDepth[i] && p.StepDepth[i] <= t2) {
                ASSERT_EQ(v.tip[i], tip / (t2 - t1));
                ASSERT_EQ(v.sleeve[i], sleeve / (t2 - t1));
                ASSERT_EQ(v.sand[i], sand / static_cast<Single>(count));
            }
        }
    }
    EXPECT_EQ(v.tip[200], 0); // below every layer
}
