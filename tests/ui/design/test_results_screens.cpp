// The results screen and the correction screen on the results of a real run.

#include "DesignFixtures.h"

#include "design/DesignRun.h"
#include "results/Corrections.h"
#include "results/CsvExport.h"
#include "screenlogic/PileChecks.h"
#include "ui/FakeDialogs.h"
#include "ui/charts/DepthChart.h"
#include "ui/design/FrmCorrection.h"
#include "ui/design/FrmPlotResults.h"
#include "ui/plots/FrmPlotConeData.h"
#include "ui/plots/FrmPlotSoil.h"

#include <QAction>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

// Sample 11 designed for a 14-inch square pile from 10 to 60 ft.
class ResultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(DesignSample11(p, dir.filePath("out.dat").toStdString()), DesignOutcome::Completed);
        ASSERT_GT(p.NumSteps, 100);
    }

    // Number of drawn points of a capacity series.
    static int Drawn(const FrmPlotResults& s, int series) { return s.CapacityChart()->Points(series).size(); }

    int Inside() const
    {
        int n = 0;
        for (int i = 1; i <= p.NumSteps; ++i)
            n += p.LcpcEndBearing[i] != 0 ? 1 : 0;
        return n;
    }

    QTemporaryDir dir;
    Project p;
    FakeDialogs dialogs;
};

QAction* Key(QWidget& w, const char* key)
{
    return w.findChild<QAction*>(key);
}

} // namespace

TEST_F(ResultsTest, LoadShowsEveryTickedMethod)
{
    p.CorrectionState = 2;
    p.EndBearingFactor = 3;
    FrmPlotResults s(p, dialogs);
    EXPECT_EQ(s.windowTitle().toStdString(), "CPT Data -  File:  " + p.DataFileName);
    EXPECT_EQ(p.CorrectionState, 0);
    EXPECT_EQ(p.EndBearingFactor, 1.0F);
    EXPECT_EQ(p.CapacityMode, 0);
    EXPECT_EQ(Find<QLabel>(s, "Label1(0)")->text(), "Pile Shape: Square");
    EXPECT_EQ(Find<QLabel>(s, "Label1(1)")->text(), "Pile Diameter: 14");
    EXPECT_EQ(Find<QLineEdit>(s, "TxtProjNum")->text(), "PN-4711");
    EXPECT_EQ(Find<QLineEdit>(s, "TxtElevation")->text(), "");

    const DepthChart* chart = s.CapacityChart();
    EXPECT_EQ(chart->DepthTitle(), "Depth (ft)");
    EXPECT_EQ(chart->ValueTitle(), "Predicted Pile Capacity (tons)");
    EXPECT_EQ(chart->Legend(5), "de Ruiter and Beringen Ultimate Capacity");
    for (int sr = 0; sr < 8; ++sr)
        EXPECT_TRUE(s.State().SeriesVisible(sr)) << sr;
    // Steps outside the pile carry 0 and are not drawn.
    EXPECT_EQ(Drawn(s, 0), Inside());
    EXPECT_GT(Inside(), 100);
    EXPECT_LT(Inside(), p.NumSteps / 2);
    EXPECT_EQ(Find<QLabel>(s, "SeriesText(2)")->text(), "Schmertmann  End Bearing");
    EXPECT_EQ(s.SoilChart()->PointCount(), p.NumSteps);
    EXPECT_EQ(s.SoilChart()->Legend(0), "% Sand");
}

// A method not ticked on the design screen: no curves, no rows, a disabled box.
TEST_F(ResultsTest, VisibilityAndCaptions)
{
    FrmPlotResults s(p, dialogs, [] { return std::array<int, 4>{1, 2, 0, 1}; });
    for (const char* name : {"SchmertCheck", "DeRuiterCheck"}) {
        auto* box = Find<QCheckBox>(s, name);
        EXPECT_FALSE(box->isChecked()) << name;
        EXPECT_FALSE(box->isEnabled()) << name;
    }
    EXPECT_TRUE(Find<QCheckBox>(s, "LCPCCheck")->isEnabled());
    auto rowShown = [&](int i) { return !Find<QWidget>(s, QString("LegendRow(%1)").arg(i))->isHidden(); };
    for (int i : {2, 3, 4, 5}) {
        EXPECT_FALSE(rowShown(i)) << i;
        EXPECT_FALSE(s.State().SeriesVisible(i)) << i;
    }
    EXPECT_TRUE(rowShown(0));
    EXPECT_TRUE(rowShown(7));

    // Ultimate off hides the four ultimate curves; on again shows the ticked ones.
    Find<QCheckBox>(s, "UltimateCheck")->click();
    for (int i : {1, 3, 5, 7})
        EXPECT_FALSE(rowShown(i)) << i;
    Find<QCheckBox>(s, "LCPCCheck")->click();
    EXPECT_FALSE(rowShown(0));
    Find<QRadioButton>(s, "CapacityOption(1)")->click();
    EXPECT_EQ(p.CapacityMode, 1);
    Find<QCheckBox>(s, "UltimateCheck")->click();
    EXPECT_TRUE(rowShown(7));
    EXPECT_FALSE(rowShown(1));
    // The method ticked again shows friction, the capacity now chosen.
    Find<QCheckBox>(s, "LCPCCheck")->click();
    EXPECT_TRUE(rowShown(0));
    const auto points = s.CapacityChart()->Points(0);
    ASSERT_FALSE(points.isEmpty());
    int deepest = 0;
    for (int i = 1; i <= p.NumSteps; ++i)
        if (p.LcpcFriction[i] != 0)
            deepest = i;
    EXPECT_FLOAT_EQ(static_cast<float>(points.last().y()), p.LcpcFriction[deepest]);

    EXPECT_EQ(Find<QLabel>(s, "SeriesText(0)")->text(), "LCPC Frictional Capacity");
    EXPECT_EQ(Find<QLabel>(s, "SeriesText(6)")->text(), "Avg Frictional Capacity");
    Find<QRadioButton>(s, "CapacityOption(0)")->click();
    EXPECT_EQ(Find<QLabel>(s, "SeriesText(6)")->text(), "Avg End Bearing");
    EXPECT_EQ(Find<QLabel>(s, "SeriesText(8)")->text(), "LCPC ");
}

// Hovering the graph shows the depth under the cursor and the capacities there.
TEST_F(ResultsTest, HoverShowsDepthAndCapacity)
{
    FrmPlotResults s(p, dialogs);
    s.resize(1400, 900);
    s.show();
    QTest::qWait(50);
    QChart* chart = s.CapacityChart()->chart();
    ASSERT_FALSE(chart->series().isEmpty());
    int step = 0;
    for (int i = 1; i <= p.NumSteps; ++i)
        if (p.StepDepth[i] > 30 && step == 0)
            step = i;
    const QPointF inChart = chart->mapToPosition(QPointF(50, p.StepDepth[step]), chart->series().first());
    const QPoint pos = s.CapacityChart()->mapFromScene(chart->mapToScene(inChart));
    const QString text = s.HoverTextAt(pos);
    const QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 9) << text.toStdString();
    EXPECT_TRUE(lines[0].startsWith("Depth (ft): ")) << text.toStdString();
    EXPECT_NEAR(lines[0].mid(12).toDouble(), p.StepDepth[step], 0.1);
    EXPECT_TRUE(lines[1].startsWith("LCPC End Bearing: ")) << text.toStdString();
    EXPECT_TRUE(s.HoverTextAt(QPoint(1, 1)).isEmpty());
}

TEST_F(ResultsTest, ToggleAndElevation)
{
    FrmPlotResults s(p, dialogs);
    Key(s, "Toggle")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].text, " Elevation data was not entered in Project Information Form ");
    EXPECT_EQ(dialogs.messages[0].caption, " Data Plot Message");
    EXPECT_EQ(p.DepthAxisMode, 1);

    p.GroundElevation = 10;
    FrmPlotResults e(p, dialogs);
    Key(e, "Toggle")->trigger();
    EXPECT_EQ(p.DepthAxisMode, -1);
    EXPECT_EQ(e.CapacityChart()->DepthTitle(), "Elevation (ft)");
    const auto pts = e.CapacityChart()->Points(0);
    ASSERT_FALSE(pts.isEmpty());
    int first = 0;
    for (int i = p.NumSteps; i >= 1; --i)
        if (p.LcpcEndBearing[i] != 0)
            first = i;
    EXPECT_FLOAT_EQ(static_cast<float>(pts.first().x()), 10.0F - p.StepDepth[first]);
    // The soil graph stays in depth.
    EXPECT_GT(e.SoilChart()->Points(0).first().x(), 100);
    p.DepthAxisMode = 1;
}

TEST_F(ResultsTest, PrintsHeaderLegendAndChart)
{
    FrmPlotResults s(p, dialogs);
    s.resize(1400, 900);
    dialogs.pdfPath = dir.filePath("results.pdf");
    Key(s, "Print")->trigger();
    ASSERT_EQ(dialogs.printCount, 1);
    QProcess text;
    text.start("pdftotext", {"-layout", dialogs.pdfPath, "-"});
    ASSERT_TRUE(text.waitForFinished(30000)) << "pdftotext (poppler-utils) must be installed";
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"Project Number:", "PN-4711", "Title: Bridge over Bayou Teche",
                                 "Parish:", "End Bearing & Ultimate Capacity", "Pile Diameter: 14", "Square",
                                 "CPT No:", "Predicted Pile Capacity (tons)"})
        EXPECT_TRUE(page.contains(expected)) << expected << "\n" << page.toStdString();
    EXPECT_FALSE(Find<QLabel>(s, "Picture2")->pixmap().isNull());
}

namespace {
// Where pdftotext finds the first occurrence of a word on the page (points).
QRectF WordBox(const QString& pdf, const QString& word)
{
    QProcess run;
    run.start("pdftotext", {"-bbox", pdf, "-"});
    if (!run.waitForFinished(30000))
        return {};
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    const QString pattern = QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">%1</word>)re");
    const QRegularExpression re(pattern.arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch m = re.match(html);
    if (!m.hasMatch())
        return {};
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}
} // namespace

// The results page is laid out as the cone and soil plot pages: the header
// starts at the same place on all three.
TEST_F(ResultsTest, PrintedPageHasThePlotPagesGeometry)
{
    FrmPlotResults results(p, dialogs);
    results.resize(1400, 900);
    dialogs.pdfPath = dir.filePath("results.pdf");
    Key(results, "Print")->trigger();
    const QRectF onResults = WordBox(dialogs.pdfPath, "Project");

    FrmPlotConeData cone(p, dialogs);
    cone.resize(1400, 900);
    dialogs.pdfPath = dir.filePath("cone.pdf");
    Key(cone, "Print")->trigger();
    const QRectF onCone = WordBox(dialogs.pdfPath, "Project");

    FrmPlotSoil soil(p, dialogs);
    soil.resize(1400, 900);
    dialogs.pdfPath = dir.filePath("soil.pdf");
    Key(soil, "Print")->trigger();
    const QRectF onSoil = WordBox(dialogs.pdfPath, "Project");

    ASSERT_EQ(dialogs.printCount, 3);
    ASSERT_FALSE(onCone.isNull());
    EXPECT_NEAR(onResults.left(), onCone.left(), 0.5);
    EXPECT_NEAR(onResults.top(), onCone.top(), 0.5);
    EXPECT_NEAR(onSoil.left(), onCone.left(), 0.5);
    EXPECT_NEAR(onSoil.top(), onCone.top(), 0.5);
}

TEST_F(ResultsTest, ExitAndMovesAreSignals)
{
    FrmPlotResults s(p, dialogs);
    int back = 0, correction = 0, exit = 0;
    QObject::connect(&s, &FrmPlotResults::backRequested, [&] { ++back; });
    QObject::connect(&s, &FrmPlotResults::correctionRequested, [&] { ++correction; });
    QObject::connect(&s, &FrmPlotResults::exitRequested, [&] { ++exit; });
    for (const char* key : {"Back", "Correction", "Exit"})
        Key(s, key)->trigger();
    EXPECT_EQ(back + correction + exit, 3);
    EXPECT_EQ(Key(s, "Toggle")->text(), "Depth / Elevation");
    EXPECT_EQ(Key(s, "Correction")->text(), "Correction Factor");
}

// The correction table end to end: overlapping ranges (the later row wins),
// zero factors leave gaps, reopening after Submit and after Cancel.
TEST_F(ResultsTest, CorrectionTable)
{
    FrmPlotResults results(p, dialogs);
    auto open = [&] {
        auto* c = new FrmCorrection(p, dialogs);
        QObject::connect(c, &FrmCorrection::correctionsApplied, &results,
                         [&] { results.PlotCapacity(p.CapacityMode); });
        c->setAttribute(Qt::WA_DeleteOnClose);
        c->show();
        return c;
    };

    FrmCorrection* c = open();
    EXPECT_EQ(c->windowTitle(), "Correction Factor");
    QTableWidget* grid = c->Table();
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "No.");
    EXPECT_EQ(grid->horizontalHeaderItem(4)->text(), "Frictional capacity Factor");
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_FALSE(grid->isEnabled());
    EXPECT_EQ(p.CorrectionState, kWholeDepthCorrection);

    Find<QRadioButton>(*c, "CorrectionOption(1)")->click();
    EXPECT_TRUE(grid->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(*c, "EndText")->isEnabled());
    auto* combo = Find<QComboBox>(*c, "ComboSoil");
    auto choose = [&](int rows) {
        combo->setCurrentIndex(rows - 1);
        emit combo->activated(rows - 1);
    };
    choose(3);
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(2, 0)->text(), "3");
    choose(2);
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(c->Form().RowCount(), 2);

    const char* cells[2][4] = {{"0", "30", "1.2", "0.8"}, {"20", "40", "0", "1"}};
    auto* editor = Find<QLineEdit>(*c, "txtFlexGridCell");
    for (int r = 1; r <= 2; ++r)
        for (int col = 1; col <= 4; ++col) {
            c->EditCell(r, col);
            EXPECT_TRUE(editor->isVisible());
            editor->clear();
            QTest::keyClicks(editor, cells[r - 1][col - 1]);
        }
    EXPECT_EQ(grid->item(1, 2)->text(), "40");
    // Keyboard entry: typing on a cell replaces it; Tab moves on.
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    QTest::keyClicks(grid, "5");
    EXPECT_EQ(c->Form().Cell(1, 1), "5");
    QTest::keyClick(editor, Qt::Key_Tab);
    QTest::keyClicks(editor, "35");
    EXPECT_EQ(c->Form().Cell(1, 2), "35");
    EXPECT_EQ(grid->item(0, 2)->text(), "35");
    QTest::keyClick(editor, Qt::Key_Backtab);
    QTest::keyClicks(editor, "0");
    QTest::keyClick(editor, Qt::Key_Tab);
    QTest::keyClicks(editor, "30");
    EXPECT_EQ(c->Form().Cell(1, 1), "0");
    EXPECT_EQ(c->Form().Cell(1, 2), "30");
    QTest::mouseClick(Find<QPushButton>(*c, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(p.CorrectionState, kRangeCorrection);
    EXPECT_EQ(p.HistList8().Count(), 2);

    for (int i = 1; i <= p.NumSteps; ++i) {
        const Single d = p.StepDepth[i];
        const Single eb = d >= 20 && d <= 40 ? 0.0F
                          : d <= 30          ? static_cast<Single>(1.2F * double(p.LcpcEndBearing[i]))
                                             : p.LcpcEndBearing[i];
        ASSERT_EQ(p.CorrLcpcEndBearing[i], eb) << d;
        ASSERT_EQ(p.CorrLcpcUltimate[i], p.CorrLcpcEndBearing[i] + p.CorrLcpcFriction[i]);
    }
    // The zeroed stretch leaves no points of the end-bearing curve there.
    for (const QPointF& pt : results.CapacityChart()->Points(0))
        EXPECT_FALSE(pt.x() >= 20.0 && pt.x() <= 40.0) << pt.x();

    c = open();
    combo = Find<QComboBox>(*c, "ComboSoil");
    EXPECT_EQ(combo->currentText(), "2");
    EXPECT_EQ(c->Table()->rowCount(), 2);
    EXPECT_EQ(c->Table()->item(1, 1)->text(), "20");
    EXPECT_EQ(c->Table()->item(0, 3)->text(), "1.2");
    EXPECT_TRUE(Find<QRadioButton>(*c, "CorrectionOption(1)")->isChecked());
    Find<QPushButton>(*c, "Command1")->click();
    EXPECT_EQ(p.CorrectionState, kNoCorrection);

    c = open();
    EXPECT_EQ(c->Table()->rowCount(), 1);
    EXPECT_EQ(c->Table()->item(0, 1)->text(), "");
    EXPECT_TRUE(Find<QRadioButton>(*c, "CorrectionOption(0)")->isChecked());

    // Whole-depth factors, and a refused entry keeps the screen open.
    auto* end = Find<QLineEdit>(*c, "EndText");
    end->clear();
    QTest::keyClicks(end, "-1");
    Find<QPushButton>(*c, "Command2")->click();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].text, "Negative numbers are not allowed for correction factor");
    EXPECT_TRUE(c->isVisible());
    end->clear();
    QTest::keyClicks(end, "2");
    Find<QPushButton>(*c, "Command2")->click();
    EXPECT_EQ(p.CorrectionState, kWholeDepthCorrection);
    const auto pts = results.CapacityChart()->Points(0);
    ASSERT_FALSE(pts.isEmpty());
    int first = 0;
    for (int i = p.NumSteps; i >= 1; --i)
        if (p.LcpcEndBearing[i] != 0)
            first = i;
    EXPECT_FLOAT_EQ(static_cast<float>(pts.first().y()), static_cast<float>(2.0 * p.LcpcEndBearing[first]));

    // Closing by the frame drops the correction, as Cancel does.
    c = open();
    c->close();
    EXPECT_EQ(p.CorrectionState, kNoCorrection);
}

// "Export CSV" offers a name beside the run's output file and writes the design
// values, or the corrected ones exactly while corrections are in force (their
// headings and the offered name say so); Cancel after a correction drops it.
TEST_F(ResultsTest, ExportCsvWritesTheValuesInForce)
{
    FrmPlotResults results(p, dialogs);
    QAction* action = Key(results, "ExportCsv");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "Export CSV");
    EXPECT_FALSE(action->icon().isNull());

    auto correct = [&](const char* endFactor, bool submit) {
        FrmCorrection c(p, dialogs);
        auto* end = Find<QLineEdit>(c, "EndText");
        end->clear();
        QTest::keyClicks(end, endFactor);
        Find<QPushButton>(c, submit ? "Command2" : "Command1")->click();
    };
    struct Case {
        const char* name;
        std::function<void()> before;
        bool corrected;
    } cases[] = {
        {"design", [] {}, false},
        {"whole-depth", [&] { correct("2", true); }, true},
        {"cancelled", [&] { correct("3", false); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.before();
        dialogs.messages.clear();
        dialogs.saveRequests.clear();
        const QString file = dir.filePath(QString("%1.csv").arg(c.name));
        dialogs.saveResults = {file};
        action->trigger();

        ASSERT_EQ(dialogs.saveRequests.size(), 1U);
        const SaveFileRequest& asked = dialogs.saveRequests[0];
        EXPECT_EQ(asked.title, "Export CSV");
        EXPECT_EQ(asked.startDir, QDir(dir.path()).absolutePath());
        EXPECT_EQ(asked.fileName, c.corrected ? "Output-corrected.csv" : "Output.csv");
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages[0], InfoMessage("Step values were written to file: " + file.toStdString(),
                                                   " Data Export to Text File"));

        const std::string written = ReadWholeFile(file);
        EXPECT_TRUE(written == CsvText(p, DefaultMethods(), c.corrected)) << written.substr(0, 200);
        const std::string heading = written.substr(0, written.find('\n'));
        EXPECT_EQ(heading.find(",Corr") != std::string::npos, c.corrected) << heading;
        EXPECT_GT(std::count(written.begin(), written.end(), '\n'), p.NumSteps);
    }
    // The corrected file really holds other values than the design one.
    auto rows = [&](const char* name) {
        const std::string text = ReadWholeFile(dir.filePath(name));
        return text.substr(text.find('\n'));
    };
    EXPECT_NE(rows("whole-depth.csv"), rows("design.csv"));
    EXPECT_EQ(rows("cancelled.csv"), rows("design.csv"));
}

// Cancelling the dialog writes nothing and says nothing; a folder that does not
// exist is reported and nothing is left behind.
TEST_F(ResultsTest, ExportCsvCancelledOrRefused)
{
    FrmPlotResults results(p, dialogs);
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    dialogs.saveResults = {std::nullopt};
    Key(results, "ExportCsv")->trigger();
    EXPECT_EQ(dialogs.saveRequests.size(), 1U);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);

    const std::string missing = dir.filePath("no-such-folder/values.csv").toStdString();
    dialogs.saveResults = {QString::fromStdString(missing)};
    Key(results, "ExportCsv")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], CriticalMessage("Could not write to file: " + missing));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("no-such-folder")));
}

#ifdef QUARVEX_BATCH
// The desktop's design export is the batch command's --csv file for the same run.
TEST_F(ResultsTest, ExportCsvIsTheBatchCsv)
{
    FrmPlotResults results(p, dialogs);
    const QString screenFile = dir.filePath("screen.csv");
    dialogs.saveResults = {screenFile};
    Key(results, "ExportCsv")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1U);

    const QString batchFile = dir.filePath("batch.csv");
    QStringList args = BatchProjectArgs(p);
    args << "--shape=square"
         << "--size=14"
         << "--top=10"
         << "--tip=60"
         << "--tip-option=1"
         << "--output=" + dir.filePath("batch.dat") << "--csv=" + batchFile;
    ASSERT_EQ(RunBatch(args), "");
    const std::string fromScreen = ReadWholeFile(screenFile);
    ASSERT_GT(fromScreen.size(), 1000U);
    EXPECT_TRUE(fromScreen == ReadWholeFile(batchFile)) << "the two CSV files differ";
    // The same run: the output files agree as well.
    EXPECT_TRUE(ReadWholeFile(QString::fromStdString(p.OutputFileName)) ==
                ReadWholeFile(dir.filePath("batch.dat")));
}
#endif
