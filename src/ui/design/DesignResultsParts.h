#pragma once
// What a design load adds to the results screen: the summary list, the design
// capacity curves (dashed, in the methods' colours), the required tip of each
// method and the vertical line at the required value. The curves go onto the
// capacity graph after each drawing, beside the adapter's own series, and go
// with them when the graph is drawn again.

#include "design/DesignBasis.h"
#include "project/Project.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

class QAbstractSeries;
class QListWidget;

namespace quarvex {

class DepthChart;

// The summary panel ("FraDesignSummary" with the list "LstDesignSummary"):
// the basis, one row per method, and which methods fail.
class DesignSummaryPanel : public QWidget {
    Q_OBJECT
public:
    explicit DesignSummaryPanel(QWidget* parent = nullptr);
    void Show(const DesignDecision& d);
    QStringList Lines() const;

private:
    QListWidget* list_ = nullptr;
};

// The design curves on a capacity graph.
class DesignCurves {
public:
    // Draws the decision's curves onto the graph just drawn; method k in
    // colours[k] (methods beyond the colours take the last).
    void Draw(DepthChart& chart, const Project& p, const DesignDecision& d,
              const std::vector<QColor>& colours);
    // A method's curve and required tip follow its check box.
    void SetMethodVisible(int k, bool visible);

private:
    struct Method {
        QPointer<QAbstractSeries> curve;
        QPointer<QAbstractSeries> tip;
    };
    std::vector<Method> methods_;
    std::vector<bool> visible_;
};

} // namespace quarvex
