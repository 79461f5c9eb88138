// A nested event loop (a message box, a file dialog, a question of the design
// run) must not delete the screens its caller stands on, and a click that was
// on its way when the modal window opened must not land under it.

#include "ModalTestDialogs.h"

#include "ui/shell/FrmOpenFile.h"
#include "ui/shell/Frm_Titles.h"
#include "ui/shell/Navigator.h"

#include <QAction>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex {
namespace {

using testing::InsideNextBox;
using testing::RealBoxDialogs;

const QString kSamples = QStringLiteral(QUARVEX_BUNDLED_SAMPLES_DIR);
const QString kEnglish = kSamples + QStringLiteral("/english_ft-tsf_comma.txt");

class ModalSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        nav.SetSamplesDir(kSamples);
        nav.StartWithoutSplash();
        // A first read enables (and focuses) "Plot Cone Data".
        dialogs.openResults.push_back(kEnglish);
        InsideNextBox(0, [] {});
        Screen()->findChild<QPushButton*>("CmdOpenFile")->click();
        ASSERT_EQ(dialogs.messages.size(), 1U);
        ASSERT_TRUE(Screen()->findChild<QPushButton*>("CmdPlot")->isEnabled());
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    FrmOpenFile* Screen() { return nav.OpenFileScreen(); }
    bool TitlesShown() { return nav.Titles() != nullptr && nav.Titles()->isVisible(); }

    Project p;
    RealBoxDialogs dialogs;
    Navigator nav{p, dialogs};
};

TEST_F(ModalSafety, EnterOnPlotThenToolbarOpenDropsTheDelayedClick)
{
    QPushButton* plot = Screen()->findChild<QPushButton*>("CmdPlot");
    QTest::keyClick(plot, Qt::Key_Return);
    // At once the toolbar's Open and a file: the read reports in a box, and the
    // Enter's click comes due while the box waits.
    bool titlesUnderBox = false;
    dialogs.openResults.push_back(kEnglish);
    InsideNextBox(300, [&] {
        titlesUnderBox = TitlesShown();
        // Were it open, the user's OK would discard the box's own parent.
        if (titlesUnderBox)
            nav.Titles()->findChild<QPushButton*>("CmdOK")->click();
    });
    Screen()->findChild<QAction*>("File")->trigger();

    ASSERT_EQ(dialogs.messages.size(), 2U);
    EXPECT_FALSE(titlesUnderBox);
    QTest::qWait(150);
    EXPECT_FALSE(TitlesShown());
    ASSERT_NE(Screen(), nullptr);
    EXPECT_TRUE(Screen()->isVisible());
    EXPECT_EQ(nav.ConePlot(), nullptr);

    // The button itself still works, and Enter still clicks it without a box.
    QTest::keyClick(plot, Qt::Key_Return);
    QTRY_VERIFY(TitlesShown());
}

TEST_F(ModalSafety, ScreenDiscardedInsideABoxLivesUntilTheBoxHasReturned)
{
    // Whatever moves the screens while the read's box waits (here the plot and
    // the project information's OK), the open-file screen that owns the box
    // and waits on it must outlive the wait.
    QPointer<FrmOpenFile> screen = Screen();
    bool aliveInside = false;
    dialogs.openResults.push_back(kEnglish);
    InsideNextBox(0, [&] {
        nav.PlotConeData();
        ASSERT_TRUE(TitlesShown());
        nav.Titles()->findChild<QPushButton*>("CmdOK")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(20);
        aliveInside = screen != nullptr;
    });
    screen->findChild<QAction*>("File")->trigger();

    EXPECT_TRUE(aliveInside);
    EXPECT_EQ(nav.OpenFileScreen(), nullptr);
    EXPECT_NE(nav.ConePlot(), nullptr);
    ASSERT_NE(screen, nullptr); // deleted later, by the loop that opened the box
    EXPECT_FALSE(screen->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(screen, nullptr);
}

} // namespace
} // namespace quarvex
