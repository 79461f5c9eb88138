// The pile design screen, the soil layer screen and the tip options screen,
// driven as a user would, with scripted dialogs.

#include "DesignFixtures.h"

#include "design/TipOptions.h"
#include "project/NumberText.h"
#include "screenlogic/PileChecks.h"
#include "screenlogic/SoilLayerEntry.h"
#include "ui/FakeDialogs.h"
#include "ui/design/FrmPileDesign.h"
#include "ui/design/FrmSoilLayers.h"
#include "ui/design/FrmTipOptions.h"
#include "ui/shell/Frm_Titles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

class PileDesignTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        p = DesignReadyProject(kSample11, 9);
        ASSERT_GT(p.NumSteps, 100);
    }

    QComboBox* Size(FrmPileDesign& s) { return Find<QComboBox>(s, "CombSection"); }
    QLineEdit* Top(FrmPileDesign& s) { return Find<QLineEdit>(s, "TxtTopElev"); }
    QLineEdit* Tip(FrmPileDesign& s) { return Find<QLineEdit>(s, "TxtTipElev"); }
    QRadioButton* Opt(FrmPileDesign& s, const char* name) { return Find<QRadioButton>(s, name); }

    Project p;
    FakeDialogs dialogs;
};

// Answers each modal screen of a run as soon as it waits.
struct ModalScript {
    // A screen the script left open would wait forever: close it and fail.
    static void Answer(QDialog& d, const std::function<void(QDialog&)>& script)
    {
        script(d);
        if (d.isVisible()) {
            ADD_FAILURE() << d.objectName().toStdString() << " stayed open";
            d.reject();
        }
    }

    std::function<void(QDialog&)> layers;
    std::function<void(QDialog&)> tip;
    int layerScreens = 0;
    int tipScreens = 0;

    std::function<void(QDialog&)> Hook()
    {
        return [this](QDialog& d) {
            QDialog* dialog = &d;
            if (d.objectName() == "FrmSoilLayers") {
                ++layerScreens;
                QTimer::singleShot(0, dialog, [this, dialog] { Answer(*dialog, layers); });
            } else {
                ++tipScreens;
                QTimer::singleShot(0, dialog, [this, dialog] { Answer(*dialog, tip); });
            }
        };
    }
};

void Click(QWidget& root, const char* name)
{
    auto* b = Find<QAbstractButton>(root, name);
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

} // namespace

TEST_F(PileDesignTest, LoadDefaults)
{
    FrmPileDesign s(p, dialogs);
    EXPECT_EQ(s.windowTitle(), "Velmare Pile Design by Cone Penetration Test [Kemrow-CPT]");
    EXPECT_EQ(Find<QLabel>(s, "LblTop")->text(), "0.1 (ft) ");
    EXPECT_EQ(Find<QLabel>(s, "LblMax")->text(), QString::fromStdString(GeneralForm(s.ConeMax()) + " (ft)"));
    EXPECT_EQ(p.PileTopDepth, 0.1F);
    EXPECT_EQ(p.PileTipDepth, s.ConeMax());
    EXPECT_FLOAT_EQ(p.PileSize, 14.0F / 12);
    EXPECT_EQ(p.PileType, 9);
    EXPECT_EQ(p.PileShape, 0);
    EXPECT_EQ(p.OutputFileName, "Output.dat");
    EXPECT_TRUE(Opt(s, "OptMaxDepth")->isChecked());
    EXPECT_TRUE(Opt(s, "OptTopDefault")->isChecked());
    EXPECT_TRUE(Opt(s, "OptAutoLayers")->isChecked());
    EXPECT_TRUE(Opt(s, "OptFileDefault")->isChecked());
    EXPECT_FALSE(Top(s)->isEnabled());
    EXPECT_FALSE(Tip(s)->isEnabled());
    EXPECT_FALSE(Find<QComboBox>(s, "CombType")->isEnabled());
    EXPECT_EQ(Find<QComboBox>(s, "CombType")->currentText(), "Driven Concrete Pile");
    EXPECT_EQ(Find<QPushButton>(s, "CmdDesign")->text(), "Analysis");
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Find<QCheckBox>(s, QString("ChkMethod(%1)").arg(k))->checkState(), Qt::Checked);
    QComboBox* size = Size(s);
    ASSERT_EQ(size->count(), 7);
    EXPECT_EQ(size->itemText(0), "");
    EXPECT_EQ(size->itemText(6), "36");
    EXPECT_EQ(size->currentText(), "");

    // Round piles are offered 36 and 54 inches; any size may be typed.
    QComboBox* shape = Find<QComboBox>(s, "CombShape");
    shape->setCurrentIndex(1);
    emit shape->activated(1);
    EXPECT_EQ(p.PileShape, 1);
    ASSERT_EQ(size->count(), 3);
    EXPECT_EQ(size->itemText(2), "54");
}

// The checks of "Analysis": message, focus and clearing; the screen stays and
// no results open.
TEST_F(PileDesignTest, AnalysisChecks)
{
    struct Case {
        const char* size;
        const char* top; // nullptr: default top
        const char* tip; // nullptr: default tip
        std::string message;
        const char* focus;
        bool cleared;
    };
    const Single coneMax = ConeMaxDepth(p);
    const std::string tooShortTop = GeneralForm(coneMax - 5 * (14.0F / 12));
    const Case cases[] = {
        {"", nullptr, nullptr, kMsgEnterDiameter, nullptr, false},
        {"abc", nullptr, nullptr, kMsgDiameterPositive, "CombSection", false},
        {"-14", nullptr, nullptr, kMsgDiameterPositive, "CombSection", false},
        {"14", "", nullptr, kMsgMissingTop, "TxtTopElev", false},
        {"14", "0.05", nullptr, kMsgTopAboveCone, "TxtTopElev", true},
        {"14", tooShortTop.c_str(), nullptr, kMsgTopTooShort, "TxtTopElev", true},
        {"14", nullptr, "", kMsgMissingTip, "TxtTipElev", false},
        {"14", nullptr, "5", kMsgTipTooShort, "TxtTipElev", true},
        {"14", nullptr, "500", kMsgTipBelowCone, "TxtTipElev", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        FakeDialogs d;
        FrmPileDesign s(p, d);
        QSignalSpy results(&s, &FrmPileDesign::resultsRequested);
        Size(s)->setEditText(c.size);
        if (c.top != nullptr) {
            Click(s, "OptTopSelect");
            QTest::keyClicks(Top(s), c.top);
        }
        if (c.tip != nullptr) {
            Click(s, "OptDepth");
            QTest::keyClicks(Tip(s), c.tip);
        }
        Click(s, "CmdDesign");
        ASSERT_EQ(d.messages.size(), 1U);
        EXPECT_EQ(d.messages[0].text, c.message);
        EXPECT_EQ(d.messages[0].caption, "Quarvex");
        EXPECT_EQ(results.count(), 0);
        if (c.focus != nullptr) {
            ASSERT_NE(s.focusWidget(), nullptr);
            const QWidget* focus = s.focusWidget();
            if (qobject_cast<const QLineEdit*>(focus) && focus->parentWidget() == Size(s))
                focus = Size(s);
            EXPECT_EQ(focus->objectName(), c.focus);
        }
        if (c.cleared) {
            auto* box = Find<QLineEdit>(s, c.focus);
            EXPECT_EQ(box->text(), "");
            // Clearing a box restores its default depth.
            if (QString(c.focus) == "TxtTopElev")
                EXPECT_EQ(p.PileTopDepth, s.ConeTop());
            else
                EXPECT_EQ(p.PileTipDepth, s.ConeMax());
        }
    }
}

TEST_F(PileDesignTest, BoxesAndOptions)
{
    FrmPileDesign s(p, dialogs);
    // Letters never stay in a depth box; the default depth holds.
    Click(s, "OptTopSelect");
    QTest::keyClicks(Top(s), "ab");
    EXPECT_EQ(Top(s)->text(), "");
    EXPECT_EQ(p.PileTopDepth, s.ConeTop());
    QTest::keyClicks(Top(s), "12.5");
    EXPECT_EQ(p.PileTopDepth, 12.5F);
    // A number on its way (sign, point, exponent mark) stays while typed; the
    // depth is the default until the text is a number.
    struct Typed {
        const char* keys;
        const char* left;
    } typed[] = {{"-", "-"}, {".", "."}, {"1e", "1e"}, {"1e-", "1e-"}, {"1.5e1", "1.5e1"}, {"1e5.", ""}};
    for (const Typed& t : typed) {
        Top(s)->clear();
        QTest::keyClicks(Top(s), t.keys);
        EXPECT_EQ(Top(s)->text(), t.left) << t.keys;
    }
    Top(s)->clear();
    QTest::keyClicks(Top(s), "1e");
    EXPECT_EQ(p.PileTopDepth, s.ConeTop());
    QTest::keyClicks(Top(s), "1");
    EXPECT_EQ(p.PileTopDepth, 10.0F);
    Click(s, "OptTopDefault");
    EXPECT_EQ(Top(s)->text(), "");
    EXPECT_FALSE(Top(s)->isEnabled());
    EXPECT_EQ(p.PileTopDepth, s.ConeTop());

    Click(s, "OptDepth");
    QTest::keyClicks(Tip(s), "40");
    EXPECT_EQ(p.PileTipDepth, 40.0F);
    Click(s, "OptMaxDepth");
    EXPECT_EQ(p.PileTipDepth, s.ConeMax());

    // The layer mode shows in the design button.
    Click(s, "OptManLayers");
    EXPECT_EQ(Find<QPushButton>(s, "CmdDesign")->text(), "Select Layers");
    Click(s, "OptAutoLayers");
    EXPECT_EQ(Find<QPushButton>(s, "CmdDesign")->text(), "Analysis");

    // Average of methods greys the three methods; unticking it clears the grey.
    auto values = [&] { return s.MethodValues(); };
    Click(s, "ChkMethod(3)");
    EXPECT_EQ(values(), (std::array<int, 4>{1, 1, 1, 0}));
    Click(s, "ChkMethod(3)");
    EXPECT_EQ(values(), (std::array<int, 4>{2, 2, 2, 1}));
    EXPECT_EQ(Find<QCheckBox>(s, "ChkMethod(0)")->checkState(), Qt::PartiallyChecked);
    Click(s, "ChkMethod(1)");
    EXPECT_EQ(values()[1], 0);
    Click(s, "ChkMethod(1)");
    EXPECT_EQ(values()[1], 1);

    // A cancelled save dialog leaves the name last chosen there (none at first).
    dialogs.saveResults = {std::nullopt, QString("/tmp/x.dat"), std::nullopt};
    Click(s, "OptFileSelect");
    EXPECT_EQ(p.OutputFileName, "");
    ASSERT_EQ(dialogs.saveRequests.size(), 1U);
    EXPECT_EQ(dialogs.saveRequests[0].title, "Export File");
    Click(s, "OptFileDefault");
    EXPECT_EQ(p.OutputFileName, "Output.dat");
    Click(s, "OptFileSelect");
    EXPECT_EQ(p.OutputFileName, "/tmp/x.dat");
    Click(s, "OptFileSelect");
    EXPECT_EQ(p.OutputFileName, "/tmp/x.dat");

    QSignalSpy exit(&s, &FrmPileDesign::exitRequested);
    QSignalSpy back(&s, &FrmPileDesign::backRequested);
    QSignalSpy other(&s, &FrmPileDesign::otherDataRequested);
    Click(s, "cmdExit");
    Click(s, "CmdBack");
    Click(s, "CmdData");
    EXPECT_EQ(exit.count(), 1);
    EXPECT_EQ(back.count(), 1);
    EXPECT_EQ(other.count(), 1);
}

// A typed size is used as typed: the list must not complete "3" to 30 or 36.
TEST_F(PileDesignTest, TypedSizeIsNotCompletedFromTheList)
{
    for (int shape : {0, 1}) {
        SCOPED_TRACE(shape);
        FrmPileDesign s(p, dialogs);
        s.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
        auto* shapes = Find<QComboBox>(s, "CombShape");
        shapes->setCurrentIndex(shape);
        emit shapes->activated(shape);
        Size(s)->setFocus();
        ASSERT_TRUE(Size(s)->hasFocus());
        QTest::keyClicks(Size(s), "3");
        QTest::keyClick(Size(s), Qt::Key_Tab);
        EXPECT_EQ(Size(s)->currentText(), "3");
        s.SetModalHook([](QDialog& d) { QTimer::singleShot(0, &d, &QDialog::reject); });
        Click(s, "CmdDesign");
        EXPECT_EQ(p.PileSizeText, "3");
        EXPECT_FLOAT_EQ(p.PileSize, 3.0F / 12);
    }
}

// Leaving the layer screen or the tip options without finishing computes
// nothing; a second press asks again.
TEST_F(PileDesignTest, RunStopsAtItsQuestions)
{
    QTemporaryDir dir;
    FrmPileDesign s(p, dialogs);
    dialogs.saveResults = {dir.filePath("out.dat")};
    Click(s, "OptFileSelect");
    QSignalSpy results(&s, &FrmPileDesign::resultsRequested);
    ModalScript script;
    script.layers = [](QDialog& d) { Click(d, "CmdButton(3)"); };
    script.tip = [](QDialog& d) { Click(d, "CmdBack"); };
    s.SetModalHook(script.Hook());
    Size(s)->setEditText("14");

    Click(s, "OptManLayers");
    Click(s, "CmdDesign");
    EXPECT_EQ(script.layerScreens, 1);
    EXPECT_EQ(script.tipScreens, 0);
    EXPECT_EQ(p.AutoLayers, True);
    EXPECT_EQ(Find<QPushButton>(s, "CmdDesign")->text(), "Select Layers");
    Click(s, "CmdDesign");
    EXPECT_EQ(script.layerScreens, 2);

    Click(s, "OptAutoLayers");
    Click(s, "CmdDesign");
    EXPECT_EQ(script.tipScreens, 1);
    EXPECT_EQ(p.TipOption, kTipOptionBack);
    EXPECT_EQ(results.count(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("out.dat")));
}

// An output file that cannot be created: the message, and no results screen.
TEST_F(PileDesignTest, RefusedOutputOpensNoResults)
{
    FrmPileDesign s(p, dialogs);
    dialogs.saveResults = {QString("/nonexistent-folder/out.dat")};
    Click(s, "OptFileSelect");
    QSignalSpy results(&s, &FrmPileDesign::resultsRequested);
    Size(s)->setEditText("14");
    Click(s, "OptDepth");
    QTest::keyClicks(Tip(s), "60");
    Click(s, "CmdDesign");
    EXPECT_EQ(results.count(), 0);
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_NE(dialogs.messages[0].text.find("select a file name"), std::string::npos)
        << dialogs.messages[0].text;
}

#ifdef QUARVEX_BATCH
// The run from the screen writes the same file as quarvex-batch given the same
// choices.
TEST_F(PileDesignTest, SameOutputAsBatch)
{
    struct Case {
        const char* name;
        int shape;
        const char* size;
        const char* top;
        const char* tip;
        std::vector<std::string> layerBottoms; // manual layers when not empty
        int tipOption;                         // 1..3, when the tip options are asked
        const char* tipValue;
    } cases[] = {
        {"default-depths", 0, "16", nullptr, nullptr, {}, 2, nullptr},
        {"round-manual", 1, "36", "10", "60", {"25", "40"}, 1, nullptr},
        {"option-3", 0, "14", "5", nullptr, {}, 3, "5"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project project = DesignReadyProject(kSample11, 9);
        FakeDialogs d;
        FrmPileDesign s(project, d);
        const QString screenFile = dir.filePath(QString("%1-screen.dat").arg(c.name));
        const QString batchFile = dir.filePath(QString("%1-batch.dat").arg(c.name));
        d.saveResults = {screenFile};
        Click(s, "OptFileSelect");
        auto* shape = Find<QComboBox>(s, "CombShape");
        shape->setCurrentIndex(c.shape);
        emit shape->activated(c.shape);
        Size(s)->setEditText(c.size);
        if (c.top != nullptr) {
            Click(s, "OptTopSelect");
            QTest::keyClicks(Top(s), c.top);
        }
        if (c.tip != nullptr) {
            Click(s, "OptDepth");
            QTest::keyClicks(Tip(s), c.tip);
        }
        ModalScript script;
        script.layers = [&c](QDialog& dlg) {
            auto* count = Find<QComboBox>(dlg, "CombNumLayers");
            const int layers = static_cast<int>(c.layerBottoms.size()) + 1;
            count->setCurrentIndex(layers - 1);
            emit count->activated(layers - 1);
            for (const std::string& bottom : c.layerBottoms) {
                QTest::keyClicks(Find<QLineEdit>(dlg, "TxtElev(1)"), QString::fromStdString(bottom));
                Click(dlg, "CmdButton(1)");
            }
            Click(dlg, "CmdButton(2)");
        };
        script.tip = [&c](QDialog& dlg) {
            Click(dlg, QString("Tip_Option(%1)").arg(c.tipOption - 1).toLatin1().constData());
            if (c.tipValue != nullptr)
                QTest::keyClicks(Find<QLineEdit>(dlg, "TxtTipEntry"), c.tipValue);
            Click(dlg, "CmdNext");
        };
        s.SetModalHook(script.Hook());
        if (!c.layerBottoms.empty())
            Click(s, "OptManLayers");
        QSignalSpy results(&s, &FrmPileDesign::resultsRequested);
        Click(s, "CmdDesign");
        ASSERT_EQ(results.count(), 1);
        EXPECT_EQ(script.layerScreens, c.layerBottoms.empty() ? 0 : 1);
        EXPECT_EQ(project.AutoLayers, c.layerBottoms.empty() ? True : False);
        ASSERT_EQ(d.messages.size(), 1U);
        EXPECT_NE(d.messages[0].text.find(screenFile.toStdString()), std::string::npos) << d.messages[0].text;

        QStringList args = BatchProjectArgs(project);
        args << QString("--shape=") + (c.shape == 0 ? "square" : "round") << QString("--size=") + c.size
             << QString("--tip-option=%1").arg(c.tipOption) << "--output=" + batchFile;
        if (c.top != nullptr)
            args << QString("--top=") + c.top;
        if (c.tip != nullptr)
            args << QString("--tip=") + c.tip;
        if (c.tipValue != nullptr)
            args << QString("--tip-value=") + c.tipValue;
        if (!c.layerBottoms.empty()) {
            QStringList bottoms;
            for (const auto& b : c.layerBottoms)
                bottoms << QString::fromStdString(b);
            args << "--layers=manual:" + bottoms.join(",");
        }
        ASSERT_EQ(RunBatch(args), "");

        const std::string fromScreen = ReadWholeFile(screenFile);
        const std::string fromBatch = ReadWholeFile(batchFile);
        ASSERT_GT(fromScreen.size(), 1000U);
        EXPECT_TRUE(fromScreen == fromBatch) << "the two output files differ";
    }
}

// A title line with an 8-bit character (0xE9, "\xE9" in Windows-1252) goes
// through the project information screen and reaches the output file as the
// same byte the batch command writes.
TEST(PileDesignBytes, Latin1TitleLineWritesTheBatchBytes)
{
    QTemporaryDir dir;
    std::string data = ReadWholeFile(QString(QUARVEX_FIELD_DIR "/") + kSample11);
    ASSERT_FALSE(data.empty());
    const std::string titleLine = "Pont sur la Bayou T\xE9"
                                  "che";
    data = titleLine + "\r\n" + data.substr(data.find('\n') + 1);
    const QString dataFile = dir.filePath("latin1.txt");
    {
        std::ofstream out(dataFile.toStdString(), std::ios::binary);
        out << data;
    }
    Project project = DesignReadyProjectAt(dataFile.toStdString(), 9);
    ASSERT_GT(project.NumSteps, 100);
    ASSERT_NE(project.FileHeader.find(titleLine), std::string::npos);

    FakeDialogs d;
    Frm_Titles titles(project, d);
    auto* comment = titles.findChild<QPlainTextEdit*>("TxtComment");
    EXPECT_TRUE(comment->toPlainText().contains(QString::fromUtf8("Pont sur la Bayou T\u00e9che")))
        << comment->toPlainText().left(80).toStdString();
    titles.accept();
    ASSERT_TRUE(d.messages.empty());
    EXPECT_EQ(project.Comments, project.FileHeader);

    FrmPileDesign s(project, d);
    const QString screenFile = dir.filePath("screen.dat");
    const QString batchFile = dir.filePath("batch.dat");
    d.saveResults = {screenFile};
    Click(s, "OptFileSelect");
    Find<QComboBox>(s, "CombSection")->setEditText("16");
    s.SetModalHook([](QDialog& dlg) { QTimer::singleShot(0, &dlg, [&dlg] { Click(dlg, "CmdNext"); }); });
    QSignalSpy results(&s, &FrmPileDesign::resultsRequested);
    Click(s, "CmdDesign");
    ASSERT_EQ(results.count(), 1);

    QStringList args = BatchProjectArgs(project);
    args << "--shape=square"
         << "--size=16"
         << "--tip-option=1"
         << "--output=" + batchFile;
    ASSERT_EQ(RunBatch(args), "");
    const std::string fromScreen = ReadWholeFile(screenFile);
    const std::string fromBatch = ReadWholeFile(batchFile);
    EXPECT_NE(fromScreen.find(titleLine), std::string::npos) << "the byte 0xE9 is not in the screen's file";
    EXPECT_TRUE(fromScreen == fromBatch) << "the two output files differ";
}
#endif

// The layer screen walked through three layers from 0 to 60 ft.
TEST(SoilLayersScreen, MasksAndMessages)
{
    Project p = SmallStepTable(200);
    p.PileTopDepth = 0;
    p.PileTipDepth = 60;
    p.AutoLayers = True;
    FakeDialogs d;
    FrmSoilLayers s(p, d);
    s.show();
    auto mask = [&] {
        std::string m;
        for (int b = 0; b < 4; ++b)
            m += Find<QPushButton>(s, QString("CmdButton(%1)").arg(b))->isEnabled() ? '1' : '0';
        return m;
    };
    auto box = [&](int j) { return Find<QLineEdit>(s, QString("TxtElev(%1)").arg(j)); };
    EXPECT_EQ(mask(), "0001");
    EXPECT_FALSE(box(0)->isVisible());

    auto* count = Find<QComboBox>(s, "CombNumLayers");
    EXPECT_EQ(count->count(), 12);
    count->setCurrentIndex(2);
    emit count->activated(2);
    EXPECT_EQ(p.NumLayers, 3);
    EXPECT_TRUE(box(0)->isVisible());
    EXPECT_EQ(Find<QLabel>(s, "LblElev(0)")->text(), "Top Elevation of Layer 1");
    EXPECT_EQ(Find<QLabel>(s, "LblElev(1)")->text(), "Bottom Elev. of Layer 1");
    EXPECT_EQ(Find<QLabel>(s, "LblUnit(1)")->text(), "ft");
    EXPECT_EQ(mask(), "0101");
    EXPECT_EQ(box(0)->text(), "0");
    EXPECT_FALSE(box(0)->isEnabled());

    struct Step {
        const char* bottom;
        const char* button;
        const char* message; // nullptr: none
        const char* mask;
        int layer;
    } steps[] = {
        // Lower-case "data", unlike the factor screen's " Missing Data entry".
        {"", "CmdButton(1)", " Missing data entry ...", "0101", 1},
        {"0.5", "CmdButton(1)", kMsgLayerTooThin, "0101", 1},
        {"0.656", "CmdButton(1)", kMsgLayerTooThin, "0101", 1},
        {"20", "CmdButton(1)", nullptr, "1101", 2},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.bottom);
        d.messages.clear();
        QTest::keyClicks(box(1), st.bottom);
        Click(s, st.button);
        if (st.message != nullptr) {
            ASSERT_EQ(d.messages.size(), 1U);
            EXPECT_EQ(d.messages[0].text, st.message);
            EXPECT_EQ(d.messages[0].icon, MsgIcon::Critical);
        } else {
            EXPECT_TRUE(d.messages.empty());
        }
        EXPECT_EQ(s.Entry().CurrentLayer(), st.layer);
        EXPECT_EQ(mask(), st.mask);
    }
    EXPECT_EQ(box(0)->text(), "20");
    EXPECT_EQ(p.LayerBottom[1], 20.0F);

    // Layer 2 of 3 is a middle layer once its bottom is typed.
    QTest::keyClicks(box(1), "70");
    EXPECT_EQ(mask(), "1101");
    d.messages.clear();
    Click(s, "CmdButton(1)");
    ASSERT_EQ(d.messages.size(), 1U);
    EXPECT_EQ(d.messages[0].text, kMsgLayerTooDeep);

    // Back shows layer 1 as stored, its top fixed again.
    Click(s, "CmdButton(0)");
    EXPECT_EQ(s.Entry().CurrentLayer(), 1);
    EXPECT_EQ(box(0)->text(), "0");
    EXPECT_EQ(box(1)->text(), "20");
    EXPECT_FALSE(box(0)->isEnabled());

    Click(s, "CmdButton(1)");
    QTest::keyClicks(box(1), "40");
    Click(s, "CmdButton(1)");
    EXPECT_EQ(s.Entry().CurrentLayer(), 3);
    EXPECT_EQ(box(1)->text(), "60");
    EXPECT_FALSE(box(1)->isEnabled());
    EXPECT_EQ(mask(), "1011");
    Click(s, "CmdButton(2)");
    EXPECT_EQ(p.AutoLayers, False);
    EXPECT_EQ(s.result(), QDialog::Accepted);
}

TEST(SoilLayersScreen, OneLayerAndCancel)
{
    Project p = SmallStepTable(200);
    p.PileTopDepth = 5;
    p.PileTipDepth = 30;
    p.AutoLayers = True;
    FakeDialogs d;
    {
        FrmSoilLayers s(p, d);
        auto* count = Find<QComboBox>(s, "CombNumLayers");
        count->setCurrentIndex(0);
        emit count->activated(0);
        EXPECT_EQ(Find<QLineEdit>(s, "TxtElev(0)")->text(), "5");
        EXPECT_EQ(Find<QLineEdit>(s, "TxtElev(1)")->text(), "30");
        EXPECT_FALSE(Find<QLineEdit>(s, "TxtElev(1)")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(s, "CmdButton(1)")->isEnabled());
        EXPECT_TRUE(Find<QPushButton>(s, "CmdButton(2)")->isEnabled());
    }
    {
        FrmSoilLayers s(p, d);
        auto* count = Find<QComboBox>(s, "CombNumLayers");
        count->setCurrentIndex(2);
        emit count->activated(2);
        QTest::keyClicks(Find<QLineEdit>(s, "TxtElev(1)"), "10");
        Click(s, "CmdButton(1)");
        Click(s, "CmdButton(3)");
        EXPECT_EQ(p.AutoLayers, True);
        EXPECT_EQ(p.NumLayers, 3);
        EXPECT_EQ(p.LayerBottom[1], 10.0F);
        EXPECT_EQ(s.result(), QDialog::Rejected);
    }
}

// Tail readings 12.3, 12.7 and 11.9 tsf give a largest tail reading of 12.
TEST(TipOptionsScreen, OptionsAndChecks)
{
    Project p = SmallStepTable(100);
    p.PileEqDiameter = 0.2F; // the tail is the last three steps
    p.StepTip[98] = 12.3F;
    p.StepTip[99] = 12.7F;
    p.StepTip[100] = 11.9F;
    for (int i = 1; i < 98; ++i)
        p.StepTip[i] = 30;
    FakeDialogs d;
    FrmTipOptions s(p, d);
    s.show();
    ASSERT_FALSE(s.LoadFailed());
    EXPECT_EQ(s.TailMaxTip(), 12);
    EXPECT_EQ(Find<QRadioButton>(s, "Tip_Option(2)")->text(),
              "Option 3: Enter a tip value till the max tip reading of  12  TSF");
    auto* entry = Find<QLineEdit>(s, "TxtTipEntry");
    EXPECT_FALSE(entry->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(s, "Tip_Option(0)")->isChecked());

    Click(s, "Tip_Option(2)");
    EXPECT_TRUE(entry->isEnabled());
    Click(s, "CmdNext");
    ASSERT_EQ(d.messages.size(), 1U);
    EXPECT_EQ(d.messages[0].text, kMsgTipValueMissing);
    QTest::keyClicks(entry, "x12.5");
    EXPECT_EQ(entry->text(), "12.5");
    entry->clear();
    QTest::keyClicks(entry, "1.25e1");
    EXPECT_EQ(entry->text(), "1.25e1");
    Click(s, "CmdNext");
    ASSERT_EQ(d.messages.size(), 2U);
    EXPECT_EQ(d.messages[1].text, kMsgTipValueTooHigh);
    EXPECT_EQ(entry->text(), "");
    EXPECT_TRUE(s.isVisible());

    // A value typed for option 3 is not stored when option 1 is chosen after.
    p.TipOption3Value = -1;
    QTest::keyClicks(entry, "12");
    Click(s, "Tip_Option(0)");
    EXPECT_FALSE(entry->isEnabled());
    EXPECT_EQ(entry->text(), "12");
    Click(s, "CmdNext");
    EXPECT_EQ(p.TipOption, 0);
    EXPECT_EQ(p.TipOption3Value, -1.0F);
    EXPECT_EQ(s.result(), QDialog::Accepted);

    FrmTipOptions again(p, d);
    Click(again, "Tip_Option(2)");
    QTest::keyClicks(Find<QLineEdit>(again, "TxtTipEntry"), "12");
    Click(again, "CmdNext");
    EXPECT_EQ(p.TipOption, 2);
    EXPECT_EQ(p.TipOption3Value, 12.0F);

    FrmTipOptions back(p, d);
    Click(back, "CmdBack");
    EXPECT_EQ(p.TipOption, kTipOptionBack);
    p.TipOption = 1;
    FrmTipOptions closed(p, d);
    closed.show();
    closed.close();
    EXPECT_EQ(p.TipOption, kTipOptionBack);
}
