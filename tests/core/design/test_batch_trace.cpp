// quarvex-batch --trace and --verify as a user runs them: the working of chosen
// depths as CSV (the design itself unchanged), its usage errors, and the
// verification report with its exit status.
#include "project/NumberText.h"

#include "BatchCommand.h"
#include "DesignFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <set>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

const std::string kSounding = std::string(QUARVEX_TEST_DATA_DIR) + "/design/sounding_ft_tsf.txt";

std::vector<std::string> Design(std::vector<std::string> extra)
{
    std::vector<std::string> args = {kSounding, "--title-lines", "2", "--size", "14", "--top",
                                     "5",       "--tip",         "25"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> f;
    std::size_t a = 0;
    for (std::size_t b; (b = line.find(',', a)) != std::string::npos; a = b + 1)
        f.push_back(line.substr(a, b - a));
    f.push_back(line.substr(a));
    return f;
}

std::vector<std::string> Lines(const std::string& text, const char* end)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t e; (e = text.find(end, start)) != std::string::npos; start = e + std::strlen(end))
        lines.push_back(text.substr(start, e - start));
    return lines;
}

} // namespace

TEST(BatchTrace, WorkingOfChosenDepthsLeavesTheDesignAsItWas)
{
    TempFile plain("", "unused");
    const CommandRun without = RunCommand(plain.dir(), Design({}));
    ASSERT_EQ(without.status, 0) << without.err;

    TempFile traced("", "unused");
    const CommandRun with =
        RunCommand(traced.dir(), Design({"--trace", "15", "--trace", "24.7", "--trace-file", "t.csv"}));
    ASSERT_EQ(with.status, 0) << with.err;
    EXPECT_EQ(ReadWholeFile((traced.dir() / "Output.dat").string()),
              ReadWholeFile((plain.dir() / "Output.dat").string()));
    EXPECT_EQ(with.out, without.out + "The working was written to file: t.csv\n");

    const std::vector<std::string> rows = Lines(ReadWholeFile((traced.dir() / "t.csv").string()), "\r\n");
    ASSERT_GT(rows.size(), 100U);
    EXPECT_EQ(rows[0], "depth,method,part,name,value,unit");
    std::set<std::string> depths;
    std::map<std::string, std::string> tipFriction; // method -> cumulative friction at the deeper depth
    for (std::size_t k = 1; k < rows.size(); ++k) {
        const std::vector<std::string> f = Fields(rows[k]);
        ASSERT_EQ(f.size(), 6U) << rows[k];
        depths.insert(f[0]);
        if (f[2] == "Result" && f[3] == "cumulative friction")
            tipFriction[f[1]] = f[4];
    }
    EXPECT_EQ(depths.size(), 2U);
    // The pile tip step is the last traced; its friction is the summary's, to
    // the last printed digit.
    ASSERT_EQ(tipFriction.size(), 3U);
    for (const auto& [method, value] : tipFriction) {
        const float f = ToSingle(value).value_or(-1);
        const std::string printed = GeneralForm(f);
        const std::size_t at = without.out.find("\n" + method + " ");
        ASSERT_NE(at, std::string::npos) << method;
        const std::string summaryLine = without.out.substr(at + 1, without.out.find('\n', at + 1) - at - 1);
        EXPECT_NE(summaryLine.find(" " + printed + " "), std::string::npos)
            << summaryLine << " / " << printed;
    }

    // Without a file the working follows the summary on standard output.
    TempFile out("", "unused");
    const CommandRun toStdout = RunCommand(out.dir(), Design({"--trace", "all"}));
    ASSERT_EQ(toStdout.status, 0);
    ASSERT_EQ(toStdout.out.rfind(without.out, 0), 0U);
    EXPECT_EQ(toStdout.out.substr(without.out.size()).rfind("depth,method,part,name,value,unit\r\n", 0), 0U);
}

TEST(BatchTrace, UsageErrorsWriteNothing)
{
    TempFile dir("", "unused");
    const std::vector<std::vector<std::string>> usage = {
        Design({"--trace", "deep"}),
        Design({"--trace", "-3"}),
        Design({"--trace-file", "t.csv"}),                       // nothing to trace
        Design({"--trace", "20", "--trace-file", kSounding}),    // over the sounding
        Design({"--trace", "20", "--trace-file", "Output.dat"}), // over the output file
        {"--verify", kSounding},
        {"--verify", "--size", "14"},
        {"site", kSounding, "--output-dir", "site", "--size", "14", "--trace", "20"},
    };
    for (const auto& args : usage) {
        const CommandRun r = RunCommand(dir.dir(), args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find("quarvex-batch: "), std::string::npos) << args.back();
        EXPECT_FALSE(std::filesystem::exists(dir.dir() / "Output.dat")) << args.back();
        EXPECT_FALSE(std::filesystem::exists(dir.dir() / "t.csv")) << args.back();
    }
}

TEST(BatchTrace, VerifyPrintsEveryCaseAndPasses)
{
    TempFile dir("", "unused");
    const CommandRun r = RunCommand(dir.dir(), {"--verify"});
    EXPECT_EQ(r.status, 0) << r.out;
    const std::vector<std::string> lines = Lines(r.out, "\n");
    ASSERT_GE(lines.size(), 22U);
    for (std::size_t k = 1; k + 1 < lines.size(); ++k) {
        EXPECT_EQ(lines[k].rfind("PASS ", 0), 0U) << lines[k];
        EXPECT_NE(lines[k].find("; expected "), std::string::npos) << lines[k];
        EXPECT_NE(lines[k].find("; source: "), std::string::npos) << lines[k];
    }
    EXPECT_EQ(lines.back().rfind("Verification passed: ", 0), 0U);
}
