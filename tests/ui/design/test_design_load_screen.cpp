// The pile design screen's "Design load" group: typing, defaults, the basis
// switch, the refusals of "Analysis", and a run with a load.

#include "DesignFixtures.h"

#include "design/Methods.h"
#include "screenlogic/DesignLoadEntry.h"
#include "screenlogic/DesignView.h"
#include "screenlogic/PileChecks.h"
#include "ui/FakeDialogs.h"
#include "ui/design/FrmPileDesign.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

class DesignLoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        p = DesignReadyProject(kSample11, 9);
        ASSERT_GT(p.NumSteps, 100);
    }

    static QLineEdit* Box(FrmPileDesign& s, const QString& name) { return Find<QLineEdit>(s, name); }
    static QLineEdit* Factor(FrmPileDesign& s, int k) { return Box(s, QString("TxtFactor(%1)").arg(k)); }
    static void Click(FrmPileDesign& s, const QString& name) { Find<QAbstractButton>(s, name)->click(); }
    static void Type(FrmPileDesign& s, const QString& name, const QString& text)
    {
        QLineEdit* box = Box(s, name);
        box->clear();
        QTest::keyClicks(box, text);
    }
    // A pile that passes every check and needs no tip options screen.
    static void ValidPile(FrmPileDesign& s)
    {
        Find<QComboBox>(s, "CombSection")->setEditText("14");
        Click(s, "OptDepth");
        QTest::keyClicks(Box(s, "TxtTipElev"), "40");
    }

    Project p;
    FakeDialogs dialogs;
};

} // namespace

// As it opens: no load, ASD with FS 2.5 for every method, gamma greyed; LRFD
// brings phi 0.5 and gamma; "Defaults" restores the factors and keeps the load.
TEST_F(DesignLoadTest, DefaultsAndBasisSwitch)
{
    FrmPileDesign s(p, dialogs);
    const MethodTable& methods = DefaultMethods();
    ASSERT_EQ(methods.size(), 4U);
    EXPECT_EQ(Box(s, "TxtDesignLoad")->text(), "");
    EXPECT_TRUE(Find<QRadioButton>(s, "OptBasis(0)")->isChecked());
    EXPECT_FALSE(Box(s, "TxtLoadFactor")->isEnabled());
    auto expectFactors = [&](const char* value, const char* caption) {
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(Factor(s, k)->text(), value) << k;
            EXPECT_EQ(Find<QLabel>(s, QString("LblFactor(%1)").arg(k))->text().toStdString(),
                      methods[static_cast<std::size_t>(k)].name + " " + caption);
        }
    };
    expectFactors("2.5", "FS");

    Type(s, "TxtDesignLoad", "60");
    Click(s, "OptBasis(1)");
    expectFactors("0.5", "phi");
    EXPECT_TRUE(Box(s, "TxtLoadFactor")->isEnabled());
    EXPECT_EQ(Box(s, "TxtLoadFactor")->text(), "1");
    EXPECT_EQ(Box(s, "TxtDesignLoad")->text(), "60");

    Type(s, "TxtFactor(2)", "0.4");
    Type(s, "TxtLoadFactor", "1.25");
    Click(s, "CmdDefaultFactors");
    expectFactors("0.5", "phi");
    EXPECT_EQ(Box(s, "TxtLoadFactor")->text(), "1");
    EXPECT_EQ(Box(s, "TxtDesignLoad")->text(), "60");

    // Back to ASD: an FS kept from phi would be unsafe, so the defaults return.
    Type(s, "TxtFactor(0)", "0.7");
    Click(s, "OptBasis(0)");
    expectFactors("2.5", "FS");
    EXPECT_FALSE(Box(s, "TxtLoadFactor")->isEnabled());
}

// The boxes erase a text once it cannot become a number, and keep starts of one.
TEST_F(DesignLoadTest, TypingKeepsNumbersOnly)
{
    FrmPileDesign s(p, dialogs);
    const struct {
        const char* box;
        const char* typed;
        const char* kept;
    } cases[] = {
        {"TxtDesignLoad", "60", "60"},  {"TxtDesignLoad", "6x", ""}, {"TxtDesignLoad", "-", "-"},
        {"TxtFactor(1)", "3.0", "3.0"}, {"TxtFactor(1)", "2,", ""},  {"TxtFactor(3)", "1e", "1e"},
        {"TxtLoadFactor", "abc", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        Box(s, c.box)->setEnabled(true);
        Type(s, c.box, c.typed);
        EXPECT_EQ(Box(s, c.box)->text(), c.kept);
    }
}

// "Analysis" refuses a load or factor that is not a positive number, FS below 1
// and phi above 1, after the pile's own checks: message, focus, no run.
TEST_F(DesignLoadTest, AnalysisRefusals)
{
    struct Case {
        bool lrfd;
        const char* box;
        const char* text;
        std::string message;
        const char* focus;
    };
    const Case cases[] = {
        {false, "TxtDesignLoad", "0", kMsgDesignLoad, "TxtDesignLoad"},
        {false, "TxtDesignLoad", "-5", kMsgDesignLoad, "TxtDesignLoad"},
        {false, "TxtDesignLoad", "-", kMsgDesignLoad, "TxtDesignLoad"},
        {false, "TxtFactor(0)", "", SafetyFactorMessage("LCPC"), "TxtFactor(0)"},
        {false, "TxtFactor(2)", "0.9", SafetyFactorBelowOneMessage("de Ruiter and Beringen"), "TxtFactor(2)"},
        {true, "TxtFactor(3)", "1.5", ResistanceFactorAboveOneMessage("Average"), "TxtFactor(3)"},
        {true, "TxtFactor(1)", "0", ResistanceFactorMessage("Schmertmann"), "TxtFactor(1)"},
        {true, "TxtLoadFactor", "0", kMsgLoadFactor, "TxtLoadFactor"},
        {true, "TxtLoadFactor", "", kMsgLoadFactor, "TxtLoadFactor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        FakeDialogs d;
        FrmPileDesign s(p, d);
        QSignalSpy results(&s, &FrmPileDesign::resultsRequested);
        s.show();
        ValidPile(s);
        Type(s, "TxtDesignLoad", "60");
        if (c.lrfd)
            Click(s, "OptBasis(1)");
        Type(s, c.box, c.text);
        Click(s, "CmdDesign");
        ASSERT_EQ(d.messages.size(), 1U);
        EXPECT_EQ(d.messages[0].text, c.message);
        EXPECT_EQ(d.messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(results.count(), 0);
        ASSERT_NE(s.focusWidget(), nullptr);
        EXPECT_EQ(s.focusWidget()->objectName(), c.focus);
    }

    // The pile comes first: no size and a bad load give the size message.
    FakeDialogs d;
    FrmPileDesign s(p, d);
    Type(s, "TxtDesignLoad", "0");
    Click(s, "CmdDesign");
    ASSERT_EQ(d.messages.size(), 1U);
    EXPECT_EQ(d.messages[0].text, kMsgEnterDiameter);
}

// A run with a load writes the output file of a run without one, byte for
// byte, and keeps the checked basis for the results; without a load none is kept.
TEST_F(DesignLoadTest, RunWithLoadKeepsBasisAndOutputFile)
{
    QTemporaryDir dir;
    auto run = [&](const QString& file, const QString& load, bool lrfd) {
        FakeDialogs d;
        FrmPileDesign s(p, d);
        d.saveResults = {file};
        Click(s, "OptFileSelect");
        QSignalSpy results(&s, &FrmPileDesign::resultsRequested);
        ValidPile(s);
        Type(s, "TxtDesignLoad", load);
        if (lrfd) {
            Click(s, "OptBasis(1)");
            Type(s, "TxtFactor(1)", "0.45");
            Type(s, "TxtLoadFactor", "1.25");
        }
        Click(s, "CmdDesign");
        EXPECT_EQ(results.count(), 1);
        return ReadWholeFile(file);
    };
    const std::string without = run(dir.filePath("none.dat"), "", false);
    EXPECT_FALSE(KeptDesignBasis(p, DefaultMethods()));
    const std::string with = run(dir.filePath("load.dat"), "60", true);
    ASSERT_FALSE(without.empty());
    EXPECT_EQ(with, without);

    const auto kept = KeptDesignBasis(p, DefaultMethods());
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->load, 60.0F);
    EXPECT_EQ(kept->basis, Basis::Factored);
    EXPECT_EQ(kept->loadFactor, 1.25F);
    ASSERT_EQ(kept->methods.size(), 4U);
    EXPECT_EQ(kept->methods[0].factor, 0.5F);
    EXPECT_EQ(kept->methods[1].factor, 0.45F);
    EXPECT_EQ(kept->methods[1].name, "Schmertmann");

    // The screen opened again starts without a load.
    FakeDialogs d;
    FrmPileDesign again(p, d);
    EXPECT_FALSE(KeptDesignBasis(p, DefaultMethods()));
}
