#include "design/DesignCommon.h"
#include "design/TipOptions.h"

#include "DesignFixtures.h"

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;

TEST(PileGeometry, SquareAndRoundReferencePiles)
{
    Project p = UniformTable(100, {});
    SquarePile(p, 14, 0.1F, 30);
    ComputePileGeometry(p);
    EXPECT_NEAR(p.PileEqDiameter, 1.316, 0.0005);
    EXPECT_NEAR(p.PilePerimeter, 4.667, 0.0005);
    EXPECT_NEAR(p.PileTipArea, 1.3611, 0.00005);
    // Single arithmetic throughout: 4 B B 7 / 22 in float, then the square root.
    const float b = 14.0F / 12;
    const float area = 4 * b * b * 7 / 22;
    EXPECT_EQ(p.PileEqDiameter, static_cast<float>(std::sqrt(static_cast<double>(area))));
    EXPECT_EQ(p.PilePerimeter, 4 * b);
    EXPECT_EQ(p.PileTipArea, b * b);

    ExtendTipProfile(p);
    EXPECT_EQ(p.NumExtSteps, p.NumSteps + 16);

    p.PileShape = 1;
    p.PileSize = 3; // 36 inches
    ComputePileGeometry(p);
    EXPECT_EQ(p.PileEqDiameter, 3.0F);
    EXPECT_EQ(p.PilePerimeter, 9.42477795F);
    EXPECT_EQ(p.PileTipArea, 7.0685835F);
}

TEST(TipOptions, ShownOnlyWhenTheTipIsWithinFourDiameters)
{
    Project p = UniformTable(100, {}); // last step at 32.636 ft
    SquarePile(p, 14, 0.1F, 0);
    ComputePileGeometry(p);
    const Single limit = TailLimit(p);
    EXPECT_EQ(limit, p.StepDepth[100] - 4 * p.PileEqDiameter);
    p.PileTipDepth = limit;
    EXPECT_FALSE(TipOptionsNeeded(p));
    p.PileTipDepth = std::nextafter(limit, 100.0F);
    EXPECT_TRUE(TipOptionsNeeded(p));
}

namespace {

// Tail readings 12.3, 12.7, 11.9 after a long run of 5 tsf and one 50 tsf step
// well above the last four diameters.
Project TailProfile()
{
    std::vector<StepRow> rows(60, StepRow{5});
    rows[10].tip = 50;
    rows[57].tip = 12.3F;
    rows[58].tip = 12.7F;
    rows[59].tip = 11.9F;
    Project p = StepTable(rows);
    SquarePile(p, 14, 0.1F, p.StepDepth[60]);
    ComputePileGeometry(p);
    return p;
}

} // namespace

TEST(TipOptions, TailMaxTipAndTheOption3Bound)
{
    Project p = TailProfile();
    const auto tailMax = ComputeTailMaxTip(p);
    ASSERT_TRUE(tailMax.has_value());
    EXPECT_EQ(*tailMax, 12);
    EXPECT_EQ(TipOption3Caption(*tailMax),
              "Option 3: Enter a tip value till the max tip reading of  12  TSF");

    struct Case {
        int option;
        const char* text;
        bool ok;
        Integer tipOption;
        const char* message;
        bool clear;
    } cases[] = {
        {0, "", true, 0, nullptr, false},
        {1, "99", true, 1, nullptr, false},
        {2, "12", true, 2, nullptr, false},
        {2, "0", true, 2, nullptr, false},
        {2, "12.5", false, 0, kMsgTipValueTooHigh, true},
        {2, "", false, 0, kMsgTipValueMissing, false},
        {2, "-1", false, 0, kMsgTipValueNegative, true},
    };
    for (const Case& c : cases) {
        const TipChoice r = CheckTipChoice(c.option, c.text, *tailMax);
        SCOPED_TRACE(std::to_string(c.option) + " '" + c.text + "'");
        EXPECT_EQ(r.ok, c.ok);
        if (c.ok) {
            EXPECT_EQ(r.tipOption, c.tipOption);
        } else {
            EXPECT_EQ(r.message.text, c.message);
            EXPECT_EQ(r.message.icon, MsgIcon::Critical);
            EXPECT_EQ(r.clearEntry, c.clear);
        }
    }
    EXPECT_EQ(CheckTipChoice(2, "7.5", 12).option3Value, 7.5F);
}

TEST(TipOptions, TailMaxBeyondAnIntegerFailsTheScreen)
{
    Project p = TailProfile();
    p.StepTip[60] = 40000;
    EXPECT_FALSE(ComputeTailMaxTip(p).has_value());
    p.StepTip[60] = 32767.5F;
    EXPECT_EQ(ComputeTailMaxTip(p), std::optional<Integer>(32767));
}

TEST(ExtendTipProfile, EachOptionContinuesTheTip)
{
    for (Integer option : {0, 1, 2}) {
        Project p = TailProfile();
        p.TipOption = option;
        p.TipOption3Value = 7.5F;
        ExtendTipProfile(p);
        ASSERT_EQ(p.NumExtSteps, 76);
        // Tail: the 16 steps deeper than the limit, 13 of them at 5 tsf.
        const Single limit = TailLimit(p);
        Single sum = 0;
        int count = 0;
        for (int i = 1; i <= 60; ++i) {
            if (p.StepDepth[i] > limit) {
                sum = sum + p.StepTip[i];
                ++count;
            }
        }
        const Single expected[] = {sum / static_cast<Single>(count), 11.9F, 7.5F};
        for (int i = 61; i <= 76; ++i) {
            EXPECT_EQ(p.ExtStepTip[i], expected[option]);
            EXPECT_EQ(p.ExtStepDepth[i], p.ExtStepDepth[i - 1] + p.StepSize);
        }
        EXPECT_EQ(p.ExtStepTip[60], 11.9F);
        EXPECT_EQ(p.LcpcEndBearing.size(), 60);
        EXPECT_EQ(p.AvgUltimate.size(), 60);
    }
}
