// The plot screens' decisions, checked without windows.

#include "PlotFixtures.h"
#include "project/NumberText.h"
#include "screenlogic/PlotLogic.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>

using namespace quarvex;
using namespace quarvex::plots;
using quarvex::testing::MakeSounding;

namespace {

Project WithLastDepth(float last)
{
    Project p = MakeSounding(10, 1.0F, 1.0F);
    p.DepthData[10] = last;
    return p;
}

} // namespace

TEST(DepthLimitChoices, SixStepsThenTheLastDepthWhenShort)
{
    struct Case {
        float last;
        std::vector<std::string> expected;
    } cases[] = {
        {100.0F, {"0", "16", "32", "48", "64", "80", "96", "100"}},
        {96.0F, {"0", "16", "32", "48", "64", "80", "96"}},
        {166.175F, {"0", "27", "54", "81", "108", "135", "162", "166.175"}},
        // Shallower than six feet: the step is 0, then the last depth.
        {5.76F, {"0", "0", "0", "0", "0", "0", "0", "5.76"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DepthLimitChoices(WithLastDepth(c.last)), c.expected) << c.last;
    Project empty;
    EXPECT_TRUE(DepthLimitChoices(empty).empty());
}

// Depths beyond what a 64-bit whole number holds (a damaged file): the list is
// still whole numbers, multiples of the step, each reading back exactly.
TEST(DepthLimitChoices, AbsurdDepthsGiveWholeNumbersWithoutOverflow)
{
    for (float last : {5.6e19F, 1e20F, 2e30F, 3.4e38F, -1e30F}) {
        SCOPED_TRACE(last);
        const auto choices = DepthLimitChoices(WithLastDepth(last));
        ASSERT_GE(choices.size(), 7U);
        const double step = std::floor(last / 6);
        EXPECT_EQ(choices[0], "0");
        for (int k = 0; k <= 6; ++k) {
            const std::string& t = choices[static_cast<std::size_t>(k)];
            const bool sign = !t.empty() && t[0] == '-';
            EXPECT_EQ(t.find_first_not_of("0123456789", sign ? 1 : 0), std::string::npos) << t;
            EXPECT_EQ(ToDouble(t), step * k) << t;
        }
        // The last depth itself comes after the six steps when they fall short.
        if (choices.size() == 8) {
            EXPECT_EQ(ToSingle(choices[7]), last);
        }
    }
}

TEST(DepthLimit, FindsTheFirstReadingAtOrBeyondTheLimit)
{
    Project p = MakeSounding(160); // 0.25 .. 40 ft
    struct Case {
        std::string text;
        bool accepted;
        std::string shown;
        Integer count;
    } cases[] = {
        {"20", true, "20", 80},           // reading 80 lies at 20 ft
        {" 7.1 ", true, " 7.1 ", 29},     // first reading at 7.25 ft
        {"0", true, "0", 1},              // at or above the first reading: one reading
        {"500", true, "500", 150},        // deeper than all: the count stays
        {"", true, "40", 160},            // empty: the last depth
        {"twenty", false, "twenty", 150}, // not a number: refused, count stays
        {"1e99", false, "1e99", 150},     // too large for a Single
    };
    for (const Case& c : cases) {
        const DepthLimitOutcome out = ApplyDepthLimit(p, c.text, 150);
        EXPECT_EQ(out.accepted, c.accepted) << c.text;
        EXPECT_EQ(out.text, c.shown) << c.text;
        EXPECT_EQ(out.plotCount, c.count) << c.text;
        EXPECT_EQ(out.message.has_value(), !c.accepted) << c.text;
    }
    const auto refused = ApplyDepthLimit(p, "abc", 150);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->icon, MsgIcon::Critical);
    EXPECT_EQ(refused.message->caption, kAppTitle);
}

TEST(DepthLimit, AgainstElevationFindsTheFirstReadingAtOrBelowIt)
{
    Project p = MakeSounding(50, 1.0F, 1.0F); // 1 .. 50 ft
    p.GroundElevation = 10;
    p.DepthAxisMode = -1;
    for (int j = 1; j <= 50; ++j)
        p.ElevData[j] = p.GroundElevation - p.DepthData[j];
    EXPECT_EQ(ApplyDepthLimit(p, "-5", 50).plotCount, 15); // elevation -5 = depth 15
    EXPECT_EQ(ApplyDepthLimit(p, "-500", 50).plotCount, 50);
    EXPECT_EQ(ApplyDepthLimit(p, "100", 50).plotCount, 1);
}

TEST(ConeAxis, EndsAtTheReadingAbovePlotCountAndCopesWithOne)
{
    Project p = MakeSounding(50, 1.0F, 1.0F);
    AxisEnds a = ConeDepthAxis(p, 50);
    EXPECT_EQ(a.top, 0);
    EXPECT_FLOAT_EQ(a.bottom, 49.0F); // reading 49, not 50
    a = ConeDepthAxis(p, 1);
    EXPECT_EQ(a.top, 0);
    EXPECT_FLOAT_EQ(a.bottom, 2.0F); // one foot past the single reading

    p.GroundElevation = 10;
    p.DepthAxisMode = -1;
    for (int j = 1; j <= 50; ++j)
        p.ElevData[j] = 10 - p.DepthData[j];
    a = ConeDepthAxis(p, 50);
    EXPECT_FLOAT_EQ(a.top, 9.0F);
    EXPECT_FLOAT_EQ(a.bottom, -39.0F);
    EXPECT_DOUBLE_EQ(ConeCoordinate(p, 3), 7.0);
    a = ConeDepthAxis(p, 1);
    EXPECT_FLOAT_EQ(a.top, 9.0F);
    EXPECT_FLOAT_EQ(a.bottom, 8.0F);
}

TEST(ValueStep, IsASixthOfTheLargestValueWhenAboveOne)
{
    const std::pair<float, int> cases[] = {{11.0F, 0},    {12.0F, 2}, {0.0F, 0}, {6.0F, 0},
                                           {600.0F, 100}, {13.9F, 2}, {-5.0F, 0}};
    for (const auto& [max, step] : cases)
        EXPECT_EQ(ValueStepFor(max), step) << max;
}

TEST(DrawnReadings, AllUpToTheLimitThenTheExtremesOfEachRun)
{
    Array1<Single> v;
    v.Redim(40000);
    for (int j = 1; j <= 40000; ++j)
        v[j] = static_cast<Single>(j % 7);
    v[123] = 50.0F;   // a lone spike
    v[30001] = -5.0F; // a lone trough
    struct Case {
        int count;
        bool whole;
    };
    for (const Case c : {Case{0, true}, Case{1, true}, Case{kDrawnReadingsMax, true},
                         Case{kDrawnReadingsMax + 1, false}, Case{40000, false}}) {
        const std::vector<int> d = DrawnReadings(v, c.count);
        if (c.whole) {
            ASSERT_EQ(static_cast<int>(d.size()), c.count);
            for (int i = 0; i < c.count; ++i)
                EXPECT_EQ(d[static_cast<std::size_t>(i)], i + 1);
            continue;
        }
        ASSERT_FALSE(d.empty());
        EXPECT_LE(d.size(), std::size_t{4 * kDrawnRuns});
        EXPECT_GE(d.size(), std::size_t{2 * kDrawnRuns});
        EXPECT_EQ(d.front(), 1);
        EXPECT_EQ(d.back(), c.count);
        EXPECT_TRUE(std::is_sorted(d.begin(), d.end()));
        EXPECT_EQ(std::adjacent_find(d.begin(), d.end()), d.end()) << c.count;
        EXPECT_NE(std::find(d.begin(), d.end(), 123), d.end()) << c.count;
        if (c.count > 30001) {
            EXPECT_NE(std::find(d.begin(), d.end(), 30001), d.end());
        }
    }
}

TEST(ZoomMax, LargestValueFromReadingTenToTheWindowBottom)
{
    Project p = MakeSounding(40, 1.0F, 1.0F); // reading j at j ft
    for (int j = 1; j <= 40; ++j) {
        p.TipData[j] = 10.0F;
        p.SleeveData[j] = 1.0F;
        p.RatioData[j] = 2.0F;
    }
    p.TipData[5] = 500.0F;  // above reading 10: never looked at
    p.TipData[20] = 80.2F;  // inside a window reaching 20 ft
    p.TipData[21] = 300.0F; // the first reading below 20.5 ft: counted
    p.TipData[22] = 900.0F; // below it: not counted
    p.SleeveData[15] = 3.4F;
    p.RatioData[12] = 7.6F;

    EXPECT_EQ(ZoomMaxTip(p, 40, 20.5), 310.0); // Int(300 + 10.5)
    EXPECT_EQ(ZoomMaxTip(p, 40, 20.0), 90.0);  // stops at reading 20 (20 is not < 20)
    EXPECT_EQ(ZoomMaxTip(p, 40, 5.0), 20.0);   // reading 10 alone
    EXPECT_EQ(ZoomMaxTip(p, 21, 35.0), 310.0); // stops at reading PlotCount
    EXPECT_EQ(ZoomMaxTip(p, 20, 35.0), 90.0);
    EXPECT_EQ(ZoomMaxRatio(p, 40, 30.0), 8.0); // Int(7.6 + 0.5)
    // Int(3.4 + 0.5) = 3 would cut the 3.4 peak off: the axis reaches 4.
    EXPECT_EQ(ZoomMaxSleeve(p, 40, 30.0), 4.0);
    p.SleeveData[15] = 3.0F;
    EXPECT_EQ(ZoomMaxSleeve(p, 40, 30.0), 3.0); // Int(3 + 0.5)
}

TEST(ZoomMax, NeverReadsPastTheReadingsOfAShortSounding)
{
    // Five readings, and stale values beyond them from an earlier, longer file.
    Project p = MakeSounding(5, 1.0F, 1.0F);
    for (int j = 6; j <= 40; ++j) {
        p.DepthData[j] = static_cast<float>(j);
        p.TipData[j] = 9999.0F;
    }
    for (int j = 1; j <= 5; ++j)
        p.TipData[j] = static_cast<float>(j);
    EXPECT_EQ(ZoomMaxTip(p, 5, 100.0), 15.0); // Int(5 + 10.5): readings 1..5 only
    EXPECT_EQ(ZoomMaxTip(p, 3, 100.0), 13.0);
    Project none;
    EXPECT_EQ(ZoomMaxTip(none, 0, 10.0), 10.0);
}

TEST(ZoomMax, AgainstElevationTheWindowBottomIsTurnedIntoADepth)
{
    Project p = MakeSounding(40, 1.0F, 1.0F);
    p.GroundElevation = 10;
    p.DepthAxisMode = -1;
    for (int j = 1; j <= 40; ++j)
        p.TipData[j] = static_cast<float>(j);
    // The window's bottom at elevation -20 lies at depth 30: readings 10..30.
    EXPECT_EQ(ZoomMaxTip(p, 40, -20.0), 40.0); // Int(30 + 10.5)
}

TEST(Toggle, RefusedWithoutGroundElevationOtherwiseFlips)
{
    Project p = MakeSounding(10);
    const auto refusal = ToggleDepthElevation(p);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, " Elevation data was not entered in Project Information Form ");
    EXPECT_EQ(refusal->caption, " Data Plot Message");
    EXPECT_EQ(refusal->icon, MsgIcon::Information);
    EXPECT_EQ(refusal->buttons, MsgButtons::Ok);
    EXPECT_EQ(p.DepthAxisMode, 1);

    p.GroundElevation = 0; // sea level is a real elevation
    EXPECT_FALSE(ToggleDepthElevation(p));
    EXPECT_EQ(p.DepthAxisMode, -1);
    EXPECT_FALSE(ToggleDepthElevation(p));
    EXPECT_EQ(p.DepthAxisMode, 1);
}

TEST(AxisMode, ElevationWithoutAGroundElevationFallsBackToDepth)
{
    Project p = MakeSounding(10);
    p.DepthAxisMode = -1;
    SettleAxisMode(p);
    EXPECT_EQ(p.DepthAxisMode, 1);
    p.GroundElevation = 5;
    p.DepthAxisMode = -1;
    SettleAxisMode(p);
    EXPECT_EQ(p.DepthAxisMode, -1);
    p.DepthAxisMode = 0;
    SettleAxisMode(p);
    EXPECT_EQ(p.DepthAxisMode, 1);
}

TEST(Texts, TitlesCaptionBoxesAndMessages)
{
    EXPECT_EQ(TipTitle(), " Tip Resistance (ton/ft\xC2\xB2) ");
    EXPECT_EQ(SleeveTitle(), " Sleeve Resistance (ton/ft\xC2\xB2) ");
    EXPECT_EQ(DepthTitle(1), "Depth (ft)");
    EXPECT_EQ(DepthTitle(-1), "Elevation (ft)");
    Project p = MakeSounding(3);
    EXPECT_EQ(PlotCaption(p), "CPT Data -  File:  /data/test sounding.txt");
    EXPECT_EQ(ZoomFirstMessage().text, "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ");
    EXPECT_EQ(ZoomFirstMessage().caption, kAppTitle);
    EXPECT_EQ(ZoomFirstMessage().icon, MsgIcon::Information);
    EXPECT_TRUE(CaptionMeansZoomAll(kZoomAllDesign));
    EXPECT_TRUE(CaptionMeansZoomAll(kZoomAll));
    EXPECT_FALSE(CaptionMeansZoomAll(kZoomOut));

    auto boxes = ProjectBoxTexts(p);
    ASSERT_EQ(boxes.size(), 11U);
    EXPECT_EQ(boxes[4], (std::pair<std::string, std::string>{"TxtElevation", ""}));
    p.GroundElevation = 12.3F;
    boxes = ProjectBoxTexts(p);
    EXPECT_EQ(boxes[4].second, "12.3");
    EXPECT_EQ(boxes[0], (std::pair<std::string, std::string>{"TxtProjNum", "PN-4711"}));
}

TEST(PrintHeader, ConeAndSoilRowsInPrintOrder)
{
    Project p = MakeSounding(3);
    const double m = 50;
    const double w = 10000;
    auto cone = ConeHeaderItems(p, m, w);
    ASSERT_EQ(cone.size(), 8U); // no elevation value without an elevation
    const std::vector<HeaderItem> expectedCone = {
        {1, 250, false, "Project Number: "},
        {1, 1694, true, "PN-4711"},
        {1, 3660, true, "Title: Bridge over Bayou Teche"},
        {1, 6823.2, false, "Date: 12/10/2026"},
        {2, 250, false, "CPT No: CPT-3"},
        {2, 2250, false, "Struct No: S-88"},
        {2, 4550, false, "Station: 12+50     Offset: 25 ft Rt"},
        {2, 6823.2, false, "Elevation (ft): "},
    };
    for (std::size_t i = 0; i < expectedCone.size(); ++i) {
        EXPECT_EQ(cone[i].row, expectedCone[i].row) << i;
        EXPECT_NEAR(cone[i].x, expectedCone[i].x, 1e-9) << i;
        EXPECT_EQ(cone[i].bold, expectedCone[i].bold) << i;
        EXPECT_EQ(cone[i].text, expectedCone[i].text) << i;
    }
    p.GroundElevation = -12.5F;
    cone = ConeHeaderItems(p, m, w);
    ASSERT_EQ(cone.size(), 9U);
    EXPECT_EQ(cone[8].text, "-12.5");
    EXPECT_TRUE(cone[8].bold);
    EXPECT_NEAR(cone[8].x, 8700, 1e-9);

    const auto soil = SoilHeaderItems(p, m, w);
    ASSERT_EQ(soil.size(), 9U);
    EXPECT_NEAR(soil[2].x, w / 3, 1e-9);
    EXPECT_NEAR(soil[3].x, w - 2888, 1e-9);
    EXPECT_EQ(soil[5].text, "Parish: S-88");
    EXPECT_NEAR(soil[6].x, 5 * m + 4000, 1e-9);
    EXPECT_NEAR(soil[8].x, w - 1805, 1e-9);
}

TEST(PrintHeader, LongTextsPushTheirNeighboursInsteadOfOverprinting)
{
    const std::vector<HeaderItem> row = {{1, 100, false, "Project Number: "},
                                         {1, 1500, true, "P"},
                                         {1, 3000, true, "Title: long"},
                                         {1, 6000, false, "Date"}};
    // The label is wider than its slot; the title far wider than its room.
    const auto xs = SpreadHeaderRow(row, {1500, 100, 3500, 500}, 50);
    ASSERT_EQ(xs.size(), 4U);
    EXPECT_EQ(xs[0], 100);
    EXPECT_EQ(xs[1], 1650); // pushed past the label
    EXPECT_EQ(xs[2], 3000); // room enough: its own place
    EXPECT_EQ(xs[3], 6550); // pushed past the title
}
