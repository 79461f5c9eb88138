#include "design/DesignReport.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace quarvex;

namespace {

Array1<Single> Values(const std::vector<Single>& v)
{
    Array1<Single> a(static_cast<int>(v.size()));
    for (int i = 1; i <= a.size(); ++i)
        a[i] = v[static_cast<std::size_t>(i - 1)];
    return a;
}

// Five steps 0.5 ft apart from 10 ft; the analysis range is steps 2..5.
struct Small {
    Project p;
    Array1<Single> depth = Values({10, 10.5F, 11, 11.5F, 12});
    // LCPC reaches 40 t allowable at 11 ft, dips at 11.5 ft and reaches it again at 12 ft.
    Array1<Single> lcpc = Values({0, 50, 100, 90, 112.5F});
    // Schmertmann never does.
    Array1<Single> schm = Values({0, 20, 40, 60, 80});

    Small()
    {
        p.ProjectNumber = "P-17";
        p.ProjectTitle = "Route 9 | river bridge";
        p.CPTNo = "C-3";
        p.PileShape = 0;
        p.PileSizeText = "14";
        p.PileSize = 14.0F / 12;
        p.PileTopDepth = 10.2F;
        p.PileTipDepth = 12;
    }

    DesignDecision Decide(Basis basis, Single load, Single factor, Single gamma = 1) const
    {
        DesignBasis b;
        b.load = load;
        b.basis = basis;
        b.loadFactor = gamma;
        b.methods = {{"Lcpc", "LCPC", factor}, {"Schm", "Schmertmann", factor}};
        const Array1<Single>* ult[] = {&lcpc, &schm};
        return DecideDesign(b, ult, depth, {2, 5});
    }
};

} // namespace

TEST(DesignReport, SmallAllowableCase)
{
    const Small s;
    const std::string expected =
        "# Pile design report\n"
        "\n"
        "## Project\n"
        "\n"
        "| Item | Value |\n"
        "|---|---|\n"
        "| Project number | P-17 |\n"
        "| Project title | Route 9 \\| river bridge |\n"
        "| CPT number | C-3 |\n"
        "\n"
        "## Pile\n"
        "\n"
        "| Item | Value |\n"
        "|---|---|\n"
        "| Shape | Square |\n"
        "| Size | 14 in |\n"
        "| Pile top depth | 10.2 ft |\n"
        "| Pile tip depth | 12 ft |\n"
        "\n"
        "## Design basis\n"
        "\n"
        "| Item | Value |\n"
        "|---|---|\n"
        "| Design load Q | 40 tons (compression) |\n"
        "| Basis | ASD: allowable capacity = ultimate capacity / FS, checked against Q |\n"
        "| Required allowable capacity | 40 tons |\n"
        "| Analysis range | steps from 10.5 ft to 12 ft; pile tip step at 12 ft |\n"
        "\n"
        "## Results per method\n"
        "\n"
        "| Method | FS | Required tip depth (ft) | Allowable capacity at tip (tons) | "
        "Utilisation | Result |\n"
        "|---|---|---|---|---|---|\n"
        "| LCPC | 2.5 | 12 | 45 | 0.89 | pass |\n"
        "| Schmertmann | 2.5 | not reached within the analysis range | 32 | 1.25 | fail |\n"
        "\n"
        "The required tip depth is the shallowest step from which the allowable capacity "
        "stays at or above the required value at every deeper step of the analysis range. "
        "Utilisation = required / allowable capacity at the pile tip step.\n"
        "\n"
        "The design load is not carried at the pile tip by: Schmertmann.\n";
    EXPECT_EQ(DesignReportText(s.p, s.Decide(Basis::Allowable, 40, 2.5F)), expected);
}

TEST(DesignReport, FactoredBasisNamesPhiAndGamma)
{
    Small s;
    s.p.PileShape = 1;
    s.p.PileSizeText.clear(); // the size then comes from PileSize in feet
    s.p.PileSize = 3;
    const std::string t = DesignReportText(s.p, s.Decide(Basis::Factored, 20, 0.5F, 1.5F));
    for (const char* part : {
             "| Shape | Round |\n",
             "| Size | 36 in |\n",
             "| Basis | LRFD: factored resistance = phi x ultimate capacity, checked as phi R >= gamma Q |\n",
             "| Load factor gamma | 1.5 |\n",
             "| Required factored resistance | 30 tons |\n",
             "| Method | phi | Required tip depth (ft) | Factored resistance at tip (tons) |",
             // Against 30 t: LCPC 25, 50, 45, 56.25 from 11 ft; Schmertmann 10 .. 40 from 11.5 ft.
             "| LCPC | 0.5 | 11 | 56.25 | 0.53 | pass |\n",
             "| Schmertmann | 0.5 | 11.5 | 40 | 0.75 | pass |\n",
             "Every method carries the design load at the pile tip.\n",
         }) {
        EXPECT_NE(t.find(part), std::string::npos) << part << "\nnot in\n" << t;
    }
}

TEST(DesignReport, BatchSummaryLines)
{
    const Small s;
    EXPECT_EQ(DesignSummaryLines(s.Decide(Basis::Allowable, 40, 2.5F)),
              (std::vector<std::string>{
                  "Design load 40 tons, ASD (allowable capacity = ultimate / FS), required allowable "
                  "capacity 40 tons",
                  "LCPC: FS 2.5, required tip depth 12 ft, allowable capacity at the tip 45 tons, "
                  "utilisation 0.89, "
                  "pass",
                  "Schmertmann: FS 2.5, required tip depth not reached within the analysis range, allowable "
                  "capacity at the tip 32 tons, utilisation 1.25, fail",
                  "The design load is not carried at the pile tip by: Schmertmann.",
              }));
    const auto lrfd = DesignSummaryLines(s.Decide(Basis::Factored, 20, 0.5F, 1.5F));
    ASSERT_EQ(lrfd.size(), 4U);
    EXPECT_EQ(lrfd[0],
              "Design load 20 tons, LRFD (factored resistance = phi x ultimate), gamma 1.5, required "
              "factored resistance 30 tons");
    EXPECT_EQ(lrfd[3], "Every method carries the design load at the pile tip.");
}

TEST(DesignReport, CsvColumnsAndValues)
{
    const Small s;
    const DesignDecision asd = s.Decide(Basis::Allowable, 40, 2.5F);
    EXPECT_EQ(DesignCsvColumns(asd), (std::vector<std::string>{"LcpcAllowable", "SchmAllowable"}));
    EXPECT_EQ(DesignCsvValues(asd, 5), (std::vector<std::string>{"45", "32"}));
    EXPECT_EQ(DesignCsvValues(asd, 1), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(DesignCsvValues(asd, 6), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(DesignCsvColumns(s.Decide(Basis::Factored, 40, 0.5F)),
              (std::vector<std::string>{"LcpcFactored", "SchmFactored"}));
}

TEST(DesignReport, UtilisationText)
{
    struct Case {
        Single value;
        const char* text;
    };
    const Case cases[] = {
        {0.8F, "0.80"},       {0.625F, "0.62"},
        {0.8888889F, "0.89"}, {1.0F, "1.00"},
        {1.004F, "1.00"},     {12.345F, "12.35"},
        {0.0F, "0.00"},       {std::numeric_limits<Single>::infinity(), "n/a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UtilisationText(c.value), c.text) << c.value;
}
