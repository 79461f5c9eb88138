// A sounding from any reader put into the project: readings, units, header and
// the project information the open-file screen pre-fills.
#include "input/SoundingProject.h"
#include "input/formats/Readers.h"

#include <gtest/gtest.h>

using namespace quarvex;

namespace {

Sounding GefLike()
{
    Sounding s;
    s.UnitSystem = kUnitsSI;
    s.Depth = {0.02F, 0.04F, 0.08F};
    s.Tip = {0.512F, 0.734F, 1.205F};
    s.Sleeve = {0.0123F, 0.015F, 0.0217F};
    s.Info.Name = "S-04";
    s.Info.ProjectNumber = "2024-017";
    s.Info.ProjectTitle = "Harbour quay, berth 4";
    s.Info.Company = "Example Sonderingen B.V.";
    s.Info.Date = "2024-04-09";
    s.Info.X = "79578.38";
    s.Info.Y = "424838.97";
    s.Info.GroundLevelM = -0.09;
    s.Info.Format = "GEF";
    return s;
}

} // namespace

TEST(ApplySounding, ReadingsUnitsHeaderAndProjectInformation)
{
    Project p;
    // What an earlier file and its project screen left.
    p.NumReadings = 5;
    p.ReadError = True;
    p.UnitSystem = kUnitsEnglish;
    p.ReadingsConverted = true;
    p.Comments = "old";
    p.StructNo = "B-12";
    p.DepthData[4] = 99.0F;

    const Sounding s = GefLike();
    ApplySounding(p, s);
    EXPECT_EQ(p.NumReadings, 3);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(p.DepthData[k], s.Depth[k - 1]);
        EXPECT_EQ(p.TipData[k], s.Tip[k - 1]);
        EXPECT_EQ(p.SleeveData[k], s.Sleeve[k - 1]);
    }
    EXPECT_EQ(p.UnitSystem, kUnitsSI);
    EXPECT_FALSE(p.ReadingsConverted);
    EXPECT_EQ(p.ReadError, False);
    EXPECT_EQ(p.FileHeader, "GEF sounding S-04\r\n");

    EXPECT_EQ(p.CPTNo, "S-04");
    EXPECT_EQ(p.ProjectNumber, "2024-017");
    EXPECT_EQ(p.ProjectTitle, "Harbour quay, berth 4");
    EXPECT_EQ(p.Company, "Example Sonderingen B.V.");
    EXPECT_EQ(p.ProjectDate, "04-09-2024");
    EXPECT_EQ(p.Latitude, "424838.97");
    EXPECT_EQ(p.Longitude, "79578.38");
    // Rounded to Single once, from the metres in double precision.
    EXPECT_EQ(p.GroundElevation, static_cast<float>(-0.09 / 0.3048));
    // The file carries no structure number or comments: the earlier ones go.
    EXPECT_EQ(p.StructNo, "");
    EXPECT_EQ(p.Comments, "");
}

TEST(ApplySounding, WithoutLevelOrNameAndLongerThanAProjectHolds)
{
    Project p;
    p.GroundElevation = 12.5F;
    Sounding s;
    s.UnitSystem = kUnitsEnglish;
    s.Info.Format = "Table";
    for (int k = 1; k <= 50000; ++k) {
        s.Depth.push_back(0.01F * static_cast<float>(k));
        s.Tip.push_back(5.0F);
        s.Sleeve.push_back(0.05F);
    }
    ApplySounding(p, s);
    EXPECT_EQ(p.NumReadings, 50000);
    EXPECT_EQ(p.DepthData[50000], s.Depth.back());
    EXPECT_GE(p.RatioData.size(), 50000);
    EXPECT_GE(p.ElevData.size(), 50000);
    EXPECT_EQ(p.GroundElevation, kNoElevation);
    EXPECT_EQ(p.FileHeader, "Table sounding\r\n");
    EXPECT_EQ(p.CPTNo, "");
}

TEST(ApplySounding, PlainFileKeepsItsTitleLines)
{
    Project p;
    Sounding s = GefLike();
    s.TitleLines = "";
    ApplySounding(p, s);
    EXPECT_EQ(p.FileHeader, "");
    s.TitleLines = "Job 12\r\nDepth qc fs\r\n";
    ApplySounding(p, s);
    EXPECT_EQ(p.FileHeader, "Job 12\r\nDepth qc fs\r\n");
}

TEST(ApplySounding, DatesFromTheFileAsTheProjectScreenWritesThem)
{
    const struct {
        const char* file;
        const char* project;
    } cases[] = {
        {"2024-04-09", "04-09-2024"}, {"1999-12-31", "12-31-1999"},       {"09/04/2024", "09/04/2024"},
        {"2024-4-9", "2024-4-9"},     {"2024-04-09T10", "2024-04-09T10"}, {"", ""},
        {"20x4-04-09", "20x4-04-09"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProjectDateText(c.file), c.project) << c.file;
}

// The readers' own output goes in whole, as the batch command and the
// open-file screen use it.
TEST(ApplySounding, FromAGefFixture)
{
    const ReadOutcome out =
        ReadSoundingFile(std::string(QUARVEX_TEST_DATA_DIR) + "/formats/lock_gate_dkm07.gef");
    ASSERT_TRUE(out.Ok()) << out.Error;
    Project p;
    ApplySounding(p, out.Soundings.at(0));
    EXPECT_EQ(p.NumReadings, 78);
    EXPECT_EQ(p.DepthData[78], 8.0F);
    EXPECT_EQ(p.CPTNo, "DKM-07");
    EXPECT_EQ(p.ProjectDate, "06-18-2024");
    EXPECT_EQ(p.GroundElevation, static_cast<float>(1.25 / 0.3048));
    EXPECT_EQ(p.Longitude, "155210.40");
    EXPECT_EQ(p.Latitude, "463880.15");
}
