#include "screenlogic/PileChecks.h"

#include "DesignFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quarvex;
using namespace quarvex::testing;

TEST(ConeCutDepths, KeepTheFirstCharactersOfTheGeneralForm)
{
    struct Case {
        float depth;
        int keep;
        float expected;
    } cases[] = {
        {0.164F, 3, 0.1F}, {65.43601F, 6, 65.436F}, {123.4567F, 6, 123.45F}, {0.492F, 3, 0.4F},
        {9.84F, 6, 9.84F}, {1234.567F, 6, 1234.5F}, {5.0F, 3, 5.0F},         {165.8048F, 6, 165.80F},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CutDepth(c.depth, c.keep), c.expected) << c.depth << " keep " << c.keep;
}

TEST(ConeCutDepths, FromTheStepTable)
{
    Project p = UniformTable(200, {});
    EXPECT_EQ(ConeTopDepth(p), 0.1F);
    // The 200th step lies at 65.43589 ft by repeated addition.
    EXPECT_EQ(GeneralForm(p.StepDepth[200]), "65.43589");
    EXPECT_EQ(ConeMaxDepth(p), 65.435F);
    p.StepDepth[200] = 65.43601F;
    EXPECT_EQ(ConeMaxDepth(p), 65.436F);
}

TEST(DepthBoxes, NonNumericTextIsErasedAndRestoresTheDefault)
{
    EXPECT_EQ(FilterNumericText("abc"), "");
    EXPECT_EQ(FilterNumericText("12.5"), "12.5");
    EXPECT_EQ(DepthBoxValue("", 0.1F), 0.1F);
    EXPECT_EQ(DepthBoxValue("20", 0.1F), 20.0F);
}

namespace {

struct CheckFixture {
    Project p = LastStepAt(65.43601F); // cone depths 0.1 .. 65.436
    Single coneTop = ConeTopDepth(p);
    Single coneMax = ConeMaxDepth(p);
    static Project LastStepAt(float depth)
    {
        Project t = UniformTable(200, {});
        t.StepDepth[200] = depth;
        return t;
    }
    CheckFixture()
    {
        p.PileSize = 14.0F / 12;
        p.PileTopDepth = coneTop;
        p.PileTipDepth = coneMax;
    }
    // Types into the depth boxes as the screen does, then presses "Analysis".
    AnalysisCheck Press(AnalysisInputs in)
    {
        if (in.topSelect)
            p.PileTopDepth = DepthBoxValue(in.topText, coneTop);
        if (in.tipSelect)
            p.PileTipDepth = DepthBoxValue(in.tipText, coneMax);
        return CheckAnalysisInputs(p, in, coneTop, coneMax);
    }
};

} // namespace

TEST(AnalysisChecks, RefusalsInOrderWithMessagesIconsAndBoxes)
{
    struct Case {
        const char* name;
        AnalysisInputs in;
        const char* text; // nullptr: accepted
        MsgIcon icon;
        DesignBox focus, clear;
    } cases[] = {
        {"empty size",
         {"", false, "", false, ""},
         kMsgEnterDiameter,
         MsgIcon::None,
         DesignBox::None,
         DesignBox::None},
        {"defaults", {"14", false, "", false, ""}, nullptr, MsgIcon::None, DesignBox::None, DesignBox::None},
        {"missing top",
         {"14", true, "", false, ""},
         kMsgMissingTop,
         MsgIcon::Critical,
         DesignBox::Top,
         DesignBox::None},
        {"top above cone",
         {"14", true, "0.09", false, ""},
         kMsgTopAboveCone,
         MsgIcon::Critical,
         DesignBox::Top,
         DesignBox::Top},
        {"top at cone top",
         {"14", true, "0.1", false, ""},
         nullptr,
         MsgIcon::None,
         DesignBox::None,
         DesignBox::None},
        {"top too deep",
         {"14", true, "60", false, ""},
         kMsgTopTooShort,
         MsgIcon::Critical,
         DesignBox::Top,
         DesignBox::Top},
        {"missing tip",
         {"14", false, "", true, ""},
         kMsgMissingTip,
         MsgIcon::Critical,
         DesignBox::Tip,
         DesignBox::None},
        {"tip too shallow",
         {"14", false, "", true, "5.9"},
         kMsgTipTooShort,
         MsgIcon::Critical,
         DesignBox::Tip,
         DesignBox::Tip},
        {"tip below cone",
         {"14", false, "", true, "65.437"},
         kMsgTipBelowCone,
         MsgIcon::Critical,
         DesignBox::Tip,
         DesignBox::Tip},
        {"tip at cone max",
         {"14", false, "", true, "65.436"},
         nullptr,
         MsgIcon::None,
         DesignBox::None,
         DesignBox::None},
        {"top checks first",
         {"14", true, "", true, ""},
         kMsgMissingTop,
         MsgIcon::Critical,
         DesignBox::Top,
         DesignBox::None},
    };
    for (const Case& c : cases) {
        CheckFixture f;
        const AnalysisCheck r = f.Press(c.in);
        SCOPED_TRACE(c.name);
        if (c.text == nullptr) {
            EXPECT_TRUE(r.ok);
            continue;
        }
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message.text, c.text);
        EXPECT_EQ(r.message.icon, c.icon);
        EXPECT_EQ(r.message.caption, "Quarvex");
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_EQ(r.clear, c.clear);
    }
}

TEST(AnalysisChecks, PileLengthMustExceedFiveSizesExactly)
{
    // Tip 40 ft, 14-inch pile: the shortest accepted top lies just above 40 - 5 x 14/12.
    CheckFixture f;
    f.p.PileTipDepth = 40;
    const Single limit = 40.0F - 5 * (14.0F / 12);
    AnalysisInputs at{"14", true, ShortestForm(limit), false, ""};
    // The top box holds the limit itself: refused.
    f.p.PileTopDepth = limit;
    EXPECT_EQ(CheckAnalysisInputs(f.p, at, f.coneTop, f.coneMax).message.text, kMsgTopTooShort);
    AnalysisInputs above{"14", true, ShortestForm(limit - 0.01F), false, ""};
    EXPECT_TRUE(CheckAnalysisInputs(f.p, above, f.coneTop, f.coneMax).ok);

    // The tip check uses the current top: top 10, tip exactly 10 + 5 x size refused.
    CheckFixture g;
    const Single tipLimit = 10.0F + 5 * (14.0F / 12);
    g.p.PileTopDepth = 10;
    AnalysisInputs tipAt{"14", false, "", true, ShortestForm(tipLimit)};
    EXPECT_EQ(g.Press(tipAt).message.text, kMsgTipTooShort);
    AnalysisInputs tipBelow{"14", false, "", true, ShortestForm(tipLimit + 0.01F)};
    EXPECT_TRUE(g.Press(tipBelow).ok);
}

TEST(AnalysisChecks, SizeSetsTextAndFeet)
{
    CheckFixture f;
    ASSERT_TRUE(f.Press({"20", false, "", false, ""}).ok);
    EXPECT_EQ(f.p.PileSizeText, "20");
    EXPECT_EQ(f.p.PileSize, 20.0F / 12);
}

// A size that is no positive number used to keep the previous size under the new
// label; it is refused and changes nothing.
TEST(AnalysisChecks, SizeThatIsNoPositiveNumberIsRefused)
{
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"abc", kMsgDiameterPositive}, {"0", kMsgDiameterPositive},     {"-14", kMsgDiameterPositive},
        {" ", kMsgDiameterPositive},   {"14 in", kMsgDiameterPositive}, {"120.01", kMsgDiameterTooLarge},
        {"1e4", kMsgDiameterTooLarge},
    };
    for (const auto& [text, message] : cases) {
        CheckFixture f;
        f.p.PileSizeText = "16";
        f.p.PileSize = 16.0F / 12;
        const AnalysisCheck r = f.Press({text, false, "", false, ""});
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.message.text, message);
        EXPECT_EQ(r.message.icon, MsgIcon::Critical);
        EXPECT_EQ(r.focus, DesignBox::Size);
        EXPECT_EQ(f.p.PileSizeText, "16");
        EXPECT_EQ(f.p.PileSize, 16.0F / 12);
    }
    CheckFixture largest;
    EXPECT_TRUE(largest.Press({"120", false, "", false, ""}).ok);
    EXPECT_EQ(largest.p.PileSize, 10.0F);
}
