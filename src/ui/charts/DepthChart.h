#pragma once
// One graph of (depth, value) points with the depth running down the vertical
// axis. Every plot screen draws through this adapter over Qt Charts:
//
//   BeginLoad(series, points); titles, legends, ranges; SetPoint(...); EndLoad();
//
// Styles (colour, pen width, visibility, legend text) and titles stay until
// changed, so a screen sets them once and reloads only the points. Nothing in
// here throws or stops the screen: a bad call marks the drawing as failed and
// EndLoad leaves the chart empty.

#include <QChartView>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QChart;
class QValueAxis;
class QPainter;

namespace quarvex {

// The visible stretch of the depth axis: the deeper (or lower) end and the
// shallower (or higher) end, as the screens exchange it.
struct DepthWindow {
    double bottom = 0;
    double top = 0;
};

class DepthChart : public QChartView {
    Q_OBJECT
public:
    static constexpr int kMaxSeries = 8;

    explicit DepthChart(QWidget* parent = nullptr);
    ~DepthChart() override;

    // --- drawing ---------------------------------------------------------
    // Starts a new drawing of seriesCount series of pointCount points each.
    // Points not set stay hidden; ranges and value-axis settings start automatic.
    void BeginLoad(int seriesCount, int pointCount);
    void SetPoint(int series, int index, double depth, double value);
    // A hidden point breaks its line: the curve is drawn in separate runs.
    void HidePoint(int series, int index);
    void SetDepthTitle(const QString& title);
    void SetValueTitle(const QString& title);
    // What hovering calls the depth coordinate when the axis has no title.
    void SetHoverDepthName(const QString& name) { hoverDepthName_ = name; }
    // The depth axis from a top value (drawn at the top) to a bottom value.
    void SetDepthRange(double top, double bottom);
    // Only the bottom is given: depth grows downwards and the top is chosen
    // from the data.
    void SetDepthBottom(double bottom);
    // Spacing of the value labels and grid lines; the range follows the data.
    void SetValueStep(double step);
    void SetValueRange(double min, double max);
    // Builds the graph. False when the drawing failed (the chart is then empty).
    bool EndLoad();

    // --- appearance (kept across drawings) --------------------------------
    void SetLegend(int series, const QString& text);
    void SetLegendVisible(bool visible);
    void SetSeriesColor(int series, const QColor& color);
    void SetSeriesWidth(int series, double width);
    void SetSeriesVisible(int series, bool visible);

    // --- zoom ----------------------------------------------------------------
    // Whether dragging with the mouse zooms (on by default). Graphs that must
    // keep one depth scale with their neighbours turn it off.
    void SetUserZoom(bool enabled);
    // True after the user (or ZoomDepthWindow) zoomed into the graph.
    bool IsZoomed() const;
    // Zooms to the depth window between two depth coordinates, exactly as
    // dragging out the rubber band over them does.
    void ZoomDepthWindow(double from, double to);
    DepthWindow VisibleDepthRange() const;
    void SetVisibleDepthRange(double bottom, double top);
    void SetVisibleValueRange(double min, double max);
    // Back to the full view of the last drawing.
    void ZoomOff();

    // --- printing --------------------------------------------------------
    // Paints the graph into a rectangle of a page (device pixels of painter).
    void PaintInto(QPainter& painter, const QRectF& target);

    // --- what is shown (for the screens' checks and the tests) ------------
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    int PointCount() const { return pointCount_; }
    // The shown points of a series as (depth, value), hidden ones left out.
    QList<QPointF> Points(int series) const;
    QString DepthTitle() const { return depthTitle_; }
    QString ValueTitle() const { return valueTitle_; }
    QString Legend(int series) const;
    bool LegendVisible() const { return legendVisible_; }
    bool DepthReversed() const;
    // Current axis ranges (min, max) as Qt holds them.
    QPointF DepthAxisRange() const;
    QPointF ValueAxisRange() const;
    // The value step in force (0 when the axis chooses its own).
    double ValueStep() const;
    bool Failed() const { return failed_; }
    // The number of line pieces drawn for a series (a gap adds one).
    int SegmentCount(int series) const;
    QValueAxis* DepthAxis() const { return depthAxis_; }
    QValueAxis* ValueAxis() const { return valueAxis_; }

    // What hovering at a depth coordinate shows: the depth and, for every
    // visible series, the value of its point nearest that depth.
    QString HoverText(double depth) const;

signals:
    // The user zoomed in or out with the mouse.
    void zoomChanged();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Point {
        double depth = 0;
        double value = 0;
        bool shown = false;
    };
    struct Series {
        std::vector<Point> points;
        int segments = 0;
    };
    // How a series looks; kept for all eight whatever the current drawing holds.
    struct Style {
        QString legend;
        QColor color;
        double width = 1.5;
        bool visible = true;
    };
    enum class ValueMode { Auto, Step, Fixed };

    bool checkSeries(int series);
    void build();
    void applyDepthAxis();
    void applyValueAxis();
    void placeLegend();
    std::optional<double> depthAt(const QPointF& viewPos) const;
    double depthToChartY(double depth) const;

    QChart* chart_ = nullptr;
    QValueAxis* depthAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    std::vector<Series> series_;
    std::array<Style, kMaxSeries> styles_;
    int pointCount_ = 0;
    bool failed_ = false;
    bool legendVisible_ = false;
    QString depthTitle_;
    QString valueTitle_;
    QString hoverDepthName_ = QStringLiteral("Depth");
    std::optional<double> depthTop_;
    std::optional<double> depthBottom_;
    ValueMode valueMode_ = ValueMode::Auto;
    double valueStep_ = 0;
    double valueMin_ = 0;
    double valueMax_ = 1;
    // The full view of the last drawing, which ZoomOff restores.
    double fullDepthMin_ = 0, fullDepthMax_ = 1, fullValueMin_ = 0, fullValueMax_ = 1;
    bool reversed_ = true;
};

} // namespace quarvex
