#include "screenlogic/SoilLayerEntry.h"

#include "DesignFixtures.h"

#include <gtest/gtest.h>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

struct LayerFixture {
    Project p = UniformTable(200, {});
    SoilLayerEntry entry{p};
    LayerFixture(float top = 0, float tip = 60)
    {
        p.PileTopDepth = top;
        p.PileTipDepth = tip;
        p.AutoLayers = True;
        entry.Load();
    }
};

} // namespace

TEST(SoilLayerEntry, LoadsWithOnlyCancelAndNoBoxes)
{
    LayerFixture f;
    EXPECT_EQ(f.entry.Mask(), "0001");
    EXPECT_FALSE(f.entry.BoxesVisible());
    EXPECT_EQ(f.entry.CurrentLayer(), 0);
    // Disabled buttons do nothing.
    EXPECT_FALSE(f.entry.PressNext().has_value());
    EXPECT_FALSE(f.entry.PressDone().has_value());
    EXPECT_EQ(f.entry.State(), SoilLayerEntry::Outcome::Open);
}

TEST(SoilLayerEntry, OneLayerSpansTheAnalysisRange)
{
    LayerFixture f(0.1F, 40);
    f.entry.SelectNumLayers(1);
    EXPECT_EQ(f.entry.Mask(), "0011");
    EXPECT_EQ(f.entry.BoxText(0), "0.1");
    EXPECT_EQ(f.entry.BoxText(1), "40");
    EXPECT_FALSE(f.entry.BoxEnabled(0));
    EXPECT_FALSE(f.entry.BoxEnabled(1));
    EXPECT_EQ(f.entry.LabelText(0), "Top Elevation of Layer 1");
    EXPECT_EQ(f.entry.LabelText(1), "Bottom Elev. of Layer 1");
    EXPECT_EQ(f.entry.UnitText(), "ft");
    EXPECT_FALSE(f.entry.PressDone().has_value());
    EXPECT_TRUE(f.entry.Completed());
    EXPECT_EQ(f.p.AutoLayers, False);
    EXPECT_EQ(f.p.NumLayers, 1);
    EXPECT_EQ(f.p.LayerTop[1], 0.1F);
    EXPECT_EQ(f.p.LayerBottom[1], 40.0F);
}

TEST(SoilLayerEntry, OneLayerTooShortForTwoStepsIsRefusedAtDone)
{
    LayerFixture f(10, 10.656F); // 10 + 2 x 0.328 is not less than 10.656
    f.entry.SelectNumLayers(1);
    const auto m = f.entry.PressDone();
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->text, kMsgLayerTooThinDone);
    EXPECT_EQ(m->icon, MsgIcon::Critical);
    EXPECT_EQ(f.entry.State(), SoilLayerEntry::Outcome::Open);
    EXPECT_EQ(f.p.AutoLayers, True);
}

// Three layers over 0..60 ft: the walk of the layer screen.
TEST(SoilLayerEntry, ThreeLayersWithRefusalsAndBack)
{
    LayerFixture f(0, 60);
    f.entry.SelectNumLayers(3);
    EXPECT_EQ(f.p.NumLayers, 3);
    EXPECT_EQ(f.entry.Mask(), "0101");
    EXPECT_EQ(f.entry.BoxText(0), "0");
    EXPECT_FALSE(f.entry.BoxEnabled(0));
    EXPECT_EQ(f.entry.BoxText(1), "");

    // Too thin: 0 + 0.656 is not less than 0.5; the box is emptied, Back stays off.
    f.entry.TypeText(1, "0.5");
    auto m = f.entry.PressNext();
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->text, kMsgLayerTooThin);
    EXPECT_EQ(f.entry.CurrentLayer(), 1);
    EXPECT_EQ(f.entry.BoxText(1), "");
    EXPECT_EQ(f.entry.Mask(), "0101");
    EXPECT_EQ(f.p.LayerBottom[1], 0.5F); // stored all the same

    // A bottom exactly top + 2 x StepSize is refused too.
    f.entry.TypeText(1, "0.656");
    ASSERT_TRUE(f.entry.PressNext().has_value());

    // Letters are erased as they are typed: a missing entry.
    f.entry.TypeText(1, "abc");
    EXPECT_EQ(f.entry.BoxText(1), "");
    m = f.entry.PressNext();
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->text, kMsgLayerMissing);

    // A start of a number stays while typed, and is refused if left so.
    for (const char* start : {"-", ".", "1e"}) {
        f.entry.TypeText(1, start);
        EXPECT_EQ(f.entry.BoxText(1), start);
        m = f.entry.PressNext();
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->text, kMsgLayerMissing);
    }

    f.entry.TypeText(1, "20");
    EXPECT_FALSE(f.entry.PressNext().has_value());
    EXPECT_EQ(f.entry.CurrentLayer(), 2);
    EXPECT_EQ(f.entry.LabelText(0), "Top Elevation of Layer 2");
    EXPECT_EQ(f.entry.BoxText(0), "20");
    EXPECT_EQ(f.entry.BoxText(1), "");
    EXPECT_EQ(f.entry.Mask(), "1101");
    EXPECT_EQ(f.entry.FocusBox(), 1);

    // Below the pile tip: refused.
    f.entry.TypeText(1, "70");
    m = f.entry.PressNext();
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->text, kMsgLayerTooDeep);
    EXPECT_EQ(f.entry.Mask(), "1101");

    // Back shows layer 1 as stored; its top box is fixed again.
    f.entry.PressBack();
    EXPECT_EQ(f.entry.CurrentLayer(), 1);
    EXPECT_EQ(f.entry.BoxText(0), "0");
    EXPECT_EQ(f.entry.BoxText(1), "20");
    EXPECT_FALSE(f.entry.BoxEnabled(0));
    EXPECT_TRUE(f.entry.BoxEnabled(1));
    EXPECT_EQ(f.entry.Mask(), "0101");
    EXPECT_EQ(f.entry.FocusBox(), 1);

    EXPECT_FALSE(f.entry.PressNext().has_value());
    f.entry.TypeText(1, "45");
    EXPECT_FALSE(f.entry.PressNext().has_value());

    // The last layer ends at the tip, fixed.
    EXPECT_EQ(f.entry.CurrentLayer(), 3);
    EXPECT_EQ(f.entry.BoxText(0), "45");
    EXPECT_EQ(f.entry.BoxText(1), "60");
    EXPECT_FALSE(f.entry.BoxEnabled(1));
    EXPECT_EQ(f.entry.Mask(), "1011");
    EXPECT_FALSE(f.entry.PressDone().has_value());
    EXPECT_TRUE(f.entry.Completed());
    EXPECT_EQ(f.p.AutoLayers, False);

    const float tops[] = {0, 20, 45}, bottoms[] = {20, 45, 60};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(f.p.LayerTop[k], tops[k - 1]);
        EXPECT_EQ(f.p.LayerBottom[k], bottoms[k - 1]);
    }
}

TEST(SoilLayerEntry, CancelKeepsTheLayersEnteredAndAutomaticMode)
{
    LayerFixture f(0, 60);
    f.entry.SelectNumLayers(3);
    f.entry.TypeText(1, "20");
    f.entry.PressNext();
    f.entry.TypeText(1, "40");
    f.entry.PressNext();
    f.entry.PressCancel();
    EXPECT_EQ(f.entry.State(), SoilLayerEntry::Outcome::Cancelled);
    EXPECT_EQ(f.p.AutoLayers, True);
    EXPECT_EQ(f.p.NumLayers, 3);
    EXPECT_EQ(f.p.LayerBottom[1], 20.0F);
    EXPECT_EQ(f.p.LayerBottom[2], 40.0F);
}

TEST(SoilLayerEntry, DisabledBoxesCannotBeTyped)
{
    LayerFixture f(0, 60);
    f.entry.SelectNumLayers(2);
    f.entry.TypeText(0, "5");
    EXPECT_EQ(f.entry.BoxText(0), "0");
}

TEST(SoilLayerEntry, FirstAndLastLayersTakeTheExactDepths)
{
    // A typed tip needing more than seven digits still ends the last layer exactly.
    LayerFixture f(0.1F, 40.123456F);
    f.entry.SelectNumLayers(2);
    f.entry.TypeText(1, "20");
    f.entry.PressNext();
    ASSERT_FALSE(f.entry.PressDone().has_value());
    EXPECT_EQ(f.p.LayerTop[1], 0.1F);
    EXPECT_EQ(f.p.LayerBottom[2], 40.123456F);
}
