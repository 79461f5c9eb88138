#include "FormatTestText.h"
#include "input/formats/TableReader.h"

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;
using quarvex::formats::TableReader;

namespace {
const TableReader kTable;
} // namespace

TEST(TableReader, HeadingsNamesAndUnits)
{
    struct Case {
        const char* name;
        std::string text;
        Integer units;
        std::vector<Reading> readings;
    } cases[] = {
        {"English tab export",
         "Depth (ft)\tqc (tsf)\tfs (tsf)\n1.5\t20.5\t0.8\n2.0\t22\t0.9\n",
         kUnitsEnglish,
         {{1.5F, 20.5F, 0.8F}, {2.0F, 22.0F, 0.9F}}},
        {"square brackets, kPa friction, extra column, CR LF",
         "depth [m],qc [MPa],fs [kPa],u2 [kPa]\r\n0.5,1.25,12.5,3\r\n1.0,2.5,30,4\r\n",
         kUnitsSI,
         {{0.5F, 1.25F, 0.0125F}, {1.0F, 2.5F, 0.03F}}},
        {"columns in another order, quoted headings",
         "\"Sleeve friction (MPa)\",\"Cone resistance (MPa)\",\"Penetration length (m)\"\n0.02,1.5,0.1\n",
         kUnitsSI,
         {{0.1F, 1.5F, 0.02F}}},
        {"Dutch names, semicolons and decimal commas",
         "Diepte (m);Conusweerstand (MPa);Wrijving (kPa)\n0,10;1,5;20\n0,20;1,75;22,5\n",
         kUnitsSI,
         {{0.1F, 1.5F, 0.02F}, {0.2F, 1.75F, 0.0225F}}},
        {"blank-separated names of several words",
         "Penetration length [m]   Cone resistance [MPa]  Local friction [kPa]\n 0.1  1.5  20\n 0.2  1.6  "
         "21\n",
         kUnitsSI,
         {{0.1F, 1.5F, 0.02F}, {0.2F, 1.6F, 0.021F}}},
        {"units glued to names, blank lines",
         "Depth(m) qc(MPa) fs(MPa)\n\n0.1 1.5 0.02\n\n0.2 1.6 0.021\n",
         kUnitsSI,
         {{0.1F, 1.5F, 0.02F}, {0.2F, 1.6F, 0.021F}}},
        {"units in a row of their own",
         "Depth;qc;fs;u2\r\n[m];MPa;kPa;\r\n1,0;2,5;30;1\r\n",
         kUnitsSI,
         {{1.0F, 2.5F, 0.03F}}},
        {"lines before the heading are titles",
         "Site: Quay 4\nCPT S-04, 2024-04-09\nqc [MPa],fs [MPa],depth [m]\n1,0.01,0.5\n",
         kUnitsSI,
         {{0.5F, 1.0F, 0.01F}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadOutcome out = kTable.ReadText(c.text, "x.csv");
        ASSERT_TRUE(out.Ok()) << out.Error;
        EXPECT_EQ(out.Soundings.at(0).UnitSystem, c.units);
        EXPECT_EQ(Readings(out.Soundings[0]), c.readings);
        EXPECT_EQ(out.Soundings[0].Info.Format, "Table");
    }
}

TEST(TableReader, FixtureWithBomCrLfDecimalCommasAndEmptyValues)
{
    const ReadOutcome out = kTable.Read(FormatFixture("cpt_voids_kpa.csv"), {});
    ASSERT_TRUE(out.Ok()) << out.Error;
    const Sounding& s = out.Soundings.at(0);
    EXPECT_EQ(s.Depth.size(), 10U);
    EXPECT_EQ(s.DroppedReadings, 2);
    EXPECT_EQ(Readings(s)[0], (Reading{0.02F, 0.512F, 0.0123F}));
}

TEST(TableReader, RefusesWhatItDoesNotUnderstand)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> parts;
    } cases[] = {
        {"two depth columns",
         "depth [m],penetration length [m],qc [MPa],fs [MPa]\n1,1,2,0.1\n",
         {"bad.csv, line 1", "two depth columns, 'depth [m]' and 'penetration length [m]'"}},
        {"no friction column",
         "depth [m],qc [MPa],u2 [MPa]\n1,2,0.1\n",
         {"line 1", "names no sleeve friction column"}},
        {"a units row that does not fit",
         "depth,qc,fs\nm,MPa\n1,2,0.1\n",
         {"line 2", "neither readings nor one unit per column"}},
        {"no unit",
         "depth [m],qc,fs [MPa]\n1,2,0.1\n",
         {"line 1", "column 'qc' gives no unit", "'qc [MPa]'"}},
        {"unknown unit",
         "depth [m],qc [bar],fs [MPa]\n1,2,0.1\n",
         {"unit 'bar' of column 'qc [bar]' is not understood"}},
        {"a length for a stress", "depth [m],qc [m],fs [MPa]\n1,2,0.1\n", {"unit 'm' of column 'qc [m]'"}},
        {"metres with tsf",
         "depth [m],qc [tsf],fs [tsf]\n1,2,0.1\n",
         {"units do not belong together: depth in m with cone resistance in tsf"}},
        {"feet with kPa",
         "depth [ft],qc [tsf],fs [kPa]\n1,2,0.1\n",
         {"depth in ft with sleeve friction in kPa"}},
        {"a word for a number",
         "depth [m],qc [MPa],fs [MPa]\n1,2,0.1\n2,two,0.1\n",
         {"line 3", "value 'two' in column 'qc [MPa]' is not a number"}},
        {"a blank inside a value",
         "depth [m]\tqc [MPa]\tfs [MPa]\n1\t2\t0.1\n2 5\t3\t0.1\n",
         {"line 3", "'2 5'"}},
        {"a row too short",
         "depth [m],qc [MPa],fs [MPa]\n1,2,0.1\n2,3\n",
         {"line 3", "2 values where the heading row has 3 columns"}},
        {"depth decreasing",
         "depth [m],qc [MPa],fs [MPa]\n1,2,0.1\n0.9,3,0.1\n",
         {"line 3", "depth decreases, from 1 to 0.9"}},
        {"readings without a heading", "Site X\n1,2,0.1\n", {"line 2", "before any heading row"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefused(kTable.ReadText(c.text, "bad.csv"), c.parts);
    }
}
