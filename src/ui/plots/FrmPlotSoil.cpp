#include "ui/plots/FrmPlotSoil.h"

#include "pipeline/Pipeline.h"
#include "screenlogic/PlotLogic.h"
#include "ui/charts/DepthChart.h"
#include "ui/plots/PlotScreenParts.h"
#include "ui/shell/Dialogs.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace quarvex {

using namespace plots;

FrmPlotSoil::FrmPlotSoil(Project& project, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), p_(project), dialogs_(dialogs)
{
    setObjectName("FrmPlotSoil");
    setWindowTitle("Soil CLassification Form");

    toolbar1_ = AddMainToolbar(this);
    QStyle* st = style();
    AddKeyedAction(toolbar1_, "Back     ", "Back", "Back to previous form")
        ->setIcon(st->standardIcon(QStyle::SP_ArrowBack));
    AddKeyedAction(toolbar1_, "     Design Pile       ", "Next", "Next : Pile Design Form")
        ->setIcon(st->standardIcon(QStyle::SP_ArrowForward));
    AddKeyedAction(toolbar1_, "Depth / Elevation", "Toggle", "Toggle Depth / Elevation")
        ->setIcon(st->standardIcon(QStyle::SP_BrowserReload));
    AddKeyedAction(toolbar1_, "Print All       ", "Print", "Print all graphs")
        ->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    AddKeyedAction(toolbar1_, "Exit        ", "Exit", QString())
        ->setIcon(st->standardIcon(QStyle::SP_DialogCloseButton));
    connect(toolbar1_, &QToolBar::actionTriggered, this, &FrmPlotSoil::OnToolbar);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(BuildProjectBoxes(p_, central));
    auto* row = new QHBoxLayout();
    const char* names[] = {"ChartFX4", "ChartFX5", "ChartFX6", "ChartFX7"};
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        charts_[i] = new DepthChart(central);
        charts_[i]->setObjectName(names[i]);
        charts_[i]->setMinimumSize(200, 300);
        // The four graphs read across at one depth scale: none zooms alone.
        charts_[i]->SetUserZoom(false);
        row->addWidget(charts_[i], 1);
    }
    column->addLayout(row, 1);
    setCentralWidget(central);
    SizeToMostOfScreen(this);

    DepthChart* soil = charts_[3];
    soil->SetLegend(0, kSandLegend);
    soil->SetLegend(1, kSiltLegend);
    soil->SetLegend(2, kClayLegend);
    soil->SetSeriesColor(0, QColor(210, 150, 0));
    soil->SetSeriesColor(1, QColor(0, 150, 60));
    soil->SetSeriesColor(2, QColor(150, 60, 30));
    soil->SetLegendVisible(true);
    soil->SetHoverDepthName("Depth (ft)"); // always against depth, untitled

    Load();
}

FrmPlotSoil::~FrmPlotSoil() = default;

void FrmPlotSoil::Load()
{
    setWindowTitle(QString::fromStdString(PlotCaption(p_)));
    SettleAxisMode(p_);
    BusyCursor busy;
    if (const auto refusal = Pipeline(p_).BuildSteps()) {
        // No step table to show or to design on: say why and go back.
        refused_ = true;
        Show(dialogs_, this, *refusal);
        if (QAction* next = toolbar1_->findChild<QAction*>("Next"))
            next->setEnabled(false);
        QMetaObject::invokeMethod(this, &FrmPlotSoil::backRequested, Qt::QueuedConnection);
        return;
    }
    TipPlot();
    SleevePlot();
    Ratioplot();
    SoilPlot();
}

void FrmPlotSoil::Draw(DepthChart* chart, const Array1<Single>& values, const QString& title)
{
    try {
        const int count =
            std::min<int>({p_.NumSteps, values.size(), p_.StepDepth.size(), p_.StepElev.size()});
        chart->BeginLoad(1, count);
        chart->SetDepthTitle(QString::fromStdString(DepthTitle(p_.DepthAxisMode)));
        chart->SetValueTitle(title);
        for (int i = 0; i < count; ++i)
            chart->SetPoint(0, i, StepCoordinate(p_, i + 1), values[i + 1]);
        const AxisEnds axis = SoilDepthAxis(p_);
        chart->SetDepthRange(axis.top, axis.bottom);
        chart->EndLoad();
    } catch (...) {
    }
}

void FrmPlotSoil::TipPlot()
{
    Draw(charts_[0], p_.StepTip, QString::fromStdString(TipTitle()));
}

void FrmPlotSoil::SleevePlot()
{
    Draw(charts_[1], p_.StepSleeve, QString::fromStdString(SleeveTitle()));
}

void FrmPlotSoil::Ratioplot()
{
    Draw(charts_[2], p_.StepRatio, QString::fromLatin1(kRatioTitle));
}

void FrmPlotSoil::SoilPlot()
{
    DepthChart* chart = charts_[3];
    try {
        const int n = std::min<int>(
            {p_.NumSteps, p_.StepDepth.size(), p_.PctSand.size(), p_.PctSilt.size(), p_.PctClay.size()});
        chart->BeginLoad(3, n);
        chart->SetValueTitle(QString::fromLatin1(kSoilTitle));
        chart->SetValueRange(0, 100);
        // Always against depth, deepest step first.
        for (int j = 0; j < n; ++j) {
            const int s = n - j;
            chart->SetPoint(0, j, p_.StepDepth[s], p_.PctSand[s]);
            chart->SetPoint(1, j, p_.StepDepth[s], p_.PctSilt[s]);
            chart->SetPoint(2, j, p_.StepDepth[s], p_.PctClay[s]);
        }
        if (n >= 2)
            chart->SetDepthBottom(p_.StepDepth[n - 1]);
        chart->EndLoad();
    } catch (...) {
    }
}

void FrmPlotSoil::ToggleDepthElevation()
{
    if (const auto refusal = plots::ToggleDepthElevation(p_)) {
        Show(dialogs_, this, *refusal);
        return;
    }
    if (refused_)
        return;
    BusyCursor busy;
    TipPlot();
    SleevePlot();
    Ratioplot();
}

void FrmPlotSoil::PrintGraphs()
{
    dialogs_.Print(this, [this](QPrinter& printer) {
        PaintPlotPage(printer, [this](double m, double w) { return SoilHeaderItems(p_, m, w); },
                      {charts_[0], charts_[1], charts_[2], charts_[3]});
    });
}

void FrmPlotSoil::OnToolbar(QAction* action)
{
    const QString key = action->objectName();
    if (key == "Back")
        emit backRequested();
    else if (key == "Next" && !refused_)
        emit nextRequested();
    else if (key == "Toggle")
        ToggleDepthElevation();
    else if (key == "Print")
        PrintGraphs();
    else if (key == "Exit")
        emit exitRequested();
}

void FrmPlotSoil::keyPressEvent(QKeyEvent* event)
{
    if (!refused_ && IsFormKeyPress(event, this)) {
        emit nextRequested();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace quarvex
