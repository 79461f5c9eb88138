#include "screenlogic/ResultsView.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quarvex;
using namespace quarvex::results;

namespace {

Project FiveSteps()
{
    Project p;
    p.UnitSystem = kUnitsEnglish;
    p.DepthAxisMode = 1;
    p.NumSteps = 5;
    for (Array1<Single>* a :
         {&p.StepDepth, &p.PctSand, &p.PctSilt, &p.PctClay, &p.LcpcEndBearing, &p.LcpcFriction,
          &p.LcpcUltimate, &p.AvgEndBearing, &p.AvgFriction, &p.AvgUltimate})
        a->Redim(5);
    for (int i = 1; i <= 5; ++i) {
        p.StepDepth[i] = 0.164F + 0.328F * static_cast<Single>(i - 1);
        p.PctSand[i] = 10.0F * i;
        p.PctSilt[i] = 20;
        p.PctClay[i] = 80.0F - 10.0F * i;
    }
    // Steps 1 and 5 lie outside the pile and carry 0.
    p.LcpcEndBearing[2] = 4;
    p.LcpcEndBearing[3] = 5;
    p.LcpcEndBearing[4] = 6;
    p.LcpcFriction[3] = 1;
    p.LcpcUltimate[3] = 6;
    return p;
}

} // namespace

TEST(ResultsView, ZeroCapacityPointsAreLeftOut)
{
    Project p = FiveSteps();
    const auto eb = CapacityPoints(p, 0, false, false);
    ASSERT_EQ(eb.size(), 5U);
    EXPECT_FALSE(eb[0]);
    EXPECT_FALSE(eb[4]);
    ASSERT_TRUE(eb[2]);
    EXPECT_FLOAT_EQ(static_cast<float>(eb[2]->first), 0.82F);
    EXPECT_EQ(eb[2]->second, 5.0);
    const auto fr = CapacityPoints(p, 0, false, true);
    EXPECT_FALSE(fr[1]);
    EXPECT_TRUE(fr[2]);

    // Elevation mode draws step i at GroundElevation - StepDepth(i).
    p.GroundElevation = 10;
    FillStepElevations(p);
    p.DepthAxisMode = -1;
    const auto up = CapacityPoints(p, 0, true, false);
    ASSERT_TRUE(up[2]);
    EXPECT_EQ(up[2]->first, static_cast<double>(10.0F - p.StepDepth[3]));
    const CapacityAxis axis = CapacityAxisFor(p);
    EXPECT_EQ(axis.depthTitle, "Elevation (ft)");
    EXPECT_EQ(axis.top, static_cast<double>(p.StepElev[1]));
    EXPECT_EQ(axis.bottom, static_cast<double>(p.StepElev[4]));
}

// Corrected copies are drawn while a correction is in force, and only when they
// belong to these results.
TEST(ResultsView, CorrectedArraysWhenInForce)
{
    Project p = FiveSteps();
    p.CorrLcpcEndBearing.Redim(5);
    p.CorrLcpcEndBearing[3] = 50;
    p.CorrectionState = 0;
    EXPECT_EQ(CapacityPoints(p, 0, false, false)[2]->second, 5.0);
    p.CorrectionState = 2;
    EXPECT_EQ(CapacityPoints(p, 0, false, false)[2]->second, 50.0);
    EXPECT_FALSE(CapacityPoints(p, 0, false, false)[1]); // corrected to 0: a gap
    p.CorrLcpcEndBearing[3] = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(CapacityPoints(p, 0, false, false)[2]);
    p.CorrLcpcEndBearing.Clear();
    EXPECT_EQ(CapacityPoints(p, 0, false, false)[2]->second, 5.0);
}

TEST(ResultsView, AxisAndTitles)
{
    Project p = FiveSteps();
    CapacityAxis a = CapacityAxisFor(p);
    EXPECT_EQ(a.depthTitle, "Depth (ft)");
    EXPECT_EQ(a.valueTitle, "Predicted Pile Capacity (tons)");
    EXPECT_EQ(a.top, 0.0);
    EXPECT_EQ(a.bottom, static_cast<double>(p.StepDepth[4])); // the last step but one
    p.UnitSystem = kUnitsSI;
    a = CapacityAxisFor(p);
    EXPECT_EQ(a.depthTitle, "Depth (m)");
    EXPECT_EQ(a.valueTitle, "Predicted Pile Capacity (Metric tons)");
}

// A method not ticked on the design screen loses its curves and its box; the
// others follow their own boxes and the ultimate box.
TEST(ResultsState, VisibilityRules)
{
    ResultsState s;
    const auto r = s.PlotCapacity({true, true, false, true});
    EXPECT_FALSE(s.MethodEnabled(2));
    EXPECT_FALSE(s.MethodChecked(2));
    EXPECT_FALSE(s.SeriesVisible(4));
    EXPECT_FALSE(s.SeriesVisible(5));
    EXPECT_FALSE(r.load[4]);
    for (int i : {0, 1, 2, 3, 6, 7}) {
        EXPECT_TRUE(s.SeriesVisible(i)) << i;
        EXPECT_TRUE(r.load[i]) << i;
    }

    s.SetUltimateChecked(false);
    for (int i : {1, 3, 5, 7})
        EXPECT_FALSE(s.RowVisible(i)) << i;
    EXPECT_TRUE(s.RowVisible(0));

    s.SetMethodChecked(1, false);
    EXPECT_FALSE(s.SeriesVisible(2));
    s.SetUltimateChecked(true);
    EXPECT_TRUE(s.SeriesVisible(1));
    EXPECT_FALSE(s.SeriesVisible(3)); // its method is unticked
    EXPECT_FALSE(s.SeriesVisible(5)); // never selected
    s.SetMethodChecked(1, true);
    EXPECT_TRUE(s.SeriesVisible(2));
    EXPECT_TRUE(s.SeriesVisible(3));

    // A redraw with ultimate unticked leaves the ultimate series hidden but
    // loads them, so ticking later shows current values.
    s.SetUltimateChecked(false);
    s.SetMethodChecked(0, false);
    const auto again = s.PlotCapacity({true, true, false, true});
    EXPECT_TRUE(again.load[1]);
    EXPECT_TRUE(again.load[0]);
    EXPECT_FALSE(s.SeriesVisible(0));
    EXPECT_FALSE(s.SeriesVisible(1));
    EXPECT_FALSE(s.SeriesVisible(3));
    EXPECT_TRUE(s.SeriesVisible(2));
}

TEST(ResultsState, CaptionsFollowCapacityChoice)
{
    ResultsState s;
    EXPECT_EQ(s.Caption(2), "Schmertmann  End Bearing");
    EXPECT_EQ(s.Caption(6), "Average End Bearing");
    EXPECT_EQ(s.CapacityTitle(), "End Bearing ");
    s.ChooseCapacity(1);
    EXPECT_EQ(s.CapacityMode(), 1);
    EXPECT_EQ(s.Caption(0), "LCPC Frictional Capacity");
    EXPECT_EQ(s.Caption(2), "Schmertmann Frictional Capacity");
    EXPECT_EQ(s.Caption(4), "de Ruiter and Beringen Frictional Capacity");
    EXPECT_EQ(s.Caption(6), "Avg Frictional Capacity");
    EXPECT_EQ(s.Caption(7), "Average Ult. Capacity");
    s.ChooseCapacity(0);
    EXPECT_EQ(s.Caption(6), "Avg End Bearing");
    EXPECT_EQ(s.CapacityTitle(), " End Bearing");
    EXPECT_EQ(s.Caption(10), "De Ruiter and Beringen ");
}

TEST(ResultsView, ToggleNeedsElevation)
{
    Project p = FiveSteps();
    const auto m = ToggleAxis(p);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, " Elevation data was not entered in Project Information Form ");
    EXPECT_EQ(m->caption, " Data Plot Message");
    EXPECT_EQ(m->icon, MsgIcon::Information);
    EXPECT_EQ(p.DepthAxisMode, 1);
    p.GroundElevation = 10;
    EXPECT_FALSE(ToggleAxis(p));
    EXPECT_EQ(p.DepthAxisMode, -1);
    SettleAxisMode(p);
    EXPECT_EQ(p.DepthAxisMode, -1);
    p.GroundElevation = kNoElevation;
    SettleAxisMode(p);
    EXPECT_EQ(p.DepthAxisMode, 1);
    p.DepthAxisMode = 0;
    p.GroundElevation = 10;
    SettleAxisMode(p);
    EXPECT_EQ(p.DepthAxisMode, 1);
}

TEST(ResultsView, SoilPointsRunUpwards)
{
    Project p = FiveSteps();
    const auto pts = SoilPoints(p);
    ASSERT_EQ(pts.size(), 5U);
    EXPECT_EQ(pts[0].depth, static_cast<double>(p.StepDepth[5]));
    EXPECT_EQ(pts[0].sand, 50.0);
    EXPECT_EQ(pts[4].clay, 70.0);
    EXPECT_EQ(SoilDepthBottom(p), static_cast<double>(p.StepDepth[4]));
}

TEST(ResultsView, PrintHeader)
{
    Project p = FiveSteps();
    p.ProjectNumber = "P-1";
    p.CPTStation = "1";
    p.StationOffset = "3 L";
    p.PileShape = 1;
    p.PileSizeText = "36";
    auto items = PrintHeaderItems(p, "End Bearing ", 15, 15000);
    auto find = [&](const std::string& text) {
        for (const auto& it : items)
            if (it.text == text)
                return true;
        return false;
    };
    EXPECT_TRUE(find("End Bearing  & Ultimate Capacity"));
    EXPECT_TRUE(find("Station: 1         Offset: 3 L"));
    EXPECT_TRUE(find("Round"));
    EXPECT_TRUE(find("Pile Diameter: 36"));
    EXPECT_FALSE(find("-99999"));
    p.GroundElevation = 12.5F;
    items = PrintHeaderItems(p, " Frictional Capacity", 15, 15000);
    EXPECT_TRUE(find("12.5"));
    EXPECT_TRUE(find(" Frictional Capacity & Ultimate Capacity"));
}

// Hovering names the curves by their captions and reads only points within half
// a step of the cursor.
TEST(ResultsView, HoverText)
{
    Project p = FiveSteps();
    p.StepSize = 0.328F;
    ResultsState s;
    s.PlotCapacity({true, false, false, false});
    const std::string at = CapacityHoverText(p, s, 0.83, false);
    EXPECT_EQ(at, "Depth (ft): 0.83\nLCPC End Bearing: 5.00 tons\nLCPC Ultimate Capacity: 6.00 tons");
    // Step 1 carries 0 and is not drawn; nothing else is within reach.
    EXPECT_EQ(CapacityHoverText(p, s, 0.17, false), "Depth (ft): 0.17");
    EXPECT_EQ(CapacityHoverText(p, s, 9.0, false), "Depth (ft): 9.00");
    s.ChooseCapacity(1);
    EXPECT_EQ(CapacityHoverText(p, s, 0.82, true),
              "Depth (ft): 0.82\nLCPC Frictional Capacity: 1.00 tons\nLCPC Ultimate Capacity: 6.00 tons");
}
