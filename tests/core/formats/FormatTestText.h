#pragma once
// Helpers for the format reader tests.

#include "input/Sounding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarvex::testing {

inline std::string FormatFixture(const std::string& name)
{
    return std::string(QUARVEX_TEST_DATA_DIR) + "/formats/" + name;
}

// The readings of a sounding as (depth, qc, fs) rows, for exact comparisons.
struct Reading {
    float depth, tip, sleeve;
    bool operator==(const Reading&) const = default;
};

inline std::vector<Reading> Readings(const Sounding& s)
{
    std::vector<Reading> r;
    EXPECT_EQ(s.Depth.size(), s.Tip.size());
    EXPECT_EQ(s.Depth.size(), s.Sleeve.size());
    for (std::size_t k = 0; k < s.Depth.size() && k < s.Tip.size() && k < s.Sleeve.size(); ++k)
        r.push_back({s.Depth[k], s.Tip[k], s.Sleeve[k]});
    return r;
}

inline void PrintTo(const Reading& r, std::ostream* os)
{
    *os << "(" << r.depth << ", " << r.tip << ", " << r.sleeve << ")";
}

// Expects a failure whose message holds every one of `parts` and no sounding.
inline void ExpectRefused(const ReadOutcome& out, const std::vector<std::string>& parts)
{
    EXPECT_FALSE(out.Ok());
    EXPECT_TRUE(out.Soundings.empty());
    for (const std::string& p : parts)
        EXPECT_NE(out.Error.find(p), std::string::npos) << "message: " << out.Error << "\nmissing: " << p;
}

} // namespace quarvex::testing
