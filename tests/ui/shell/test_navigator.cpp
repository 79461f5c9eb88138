// The screen sequence: which screens are open after every move, on the bundled
// sample files, with scripted dialogs.

#include "core/TestFiles.h"
#include "project/Units.h"
#include "ui/FakeDialogs.h"
#include "ui/shell/FrmAbout.h"
#include "ui/shell/FrmConeFactors.h"
#include "ui/shell/FrmOpenFile.h"
#include "ui/shell/FrmSplash.h"
#include "ui/shell/FrmViewFile.h"
#include "ui/shell/Frm_Titles.h"
#include "ui/shell/Navigator.h"

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace quarvex {
namespace {

const QString kSamples = QStringLiteral(QUARVEX_BUNDLED_SAMPLES_DIR);
const QString kEnglish = kSamples + QStringLiteral("/english_ft-tsf_comma.txt");
const QString kSI = kSamples + QStringLiteral("/si_m-MPa_spaces.txt");
const QString kMillivolts = kSamples + QStringLiteral("/millivolts_m-mV_tab.txt");

class NavigatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        nav.SetSamplesDir(kSamples);
        nav.StartWithoutSplash();
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <class W = QPushButton> W* OnOpenFile(const char* name)
    {
        EXPECT_NE(nav.OpenFileScreen(), nullptr);
        return nav.OpenFileScreen()->findChild<W*>(QString::fromLatin1(name));
    }
    void Click(QAbstractButton* b)
    {
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        // Near the left edge: an option's clickable caption may be narrower than the widget.
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    void ChooseUnits(int index)
    {
        Click(OnOpenFile<QRadioButton>(QString("Opt_Units(%1)").arg(index).toLatin1()));
    }
    void ReadFile(const QString& path)
    {
        dialogs.openResults.push_back(path);
        Click(OnOpenFile("CmdOpenFile"));
    }
    void Plot() { Click(OnOpenFile("CmdPlot")); }
    void TitlesOk() { Click(nav.Titles()->findChild<QPushButton*>("CmdOK")); }
    void TitlesCancel() { Click(nav.Titles()->findChild<QPushButton*>("CmdCancel")); }

    Project p;
    FakeDialogs dialogs;
    Navigator nav{p, dialogs};
};

TEST(NavigatorStart, SplashLoadsTheOpenFileScreenAndGivesWayToIt)
{
    Project p;
    FakeDialogs dialogs;
    Navigator nav(p, dialogs);
    nav.Start();
    ASSERT_NE(nav.Splash(), nullptr);
    EXPECT_TRUE(nav.Splash()->isVisible());
    EXPECT_TRUE(p.HistoryListsCreated);
    ASSERT_NE(nav.OpenFileScreen(), nullptr);
    EXPECT_FALSE(nav.OpenFileScreen()->isVisible());
    EXPECT_EQ(p.NumTitleLines, 10);
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);

    QTest::mouseClick(nav.Splash(), Qt::LeftButton);
    EXPECT_EQ(nav.Splash(), nullptr);
    EXPECT_TRUE(nav.OpenFileScreen()->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(NavigatorStart, FileNamedAtStartIsReadOnceTheSplashCloses)
{
    Project p;
    FakeDialogs dialogs;
    Navigator nav(p, dialogs);
    nav.Start(kEnglish);
    EXPECT_EQ(p.NumReadings, 0);
    nav.CloseSplash();
    QTRY_COMPARE(dialogs.messages.size(), std::size_t{1});
    EXPECT_EQ(dialogs.messages[0].caption, " Data Import from Text File");
    EXPECT_EQ(p.DataFileName, kEnglish.toStdString());
    EXPECT_TRUE(nav.OpenFileScreen()->findChild<QPushButton*>("CmdPlot")->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(NavigatorTest, OpenDialogStartsInTheSamples)
{
    ReadFile(kEnglish);
    ASSERT_EQ(dialogs.openRequests.size(), 1U);
    EXPECT_EQ(dialogs.openRequests[0].startDir, kSamples);
}

TEST_F(NavigatorTest, EnglishDataGoStraightToTheConePlot)
{
    ReadFile(kEnglish);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    const float firstDepth = p.DepthData[1];
    Plot();
    ASSERT_NE(nav.Titles(), nullptr);
    EXPECT_TRUE(nav.Titles()->isVisible());
    EXPECT_TRUE(nav.Titles()->isModal());
    nav.Titles()->Field(kFieldProjectNumber)->setEditText(QStringLiteral("P-1"));
    TitlesOk();
    // Hidden, not discarded.
    ASSERT_NE(nav.Titles(), nullptr);
    EXPECT_FALSE(nav.Titles()->isVisible());
    EXPECT_EQ(p.ProjectNumber, "P-1");
    EXPECT_NE(nav.ConePlot(), nullptr);
    EXPECT_EQ(nav.OpenFileScreen(), nullptr);
    EXPECT_EQ(p.DepthData[1], firstDepth);
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
}

TEST_F(NavigatorTest, SIDataAreConvertedBeforeTheProjectInformationEvenWhenCancelled)
{
    ChooseUnits(2);
    ReadFile(kSI);
    const float depth = p.DepthData[1];
    const float tip = p.TipData[1];
    Plot();
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
    EXPECT_EQ(p.DepthData[1], static_cast<float>(depth / 0.3048));
    EXPECT_EQ(p.TipData[1], static_cast<float>(tip * 10.44));
    TitlesCancel();
    EXPECT_EQ(nav.Titles(), nullptr);
    EXPECT_NE(nav.ConePlot(), nullptr);
    EXPECT_EQ(nav.OpenFileScreen(), nullptr);
}

TEST_F(NavigatorTest, MillivoltBackReturnsUnconvertedAndAsksAgain)
{
    ChooseUnits(0);
    ReadFile(kMillivolts);
    const float tip = p.TipData[1];
    Plot();
    nav.Titles()->Field(kFieldCptNo)->setEditText(QStringLiteral("C-7"));
    TitlesOk();
    ASSERT_NE(nav.ConeFactors(), nullptr);
    EXPECT_TRUE(nav.ConeFactors()->isVisible());
    EXPECT_EQ(nav.ConePlot(), nullptr);

    Click(nav.ConeFactors()->findChild<QPushButton*>("CmdBack"));
    EXPECT_EQ(nav.ConeFactors(), nullptr);
    ASSERT_NE(nav.OpenFileScreen(), nullptr);
    EXPECT_TRUE(OnOpenFile<QRadioButton>("Opt_Units(0)")->isChecked());
    EXPECT_EQ(p.UnitSystem, kUnitsMillivolts);
    EXPECT_EQ(p.TipData[1], tip);

    // The project information comes back as it was left, then the factors again.
    Plot();
    EXPECT_TRUE(nav.Titles()->isVisible());
    EXPECT_EQ(nav.Titles()->Field(kFieldCptNo)->currentText(), QStringLiteral("C-7"));
    TitlesOk();
    ASSERT_NE(nav.ConeFactors(), nullptr);
    Click(nav.ConeFactors()->findChild<QPushButton*>("CmdNext"));
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
    EXPECT_EQ(p.TipData[1], static_cast<float>((static_cast<double>(tip) * 50.0) / 0.09576));
    EXPECT_EQ(nav.ConeFactors(), nullptr);
    EXPECT_NE(nav.ConePlot(), nullptr);
    EXPECT_EQ(nav.OpenFileScreen(), nullptr);
}

TEST_F(NavigatorTest, MillivoltCancelOnProjectInformationStillAsksForFactors)
{
    ChooseUnits(0);
    ReadFile(kMillivolts);
    Plot();
    TitlesCancel();
    EXPECT_EQ(nav.Titles(), nullptr);
    ASSERT_NE(nav.ConeFactors(), nullptr);
    // Esc is "Back".
    QTest::keyClick(nav.ConeFactors(), Qt::Key_Escape);
    EXPECT_EQ(nav.ConeFactors(), nullptr);
    EXPECT_EQ(p.UnitSystem, kUnitsMillivolts);
    EXPECT_NE(nav.OpenFileScreen(), nullptr);
}

TEST_F(NavigatorTest, ConePlotBackThenOkReturnsToTheConePlot)
{
    ReadFile(kEnglish);
    Plot();
    nav.Titles()->Field(kFieldCompany)->setEditText(QStringLiteral("Acme"));
    TitlesOk();
    nav.ConePlotBack();
    EXPECT_EQ(nav.ConePlot(), nullptr);
    ASSERT_NE(nav.Titles(), nullptr);
    EXPECT_TRUE(nav.Titles()->isVisible());
    EXPECT_FALSE(nav.Titles()->isModal());
    EXPECT_EQ(nav.Titles()->Field(kFieldCompany)->currentText(), QStringLiteral("Acme"));
    nav.Titles()->Field(kFieldCompany)->setEditText(QStringLiteral("Acme Ltd"));
    TitlesOk();
    EXPECT_EQ(p.Company, "Acme Ltd");
    EXPECT_NE(nav.ConePlot(), nullptr);
    EXPECT_EQ(nav.OpenFileScreen(), nullptr);
}

TEST_F(NavigatorTest, ConePlotBackThenCancelGivesAFreshOpenFileScreen)
{
    Click(OnOpenFile<QRadioButton>("Opt_Units(1)"));
    OnOpenFile<QComboBox>("CombTitleLines")->setCurrentIndex(10);
    ReadFile(kEnglish);
    Plot();
    TitlesOk();
    p.DepthAxisMode = -1;
    nav.ConePlotBack();
    TitlesCancel();
    EXPECT_EQ(nav.Titles(), nullptr);
    EXPECT_EQ(nav.ConePlot(), nullptr);
    ASSERT_NE(nav.OpenFileScreen(), nullptr);
    EXPECT_TRUE(nav.OpenFileScreen()->isVisible());
    EXPECT_EQ(OnOpenFile<QComboBox>("CombTitleLines")->currentText(), QStringLiteral("10"));
    EXPECT_TRUE(OnOpenFile<QRadioButton>("Opt_Units(1)")->isChecked());
    EXPECT_FALSE(OnOpenFile("CmdPlot")->isEnabled());
    EXPECT_EQ(p.NumTitleLines, 10);
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
    EXPECT_EQ(p.DepthAxisMode, 1);
    // The readings stay until another file is read.
    EXPECT_GT(p.NumReadings, 0);

    // After a Cancel the next showing loads afresh: the file's title lines again.
    ReadFile(kEnglish);
    Plot();
    EXPECT_TRUE(nav.Titles()->findChild<QWidget*>("TxtComment") != nullptr);
    EXPECT_EQ(nav.Titles()->Field(kFieldCompany)->currentText(), QString());
}

TEST_F(NavigatorTest, ForwardAndBackThroughThePlotsAndTheDesignScreen)
{
    ReadFile(kEnglish);
    Plot();
    TitlesOk();
    nav.ConePlotNext();
    EXPECT_EQ(nav.ConePlot(), nullptr);
    ASSERT_NE(nav.SoilPlot(), nullptr);
    nav.SoilPlotNext();
    ASSERT_NE(nav.PileDesign(), nullptr);
    EXPECT_NE(nav.SoilPlot(), nullptr); // stays underneath
    nav.PileDesignBack();
    EXPECT_EQ(nav.PileDesign(), nullptr);
    EXPECT_NE(nav.SoilPlot(), nullptr);
    nav.SoilPlotBack();
    EXPECT_EQ(nav.SoilPlot(), nullptr);
    EXPECT_NE(nav.ConePlot(), nullptr);
    EXPECT_FALSE(nav.Ended());
}

TEST_F(NavigatorTest, SoilPlotBackTakesTheDesignScreenAlong)
{
    ReadFile(kEnglish);
    Plot();
    TitlesOk();
    nav.ConePlotNext();
    nav.SoilPlotNext();
    ASSERT_NE(nav.PileDesign(), nullptr);
    nav.SoilPlotBack();
    // No design screen may outlive the step table it was opened over.
    EXPECT_EQ(nav.PileDesign(), nullptr);
    EXPECT_EQ(nav.SoilPlot(), nullptr);
    EXPECT_NE(nav.ConePlot(), nullptr);
}

TEST_F(NavigatorTest, OtherDataStartsOverWithTheFileDialog)
{
    ReadFile(kEnglish);
    Plot();
    TitlesOk();
    nav.ConePlotNext();
    nav.SoilPlotNext();
    dialogs.messages.clear();
    dialogs.openResults.push_back(kSI);
    p.NumTitleLines = 3;
    nav.OtherData();
    EXPECT_EQ(nav.PileDesign(), nullptr);
    EXPECT_EQ(nav.SoilPlot(), nullptr);
    ASSERT_NE(nav.OpenFileScreen(), nullptr);
    EXPECT_TRUE(nav.OpenFileScreen()->isVisible());
    EXPECT_EQ(dialogs.openRequests.size(), 2U);
    EXPECT_EQ(p.DataFileName, kSI.toStdString());
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].caption, " Data Import from Text File");
    EXPECT_TRUE(OnOpenFile("CmdPlot")->isEnabled());
    EXPECT_EQ(nav.OpenFileScreen()->Flow().OpenMode(), kOpenModeNone);
}

TEST_F(NavigatorTest, HiddenProjectInformationKeepsItsTextsAcrossANewFile)
{
    ReadFile(kEnglish);
    Plot();
    nav.Titles()->Field(kFieldProjectNumber)->setEditText(QStringLiteral("P-1"));
    TitlesOk();
    nav.ConePlotNext();
    nav.SoilPlotNext();
    nav.OtherData(); // the dialog is cancelled
    ReadFile(kEnglish);
    EXPECT_EQ(p.ProjectNumber, ""); // cleared by "Open Data File"
    Plot();
    // Shown as it was left, not loaded from the cleared project.
    EXPECT_EQ(nav.Titles()->Field(kFieldProjectNumber)->currentText(), QStringLiteral("P-1"));
    TitlesOk();
    EXPECT_EQ(p.ProjectNumber, "P-1");
}

TEST_F(NavigatorTest, DroppedFileIsReadAndClearsTheProjectInformation)
{
    p.ProjectNumber = "old";
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(kSI)});
    FrmOpenFile* screen = nav.OpenFileScreen();
    screen->show();
    const QPointF at(screen->width() / 2.0, screen->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(screen, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(screen, &drop);
    QTRY_COMPARE(dialogs.messages.size(), std::size_t{1});
    EXPECT_TRUE(dialogs.openRequests.empty());
    EXPECT_EQ(p.DataFileName, kSI.toStdString());
    EXPECT_EQ(p.ProjectNumber, "");
    EXPECT_TRUE(OnOpenFile("CmdPlot")->isEnabled());
}

TEST_F(NavigatorTest, GefFileOpensTheProjectInformationFilledFromTheFile)
{
    const QString gef = QStringLiteral(QUARVEX_TEST_DATA_DIR "/formats/cpt_voids_kpa.gef");
    // A project information screen left hidden by an earlier run ...
    ReadFile(kEnglish);
    Plot();
    nav.Titles()->Field(kFieldProjectNumber)->setEditText(QStringLiteral("typed"));
    TitlesOk();
    nav.ConePlotNext();
    nav.SoilPlotNext();
    dialogs.openResults.push_back(gef);
    nav.OtherData();
    ASSERT_TRUE(OnOpenFile("CmdPlot")->isEnabled());
    EXPECT_EQ(p.UnitSystem, kUnitsSI);

    // ... gives way to the file's information, which OK keeps.
    Plot();
    ASSERT_NE(nav.Titles(), nullptr);
    const auto field = [&](int i) { return nav.Titles()->Field(i)->currentText(); };
    EXPECT_EQ(field(kFieldProjectNumber), QStringLiteral("2024-017"));
    EXPECT_EQ(field(kFieldCompany), QStringLiteral("Example Sonderingen B.V."));
    EXPECT_EQ(field(kFieldProjectTitle), QStringLiteral("Harbour quay, berth 4"));
    EXPECT_EQ(field(kFieldCptNo), QStringLiteral("S-04"));
    EXPECT_EQ(field(kFieldDate), QStringLiteral("04-09-2024"));
    EXPECT_EQ(field(kFieldElevation), QStringLiteral("-0.2952756"));
    EXPECT_EQ(field(kFieldLatitude), QStringLiteral("424838.97"));
    EXPECT_EQ(field(kFieldLongitude), QStringLiteral("79578.38"));
    // The readings were converted from m and MPa before the screen opened.
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
    EXPECT_FLOAT_EQ(p.DepthData[1], 0.02F / 0.3048F);
    TitlesOk();
    EXPECT_EQ(p.CPTNo, "S-04");
    EXPECT_FLOAT_EQ(p.GroundElevation, static_cast<float>(-0.09 / 0.3048));
    EXPECT_NE(nav.ConePlot(), nullptr);
}

TEST_F(NavigatorTest, DroppedGefFileIsReadWithItsProjectInformation)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral(QUARVEX_TEST_DATA_DIR "/formats/cpt_voids_kpa.gef"))});
    FrmOpenFile* screen = nav.OpenFileScreen();
    screen->show();
    const QPointF at(screen->width() / 2.0, screen->height() / 2.0);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(screen, &drop);
    QTRY_COMPARE(dialogs.messages.size(), std::size_t{1});
    EXPECT_EQ(dialogs.messages[0].text.rfind("GEF file: ", 0), 0U);
    EXPECT_EQ(p.ProjectNumber, "2024-017");
    EXPECT_TRUE(OnOpenFile("CmdPlot")->isEnabled());
}

TEST_F(NavigatorTest, BackToAScreenTheUserClosedEndsTheProgram)
{
    ReadFile(kEnglish);
    Plot();
    TitlesOk();
    nav.ConePlotNext();
    nav.SoilPlotNext();
    QSignalSpy ended(&nav, &Navigator::programEnded);
    nav.SoilPlot()->close(); // its window's close button; the design screen is still up
    QTRY_VERIFY(nav.SoilPlot() == nullptr);
    EXPECT_EQ(ended.count(), 0);
    nav.PileDesignBack();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(NavigatorTest, ExitFromTheOpenFileScreenEndsAtOnce)
{
    QSignalSpy ended(&nav, &Navigator::programEnded);
    p.HistList[1].Add("kept until exit", "");
    nav.OpenFileScreen()->findChild<QAction*>("Exit")->trigger();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(nav.Ended());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(p.HistoryListsCreated);
    EXPECT_EQ(p.HistList[1].Count(), 0);
    EXPECT_EQ(nav.OpenFileScreen(), nullptr);
}

TEST_F(NavigatorTest, ExitFromThePlotsEndsAtOnce)
{
    ReadFile(kEnglish);
    Plot();
    TitlesOk();
    QSignalSpy ended(&nav, &Navigator::programEnded);
    nav.ExitNow();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(nav.ConePlot(), nullptr);
    EXPECT_EQ(nav.Titles(), nullptr);
    EXPECT_EQ(dialogs.messages.size(), 1U); // only the read report
}

TEST_F(NavigatorTest, ConfirmedExitAsksAndOnlyYesEnds)
{
    ReadFile(kEnglish);
    Plot();
    TitlesOk();
    nav.ConePlotNext();
    nav.SoilPlotNext();
    QSignalSpy ended(&nav, &Navigator::programEnded);
    dialogs.messages.clear();
    dialogs.answers = {MsgAnswer::No};
    nav.ExitConfirmed();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], ExitConfirmation());
    EXPECT_EQ(ended.count(), 0);
    EXPECT_NE(nav.PileDesign(), nullptr);
    EXPECT_NE(nav.SoilPlot(), nullptr);

    dialogs.answers = {MsgAnswer::Yes};
    nav.ExitConfirmed();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(nav.PileDesign(), nullptr);
    EXPECT_EQ(nav.SoilPlot(), nullptr);
}

TEST_F(NavigatorTest, ClosingTheLastScreenByItsWindowEndsTheProgram)
{
    QSignalSpy ended(&nav, &Navigator::programEnded);
    nav.OpenFileScreen()->close();
    QTRY_COMPARE(ended.count(), 1);
    EXPECT_FALSE(p.HistoryListsCreated);
}

TEST_F(NavigatorTest, ViewerShowsTheFileAndIsReplacedByTheNextView)
{
    dialogs.openResults.push_back(kEnglish);
    Click(OnOpenFile("CmdViewFile"));
    ASSERT_NE(nav.Viewer(), nullptr);
    FrmViewFile* first = nav.Viewer();
    EXPECT_EQ(first->windowTitle(), kEnglish);
    EXPECT_TRUE(first->Text().startsWith(QStringLiteral("QUARVEX SAMPLE SOUNDING E-1")));
    EXPECT_EQ(p.DataFileName, kEnglish.toStdString());
    EXPECT_EQ(p.NumReadings, 0);
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.openResults.push_back(kSI);
    nav.OpenFileScreen()->findChild<QAction*>("File")->trigger();
    ASSERT_NE(nav.Viewer(), nullptr);
    EXPECT_NE(nav.Viewer(), first);
    EXPECT_EQ(nav.Viewer()->windowTitle(), kSI);
}

TEST_F(NavigatorTest, ViewerRefusesAnEmptyFile)
{
    testing::TempFile empty("");
    dialogs.openResults.push_back(QString::fromStdString(empty.path()));
    Click(OnOpenFile("CmdViewFile"));
    EXPECT_EQ(nav.Viewer(), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].caption, "Open File Error");
    EXPECT_EQ(dialogs.messages[0].text, "Could not read data from file");
}

TEST_F(NavigatorTest, AboutIsModalAndItsExitDiscardsIt)
{
    nav.OpenFileScreen()->findChild<QAction*>("About")->trigger();
    ASSERT_NE(nav.About(), nullptr);
    EXPECT_TRUE(nav.About()->isModal() || nav.About()->windowModality() != Qt::NonModal);
    Click(nav.About()->findChild<QPushButton*>("cmdExit"));
    QTRY_VERIFY(nav.About() == nullptr);
    EXPECT_NE(nav.OpenFileScreen(), nullptr);
    EXPECT_FALSE(nav.Ended());
}

} // namespace
} // namespace quarvex
