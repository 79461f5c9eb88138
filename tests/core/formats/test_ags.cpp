#include "FormatTestText.h"
#include "input/formats/AgsReader.h"

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;
using quarvex::formats::AgsReader;

namespace {

const AgsReader kAgs;

const std::string kLoca = "\"GROUP\",\"LOCA\"\n\"HEADING\",\"LOCA_ID\",\"LOCA_GL\"\n\"UNIT\",\"\",\"m\"\n"
                          "\"TYPE\",\"ID\",\"2DP\"\n\"DATA\",\"A\",\"1.5\"\n";

// A LOCA group with location A, then an SCPT group with these units and rows
// (LOCA_ID, SCPG_TESN, depth, qc, fs).
std::string Ags(const std::string& units, const std::string& rows)
{
    return kLoca +
           "\n\"GROUP\",\"SCPT\"\n\"HEADING\",\"LOCA_ID\",\"SCPG_TESN\",\"SCPT_DPTH\",\"SCPT_RES\",\"SCPT_"
           "FRES\"\n" +
           units + "\"TYPE\",\"ID\",\"X\",\"2DP\",\"2DP\",\"2DP\"\n" + rows;
}
const std::string kUnits = "\"UNIT\",\"\",\"\",\"m\",\"MN/m2\",\"kN/m2\"\n";

} // namespace

TEST(AgsReader, SeveralLocationsAndPushesWithTheirProject)
{
    const ReadOutcome out = kAgs.Read(FormatFixture("site_two_locations.ags"), {});
    ASSERT_TRUE(out.Ok()) << out.Error;
    // The borehole BH01 has no cone readings and gives no sounding.
    ASSERT_EQ(out.Soundings.size(), 2U);
    const Sounding& a = out.Soundings[0];
    const Sounding& b = out.Soundings[1];

    // Push 2 is listed first in the file; joined in depth order, push 1 comes first.
    EXPECT_EQ(a.Info.Name, "CPT01");
    EXPECT_EQ(a.Depth, (std::vector<float>{0.00F, 0.02F, 5.98F, 6.00F, 6.02F}));
    EXPECT_EQ(a.Tip, (std::vector<float>{0.50F, 0.62F, 7.90F, 8.10F, 8.35F}));
    EXPECT_EQ(a.Sleeve, (std::vector<float>{0.008F, 0.0095F, 0.0505F, 0.052F, 0.0535F}));
    EXPECT_EQ(a.DroppedReadings, 1); // the empty friction at 6.04 m
    EXPECT_EQ(a.UnitSystem, kUnitsSI);
    EXPECT_EQ(a.Info.X, "451210.50");
    EXPECT_EQ(a.Info.Y, "204335.25");
    EXPECT_EQ(a.Info.GroundLevelM, 3.85);
    EXPECT_EQ(a.Info.Date, "2023-11-03");

    EXPECT_EQ(b.Info.Name, "CPT02");
    EXPECT_EQ(Readings(b), (std::vector<Reading>{{0.10F, 0.80F, 0.011F}, {0.12F, 0.95F, 0.0125F}}));
    EXPECT_EQ(b.Info.GroundLevelM, -1.10);
    EXPECT_EQ(b.DroppedReadings, 0);

    for (const Sounding* s : {&a, &b}) {
        EXPECT_EQ(s->Info.ProjectNumber, "P-1187");
        EXPECT_EQ(s->Info.ProjectTitle, "Quay wall, \"North\" berth");
        EXPECT_EQ(s->Info.Company, "Port Authority"); // no contractor named: the client
        EXPECT_EQ(s->Info.Format, "AGS4");
    }
}

TEST(AgsReader, UnitsAndOptionalParts)
{
    struct Case {
        const char* name;
        std::string text;
        Reading first;
    } cases[] = {
        {"MPa and kPa spelt out",
         Ags("\"UNIT\",\"\",\"\",\"m\",\"MPa\",\"kPa\"\n", "\"DATA\",\"A\",\"1\",\"0.5\",\"2.5\",\"30\"\n"),
         {0.5F, 2.5F, 0.03F}},
        {"friction in MN/m2",
         Ags("\"UNIT\",\"\",\"\",\"m\",\"MN/m2\",\"MN/m2\"\n",
             "\"DATA\",\"A\",\"1\",\"0.5\",\"2.5\",\"0.03\"\n"),
         {0.5F, 2.5F, 0.03F}},
        {"no PROJ group, blanks after commas, CR LF",
         Ags(kUnits, "\"DATA\", \"A\", \"1\", \"0.5\", \"2.5\", \"30\"\r\n"),
         {0.5F, 2.5F, 0.03F}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadOutcome out = kAgs.ReadText(c.text, "x.ags");
        ASSERT_TRUE(out.Ok()) << out.Error;
        EXPECT_EQ(Readings(out.Soundings.at(0)).at(0), c.first);
        EXPECT_EQ(out.Soundings[0].Info.GroundLevelM, 1.5);
    }
}

TEST(AgsReader, RefusesBadFilesNamingLineAndFault)
{
    const std::string row = "\"DATA\",\"A\",\"1\",\"0.5\",\"2.5\",\"30\"\n";
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> parts;
    } cases[] = {
        {"no SCPT group", kLoca, {"bad.ags: ", "group SCPT (cone readings) is missing"}},
        {"no LOCA group", Ags(kUnits, row).substr(kLoca.size() + 1), {"group LOCA (locations) is missing"}},
        {"no SCPT_RES heading",
         kLoca + "\"GROUP\",\"SCPT\"\n\"HEADING\",\"LOCA_ID\",\"SCPT_DPTH\",\"SCPT_FRES\"\n",
         {"line 7", "group SCPT has no heading SCPT_RES"}},
        {"no UNIT row", Ags("", row), {"line 7", "no UNIT row"}},
        {"qc in kg/cm2",
         Ags("\"UNIT\",\"\",\"\",\"m\",\"kg/cm2\",\"kN/m2\"\n", row),
         {"line 9", "unit 'kg/cm2' of SCPT_RES cannot be converted"}},
        {"depth in ft",
         Ags("\"UNIT\",\"\",\"\",\"ft\",\"MN/m2\",\"kN/m2\"\n", row),
         {"line 9", "unit 'ft' of SCPT_DPTH"}},
        {"a location missing from LOCA",
         Ags(kUnits, row + "\"DATA\",\"B\",\"1\",\"0.5\",\"2.5\",\"30\"\n"),
         {"line 12", "location 'B' has readings in SCPT but no row in group LOCA"}},
        {"depth decreasing in a push",
         Ags(kUnits, row + "\"DATA\",\"A\",\"1\",\"0.4\",\"2.5\",\"30\"\n"),
         {"line 12", "depth decreases"}},
        {"overlapping pushes",
         Ags(kUnits,
             "\"DATA\",\"A\",\"1\",\"0.5\",\"2\",\"30\"\n\"DATA\",\"A\",\"1\",\"2.0\",\"2\",\"30\"\n"
             "\"DATA\",\"A\",\"2\",\"1.5\",\"2\",\"30\"\n\"DATA\",\"A\",\"2\",\"3.0\",\"2\",\"30\"\n"),
         {"line 13", "push 2 of location 'A' starts at 1.5 m, above the end of push 1 at 2 m"}},
        {"a word for a number",
         Ags(kUnits, "\"DATA\",\"A\",\"1\",\"0.5\",\"n/a\",\"30\"\n"),
         {"line 11", "SCPT_RES value 'n/a' is not a number"}},
        {"a row too short",
         Ags(kUnits, "\"DATA\",\"A\",\"1\",\"0.5\",\"2.5\"\n"),
         {"line 11", "DATA row has 4 fields where the HEADING row of group SCPT has 5"}},
        {"a quote left open",
         Ags(kUnits, "\"DATA\",\"A\",\"1\",\"0.5,\"2.5\",\"30\n"),
         {"line 11", "not closed"}},
        {"a row of no known kind", Ags(kUnits, "\"DATUM\",\"A\"\n"), {"line 11", "row begins with 'DATUM'"}},
        {"a group given twice",
         kLoca + kLoca,
         {"line 6", "group LOCA appears a second time (first at line 1)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefused(kAgs.ReadText(c.text, "bad.ags"), c.parts);
    }
}
