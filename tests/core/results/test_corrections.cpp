#include "results/Corrections.h"
#include "screenlogic/CorrectionForm.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quarvex;

namespace {

// Steps every 1 ft from 1 to 25 ft; each method's end bearing and friction
// differ so that a mixed-up array shows.
Project WithResults(int steps = 25)
{
    Project p;
    CreateHistoryLists(p);
    p.NumSteps = static_cast<Integer>(steps);
    p.StepDepth.Redim(steps);
    Array1<Single>* eb[] = {&p.LcpcEndBearing, &p.SchmEndBearing, &p.DeRuiterEndBearing, &p.AvgEndBearing};
    Array1<Single>* fr[] = {&p.LcpcFriction, &p.SchmFriction, &p.DeRuiterFriction, &p.AvgFriction};
    Array1<Single>* ult[] = {&p.LcpcUltimate, &p.SchmUltimate, &p.DeRuiterUltimate, &p.AvgUltimate};
    for (int k = 0; k < 4; ++k) {
        eb[k]->Redim(steps);
        fr[k]->Redim(steps);
        ult[k]->Redim(steps);
    }
    for (int i = 1; i <= steps; ++i) {
        p.StepDepth[i] = static_cast<Single>(i);
        for (int k = 0; k < 4; ++k) {
            (*eb[k])[i] = 10.0F * (k + 1) + i;
            (*fr[k])[i] = 3.3F * (k + 1) * i;
            (*ult[k])[i] = (*eb[k])[i] + (*fr[k])[i];
        }
    }
    p.EndBearingFactor = 1;
    p.FrictionFactor = 1;
    return p;
}

Single Times(double f, Single v)
{
    return static_cast<Single>(f * static_cast<double>(v));
}

} // namespace

// Where ranges overlap the last matching row wins; a step in no range keeps
// its design values; from > to corrects nothing; a factor of zero gives zero.
TEST(ApplyCorrections, RangesScaleDesignValues)
{
    Project p = WithResults();
    p.CorrectionState = kRangeCorrection;
    const std::vector<CorrectionRange> ranges = {
        {0, 10, 1.2F, 0.8F},
        {5, 20, 1.0F, 1.0F},
        {24, 22, 5.0F, 5.0F}, // upside down: nothing
        {21, 21, 0.0F, 2.0F}, // a single step, zero end bearing
    };
    ApplyCorrections(p, ranges);

    struct Case {
        int step;
        float eb, fr;
    } cases[] = {{3, 1.2F, 0.8F}, {4, 1.2F, 0.8F}, {5, 1, 1},  {10, 1, 1},
                 {15, 1, 1},      {21, 0, 2},      {23, 1, 1}, {25, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        const int i = c.step;
        EXPECT_EQ(p.CorrLcpcEndBearing[i], Times(c.eb, p.LcpcEndBearing[i]));
        EXPECT_EQ(p.CorrSchmFriction[i], Times(c.fr, p.SchmFriction[i]));
        EXPECT_EQ(p.CorrDeRuiterEndBearing[i], Times(c.eb, p.DeRuiterEndBearing[i]));
        EXPECT_EQ(p.CorrAvgFriction[i], Times(c.fr, p.AvgFriction[i]));
        EXPECT_EQ(p.CorrAvgUltimate[i], p.CorrAvgEndBearing[i] + p.CorrAvgFriction[i]);
        EXPECT_EQ(p.CorrLcpcUltimate[i], p.CorrLcpcEndBearing[i] + p.CorrLcpcFriction[i]);
    }
    // Outside every range even the ultimate stays the design value.
    EXPECT_EQ(p.CorrSchmUltimate[25], p.SchmUltimate[25]);
    // The factors left in force are the last row's pair.
    EXPECT_EQ(p.EndBearingFactor, 0.0F);
    EXPECT_EQ(p.FrictionFactor, 2.0F);
    // The design results are never touched.
    EXPECT_EQ(p.LcpcEndBearing[3], 13.0F);
}

TEST(ApplyCorrections, WholeDepthUsesStoredFactors)
{
    Project p = WithResults();
    p.CorrectionState = kWholeDepthCorrection;
    p.EndBearingFactor = 1.2F;
    p.FrictionFactor = 0.8F;
    ApplyCorrections(p, {{0, 1, 9, 9}}); // a table is ignored in this mode
    for (int i : {1, 13, 25}) {
        EXPECT_EQ(p.CorrLcpcEndBearing[i], Times(1.2F, p.LcpcEndBearing[i]));
        EXPECT_EQ(p.CorrAvgFriction[i], Times(0.8F, p.AvgFriction[i]));
    }
    EXPECT_EQ(p.CorrDeRuiterUltimate.size(), 25);
    EXPECT_EQ(p.HistList8().Count(), 0);
}

// The products are formed in double precision and stored as Single.
TEST(ApplyCorrections, ProductRoundedOnce)
{
    Project p = WithResults(1);
    p.CorrectionState = kWholeDepthCorrection;
    p.LcpcEndBearing[1] = 16777215.0F; // 2^24 - 1
    p.EndBearingFactor = 1.1F;
    p.FrictionFactor = 1;
    ApplyCorrections(p, {});
    EXPECT_EQ(p.CorrLcpcEndBearing[1], static_cast<float>(1.1F * 16777215.0));
}

TEST(CorrectionForm, LoadAfterDesignRunIsWholeDepthMode)
{
    Project p = WithResults();
    CorrectionForm f(p);
    f.Load();
    EXPECT_EQ(p.CorrectionState, kWholeDepthCorrection);
    EXPECT_EQ(f.Option(), 0);
    EXPECT_EQ(f.EndText(), "1");
    EXPECT_TRUE(f.FactorsEnabled());
    EXPECT_FALSE(f.TableEnabled());
    EXPECT_EQ(f.RowCount(), 1);
    EXPECT_EQ(f.NextRow(), 2);

    f.SetEndText("1.2");
    f.SetFriText("0.8");
    ASSERT_FALSE(f.Submit());
    EXPECT_EQ(f.State(), CorrectionForm::Outcome::Submitted);
    EXPECT_EQ(p.CorrLcpcEndBearing[4], Times(1.2F, p.LcpcEndBearing[4]));

    // Reopening shows the pair in force.
    CorrectionForm again(p);
    again.Load();
    EXPECT_EQ(again.EndText(), "1.2");
    EXPECT_EQ(again.FriText(), "0.8");
}

// The row counter always equals the number of rows: growing keeps the cells of
// the rows kept, shrinking drops the rows removed.
TEST(CorrectionForm, RowCountFollowsChoice)
{
    Project p = WithResults();
    CorrectionForm f(p);
    f.Load();
    f.ClickOption(1);
    EXPECT_EQ(p.CorrectionState, kWholeDepthCorrection); // not until a count is chosen
    ASSERT_FALSE(f.ChooseRowCount("3"));
    EXPECT_EQ(p.CorrectionState, kRangeCorrection);
    EXPECT_EQ(f.RowCount(), 3);
    f.SetCell(1, 1, "0");
    f.SetCell(3, 1, "7");
    ASSERT_FALSE(f.ChooseRowCount("1"));
    EXPECT_EQ(f.RowCount(), 1);
    EXPECT_EQ(f.Cell(1, 1), "0");
    ASSERT_FALSE(f.ChooseRowCount("3"));
    EXPECT_EQ(f.RowCount(), 3);
    EXPECT_EQ(f.NextRow(), 4);
    EXPECT_EQ(f.Cell(3, 1), ""); // a removed row lost its cells
    ASSERT_FALSE(f.ChooseRowCount("3"));
    EXPECT_EQ(f.RowCount(), 3);

    // Out-of-list counts stay within one to ten rows.
    ASSERT_FALSE(f.ChooseRowCount("0"));
    EXPECT_EQ(f.RowCount(), 1);
    ASSERT_FALSE(f.ChooseRowCount("25"));
    EXPECT_EQ(f.RowCount(), 10);

    const auto m = f.ChooseRowCount("two");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, "Please input Numeric");
    EXPECT_EQ(m->icon, MsgIcon::None);
    EXPECT_EQ(f.RowCount(), 10);
}

// Submit checks the factors, then every cell row by row; a factor accepted
// before a later refusal stays stored.
TEST(CorrectionForm, SubmitChecksInOrder)
{
    struct Case {
        const char* end;
        const char* fri;
        std::vector<CorrectionForm::Row> rows;
        const char* message;
    } cases[] = {
        {"x", "1", {{"0", "1", "1", "1"}}, "Please input numeric"},
        {"", "1", {{"0", "1", "1", "1"}}, "Please input numeric"},
        {"-1", "1", {{"0", "1", "1", "1"}}, "Negative numbers are not allowed for correction factor"},
        {"2", "1e99", {{"0", "1", "1", "1"}}, "Please input numeric"},
        {"2", "-0.5", {{"0", "1", "1", "1"}}, "Negative numbers are not allowed for correction factor"},
        {"2", "1", {{"0", "1", "1", "1"}, {"5", "", "1", "1"}}, "Please input numeric"},
        {"2", "1", {{"-5", "1", "1", "1"}}, "Negative numbers are not allowed for correction factor"},
        {"2", "1", {{"0", "1", "1", "-1"}}, "Negative numbers are not allowed for correction factor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.end) + "/" + c.fri);
        Project p = WithResults();
        CorrectionForm f(p);
        f.Load();
        f.SetEndText(c.end);
        f.SetFriText(c.fri);
        f.ClickOption(1);
        f.ChooseRowCount(std::to_string(c.rows.size()));
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            for (int col = 1; col <= 4; ++col)
                f.SetCell(static_cast<int>(r + 1), col, c.rows[r][static_cast<std::size_t>(col - 1)]);
        const auto m = f.Submit();
        ASSERT_TRUE(m);
        EXPECT_EQ(m->text, c.message);
        EXPECT_EQ(m->caption, "Quarvex");
        EXPECT_EQ(m->icon, MsgIcon::None);
        EXPECT_EQ(f.State(), CorrectionForm::Outcome::Open);
        EXPECT_TRUE(p.CorrLcpcEndBearing.empty());
        if (std::string(c.end) == "2") {
            EXPECT_EQ(p.EndBearingFactor, 2.0F);
        }
    }
}

// The table survives a Submit through HistList8, and a Cancel loses it.
TEST(CorrectionForm, ReopenAfterSubmitThenCancel)
{
    Project p = WithResults();
    {
        CorrectionForm f(p);
        f.Load();
        f.ClickOption(1);
        f.ChooseRowCount("2");
        const CorrectionForm::Row r1 = {"0", "10", "1.2", "0.8"};
        const CorrectionForm::Row r2 = {"5", "12.50", "1", "1"};
        for (int c = 1; c <= 4; ++c) {
            f.SetCell(1, c, r1[static_cast<std::size_t>(c - 1)]);
            f.SetCell(2, c, r2[static_cast<std::size_t>(c - 1)]);
        }
        ASSERT_FALSE(f.Submit());
        EXPECT_EQ(p.HistList8().Item("1"), "0|10|1.2|0.8");
        EXPECT_EQ(p.HistList8().Item("2"), "5|12.5|1|1");
        EXPECT_EQ(p.CorrLcpcEndBearing[3], Times(1.2F, p.LcpcEndBearing[3]));
        EXPECT_EQ(p.CorrLcpcEndBearing[7], p.LcpcEndBearing[7]);
    }
    {
        CorrectionForm f(p);
        f.Load();
        EXPECT_EQ(f.Option(), 1);
        EXPECT_FALSE(f.FactorsEnabled());
        EXPECT_TRUE(f.TableEnabled());
        EXPECT_EQ(f.ComboText(), "2");
        EXPECT_EQ(f.RowCount(), 2);
        EXPECT_EQ(f.NextRow(), 3);
        EXPECT_EQ(f.Cell(2, 2), "12.5");
        EXPECT_EQ(f.Cell(1, 3), "1.2");
        EXPECT_EQ(f.Cell(1, 4), "0.8");
        EXPECT_EQ(p.HistList8().Count(), 0); // emptied by every load
        f.Cancel();
        EXPECT_EQ(p.CorrectionState, kNoCorrection);
    }
    {
        CorrectionForm f(p);
        f.Load();
        EXPECT_EQ(f.Option(), 0);
        EXPECT_EQ(f.RowCount(), 1);
        EXPECT_EQ(f.Cell(1, 1), "");
        EXPECT_EQ(f.ComboText(), "");
    }
}

// Cells are edited only in table mode.
TEST(CorrectionForm, CellsLockedInWholeDepthMode)
{
    Project p = WithResults();
    CorrectionForm f(p);
    f.Load();
    EXPECT_FALSE(f.SetCell(1, 1, "3"));
    f.ClickOption(1);
    EXPECT_TRUE(f.SetCell(1, 1, "3"));
    EXPECT_FALSE(f.SetCell(2, 1, "3"));
    f.ClickOption(0);
    EXPECT_EQ(p.CorrectionState, kWholeDepthCorrection);
    EXPECT_FALSE(f.SetCell(1, 1, "4"));
    EXPECT_EQ(f.Cell(1, 1), "3");
}
