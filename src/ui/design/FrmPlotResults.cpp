#include "ui/design/FrmPlotResults.h"

#include "pipeline/Pipeline.h"
#include "project/NumberText.h"
#include "results/Corrections.h"
#include "screenlogic/DesignView.h"
#include "screenlogic/WorkingView.h"
#include "ui/charts/DepthChart.h"
#include "ui/charts/PageLayout.h"
#include "ui/design/DesignScreenParts.h"
#include "ui/design/FrmWorking.h"
#include "ui/shell/ProjectText.h"
#include "ui/shell/ScreenHelpers.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace quarvex {

using namespace results;

namespace {

const QColor kSeriesColor[kMethods] = {QColor(0, 0, 255), QColor(0, 255, 0), QColor(255, 0, 0),
                                       QColor(255, 0, 255)};

QColor ColorOf(int series)
{
    return kSeriesColor[std::clamp(series / 2, 0, kMethods - 1)];
}

// The short coloured line of a legend row; ultimate rows are drawn thicker.
QPixmap LinePixmap(const QColor& color, double width)
{
    QPixmap pix(36, 14);
    pix.fill(Qt::transparent);
    QPainter g(&pix);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(color, width));
    g.drawLine(2, 7, 34, 7);
    return pix;
}

enum class Marker { Tick, Square, Circle };

QPixmap MarkerPixmap(Marker marker, const QColor& color)
{
    QPixmap pix(14, 14);
    pix.fill(Qt::transparent);
    QPainter g(&pix);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(color, 1.5));
    switch (marker) {
    case Marker::Tick:
        g.drawLine(7, 2, 7, 12);
        break;
    case Marker::Square:
        g.setBrush(color);
        g.drawRect(3, 3, 8, 8);
        break;
    case Marker::Circle:
        g.setBrush(color);
        g.drawEllipse(3, 3, 8, 8);
        break;
    }
    return pix;
}

QLabel* Named(QLabel* label, const QString& name)
{
    label->setObjectName(name);
    return label;
}

} // namespace

FrmPlotResults::FrmPlotResults(Project& project, Dialogs& dialogs, MethodSource methods, QWidget* parent)
    : QMainWindow(parent), p_(project), dialogs_(dialogs), methods_(std::move(methods))
{
    setObjectName("FrmPlotResults");
    setWindowTitle("Form: Plot Results");

    auto* bar = new QToolBar(this);
    bar->setObjectName("Toolbar1");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addToolBar(bar);
    auto key = [bar](const QString& caption, const QString& name, const QString& tip) {
        QAction* a = bar->addAction(caption);
        a->setObjectName(name);
        a->setToolTip(tip.isEmpty() ? caption : tip);
        return a;
    };
    connect(key("Back", "Back", "Back"), &QAction::triggered, this, &FrmPlotResults::backRequested);
    connect(key("Depth / Elevation", "Toggle", "Toggle Depth / Elevation"), &QAction::triggered, this,
            &FrmPlotResults::ToggleDepthElevation);
    connect(key("Correction Factor", "Correction", ""), &QAction::triggered, this,
            &FrmPlotResults::correctionRequested);
    connect(key("Print", "Print", ""), &QAction::triggered, this, &FrmPlotResults::PrintGraphs);
    QAction* exportCsv = key("Export CSV", "ExportCsv", "Export the step values to a CSV file");
    exportCsv->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(exportCsv, &QAction::triggered, this, &FrmPlotResults::ExportCsv);
    connect(
        key("Working", "Working", "Show how the capacities of a depth were obtained (or click the graph)"),
        &QAction::triggered, this, [this] { ShowWorking(); });
    // Only a run with a design load has a decision to report.
    designBasis_ = KeptDesignBasis(p_, DefaultMethods());
    if (designBasis_) {
        QAction* report = key("Save design report", "SaveReport", "Save the design report to a file");
        connect(report, &QAction::triggered, this, &FrmPlotResults::SaveReport);
    }
    connect(key("Exit", "Exit", "Exit"), &QAction::triggered, this, &FrmPlotResults::exitRequested);

    auto* central = new QWidget(this);
    setCentralWidget(central);

    capacity_ = new DepthChart(central);
    capacity_->setObjectName("ChartFXCapacity");
    soil_ = new DepthChart(central);
    soil_->setObjectName("ChartFX7");

    // Capacity choice.
    auto* frame2 = new QGroupBox("Pile Capacity", central);
    frame2->setObjectName("Frame2");
    auto* f2 = new QVBoxLayout(frame2);
    const char* options[] = {"End Bearing", "Frictional Capacity"};
    for (int n = 0; n < 2; ++n) {
        capacityOption_[n] = new QRadioButton(options[n], frame2);
        capacityOption_[n]->setObjectName(QString("CapacityOption(%1)").arg(n));
        f2->addWidget(capacityOption_[n]);
        connect(capacityOption_[n], &QRadioButton::clicked, this, [this, n] { OnCapacityOption(n); });
    }
    capacityOption_[0]->setChecked(true);
    ultimate_ = new QCheckBox("Ultimate Capacity", frame2);
    ultimate_->setObjectName("UltimateCheck");
    ultimate_->setChecked(true);
    f2->addWidget(ultimate_);
    connect(ultimate_, &QCheckBox::clicked, this, [this](bool on) {
        state_.SetUltimateChecked(on);
        ShowRows();
    });

    // Methods shown.
    auto* frame1 = new QGroupBox("Design Method", central);
    frame1->setObjectName("Frame1");
    auto* f1 = new QVBoxLayout(frame1);
    const char* names[] = {"LCPCCheck", "SchmertCheck", "DeRuiterCheck", "AvgCheck"};
    const char* captions[] = {"LCPC Method", "Schmertmann Method", "de Ruiter and Beringen Method",
                              "Average of Methods"};
    for (int k = 0; k < kMethods; ++k) {
        methodCheck_[k] = new QCheckBox(captions[k], frame1);
        methodCheck_[k]->setObjectName(names[k]);
        methodCheck_[k]->setChecked(true);
        f1->addWidget(methodCheck_[k]);
        connect(methodCheck_[k], &QCheckBox::clicked, this, [this, k](bool on) {
            state_.SetMethodChecked(k, on);
            ShowRows();
        });
    }

    legend_ = BuildLegend();
    legendCopy_ = new QLabel(central);
    legendCopy_->setObjectName("Picture2");
    legendCopy_->hide();

    auto* side = new QVBoxLayout;
    side->addWidget(frame2);
    side->addWidget(frame1);
    side->addWidget(legend_);
    if (designBasis_) {
        designSummary_ = new DesignSummaryPanel(central);
        side->addWidget(designSummary_, 1);
    }
    side->addStretch(1);

    auto* charts = new QHBoxLayout;
    charts->addWidget(capacity_, 3);
    charts->addWidget(soil_, 1);
    charts->addLayout(side);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(BuildProjectPanel());
    layout->addLayout(charts, 1);

    // Load.
    p_.EndBearingFactor = 1.0F;
    p_.FrictionFactor = 1.0F;
    p_.CapacityMode = 0;
    p_.CorrectionState = 0;
    DiscardCorrections(p_);
    SizeToScreen(this, 0.9, 0.9);
    setWindowTitle(QString::fromStdString(WindowCaption(p_)));
    SettleAxisMode(p_);
    FillStepElevations(p_);

    capacity_->viewport()->installEventFilter(this);
    capacity_->SetLegendVisible(false);
    for (int s = 0; s < kSeries; ++s) {
        capacity_->SetLegend(s, kLegendTexts[static_cast<std::size_t>(s)]);
        capacity_->SetSeriesColor(s, ColorOf(s));
        capacity_->SetSeriesWidth(s, s % 2 == 1 ? 2.0 : 1.0);
    }
    {
        const BusyCursor busy;
        PlotCapacity(0);
        SoilPlot();
    }
}

QWidget* FrmPlotResults::BuildProjectPanel()
{
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName("ProjectPanel");
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setVerticalSpacing(2);
    struct Box {
        const char* name;
        const char* label;
        std::string text;
    };
    const std::string elevation = p_.GroundElevation != kNoElevation ? ShortestForm(p_.GroundElevation) : "";
    const Box boxes[] = {
        {"TxtProjNum", "Project No: ", p_.ProjectNumber},
        {"TxtTitle", "Project Title: ", p_.ProjectTitle},
        {"TxtDate", "Date: ", p_.ProjectDate},
        {"TxtCompany", "Company: ", p_.Company},
        {"TxtCPTNo", "CPT No: ", p_.CPTNo},
        {"TxtStation", "Station: ", p_.CPTStation},
        {"TxtOffset", "Offset: ", p_.StationOffset},
        {"TxtElevation", "Elevation (ft): ", elevation},
        {"TxtStructNo", "Struct No: ", p_.StructNo},
        {"TxtLatit", "Latit.: ", p_.Latitude},
        {"TxtLongit", "Longit.: ", p_.Longitude},
    };
    int i = 0;
    for (const Box& b : boxes) {
        const int row = i < 5 ? 0 : 1;
        const int col = (i < 5 ? i : i - 5) * 2;
        auto* label = new QLabel(b.label, panel);
        label->setObjectName("Label");
        auto* edit = new QLineEdit(ShowProjectText(b.text), panel);
        edit->setObjectName(b.name);
        edit->setReadOnly(true);
        edit->setCursorPosition(0);
        grid->addWidget(label, row, col);
        grid->addWidget(edit, row, col + 1);
        ++i;
    }
    auto* shape = new QLabel(panel);
    shape->setObjectName("Label1(0)");
    if (const auto text = ShapeCaption(p_.PileShape))
        shape->setText(QString::fromStdString(*text));
    auto* size = new QLabel(QString::fromStdString(DiameterCaption(p_)), panel);
    size->setObjectName("Label1(1)");
    QFont bold = shape->font();
    bold.setBold(true);
    shape->setFont(bold);
    size->setFont(bold);
    grid->addWidget(shape, 0, 10, 1, 2);
    grid->addWidget(size, 1, 12, 1, 2);
    return panel;
}

QWidget* FrmPlotResults::BuildLegend()
{
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName("Picture1");
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel->setPalette(pal);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(1);
    int line = 0;
    for (int k = 0; k < kMethods; ++k) {
        // The method's fixed heading.
        const int heading = 8 + k;
        auto* headingLine = Named(new QLabel(panel), QString("Series(%1)").arg(heading));
        headingLine->setPixmap(LinePixmap(ColorOf(2 * k), 3));
        captions_[static_cast<std::size_t>(heading)] =
            Named(new QLabel(kInitialCaptions[static_cast<std::size_t>(heading)], panel),
                  QString("SeriesText(%1)").arg(heading));
        QFont bold = captions_[static_cast<std::size_t>(heading)]->font();
        bold.setBold(true);
        captions_[static_cast<std::size_t>(heading)]->setFont(bold);
        grid->addWidget(headingLine, line, 0, 1, 2);
        grid->addWidget(captions_[static_cast<std::size_t>(heading)], line, 2);
        ++line;
        for (int s = 2 * k; s <= 2 * k + 1; ++s) {
            auto* row = new QWidget(panel);
            row->setObjectName(QString("LegendRow(%1)").arg(s));
            auto* h = new QHBoxLayout(row);
            h->setContentsMargins(12, 0, 0, 0);
            auto* marker = new QLabel(row);
            marker->setFixedWidth(14);
            if (k == 0) {
                marker->setObjectName(QString("Line1(%1)").arg(s));
                marker->setPixmap(MarkerPixmap(Marker::Tick, ColorOf(s)));
            } else if (k == 1) {
                marker->setObjectName(QString("Shape1(%1)").arg(s));
                marker->setPixmap(MarkerPixmap(Marker::Square, ColorOf(s)));
            } else if (k == 2) {
                marker->setObjectName(QString("Shape1(%1)").arg(s));
                marker->setPixmap(MarkerPixmap(Marker::Circle, ColorOf(s)));
            }
            auto* lineLabel = Named(new QLabel(row), QString("Series(%1)").arg(s));
            lineLabel->setPixmap(LinePixmap(ColorOf(s), s % 2 == 1 ? 3 : 1.5));
            captions_[static_cast<std::size_t>(s)] =
                Named(new QLabel(kInitialCaptions[static_cast<std::size_t>(s)], row),
                      QString("SeriesText(%1)").arg(s));
            h->addWidget(marker);
            h->addWidget(lineLabel);
            h->addWidget(captions_[static_cast<std::size_t>(s)], 1);
            rows_[static_cast<std::size_t>(s)] = row;
            grid->addWidget(row, line, 0, 1, 3);
            ++line;
        }
    }
    return panel;
}

void FrmPlotResults::ShowRows()
{
    for (int s = 0; s < kSeries; ++s) {
        rows_[static_cast<std::size_t>(s)]->setVisible(state_.RowVisible(s));
        capacity_->SetSeriesVisible(s, state_.SeriesVisible(s));
    }
    for (int i = 0; i < kCaptions; ++i)
        captions_[static_cast<std::size_t>(i)]->setText(QString::fromStdString(state_.Caption(i)));
    for (int k = 0; k < kMethods; ++k) {
        const QSignalBlocker block(methodCheck_[k]);
        methodCheck_[k]->setChecked(state_.MethodChecked(k));
        methodCheck_[k]->setEnabled(state_.MethodEnabled(k));
        designCurves_.SetMethodVisible(k, state_.MethodChecked(k));
    }
    if (working_ != nullptr)
        working_->SetMethods(VisibleMethodNames());
}

void FrmPlotResults::PlotCapacity(int optionIndex)
{
    std::array<bool, kMethods> selected{true, true, true, true};
    if (methods_) {
        const std::array<int, 4> values = methods_();
        for (int k = 0; k < kMethods; ++k)
            selected[static_cast<std::size_t>(k)] = values[static_cast<std::size_t>(k)] == 1;
    }
    const CapacityAxis axis = CapacityAxisFor(p_);
    const int n = std::max<int>(p_.NumSteps, 0);
    capacity_->BeginLoad(kSeries, n);
    capacity_->SetDepthTitle(QString::fromStdString(axis.depthTitle));
    capacity_->SetValueTitle(QString::fromStdString(axis.valueTitle));
    capacity_->SetDepthRange(axis.top, axis.bottom);
    const ResultsState::Redraw redraw = state_.PlotCapacity(selected);
    for (int s = 0; s < kSeries; ++s) {
        if (!redraw.load[static_cast<std::size_t>(s)])
            continue;
        const auto points = CapacityPoints(p_, s / 2, s % 2 == 1, optionIndex != 0);
        for (int i = 0; i < static_cast<int>(points.size()); ++i) {
            if (const auto& pt = points[static_cast<std::size_t>(i)])
                capacity_->SetPoint(s, i, pt->first, pt->second);
            else
                capacity_->HidePoint(s, i);
        }
    }
    ShowRows();
    capacity_->EndLoad();
    if (designBasis_) {
        // Decided again at every drawing: a correction changes the values in force.
        decision_ = DecideOnResults(p_, DefaultMethods(), *designBasis_);
        designSummary_->Show(*decision_);
        designCurves_.Draw(*capacity_, p_, *decision_,
                           std::vector<QColor>(std::begin(kSeriesColor), std::end(kSeriesColor)));
        for (int k = 0; k < kMethods; ++k)
            designCurves_.SetMethodVisible(k, state_.MethodChecked(k));
    }
}

void FrmPlotResults::SoilPlot()
{
    const auto points = SoilPoints(p_);
    soil_->BeginLoad(3, static_cast<int>(points.size()));
    soil_->SetLegend(0, "% Sand");
    soil_->SetLegend(1, "% Silt");
    soil_->SetLegend(2, "% Clay");
    soil_->SetLegendVisible(true);
    soil_->SetSeriesColor(0, QColor(210, 150, 0));
    soil_->SetSeriesColor(1, QColor(0, 150, 60));
    soil_->SetSeriesColor(2, QColor(150, 60, 30));
    soil_->SetValueTitle(" Probability of Soil Types");
    soil_->SetDepthTitle(QString());
    soil_->SetValueRange(0, 100);
    soil_->SetDepthBottom(SoilDepthBottom(p_));
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
        const SoilPoint& pt = points[static_cast<std::size_t>(i)];
        soil_->SetPoint(0, i, pt.depth, pt.sand);
        soil_->SetPoint(1, i, pt.depth, pt.silt);
        soil_->SetPoint(2, i, pt.depth, pt.clay);
    }
    soil_->EndLoad();
}

QString FrmPlotResults::HoverTextAt(const QPoint& viewportPos) const
{
    QChart* chart = capacity_->chart();
    if (chart == nullptr || chart->series().isEmpty())
        return {};
    const QPointF inChart = chart->mapFromScene(capacity_->mapToScene(viewportPos));
    if (!chart->plotArea().contains(inChart))
        return {};
    // Points are (value, depth coordinate) on axes every series shares.
    const QPointF value = chart->mapToValue(inChart, chart->series().first());
    return QString::fromStdString(CapacityHoverText(p_, state_, value.y(), p_.CapacityMode != 0));
}

bool FrmPlotResults::eventFilter(QObject* watched, QEvent* event)
{
    // A click (not a drag) on the capacity graph shows the working of that depth.
    if (watched == capacity_->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton)
            pressAt_ = press->position().toPoint();
        return false;
    }
    if (watched == capacity_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* release = static_cast<QMouseEvent*>(event);
        const QPoint at = release->position().toPoint();
        if (release->button() == Qt::LeftButton && (at - pressAt_).manhattanLength() <= 3) {
            QChart* chart = capacity_->chart();
            const QPointF inChart = chart->mapFromScene(capacity_->mapToScene(at));
            if (!chart->series().isEmpty() && chart->plotArea().contains(inChart)) {
                const QPointF value = chart->mapToValue(inChart, chart->series().first());
                if (const int step = WorkingStepAt(p_, value.y()))
                    ShowWorking(step);
            }
        }
        return false;
    }
    // The graph's own hover names the curves by their chart legends; here the
    // captions of the capacity shown name them, and only nearby points count.
    if (watched == capacity_->viewport() && event->type() == QEvent::MouseMove) {
        auto* move = static_cast<QMouseEvent*>(event);
        if (move->buttons() != Qt::NoButton)
            return false;
        const QString text = HoverTextAt(move->position().toPoint());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(move->globalPosition().toPoint(), text, capacity_);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmPlotResults::OnCapacityOption(int n)
{
    capacityOption_[0]->setChecked(n == 0);
    capacityOption_[1]->setChecked(n != 0);
    state_.ChooseCapacity(n);
    p_.CapacityMode = static_cast<Integer>(state_.CapacityMode());
    PlotCapacity(n);
}

void FrmPlotResults::ToggleDepthElevation()
{
    if (auto m = ToggleAxis(p_)) {
        ShowMessage(dialogs_, this, *m);
        return;
    }
    PlotCapacity(p_.CapacityMode);
}

void FrmPlotResults::PaintPage(PrintPage& page)
{
    // The geometry, type and frame of the plot screens' pages; three header
    // rows, then the title line below the frame.
    const PageGeometry& g = page.Geometry();
    const double m = g.m;
    const double w = g.w;
    const double h = g.h;
    QPainter& painter = page.Painter();
    painter.save();
    page.DrawHeaderFrame();
    // Items keep their places unless a wider text before them on the same
    // line would run into them; then they move just clear of it.
    const double blank = page.BlankWidth();
    std::vector<std::pair<double, double>> lineEnds; // (y, right end) in twips
    for (const PrintItem& item : PrintHeaderItems(p_, state_.CapacityTitle(), m, w)) {
        const QString text = ShowProjectText(item.text);
        const double width = page.TextWidth(item.bold, text);
        double x = item.x;
        for (const auto& [lineY, end] : lineEnds)
            if (lineY == item.y && end > x - blank && end < x + width)
                x = end + blank;
        page.DrawText(x, item.y, item.bold, text);
        lineEnds.emplace_back(item.y, x + width);
    }

    // The legend image: the on-screen legend panel, children included.
    const QPixmap image = legend_->grab();
    legendCopy_->setPixmap(image);
    const double legendTop = std::max(1000.0, 4 * m + 722 + 260);
    double legendWidth = 7200;
    double legendHeight = image.width() > 0 ? legendWidth * image.height() / image.width() : 720;
    if (legendHeight > 2600) {
        legendWidth *= 2600 / legendHeight;
        legendHeight = 2600;
    }
    painter.drawPixmap(page.ToDevice(QRectF(m, legendTop, legendWidth, legendHeight)), image,
                       QRectF(image.rect()));

    // The capacity graph in the left two thirds, below the legend.
    const double chartTop = std::max(16 * m, legendTop + legendHeight + 100);
    capacity_->PaintInto(painter, page.ToDevice(QRectF(m, chartTop, 2 * w / 3 - m, h - chartTop)));

    // With a design load, the basis and the summary in the right third, each
    // line broken at its parts so that it fits there.
    if (decision_) {
        double y = chartTop + 200;
        const double x = 2 * w / 3 + m;
        std::vector<std::string> lines{DesignBasisLine(*decision_)};
        for (const std::string& row : DesignSummaryRows(*decision_))
            lines.push_back(row);
        for (const std::string& line : lines) {
            bool first = true;
            for (std::size_t start = 0; start <= line.size();) {
                const std::size_t comma = line.find(", ", start);
                const std::string part =
                    line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
                page.DrawText(first ? x : x + 200, y, first, QString::fromStdString(part));
                y += 216.6;
                first = false;
                if (comma == std::string::npos)
                    break;
                start = comma + 2;
            }
            y += 100;
        }
    }
    painter.restore();
}

void FrmPlotResults::PrintGraphs()
{
    // The graphs must have been laid out once to print at full size.
    capacity_->grab();
    legend_->grab();
    dialogs_.Print(this, [this](QPrinter& printer) {
        PrintPage page(printer, 3);
        if (page.Active())
            PaintPage(page);
    });
}

void FrmPlotResults::ExportCsv()
{
    const Pipeline pipeline(p_);
    SaveFileRequest request;
    request.title = "Export CSV";
    request.filters = QStringList{"CSV Files (*.csv)", "All Files (*.*)"};
    // Beside the output file of the run, so that the two stay together.
    request.startDir = QFileInfo(QString::fromStdString(p_.OutputFileName)).absolutePath();
    request.fileName = QString::fromStdString(pipeline.CsvFileName());
    const auto name = dialogs_.SaveFile(this, request);
    if (!name || name->isEmpty())
        return;
    Message done;
    {
        const BusyCursor busy;
        done = pipeline.ExportCsv(name->toStdString());
    }
    ShowMessage(dialogs_, this, done);
}

FrmWorking* FrmPlotResults::Working() const
{
    return working_.data();
}

std::vector<std::string> FrmPlotResults::VisibleMethodNames() const
{
    std::vector<std::string> names;
    const MethodTable& methods = DefaultMethods();
    for (int k = 0; k < kMethods && k < static_cast<int>(methods.size()); ++k) {
        const MethodEntry& m = methods[static_cast<std::size_t>(k)];
        if (!m.IsAverage() && state_.MethodChecked(k) && state_.MethodEnabled(k))
            names.push_back(m.name);
    }
    return names;
}

void FrmPlotResults::ShowWorking(int step)
{
    if (working_ == nullptr) {
        working_ = new FrmWorking(p_, dialogs_, VisibleMethodNames(), this);
        // A window of its own beside the graphs, discarded with this screen.
        working_->setWindowFlag(Qt::Window, true);
        working_->setAttribute(Qt::WA_DeleteOnClose, true);
    }
    if (step != 0)
        working_->ShowStep(step);
    working_->show();
    working_->raise();
    working_->activateWindow();
}

void FrmPlotResults::SaveReport()
{
    if (!decision_)
        return;
    SaveFileRequest request;
    request.title = "Save design report";
    request.filters = QStringList{"Markdown Files (*.md)", "All Files (*.*)"};
    // Beside the output file of the run, so that the two stay together.
    request.startDir = QFileInfo(QString::fromStdString(p_.OutputFileName)).absolutePath();
    request.fileName = kDesignReportFileName;
    const auto name = dialogs_.SaveFile(this, request);
    if (!name || name->isEmpty())
        return;
    Message done;
    {
        const BusyCursor busy;
        done = SaveDesignReport(p_, *decision_, name->toStdString());
    }
    ShowMessage(dialogs_, this, done);
}

} // namespace quarvex
