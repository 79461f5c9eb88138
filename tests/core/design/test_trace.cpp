// The working recorded by the methods is the computation itself: its final
// quantities must be the result arrays, bit for bit, whatever the profile, the
// pile and the layer mode.
#include "classification/Classification.h"
#include "design/DesignCommon.h"
#include "design/DesignRun.h"
#include "design/Methods.h"
#include "design/Working.h"
#include "project/NumberText.h"

#include "DesignFixtures.h"

#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <random>
#include <set>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

struct Case {
    unsigned seed;
    int steps;
    int shape; // 0 square, 1 round
    float inches;
    bool manualLayers;
    int schmertmannBox;
};

Project RandomProject(const Case& c)
{
    std::mt19937 rng(c.seed);
    std::uniform_real_distribution<float> tip(0.5F, 320.0F), sleeve(0.0F, 3.0F), pct(0.0F, 100.0F);
    std::vector<StepRow> rows;
    for (int i = 0; i < c.steps; ++i) {
        const float sand = pct(rng), silt = (100 - sand) * pct(rng) / 100;
        rows.push_back({tip(rng), sleeve(rng), sand, silt, 100 - sand - silt});
    }
    Project p = StepTable(rows);
    SquarePile(p, c.inches, 0.1F * static_cast<float>(c.seed % 7), p.StepDepth[c.steps] - 0.5F);
    p.PileShape = static_cast<Integer>(c.shape);
    p.AutoLayers = True;
    if (c.manualLayers) {
        p.AutoLayers = False;
        p.NumLayers = 3;
        const float last = p.StepDepth[c.steps];
        const float bounds[4] = {0, last / 4, last / 2, last};
        for (int k = 1; k <= 3; ++k) {
            p.LayerTop[k] = bounds[k - 1];
            p.LayerBottom[k] = bounds[k];
        }
    }
    ComputePileGeometry(p);
    p.TipOption = 0;
    ExtendTipProfile(p);
    RunMethodsAndAverage(p, DefaultMethods(), 0.0F, c.schmertmannBox);
    return p;
}

const TraceEntry* Find(const std::vector<TraceEntry>& es, const std::string& method, const std::string& part,
                       const std::string& name)
{
    for (const TraceEntry& e : es) {
        if (e.method == method && e.part == part && e.name == name)
            return &e;
    }
    return nullptr;
}

std::vector<int> AllSteps(const Project& p)
{
    std::vector<int> s;
    for (int i = 1; i <= p.NumSteps; ++i)
        s.push_back(i);
    return s;
}

} // namespace

TEST(Trace, FinalQuantitiesAreTheResultArraysBitForBit)
{
    const Case cases[] = {
        {1, 120, 0, 14, false, 1}, {2, 200, 1, 24, false, 0}, {3, 90, 0, 10, true, 1},
        {4, 300, 1, 36, true, 2},  {5, 60, 0, 48, false, 1},  {6, 150, 1, 18, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("seed " + std::to_string(c.seed));
        const Project p = RandomProject(c);
        const auto rec = TraceDesign(p, AllSteps(p), DefaultMethods());
        ASSERT_TRUE(rec.has_value());

        int compared = 0;
        for (const MethodEntry& m : DefaultMethods()) {
            if (m.IsAverage())
                continue;
            const ConstMethodArrays a = m.Results(p);
            Single running = 0;
            bool any = false;
            for (int i = 1; i <= p.NumSteps; ++i) {
                const std::vector<TraceEntry> es = rec->ForStep(i);
                const TraceEntry* eb = Find(es, m.name, "Result", "end bearing");
                const TraceEntry* inc = Find(es, m.name, "Result", "friction increment");
                const TraceEntry* cum = Find(es, m.name, "Result", "cumulative friction");
                if (eb == nullptr) {
                    // Outside the method's range nothing is computed.
                    EXPECT_EQ((*a.endBearing)[i], 0.0F) << m.name << " step " << i;
                    continue;
                }
                ASSERT_TRUE(inc != nullptr && cum != nullptr);
                EXPECT_EQ(static_cast<Single>(eb->value), (*a.endBearing)[i]) << m.name << " step " << i;
                EXPECT_EQ(static_cast<Single>(cum->value), (*a.friction)[i]) << m.name << " step " << i;
                // The increments, summed as the run sums them, give the friction.
                running = running + static_cast<Single>(inc->value);
                EXPECT_EQ(running, (*a.friction)[i]) << m.name << " step " << i;
                any = true;
                ++compared;
            }
            EXPECT_TRUE(any) << m.name;
        }
        EXPECT_GT(compared, 0);
    }
}

TEST(Trace, RecorderChangesNoResultAndRecordsOnlyTheStepsAskedFor)
{
    const Project p = RandomProject({11, 160, 0, 14, false, 1});
    Project again = p;
    TraceRecorder rec(std::vector<int>{40, 41});
    RunMethodsAndAverage(again, DefaultMethods(), 0.0F, 1, &rec);
    for (const MethodEntry& m : DefaultMethods()) {
        const ConstMethodArrays a = m.Results(p), b = m.Results(again);
        for (int i = 1; i <= p.NumSteps; ++i) {
            ASSERT_EQ((*a.endBearing)[i], (*b.endBearing)[i]);
            ASSERT_EQ((*a.ultimate)[i], (*b.ultimate)[i]);
        }
    }
    std::set<int> steps;
    std::set<std::string> methods;
    for (const TraceEntry& e : rec.Entries()) {
        steps.insert(e.step);
        methods.insert(e.method);
    }
    EXPECT_EQ(steps, (std::set<int>{40, 41}));
    EXPECT_EQ(methods, (std::set<std::string>{"LCPC", "Schmertmann", "de Ruiter and Beringen"}));
}

TEST(Trace, GoverningValuesAreTheOnesTheMethodsTook)
{
    const Project p = RandomProject({21, 220, 0, 16, false, 1});
    const auto rec = TraceDesign(p, AllSteps(p), DefaultMethods());
    ASSERT_TRUE(rec.has_value());
    int checked = 0;
    for (int i = 1; i <= p.NumSteps; ++i) {
        const std::vector<TraceEntry> es = rec->ForStep(i);
        const TraceEntry* qc1 = Find(es, "Schmertmann", "qc1", "qc1 (smallest zone value)");
        if (qc1 == nullptr)
            continue;
        // Exactly one zone is marked, it holds qc1, and no zone is smaller.
        int marked = 0;
        for (const TraceEntry& e : es) {
            if (e.method != "Schmertmann" || e.name != "zone value (mean of the two)")
                continue;
            EXPECT_GE(static_cast<Single>(e.value), static_cast<Single>(qc1->value));
            if (e.governs) {
                ++marked;
                EXPECT_EQ(static_cast<Single>(e.value), static_cast<Single>(qc1->value));
            }
        }
        EXPECT_EQ(marked, 1) << "step " << i;
        // LCPC keeps no more values than it collects, and its end bearing is qt x area.
        const TraceEntry* kept = Find(es, "LCPC", "End bearing", "values kept (0.7 qca < qc <= 1.3 qca)");
        const TraceEntry* all = Find(es, "LCPC", "End bearing", "values collected");
        const TraceEntry* qt = Find(es, "LCPC", "End bearing", "qt = kb x qeq");
        ASSERT_TRUE(kept && all && qt);
        EXPECT_LE(kept->value, all->value);
        EXPECT_EQ(static_cast<Single>(qt->value) * p.PileTipArea, p.LcpcEndBearing[i]);
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST(Trace, StepTableWorkingComesFromTheReadings)
{
    // Readings every 0.1 ft with a gap: the steps in the gap take the previous values.
    Project p;
    p.UnitSystem = kUnitsEnglish;
    p.NumReadings = 0;
    for (int j = 1; j <= 300; ++j) {
        const float d = 0.1F * static_cast<float>(j);
        if (d > 10.0F && d < 11.5F)
            continue;
        ++p.NumReadings;
        p.DepthData[p.NumReadings] = d;
        p.TipData[p.NumReadings] = 20.0F + static_cast<float>(j % 13);
        p.SleeveData[p.NumReadings] = 0.2F + 0.01F * static_cast<float>(j % 7);
    }
    ASSERT_FALSE(BuildStepTable(p).has_value());
    TraceRecorder rec(AllSteps(p));
    Project again = p;
    ASSERT_FALSE(BuildStepTable(again, &rec).has_value());

    for (int i = 2; i <= p.NumSteps; ++i) {
        const std::vector<TraceEntry> es = rec.ForStep(i);
        const TraceEntry* top = Find(es, "Steps", "Readings", "window top (exclusive)");
        const TraceEntry* bottom = Find(es, "Steps", "Readings", "window bottom");
        const TraceEntry* count = Find(es, "Steps", "Readings", "readings averaged");
        ASSERT_TRUE(top && bottom && count);
        int inWindow = 0;
        for (int j = 1; j <= p.NumReadings; ++j)
            inWindow += static_cast<Single>(top->value) < p.DepthData[j] &&
                        p.DepthData[j] <= static_cast<Single>(bottom->value);
        EXPECT_EQ(count->value, inWindow) << "step " << i;
        EXPECT_EQ(Find(es, "Steps", "Readings", "no reading: takes the values of step") != nullptr,
                  inWindow == 0);
        const TraceEntry* tip = Find(es, "Steps", "Step values used by the methods", "step tip");
        const TraceEntry* sand = Find(es, "Steps", "Classification", "sand");
        ASSERT_TRUE(tip && sand);
        EXPECT_EQ(static_cast<Single>(tip->value), p.StepTip[i]);
        EXPECT_EQ(static_cast<Single>(sand->value), p.PctSand[i]);
    }
}

TEST(Trace, ResultsThatNoLongerMatchTheInputsAreNotTraced)
{
    Project p = RandomProject({31, 100, 1, 14, false, 1});
    ASSERT_TRUE(TraceDesign(p, {50}, DefaultMethods()).has_value());
    p.PileTipDepth = p.StepDepth[60]; // changed after the run
    EXPECT_FALSE(TraceDesign(p, {50}, DefaultMethods()).has_value());
}

TEST(Trace, CsvRowsReadBackToTheRecordedValues)
{
    const Project p = RandomProject({41, 120, 0, 14, true, 1});
    const auto rec = TraceDesign(p, {30, 75}, DefaultMethods());
    ASSERT_TRUE(rec.has_value());
    const std::string csv = TraceCsv(p, *rec);
    ASSERT_EQ(csv.rfind("depth,method,part,name,value,unit\r\n", 0), 0U);

    // Every row has six fields; the value reads back to the recorded Single.
    std::size_t start = csv.find("\r\n") + 2;
    std::size_t rows = 0;
    std::map<std::string, int> perMethod;
    while (start < csv.size()) {
        const std::size_t end = csv.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = csv.substr(start, end - start);
        std::vector<std::string> f;
        std::size_t a = 0;
        for (std::size_t b; (b = line.find(',', a)) != std::string::npos; a = b + 1)
            f.push_back(line.substr(a, b - a));
        f.push_back(line.substr(a));
        ASSERT_EQ(f.size(), 6U) << line;
        double v = 0;
        const auto r = std::from_chars(f[4].data(), f[4].data() + f[4].size(), v);
        EXPECT_EQ(r.ec, std::errc()) << line;
        EXPECT_TRUE(f[0] == GeneralForm(p.StepDepth[30]) || f[0] == GeneralForm(p.StepDepth[75])) << line;
        ++perMethod[f[1]];
        ++rows;
        start = end + 2;
    }
    EXPECT_EQ(rows, rec->Entries().size());
    for (const char* m : {"Steps", "LCPC", "Schmertmann", "de Ruiter and Beringen"})
        EXPECT_GT(perMethod[m], 0) << m;
    // The results rows carry the result arrays' values exactly.
    const std::string lcpcRow = GeneralForm(p.StepDepth[75]) + ",LCPC,Result,cumulative friction," +
                                ShortestForm(p.LcpcFriction[75]) + ",tons\r\n";
    EXPECT_NE(csv.find(lcpcRow), std::string::npos);
}
