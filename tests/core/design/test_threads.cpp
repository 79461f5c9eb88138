// Two projects computed at the same time on two threads give the bytes they give
// one after the other: the core keeps no state of its own between projects. The
// test command also runs this under ThreadSanitizer.
#include "pipeline/Pipeline.h"

#include "DesignFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <thread>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

class NoQuestions : public DesignQuestions {
public:
    bool EnterSoilLayers(Project&) override { return true; }
    void ChooseTipOption(Project& p) override { p.TipOption = 0; }
};

struct Job {
    std::string file;
    int titleLines;
    Integer units;
    std::string size;
    std::string output;
};

// The whole road of one sounding; the output file's bytes, or the refusal.
std::string RunJob(const Job& j)
{
    Project p;
    CreateHistoryLists(p);
    Pipeline pipeline(p);
    const Message read = pipeline.Read(j.file, j.titleLines, j.units);
    if (p.ReadError != False)
        return "refused: " + read.text;
    pipeline.ConvertSI();
    pipeline.Clean();
    if (auto refused = pipeline.BuildSteps())
        return "refused: " + refused->text;
    pipeline.LoadDesignScreen(0, j.output);
    AnalysisInputs in;
    in.sizeText = j.size;
    if (const AnalysisCheck c = pipeline.Check(in); !c.ok)
        return "refused: " + c.message.text;
    NoQuestions questions;
    const DesignRunResult r = pipeline.Design(DesignRunInputs{}, questions);
    if (!r.exported)
        return "failed";
    return ReadWholeFile(j.output);
}

} // namespace

TEST(Threads, TwoPipelinesAtOnceGiveTheBytesOfOneAfterTheOther)
{
    TempFile dir("", "unused");
    const std::string field = QUARVEX_FIELD_DIR;
    const std::array<Job, 2> jobs = {
        Job{field + "/11_us_alameda_ALC017_ft-tsf_spaces.txt", 9, kUnitsEnglish, "14",
            (dir.dir() / "a.dat").string()},
        Job{field + "/02_nl_bro_CPT000000063044_m-MPa_comma.txt", 10, kUnitsSI, "18",
            (dir.dir() / "b.dat").string()},
    };
    std::array<std::string, 2> alone;
    for (std::size_t k = 0; k < jobs.size(); ++k)
        alone[k] = RunJob(jobs[k]);
    ASSERT_GT(alone[0].size(), 10000U) << alone[0].substr(0, 200);
    ASSERT_GT(alone[1].size(), 10000U) << alone[1].substr(0, 200);

    for (int round = 0; round < 3; ++round) {
        std::array<std::string, 2> together;
        std::thread a([&] { together[0] = RunJob(jobs[0]); });
        std::thread b([&] { together[1] = RunJob(jobs[1]); });
        a.join();
        b.join();
        EXPECT_EQ(together[0], alone[0]);
        EXPECT_EQ(together[1], alone[1]);
    }
}
