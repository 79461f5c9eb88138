// The whole road from the open-file screen through the design run to the
// results, the corrections and back, as the navigator carries it out.

#include "DesignFixtures.h"

#include "ui/FakeDialogs.h"
#include "ui/charts/DepthChart.h"
#include "ui/design/FrmCorrection.h"
#include "ui/design/FrmPileDesign.h"
#include "ui/design/FrmPlotResults.h"
#include "ui/shell/FrmOpenFile.h"
#include "ui/shell/Frm_Titles.h"
#include "ui/shell/Navigator.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

const QString kEnglish = QStringLiteral(QUARVEX_BUNDLED_SAMPLES_DIR "/english_ft-tsf_comma.txt");

class DesignNavigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        nav.StartWithoutSplash();
        dialogs.openResults.push_back(kEnglish);
        nav.OpenFileScreen()->findChild<QPushButton*>("CmdOpenFile")->click();
        nav.OpenFileScreen()->findChild<QPushButton*>("CmdPlot")->click();
        nav.Titles()->findChild<QPushButton*>("CmdOK")->click();
        nav.ConePlotNext();
        nav.SoilPlotNext();
        design = qobject_cast<FrmPileDesign*>(nav.PileDesign());
        ASSERT_NE(design, nullptr);
        // The tip options, when asked, continue with option 1.
        design->SetModalHook([](QDialog& d) {
            QDialog* dialog = &d;
            QTimer::singleShot(0, dialog, [dialog] {
                if (auto* next = dialog->findChild<QPushButton*>("CmdNext"))
                    next->click();
                if (dialog->isVisible())
                    dialog->reject();
            });
        });
        dialogs.saveResults.push_back(dir.filePath("run.dat"));
        design->findChild<QRadioButton*>("OptFileSelect")->click();
        design->findChild<QComboBox*>("CombSection")->setEditText("14");
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    FrmPlotResults* Results() { return qobject_cast<FrmPlotResults*>(nav.Results()); }

    QTemporaryDir dir;
    Project p;
    FakeDialogs dialogs;
    Navigator nav{p, dialogs};
    FrmPileDesign* design = nullptr;
};

} // namespace

TEST_F(DesignNavigation, AnalysisResultsCorrectionAndBack)
{
    // LCPC is not wanted on the results.
    design->findChild<QCheckBox*>("ChkMethod(0)")->click();
    dialogs.messages.clear();
    design->findChild<QPushButton*>("CmdDesign")->click();
    ASSERT_NE(Results(), nullptr);
    EXPECT_NE(nav.PileDesign(), nullptr); // stays underneath
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_NE(dialogs.messages[0].text.find("run.dat"), std::string::npos);
    EXPECT_FALSE(Results()->findChild<QCheckBox*>("LCPCCheck")->isEnabled());
    EXPECT_TRUE(Results()->findChild<QCheckBox*>("SchmertCheck")->isChecked());

    // Whole-depth factors double the end bearing on the graph.
    const auto before = Results()->CapacityChart()->Points(2);
    ASSERT_FALSE(before.isEmpty());
    Results()->findChild<QAction*>("Correction")->trigger();
    auto* correction = qobject_cast<FrmCorrection*>(nav.Correction());
    ASSERT_NE(correction, nullptr);
    // Asked again, the same screen comes to the front.
    Results()->findChild<QAction*>("Correction")->trigger();
    EXPECT_EQ(nav.Correction(), correction);
    auto* end = correction->findChild<QLineEdit*>("EndText");
    end->clear();
    QTest::keyClicks(end, "2");
    correction->findChild<QPushButton*>("Command2")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(nav.Correction(), nullptr);
    const auto after = Results()->CapacityChart()->Points(2);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_FLOAT_EQ(static_cast<float>(after.first().y()),
                    static_cast<float>(2.0 * float(before.first().y())));

    // A second run replaces the results and drops the corrections.
    design->findChild<QPushButton*>("CmdDesign")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(Results(), nullptr);
    EXPECT_EQ(p.CorrectionState, 0);
    EXPECT_EQ(Results()->CapacityChart()->Points(2).first().y(), before.first().y());

    // Exit answered No changes nothing; Back returns to the design screen.
    Results()->findChild<QAction*>("Exit")->trigger();
    EXPECT_FALSE(nav.Ended());
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text, "Are you sure you want to Exit the Program?");
    Results()->findChild<QAction*>("Back")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(nav.Results(), nullptr);
    ASSERT_NE(nav.PileDesign(), nullptr);

    dialogs.answers.push_back(MsgAnswer::Yes);
    design->findChild<QPushButton*>("cmdExit")->click();
    EXPECT_TRUE(nav.Ended());
}

TEST_F(DesignNavigation, OtherDataGoesToTheFileDialog)
{
    dialogs.openResults.push_back(std::nullopt);
    const auto before = dialogs.openRequests.size();
    design->findChild<QPushButton*>("CmdData")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(nav.PileDesign(), nullptr);
    EXPECT_EQ(nav.SoilPlot(), nullptr);
    ASSERT_NE(nav.OpenFileScreen(), nullptr);
    EXPECT_EQ(dialogs.openRequests.size(), before + 1);
    EXPECT_EQ(p.NumTitleLines, 10);
}

// The design run's questions are modal windows with their own loops: a Back
// pressed with Enter just before "Analysis" comes due while the tip options
// wait, and must neither discard the screen under them nor act at all.
TEST_F(DesignNavigation, EnterOnBackThenAnalysisKeepsTheDesignScreen)
{
    bool askedTipOptions = false;
    design->SetModalHook([&](QDialog& d) {
        askedTipOptions = true;
        QPointer<QDialog> dialog = &d;
        // Well after the Enter's click has come due.
        QTimer::singleShot(300, [dialog] {
            if (dialog != nullptr)
                dialog->findChild<QPushButton*>("CmdNext")->click();
        });
    });
    auto* back = design->findChild<QPushButton*>("CmdBack");
    QTest::keyClick(back, Qt::Key_Return);
    design->findChild<QPushButton*>("CmdDesign")->click();
    ASSERT_TRUE(askedTipOptions);
    QTest::qWait(150);
    EXPECT_EQ(nav.PileDesign(), design);
    EXPECT_TRUE(design->isVisible());
    EXPECT_NE(Results(), nullptr);
}

TEST_F(DesignNavigation, DesignScreenDiscardedWhileTheTipOptionsWaitGoesAfterTheRun)
{
    QPointer<FrmPileDesign> screen = design;
    bool aliveInside = false;
    design->SetModalHook([&](QDialog& d) {
        QPointer<QDialog> dialog = &d;
        QTimer::singleShot(0, [&, dialog] {
            nav.PileDesignBack();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            aliveInside = screen != nullptr && dialog != nullptr;
            if (dialog != nullptr)
                dialog->findChild<QPushButton*>("CmdNext")->click();
        });
    });
    design->findChild<QPushButton*>("CmdDesign")->click();
    EXPECT_TRUE(aliveInside);
    EXPECT_EQ(nav.PileDesign(), nullptr);
    // The run that completes for a discarded screen opens no results.
    EXPECT_EQ(nav.Results(), nullptr);
    ASSERT_NE(screen, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(screen, nullptr);
    EXPECT_NE(nav.SoilPlot(), nullptr);
}

namespace {

// What the design screen shows and writes for the bundled English sample,
// driven from the open-file screen as a user would.
struct DesignRunSeen {
    QString top;
    QString max;
    std::string output;
};

DesignRunSeen RunBundledSample(const QString& outputFile)
{
    DesignRunSeen seen;
    Project p;
    FakeDialogs dialogs;
    Navigator nav(p, dialogs);
    nav.StartWithoutSplash();
    dialogs.openResults.push_back(kEnglish);
    nav.OpenFileScreen()->findChild<QPushButton*>("CmdOpenFile")->click();
    nav.OpenFileScreen()->findChild<QPushButton*>("CmdPlot")->click();
    nav.Titles()->findChild<QPushButton*>("CmdOK")->click();
    nav.ConePlotNext();
    nav.SoilPlotNext();
    auto* design = qobject_cast<FrmPileDesign*>(nav.PileDesign());
    if (design == nullptr)
        return seen;
    seen.top = design->findChild<QLabel*>("LblTop")->text();
    seen.max = design->findChild<QLabel*>("LblMax")->text();
    design->SetModalHook([](QDialog& d) {
        QDialog* dialog = &d;
        QTimer::singleShot(0, dialog, [dialog] {
            if (auto* next = dialog->findChild<QPushButton*>("CmdNext"))
                next->click();
        });
    });
    dialogs.saveResults.push_back(outputFile);
    design->findChild<QRadioButton*>("OptFileSelect")->click();
    design->findChild<QComboBox*>("CombSection")->setEditText("14");
    design->findChild<QPushButton*>("CmdDesign")->click();
    seen.output = ReadWholeFile(outputFile);
    nav.ExitNow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return seen;
}

// A decimal-comma desktop for the lifetime of the object (the C library's
// locale and Qt's default), the previous ones restored after.
class GermanDesktop {
public:
    GermanDesktop() : previousQt_(QLocale())
    {
        if (const char* now = std::setlocale(LC_ALL, nullptr))
            previousC_ = now;
        set_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanDesktop()
    {
        std::setlocale(LC_ALL, previousC_.c_str());
        QLocale::setDefault(previousQt_);
    }
    GermanDesktop(const GermanDesktop&) = delete;
    GermanDesktop& operator=(const GermanDesktop&) = delete;
    bool Set() const { return set_; }

private:
    std::string previousC_ = "C";
    QLocale previousQt_;
    bool set_ = false;
};

} // namespace

// Under de_DE.UTF-8 the design screen shows and writes exactly what it does
// under C: the same depths on the screen, the same output file byte for byte.
TEST(DesignUnderLocale, GermanDesktopShowsAndWritesTheSameNumbers)
{
    QTemporaryDir dir;
    const DesignRunSeen plain = RunBundledSample(dir.filePath("c.dat"));
    EXPECT_EQ(plain.top.trimmed(), "0.1 (ft)");
    EXPECT_EQ(plain.max.trimmed(), "58.875 (ft)");
    ASSERT_GT(plain.output.size(), 1000U);

    DesignRunSeen german;
    {
        const GermanDesktop desktop;
        // Generated by the install script; a machine without it must not pass quietly.
        ASSERT_TRUE(desktop.Set()) << "the de_DE.UTF-8 locale is not available";
        // Both the C library and Qt now write a decimal comma.
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
        german = RunBundledSample(dir.filePath("de.dat"));
    }
    EXPECT_EQ(german.top, plain.top);
    EXPECT_EQ(german.max, plain.max);
    EXPECT_TRUE(german.output == plain.output) << "the output files differ";
}
