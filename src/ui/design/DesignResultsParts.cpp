#include "ui/design/DesignResultsParts.h"

#include "design/DesignReport.h"
#include "project/NumberText.h"
#include "screenlogic/DesignView.h"
#include "screenlogic/ResultsView.h"
#include "ui/charts/DepthChart.h"

#include <QChart>
#include <QGroupBox>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace quarvex {

namespace {

// The graph's legend is off; a legend entry of its own would still show if it
// were turned on, so the extra curves keep none.
void AddToChart(DepthChart& chart, QAbstractSeries* series)
{
    QChart* c = chart.chart();
    c->addSeries(series);
    series->attachAxis(chart.ValueAxis());
    series->attachAxis(chart.DepthAxis());
    for (QLegendMarker* m : c->legend()->markers(series))
        m->setVisible(false);
}

} // namespace

DesignSummaryPanel::DesignSummaryPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName("FraDesignSummary");
    auto* frame = new QGroupBox("Design load", this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    list_ = new QListWidget(frame);
    list_->setObjectName("LstDesignSummary");
    list_->setWordWrap(true);
    list_->setMinimumWidth(260);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(list_);
}

void DesignSummaryPanel::Show(const DesignDecision& d)
{
    list_->clear();
    list_->addItem(QString::fromStdString(DesignBasisLine(d)));
    const std::vector<std::string> rows = DesignSummaryRows(d);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        auto* item = new QListWidgetItem(QString::fromStdString(rows[k]), list_);
        if (!d.methods[k].passes)
            item->setForeground(QColor(200, 0, 0));
    }
    const std::vector<std::string> lines = DesignSummaryLines(d);
    if (!lines.empty())
        list_->addItem(QString::fromStdString(lines.back()));
}

QStringList DesignSummaryPanel::Lines() const
{
    QStringList lines;
    for (int i = 0; i < list_->count(); ++i)
        lines << list_->item(i)->text();
    return lines;
}

void DesignCurves::Draw(DepthChart& chart, const Project& p, const DesignDecision& d,
                        const std::vector<QColor>& colours)
{
    methods_.assign(d.methods.size(), Method{});
    visible_.resize(d.methods.size(), true);
    if (chart.Failed() || colours.empty())
        return;
    double highest = 0;
    for (std::size_t k = 0; k < d.methods.size(); ++k) {
        const MethodDecision& m = d.methods[k];
        const QColor colour = colours[std::min(k, colours.size() - 1)];
        auto* curve = new QLineSeries();
        curve->setObjectName(QString("DesignCapacity(%1)").arg(k));
        curve->setName(QString::fromStdString(m.method.name + " " + DesignCapacityName(d.basis.basis)));
        QPen pen(colour, 1.5, Qt::DashLine);
        curve->setPen(pen);
        // One series with the gaps bridged would draw a capacity where the
        // method computed none; the points outside the pile are simply absent.
        for (const auto& pt : DesignCapacityPoints(p, m))
            if (pt)
                curve->append(pt->second, pt->first);
        AddToChart(chart, curve);
        methods_[k].curve = curve;

        if (const auto tip = RequiredTipPoint(p, m)) {
            auto* marker = new QScatterSeries();
            marker->setObjectName(QString("RequiredTip(%1)").arg(k));
            marker->setName(QString::fromStdString(m.method.name + " required tip"));
            marker->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
            marker->setMarkerSize(9);
            marker->setColor(colour);
            marker->setBorderColor(Qt::black);
            marker->append(tip->second, tip->first);
            AddToChart(chart, marker);
            methods_[k].tip = marker;
        }
        highest = std::max(highest, static_cast<double>(m.tipCapacity));
    }

    // The vertical line over the whole depth axis.
    const results::CapacityAxis axis = results::CapacityAxisFor(p);
    auto* line = new QLineSeries();
    line->setObjectName("RequiredLine");
    line->setName(QString::fromStdString("Required " + GeneralForm(d.required) + " tons"));
    line->setPen(QPen(Qt::black, 1.5, Qt::DashDotLine));
    line->append(d.required, axis.top);
    line->append(d.required, axis.bottom);
    AddToChart(chart, line);
    // A required value beyond the capacities drawn would leave the line off the graph.
    QValueAxis* values = chart.ValueAxis();
    if (d.required >= values->max()) {
        // With the old spacing a far larger range would lay out thousands of
        // labels; the axis sets its spacing for the new range once it has it.
        values->setTickType(QValueAxis::TicksFixed);
        values->setRange(values->min(), static_cast<double>(d.required) * 1.1);
        values->setTickType(QValueAxis::TicksDynamic);
    }
    for (std::size_t k = 0; k < methods_.size(); ++k)
        SetMethodVisible(static_cast<int>(k), visible_[k]);
}

void DesignCurves::SetMethodVisible(int k, bool visible)
{
    if (k < 0 || k >= static_cast<int>(visible_.size()))
        return;
    visible_[static_cast<std::size_t>(k)] = visible;
    const Method& m = methods_[static_cast<std::size_t>(k)];
    if (m.curve)
        m.curve->setVisible(visible);
    if (m.tip)
        m.tip->setVisible(visible);
}

} // namespace quarvex
