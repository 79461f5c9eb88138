#include "FormatTestText.h"
#include "input/formats/GefReader.h"

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;
using quarvex::formats::GefReader;

namespace {

const GefReader kGef;

// A header declaring depth, qc and fs in m, MPa, MPa, followed by `extra`
// header lines and the data block.
std::string Gef(const std::string& extra, const std::string& data)
{
    return "#GEFID= 1, 1, 0\n#COLUMN= 3\n#COLUMNINFO= 1, m, penetration length, 1\n"
           "#COLUMNINFO= 2, MPa, cone resistance, 2\n#COLUMNINFO= 3, MPa, local friction, 3\n" +
           extra + "#EOH=\n" + data;
}

} // namespace

TEST(GefReader, ReadsVoidsKpaNegativeLengthsAndTheProjectHeader)
{
    const ReadOutcome out = kGef.Read(FormatFixture("cpt_voids_kpa.gef"), {});
    ASSERT_TRUE(out.Ok()) << out.Error;
    ASSERT_EQ(out.Soundings.size(), 1U);
    const Sounding& s = out.Soundings[0];
    EXPECT_EQ(s.UnitSystem, kUnitsSI);
    // Rows with a void qc (0.06 m) or fs (0.14 m) are dropped; a void u2 (0.10 m) is not.
    EXPECT_EQ(s.DroppedReadings, 2);
    ASSERT_EQ(s.Depth.size(), 10U);
    EXPECT_EQ(Readings(s)[0], (Reading{0.02F, 0.512F, 0.0123F}));
    EXPECT_EQ(Readings(s)[2], (Reading{0.08F, 1.205F, 0.0217F}));
    EXPECT_EQ(Readings(s)[3], (Reading{0.10F, 2.118F, 0.03005F}));
    EXPECT_EQ(Readings(s)[9], (Reading{0.24F, 7.25F, 0.044125F}));

    EXPECT_EQ(s.Info.Name, "S-04");
    EXPECT_EQ(s.Info.ProjectNumber, "2024-017");
    EXPECT_EQ(s.Info.ProjectTitle, "Harbour quay, berth 4");
    EXPECT_EQ(s.Info.Company, "Example Sonderingen B.V.");
    EXPECT_EQ(s.Info.Date, "2024-04-09");
    EXPECT_EQ(s.Info.X, "79578.38");
    EXPECT_EQ(s.Info.Y, "424838.97");
    ASSERT_TRUE(s.Info.GroundLevelM.has_value());
    EXPECT_EQ(*s.Info.GroundLevelM, -0.09);
    EXPECT_EQ(s.Info.Format, "GEF");
}

TEST(GefReader, CorrectedDepthWinsOverPenetrationLength)
{
    const ReadOutcome out = kGef.Read(FormatFixture("cpt_corrected_depth.gef"), {});
    ASSERT_TRUE(out.Ok()) << out.Error;
    const Sounding& s = out.Soundings.at(0);
    EXPECT_EQ(s.Depth, (std::vector<float>{0.49F, 0.97F, 1.44F, 1.90F}));
    EXPECT_EQ(s.Tip, (std::vector<float>{1.10F, 1.80F, 2.40F, 3.60F}));
    EXPECT_EQ(s.Sleeve, (std::vector<float>{0.010F, 0.020F, 0.025F, 0.030F}));
    EXPECT_EQ(s.Info.Name, "CPT-CD");
    EXPECT_FALSE(s.Info.GroundLevelM.has_value());
}

TEST(GefReader, SeparatorsAndLineEnds)
{
    const std::vector<Reading> expected = {{1.0F, 2.5F, 0.03F}, {1.5F, 3.5F, 0.04F}};
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"blanks and tabs, line ends", Gef("", "1.0  2.5\t0.03\n  1.5 3.5 0.04  \n\n")},
        {"CR LF and a BOM", "\xEF\xBB\xBF" + Gef("", "1.0 2.5 0.03\r\n1.5 3.5 0.04\r\n")},
        {"comma columns", Gef("#COLUMNSEPARATOR= ,\n", "1.0,2.5,0.03\n1.5, 3.5 ,0.04\n")},
        {"semicolon columns closing the record",
         Gef("#COLUMNSEPARATOR= ;\n", "1.0;2.5;0.03;\n1.5;3.5;0.04;\n")},
        {"record separator, several records a line",
         Gef("#COLUMNSEPARATOR= ;\n#RECORDSEPARATOR= !\n", "1.0;2.5;0.03!1.5;3.5;0.04!\n")},
        {"a record running over a line end", Gef("#RECORDSEPARATOR= !\n", "1.0 2.5\n0.03 !\n1.5 3.5 0.04 !")},
        {"keywords in any case, blanks around them",
         Gef("# columnseparator = ;\n", "1.0;2.5;0.03\n1.5;3.5;0.04")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadOutcome out = kGef.ReadText(c.text, "x.gef");
        ASSERT_TRUE(out.Ok()) << out.Error;
        EXPECT_EQ(Readings(out.Soundings.at(0)), expected);
    }
}

TEST(GefReader, ReadsLongSoundingsWhole)
{
    std::string data;
    for (int k = 1; k <= 50000; ++k)
        data += std::to_string(k) + "e-3 " + std::to_string(k % 97) + " 0.01\n";
    const ReadOutcome out = kGef.ReadText(Gef("", data), "long.gef");
    ASSERT_TRUE(out.Ok()) << out.Error;
    ASSERT_EQ(out.Soundings.at(0).Depth.size(), 50000U);
    EXPECT_EQ(out.Soundings[0].Depth.back(), 50.0F);
}

TEST(GefReader, RefusesBadFilesNamingLineAndFault)
{
    const std::string threeCols = "#GEFID= 1, 1, 0\n#COLUMN= 3\n";
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> parts;
    } cases[] = {
        {"no end of header", "#GEFID= 1, 1, 0\n#COLUMN= 3\n", {"bad.gef: ", "#EOH="}},
        {"no qc or fs column",
         threeCols +
             "#COLUMNINFO= 1, m, penetration length, 1\n#COLUMNINFO= 2, MPa, pore pressure, 6\n#EOH=\n",
         {"bad.gef: ", "unknown GEF column layout", "quantity 2 (cone resistance)",
          "quantity 3 (local friction)"}},
        {"no depth column",
         threeCols + "#COLUMNINFO= 2, MPa, qc, 2\n#COLUMNINFO= 3, MPa, fs, 3\n#EOH=\n",
         {"quantity 1 or 11"}},
        {"two columns of one quantity",
         threeCols +
             "#COLUMNINFO= 1, m, a, 1\n#COLUMNINFO= 2, MPa, qc, 2\n#COLUMNINFO= 3, MPa, qc again, 2\n#EOH=\n",
         {"line 5", "columns 2 and 3 both hold quantity 2"}},
        {"depth in cm",
         Gef("", "").replace(Gef("", "").find("1, m,"), 5, "1, cm,"),
         {"line 3", "unit 'cm' of column 1 (penetration length) cannot be converted"}},
        {"qc in kg/cm2",
         Gef("", "").replace(Gef("", "").find("2, MPa"), 6, "2, kg/cm2"),
         {"line 4", "unit 'kg/cm2' of column 2 (cone resistance)", "MPa or kPa"}},
        {"column beyond #COLUMN",
         "#GEFID= 1\n#COLUMN= 2\n#COLUMNINFO= 1, m, d, 1\n#COLUMNINFO= 2, MPa, qc, 2\n"
         "#COLUMNINFO= 3, MPa, fs, 3\n#EOH=\n",
         {"line 5", "column 3 is beyond the 2 columns"}},
        {"depth decreasing",
         Gef("", "1.0 2 0.1\n1.2 2 0.1\n1.1 2 0.1\n"),
         {"line 9", "depth decreases, from 1.2 to 1.1"}},
        {"a word among the numbers",
         Gef("", "1.0 2 0.1\n1.2 abc 0.1\n"),
         {"line 8", "'abc' in column 2 (cone resistance)"}},
        {"a short record",
         Gef("", "1.0 2 0.1\r\n1.2 2\r\n"),
         {"line 8", "2 values where the header gives 3 columns"}},
        {"a header line without #", "#GEFID= 1\nCOLUMN= 3\n#EOH=\n", {"line 2", "does not begin with '#'"}},
        {"a borehole log",
         "#GEFID= 1, 1, 0\n#REPORTCODE= GEF-BORE-Report, 1, 0, 0\n#EOH=\n",
         {"line 2", "borehole log"}},
        {"every reading void",
         Gef("#COLUMNVOID= 2, -1\n", "1 -1 0.1\n2 -1 0.1\n"),
         {"every reading has a void"}},
        {"no readings", Gef("", "\n\n"), {"no readings after #EOH="}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefused(kGef.ReadText(c.text, "bad.gef"), c.parts);
    }
}
