// The results screen with a design load: the summary list, the design curves,
// the report; and without one, none of them.

#include "DesignFixtures.h"

#include "design/DesignBasis.h"
#include "design/DesignReport.h"
#include "design/DesignRun.h"
#include "design/Methods.h"
#include "project/NumberText.h"
#include "screenlogic/DesignView.h"
#include "ui/FakeDialogs.h"
#include "ui/charts/DepthChart.h"
#include "ui/design/FrmCorrection.h"
#include "ui/design/FrmPlotResults.h"

#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

DesignBasis Asd(Single load)
{
    DesignBasis b;
    b.load = load;
    for (const MethodEntry& m : DefaultMethods())
        b.methods.push_back(MethodFactor{m.key, m.name, 2.5F});
    return b;
}

// Sample 11 designed for a 14-inch square pile from 10 to 60 ft.
class ResultsDesignTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(DesignSample11(p, dir.filePath("out.dat").toStdString()), DesignOutcome::Completed);
        ASSERT_GT(p.NumSteps, 100);
        // The pile tip step the tables list: the deepest one within 60 ft.
        for (int i = 1; i <= p.NumSteps - 1; ++i)
            if (p.StepDepth[i] > 10 && p.StepDepth[i] <= 60)
                tip = i;
        ASSERT_GT(tip, 0);
    }

    static QAbstractSeries* Series(const FrmPlotResults& s, const QString& name)
    {
        for (QAbstractSeries* series : s.CapacityChart()->chart()->series())
            if (series->objectName() == name)
                return series;
        return nullptr;
    }
    static QStringList Summary(FrmPlotResults& s)
    {
        QStringList lines;
        auto* list = Find<QListWidget>(s, "LstDesignSummary");
        for (int i = 0; list != nullptr && i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }

    QTemporaryDir dir;
    Project p;
    FakeDialogs dialogs;
    int tip = 0;
};

} // namespace

// Without a design load the screen is what it always was: no list, no report
// action, only the capacity series.
TEST_F(ResultsDesignTest, WithoutLoadNothingIsAdded)
{
    KeepDesignBasis(p, std::nullopt);
    FrmPlotResults s(p, dialogs);
    EXPECT_EQ(Find<QListWidget>(s, "LstDesignSummary"), nullptr);
    EXPECT_EQ(s.findChild<QAction*>("SaveReport"), nullptr);
    EXPECT_FALSE(s.Decision());
    for (QAbstractSeries* series : s.CapacityChart()->chart()->series())
        EXPECT_TRUE(series->objectName().isEmpty()) << series->objectName().toStdString();
}

// A load the piles carry: per method the capacity at the tip is ultimate / FS
// there, and a load beyond every capacity is not reached anywhere.
TEST_F(ResultsDesignTest, SummaryRowsPerMethod)
{
    const Single atTip = DesignCapacity(Basis::Allowable, 2.5F, p.LcpcUltimate[tip]);
    ASSERT_GT(atTip, 1);
    struct Case {
        Single load;
        bool passes;
    } cases[] = {{atTip / 2, true}, {1e6F, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.load);
        KeepDesignBasis(p, Asd(c.load));
        FrmPlotResults s(p, dialogs);
        const QStringList lines = Summary(s);
        ASSERT_EQ(lines.size(), 6);
        EXPECT_TRUE(
            lines[0].startsWith(QString::fromStdString("Design load " + GeneralForm(c.load) + " tons, ASD")))
            << lines[0].toStdString();
        const std::string lcpc = lines[1].toStdString();
        EXPECT_EQ(lcpc.rfind("LCPC: FS 2.5, required tip depth ", 0), 0U) << lcpc;
        EXPECT_NE(lcpc.find("allowable capacity at the tip " + GeneralForm(atTip) + " tons"),
                  std::string::npos)
            << lcpc;
        EXPECT_EQ(lcpc.find(kNotReached) == std::string::npos, c.passes) << lcpc;
        for (int k = 1; k <= 4; ++k)
            EXPECT_TRUE(lines[k].endsWith(c.passes ? ", pass" : ", fail")) << lines[k].toStdString();
        EXPECT_EQ(lines[5].startsWith("Every method carries"), c.passes);
        ASSERT_TRUE(s.Decision());
        EXPECT_EQ(s.Decision()->tipStep, tip);
    }
}

// The design curves: one dashed curve per method in its colour over the steps
// with a capacity, the required tip marked where reached, the vertical line at
// the required value; all following the method boxes.
TEST_F(ResultsDesignTest, CurvesFollowTheMethods)
{
    const Single load = DesignCapacity(Basis::Allowable, 2.5F, p.AvgUltimate[tip]) / 2;
    KeepDesignBasis(p, Asd(load));
    FrmPlotResults s(p, dialogs, [] { return std::array<int, 4>{1, 1, 0, 1}; });
    int withCapacity = 0;
    for (int i = 1; i <= p.NumSteps; ++i)
        withCapacity += p.LcpcUltimate[i] != 0 ? 1 : 0;

    auto* lcpc = qobject_cast<QLineSeries*>(Series(s, "DesignCapacity(0)"));
    ASSERT_NE(lcpc, nullptr);
    EXPECT_EQ(lcpc->count(), withCapacity);
    EXPECT_EQ(lcpc->pen().style(), Qt::DashLine);
    EXPECT_EQ(lcpc->pen().color(), QColor(0, 0, 255));
    EXPECT_FLOAT_EQ(static_cast<float>(lcpc->at(0).x()), p.LcpcUltimate[s.Decision()->range.first] / 2.5F);
    EXPECT_EQ(qobject_cast<QLineSeries*>(Series(s, "DesignCapacity(3)"))->pen().color(), QColor(255, 0, 255));

    auto* line = qobject_cast<QLineSeries*>(Series(s, "RequiredLine"));
    ASSERT_NE(line, nullptr);
    ASSERT_EQ(line->count(), 2);
    EXPECT_EQ(line->at(0).x(), static_cast<double>(load));
    EXPECT_EQ(line->at(1).x(), static_cast<double>(load));

    const MethodDecision& m0 = s.Decision()->methods[0];
    ASSERT_TRUE(m0.Reached());
    auto* mark = qobject_cast<QScatterSeries*>(Series(s, "RequiredTip(0)"));
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->at(0).y(), static_cast<double>(m0.requiredDepth));

    // Not selected on the design screen: hidden; unticked here: hidden.
    EXPECT_FALSE(Series(s, "DesignCapacity(2)")->isVisible());
    EXPECT_TRUE(lcpc->isVisible());
    Find<QCheckBox>(s, "LCPCCheck")->click();
    EXPECT_FALSE(lcpc->isVisible());
    EXPECT_FALSE(mark->isVisible());
    Find<QCheckBox>(s, "LCPCCheck")->click();
    EXPECT_TRUE(lcpc->isVisible());
}

// While corrections are in force the decision takes the corrected ultimates.
TEST_F(ResultsDesignTest, CorrectionsChangeTheDecision)
{
    KeepDesignBasis(p, Asd(20));
    FrmPlotResults s(p, dialogs);
    const Single before = s.Decision()->methods[0].tipCapacity;
    FrmCorrection c(p, dialogs);
    auto* end = Find<QLineEdit>(c, "EndText");
    end->clear();
    QTest::keyClicks(end, "3");
    Find<QPushButton>(c, "Command2")->click();
    s.PlotCapacity(p.CapacityMode);

    ASSERT_GE(p.CorrectionState, 1);
    const Single after = s.Decision()->methods[0].tipCapacity;
    EXPECT_EQ(after, DesignCapacity(Basis::Allowable, 2.5F, p.CorrLcpcUltimate[tip]));
    EXPECT_GT(after, before);
    EXPECT_NE(Summary(s)[1].toStdString().find(GeneralForm(after)), std::string::npos);
}

// "Save design report": offered beside the output file, writes the report of
// the decision shown; a cancel says nothing, a refused file says so.
TEST_F(ResultsDesignTest, SaveReport)
{
    KeepDesignBasis(p, Asd(30));
    FrmPlotResults s(p, dialogs);
    QAction* action = s.findChild<QAction*>("SaveReport");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "Save design report");

    const QString file = dir.filePath("report.md");
    dialogs.saveResults = {file, std::nullopt, dir.filePath("no-such-folder/r.md")};
    action->trigger();
    ASSERT_EQ(dialogs.saveRequests.size(), 1U);
    EXPECT_EQ(dialogs.saveRequests[0].fileName, "Output-design.md");
    EXPECT_EQ(dialogs.saveRequests[0].startDir, QDir(dir.path()).absolutePath());
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], InfoMessage("The design report was written to file: " + file.toStdString(),
                                               " Data Export to Text File"));
    const std::string report = ReadWholeFile(file);
    EXPECT_EQ(report, DesignReportText(p, *s.Decision()));
    EXPECT_NE(report.find("| Design load Q | 30 tons"), std::string::npos);

    action->trigger();
    EXPECT_EQ(dialogs.messages.size(), 1U);
    action->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2U);
    EXPECT_EQ(dialogs.messages[1], CriticalMessage("Could not write to file: " +
                                                   dir.filePath("no-such-folder/r.md").toStdString()));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("no-such-folder")));
}

// The printed page carries the basis and the summary with a load, and neither
// without one.
TEST_F(ResultsDesignTest, PrintedPageCarriesTheSummary)
{
    for (const bool withLoad : {true, false}) {
        SCOPED_TRACE(withLoad);
        KeepDesignBasis(p, withLoad ? std::optional<DesignBasis>(Asd(30)) : std::nullopt);
        FakeDialogs d;
        FrmPlotResults s(p, d);
        s.resize(1400, 900);
        d.pdfPath = dir.filePath(withLoad ? "with.pdf" : "without.pdf");
        s.findChild<QAction*>("Print")->trigger();
        ASSERT_EQ(d.printCount, 1);
        QProcess text;
        text.start("pdftotext", {"-layout", d.pdfPath, "-"});
        ASSERT_TRUE(text.waitForFinished(30000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_EQ(page.contains("Design load 30 tons"), withLoad) << page.toStdString();
        EXPECT_EQ(page.contains("de Ruiter and Beringen: FS 2.5"), withLoad);
        EXPECT_EQ(page.contains("required tip depth"), withLoad);
    }
}
