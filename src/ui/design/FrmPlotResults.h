#pragma once
// The results of a design run: the capacity of every method against depth or
// elevation, the soil-type probabilities beside it, the project and pile, and
// a legend of its own. The option buttons choose end bearing or friction; the
// check boxes show and hide curves without reloading them.

#include "design/DesignBasis.h"
#include "project/Project.h"
#include "screenlogic/ResultsView.h"
#include "ui/design/DesignResultsParts.h"
#include "ui/shell/Dialogs.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPainter;
class QRadioButton;

namespace quarvex {

class DepthChart;
class FrmWorking;
class PrintPage;

class FrmPlotResults : public QMainWindow {
    Q_OBJECT
public:
    // The pile design screen's method boxes (0, 1 or 2 each), read at every
    // redraw; without a source all four methods count as ticked.
    using MethodSource = std::function<std::array<int, 4>()>;

    FrmPlotResults(Project& project, Dialogs& dialogs, MethodSource methods = {}, QWidget* parent = nullptr);

    DepthChart* CapacityChart() const { return capacity_; }
    DepthChart* SoilChart() const { return soil_; }
    const results::ResultsState& State() const { return state_; }
    // The decision on the values in force while a design load is kept from the
    // design screen; nothing without a load.
    const std::optional<DesignDecision>& Decision() const { return decision_; }

    // What hovering the capacity graph at a point of its viewport shows (empty
    // outside the plot area).
    QString HoverTextAt(const QPoint& viewportPos) const;

    // The "Working" window while it is open.
    FrmWorking* Working() const;
    // The methods whose working that window shows: the visible ones.
    std::vector<std::string> VisibleMethodNames() const;

    // The printed page: header, legend image and the capacity graph.
    void PaintPage(PrintPage& page);

public slots:
    // Redraws the capacity graph: 0 end bearing, otherwise friction.
    void PlotCapacity(int optionIndex);
    void ToggleDepthElevation();
    void PrintGraphs();
    // Asks for a file name and writes every step's values there as CSV: the
    // corrected capacities while corrections are in force.
    void ExportCsv();
    // Asks for a file name and writes the design report there (with a load only).
    void SaveReport();
    // Opens (or brings up) the "Working" window at a step of the analysis range;
    // 0: the pile tip step.
    void ShowWorking(int step = 0);

signals:
    void backRequested();
    void correctionRequested();
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SoilPlot();
    void ShowRows();
    void OnCapacityOption(int n);
    QWidget* BuildLegend();
    QWidget* BuildProjectPanel();

    Project& p_;
    Dialogs& dialogs_;
    MethodSource methods_;
    results::ResultsState state_;

    DepthChart* capacity_ = nullptr;
    DepthChart* soil_ = nullptr;
    QRadioButton* capacityOption_[2] = {};
    QCheckBox* ultimate_ = nullptr;
    QCheckBox* methodCheck_[4] = {};
    QWidget* legend_ = nullptr;
    QLabel* legendCopy_ = nullptr;
    std::array<QWidget*, results::kSeries> rows_{};
    std::array<QLabel*, results::kCaptions> captions_{};
    std::optional<DesignBasis> designBasis_;
    std::optional<DesignDecision> decision_;
    DesignSummaryPanel* designSummary_ = nullptr;
    DesignCurves designCurves_;
    QPointer<FrmWorking> working_;
    QPoint pressAt_;
};

} // namespace quarvex
