// quarvex-batch with a design load: its usage errors and refusals, the lines it
// adds to the summary, the design columns of the CSV, the report, and an output
// file untouched by the load.
#include "screenlogic/DesignLoadEntry.h"
#include "screenlogic/PileChecks.h"

#include "BatchCommand.h"
#include "DesignFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include <sys/wait.h>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

const std::string kSounding = std::string(QUARVEX_TEST_DATA_DIR) + "/design/sounding_ft_tsf.txt";
const char* const kMethodNames[] = {"LCPC", "Schmertmann", "de Ruiter and Beringen", "Average"};
const char* const kMethodKeys[] = {"Lcpc", "Schm", "DeRuiter", "Avg"};

using BatchRun = CommandRun;

BatchRun RunBatch(const std::filesystem::path& dir, const std::vector<std::string>& args)
{
    return RunCommand(dir, args);
}

std::vector<std::string> With(std::vector<std::string> extra)
{
    std::vector<std::string> args = {kSounding, "--title-lines", "2", "--size", "14"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

std::vector<std::string> Split(const std::string& s, const std::string& sep)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = s.find(sep, start)) != std::string::npos; start = end + sep.size())
        parts.push_back(s.substr(start, end - start));
    parts.push_back(s.substr(start));
    return parts;
}

float Number(const std::string& s)
{
    float v = NAN;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    EXPECT_TRUE(r.ec == std::errc() && r.ptr == s.data() + s.size()) << "'" << s << "'";
    return v;
}

// A CSV file as columns by heading.
struct Csv {
    std::vector<std::string> headings;
    std::vector<std::string> lines; // without the heading row and the final empty line
    std::map<std::string, std::vector<float>> columns;
};

Csv ReadCsv(const std::string& text)
{
    Csv c;
    std::vector<std::string> lines = Split(text, "\r\n");
    EXPECT_EQ(lines.back(), "");
    lines.pop_back();
    c.headings = Split(lines.front(), ",");
    c.lines.assign(lines.begin() + 1, lines.end());
    for (const std::string& line : c.lines) {
        const std::vector<std::string> cells = Split(line, ",");
        EXPECT_EQ(cells.size(), c.headings.size()) << line;
        for (std::size_t k = 0; k < cells.size() && k < c.headings.size(); ++k)
            c.columns[c.headings[k]].push_back(Number(cells[k]));
    }
    return c;
}

// The summary line of one method ("LCPC: FS 2.5, required tip depth ...").
std::string MethodLine(const std::string& out, const std::string& name)
{
    for (const std::string& line : Split(out, "\n")) {
        if (line.rfind(name + ": ", 0) == 0)
            return line;
    }
    ADD_FAILURE() << "no line for " << name << " in\n" << out;
    return {};
}

// The text between `before` and `after` in a line.
std::string Between(const std::string& line, const std::string& before, const std::string& after)
{
    const std::size_t a = line.find(before);
    if (a == std::string::npos)
        return {};
    const std::size_t from = a + before.size();
    const std::size_t b = line.find(after, from);
    return b == std::string::npos ? std::string() : line.substr(from, b - from);
}

float RequiredDepth(const std::string& out, const std::string& name)
{
    return Number(Between(MethodLine(out, name), "required tip depth ", " ft,"));
}

float Utilisation(const std::string& out, const std::string& name)
{
    return Number(Between(MethodLine(out, name), "utilisation ", ","));
}

// The pile tip step's depth as the summary prints it.
float TipDepth(const std::string& out)
{
    return Number(Between(out, "Capacities at the pile tip step, depth ", " ft (tons)"));
}

std::size_t RowAt(const Csv& csv, float depth)
{
    const std::vector<float>& d = csv.columns.at("Depth");
    for (std::size_t i = 0; i < d.size(); ++i) {
        if (d[i] == depth)
            return i;
    }
    ADD_FAILURE() << "no step at depth " << depth;
    return 0;
}

} // namespace

TEST(BatchDesign, UsageErrorsAndRefusals)
{
    TempFile dir("", "unused");
    const BatchRun help = RunBatch(dir.dir(), {"--help"});
    for (const char* option :
         {"--load TONS", "--basis asd|lrfd", "--fs", "--phi", "--gamma", "--report FILE"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    // Exit 2: the options do not fit together; nothing is read or written.
    struct Usage {
        std::vector<std::string> args;
        std::string error;
    } usage[] = {
        {With({"--fs", "3"}), "--fs needs --load"},
        {With({"--report", "r.md"}), "--report needs --load"},
        {With({"--load", "10", "--basis", "wsd"}), "--basis takes asd or lrfd, not 'wsd'"},
        {With({"--load", "10", "--basis", "lrfd", "--fs", "3"}),
         "--fs applies to --basis asd; use --phi with lrfd"},
        {With({"--load", "10", "--basis", "ASD", "--gamma", "1.5"}), "--gamma applies to --basis lrfd"},
        {With({"--load", "10", "--fs", "2,3"}), "--fs takes one value or 4 values separated by commas "
                                                "(LCPC,Schmertmann,de Ruiter and Beringen,Average)"},
        {With({"--load", "10", "--report", kSounding}), "the report would replace the data file"},
        {With({"--load", "10", "--report", "Output.dat"}), "--report and --output name the same file"},
        {With({"--load", "10", "--output", "a.dat", "--report", "./a.dat"}),
         "--report and --output name the same file"},
        {With({"--load", "10", "--csv", "a.csv", "--report", "a.csv"}),
         "--report and --csv name the same file"},
    };
    for (const Usage& c : usage) {
        const BatchRun r = RunBatch(dir.dir(), c.args);
        EXPECT_EQ(r.status, 2) << c.error;
        EXPECT_EQ(r.err,
                  "quarvex-batch: " + c.error + "\nTry 'quarvex-batch --help' for more information.\n");
        EXPECT_EQ(r.out, "");
    }

    // Exit 1: the design load's checks refuse an input, after the pile's checks
    // and before anything is written.
    struct Refusal {
        std::vector<std::string> args;
        std::string message;
    } refusals[] = {
        {With({"--load", "-5"}), kMsgDesignLoad},
        {With({"--load", "heavy"}), kMsgDesignLoad},
        {With({"--load", ""}), kMsgDesignLoad},
        {With({"--load", "10", "--fs", "0.8"}), SafetyFactorBelowOneMessage("LCPC")},
        {With({"--load", "10", "--fs", "3,3,x,3"}), SafetyFactorMessage("de Ruiter and Beringen")},
        {With({"--load", "10", "--fs", "3,3,3,0"}), SafetyFactorMessage("Average")},
        {With({"--load", "10", "--phi", "0.5,1.2,0.5,0.5"}), ResistanceFactorAboveOneMessage("Schmertmann")},
        {With({"--load", "10", "--basis", "lrfd", "--phi", "-0.5"}), ResistanceFactorMessage("LCPC")},
        {With({"--load", "10", "--phi", "0.5", "--gamma", "0"}), kMsgLoadFactor},
        {{kSounding, "--title-lines", "2", "--size", "fourteen", "--load", "-5"}, kMsgDiameterPositive},
    };
    for (Refusal& c : refusals) {
        c.args.insert(c.args.end(), {"--output", "x.dat", "--csv", "x.csv", "--report", "x.md"});
        const BatchRun r = RunBatch(dir.dir(), c.args);
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_EQ(r.err, c.message + "\n");
        EXPECT_EQ(r.out, "");
    }
    for (const char* name : {"x.dat", "x.csv", "x.md"})
        EXPECT_FALSE(std::filesystem::exists(dir.dir() / name)) << name;

    // A report that cannot be written is refused like any other file.
    const std::string nowhere = (dir.dir() / "no" / "r.md").string();
    const BatchRun r = RunBatch(dir.dir(), With({"--load", "10", "--output", "y.dat", "--report", nowhere}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Could not write to file: " + nowhere + "\n");
}

// The same run with and without a load, each in its own folder under the same
// names: the load adds lines and columns and changes nothing else.
TEST(BatchDesign, ALoadAddsTheDecisionAndLeavesTheRestAsItWas)
{
    TempFile plain("", "unused");
    TempFile loaded("", "unused");
    const std::vector<std::string> common = {"--output", "design.dat", "--csv", "steps.csv", "--top", "2"};
    std::vector<std::string> withLoad = common;
    withLoad.insert(withLoad.end(), {"--load", "60", "--report", "report.md"});
    const BatchRun a = RunBatch(plain.dir(), With(common));
    const BatchRun b = RunBatch(loaded.dir(), With(withLoad));
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(b.err, "");

    EXPECT_EQ(ReadWholeFile((loaded.dir() / "design.dat").string()),
              ReadWholeFile((plain.dir() / "design.dat").string()));

    // Standard output: the design lines come after the capacities, the report's
    // line last; everything else is as without the load.
    const std::string exported = "Data was exported to file: design.dat\n";
    const std::size_t cut = a.out.find(exported);
    ASSERT_NE(cut, std::string::npos) << a.out;
    ASSERT_EQ(b.out.rfind(a.out.substr(0, cut), 0), 0U) << b.out;
    const std::string reportLine = "The design report was written to file: report.md\n";
    ASSERT_GT(b.out.size(), a.out.size() + reportLine.size());
    const std::string added = b.out.substr(cut, b.out.size() - a.out.size() - reportLine.size());
    EXPECT_EQ(b.out, a.out.substr(0, cut) + added + a.out.substr(cut) + reportLine);

    const std::vector<std::string> lines = Split(added, "\n");
    ASSERT_EQ(lines.size(), 7U) << b.out; // head, four methods, verdict, and the empty rest
    EXPECT_EQ(lines[0], "Design load 60 tons, ASD (allowable capacity = ultimate / FS), required allowable "
                        "capacity 60 tons");
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(
            lines[static_cast<std::size_t>(k) + 1].rfind(std::string(kMethodNames[k]) + ": FS 2.5, ", 0), 0U);
    EXPECT_EQ(lines[5], "Every method carries the design load at the pile tip.");

    // The CSV: the same rows with four columns more, each ultimate / FS.
    const std::string csvA = ReadWholeFile((plain.dir() / "steps.csv").string());
    const Csv before = ReadCsv(csvA);
    const Csv after = ReadCsv(ReadWholeFile((loaded.dir() / "steps.csv").string()));
    ASSERT_EQ(after.lines.size(), before.lines.size());
    std::vector<std::string> headings = before.headings;
    for (const char* key : kMethodKeys)
        headings.push_back(std::string(key) + "Allowable");
    EXPECT_EQ(after.headings, headings);
    for (std::size_t i = 0; i < before.lines.size(); ++i)
        EXPECT_EQ(after.lines[i].rfind(before.lines[i] + ",", 0), 0U) << i;

    // Each method's required depth, read back from its column: the column holds
    // the required value from that step to the pile tip, and not at the step above
    // (unless it is the first step below the pile top).
    const float tip = TipDepth(b.out);
    const std::size_t tipRow = RowAt(after, tip);
    const std::vector<float>& depth = after.columns.at("Depth");
    for (int k = 0; k < 4; ++k) {
        const std::string key = kMethodKeys[k];
        const std::vector<float>& ultimate = after.columns.at(key + "Ultimate");
        const std::vector<float>& allowable = after.columns.at(key + "Allowable");
        for (std::size_t i = 0; i < allowable.size(); ++i)
            EXPECT_NEAR(allowable[i], ultimate[i] / 2.5, 1e-6 * ultimate[i] + 1e-6) << key << " row " << i;

        const std::size_t row = RowAt(after, RequiredDepth(b.out, kMethodNames[k]));
        ASSERT_LE(row, tipRow);
        for (std::size_t i = row; i <= tipRow; ++i)
            EXPECT_GE(allowable[i], 60) << key << " at " << depth[i];
        if (depth[row - 1] > 2) {
            EXPECT_LT(allowable[row - 1], 60) << key;
        }
        const std::string atTip =
            Between(MethodLine(b.out, kMethodNames[k]), "allowable capacity at the tip ", " tons");
        EXPECT_EQ(Number(atTip), allowable[tipRow]) << key;
    }

    // The report: Markdown, LF line ends, the depths the summary gave.
    const std::string report = ReadWholeFile((loaded.dir() / "report.md").string());
    EXPECT_EQ(report.rfind("# Pile design report\n", 0), 0U);
    EXPECT_EQ(report.find('\r'), std::string::npos);
    EXPECT_NE(report.find("| Pile top depth | 2 ft |"), std::string::npos);
    EXPECT_NE(report.find("| Design load Q | 60 tons (compression) |"), std::string::npos);
    for (const char* name : kMethodNames) {
        const std::string depthText = Between(MethodLine(b.out, name), "required tip depth ", " ft,");
        EXPECT_NE(report.find(std::string("| ") + name + " | 2.5 | " + depthText + " | "), std::string::npos)
            << name;
    }
}

TEST(BatchDesign, AllowableAndFactoredBases)
{
    TempFile dir("", "unused");
    const auto run = [&](std::vector<std::string> extra) {
        extra.insert(extra.end(), {"--output", "d.dat", "--csv", "d.csv"});
        BatchRun r = RunBatch(dir.dir(), With(extra));
        EXPECT_EQ(r.status, 0) << r.err;
        return std::make_pair(r, ReadCsv(ReadWholeFile((dir.dir() / "d.csv").string())));
    };
    const auto [asd, asdCsv] = run({"--load", "60"});
    const auto [lrfd, lrfdCsv] = run({"--load", "60", "--basis", "lrfd"});
    // phi 0.5 against gamma 1.25: the same check as FS 2.5, written the LRFD way.
    const auto [same, sameCsv] = run({"--load", "60", "--phi", "0.5", "--gamma", "1.25"});
    // One FS per method, in method order.
    const auto [each, eachCsv] = run({"--load", "60", "--fs", "2,3,4,2.5"});

    EXPECT_NE(lrfd.out.find("Design load 60 tons, LRFD (factored resistance = phi x ultimate), gamma 1, "
                            "required factored resistance 60 tons\n"),
              std::string::npos);
    EXPECT_NE(same.out.find("gamma 1.25, required factored resistance 75 tons\n"), std::string::npos);
    for (int k = 0; k < 4; ++k) {
        const std::string name = kMethodNames[k];
        const std::string key = kMethodKeys[k];
        EXPECT_EQ(MethodLine(lrfd.out, name).rfind(name + ": phi 0.5, required tip depth ", 0), 0U);
        EXPECT_NE(MethodLine(lrfd.out, name).find(", factored resistance at the tip "), std::string::npos);
        EXPECT_EQ(lrfdCsv.columns.count(key + "Allowable"), 0U);
        const std::vector<float>& ultimate = lrfdCsv.columns.at(key + "Ultimate");
        const std::vector<float>& factored = lrfdCsv.columns.at(key + "Factored");
        for (std::size_t i = 0; i < ultimate.size(); ++i)
            EXPECT_NEAR(factored[i], ultimate[i] * 0.5, 1e-6 * ultimate[i] + 1e-6) << key;

        // 0.5 x ultimate carries more than ultimate / 2.5: never deeper, and
        // utilisation 0.8 of the ASD one.
        EXPECT_LE(RequiredDepth(lrfd.out, name), RequiredDepth(asd.out, name)) << name;
        EXPECT_NEAR(Utilisation(lrfd.out, name), 0.8 * Utilisation(asd.out, name), 0.011) << name;
        EXPECT_EQ(RequiredDepth(same.out, name), RequiredDepth(asd.out, name)) << name;
        EXPECT_EQ(Utilisation(same.out, name), Utilisation(asd.out, name)) << name;
    }

    const char* factors[] = {"2", "3", "4", "2.5"};
    for (int k = 0; k < 4; ++k) {
        const std::string name = kMethodNames[k];
        EXPECT_EQ(MethodLine(each.out, name).rfind(name + ": FS " + factors[k] + ", ", 0), 0U) << name;
        const std::vector<float>& ultimate = eachCsv.columns.at(std::string(kMethodKeys[k]) + "Ultimate");
        const std::vector<float>& allowable = eachCsv.columns.at(std::string(kMethodKeys[k]) + "Allowable");
        const float fs = Number(factors[k]);
        for (std::size_t i = 0; i < ultimate.size(); ++i)
            EXPECT_NEAR(allowable[i], ultimate[i] / fs, 1e-6 * ultimate[i] + 1e-6) << name;
    }
}

TEST(BatchDesign, ALoadNotCarriedStillCompletesAndNamesTheFailingMethods)
{
    TempFile dir("", "unused");
    struct Case {
        const char* load;
        std::vector<std::string> failing; // in method order
        std::string verdict;
    } cases[] = {
        {"100000",
         {"LCPC", "Schmertmann", "de Ruiter and Beringen", "Average"},
         "The design load is not carried at the pile tip by: LCPC, Schmertmann, de Ruiter and Beringen, "
         "Average."},
        // At the tip LCPC gives about 78 tons of allowable capacity, the others more than 90.
        {"90", {"LCPC"}, "The design load is not carried at the pile tip by: LCPC."},
    };
    for (const Case& c : cases) {
        const BatchRun r =
            RunBatch(dir.dir(), With({"--load", c.load, "--output", "d.dat", "--report", "r.md"}));
        EXPECT_EQ(r.status, 0) << c.load;
        EXPECT_EQ(r.err, "");
        EXPECT_NE(r.out.find("\n" + c.verdict + "\n"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("Data was exported to file: d.dat\n"), std::string::npos);
        const std::string report = ReadWholeFile((dir.dir() / "r.md").string());
        EXPECT_NE(report.find(c.verdict + "\n"), std::string::npos) << report;
        for (const char* name : kMethodNames) {
            const bool fails = std::find(c.failing.begin(), c.failing.end(), name) != c.failing.end();
            const std::string line = MethodLine(r.out, name);
            EXPECT_EQ(line.substr(line.size() - 6), fails ? ", fail" : ", pass") << line;
        }
    }
    // Never reached anywhere: no depth, and no utilisation below 1.
    const BatchRun r = RunBatch(dir.dir(), With({"--load", "100000", "--output", "d.dat"}));
    for (const char* name : kMethodNames) {
        const std::string line = MethodLine(r.out, name);
        EXPECT_NE(line.find("required tip depth not reached within the analysis range, "), std::string::npos)
            << line;
        EXPECT_GT(Utilisation(r.out, name), 1) << line;
    }
}
