// The "Working" window: opened from the results screen's action or by a click on
// the capacity graph, it shows the recorded working of the step for the visible
// methods, with the values of the results; it copies and prints. The About
// screen's verification report.

#include "DesignFixtures.h"

#include "design/DesignRun.h"
#include "design/Methods.h"
#include "project/NumberText.h"
#include "screenlogic/WorkingView.h"
#include "ui/FakeDialogs.h"
#include "ui/charts/DepthChart.h"
#include "ui/design/FrmPlotResults.h"
#include "ui/design/FrmWorking.h"
#include "ui/shell/FrmAbout.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

// Sample 11, a 14-inch square pile from 10 to 60 ft.
class WorkingScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(DesignSample11(p, dir.filePath("out.dat").toStdString()), DesignOutcome::Completed);
        steps = WorkingSteps(p);
        ASSERT_GT(steps.size(), 100U);
    }

    QTemporaryDir dir;
    Project p;
    FakeDialogs dialogs;
    std::vector<int> steps;
};

} // namespace

TEST_F(WorkingScreenTest, ActionOpensTheTipStepWithTheResultsValues)
{
    FrmPlotResults s(p, dialogs);
    s.findChild<QAction*>("Working")->trigger();
    FrmWorking* w = s.Working();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    const int tip = steps.back();
    EXPECT_EQ(w->Step(), tip);
    auto* list = Find<QComboBox>(*w, "CombDepth");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), static_cast<int>(steps.size()));
    EXPECT_EQ(list->currentText().toStdString(), WorkingStepCaption(p, tip));

    const std::string text = w->PlainText().toStdString();
    for (const char* heading : {"\nSteps\n", "\nLCPC\n", "\nSchmertmann\n", "\nde Ruiter and Beringen\n"})
        EXPECT_NE(text.find(heading), std::string::npos) << heading;
    EXPECT_NE(text.find("    end bearing: " + GeneralForm(p.LcpcEndBearing[tip]) + " tons\n"),
              std::string::npos);
    EXPECT_NE(text.find("    cumulative friction: " + GeneralForm(p.SchmFriction[tip]) + " tons\n"),
              std::string::npos);
    EXPECT_NE(text.find(kWorkingGovernsMark), std::string::npos);
    // The governing values stand out in the window.
    EXPECT_TRUE(Find<QTextBrowser>(*w, "TxtWorking")->toHtml().contains("font-weight:700"));

    // Another depth from the list.
    list->setCurrentIndex(0);
    EXPECT_EQ(w->Step(), steps.front());
    EXPECT_NE(w->PlainText().toStdString().find(GeneralForm(p.LcpcFriction[steps.front()]) + " tons"),
              std::string::npos);
}

TEST_F(WorkingScreenTest, HiddenMethodsAreLeftOutAndClickingTheGraphChoosesTheDepth)
{
    FrmPlotResults s(p, dialogs);
    s.resize(1200, 800);
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    Find<QCheckBox>(s, "LCPCCheck")->click();

    // A click on the graph at the depth of a step of the range.
    const int target = steps[steps.size() / 2];
    DepthChart* chart = s.CapacityChart();
    QChart* c = chart->chart();
    ASSERT_FALSE(c->series().isEmpty());
    QPointF at = c->mapToPosition(QPointF(0, p.StepDepth[target]), c->series().first());
    at.setX(c->plotArea().center().x());
    const QPoint viewportPos = chart->mapFromScene(c->mapToScene(at));
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, viewportPos);

    FrmWorking* w = s.Working();
    ASSERT_NE(w, nullptr);
    EXPECT_LE(std::abs(w->Step() - target), 1);
    const std::string text = w->PlainText().toStdString();
    EXPECT_EQ(text.find("\nLCPC\n"), std::string::npos);
    EXPECT_NE(text.find("\nSchmertmann\n"), std::string::npos);

    // Ticking it again brings it back into the open window.
    Find<QCheckBox>(s, "LCPCCheck")->click();
    EXPECT_NE(w->PlainText().toStdString().find("\nLCPC\n"), std::string::npos);
}

TEST_F(WorkingScreenTest, CopiesPrintsAndRefusesResultsOfOtherInputs)
{
    dialogs.pdfPath = dir.filePath("working.pdf");
    {
        FrmPlotResults s(p, dialogs);
        s.ShowWorking(steps[5]);
        FrmWorking* w = s.Working();
        ASSERT_NE(w, nullptr);
        Find<QPushButton>(*w, "CmdCopy")->click();
        EXPECT_EQ(QApplication::clipboard()->text(), w->PlainText());
        Find<QPushButton>(*w, "CmdPrint")->click();
        EXPECT_EQ(dialogs.printCount, 1);
        EXPECT_GT(QFileInfo(dialogs.pdfPath).size(), 0);
    }
    // The pile tip moved after the run: the results shown are not those of the
    // inputs now, and the window says so instead of showing other numbers.
    p.PileTipDepth = 40;
    FrmPlotResults s(p, dialogs);
    s.ShowWorking(steps[5]);
    EXPECT_EQ(s.Working()->PlainText(), QString::fromUtf8(kMsgWorkingStale).trimmed());
}

TEST(FrmAboutVerification, ShowsTheReportWithEveryCasePassing)
{
    FrmAbout about;
    Find<QPushButton>(about, "CmdVerification")->click();
    auto* report = about.findChild<QDialog*>("FrmVerification");
    ASSERT_NE(report, nullptr);
    const QString text = Find<QPlainTextEdit>(*report, "TxtVerification")->toPlainText();
    EXPECT_TRUE(text.contains("PASS L1  "));
    EXPECT_TRUE(text.contains("Verification passed: "));
    EXPECT_FALSE(text.contains("FAIL "));
}
