#include "ui/plots/FrmPlotConeData.h"

#include "pipeline/Pipeline.h"
#include "screenlogic/PlotLogic.h"
#include "ui/charts/DepthChart.h"
#include "ui/plots/PlotScreenParts.h"
#include "ui/shell/Dialogs.h"
#include "ui/shell/ScreenHelpers.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace quarvex {

using namespace plots;

FrmPlotConeData::FrmPlotConeData(Project& project, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), p_(project), dialogs_(dialogs)
{
    setObjectName("FrmPlotConeData");
    setWindowTitle("Cone Pentration Data");

    toolbar1_ = AddMainToolbar(this);
    QStyle* st = style();
    AddKeyedAction(toolbar1_, "Back      ", "Back", "Back to previous form")
        ->setIcon(st->standardIcon(QStyle::SP_ArrowBack));
    AddKeyedAction(toolbar1_, "    Classify Soil   ", "Next", "Next Form: Soil CLassification ")
        ->setIcon(st->standardIcon(QStyle::SP_ArrowForward));
    AddKeyedAction(toolbar1_, "Depth / Elevation", "Toggle", "Toggle Depth / Elevation")
        ->setIcon(st->standardIcon(QStyle::SP_BrowserReload));
    zoomAction_ = AddKeyedAction(toolbar1_, kZoomAllDesign, "Zoom", "Zoom all the graphs");
    zoomAction_->setIcon(st->standardIcon(QStyle::SP_FileDialogContentsView));
    AddKeyedAction(toolbar1_, "Print All     ", "Print", "Print all graphs")
        ->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    AddKeyedAction(toolbar1_, "Exit        ", "Exit", "Exit the program")
        ->setIcon(st->standardIcon(QStyle::SP_DialogCloseButton));
    connect(toolbar1_, &QToolBar::actionTriggered, this, &FrmPlotConeData::OnToolbar);

    toolbar2_ = new QToolBar(this);
    toolbar2_->setObjectName("Toolbar2");
    toolbar2_->setMovable(false);
    addToolBar(Qt::TopToolBarArea, toolbar2_);
    command1_ = new QPushButton("Depth", toolbar2_);
    command1_->setObjectName("Command1");
    command1_->setToolTip("Plot down to the depth in the list");
    command1_->setMinimumWidth(50);
    combo1_ = new QComboBox(toolbar2_);
    combo1_->setObjectName("Combo1");
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    NoInlineCompletion(combo1_);
    combo1_->setMinimumWidth(90);
    combo1_->setToolTip("Depth limit (ft): choose or type one, then press Depth or Enter");
    toolbar2_->addWidget(command1_);
    toolbar2_->addWidget(combo1_);
    connect(command1_, &QPushButton::clicked, this, &FrmPlotConeData::ApplyDepthLimit);
    connect(combo1_->lineEdit(), &QLineEdit::returnPressed, this, &FrmPlotConeData::ApplyDepthLimit);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(BuildProjectBoxes(p_, central));
    auto* row = new QHBoxLayout();
    const char* names[] = {"ChartFX1", "ChartFX2", "ChartFX3"};
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        charts_[i] = new DepthChart(central);
        charts_[i]->setObjectName(names[i]);
        charts_[i]->setMinimumSize(220, 300);
        row->addWidget(charts_[i], 1);
    }
    column->addLayout(row, 1);
    setCentralWidget(central);
    SizeToMostOfScreen(this);

    Load();
}

FrmPlotConeData::~FrmPlotConeData() = default;

void FrmPlotConeData::Load()
{
    SettleAxisMode(p_);
    maxTip_ = maxSleeve_ = maxRatio_ = 0;
    plotCount_ = p_.NumReadings;
    combo1_->clear();
    for (const std::string& choice : DepthLimitChoices(p_))
        combo1_->addItem(QString::fromStdString(choice));
    combo1_->setCurrentIndex(-1);
    setWindowTitle(QString::fromStdString(PlotCaption(p_)));
    if (p_.NumReadings < 1) {
        Show(dialogs_, this, NoReadingsMessage());
        return;
    }
    const ConeMaxima maxima = Pipeline(p_).Clean();
    maxTip_ = maxima.MaxTip;
    maxSleeve_ = maxima.MaxSleeve;
    maxRatio_ = maxima.MaxRatio;
    BusyCursor busy;
    DrawAll();
}

void FrmPlotConeData::DrawAll()
{
    TipPlot();
    SleevePlot();
    Ratioplot();
}

void FrmPlotConeData::Draw(DepthChart* chart, const FixedArray1<Single, kMaxReadings>& values,
                           const QString& title, Single maxValue)
{
    // A graph that cannot be drawn is left as it is; the screen goes on.
    try {
        const int count = std::min<int>(plotCount_, p_.NumReadings);
        const std::vector<int> drawn = DrawnReadings(values, count);
        chart->BeginLoad(1, static_cast<int>(drawn.size()));
        chart->SetDepthTitle(QString::fromStdString(DepthTitle(p_.DepthAxisMode)));
        chart->SetValueTitle(title);
        for (int i = 0; i < static_cast<int>(drawn.size()); ++i) {
            const int j = drawn[static_cast<std::size_t>(i)];
            chart->SetPoint(0, i, ConeCoordinate(p_, j), values[j]);
        }
        const AxisEnds axis = ConeDepthAxis(p_, plotCount_);
        chart->SetDepthRange(axis.top, axis.bottom);
        if (const int step = ValueStepFor(maxValue); step > 0)
            chart->SetValueStep(step);
        chart->EndLoad();
    } catch (...) {
    }
}

void FrmPlotConeData::TipPlot()
{
    Draw(charts_[0], p_.TipData, QString::fromStdString(TipTitle()), maxTip_);
}

void FrmPlotConeData::SleevePlot()
{
    Draw(charts_[1], p_.SleeveData, QString::fromStdString(SleeveTitle()), maxSleeve_);
}

void FrmPlotConeData::Ratioplot()
{
    Draw(charts_[2], p_.RatioData, QString::fromLatin1(kRatioTitle), maxRatio_);
}

void FrmPlotConeData::ApplyDepthLimit()
{
    const DepthLimitOutcome out =
        plots::ApplyDepthLimit(p_, combo1_->currentText().toStdString(), plotCount_);
    combo1_->setEditText(QString::fromStdString(out.text));
    if (!out.accepted) {
        if (out.message)
            Show(dialogs_, this, *out.message);
        return;
    }
    plotCount_ = out.plotCount;
    BusyCursor busy;
    DrawAll();
}

void FrmPlotConeData::ToggleDepthElevation()
{
    if (const auto refusal = plots::ToggleDepthElevation(p_)) {
        Show(dialogs_, this, *refusal);
        return;
    }
    BusyCursor busy;
    DrawAll();
}

void FrmPlotConeData::ZoomAll()
{
    if (CaptionMeansZoomAll(zoomAction_->text().toStdString())) {
        zoomAction_->setText(kZoomOut);
        int source = -1;
        for (int i = 0; i < 3 && source < 0; ++i)
            if (charts_[static_cast<std::size_t>(i)]->IsZoomed())
                source = i;
        if (source < 0) {
            Show(dialogs_, this, ZoomFirstMessage());
            zoomAction_->setText(kZoomAll);
            return;
        }
        const DepthWindow window = charts_[static_cast<std::size_t>(source)]->VisibleDepthRange();
        const ZoomColumn columns[] = {ZoomColumn::Tip, ZoomColumn::Sleeve, ZoomColumn::Ratio};
        for (int i = 0; i < 3; ++i) {
            if (i == source)
                continue;
            DepthChart* chart = charts_[static_cast<std::size_t>(i)];
            chart->SetVisibleDepthRange(window.bottom, window.top);
            chart->SetVisibleValueRange(0, ZoomMax(p_, columns[i], plotCount_, window.bottom));
        }
        return;
    }
    for (DepthChart* chart : charts_)
        chart->ZoomOff();
    zoomAction_->setText(kZoomAll);
}

void FrmPlotConeData::PrintGraphs()
{
    dialogs_.Print(this, [this](QPrinter& printer) {
        PaintPlotPage(printer, [this](double m, double w) { return ConeHeaderItems(p_, m, w); },
                      {charts_[0], charts_[1], charts_[2]});
    });
}

void FrmPlotConeData::OnToolbar(QAction* action)
{
    const QString key = action->objectName();
    if (key == "Back")
        emit backRequested();
    else if (key == "Next")
        emit nextRequested();
    else if (key == "Toggle")
        ToggleDepthElevation();
    else if (key == "Zoom")
        ZoomAll();
    else if (key == "Print")
        PrintGraphs();
    else if (key == "Exit")
        emit exitRequested();
}

void FrmPlotConeData::keyPressEvent(QKeyEvent* event)
{
    // Enter on the focused "Depth" button applies the limit, as Space does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == command1_) {
        ApplyDepthLimit();
        return;
    }
    if (IsFormKeyPress(event, this)) {
        emit nextRequested();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace quarvex
