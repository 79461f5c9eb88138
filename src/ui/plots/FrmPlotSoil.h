#pragma once
// The soil classification plot: builds and classifies the step table when it
// opens, then draws the averaged tip, sleeve and ratio against depth or
// elevation and the sand, silt and clay probabilities against depth.

#include "project/Project.h"

#include <QMainWindow>

#include <array>

class QAction;
class QToolBar;

namespace quarvex {

class DepthChart;
class Dialogs;

class FrmPlotSoil : public QMainWindow {
    Q_OBJECT
public:
    FrmPlotSoil(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);
    ~FrmPlotSoil() override;

    void TipPlot();
    void SleevePlot();
    void Ratioplot();
    void SoilPlot();
    void ToggleDepthElevation();
    void PrintGraphs();

    // True when the sounding could not be classified; the screen then draws
    // nothing, goes back on its own and offers no way on.
    bool Refused() const { return refused_; }
    DepthChart* Chart(int i) const { return charts_[static_cast<std::size_t>(i)]; }

signals:
    void backRequested();
    void nextRequested();
    void exitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Load();
    void Draw(DepthChart* chart, const Array1<Single>& values, const QString& title);
    void OnToolbar(QAction* action);

    Project& p_;
    Dialogs& dialogs_;
    std::array<DepthChart*, 4> charts_{};
    QToolBar* toolbar1_ = nullptr;
    bool refused_ = false;
};

} // namespace quarvex
