#include "ui/charts/DepthChart.h"

#include "ui/charts/AxisScale.h"

#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quarvex {

using chart_detail::NiceStep;
using chart_detail::WidenIfEmpty;

namespace {

// Distinct colours for up to eight series, readable on white and on paper.
const QColor kPalette[DepthChart::kMaxSeries] = {
    QColor(0, 0, 200),   QColor(200, 0, 0),   QColor(0, 140, 0),  QColor(200, 120, 0),
    QColor(120, 0, 160), QColor(0, 150, 150), QColor(90, 90, 90), QColor(200, 0, 140),
};

} // namespace

DepthChart::DepthChart(QWidget* parent) : QChartView(parent)
{
    chart_ = new QChart();
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    // The legend floats inside the plot area, so that a graph with a legend
    // keeps the same depth scale as its neighbours without one.
    QLegend* legend = chart_->legend();
    legend->setVisible(false);
    legend->setAlignment(Qt::AlignBottom); // entries side by side
    legend->detachFromChart();
    legend->setBackgroundVisible(true);
    legend->setBrush(QColor(255, 255, 255, 225));
    legend->setPen(QPen(QColor(160, 160, 160)));
    connect(chart_, &QChart::plotAreaChanged, this, [this](const QRectF&) { placeLegend(); });

    depthAxis_ = new QValueAxis(chart_);
    valueAxis_ = new QValueAxis(chart_);
    QFont depthFont = depthAxis_->titleFont();
    depthFont.setPointSize(10);
    depthAxis_->setTitleFont(depthFont);
    valueAxis_->setTitleBrush(QColor(0, 0, 255));
    depthAxis_->setLabelFormat("%g");
    valueAxis_->setLabelFormat("%g");
    depthAxis_->setTickType(QValueAxis::TicksDynamic);
    valueAxis_->setTickType(QValueAxis::TicksDynamic);
    depthAxis_->setTickAnchor(0);
    valueAxis_->setTickAnchor(0);
    depthAxis_->setReverse(true);
    chart_->addAxis(depthAxis_, Qt::AlignLeft);
    chart_->addAxis(valueAxis_, Qt::AlignTop);

    // Keep the grid readable at every zoom; the screen's own step holds in the full view.
    connect(depthAxis_, &QValueAxis::rangeChanged, this,
            [this](qreal lo, qreal hi) { depthAxis_->setTickInterval(NiceStep(hi - lo, 10)); });
    connect(valueAxis_, &QValueAxis::rangeChanged, this, [this](qreal lo, qreal hi) {
        const bool full = lo == fullValueMin_ && hi == fullValueMax_;
        valueAxis_->setTickInterval(full && valueMode_ == ValueMode::Step ? valueStep_
                                                                          : NiceStep(hi - lo, 5));
    });

    setChart(chart_);
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::VerticalRubberBand);
    setMouseTracking(true);
    for (int i = 0; i < kMaxSeries; ++i)
        styles_[static_cast<std::size_t>(i)].color = kPalette[i];
    series_.resize(1);
    EndLoad();
}

DepthChart::~DepthChart() = default;

bool DepthChart::checkSeries(int series)
{
    if (series < 0 || series >= SeriesCount()) {
        failed_ = true;
        return false;
    }
    return true;
}

void DepthChart::BeginLoad(int seriesCount, int pointCount)
{
    failed_ = seriesCount < 1 || seriesCount > kMaxSeries || pointCount < 0;
    if (failed_)
        return;
    series_.resize(static_cast<std::size_t>(seriesCount));
    for (auto& s : series_)
        s.points.assign(static_cast<std::size_t>(pointCount), Point{});
    pointCount_ = pointCount;
    depthTop_.reset();
    depthBottom_.reset();
    valueMode_ = ValueMode::Auto;
}

void DepthChart::SetPoint(int series, int index, double depth, double value)
{
    if (failed_ || !checkSeries(series))
        return;
    auto& pts = series_[static_cast<std::size_t>(series)].points;
    if (index < 0 || index >= static_cast<int>(pts.size())) {
        failed_ = true;
        return;
    }
    // A value that cannot be drawn is a gap, not a failure of the whole graph.
    const bool drawable = std::isfinite(depth) && std::isfinite(value);
    pts[static_cast<std::size_t>(index)] = Point{depth, value, drawable};
}

void DepthChart::HidePoint(int series, int index)
{
    if (failed_ || !checkSeries(series))
        return;
    auto& pts = series_[static_cast<std::size_t>(series)].points;
    if (index < 0 || index >= static_cast<int>(pts.size())) {
        failed_ = true;
        return;
    }
    pts[static_cast<std::size_t>(index)].shown = false;
}

void DepthChart::SetDepthTitle(const QString& title)
{
    depthTitle_ = title;
    depthAxis_->setTitleText(title);
}

void DepthChart::SetValueTitle(const QString& title)
{
    valueTitle_ = title;
    valueAxis_->setTitleText(title);
}

void DepthChart::SetDepthRange(double top, double bottom)
{
    if (!std::isfinite(top) || !std::isfinite(bottom)) {
        failed_ = true;
        return;
    }
    depthTop_ = top;
    depthBottom_ = bottom;
}

void DepthChart::SetDepthBottom(double bottom)
{
    if (!std::isfinite(bottom)) {
        failed_ = true;
        return;
    }
    depthTop_.reset();
    depthBottom_ = bottom;
}

void DepthChart::SetValueStep(double step)
{
    if (!(step > 0) || !std::isfinite(step)) {
        failed_ = true;
        return;
    }
    valueMode_ = ValueMode::Step;
    valueStep_ = step;
}

void DepthChart::SetValueRange(double min, double max)
{
    if (!std::isfinite(min) || !std::isfinite(max) || !(max > min)) {
        failed_ = true;
        return;
    }
    valueMode_ = ValueMode::Fixed;
    valueMin_ = min;
    valueMax_ = max;
}

bool DepthChart::EndLoad()
{
    // While series are attached the axes take the data's range with whatever
    // spacing they had; a fine spacing over a long range would lay out
    // thousands of labels. Fixed ticks until the ranges are set.
    depthAxis_->setTickType(QValueAxis::TicksFixed);
    valueAxis_->setTickType(QValueAxis::TicksFixed);
    chart_->zoomReset();
    chart_->removeAllSeries();
    for (auto& s : series_)
        s.segments = 0;
    if (failed_)
        return false;
    try {
        // Ranges first: every range change redraws each attached line.
        applyDepthAxis();
        applyValueAxis();
        build();
        depthAxis_->setTickType(QValueAxis::TicksDynamic);
        valueAxis_->setTickType(QValueAxis::TicksDynamic);
    } catch (...) {
        // A graph that cannot be drawn stays empty; the screen carries on.
        chart_->removeAllSeries();
        failed_ = true;
        return false;
    }
    return true;
}

void DepthChart::build()
{
    for (int si = 0; si < SeriesCount(); ++si) {
        Series& s = series_[static_cast<std::size_t>(si)];
        const Style& style = styles_[static_cast<std::size_t>(si)];
        QPen pen(style.color);
        pen.setWidthF(style.width);
        QList<QPointF> run;
        auto flush = [&] {
            if (run.isEmpty())
                return;
            auto* line = new QLineSeries();
            line->replace(run);
            line->setPen(pen);
            line->setName(style.legend);
            // A lone point has no line to show it; give it a marker.
            line->setPointsVisible(run.size() == 1);
            chart_->addSeries(line);
            line->attachAxis(valueAxis_);
            line->attachAxis(depthAxis_);
            line->setVisible(style.visible);
            // One legend entry per series, however many pieces its line has.
            if (s.segments > 0 || style.legend.isEmpty())
                for (QLegendMarker* m : chart_->legend()->markers(line))
                    m->setVisible(false);
            ++s.segments;
            run.clear();
        };
        for (const Point& p : s.points) {
            if (p.shown)
                run.append(QPointF(p.value, p.depth));
            else
                flush();
        }
        flush();
    }
    chart_->legend()->setVisible(legendVisible_);
    placeLegend();
}

void DepthChart::placeLegend()
{
    QLegend* legend = chart_->legend();
    const QRectF plot = chart_->plotArea();
    if (!legendVisible_ || plot.width() <= 0)
        return;
    // One row across the foot of the plot area.
    const double h = QFontMetricsF(legend->font()).height() * 1.8;
    legend->setGeometry(QRectF(plot.left() + 4, plot.bottom() - h - 4, plot.width() - 8, h));
    legend->update();
}

// The smallest and largest of one coordinate over the points drawn (min > max
// when none is drawn).
template <typename Series, typename Coordinate>
static std::pair<double, double> ShownExtent(const Series& series, Coordinate coordinate)
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const auto& s : series)
        for (const auto& p : s.points)
            if (p.shown) {
                lo = std::min(lo, coordinate(p));
                hi = std::max(hi, coordinate(p));
            }
    return {lo, hi};
}

void DepthChart::applyDepthAxis()
{
    const auto [dmin, dmax] = ShownExtent(series_, [](const Point& p) { return p.depth; });
    const bool any = dmin <= dmax;
    double top = 0;
    double bottom = 1;
    if (depthTop_ && depthBottom_) {
        top = *depthTop_;
        bottom = *depthBottom_;
    } else if (depthBottom_) {
        // Depth grows downwards; the top is the round number above the data.
        bottom = *depthBottom_;
        top = any ? std::floor(std::min(dmin, bottom)) : 0;
        if (top > 0 && any)
            top = std::min(0.0, top);
    } else if (any) {
        top = dmin;
        bottom = dmax;
    }
    // The top value is drawn at the top whether it is the smaller (depth) or
    // the larger (elevation) end.
    reversed_ = !(top > bottom);
    double lo = std::min(top, bottom);
    double hi = std::max(top, bottom);
    WidenIfEmpty(lo, hi);
    depthAxis_->setReverse(reversed_);
    fullDepthMin_ = lo;
    fullDepthMax_ = hi;
    depthAxis_->setTickInterval(NiceStep(hi - lo, 10));
    depthAxis_->setRange(lo, hi);
}

void DepthChart::applyValueAxis()
{
    auto [vmin, vmax] = ShownExtent(series_, [](const Point& p) { return p.value; });
    if (!(vmin <= vmax)) {
        vmin = 0;
        vmax = 1;
    }
    vmin = std::min(vmin, 0.0);
    double lo = vmin;
    double hi = vmax;
    double step = 0;
    switch (valueMode_) {
    case ValueMode::Fixed:
        lo = valueMin_;
        hi = valueMax_;
        step = NiceStep(hi - lo, 5);
        break;
    case ValueMode::Step:
        step = valueStep_;
        lo = std::floor(vmin / step) * step;
        hi = std::ceil(vmax / step) * step;
        if (!(hi > lo))
            hi = lo + step;
        break;
    case ValueMode::Auto:
        WidenIfEmpty(lo, hi);
        step = NiceStep(hi - lo, 5);
        lo = std::floor(lo / step) * step;
        hi = std::ceil(hi / step) * step;
        break;
    }
    fullValueMin_ = lo;
    fullValueMax_ = hi;
    valueAxis_->setTickInterval(step);
    valueAxis_->setRange(lo, hi);
}

void DepthChart::SetLegend(int series, const QString& text)
{
    if (series >= 0 && series < kMaxSeries)
        styles_[static_cast<std::size_t>(series)].legend = text;
}

void DepthChart::SetLegendVisible(bool visible)
{
    legendVisible_ = visible;
    chart_->legend()->setVisible(visible);
    placeLegend();
}

void DepthChart::SetSeriesColor(int series, const QColor& color)
{
    if (series >= 0 && series < kMaxSeries)
        styles_[static_cast<std::size_t>(series)].color = color;
}

void DepthChart::SetSeriesWidth(int series, double width)
{
    if (series >= 0 && series < kMaxSeries && width > 0)
        styles_[static_cast<std::size_t>(series)].width = width;
}

void DepthChart::SetSeriesVisible(int series, bool visible)
{
    if (series < 0 || series >= kMaxSeries)
        return;
    styles_[static_cast<std::size_t>(series)].visible = visible;
    if (series >= SeriesCount())
        return;
    // Show or hide the pieces already drawn, in the order build() added them.
    int first = 0;
    for (int s = 0; s < series; ++s)
        first += series_[static_cast<std::size_t>(s)].segments;
    const auto all = chart_->series();
    for (int k = first; k < first + series_[static_cast<std::size_t>(series)].segments && k < all.size(); ++k)
        all[k]->setVisible(visible);
}

} // namespace quarvex
