// The whole input side on real field soundings: every file reads with its count,
// converts, cleans and classifies; opened with one title line too few, the
// column-heading line is refused by its true line number.
#include "classification/Classification.h"
#include "input/Cleaning.h"
#include "input/Reader.h"
#include "project/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace quarvex;

namespace {

struct Sample {
    const char* file;
    int titleLines;
    int readings;
    Integer units;
};

const Sample kSamples[] = {
    {"01_nl_voorne-putten_CPTU17-8_m-MPa_spaces.txt", 10, 999, kUnitsSI},
    {"01b_nl_voorne-putten_CPTU17-8_m-MPa_comma.txt", 3, 999, kUnitsSI},
    {"02_nl_bro_CPT000000063044_m-MPa_comma.txt", 10, 1742, kUnitsSI},
    {"03_nl_bro_CPT000000217393_m-MPa_tab.txt", 10, 1249, kUnitsSI},
    {"04_nl_bro_CPT000000179095_short_m-MPa_spaces.txt", 5, 210, kUnitsSI},
    {"05_nl_amsterdam_A01-1_5mm_truncated_m-MPa_spaces.txt", 8, 4000, kUnitsSI},
    {"06_nl-offshore_borssele_CPT_WFS1_1_m-MPa_spaces.txt", 10, 1369, kUnitsSI},
    {"07_nl-offshore_borssele_BH-WFS1-2A_downhole_m-MPa_comma.txt", 10, 1623, kUnitsSI},
    {"08_no_tiller-flotten_TILC57_m-MPa_tab.txt", 9, 802, kUnitsSI},
    {"08b_no_tiller-flotten_TILC57_m-MPa_spaces.txt", 6, 802, kUnitsSI},
    {"09_no_oysand_OYSC33_m-MPa_spaces.txt", 9, 586, kUnitsSI},
    {"10_no_halsen_HALS01_10mm_m-MPa_comma.txt", 9, 1682, kUnitsSI},
    {"11_us_alameda_ALC017_ft-tsf_spaces.txt", 9, 1013, kUnitsEnglish},
    {"11b_us_alameda_ALC017_ft-tsf_comma.txt", 3, 1013, kUnitsEnglish},
    {"12_us_alameda_ALC008_ft-tsf_tab.txt", 12, 607, kUnitsEnglish},
};

std::string SamplePath(const char* file)
{
    return std::string(QUARVEX_FIELD_DIR) + "/" + file;
}

} // namespace

class SampleFiles : public ::testing::TestWithParam<Sample> {};

TEST_P(SampleFiles, ReadConvertCleanAndClassify)
{
    const Sample& s = GetParam();
    ASSERT_TRUE(std::filesystem::exists(SamplePath(s.file))) << SamplePath(s.file);
    Project p;
    p.DataFileName = SamplePath(s.file);
    p.NumTitleLines = static_cast<Integer>(s.titleLines);
    p.UnitSystem = s.units;
    const Message m = LoadConeFile(p);
    ASSERT_EQ(p.ReadError, False) << m.text;
    EXPECT_EQ(p.NumReadings, s.readings);

    if (p.UnitSystem == kUnitsSI)
        ConvertReadingsSI(p);
    CleanReadings(p);
    ASSERT_FALSE(BuildStepTable(p).has_value());
    EXPECT_EQ(p.NumSteps, static_cast<int>(std::floor(p.DepthData[p.NumReadings] / 0.328F)));
    for (int i = 1; i <= p.NumSteps; ++i) {
        ASSERT_GT(p.StepTip[i], 0.0F) << i;
        ASSERT_NEAR(static_cast<double>(p.PctSand[i]) + p.PctSilt[i] + p.PctClay[i], 100.0, 1e-4) << i;
    }

    // One title line too few: the column heading becomes the first data line.
    Project q;
    q.DataFileName = SamplePath(s.file);
    q.NumTitleLines = static_cast<Integer>(s.titleLines - 1);
    const Message refused = LoadConeFile(q);
    EXPECT_EQ(refused.text,
              "Data should be numeric, please check line number " + std::to_string(s.titleLines));
}

INSTANTIATE_TEST_SUITE_P(FieldSoundings, SampleFiles, ::testing::ValuesIn(kSamples),
                         [](const auto& info) { return std::string(info.param.file).substr(0, 3) + "file"; });
