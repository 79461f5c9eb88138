// The built-in verification passes, names a source for every case, and would
// report a wrong value as a failure.
#include "design/Verification.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

using namespace quarvex;

TEST(Verification, EveryReferenceCasePassesWithItsSource)
{
    const std::vector<VerificationCase> cases = RunVerification();
    ASSERT_GE(cases.size(), 20U);
    std::set<std::string> ids;
    std::set<char> groups;
    for (const VerificationCase& c : cases) {
        EXPECT_TRUE(c.Passed()) << c.id << " " << c.what << ": expected " << c.expected << ", computed "
                                << c.computed;
        EXPECT_FALSE(c.source.empty()) << c.id;
        EXPECT_TRUE(ids.insert(c.id).second) << "duplicate " << c.id;
        groups.insert(c.id[0]);
    }
    // Classification, LCPC, Schmertmann, de Ruiter and Beringen.
    EXPECT_EQ(groups, (std::set<char>{'C', 'L', 'S', 'D'}));
    EXPECT_TRUE(AllPassed(cases));

    const std::string report = VerificationReport(cases);
    for (const VerificationCase& c : cases)
        EXPECT_NE(report.find("PASS " + c.id + "  "), std::string::npos) << c.id;
    EXPECT_NE(report.find("Verification passed: " + std::to_string(cases.size()) + " of " +
                          std::to_string(cases.size()) + " cases agree\n"),
              std::string::npos);
}

TEST(Verification, AWrongOrFailedValueIsReportedAsFailure)
{
    std::vector<VerificationCase> cases = RunVerification();
    cases[2].expected *= 1.001;                                   // off by a tenth of a percent
    cases[3].computed = std::numeric_limits<double>::quiet_NaN(); // a computation that failed
    EXPECT_FALSE(cases[2].Passed());
    EXPECT_FALSE(cases[3].Passed());
    EXPECT_FALSE(AllPassed(cases));
    const std::string report = VerificationReport(cases);
    EXPECT_NE(report.find("FAIL " + cases[2].id + "  "), std::string::npos);
    EXPECT_NE(report.find("FAIL " + cases[3].id + "  "), std::string::npos);
    EXPECT_NE(report.find("Verification FAILED: " + std::to_string(cases.size() - 2) + " of "),
              std::string::npos);
}
