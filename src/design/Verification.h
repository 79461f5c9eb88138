#pragma once
// The built-in verification: reference values of the published methods and of
// the soil classification, each from a published rule or a hand calculation of
// the method's own equation, computed by the program's own code and compared.

#include <string>
#include <vector>

namespace quarvex {

struct VerificationCase {
    std::string id;     // "L1", "S3", ...
    std::string what;   // the quantity and the case
    std::string source; // where the expected value comes from
    double expected = 0;
    double computed = 0;
    double tolerance = 0; // relative, with an absolute floor of the same size
    std::string unit;

    bool Passed() const;
};

// Runs every case (a failed computation is a failed case, not an exception).
std::vector<VerificationCase> RunVerification();

// One line per case (PASS or FAIL, id, what, expected, computed, source), then a
// closing line with the counts.
std::string VerificationReport(const std::vector<VerificationCase>& cases);

// True when every case passed.
bool AllPassed(const std::vector<VerificationCase>& cases);

} // namespace quarvex
