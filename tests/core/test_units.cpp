#include "project/Units.h"

#include <gtest/gtest.h>

using namespace quarvex;

TEST(Units, SIReadingsBecomeFeetAndTsf)
{
    Project p;
    p.UnitSystem = kUnitsSI;
    p.NumReadings = 1;
    p.DepthData[1] = 10.0F;
    p.TipData[1] = 5.0F;
    p.SleeveData[1] = 0.05F;
    ConvertReadingsSI(p);
    EXPECT_EQ(p.DepthData[1], static_cast<float>(10.0 / 0.3048));
    EXPECT_EQ(p.TipData[1], 52.2F);
    EXPECT_EQ(p.SleeveData[1], static_cast<float>(static_cast<double>(0.05F) * 10.44));
    EXPECT_NEAR(p.SleeveData[1], 0.522F, 1e-6);
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
}

TEST(Units, SIConversionAlsoConvertsALeftOverStepTable)
{
    Project p;
    p.NumSteps = 2;
    for (auto* a : {&p.StepDepth, &p.StepTip, &p.StepSleeve, &p.StepRatio})
        a->Redim(2);
    p.StepDepth[2] = 0.15F;
    p.StepTip[2] = 2.0F;
    p.StepSleeve[2] = 0.1F;
    p.StepRatio[2] = 5.0F;
    ConvertReadingsSI(p);
    EXPECT_EQ(p.StepDepth[2], static_cast<float>(static_cast<double>(0.15F) / 0.3048));
    EXPECT_EQ(p.StepTip[2], 20.88F);
    EXPECT_EQ(p.StepRatio[2], 5.0F); // nothing else is touched

    Project empty; // no step table yet: nothing to do, and nothing breaks
    ConvertStepsSI(empty);
    EXPECT_EQ(empty.NumSteps, 0);
}

TEST(Units, MillivoltsUseTheFactorsAndTheirOwnConstants)
{
    Project p;
    p.UnitSystem = kUnitsMillivolts;
    p.NumReadings = 1;
    p.DepthData[1] = 10.0F;
    p.TipData[1] = 2.0F;
    p.SleeveData[1] = 4.0F;
    ConvertMillivolts(p, 50.0F, 0.5F);
    EXPECT_EQ(p.DepthData[1], static_cast<float>(10.0 * 3.28084));
    EXPECT_EQ(p.TipData[1], static_cast<float>(100.0 / 0.09576));
    EXPECT_NEAR(p.TipData[1], 1044.277F, 1e-3);
    EXPECT_NEAR(p.SleeveData[1], 20.886F, 1e-3);
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);

    Project none; // no readings: only the unit code changes
    none.UnitSystem = kUnitsMillivolts;
    ConvertMillivolts(none, 50, 0.5F);
    EXPECT_EQ(none.UnitSystem, kUnitsEnglish);
}

TEST(Units, FactorBoxesKeepOnlyNumbers)
{
    for (const char* gone : {"a", "-", ".", "5a", ""})
        EXPECT_EQ(FilterFactorText(gone), "") << gone;
    for (const char* kept : {"50", "0.5", "-2", "1e3"})
        EXPECT_EQ(FilterFactorText(kept), kept);
}

TEST(Units, ContinueChecksBoxesInOrder)
{
    struct Case {
        const char* tip;
        const char* sleeve;
        bool ok;
        int focus;
        const char* message;
    } cases[] = {
        {"50", "0.5", true, -1, ""},
        {"", "", false, 0, " Missing Data entry .. Please enter "},
        {"50", "", false, 1, " Missing Data entry .. Please enter "},
        {"1e300", "0.5", false, 0, " Factor is too large .. Please enter a smaller number "},
        {"0", "-1", true, -1, ""}, // zero and negative factors are used as given
    };
    for (const auto& c : cases) {
        const FactorCheck r = CheckConeFactors(c.tip, c.sleeve);
        EXPECT_EQ(r.ok, c.ok) << c.tip << "|" << c.sleeve;
        EXPECT_EQ(r.focusBox, c.focus);
        EXPECT_EQ(r.message.text, c.message);
        if (!c.ok) {
            EXPECT_EQ(r.message.icon, MsgIcon::Critical);
            EXPECT_EQ(r.message.caption, "Quarvex");
        }
    }
    const FactorCheck r = CheckConeFactors("50", "0.5");
    EXPECT_EQ(r.tipFactor, 50.0F);
    EXPECT_EQ(r.sleeveFactor, 0.5F);
}

TEST(Units, ReadingsAreNeverConvertedTwice)
{
    Project p;
    p.NumReadings = 1;
    p.DepthData[1] = 10.0F;
    p.TipData[1] = 5.0F;
    p.SleeveData[1] = 0.05F;
    p.UnitSystem = kUnitsSI;
    ConvertReadingsSI(p);
    const float depth = p.DepthData[1];
    const float tip = p.TipData[1];
    // The unit option set back to the file's own units: nothing is scaled again.
    p.UnitSystem = kUnitsSI;
    ConvertReadingsSI(p);
    p.UnitSystem = kUnitsMillivolts;
    ConvertMillivolts(p, 50, 0.5F);
    EXPECT_EQ(p.DepthData[1], depth);
    EXPECT_EQ(p.TipData[1], tip);
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
}
