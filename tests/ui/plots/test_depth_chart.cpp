// The chart adapter: orientation, titles, gaps, value axis, zoom and failure.

#include "ui/charts/DepthChart.h"

#include <QApplication>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <cmath>

using quarvex::DepthChart;

namespace {

// A chart on screen (offscreen), so that it has a plot area to zoom in.
struct ShownChart {
    DepthChart chart;
    ShownChart()
    {
        chart.resize(400, 600);
        chart.show();
        QApplication::processEvents();
    }
    // 0..99 ft, value = depth / 2.
    void LoadLine(int n = 100)
    {
        chart.BeginLoad(1, n);
        chart.SetDepthTitle("Depth (ft)");
        chart.SetValueTitle(" Tip ");
        for (int i = 0; i < n; ++i)
            chart.SetPoint(0, i, i, i / 2.0);
        chart.SetDepthRange(0, n - 1);
        ASSERT_TRUE(chart.EndLoad());
        QApplication::processEvents();
    }
};

int VisibleMarkers(DepthChart& chart)
{
    int n = 0;
    for (QLegendMarker* m : chart.chart()->legend()->markers())
        n += m->isVisible() ? 1 : 0;
    return n;
}

} // namespace

TEST(DepthChart, DepthRunsDownwardsAndElevationUpwards)
{
    ShownChart c;
    c.LoadLine();
    EXPECT_TRUE(c.chart.DepthReversed());
    EXPECT_EQ(c.chart.DepthAxisRange(), QPointF(0, 99));
    EXPECT_EQ(c.chart.VisibleDepthRange().bottom, 99);
    EXPECT_EQ(c.chart.VisibleDepthRange().top, 0);
    EXPECT_EQ(c.chart.DepthAxis()->orientation(), Qt::Vertical);
    EXPECT_EQ(c.chart.Points(0).size(), 100);
    EXPECT_EQ(c.chart.Points(0)[10], QPointF(10, 5));

    // Elevation: the top value is the larger one and stays at the top.
    c.chart.BeginLoad(1, 3);
    c.chart.SetPoint(0, 0, 9, 1);
    c.chart.SetPoint(0, 1, 5, 2);
    c.chart.SetPoint(0, 2, -3, 3);
    c.chart.SetDepthRange(9, -3);
    ASSERT_TRUE(c.chart.EndLoad());
    EXPECT_FALSE(c.chart.DepthReversed());
    EXPECT_EQ(c.chart.DepthAxisRange(), QPointF(-3, 9));
    EXPECT_EQ(c.chart.VisibleDepthRange().bottom, -3);
    EXPECT_EQ(c.chart.VisibleDepthRange().top, 9);
}

TEST(DepthChart, TitlesInTheirColourAndSize)
{
    ShownChart c;
    c.LoadLine();
    EXPECT_EQ(c.chart.DepthAxis()->titleText(), "Depth (ft)");
    EXPECT_EQ(c.chart.DepthAxis()->titleFont().pointSize(), 10);
    EXPECT_EQ(c.chart.ValueAxis()->titleText(), " Tip ");
    EXPECT_EQ(c.chart.ValueAxis()->titleBrush().color(), QColor(0, 0, 255));
    EXPECT_EQ(c.chart.ValueAxis()->orientation(), Qt::Horizontal);
}

TEST(DepthChart, HiddenPointsBreakTheLineWithOneLegendEntry)
{
    ShownChart c;
    c.chart.SetLegend(0, "A");
    c.chart.SetLegend(1, "B");
    c.chart.SetLegendVisible(true);
    c.chart.BeginLoad(2, 10);
    for (int i = 0; i < 10; ++i) {
        c.chart.SetPoint(0, i, i, 1);
        c.chart.SetPoint(1, i, i, 2);
    }
    c.chart.HidePoint(0, 4);
    c.chart.HidePoint(0, 7);
    c.chart.SetPoint(1, 5, 5, std::nan("")); // not drawable: a gap too
    ASSERT_TRUE(c.chart.EndLoad());
    EXPECT_EQ(c.chart.SegmentCount(0), 3);
    EXPECT_EQ(c.chart.SegmentCount(1), 2);
    EXPECT_EQ(c.chart.chart()->series().size(), 5);
    EXPECT_EQ(c.chart.Points(0).size(), 8);
    EXPECT_EQ(VisibleMarkers(c.chart), 2);
    EXPECT_TRUE(c.chart.chart()->legend()->isVisible());

    c.chart.SetSeriesVisible(0, false);
    int hidden = 0;
    for (auto* s : c.chart.chart()->series())
        hidden += s->isVisible() ? 0 : 1;
    EXPECT_EQ(hidden, 3);
    EXPECT_EQ(c.chart.HoverText(5.2), "Depth: 5.20\nB: 2.00"); // no depth title set on this chart
}

TEST(DepthChart, ValueAxisStepFixedRangeOrItsOwnChoice)
{
    ShownChart c;
    c.chart.BeginLoad(1, 3);
    c.chart.SetPoint(0, 0, 1, 3);
    c.chart.SetPoint(0, 1, 2, 13);
    c.chart.SetPoint(0, 2, 3, 7);
    c.chart.SetValueStep(2);
    ASSERT_TRUE(c.chart.EndLoad());
    EXPECT_EQ(c.chart.ValueAxisRange(), QPointF(0, 14));
    EXPECT_EQ(c.chart.ValueAxis()->tickInterval(), 2);
    EXPECT_EQ(c.chart.ValueStep(), 2);

    c.chart.BeginLoad(1, 1);
    c.chart.SetPoint(0, 0, 1, 37);
    c.chart.SetValueRange(0, 100);
    ASSERT_TRUE(c.chart.EndLoad());
    EXPECT_EQ(c.chart.ValueAxisRange(), QPointF(0, 100));
    EXPECT_EQ(c.chart.ValueStep(), 0);
    // A lone point is drawn as a marker, since it has no line.
    auto* line = qobject_cast<QLineSeries*>(c.chart.chart()->series().value(0));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->pointsVisible());

    c.chart.BeginLoad(1, 2);
    c.chart.SetPoint(0, 0, 1, 0.3);
    c.chart.SetPoint(0, 1, 2, 4.6);
    ASSERT_TRUE(c.chart.EndLoad());
    EXPECT_EQ(c.chart.ValueAxisRange().x(), 0);
    EXPECT_GE(c.chart.ValueAxisRange().y(), 4.6);
    EXPECT_LE(c.chart.ValueAxisRange().y(), 6);
}

TEST(DepthChart, RubberBandZoomOtherChartsRangesAndZoomOff)
{
    ShownChart c;
    c.LoadLine();
    EXPECT_FALSE(c.chart.IsZoomed());
    c.chart.ZoomDepthWindow(20, 40);
    EXPECT_TRUE(c.chart.IsZoomed());
    EXPECT_NEAR(c.chart.VisibleDepthRange().top, 20, 1e-6);
    EXPECT_NEAR(c.chart.VisibleDepthRange().bottom, 40, 1e-6);

    ShownChart other;
    other.LoadLine();
    other.chart.SetVisibleDepthRange(40, 20);
    other.chart.SetVisibleValueRange(0, 25);
    // Set from outside: shown, but not a zoom of the user's.
    EXPECT_FALSE(other.chart.IsZoomed());
    EXPECT_EQ(other.chart.DepthAxisRange(), QPointF(20, 40));
    EXPECT_EQ(other.chart.ValueAxisRange(), QPointF(0, 25));

    c.chart.ZoomOff();
    other.chart.ZoomOff();
    EXPECT_FALSE(c.chart.IsZoomed());
    EXPECT_EQ(c.chart.DepthAxisRange(), QPointF(0, 99));
    EXPECT_EQ(other.chart.DepthAxisRange(), QPointF(0, 99));
    EXPECT_EQ(other.chart.ValueAxisRange(), QPointF(0, 50));
}

TEST(DepthChart, AFailedDrawingLeavesAnEmptyChartAndNoCrash)
{
    ShownChart c;
    c.LoadLine();
    c.chart.BeginLoad(1, 5);
    c.chart.SetPoint(0, 7, 1, 1); // beyond the points opened
    c.chart.SetPoint(3, 0, 1, 1); // no such series
    EXPECT_FALSE(c.chart.EndLoad());
    EXPECT_TRUE(c.chart.Failed());
    EXPECT_TRUE(c.chart.chart()->series().isEmpty());
    c.chart.BeginLoad(0, 5);
    EXPECT_FALSE(c.chart.EndLoad());
    c.chart.BeginLoad(1, 2);
    c.chart.SetPoint(0, 0, 0, 1);
    c.chart.SetPoint(0, 1, 0, 2);
    c.chart.SetDepthRange(0, 0); // an empty range is widened, not refused
    EXPECT_TRUE(c.chart.EndLoad());
    EXPECT_LT(c.chart.DepthAxisRange().x(), c.chart.DepthAxisRange().y());
}

TEST(DepthChart, PaintsIntoARectangleOfAPage)
{
    ShownChart c;
    c.LoadLine();
    const QSizeF onScreen = c.chart.chart()->size();
    QImage page(600, 900, QImage::Format_ARGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        c.chart.PaintInto(painter, QRectF(100, 100, 300, 700));
    }
    // Ink inside the rectangle, none outside it, and the chart keeps its size on screen.
    auto inked = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (page.pixelColor(x, y) != QColor(Qt::white))
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(100, 100, 400, 800));
    EXPECT_FALSE(inked(0, 0, 600, 95));
    EXPECT_FALSE(inked(410, 0, 600, 900));
    EXPECT_EQ(c.chart.chart()->size(), onScreen);
}

TEST(DepthChart, SeriesStylesSetBeforeDrawingLastAcrossDrawings)
{
    ShownChart c;
    // Styles for all eight series, set before any drawing opens that many.
    c.chart.SetSeriesColor(5, QColor(1, 2, 3));
    c.chart.SetSeriesWidth(5, 3.0);
    c.chart.SetSeriesVisible(6, false);
    c.chart.SetLegend(7, "Average");
    auto draw = [&](int series) {
        c.chart.BeginLoad(series, 2);
        for (int s = 0; s < series; ++s)
            for (int i = 0; i < 2; ++i)
                c.chart.SetPoint(s, i, i, s);
        ASSERT_TRUE(c.chart.EndLoad());
    };
    draw(8);
    draw(2); // a smaller drawing in between forgets nothing
    draw(8);
    const auto lines = c.chart.chart()->series();
    ASSERT_EQ(lines.size(), 8);
    auto* fifth = qobject_cast<QLineSeries*>(lines[5]);
    EXPECT_EQ(fifth->pen().color(), QColor(1, 2, 3));
    EXPECT_EQ(fifth->pen().widthF(), 3.0);
    EXPECT_FALSE(lines[6]->isVisible());
    EXPECT_EQ(lines[7]->name(), "Average");
    EXPECT_EQ(c.chart.Legend(7), "Average");
}
