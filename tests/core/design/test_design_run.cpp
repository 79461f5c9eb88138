#include "design/DesignRun.h"

#include "design/DesignCommon.h"
#include "design/Lcpc.h"
#include "design/OutputFile.h"
#include "design/TipOptions.h"
#include "screenlogic/SoilLayerEntry.h"

#include "DesignFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

// 120 steps (to 39.2 ft) of layered soil: clay over sand.
struct RunFixture {
    TempFile dir{"", "unused"};
    Project p;
    ScriptedQuestions questions;
    DesignRunInputs inputs;

    RunFixture()
    {
        std::vector<StepRow> rows;
        for (int i = 0; i < 120; ++i) {
            const bool sand = i >= 60;
            rows.push_back(sand ? StepRow{80.0F + static_cast<float>(i % 7), 0.6F, 85, 10, 5}
                                : StepRow{12.0F + static_cast<float>(i % 5),
                                          0.4F + 0.01F * static_cast<float>(i % 3), 10, 30, 60});
        }
        p = StepTable(rows);
        SquarePile(p, 14, 0.1F, 30);
        p.OutputFileName = (dir.dir() / "run.dat").string();
    }
    DesignRunResult Run() { return RunDesign(p, inputs, questions); }
};

} // namespace

TEST(DesignRun, CompletedRunFillsTheAnalysisRangeOnly)
{
    RunFixture f;
    const DesignRunResult r = f.Run();
    ASSERT_EQ(r.outcome, DesignOutcome::Completed);
    EXPECT_TRUE(r.ShowResults());
    EXPECT_TRUE(r.exported);
    ASSERT_TRUE(r.message.has_value());
    EXPECT_EQ(r.message->text, "Data was exported to file: " + f.p.OutputFileName);
    EXPECT_EQ(f.questions.tipCalls, 0); // tip far above the last step
    EXPECT_EQ(f.questions.layerCalls, 0);
    EXPECT_EQ(f.p.AutoLayers, True);

    const Project& p = f.p;
    Single previous = 0;
    for (int i = 1; i <= p.NumSteps; ++i) {
        const bool inRange = p.StepDepth[i] > p.PileTopDepth && p.StepDepth[i] <= p.PileTipDepth;
        if (!inRange) {
            EXPECT_EQ(p.LcpcUltimate[i], 0) << i;
            EXPECT_EQ(p.SchmUltimate[i], 0) << i;
            EXPECT_EQ(p.DeRuiterUltimate[i], 0) << i;
            EXPECT_EQ(p.AvgUltimate[i], 0) << i;
            continue;
        }
        EXPECT_GT(p.LcpcEndBearing[i], 0);
        EXPECT_EQ(p.LcpcUltimate[i], p.LcpcEndBearing[i] + p.LcpcFriction[i]);
        // Friction accumulates the step increments in Single.
        EXPECT_EQ(p.LcpcFriction[i], previous + LcpcStepFriction(p, i, nullptr));
        previous = p.LcpcFriction[i];
        EXPECT_EQ(p.AvgEndBearing[i],
                  (p.SchmEndBearing[i] + p.LcpcEndBearing[i] + p.DeRuiterEndBearing[i]) / 3);
        EXPECT_EQ(p.AvgFriction[i], (p.SchmFriction[i] + p.LcpcFriction[i] + p.DeRuiterFriction[i]) / 3);
    }

    // The file: header, then the four tables in order.
    const std::string text = ReadWholeFile(p.OutputFileName);
    const auto lcpc = text.find("\r\nLCPC Method\r\n");
    const auto schm = text.find("\r\nSchmertmann Method\r\n");
    const auto deRuiter = text.find("\r\nde Ruiter and Beringen Method\r\n");
    const auto avg = text.find("\r\nAverage\r\n");
    ASSERT_NE(lcpc, std::string::npos);
    EXPECT_LT(lcpc, schm);
    EXPECT_LT(schm, deRuiter);
    EXPECT_LT(deRuiter, avg);
    EXPECT_EQ(text.substr(0, lcpc), OutputHeaderText(p));
    EXPECT_EQ(text.substr(avg),
              MethodSectionText(p, "Average", p.AvgEndBearing, p.AvgFriction, p.AvgUltimate));
}

TEST(DesignRun, TipAtTheLastStepAsksTheTipOptionAndSkipsDeRuiterThere)
{
    RunFixture f;
    f.p.PileTipDepth = f.p.StepDepth[120];
    f.questions.tip = [](Project& p) { p.TipOption = 1; };
    const DesignRunResult r = f.Run();
    ASSERT_EQ(r.outcome, DesignOutcome::Completed);
    EXPECT_EQ(f.questions.tipCalls, 1);
    EXPECT_EQ(f.p.ExtStepTip[f.p.NumExtSteps], f.p.StepTip[120]);
    // The last step: LCPC and Schmertmann evaluated, de Ruiter never.
    EXPECT_GT(f.p.LcpcUltimate[120], 0);
    EXPECT_GT(f.p.SchmUltimate[120], 0);
    EXPECT_EQ(f.p.DeRuiterUltimate[120], 0);
    EXPECT_EQ(f.p.AvgUltimate[120], (f.p.SchmUltimate[120] + f.p.LcpcUltimate[120] + 0.0F) / 3);
    // ... and the tables stop one step short, while the listings hold it.
    const std::string text = ReadWholeFile(f.p.OutputFileName);
    const std::string last = "\r\n" + ListingForm(f.p.StepDepth[120]);
    const std::string before = "\r\n" + ListingForm(f.p.StepDepth[119]);
    const auto tables = text.find("\r\nLCPC Method\r\n");
    EXPECT_LT(text.find(last), tables);
    EXPECT_EQ(text.find(last, tables), std::string::npos);
    EXPECT_NE(text.find(before, tables), std::string::npos);
}

TEST(DesignRun, BackOnTheTipOptionsOrUnfinishedLayersStopsWithNothingDone)
{
    {
        RunFixture f;
        f.p.PileTipDepth = f.p.StepDepth[118];
        f.questions.tip = [](Project& p) { p.TipOption = kTipOptionBack; };
        const DesignRunResult r = f.Run();
        EXPECT_EQ(r.outcome, DesignOutcome::StoppedAtTipOptions);
        EXPECT_FALSE(r.message.has_value());
        EXPECT_FALSE(std::filesystem::exists(f.p.OutputFileName));
        EXPECT_TRUE(f.p.LcpcEndBearing.empty());
    }
    {
        RunFixture f;
        f.inputs.manualLayers = true;
        f.questions.layers = [](Project&) { return false; };
        const DesignRunResult r = f.Run();
        EXPECT_EQ(r.outcome, DesignOutcome::StoppedAtLayers);
        EXPECT_FALSE(r.ShowResults());
        EXPECT_EQ(f.questions.layerCalls, 1);
        EXPECT_FALSE(std::filesystem::exists(f.p.OutputFileName));
    }
}

TEST(DesignRun, ManualLayersAverageTheFrictionPerLayer)
{
    RunFixture f;
    f.inputs.manualLayers = true;
    f.questions.layers = [](Project& p) {
        SoilLayerEntry entry(p);
        entry.Load();
        entry.SelectNumLayers(2);
        entry.TypeText(1, "15");
        entry.PressNext();
        entry.PressDone();
        return entry.Completed();
    };
    ASSERT_EQ(f.Run().outcome, DesignOutcome::Completed);
    const Project& p = f.p;
    EXPECT_EQ(p.AutoLayers, False);
    // Two steps of the first layer and two of the second: equal increments in each.
    auto increment = [&p](const Array1<Single>& friction, int i) { return friction[i] - friction[i - 1]; };
    // (Schmertmann's sand factor changes with depth, so only LCPC and de Ruiter.)
    for (const Array1<Single>* fr : {&p.LcpcFriction, &p.DeRuiterFriction}) {
        EXPECT_FLOAT_EQ(increment(*fr, 10), increment(*fr, 30));
        EXPECT_FLOAT_EQ(increment(*fr, 60), increment(*fr, 80));
        EXPECT_NE(increment(*fr, 30), increment(*fr, 60));
    }
    // End bearing still uses the steps themselves.
    EXPECT_NE(p.LcpcEndBearing[10], p.LcpcEndBearing[11]);
}

TEST(DesignRun, OutputRefusedStopsBeforeAnyMethod)
{
    RunFixture f;
    f.p.OutputFileName = "";
    const DesignRunResult r = f.Run();
    EXPECT_EQ(r.outcome, DesignOutcome::OutputRefused);
    ASSERT_TRUE(r.message.has_value());
    EXPECT_EQ(r.message->text, kMsgOtherFileFailed);
    EXPECT_EQ(f.p.LcpcUltimate[50], 0);
}

// Failures the run used to end silently on now end it with the analysis message.
TEST(DesignRun, FailuresEndWithTheAnalysisMessage)
{
    struct Case {
        const char* name;
        std::function<void(Project&)> spoil;
    } cases[] = {
        {"extension too long for an Integer", [](Project& p) { p.PileSize = 5000; }},
        {"overflowing capacities",
         [](Project& p) {
             for (int i = 1; i <= p.NumSteps; ++i)
                 p.StepTip[i] = 3e38F;
         }},
        {"no step table", [](Project& p) { p.NumSteps = 0; }},
        {"depths out of order", [](Project& p) { p.StepDepth[5] = 100; }},
    };
    for (const Case& c : cases) {
        RunFixture f;
        f.questions.tip = [](Project& p) { p.TipOption = 0; };
        // The results of an earlier run are in the file the failing run names.
        WriteWholeFile(f.p.OutputFileName, "earlier results\r\n");
        c.spoil(f.p);
        const DesignRunResult r = f.Run();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(r.outcome, DesignOutcome::Failed);
        ASSERT_TRUE(r.message.has_value());
        EXPECT_EQ(r.message->text, kMsgAnalysisError);
        EXPECT_EQ(r.message->icon, MsgIcon::Critical);
        EXPECT_FALSE(r.ShowResults());
        EXPECT_EQ(ReadWholeFile(f.p.OutputFileName), "earlier results\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.dir()), {}), 2)
            << "a part file was left behind";
    }
}

TEST(DesignRun, ACompletedRunReplacesTheEarlierFileWhole)
{
    RunFixture f;
    WriteWholeFile(f.p.OutputFileName, std::string(200000, 'x'));
    ASSERT_EQ(f.Run().outcome, DesignOutcome::Completed);
    const std::string text = ReadWholeFile(f.p.OutputFileName);
    EXPECT_EQ(text.find('x'), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.dir()), {}), 2);

    // Through a link, the file it names is replaced and the link stays.
    RunFixture g;
    const auto real = g.dir.dir() / "real.dat";
    WriteWholeFile(real.string(), "old");
    std::filesystem::create_symlink(real, g.p.OutputFileName);
    ASSERT_EQ(g.Run().outcome, DesignOutcome::Completed);
    EXPECT_TRUE(std::filesystem::is_symlink(g.p.OutputFileName));
    EXPECT_EQ(ReadWholeFile(real.string()), text);
}
