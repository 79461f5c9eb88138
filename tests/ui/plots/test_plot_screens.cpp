// The cone data and soil classification plot screens, driven as a user would
// (offscreen, with scripted dialogs).

#include "PlotFixtures.h"
#include "screenlogic/PlotLogic.h"
#include "ui/FakeDialogs.h"
#include "ui/charts/DepthChart.h"
#include "ui/plots/FrmPlotConeData.h"
#include "ui/plots/FrmPlotSoil.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace quarvex;
using quarvex::testing::MakeSounding;

namespace {

QString PdfText(const QString& pdf)
{
    QProcess run;
    run.start("pdftotext", {"-layout", pdf, "-"});
    if (!run.waitForFinished(20000))
        return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

template <class Screen> QStringList ToolbarCaptions(Screen& screen, QStringList* keys)
{
    QStringList captions;
    auto* bar = screen.template findChild<QToolBar*>("Toolbar1");
    for (QAction* a : bar->actions()) {
        captions << a->text();
        keys->append(a->objectName());
    }
    return captions;
}

template <class Screen> void Trigger(Screen& screen, const char* key)
{
    auto* bar = screen.template findChild<QToolBar*>("Toolbar1");
    for (QAction* a : bar->actions())
        if (a->objectName() == key)
            a->trigger();
}

template <class Screen> void ShowScreen(Screen& screen)
{
    screen.resize(1400, 900);
    screen.show();
    QApplication::processEvents();
}

// A 100 ft sounding: reading j at j/4 ft, with a bad tip and a negative sleeve.
Project ConeProject()
{
    Project p = MakeSounding(400);
    p.TipData[3] = -2.0F;
    p.SleeveData[4] = -0.5F;
    p.SleeveData[5] = 30.0F; // ratio above 20: capped
    return p;
}

} // namespace

TEST(FrmPlotConeData, LoadingCleansAndDrawsTheThreeGraphs)
{
    Project p = ConeProject();
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    ShowScreen(screen);

    EXPECT_EQ(screen.windowTitle(), "CPT Data -  File:  /data/test sounding.txt");
    EXPECT_EQ(p.TipData[3], 1.0F);
    EXPECT_EQ(p.SleeveData[4], 0.0F);
    EXPECT_EQ(p.RatioData[5], 20.0F);
    EXPECT_EQ(screen.PlotCount(), 400);
    EXPECT_EQ(screen.MaxTip(), 69.0F);

    auto* combo = screen.findChild<QComboBox*>("Combo1");
    ASSERT_NE(combo, nullptr);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    EXPECT_EQ(items, QStringList({"0", "16", "32", "48", "64", "80", "96", "100"}));
    EXPECT_NE(screen.findChild<QPushButton*>("Command1"), nullptr);
    EXPECT_EQ(screen.findChild<QPushButton*>("Command1")->text(), "Depth");
    EXPECT_EQ(screen.findChild<QLineEdit*>("TxtProjNum")->text(), "PN-4711");
    EXPECT_EQ(screen.findChild<QLineEdit*>("TxtElevation")->text(), "");

    const QString titles[] = {QString::fromUtf8(" Tip Resistance (ton/ft\u00B2) "),
                              QString::fromUtf8(" Sleeve Resistance (ton/ft\u00B2) "),
                              " Sleeve/Tip Ratio (%) "};
    const char* names[] = {"ChartFX1", "ChartFX2", "ChartFX3"};
    for (int i = 0; i < 3; ++i) {
        DepthChart* chart = screen.Chart(i);
        EXPECT_EQ(chart->objectName(), names[i]);
        EXPECT_EQ(chart->ValueTitle(), titles[i]);
        EXPECT_EQ(chart->DepthTitle(), "Depth (ft)");
        EXPECT_EQ(chart->Points(0).size(), 400);
        EXPECT_TRUE(chart->DepthReversed());
        EXPECT_EQ(chart->DepthAxisRange(), QPointF(0, 99.75)); // reading 399, not 400
    }
    EXPECT_EQ(screen.Chart(0)->Points(0)[2], QPointF(0.75, 1.0)); // the cleaned tip
    EXPECT_EQ(screen.Chart(2)->Points(0)[4], QPointF(1.25, 20.0));
    EXPECT_EQ(screen.Chart(0)->ValueStep(), 11); // Int(69 / 6)
    EXPECT_EQ(screen.Chart(1)->ValueStep(), 5);  // Int(30 / 6)
    EXPECT_EQ(screen.Chart(2)->ValueStep(), 3);  // Int(20 / 6)
}

TEST(FrmPlotConeData, ToolbarsInOrderWithTheirCaptions)
{
    Project p = ConeProject();
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    QStringList keys;
    const QStringList captions = ToolbarCaptions(screen, &keys);
    EXPECT_EQ(keys, QStringList({"Back", "Next", "Toggle", "Zoom", "Print", "Exit"}));
    EXPECT_EQ(captions, QStringList({"Back      ", "    Classify Soil   ", "Depth / Elevation",
                                     "Zoom All     ", "Print All     ", "Exit        "}));
    QSignalSpy back(&screen, &FrmPlotConeData::backRequested);
    QSignalSpy next(&screen, &FrmPlotConeData::nextRequested);
    QSignalSpy exit(&screen, &FrmPlotConeData::exitRequested);
    Trigger(screen, "Back");
    Trigger(screen, "Next");
    Trigger(screen, "Exit");
    EXPECT_EQ(back.count(), 1);
    EXPECT_EQ(next.count(), 1);
    EXPECT_EQ(exit.count(), 1);
}

TEST(FrmPlotConeData, DepthLimitRedrawsAndRefusesText)
{
    Project p = ConeProject();
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    ShowScreen(screen);
    auto* combo = screen.findChild<QComboBox*>("Combo1");
    auto* command = screen.findChild<QPushButton*>("Command1");

    combo->setEditText("20");
    QTest::mouseClick(command, Qt::LeftButton);
    EXPECT_EQ(screen.PlotCount(), 80);
    EXPECT_EQ(screen.Chart(1)->Points(0).size(), 80);
    EXPECT_EQ(screen.Chart(2)->DepthAxisRange(), QPointF(0, 19.75));

    // Typed text with Enter works like the button; a word is refused.
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, "about ten");
    QSignalSpy next(&screen, &FrmPlotConeData::nextRequested);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(next.count(), 0); // typing in the list is not a key press on the form
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(screen.PlotCount(), 80);
    EXPECT_EQ(screen.Chart(0)->Points(0).size(), 80);
    EXPECT_EQ(combo->currentText(), "about ten");

    // A limit at the first reading draws that one reading sensibly.
    combo->setEditText("0");
    QTest::mouseClick(command, Qt::LeftButton);
    EXPECT_EQ(screen.PlotCount(), 1);
    EXPECT_EQ(screen.Chart(0)->Points(0).size(), 1);
    EXPECT_EQ(screen.Chart(0)->DepthAxisRange(), QPointF(0, 1.25));
    EXPECT_FALSE(screen.Chart(0)->Failed());

    // Empty: the last depth, so all readings.
    combo->setEditText("");
    QTest::mouseClick(command, Qt::LeftButton);
    EXPECT_EQ(combo->currentText(), "100");
    EXPECT_EQ(screen.PlotCount(), 400);
}

TEST(FrmPlotConeData, TypedLimitIsNotCompletedFromTheList)
{
    Project p = ConeProject(); // the list offers 0, 16, 32 ...
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    ShowScreen(screen);
    auto* combo = screen.findChild<QComboBox*>("Combo1");
    combo->setFocus();
    combo->lineEdit()->clear();
    QTest::keyClicks(combo, "1");
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->currentText(), "1");
    EXPECT_EQ(screen.PlotCount(), 4); // 1 ft is reading 4, not the 64th at 16 ft
}

TEST(FrmPlotConeData, ToggleNeedsAGroundElevation)
{
    Project p = ConeProject();
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    ShowScreen(screen);
    Trigger(screen, "Toggle");
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].text, " Elevation data was not entered in Project Information Form ");
    EXPECT_EQ(dialogs.messages[0].caption, " Data Plot Message");
    EXPECT_EQ(p.DepthAxisMode, 1);
    EXPECT_EQ(screen.Chart(0)->DepthTitle(), "Depth (ft)");

    Project q = ConeProject();
    q.GroundElevation = 10;
    FrmPlotConeData withElevation(q, dialogs);
    ShowScreen(withElevation);
    EXPECT_EQ(withElevation.findChild<QLineEdit*>("TxtElevation")->text(), "10");
    EXPECT_EQ(q.ElevData[4], 9.0F);
    Trigger(withElevation, "Toggle");
    EXPECT_EQ(q.DepthAxisMode, -1);
    for (int i = 0; i < 3; ++i) {
        DepthChart* chart = withElevation.Chart(i);
        EXPECT_EQ(chart->DepthTitle(), "Elevation (ft)");
        EXPECT_FALSE(chart->DepthReversed());
        EXPECT_EQ(chart->VisibleDepthRange().top, 9.75);      // first reading's elevation
        EXPECT_EQ(chart->VisibleDepthRange().bottom, -89.75); // reading 399
        EXPECT_EQ(chart->Points(0)[3], QPointF(9.0, chart->Points(0)[3].y()));
    }
    // Hovering reads the elevation and the value of the reading there off the graph.
    EXPECT_EQ(withElevation.Chart(0)->HoverText(9.02),
              QString::fromUtf8("Elevation (ft): 9.02\nTip Resistance (ton/ft\u00B2): 24.00"));
    Trigger(withElevation, "Toggle");
    EXPECT_EQ(q.DepthAxisMode, 1);
    EXPECT_EQ(withElevation.Chart(1)->HoverText(1.5),
              QString::fromUtf8("Depth (ft): 1.50\nSleeve Resistance (ton/ft\u00B2): 2.60"));
    EXPECT_EQ(withElevation.Chart(2)->DepthTitle(), "Depth (ft)");
}

TEST(FrmPlotConeData, ZoomAllCarriesOneZoomToTheOtherGraphs)
{
    Project p = ConeProject();
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    ShowScreen(screen);
    QAction* zoom = screen.findChild<QToolBar*>("Toolbar1")->findChild<QAction*>("Zoom");
    ASSERT_NE(zoom, nullptr);

    Trigger(screen, "Zoom");
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].text, "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ");
    EXPECT_EQ(dialogs.messages[0].caption, "Quarvex");
    EXPECT_EQ(zoom->text(), "Zoom All    ");

    screen.Chart(1)->ZoomDepthWindow(5, 30);
    const DepthWindow window = screen.Chart(1)->VisibleDepthRange();
    const QPointF sleeveValues = screen.Chart(1)->ValueAxisRange();
    Trigger(screen, "Zoom");
    EXPECT_EQ(zoom->text(), "Zoom Out    ");
    EXPECT_EQ(dialogs.messages.size(), 1U);
    // Tip: the largest tip from reading 10 down to the first reading at or below
    // the window's bottom (30 ft is reading 120); tips cycle 20..69.
    EXPECT_EQ(screen.Chart(0)->ValueAxisRange(), QPointF(0, 79)); // Int(69 + 10.5)
    // Ratios are all about 10 %: a whole number that does not cut the largest off.
    float ratioMax = 0;
    for (int j = 10; j <= 120; ++j)
        ratioMax = std::max(ratioMax, p.RatioData[j]);
    const QPointF ratioRange = screen.Chart(2)->ValueAxisRange();
    EXPECT_EQ(ratioRange.x(), 0);
    EXPECT_EQ(ratioRange.y(), std::floor(ratioRange.y()));
    EXPECT_GE(ratioRange.y(), ratioMax);
    EXPECT_LE(ratioRange.y(), ratioMax + 1);
    for (int i : {0, 2}) {
        EXPECT_NEAR(screen.Chart(i)->VisibleDepthRange().bottom, window.bottom, 1e-9);
        EXPECT_NEAR(screen.Chart(i)->VisibleDepthRange().top, window.top, 1e-9);
    }
    EXPECT_NEAR(window.bottom, 30, 1e-6);
    EXPECT_EQ(screen.Chart(1)->ValueAxisRange(), sleeveValues); // the source keeps its zoom

    Trigger(screen, "Zoom");
    EXPECT_EQ(zoom->text(), "Zoom All    ");
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(screen.Chart(i)->IsZoomed());
        EXPECT_EQ(screen.Chart(i)->DepthAxisRange(), QPointF(0, 99.75));
    }
    EXPECT_EQ(screen.Chart(0)->ValueAxisRange(), QPointF(0, 77)); // step 11 up to 69
}

TEST(FrmPlotConeData, KeyPressGoesOn)
{
    Project p = ConeProject();
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    ShowScreen(screen);
    QSignalSpy next(&screen, &FrmPlotConeData::nextRequested);
    screen.Chart(0)->setFocus();
    QTest::keyClick(screen.Chart(0), Qt::Key_Shift);
    QTest::keyClick(screen.Chart(0), Qt::Key_Down);
    EXPECT_EQ(next.count(), 0);
    QTest::keyClick(screen.Chart(0), Qt::Key_N);
    EXPECT_EQ(next.count(), 1);

    // The read-only project boxes take no typing: a key there goes on too.
    auto* title = screen.findChild<QLineEdit*>("TxtTitle");
    title->setFocus();
    QTest::keyClick(title, Qt::Key_X);
    EXPECT_EQ(next.count(), 2);
    // Typing in the depth list does not, and Enter on "Depth" applies the limit.
    auto* combo = screen.findChild<QComboBox*>("Combo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_2);
    auto* command = screen.findChild<QPushButton*>("Command1");
    combo->setEditText("20");
    command->setFocus();
    QTest::keyClick(command, Qt::Key_Return);
    EXPECT_EQ(next.count(), 2);
    EXPECT_EQ(screen.PlotCount(), 80);
}

// Both plot screens open with the focus in the first project box, which is
// read-only: the first key goes on.
TEST(PlotScreens, KeyOnAFreshlyOpenedScreenGoesOn)
{
    Project p = MakeSounding(400);
    FakeDialogs dialogs;
    {
        FrmPlotSoil soil(p, dialogs);
        ShowScreen(soil);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&soil));
        QSignalSpy next(&soil, &FrmPlotSoil::nextRequested);
        QWidget* focus = soil.focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->objectName(), "TxtProjNum");
        QTest::keyClick(focus, Qt::Key_A);
        EXPECT_EQ(next.count(), 1);
    }
    {
        FrmPlotConeData cone(p, dialogs);
        ShowScreen(cone);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&cone));
        QSignalSpy next(&cone, &FrmPlotConeData::nextRequested);
        auto* number = cone.findChild<QLineEdit*>("TxtProjNum");
        number->setFocus();
        QTest::keyClick(number, Qt::Key_A);
        EXPECT_EQ(next.count(), 1);
    }
}

TEST(FrmPlotConeData, PrintedPageCarriesTheHeaderAndThreeGraphs)
{
    Project p = ConeProject();
    p.GroundElevation = -4.5F;
    FakeDialogs dialogs;
    QTemporaryDir dir;
    dialogs.pdfPath = dir.filePath("cone.pdf");
    FrmPlotConeData screen(p, dialogs);
    ShowScreen(screen);
    Trigger(screen, "Print");
    ASSERT_EQ(dialogs.printCount, 1);
    const QString text = PdfText(dialogs.pdfPath);
    for (const char* expected :
         {"Project Number:", "PN-4711", "Title: Bridge over Bayou Teche", "Date: 12/10/2026", "CPT No: CPT-3",
          "Struct No: S-88", "Station: 12+50", "Offset: 25 ft Rt", "Elevation (ft):", "-4.5",
          "Tip Resistance", "Sleeve Resistance", "Sleeve/Tip Ratio"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("Parish"));
    EXPECT_EQ(text.count("Depth (ft)"), 3);
}

TEST(FrmPlotConeData, OpensInDepthWhenElevationWasChosenButIsGone)
{
    Project p = ConeProject();
    p.DepthAxisMode = -1; // chosen earlier; the elevation was cleared since
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    EXPECT_EQ(p.DepthAxisMode, 1);
    EXPECT_EQ(screen.Chart(0)->DepthTitle(), "Depth (ft)");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(FrmPlotConeData, NoReadingsIsToldAndDrawsNothing)
{
    Project p = MakeSounding(0);
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(screen.findChild<QComboBox*>("Combo1")->count(), 0);
    Trigger(screen, "Zoom");
    screen.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(screen.PlotCount(), 0);
}

// --- soil classification plot --------------------------------------------------

// A modern sounding: 50 000 readings at 0.02 ft, past what a 16-bit count holds.
TEST(LongSounding, BothPlotScreensLoadEveryReading)
{
    constexpr int n = 50000;
    Project p = MakeSounding(n, 0.25F, 0.02F);
    p.SleeveData[n] = -1.0F; // the last reading is cleaned too
    FakeDialogs dialogs;
    {
        FrmPlotConeData cone(p, dialogs);
        ShowScreen(cone);
        EXPECT_EQ(cone.PlotCount(), n);
        EXPECT_EQ(p.SleeveData[n], 0.0F);
        // Drawn through the extremes of short runs: the whole depth, every peak.
        const Array1<Single>* columns[3] = {&p.TipData, &p.SleeveData, &p.RatioData};
        for (int i = 0; i < 3; ++i) {
            const QList<QPointF> points = cone.Chart(i)->Points(0);
            EXPECT_LE(points.size(), 4 * plots::kDrawnRuns) << i;
            EXPECT_FALSE(cone.Chart(i)->Failed());
            EXPECT_EQ(points.front(), QPointF(p.DepthData[1], (*columns[i])[1])) << i;
            EXPECT_EQ(points.back(), QPointF(p.DepthData[n], (*columns[i])[n])) << i;
            Single highest = (*columns[i])[1];
            for (int j = 2; j <= n; ++j)
                highest = std::max(highest, (*columns[i])[j]);
            const auto top =
                std::max_element(points.begin(), points.end(),
                                 [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
            EXPECT_EQ(top->y(), highest) << i;
        }
        EXPECT_EQ(cone.Chart(0)->DepthAxisRange(), QPointF(0, p.DepthData[n - 1]));

        // A depth limit far down finds its reading past 32 767.
        auto* combo = cone.findChild<QComboBox*>("Combo1");
        combo->setEditText("800");
        QTest::mouseClick(cone.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        const Long count = cone.PlotCount();
        ASSERT_GT(count, 32767);
        EXPECT_GE(p.DepthData[count], 800.0F);
        EXPECT_LT(p.DepthData[count - 1], 800.0F);
        EXPECT_EQ(cone.Chart(1)->Points(0).back(), QPointF(p.DepthData[count], p.SleeveData[count]));
        EXPECT_TRUE(dialogs.messages.empty());
    }
    FrmPlotSoil soil(p, dialogs);
    ShowScreen(soil);
    EXPECT_FALSE(soil.Refused());
    ASSERT_EQ(p.NumSteps, 3049); // Int(1000.23 / 0.328)
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(soil.Chart(i)->Points(0).size(), 3049) << i;
    EXPECT_FLOAT_EQ(soil.Chart(0)->VisibleDepthRange().bottom, p.StepDepth[3048]);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(FrmPlotSoil, LoadingBuildsTheStepTableAndDrawsFourGraphs)
{
    Project p = MakeSounding(400); // to 100 ft
    p.NumSteps = 0;
    FakeDialogs dialogs;
    FrmPlotSoil screen(p, dialogs);
    ShowScreen(screen);
    EXPECT_FALSE(screen.Refused());
    EXPECT_EQ(screen.windowTitle(), "CPT Data -  File:  /data/test sounding.txt");
    ASSERT_EQ(p.NumSteps, 304); // Int(100 / 0.328)
    const char* names[] = {"ChartFX4", "ChartFX5", "ChartFX6", "ChartFX7"};
    for (int i = 0; i < 3; ++i) {
        DepthChart* chart = screen.Chart(i);
        EXPECT_EQ(chart->objectName(), names[i]);
        EXPECT_EQ(chart->Points(0).size(), 304);
        EXPECT_EQ(chart->DepthTitle(), "Depth (ft)");
        EXPECT_EQ(chart->VisibleDepthRange().top, 0);
        EXPECT_FLOAT_EQ(chart->VisibleDepthRange().bottom, p.StepDepth[303]);
        EXPECT_EQ(chart->ValueStep(), 0);
    }
    EXPECT_EQ(screen.Chart(0)->Points(0)[10], QPointF(p.StepDepth[11], p.StepTip[11]));
    EXPECT_EQ(screen.Chart(2)->Points(0)[10], QPointF(p.StepDepth[11], p.StepRatio[11]));

    DepthChart* soil = screen.Chart(3);
    EXPECT_EQ(soil->objectName(), "ChartFX7");
    EXPECT_EQ(soil->SeriesCount(), 3);
    EXPECT_EQ(soil->Legend(0), "% Sand");
    EXPECT_EQ(soil->Legend(1), "% Silt");
    EXPECT_EQ(soil->Legend(2), "% Clay");
    EXPECT_TRUE(soil->LegendVisible());
    EXPECT_EQ(soil->ValueTitle(), " Probability of Soil Types");
    EXPECT_EQ(soil->DepthTitle(), "");
    EXPECT_EQ(soil->ValueAxisRange(), QPointF(0, 100));
    EXPECT_TRUE(soil->DepthReversed()); // shallowest at the top
    EXPECT_EQ(soil->VisibleDepthRange().top, 0);
    EXPECT_FLOAT_EQ(soil->VisibleDepthRange().bottom, p.StepDepth[303]);
    // Deepest step first; at every step the three add up to 100.
    EXPECT_EQ(soil->Points(0)[0], QPointF(p.StepDepth[304], p.PctSand[304]));
    EXPECT_EQ(soil->Points(2)[303], QPointF(p.StepDepth[1], p.PctClay[1]));
    EXPECT_TRUE(soil->HoverText(10.0).startsWith("Depth (ft): 10.00\n% Sand: "));
    for (int j = 0; j < 304; ++j)
        EXPECT_NEAR(soil->Points(0)[j].y() + soil->Points(1)[j].y() + soil->Points(2)[j].y(), 100, 1e-3);
}

TEST(FrmPlotSoil, ToggleRedrawsThreeGraphsButNotTheSoilGraph)
{
    Project p = MakeSounding(400);
    p.GroundElevation = 12.5F;
    FakeDialogs dialogs;
    FrmPlotSoil screen(p, dialogs);
    ShowScreen(screen);
    const QList<QPointF> soilBefore = screen.Chart(3)->Points(0);
    Trigger(screen, "Toggle");
    EXPECT_EQ(p.DepthAxisMode, -1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(screen.Chart(i)->DepthTitle(), "Elevation (ft)");
        EXPECT_FLOAT_EQ(screen.Chart(i)->VisibleDepthRange().top, 12.336F); // StepElev(1)
        EXPECT_FLOAT_EQ(screen.Chart(i)->Points(0)[0].x(), 12.336F);
    }
    EXPECT_EQ(screen.Chart(3)->Points(0), soilBefore);
    EXPECT_EQ(screen.Chart(3)->DepthTitle(), "");

    // Opened in elevation, the soil graph still stands on depth.
    FrmPlotSoil again(p, dialogs);
    EXPECT_EQ(again.Chart(0)->DepthTitle(), "Elevation (ft)");
    EXPECT_EQ(again.Chart(3)->Points(0), soilBefore);

    Project none = MakeSounding(400);
    FrmPlotSoil noElevation(none, dialogs);
    Trigger(noElevation, "Toggle");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().caption, " Data Plot Message");
    EXPECT_EQ(none.DepthAxisMode, 1);
}

TEST(FrmPlotSoil, ToolbarKeyPressAndPrintedPage)
{
    Project p = MakeSounding(400);
    FakeDialogs dialogs;
    QTemporaryDir dir;
    dialogs.pdfPath = dir.filePath("soil.pdf");
    FrmPlotSoil screen(p, dialogs);
    ShowScreen(screen);
    QStringList keys;
    const QStringList captions = ToolbarCaptions(screen, &keys);
    EXPECT_EQ(keys, QStringList({"Back", "Next", "Toggle", "Print", "Exit"}));
    EXPECT_EQ(captions, QStringList({"Back     ", "     Design Pile       ", "Depth / Elevation",
                                     "Print All       ", "Exit        "}));
    QSignalSpy next(&screen, &FrmPlotSoil::nextRequested);
    QSignalSpy back(&screen, &FrmPlotSoil::backRequested);
    screen.Chart(3)->setFocus();
    QTest::keyClick(screen.Chart(3), Qt::Key_Space);
    Trigger(screen, "Next");
    Trigger(screen, "Back");
    EXPECT_EQ(next.count(), 2);
    EXPECT_EQ(back.count(), 1);

    Trigger(screen, "Print");
    ASSERT_EQ(dialogs.printCount, 1);
    const QString text = PdfText(dialogs.pdfPath);
    for (const char* expected :
         {"Project Number:", "PN-4711", "Title: Bridge over Bayou Teche", "Parish: S-88",
          "Elevation (ft):", "Probability of Soil Types", "% Sand", "% Clay"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("Struct No"));
    EXPECT_EQ(text.count("Depth (ft)"), 3);
}

namespace {
// Drags the mouse down the middle third of a graph, as a user zooming does.
void DragDown(DepthChart* chart)
{
    QWidget* view = chart->viewport();
    const QPoint from(view->width() / 2, view->height() / 3);
    const QPoint to(view->width() / 2, 2 * view->height() / 3);
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, (from + to) / 2);
    QTest::mouseMove(view, to);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
}
} // namespace

TEST(FrmPlotSoil, GraphsDoNotZoomAndKeepOneDepthScale)
{
    Project p = MakeSounding(400);
    FakeDialogs dialogs;
    // The same drag zooms a cone graph ...
    FrmPlotConeData cone(p, dialogs);
    ShowScreen(cone);
    DragDown(cone.Chart(1));
    ASSERT_TRUE(cone.Chart(1)->IsZoomed());

    // ... but none of the soil graphs.
    FrmPlotSoil screen(p, dialogs);
    ShowScreen(screen);
    const QPointF scale = screen.Chart(0)->DepthAxisRange();
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        DragDown(screen.Chart(i));
        EXPECT_FALSE(screen.Chart(i)->IsZoomed());
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(screen.Chart(k)->DepthAxisRange(), scale) << k;
    }
}

TEST(FrmPlotSoil, ASoundingTooShortIsRefusedAndGoesBack)
{
    Project p = MakeSounding(2, 0.1F, 0.1F); // last reading at 0.2 ft
    FakeDialogs dialogs;
    FrmPlotSoil screen(p, dialogs);
    QSignalSpy back(&screen, &FrmPlotSoil::backRequested);
    QSignalSpy next(&screen, &FrmPlotSoil::nextRequested);
    EXPECT_TRUE(screen.Refused());
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(back.wait(2000));
    Trigger(screen, "Next");
    QTest::keyClick(&screen, Qt::Key_A);
    EXPECT_EQ(next.count(), 0);
}

TEST(FrmPlotConeData, TinySoundingsLoadZoomAndPrintSafely)
{
    QTemporaryDir dir;
    for (int n : {1, 2, 9, 10}) {
        SCOPED_TRACE(n);
        Project p = MakeSounding(n, 0.0F, 0.5F); // the first reading at the surface
        p.GroundElevation = 2;
        FakeDialogs dialogs;
        dialogs.pdfPath = dir.filePath(QString("tiny%1.pdf").arg(n));
        FrmPlotConeData screen(p, dialogs);
        ShowScreen(screen);
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(screen.Chart(i)->Failed());
            EXPECT_EQ(screen.Chart(i)->Points(0).size(), n);
            const QPointF range = screen.Chart(i)->DepthAxisRange();
            EXPECT_LT(range.x(), range.y());
        }
        screen.Chart(0)->ZoomDepthWindow(0, 0.25);
        Trigger(screen, "Zoom");
        Trigger(screen, "Toggle");
        Trigger(screen, "Print");
        EXPECT_EQ(dialogs.printCount, 1);
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

TEST(FrmPlotConeData, AbsurdDepthsLoadWithWholeNumberLimits)
{
    // Two readings at 1e30 and 2e30 ft: the screen loads, lists whole-number
    // limits and applies one of them.
    Project p = MakeSounding(2, 1e30F, 1e30F);
    FakeDialogs dialogs;
    FrmPlotConeData screen(p, dialogs);
    ShowScreen(screen);
    auto* combo = screen.findChild<QComboBox*>("Combo1");
    ASSERT_GE(combo->count(), 7);
    EXPECT_EQ(combo->itemText(0), "0");
    for (int k = 1; k < combo->count(); ++k)
        EXPECT_FALSE(combo->itemText(k).startsWith('-')) << combo->itemText(k).toStdString();
    combo->setEditText(combo->itemText(6));
    QTest::mouseClick(screen.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(screen.PlotCount(), 2);
    EXPECT_TRUE(dialogs.messages.empty());
}
