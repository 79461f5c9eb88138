// quarvex-batch as a user runs it: exit statuses, messages on standard error,
// and the output file the screens would write for the same choices.
#include "classification/Classification.h"
#include "design/DesignRun.h"
#include "design/OutputFile.h"
#include "input/Cleaning.h"
#include "input/Reader.h"
#include "screenlogic/PileChecks.h"

#include "BatchCommand.h"
#include "DesignFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <sys/wait.h>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

const std::string kSounding = std::string(QUARVEX_TEST_DATA_DIR) + "/design/sounding_ft_tsf.txt";
const std::string kMillivolts = std::string(QUARVEX_TEST_DATA_DIR) + "/design/sounding_m_mv.txt";

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

} // namespace

TEST(Batch, HelpAndUsageErrors)
{
    TempFile dir("", "unused");
    BatchRun help = RunBatch(dir.dir(), {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: quarvex-batch INPUT [options]"), std::string::npos);
    for (const char* option : {"--units", "--tip-option", "--layers", "--csv", "--elevation", "--comments"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    const std::vector<std::vector<std::string>> usage = {
        {},
        {kSounding}, // no size
        With({"--units", "feet"}),
        With({"--bogus", "1"}),
        With({"--title-lines", "16"}),
        With({"--shape", "hexagonal"}),
        With({"--tip-option", "4"}),
        With({"--layers", "some"}),
        With({"--tip-factor", "40"}),                            // not millivolt data
        With({"--layers", "manual:1,2,3,4,5,6,7,8,9,10,11,12"}), // 13 layers
        With({"--output"}),                                      // value missing
        With({kSounding}),                                       // two data files
        With({"--output", kSounding}),                           // would write over the sounding
        With({"--output", "a.dat", "--csv", "a.dat"}),           // both to one file
    };
    for (const auto& args : usage) {
        const BatchRun r = RunBatch(dir.dir(), args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_NE(r.err.find("quarvex-batch: "), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
}

TEST(Batch, RefusalsGiveTheScreensMessagesAndStatus1)
{
    TempFile dir("", "unused");
    std::filesystem::create_directories(dir.dir() / "Output.dat"); // the default name cannot be created

    // What the reader says when the title lines are miscounted.
    Project probe;
    probe.DataFileName = kSounding;
    probe.NumTitleLines = 1;
    probe.UnitSystem = kUnitsEnglish;
    const std::string readMessage = LoadConeFile(probe).text;

    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{(dir.dir() / "missing.txt").string(), "--size", "14"}, "Could not read data from file"},
        {{kSounding, "--title-lines", "1", "--size", "14"}, readMessage},
        {With({"--output", "x.dat", "--elevation", "high"}), " Data Entry Error .. Please check your data "},
        {{kSounding, "--title-lines", "2", "--size", ""}, "Please enter pile diameter"},
        {{kSounding, "--title-lines", "2", "--size", "fourteen"}, kMsgDiameterPositive},
        {With({"--top", "0.05"}), "Pile top elevation can not be higher than cone top reading"},
        {With({"--top", "level"}), "Missing Data .. Enter Top Elevation of Pile "},
        {With({"--tip", "40"}), " Pile tip elevation can not be lower than max. cone depth "},
        {With({"--top", "10", "--tip", "14"}),
         " This entry makes pile length less than five times its diameter"},
        {With({"--output", "x.dat", "--layers", "manual:0.5"}),
         " Height of the layer is too small to contain cone readings.. Please ReEnter"},
        {With({"--output", "x.dat", "--layers", "manual:10,50"}),
         " Bottom elevation can not exceed maximum depth"},
        {With({"--output", "x.dat", "--layers", "manual:10,"}), " Missing data entry ..."},
        {With({"--output", "x.dat", "--tip-option", "3"}),
         " Enter value for the tip resistance for option 3 "},
        {With({"--output", "x.dat", "--tip-option", "3", "--tip-value", "99999"}),
         " The entered value is higher than maximum cone tip reading"},
        {With({"--output", "x.dat", "--tip-option", "3", "--tip-value", "-3"}),
         "Please enter a tip resistance of zero or more"},
        {With({"--output", (dir.dir() / "no" / "x.dat").string()}),
         "Please select a file name for output and try again "},
        {With({}), "Can not open default data file, please creat one or select a file for output"},
        {{kMillivolts, "--title-lines", "2", "--size", "14", "--units", "m-mV", "--tip-factor", "fifty"},
         " Missing Data entry .. Please enter "},
    };
    for (const Case& c : cases) {
        const BatchRun r = RunBatch(dir.dir(), c.args);
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_EQ(r.err, c.message + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.dir() / "x.dat"));
}

// The same choices on the screens: the core run in process gives the same file.
TEST(Batch, WritesTheFileTheScreensWrite)
{
    TempFile dir("", "unused");
    const BatchRun r =
        RunBatch(dir.dir(), With({"--output", "design.dat", "--top", "2", "--tip", "33.5", "--layers",
                                  "manual:14.9", "--project-number", "P-1", "--elevation", "7.25", "--csv",
                                  "steps.csv", "--latitude", "29.95"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("Data was exported to file: design.dat"), std::string::npos);
    EXPECT_NE(r.out.find("Average"), std::string::npos);

    Project p;
    CreateHistoryLists(p);
    ResetOpenFileDefaults(p);
    p.NumTitleLines = 2;
    p.DataFileName = kSounding;
    LoadConeFile(p);
    InitHeader(p);
    p.ProjectNumber = "P-1";
    p.GroundElevation = 7.25F;
    p.Latitude = "29.95";
    p.Comments = p.FileHeader;
    CleanReadings(p);
    ASSERT_FALSE(BuildStepTable(p).has_value());
    p.PileType = 9;
    p.PileSize = 14.0F / 12;
    p.PileTopDepth = 2;
    p.PileTipDepth = 33.5F;
    p.OutputFileName = (dir.dir() / "screens.dat").string();
    AnalysisInputs in{"14", true, "2", true, "33.5"};
    ASSERT_TRUE(CheckAnalysisInputs(p, in, ConeTopDepth(p), ConeMaxDepth(p)).ok);
    ScriptedQuestions q;
    q.layers = [](Project& pr) {
        pr.NumLayers = 2;
        pr.LayerTop[1] = 2;
        pr.LayerBottom[1] = 14.9F;
        pr.LayerTop[2] = 14.9F;
        pr.LayerBottom[2] = 33.5F;
        pr.AutoLayers = False;
        return true;
    };
    DesignRunInputs run{true, "2", 1};
    ASSERT_EQ(RunDesign(p, run, q).outcome, DesignOutcome::Completed);

    const std::string batchFile = ReadWholeFile((dir.dir() / "design.dat").string());
    EXPECT_EQ(batchFile, ReadWholeFile(p.OutputFileName));
    EXPECT_NE(batchFile.find("Ground Elevation: 7.25\t"), std::string::npos);
    EXPECT_NE(batchFile.find("Comments: Test sounding T-1, synthetic: soft clay over dense sand\r\n"
                             "Depth(ft)  qc(tsf)  fs(tsf)\r\n\r\n"),
              std::string::npos);

    // The CSV: a header row and one row per step.
    const std::string csv = ReadWholeFile((dir.dir() / "steps.csv").string());
    EXPECT_EQ(csv.rfind("Depth,PctSand,PctSilt,PctClay,LcpcEndBearing,", 0), 0U);
    std::size_t rows = 0;
    for (char c : csv)
        rows += c == '\n';
    EXPECT_EQ(rows, static_cast<std::size_t>(p.NumSteps) + 1);
}

TEST(Batch, MillivoltAndSiDataAreConverted)
{
    TempFile dir("", "unused");
    const BatchRun mv = RunBatch(dir.dir(), {kMillivolts, "--title-lines", "2", "--size", "16", "--units",
                                             "m-mV", "--tip", "30", "--output", "mv.dat"});
    ASSERT_EQ(mv.status, 0) << mv.err;
    const BatchRun ft = RunBatch(dir.dir(), With({"--tip", "30", "--output", "ft.dat", "--size", "16"}));
    ASSERT_EQ(ft.status, 0) << ft.err;
    // The millivolt file holds the same sounding: similar capacities, not the same bytes.
    const std::string a = ReadWholeFile((dir.dir() / "mv.dat").string());
    const std::string b = ReadWholeFile((dir.dir() / "ft.dat").string());
    EXPECT_NE(a.find("\r\nAverage\r\n"), std::string::npos);
    EXPECT_NE(a, b);

    const BatchRun si = RunBatch(dir.dir(), {kSounding, "--title-lines", "2", "--size", "24", "--units",
                                             "m-MPa", "--output", "si.dat", "--tip-option", "2"});
    ASSERT_EQ(si.status, 0) << si.err;
    // 36.08 m is 118.37 ft: the steps reach 117.9 ft.
    EXPECT_NE(ReadWholeFile((dir.dir() / "si.dat").string()).find("\r\n 117.9164 "), std::string::npos);
}

TEST(Batch, RunsOnTheFieldSamples)
{
    const std::filesystem::path samples(QUARVEX_FIELD_DIR);
    ASSERT_TRUE(std::filesystem::exists(samples / "11_us_alameda_ALC017_ft-tsf_spaces.txt"));
    TempFile dir("", "unused");
    struct Case {
        const char* file;
        const char* titleLines;
        const char* units;
    } cases[] = {
        {"11_us_alameda_ALC017_ft-tsf_spaces.txt", "9", "ft-tsf"},
        {"12_us_alameda_ALC008_ft-tsf_tab.txt", "12", "ft-tsf"},
        {"02_nl_bro_CPT000000063044_m-MPa_comma.txt", "10", "m-MPa"},
        {"07_nl-offshore_borssele_BH-WFS1-2A_downhole_m-MPa_comma.txt", "10", "m-MPa"},
    };
    for (const Case& c : cases) {
        for (const char* size : {"14", "24"}) {
            const BatchRun r =
                RunBatch(dir.dir(), {(samples / c.file).string(), "--title-lines", c.titleLines, "--units",
                                     c.units, "--size", size, "--output", "sample.dat"});
            EXPECT_EQ(r.status, 0) << c.file << ": " << r.err;
            EXPECT_NE(r.out.find("Data was exported to file: sample.dat"), std::string::npos) << c.file;
        }
    }
}
