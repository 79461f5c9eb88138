// A method registered in a test's own table, with no edit anywhere else: the run,
// the output file, the average, corrections, the results view and the CSV all
// pick it up, and the built-in table is left as it was.
#include "design/DesignCommon.h"
#include "design/DesignRun.h"
#include "design/Methods.h"
#include "results/Corrections.h"
#include "results/CsvExport.h"
#include "screenlogic/ResultsView.h"

#include "DesignFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

// A made-up method: end bearing of the step's tip over the tip area, friction of
// 0.01 ton per step.
MethodTable WithTestMethod()
{
    MethodTable t = DefaultMethods();
    MethodEntry m{"Test",
                  "Test method",
                  "Test Method",
                  [](Project& p, const MethodRunInputs&) {
                      MethodArrays a = ExtraResults(p, "Test");
                      RunMethodFrame(
                          p, p.NumSteps, *a.endBearing, *a.friction, *a.ultimate,
                          [&p](int i) { return p.StepTip[i] * p.PileTipArea; }, [](int) { return 0.01F; });
                  },
                  [](Project& p) { return ExtraResults(p, "Test"); },
                  [](Project& p) { return ExtraCorrected(p, "Test"); }};
    t.insert(t.end() - 1, m); // before the average
    return t;
}

struct Fixture {
    TempFile dir{"", "unused"};
    Project p;
    ScriptedQuestions questions;

    Fixture()
    {
        std::vector<StepRow> rows;
        for (int i = 0; i < 90; ++i)
            rows.push_back({40.0F + static_cast<float>(i % 9), 0.5F, 60, 25, 15});
        p = StepTable(rows);
        SquarePile(p, 14, 0.1F, 25);
        p.OutputFileName = (dir.dir() / "four.dat").string();
    }
};

} // namespace

TEST(MethodTable, AFourthMethodIsRunWrittenAveragedCorrectedShownAndExported)
{
    const MethodTable table = WithTestMethod();
    Fixture f;
    const DesignRunResult r = RunDesign(f.p, DesignRunInputs{}, f.questions, table);
    ASSERT_EQ(r.outcome, DesignOutcome::Completed);
    Project& p = f.p;
    const MethodStore& test = p.ExtraMethodResults.at("Test");
    const int i = 40;
    ASSERT_GT(test.EndBearing[i], 0);
    EXPECT_EQ(test.EndBearing[i], p.StepTip[i] * p.PileTipArea);

    // The average is over four methods now, in table order.
    EXPECT_EQ(p.AvgUltimate[i],
              (p.LcpcUltimate[i] + p.SchmUltimate[i] + p.DeRuiterUltimate[i] + test.Ultimate[i]) / 4);

    // Its table stands between de Ruiter and Beringen's and the average's.
    const std::string text = ReadWholeFile(p.OutputFileName);
    const auto deRuiter = text.find("\r\nde Ruiter and Beringen Method\r\n");
    const auto own = text.find("\r\nTest Method\r\n");
    const auto average = text.find("\r\nAverage\r\n");
    ASSERT_NE(own, std::string::npos);
    EXPECT_LT(deRuiter, own);
    EXPECT_LT(own, average);

    // Corrections scale its copies too.
    p.CorrectionState = 1;
    p.EndBearingFactor = 2;
    p.FrictionFactor = 1;
    ApplyCorrections(p, {}, table);
    EXPECT_EQ(test.CorrEndBearing[i], 2 * test.EndBearing[i]);

    // The results view draws it (index 3 of this table) from the corrected copy.
    const auto points = results::CapacityPoints(p, table, 3, false, false);
    ASSERT_TRUE(points[static_cast<std::size_t>(i - 1)].has_value());
    EXPECT_EQ(points[static_cast<std::size_t>(i - 1)]->second, test.CorrEndBearing[i]);

    // The CSV has its three columns before the average's.
    const std::string csv = CsvText(p, table);
    const std::string heading = csv.substr(0, csv.find("\r\n"));
    EXPECT_NE(heading.find(",DeRuiterUltimate,TestEndBearing,TestFriction,TestUltimate,AvgEndBearing"),
              std::string::npos)
        << heading;
    EXPECT_NE(CsvText(p, table, true).find(",CorrTestEndBearing,"), std::string::npos);

    // The built-in table is unchanged.
    ASSERT_EQ(DefaultMethods().size(), 4U);
    EXPECT_EQ(DefaultMethods()[3].name, "Average");
}

TEST(MethodTable, TheBuiltInTableKeepsTheNamesAndOrderOfTheFile)
{
    const char* expected[][3] = {{"Lcpc", "LCPC", "LCPC Method"},
                                 {"Schm", "Schmertmann", "Schmertmann Method"},
                                 {"DeRuiter", "de Ruiter and Beringen", "de Ruiter and Beringen Method"},
                                 {"Avg", "Average", "Average"}};
    ASSERT_EQ(DefaultMethods().size(), 4U);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(DefaultMethods()[k].key, expected[k][0]);
        EXPECT_EQ(DefaultMethods()[k].name, expected[k][1]);
        EXPECT_EQ(DefaultMethods()[k].sectionTitle, expected[k][2]);
        EXPECT_EQ(DefaultMethods()[k].IsAverage(), k == 3);
    }
}
