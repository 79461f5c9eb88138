#pragma once
// The cone data plot: tip resistance, sleeve resistance and friction ratio
// side by side against depth or elevation, with a depth limit, zoom-all and a
// printed page. Loading it cleans the readings and derives the friction ratio
// and elevation of every reading.

#include "project/Project.h"

#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QPushButton;
class QToolBar;

namespace quarvex {

class DepthChart;
class Dialogs;

class FrmPlotConeData : public QMainWindow {
    Q_OBJECT
public:
    FrmPlotConeData(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);
    ~FrmPlotConeData() override;

    void TipPlot();
    void SleevePlot();
    void Ratioplot();
    void ToggleDepthElevation();
    void ZoomAll();
    void PrintGraphs();
    // The "Depth" command: applies the limit in Combo1.
    void ApplyDepthLimit();

    Long PlotCount() const { return plotCount_; }
    Single MaxTip() const { return maxTip_; }
    Single MaxSleeve() const { return maxSleeve_; }
    Single MaxRatio() const { return maxRatio_; }
    DepthChart* Chart(int i) const { return charts_[static_cast<std::size_t>(i)]; }

signals:
    void backRequested();
    void nextRequested();
    void exitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Load();
    void DrawAll();
    void Draw(DepthChart* chart, const FixedArray1<Single, kMaxReadings>& values, const QString& title,
              Single maxValue);
    void OnToolbar(QAction* action);

    Project& p_;
    Dialogs& dialogs_;
    std::array<DepthChart*, 3> charts_{};
    QToolBar* toolbar1_ = nullptr;
    QToolBar* toolbar2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QAction* zoomAction_ = nullptr;

    Long plotCount_ = 0;
    Single maxTip_ = 0;
    Single maxSleeve_ = 0;
    Single maxRatio_ = 0;
};

} // namespace quarvex
