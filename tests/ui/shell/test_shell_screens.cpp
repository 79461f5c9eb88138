// The shell screens on their own: controls, captions, keyboard, and the
// millivolt factor and project information behaviour as a user meets it.

#include "project/Units.h"
#include "ui/FakeDialogs.h"
#include "ui/shell/FrmAbout.h"
#include "ui/shell/FrmConeFactors.h"
#include "ui/shell/FrmOpenFile.h"
#include "ui/shell/FrmSplash.h"
#include "ui/shell/Frm_Titles.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace quarvex {
namespace {

template <class W> W* Find(QWidget* root, const QString& name)
{
    W* w = root->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// ---------------------------------------------------------------- splash

TEST(FrmSplash, CaptionsAndTimer)
{
    FrmSplash splash;
    EXPECT_EQ(Find<QLabel>(&splash, "Lbl_Title")->text(),
              QStringLiteral("VELMARE PILE DESIGN BY CONE PENETRATION TEST PROGRAM \r\n") + QString(25, ' '));
    EXPECT_EQ(Find<QLabel>(&splash, "Lbl_Version")->text(), QStringLiteral("Version 2.3  "));
    EXPECT_FALSE(Find<QLabel>(&splash, "Lbl_Ostrin")->text().isEmpty());
    EXPECT_FALSE(Find<QLabel>(&splash, "ConeImage")->pixmap().isNull());
    EXPECT_EQ(splash.Timer1()->interval(), 4800);
    EXPECT_TRUE(splash.Timer1()->isSingleShot());
    EXPECT_EQ(splash.Timer1()->timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(splash.Timer1()->isActive());
    splash.show();
    EXPECT_TRUE(splash.Timer1()->isActive());
}

TEST(FrmSplash, FirstClickOrKeyClosesOnceAndStopsTheTimer)
{
    for (bool useKey : {false, true}) {
        FrmSplash splash;
        QSignalSpy spy(&splash, &FrmSplash::closeRequested);
        splash.show();
        if (useKey)
            QTest::keyClick(&splash, Qt::Key_A);
        else
            QTest::mouseClick(&splash, Qt::LeftButton);
        EXPECT_EQ(spy.count(), 1);
        EXPECT_FALSE(splash.Timer1()->isActive());
        QTest::keyClick(&splash, Qt::Key_B);
        EXPECT_EQ(spy.count(), 1);
    }
}

TEST(FrmSplash, TimerAloneClosesIt)
{
    FrmSplash splash;
    QSignalSpy spy(&splash, &FrmSplash::closeRequested);
    splash.show();
    splash.Timer1()->setInterval(20);
    splash.Timer1()->start();
    EXPECT_TRUE(spy.wait(2000));
    EXPECT_EQ(spy.count(), 1);
}

// Not before 4800 ms after it appears (a coarse timer may close it up to
// 240 ms early), and not long after.
TEST(FrmSplash, ClosesByItselfAt4800Ms)
{
    FrmSplash splash;
    QSignalSpy spy(&splash, &FrmSplash::closeRequested);
    QElapsedTimer clock;
    clock.start();
    splash.show();
    ASSERT_TRUE(spy.wait(8000));
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 4800);
    EXPECT_LT(elapsed, 5400);
}

// ---------------------------------------------------------------- open-file screen

TEST(FrmOpenFile, ControlsAndLoadDefaults)
{
    Project p;
    p.NumTitleLines = 4;
    p.UnitSystem = 0;
    p.DepthAxisMode = -1;
    FakeDialogs dialogs;
    FrmOpenFile screen(p, dialogs);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Open Cone Data File"));
    EXPECT_EQ(p.NumTitleLines, 10);
    EXPECT_EQ(p.UnitSystem, 1);
    EXPECT_EQ(p.DepthAxisMode, 1);

    EXPECT_EQ(Find<QLabel>(&screen, "Lbl_Title")->text(),
              QStringLiteral("Velmare Pile Design by Cone Penetration Test Program"));
    EXPECT_EQ(Find<QLabel>(&screen, "Label1")->text(),
              QStringLiteral("Pile Design from Cone Penetration Test"));
    EXPECT_EQ(Find<QLabel>(&screen, "Label2")->text(),
              QStringLiteral("Pile Design from Cone Penetration Test"));
    EXPECT_EQ(Find<QLabel>(&screen, "Lbl_MainTitle")->text(), QStringLiteral("Kemrow-CPT Program"));
    EXPECT_EQ(Find<QLabel>(&screen, "Label4")->text(), QStringLiteral("Disclaimer:"));
    EXPECT_EQ(Find<QLabel>(&screen, "Lbl_TitleLines")->text(),
              QStringLiteral(" Num. of Title\r\n      Lines "));
    EXPECT_EQ(Find<QLabel>(&screen, "Lbl_Units")->text(), QStringLiteral("Units in Data File"));
    Find<QWidget>(&screen, "Frm_TitleLines");
    Find<QWidget>(&screen, "Frm_Units");

    auto* comb = Find<QComboBox>(&screen, "CombTitleLines");
    ASSERT_EQ(comb->count(), 16);
    EXPECT_FALSE(comb->isEditable());
    for (int i = 0; i <= 15; ++i)
        EXPECT_EQ(comb->itemText(i), QString::number(i));
    EXPECT_EQ(comb->currentText(), QStringLiteral("10"));

    const char* units[3] = {"m-MilliVolts", "ft-tsf", "m-MPa"};
    for (int i = 0; i < 3; ++i) {
        auto* opt = Find<QRadioButton>(&screen, QStringLiteral("Opt_Units(%1)").arg(i));
        EXPECT_EQ(opt->text(), QString::fromLatin1(units[i]));
        EXPECT_EQ(opt->isChecked(), i == 1);
    }
    EXPECT_EQ(Find<QPushButton>(&screen, "CmdViewFile")->text(), QStringLiteral("View Data File"));
    EXPECT_EQ(Find<QPushButton>(&screen, "CmdOpenFile")->text(), QStringLiteral("Open Data File"));
    EXPECT_EQ(Find<QPushButton>(&screen, "CmdPlot")->text(), QStringLiteral("Plot Cone Data"));
    EXPECT_FALSE(Find<QPushButton>(&screen, "CmdPlot")->isEnabled());

    struct Tool {
        const char* key;
        const char* caption;
        const char* tip;
    };
    const Tool tools[] = {{"File", "Open", "Open Cone Data File"},
                          {"Exit", "Exit", "Exit the Program"},
                          {"About", "About", "About the Program"}};
    QWidget* bar = Find<QWidget>(&screen, "Toolbar1");
    const QList<QAction*> actions = bar->actions();
    ASSERT_EQ(actions.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(tools[i].key));
        EXPECT_EQ(actions[i]->text(), QString::fromLatin1(tools[i].caption));
        EXPECT_EQ(actions[i]->toolTip(), QString::fromLatin1(tools[i].tip));
        // Toolbar buttons take no Tab focus; each has a key of its own.
        EXPECT_FALSE(actions[i]->shortcut().isEmpty()) << tools[i].key;
    }
}

TEST(FrmOpenFile, SelectionsSetTitleLinesAndUnits)
{
    Project p;
    FakeDialogs dialogs;
    FrmOpenFile screen(p, dialogs);
    screen.show();
    Find<QComboBox>(&screen, "CombTitleLines")->setCurrentIndex(0);
    EXPECT_EQ(p.NumTitleLines, 0);
    Find<QComboBox>(&screen, "CombTitleLines")->setCurrentIndex(15);
    EXPECT_EQ(p.NumTitleLines, 15);
    for (int i : {0, 2, 1}) {
        // On the option's circle: the widget may be wider than its caption.
        auto* option = Find<QRadioButton>(&screen, QStringLiteral("Opt_Units(%1)").arg(i));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        EXPECT_EQ(p.UnitSystem, i);
    }
}

TEST(FrmOpenFile, TabVisitsTheControlsInOrderAndEnterPressesAButton)
{
    Project p;
    FakeDialogs dialogs;
    FrmOpenFile screen(p, dialogs);
    QList<QWidget*> chain;
    QWidget* w = Find<QWidget>(&screen, "CombTitleLines");
    for (int i = 0; i < 6; ++i) {
        chain << w;
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
    }
    QStringList names;
    for (QWidget* c : chain)
        names << c->objectName();
    EXPECT_EQ(names, (QStringList{"CombTitleLines", "Opt_Units(0)", "Opt_Units(1)", "Opt_Units(2)",
                                  "CmdViewFile", "CmdOpenFile"}));

    screen.show();
    auto* open = Find<QPushButton>(&screen, "CmdOpenFile");
    open->setFocus();
    QTest::keyClick(open, Qt::Key_Return);
    QTRY_COMPARE(dialogs.openRequests.size(), std::size_t{1});
}

TEST(FrmOpenFile, AcceptsADroppedLocalFileOnly)
{
    QMimeData data;
    EXPECT_TRUE(DroppedFilePath(&data).isEmpty());
    data.setUrls({QUrl(QStringLiteral("https://example.com/x.txt"))});
    EXPECT_TRUE(DroppedFilePath(&data).isEmpty());
    const QString sample = QStringLiteral(QUARVEX_BUNDLED_SAMPLES_DIR "/english_ft-tsf_comma.txt");
    data.setUrls(
        {QUrl::fromLocalFile(QStringLiteral(QUARVEX_BUNDLED_SAMPLES_DIR)), QUrl::fromLocalFile(sample)});
    EXPECT_EQ(DroppedFilePath(&data), sample);
}

TEST(FrmOpenFile, SeveralSoundingsAreListedAndClickingOneReadsIt)
{
    Project p;
    FakeDialogs dialogs;
    FrmOpenFile screen(p, dialogs);
    screen.show();
    auto* list = Find<QListWidget>(&screen, "LstSoundings");
    auto* note = Find<QLabel>(&screen, "LblFormat");
    auto* plot = Find<QPushButton>(&screen, "CmdPlot");
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(note->text().isEmpty());

    dialogs.openResults = {QStringLiteral(QUARVEX_TEST_DATA_DIR "/formats/site_two_locations.ags"),
                           QStringLiteral(QUARVEX_BUNDLED_SAMPLES_DIR "/english_ft-tsf_comma.txt")};
    QTest::mouseClick(Find<QPushButton>(&screen, "CmdOpenFile"), Qt::LeftButton);
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("CPT01"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("CPT02"));
    EXPECT_EQ(note->text(), QStringLiteral("AGS4 file with 2 soundings: choose one from the list."));
    EXPECT_FALSE(plot->isEnabled());
    EXPECT_TRUE(dialogs.messages.empty());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(p.CPTNo, "CPT02");
    EXPECT_EQ(p.NumReadings, 2);
    EXPECT_TRUE(plot->isEnabled());
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(
        note->text(),
        QStringLiteral("AGS4 file: title lines and units do not apply; the file gives its units (m, MPa)."));
    // The options still show the choice for plain files.
    EXPECT_TRUE(Find<QRadioButton>(&screen, "Opt_Units(1)")->isChecked());

    // A plain file: no list, no note, read as it always was.
    QTest::mouseClick(Find<QPushButton>(&screen, "CmdOpenFile"), Qt::LeftButton);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(note->text().isEmpty());
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
    EXPECT_EQ(p.CPTNo, "");
    EXPECT_TRUE(plot->isEnabled());
}

// ---------------------------------------------------------------- millivolt factors

class ConeFactorsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        p.UnitSystem = kUnitsMillivolts;
        p.NumReadings = 1;
        p.DepthData[1] = 10.0F;
        p.TipData[1] = 2.0F;
        p.SleeveData[1] = 4.0F;
        screen.show();
    }
    QLineEdit* Box(int i) { return screen.Factor(i); }
    Project p;
    FakeDialogs dialogs;
    FrmConeFactors screen{p, dialogs};
};

TEST_F(ConeFactorsTest, CaptionsAndDefaults)
{
    EXPECT_EQ(Find<QLabel>(&screen, "LblTitle")->text(), QStringLiteral("Cone Conversion Factors"));
    EXPECT_EQ(Find<QLabel>(&screen, "LblTip")->text(),
              QStringLiteral("Cone Tip Resistance Factor  ( 1 mVolt = "));
    EXPECT_EQ(Find<QLabel>(&screen, "LblSleeve")->text(),
              QStringLiteral("Cone Sleeve Factor              ( 1 mVolt = "));
    EXPECT_EQ(Find<QLabel>(&screen, "LblUnit")->text(), QStringLiteral("MPa )"));
    EXPECT_EQ(Find<QLabel>(&screen, "Label1")->text(), QStringLiteral("MPa )"));
    EXPECT_EQ(Find<QPushButton>(&screen, "CmdNext")->text(), QStringLiteral("Continue"));
    EXPECT_EQ(Find<QPushButton>(&screen, "CmdBack")->text(), QStringLiteral("Back"));
    EXPECT_EQ(Find<QLineEdit>(&screen, "TxtFactor(0)")->text(), QStringLiteral("50"));
    EXPECT_EQ(Find<QLineEdit>(&screen, "TxtFactor(1)")->text(), QStringLiteral("0.5"));
}

TEST_F(ConeFactorsTest, NonNumericTypingEmptiesTheBox)
{
    struct Case {
        const char* typed;
        const char* left;
    };
    // Typed a key at a time: texts on the way to a number (a lone sign or
    // point, an exponent mark without digits) stay; a text no typing can
    // finish empties the box, and typing goes on from there.
    const Case cases[] = {{"12", "12"}, {"1x", ""},         {"-", "-"},       {".", "."},
                          {"2.", "2."}, {"2.5e1", "2.5e1"}, {"-0.5", "-0.5"}, {"1e-", "1e-"},
                          {"1e5.", ""}, {"--", ""},         {"-x5", "5"}};
    for (const Case& c : cases) {
        Box(0)->clear();
        QTest::keyClicks(Box(0), QString::fromLatin1(c.typed));
        EXPECT_EQ(Box(0)->text(), QString::fromLatin1(c.left)) << c.typed;
    }
    Box(0)->setText(QStringLiteral("2.5e1"));
    EXPECT_EQ(Box(0)->text(), QStringLiteral("2.5e1"));
    // A change in either box checks both.
    Box(0)->setText(QStringLiteral("5"));
    QTest::keyClicks(Box(1), QStringLiteral("z"));
    EXPECT_EQ(Box(1)->text(), QString());
    EXPECT_EQ(Box(0)->text(), QStringLiteral("5"));
}

TEST_F(ConeFactorsTest, ContinueRefusesAnEmptyBoxOnce)
{
    QSignalSpy accepted(&screen, &QDialog::accepted);
    Box(1)->clear();
    QTest::mouseClick(Find<QPushButton>(&screen, "CmdNext"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0], CriticalMessage(" Missing Data entry .. Please enter "));
    EXPECT_EQ(dialogs.messages[0].caption, "Quarvex");
    EXPECT_EQ(screen.focusWidget(), Box(1));
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(p.UnitSystem, kUnitsMillivolts);
    EXPECT_EQ(p.TipData[1], 2.0F);
}

TEST_F(ConeFactorsTest, ContinueConvertsWithTheTypedFactors)
{
    QSignalSpy accepted(&screen, &QDialog::accepted);
    QTest::mouseClick(Find<QPushButton>(&screen, "CmdNext"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(p.UnitSystem, kUnitsEnglish);
    EXPECT_EQ(p.DepthData[1], static_cast<float>(10.0F * 3.28084));
    EXPECT_EQ(p.TipData[1], static_cast<float>((2.0F * 50.0F) / 0.09576));
    EXPECT_EQ(p.SleeveData[1], static_cast<float>((4.0F * 0.5F) / 0.09576));
}

TEST_F(ConeFactorsTest, ANegativeFactorCanBeTyped)
{
    QSignalSpy accepted(&screen, &QDialog::accepted);
    Box(0)->clear();
    QTest::keyClicks(Box(0), QStringLiteral("-5e1"));
    EXPECT_EQ(Box(0)->text(), QStringLiteral("-5e1"));
    QTest::mouseClick(Find<QPushButton>(&screen, "CmdNext"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(p.TipData[1], static_cast<float>((2.0F * -50.0F) / 0.09576));
}

TEST_F(ConeFactorsTest, BackAndEscapeLeaveTheReadingsAlone)
{
    for (bool escape : {false, true}) {
        FrmConeFactors again(p, dialogs);
        again.show();
        QSignalSpy rejected(&again, &QDialog::rejected);
        if (escape)
            QTest::keyClick(&again, Qt::Key_Escape);
        else
            QTest::mouseClick(again.findChild<QPushButton*>("CmdBack"), Qt::LeftButton);
        EXPECT_EQ(rejected.count(), 1);
        EXPECT_EQ(p.UnitSystem, kUnitsMillivolts);
        EXPECT_EQ(p.TipData[1], 2.0F);
    }
}

// ---------------------------------------------------------------- project information

TEST(Frm_Titles, LabelsTabOrderAndLists)
{
    Project p;
    CreateHistoryLists(p);
    p.HistList[0].Add("P-1", "P-1|Acme|Job");
    p.HistList[1].Add("Sta 1", "");
    p.CPTStation = "Sta 9";
    FakeDialogs dialogs;
    Frm_Titles screen(p, dialogs);
    const char* labels[][2] = {{"LblProjNum", "Project Number:"},
                               {"Label1", "Company:"},
                               {"LblTitle", "Project Title:"},
                               {"Label3", "CPT Station:"},
                               {"LblOffset", "Offset:"},
                               {"LblElev", "Ground Elevation (ft):"},
                               {"LblParish", "Struct No: "},
                               {"LblLtit", "Latitude:"},
                               {"LblLongit", "Longitude:"},
                               {"LblDate", "Date: "},
                               {"Label2", "CPT No:"},
                               {"LblComment", "Comments"},
                               {"LblMain", "Enter Project Information:"},
                               {"LblGPS", "GPS Data"}};
    for (const auto& l : labels)
        EXPECT_EQ(Find<QLabel>(&screen, l[0])->text(), QString::fromLatin1(l[1])) << l[0];
    EXPECT_EQ(Find<QPushButton>(&screen, "CmdOK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(Find<QPushButton>(&screen, "CmdCancel")->text(), QStringLiteral("Cancel"));

    // The list does not overwrite a field's own text.
    EXPECT_EQ(screen.Field(kFieldStation)->currentText(), QStringLiteral("Sta 9"));
    EXPECT_EQ(screen.Field(kFieldStation)->count(), 1);
    EXPECT_EQ(screen.Field(kFieldCompany)->itemText(0), QStringLiteral("Acme"));
    EXPECT_EQ(screen.Field(kFieldCompany)->currentText(), QString());
    EXPECT_EQ(screen.Field(kFieldDate)->count(), 1);

    QStringList order;
    QWidget* w = screen.Field(kFieldDate);
    for (int i = 0; i < 14; ++i) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty());
    }
    EXPECT_EQ(order, (QStringList{"cmbTitle(9)", "cmbTitle(0)", "cmbTitle(1)", "cmbTitle(2)", "cmbTitle(10)",
                                  "cmbTitle(3)", "cmbTitle(4)", "cmbTitle(5)", "cmbTitle(6)", "cmbTitle(7)",
                                  "cmbTitle(8)", "TxtComment", "CmdCancel", "CmdOK"}));
}

TEST(Frm_Titles, RefusedElevationKeepsTheScreenOpenWithFocusThere)
{
    Project p;
    CreateHistoryLists(p);
    FakeDialogs dialogs;
    Frm_Titles screen(p, dialogs);
    screen.show();
    QSignalSpy accepted(&screen, &QDialog::accepted);
    QTest::keyClicks(screen.Field(kFieldElevation), QStringLiteral("high"));
    QTest::mouseClick(Find<QPushButton>(&screen, "CmdOK"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].caption, " Data Entry Message");
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_TRUE(screen.isVisible());
    QWidget* focus = screen.focusWidget();
    EXPECT_TRUE(focus == screen.Field(kFieldElevation) || focus == screen.Field(kFieldElevation)->lineEdit());

    screen.Field(kFieldElevation)->setEditText(QStringLiteral("12.5"));
    QTest::mouseClick(Find<QPushButton>(&screen, "CmdOK"), Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(p.GroundElevation, 12.5F);
}

TEST(Frm_Titles, NumberFieldsKeepWhatWasTyped)
{
    Project p;
    CreateHistoryLists(p);
    FakeDialogs dialogs;
    Frm_Titles screen(p, dialogs);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    for (int field : {kFieldElevation, kFieldLatitude, kFieldLongitude}) {
        SCOPED_TRACE(field);
        QComboBox* box = screen.Field(field);
        box->addItem(QStringLiteral("12.5"));
        box->setEditText(QString());
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
        QTest::keyClicks(box, QStringLiteral("1"));
        EXPECT_EQ(box->currentText(), QStringLiteral("1"));
    }
    QTest::mouseClick(Find<QPushButton>(&screen, "CmdOK"), Qt::LeftButton);
    EXPECT_EQ(p.GroundElevation, 1.0F);
}

TEST(Frm_Titles, EnterInAFieldDoesNotCloseAndEscapeCancels)
{
    Project p;
    CreateHistoryLists(p);
    FakeDialogs dialogs;
    Frm_Titles screen(p, dialogs);
    screen.show();
    QSignalSpy accepted(&screen, &QDialog::accepted);
    QSignalSpy rejected(&screen, &QDialog::rejected);
    screen.Field(kFieldProjectNumber)->setFocus();
    QTest::keyClicks(screen.Field(kFieldProjectNumber), QStringLiteral("P-5"));
    QTest::keyClick(screen.Field(kFieldProjectNumber), Qt::Key_Return);
    EXPECT_EQ(accepted.count() + rejected.count(), 0);
    EXPECT_EQ(screen.Field(kFieldProjectNumber)->count(), 0);
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_EQ(p.ProjectNumber, "");
}

TEST(Frm_Titles, CommentsKeepCrLfLineEnds)
{
    Project p;
    CreateHistoryLists(p);
    p.FileHeader = "title 1\r\ntitle 2\r\n";
    FakeDialogs dialogs;
    Frm_Titles screen(p, dialogs);
    auto* comment = Find<QPlainTextEdit>(&screen, "TxtComment");
    EXPECT_EQ(comment->toPlainText(), QStringLiteral("title 1\ntitle 2\n"));
    screen.accept();
    EXPECT_EQ(p.Comments, "title 1\r\ntitle 2\r\n");
}

// ---------------------------------------------------------------- about

TEST(FrmAbout, DocumentCarriesItsSectionsInOrder)
{
    FrmAbout about;
    EXPECT_EQ(Find<QPushButton>(&about, "cmdExit")->text(), QStringLiteral("Exit"));
    const QString text = Find<QTextBrowser>(&about, "RichTextBox1")->toPlainText();
    const char* marks[] = {"Disclaimer",
                           "Notes on Reading Cone Data Files",
                           "NOTES ON PILE DESIGN",
                           "A. Ultimate Pile Capacity",
                           "B. Schmertmann",
                           "C. De Ruiter and Beringen",
                           "D. Bustamante and Gianeselli",
                           "Clay-silt",
                           "Sand-gravel",
                           "Chalk",
                           "E. Soil Classification",
                           "F. Tip Resistance",
                           "REFERENCES"};
    qsizetype at = -1;
    for (const char* m : marks) {
        const qsizetype found = text.indexOf(QString::fromLatin1(m), at + 1);
        EXPECT_GT(found, at) << m;
        at = found;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("\u00B7\t")));
    for (const char* v : {"0.375", "0.6", "0.15", "0.2", "0.4", "Zhang and Tumay (1999)"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(v))) << v;
}

TEST(FrmAbout, OpensAtTheTopAndEscapeCloses)
{
    QPointer<FrmAbout> about = new FrmAbout;
    about->show();
    EXPECT_EQ(about->Document()->verticalScrollBar()->value(), 0);
    QSignalSpy rejected(about.data(), &QDialog::rejected);
    QTest::keyClick(about.data(), Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
    // Closing discards the screen.
    QTRY_VERIFY(about.isNull());
}

} // namespace
} // namespace quarvex
