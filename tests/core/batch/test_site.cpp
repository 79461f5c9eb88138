// quarvex-batch site as a user runs it: a dozen soundings (field files, made-up
// ones, one unreadable) give each the output file of its single run, site.csv
// lists them in the manifest's order with the statistics of their tip
// capacities, site-profile.csv those over depth, and nothing depends on --jobs.
#include "SiteFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace quarvex::testing;
namespace fs = std::filesystem;

namespace {

const char* const kHeading =
    "Name,File,Readings,FirstDepth,LastDepth,Status,Message,TipDepth,LcpcEndBearing,LcpcFriction,"
    "LcpcUltimate,SchmEndBearing,SchmFriction,SchmUltimate,DeRuiterEndBearing,DeRuiterFriction,"
    "DeRuiterUltimate,AvgEndBearing,AvgFriction,AvgUltimate";
constexpr std::size_t kFirstCapacity = 8;
constexpr std::size_t kCapacities = 12;

// A number cell; not a number (so that comparisons fail) when it is none.
double Num(const std::string& text)
{
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() ? v : std::nan("");
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> w;
    std::size_t k = 0;
    while (k < line.size()) {
        const std::size_t start = line.find_first_not_of(' ', k);
        if (start == std::string::npos)
            break;
        const std::size_t end = std::min(line.find(' ', start), line.size());
        w.push_back(line.substr(start, end - start));
        k = end;
    }
    return w;
}

// What a single run of one sounding printed and wrote.
struct Single {
    CommandRun run;
    std::string dat;
    std::string top, tip;                                 // "analysis from TOP ft to TIP ft"
    std::string tipStep;                                  // "depth X ft (tons)"
    std::vector<std::string> atTip;                       // the summary's twelve capacities
    std::map<std::string, std::vector<double>> ultimates; // step depth -> per method
};

Single RunSingle(const fs::path& dir, const SiteEntry& e, const std::string& stem)
{
    Single s;
    std::vector<std::string> args = {e.path,
                                     "--units",
                                     e.units,
                                     "--title-lines",
                                     e.titleLines,
                                     "--size",
                                     "14",
                                     "--output",
                                     "single/" + stem + ".dat",
                                     "--csv",
                                     "single/" + stem + ".csv"};
    if (!e.elevation.empty()) {
        args.push_back("--elevation");
        args.push_back(e.elevation);
    }
    s.run = RunCommand(dir, args);
    s.dat = ReadBytes(dir / "single" / (stem + ".dat"));
    if (s.run.status != 0)
        return s;
    std::size_t start = 0;
    bool table = false;
    for (std::size_t end; (end = s.run.out.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = s.run.out.substr(start, end - start);
        const std::vector<std::string> w = Words(line);
        if (line.rfind("Square pile", 0) == 0 && w.size() >= 9) {
            s.top = w[6];
            s.tip = w[9];
        } else if (line.rfind("Capacities at the pile tip step", 0) == 0) {
            s.tipStep = w[7];
        } else if (line.rfind("Method ", 0) == 0) {
            table = true;
        } else if (table && w.size() >= 4 && s.atTip.size() < kCapacities) {
            s.atTip.insert(s.atTip.end(), w.end() - 3, w.end());
        }
    }
    // The CSV's every step, kept inside the analysis range as the site keeps it.
    const std::vector<std::string> csv = CrLfLines(ReadBytes(dir / "single" / (stem + ".csv")));
    const std::vector<std::string> heading = CsvCells(csv.at(0));
    std::vector<std::size_t> ultimateColumns;
    for (std::size_t c = 0; c < heading.size(); ++c)
        if (heading[c].size() > 8 && heading[c].substr(heading[c].size() - 8) == "Ultimate")
            ultimateColumns.push_back(c);
    // The listed steps: below the pile top, down to the tip step of the summary.
    const double top = Num(s.top), tip = Num(s.tipStep);
    for (std::size_t r = 1; r < csv.size(); ++r) {
        const std::vector<std::string> cells = CsvCells(csv[r]);
        const double depth = Num(cells[0]);
        if (!(depth > top && depth <= tip))
            continue;
        for (std::size_t c : ultimateColumns)
            s.ultimates[cells[0]].push_back(Num(cells[c]));
    }
    return s;
}

// The statistics a sounding set should get, worked out here from the values.
struct Expected {
    int n = 0;
    double mean = 0, minimum = 0, sd = 0, xi3 = 0, xi4 = 0, value = 0;
};

Expected ExpectedOf(const std::vector<double>& v)
{
    Expected e;
    e.n = static_cast<int>(v.size());
    double sum = 0;
    for (double x : v)
        sum += x;
    e.mean = sum / e.n;
    e.minimum = *std::min_element(v.begin(), v.end());
    double squares = 0;
    for (double x : v)
        squares += (x - e.mean) * (x - e.mean);
    e.sd = e.n > 1 ? std::sqrt(squares / (e.n - 1)) : 0;
    // Table A.10: n = 1, 2, 3, 4, 5, 7, 10; between two columns the smaller count's.
    const int counts[] = {1, 2, 3, 4, 5, 7, 10};
    const double xi3[] = {1.40, 1.35, 1.33, 1.31, 1.29, 1.27, 1.25};
    const double xi4[] = {1.40, 1.27, 1.23, 1.20, 1.15, 1.12, 1.08};
    for (int k = 0; k < 7; ++k)
        if (counts[k] <= e.n) {
            e.xi3 = xi3[k];
            e.xi4 = xi4[k];
        }
    e.value = std::min(e.mean / e.xi3, e.minimum / e.xi4);
    return e;
}

// Seven significant digits, as the files write them.
void ExpectNear(const std::string& cell, double expected, const std::string& where)
{
    ASSERT_FALSE(cell.empty()) << where;
    const double got = Num(cell);
    EXPECT_NEAR(got, expected, 2e-6 * std::max(1.0, std::fabs(expected))) << where << ": " << cell;
}

class Site : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempFile("", "unused");
        entries_ = WriteSite(dir_->dir());
        fs::create_directories(dir_->dir() / "single");
        for (const char* jobs : {"1", "4"})
            runs_[jobs] = RunCommand(dir_->dir(),
                                     {"site", "--manifest", "manifest.csv", "--output-dir",
                                      std::string("out") + jobs, "--jobs", jobs, "--quiet", "--size", "14"});
        for (const SiteEntry& e : entries_)
            singles_.push_back(RunSingle(dir_->dir(), e, fs::path(e.path).stem().string()));
    }
    static void TearDownTestSuite()
    {
        delete dir_;
        dir_ = nullptr;
    }

    static fs::path Out(const char* jobs) { return dir_->dir() / (std::string("out") + jobs); }

    static TempFile* dir_;
    static std::vector<SiteEntry> entries_;
    static std::map<std::string, CommandRun> runs_;
    static std::vector<Single> singles_;
};

TempFile* Site::dir_ = nullptr;
std::vector<SiteEntry> Site::entries_;
std::map<std::string, CommandRun> Site::runs_;
std::vector<Single> Site::singles_;

} // namespace

TEST_F(Site, CompletesWithTheBrokenSoundingRecordedAndNothingDependsOnJobs)
{
    ASSERT_EQ(runs_.size(), 2U);
    for (const auto& [jobs, run] : runs_) {
        EXPECT_EQ(run.status, 0) << jobs << run.err;
        EXPECT_EQ(run.err, "") << jobs; // --quiet
        EXPECT_NE(run.out.find("Site: 12 soundings, 11 designed, 1 failed\n"), std::string::npos) << run.out;
    }
    std::set<std::string> names1, names4;
    for (const auto& f : fs::directory_iterator(Out("1")))
        names1.insert(f.path().filename().string());
    for (const auto& f : fs::directory_iterator(Out("4")))
        names4.insert(f.path().filename().string());
    EXPECT_EQ(names1, names4);
    EXPECT_EQ(names1.size(), 11U + 2U); // the designed soundings, site.csv, site-profile.csv
    for (const std::string& name : names1)
        EXPECT_EQ(ReadBytes(Out("1") / name), ReadBytes(Out("4") / name)) << name;
}

TEST_F(Site, EachOutputFileIsTheBytesOfItsSingleRun)
{
    ASSERT_EQ(singles_.size(), entries_.size());
    for (std::size_t k = 0; k < entries_.size(); ++k) {
        const fs::path dat = Out("4") / (fs::path(entries_[k].path).stem().string() + ".dat");
        if (singles_[k].run.status == 0) {
            ASSERT_GT(singles_[k].dat.size(), 1000U) << entries_[k].file;
            EXPECT_EQ(ReadBytes(dat), singles_[k].dat) << entries_[k].file;
        } else {
            EXPECT_FALSE(fs::exists(dat)) << entries_[k].file;
        }
    }
    EXPECT_NE(singles_[4].run.status, 0) << "the broken sounding";
}

TEST_F(Site, SiteCsvHasARowPerSoundingInManifestOrderAndTheTipStatistics)
{
    const std::vector<std::string> lines = CrLfLines(ReadBytes(Out("4") / "site.csv"));
    ASSERT_EQ(lines.size(), 1 + entries_.size() + 7);
    EXPECT_EQ(lines[0], kHeading);

    std::vector<std::vector<double>> columns(kCapacities);
    for (std::size_t k = 0; k < entries_.size(); ++k) {
        const SiteEntry& e = entries_[k];
        const Single& s = singles_[k];
        const std::vector<std::string> cells = CsvCells(lines[1 + k]);
        ASSERT_EQ(cells.size(), kFirstCapacity + kCapacities) << lines[1 + k];
        EXPECT_EQ(cells[0], e.name.empty() ? fs::path(e.path).stem().string() : e.name);
        EXPECT_EQ(cells[1], e.file); // the manifest is in the working folder
        if (s.run.status != 0) {
            std::string message = s.run.err;
            message.pop_back();
            EXPECT_EQ(cells[5], "failed");
            EXPECT_EQ(cells[6], message);
            for (std::size_t c = kFirstCapacity - 1; c < cells.size(); ++c)
                EXPECT_EQ(cells[c], "") << c;
            continue;
        }
        EXPECT_EQ(cells[5], "ok");
        EXPECT_EQ(cells[6], "");
        EXPECT_EQ(cells[7], s.tipStep) << e.file;
        ASSERT_EQ(s.atTip.size(), kCapacities) << s.run.out;
        for (std::size_t c = 0; c < kCapacities; ++c) {
            EXPECT_EQ(cells[kFirstCapacity + c], s.atTip[c]) << e.file << " column " << c;
            columns[c].push_back(Num(s.atTip[c]));
        }
    }
    // Readings and depth range of the made-up soundings, known here.
    EXPECT_EQ(CsvCells(lines[3])[2], "300");
    EXPECT_EQ(CsvCells(lines[3])[3], "0.2");
    EXPECT_EQ(CsvCells(lines[3])[4], "60");
    EXPECT_EQ(CsvCells(lines[12])[2], "520");

    // The statistics rows, worked out from the rows above (n = 11: the column of 10).
    const char* names[] = {"n", "mean", "minimum", "standard deviation", "xi3", "xi4", "characteristic"};
    for (int r = 0; r < 7; ++r) {
        const std::vector<std::string> cells =
            CsvCells(lines[1 + entries_.size() + static_cast<std::size_t>(r)]);
        ASSERT_EQ(cells.size(), kFirstCapacity + kCapacities);
        EXPECT_EQ(cells[0], names[r]);
        EXPECT_EQ(cells[5], "site");
        for (std::size_t c = 0; c < kCapacities; ++c) {
            const Expected x = ExpectedOf(columns[c]);
            const std::string& cell = cells[kFirstCapacity + c];
            const std::string where = std::string(names[r]) + " column " + std::to_string(c);
            switch (r) {
            case 0:
                EXPECT_EQ(cell, "11") << where;
                break;
            case 1:
                ExpectNear(cell, x.mean, where);
                break;
            case 2:
                ExpectNear(cell, x.minimum, where);
                break;
            case 3:
                ExpectNear(cell, x.sd, where);
                break;
            case 4:
                EXPECT_EQ(cell, "1.25") << where;
                break;
            case 5:
                EXPECT_EQ(cell, "1.08") << where;
                break;
            default:
                ExpectNear(cell, x.value, where);
                break;
            }
        }
    }
}

TEST_F(Site, ProfileGivesEachDepthTheSoundingsThatReachIt)
{
    const std::vector<std::string> lines = CrLfLines(ReadBytes(Out("1") / "site-profile.csv"));
    ASSERT_GT(lines.size(), 100U);
    const std::vector<std::string> heading = CsvCells(lines[0]);
    ASSERT_EQ(heading.size(), 1U + 4 * 7);
    EXPECT_EQ(heading[1], "LcpcN");
    EXPECT_EQ(heading[28], "AvgCharacteristic");

    std::set<int> counts;
    for (std::size_t r = 1; r < lines.size(); ++r) {
        const std::vector<std::string> cells = CsvCells(lines[r]);
        ASSERT_EQ(cells.size(), heading.size()) << lines[r];
        for (std::size_t m = 0; m < 4; ++m) {
            std::vector<double> values;
            for (const Single& s : singles_)
                if (const auto it = s.ultimates.find(cells[0]); it != s.ultimates.end())
                    values.push_back(it->second.at(m));
            ASSERT_FALSE(values.empty()) << "no sounding reaches " << cells[0];
            const Expected x = ExpectedOf(values);
            const std::size_t c = 1 + 7 * m;
            const std::string where = "depth " + cells[0] + " method " + std::to_string(m);
            EXPECT_EQ(cells[c], std::to_string(x.n)) << where;
            ExpectNear(cells[c + 1], x.mean, where + " mean");
            ExpectNear(cells[c + 2], x.minimum, where + " minimum");
            if (x.n > 1)
                ExpectNear(cells[c + 3], x.sd, where + " standard deviation");
            else
                EXPECT_EQ(cells[c + 3], "") << where;
            ExpectNear(cells[c + 4], x.xi3, where + " xi3");
            ExpectNear(cells[c + 5], x.xi4, where + " xi4");
            ExpectNear(cells[c + 6], x.value, where + " characteristic");
            counts.insert(x.n);
        }
    }
    // Deeper down fewer soundings reach: the rows show several counts, down to one.
    EXPECT_TRUE(counts.count(1) == 1 && counts.count(11) == 1 && counts.size() > 3);
    // Every step of every sounding is in the profile.
    std::size_t steps = 0;
    for (const Single& s : singles_)
        steps = std::max(steps, s.ultimates.size());
    EXPECT_GE(lines.size() - 1, steps);
}

TEST_F(Site, OneSoundingAndGivenFactors)
{
    // Named on the command line: its name is the file's; one sounding takes n = 1.
    const CommandRun r =
        RunCommand(dir_->dir(), {"site", "made-up/firm.txt", "--title-lines", "2", "--output-dir", "one",
                                 "--size", "14", "--xi3", "1.5", "--xi4", "1.2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = CrLfLines(ReadBytes(dir_->dir() / "one" / "site.csv"));
    ASSERT_EQ(lines.size(), 1U + 1 + 7);
    const std::vector<std::string> row = CsvCells(lines[1]);
    EXPECT_EQ(row[0], "firm");
    EXPECT_EQ(row[1], "made-up/firm.txt");
    const std::vector<std::string> sd = CsvCells(lines[5]);
    const std::vector<std::string> characteristic = CsvCells(lines[8]);
    for (std::size_t c = kFirstCapacity; c < row.size(); ++c) {
        EXPECT_EQ(sd[c], "") << c; // no spread in one value
        // min(mean / 1.5, minimum / 1.2) of one value is the value / 1.5.
        ExpectNear(characteristic[c], Num(row[c]) / 1.5, "column " + std::to_string(c));
    }
    EXPECT_EQ(CsvCells(lines[6])[kFirstCapacity], "1.5");
    EXPECT_EQ(CsvCells(lines[7])[kFirstCapacity], "1.2");
}

TEST_F(Site, AFolderGivesItsFilesInNameOrder)
{
    const CommandRun r = RunCommand(dir_->dir(), {"site", "made-up", "--title-lines", "2", "--output-dir",
                                                  "folder", "--size", "14", "--load", "60"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = CrLfLines(ReadBytes(dir_->dir() / "folder" / "site.csv"));
    ASSERT_EQ(lines.size(), 1U + 4 + 7);
    // With a design load: per method the design capacity at the tip and pass or fail.
    EXPECT_EQ(lines[0],
              std::string(kHeading) +
                  ",LcpcDesign,LcpcPass,SchmDesign,SchmPass,DeRuiterDesign,DeRuiterPass,AvgDesign,AvgPass");
    const char* order[] = {"broken", "deep", "firm", "soft"};
    for (std::size_t k = 0; k < 4; ++k) {
        const std::vector<std::string> cells = CsvCells(lines[1 + k]);
        ASSERT_EQ(cells.size(), kFirstCapacity + kCapacities + 8);
        EXPECT_EQ(cells[0], order[k]);
        if (k > 0) {
            // ASD with FS 2.5: the design capacity is the ultimate / 2.5.
            ExpectNear(cells[kFirstCapacity + kCapacities], Num(cells[kFirstCapacity + 2]) / 2.5, order[k]);
            EXPECT_EQ(cells.back() == "pass" || cells.back() == "fail", true) << cells.back();
        }
    }
    EXPECT_EQ(CsvCells(lines[5])[kFirstCapacity], "3"); // n
}

TEST(SiteUsage, ErrorsExitWith2AndWriteNothing)
{
    TempFile dir("", "unused");
    const fs::path d = dir.dir();
    WriteWholeFile((d / "a.txt").string(), MadeUpSounding(100, 1));
    const std::vector<std::pair<std::string, std::string>> manifests = {
        {"unknown-column.csv", "file,units,title_lines,depth\r\na.txt,ft-tsf,2,3\r\n"},
        {"no-title-lines.csv", "file,units\r\na.txt,ft-tsf\r\n"},
        {"bad-units.csv", "file,units,title_lines\r\na.txt,feet,2\r\n"},
        {"bad-title-lines.csv", "file,units,title_lines\r\na.txt,ft-tsf,16\r\n"},
        {"open-quote.csv", "file,units,title_lines\r\n\"a.txt,ft-tsf,2\r\n"},
        {"extra-cell.csv", "file,units,title_lines\r\na.txt,ft-tsf,2,x\r\n"},
        {"no-file.csv", "file,units,title_lines\r\n,ft-tsf,2\r\n"},
        {"empty.csv", ""},
    };
    for (const auto& [name, text] : manifests)
        WriteWholeFile((d / name).string(), text);

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    std::vector<Case> cases = {
        {{"site", "a.txt", "--output-dir", "o", "--size", "14", "--bogus", "1"}, "unknown option '--bogus'"},
        {{"site", "a.txt", "--size", "14"}, "needs --output-dir"},
        {{"site", "--output-dir", "o", "--size", "14"}, "no soundings given"},
        {{"site", "a.txt", "--output-dir", "o"}, "--size"},
        {{"site", "a.txt", "--output-dir", "o", "--size", "14", "--jobs", "0"}, "--jobs"},
        {{"site", "a.txt", "--output-dir", "o", "--size", "14", "--xi3", "0.9"}, "--xi3"},
        {{"site", "a.txt", "--output-dir", "o", "--size", "14", "--xi4", "1.2,1.1"}, "--xi4"},
        {{"site", "a.txt", "--output-dir", "o", "--size", "14", "--output", "x.dat"},
         "'--output' does not apply"},
        {{"site", "a.txt", "--output-dir", "o", "--size", "14", "--quiet=yes"}, "takes no value"},
        {{"a.txt", "--size", "14", "--jobs", "2"}, "site runs only"},
        {{"site", "--manifest", "missing.csv", "--output-dir", "o", "--size", "14"},
         "cannot read the manifest"},
    };
    const std::map<std::string, std::string> manifestMessages = {
        {"unknown-column.csv", "line 1: unknown column 'depth'"},
        {"no-title-lines.csv", "no column 'title_lines'"},
        {"bad-units.csv", "line 2: units must be"},
        {"bad-title-lines.csv", "line 2: title_lines must be"},
        {"open-quote.csv", "line 2: a quote is not closed"},
        {"extra-cell.csv", "line 2: more cells than headings"},
        {"no-file.csv", "line 2: no file named"},
        {"empty.csv", "the manifest is empty"},
    };
    for (const auto& [name, message] : manifestMessages)
        cases.push_back({{"site", "--manifest", name, "--output-dir", "o", "--size", "14"}, message});

    for (const Case& c : cases) {
        const CommandRun r = RunCommand(d, c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.err.rfind("quarvex-batch: ", 0), 0U) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(fs::exists(d / "o")) << c.message;
    }
}

TEST(SiteUsage, HelpNamesTheSiteOptions)
{
    TempFile dir("", "unused");
    const CommandRun r = RunCommand(dir.dir(), {"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option :
         {"quarvex-batch site", "--manifest", "--output-dir", "--jobs", "--quiet", "--xi3", "--xi4"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}
