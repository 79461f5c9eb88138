// The chart adapter's zoom, hover, printing and the read-back of what it shows.

#include "ui/charts/AxisScale.h"
#include "ui/charts/DepthChart.h"

#include <QChart>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace quarvex {

using chart_detail::NiceStep;
using chart_detail::WidenIfEmpty;

bool DepthChart::IsZoomed() const
{
    return chart_->isZoomed();
}

double DepthChart::depthToChartY(double depth) const
{
    const QRectF plot = chart_->plotArea();
    const double lo = depthAxis_->min();
    const double hi = depthAxis_->max();
    // Reversed: the minimum is drawn at the top.
    const double topVal = reversed_ ? lo : hi;
    const double bottomVal = reversed_ ? hi : lo;
    return plot.top() + (depth - topVal) / (bottomVal - topVal) * plot.height();
}

std::optional<double> DepthChart::depthAt(const QPointF& viewPos) const
{
    const QPointF chartPos = chart_->mapFromScene(mapToScene(viewPos.toPoint()));
    const QRectF plot = chart_->plotArea();
    if (!plot.contains(chartPos) || plot.height() <= 0)
        return std::nullopt;
    const double f = (chartPos.y() - plot.top()) / plot.height();
    const double lo = depthAxis_->min();
    const double hi = depthAxis_->max();
    const double topVal = reversed_ ? lo : hi;
    const double bottomVal = reversed_ ? hi : lo;
    return topVal + f * (bottomVal - topVal);
}

void DepthChart::ZoomDepthWindow(double from, double to)
{
    const QRectF plot = chart_->plotArea();
    if (plot.height() <= 0 || from == to)
        return;
    const double y1 = depthToChartY(from);
    const double y2 = depthToChartY(to);
    chart_->zoomIn(QRectF(plot.left(), std::min(y1, y2), plot.width(), std::fabs(y2 - y1)));
}

DepthWindow DepthChart::VisibleDepthRange() const
{
    const double lo = depthAxis_->min();
    const double hi = depthAxis_->max();
    return reversed_ ? DepthWindow{hi, lo} : DepthWindow{lo, hi};
}

void DepthChart::SetVisibleDepthRange(double bottom, double top)
{
    double lo = std::min(bottom, top);
    double hi = std::max(bottom, top);
    if (!std::isfinite(lo) || !std::isfinite(hi))
        return;
    WidenIfEmpty(lo, hi);
    depthAxis_->setTickInterval(NiceStep(hi - lo, 10));
    depthAxis_->setRange(lo, hi);
}

void DepthChart::SetVisibleValueRange(double min, double max)
{
    double lo = std::min(min, max);
    double hi = std::max(min, max);
    if (!std::isfinite(lo) || !std::isfinite(hi))
        return;
    WidenIfEmpty(lo, hi);
    valueAxis_->setTickInterval(NiceStep(hi - lo, 5));
    valueAxis_->setRange(lo, hi);
}

void DepthChart::ZoomOff()
{
    // Widening the view with a zoomed-in spacing would lay out a flood of labels.
    depthAxis_->setTickType(QValueAxis::TicksFixed);
    valueAxis_->setTickType(QValueAxis::TicksFixed);
    chart_->zoomReset();
    depthAxis_->setTickInterval(NiceStep(fullDepthMax_ - fullDepthMin_, 10));
    depthAxis_->setRange(fullDepthMin_, fullDepthMax_);
    valueAxis_->setTickInterval(valueMode_ == ValueMode::Step ? valueStep_
                                                              : NiceStep(fullValueMax_ - fullValueMin_, 5));
    valueAxis_->setRange(fullValueMin_, fullValueMax_);
    depthAxis_->setTickType(QValueAxis::TicksDynamic);
    valueAxis_->setTickType(QValueAxis::TicksDynamic);
}

void DepthChart::PaintInto(QPainter& painter, const QRectF& target)
{
    if (!target.isValid() || painter.device() == nullptr)
        return;
    // Lay the graph out at the column's proportions in screen-sized units, so
    // that its type prints at the size it has on the screen.
    // A narrow column is laid out wider and scaled down, so that axis titles
    // keep their words instead of being cut short.
    constexpr double kMinWidth = 300;
    double scale = std::max(1.0, painter.device()->logicalDpiX() / 96.0);
    if (target.width() / scale < kMinWidth)
        scale = std::max(0.1, target.width() / kMinWidth);
    const QSizeF logical(target.width() / scale, target.height() / scale);
    const QSizeF oldSize = chart_->size();
    chart_->resize(logical);
    if (QGraphicsScene* scene = chart_->scene())
        scene->render(&painter, target, QRectF(chart_->pos(), logical), Qt::IgnoreAspectRatio);
    chart_->resize(oldSize);
}

QList<QPointF> DepthChart::Points(int series) const
{
    QList<QPointF> out;
    if (series < 0 || series >= SeriesCount())
        return out;
    for (const Point& p : series_[static_cast<std::size_t>(series)].points)
        if (p.shown)
            out.append(QPointF(p.depth, p.value));
    return out;
}

QString DepthChart::Legend(int series) const
{
    if (series < 0 || series >= kMaxSeries)
        return {};
    return styles_[static_cast<std::size_t>(series)].legend;
}

bool DepthChart::DepthReversed() const
{
    return depthAxis_->isReverse();
}

QPointF DepthChart::DepthAxisRange() const
{
    return QPointF(depthAxis_->min(), depthAxis_->max());
}

QPointF DepthChart::ValueAxisRange() const
{
    return QPointF(valueAxis_->min(), valueAxis_->max());
}

double DepthChart::ValueStep() const
{
    return valueMode_ == ValueMode::Step ? valueStep_ : 0;
}

int DepthChart::SegmentCount(int series) const
{
    if (series < 0 || series >= SeriesCount())
        return 0;
    return series_[static_cast<std::size_t>(series)].segments;
}

QString DepthChart::HoverText(double depth) const
{
    const QString depthName = depthTitle_.trimmed().isEmpty() ? hoverDepthName_ : depthTitle_.trimmed();
    QStringList lines{QStringLiteral("%1: %2").arg(depthName, QString::number(depth, 'f', 2))};
    for (std::size_t si = 0; si < series_.size(); ++si) {
        const Series& s = series_[si];
        const Style& style = styles_[si];
        if (!style.visible)
            continue;
        const Point* best = nullptr;
        for (const Point& p : s.points)
            if (p.shown && (best == nullptr || std::fabs(p.depth - depth) < std::fabs(best->depth - depth)))
                best = &p;
        if (best == nullptr)
            continue;
        const QString name = !style.legend.isEmpty() ? style.legend.trimmed() : valueTitle_.trimmed();
        lines << QStringLiteral("%1: %2").arg(name, QString::number(best->value, 'f', 2));
    }
    return lines.join('\n');
}

void DepthChart::SetUserZoom(bool enabled)
{
    setRubberBand(enabled ? QChartView::VerticalRubberBand : QChartView::NoRubberBand);
}

void DepthChart::mouseMoveEvent(QMouseEvent* event)
{
    QChartView::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton)
        return;
    if (const auto depth = depthAt(event->position()))
        QToolTip::showText(event->globalPosition().toPoint(), HoverText(*depth), this);
    else
        QToolTip::hideText();
}

void DepthChart::mouseReleaseEvent(QMouseEvent* event)
{
    QChartView::mouseReleaseEvent(event);
    emit zoomChanged();
}

void DepthChart::leaveEvent(QEvent* event)
{
    QToolTip::hideText();
    QChartView::leaveEvent(event);
}

} // namespace quarvex
