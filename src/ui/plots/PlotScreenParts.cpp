#include "ui/plots/PlotScreenParts.h"

#include "ui/charts/DepthChart.h"
#include "ui/shell/Dialogs.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

namespace quarvex::plots {

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

QToolBar* AddMainToolbar(QMainWindow* window)
{
    auto* bar = new QToolBar(window);
    bar->setObjectName("Toolbar1");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

QAction* AddKeyedAction(QToolBar* bar, const QString& caption, const QString& key, const QString& toolTip)
{
    QAction* action = bar->addAction(caption);
    action->setObjectName(key);
    action->setToolTip(toolTip.isEmpty() ? caption.trimmed() : toolTip);
    return action;
}

QWidget* BuildProjectBoxes(const Project& p, QWidget* parent)
{
    // Label of each box, by the box's name.
    static const std::vector<std::pair<const char*, const char*>> kLabels = {
        {"TxtProjNum", "Project No."},
        {"TxtTitle", "Title"},
        {"TxtStation", "Station"},
        {"TxtOffset", "Offset"},
        {"TxtElevation", "Elevation (ft)"},
        {"TxtStructNo", "Struct No."},
        {"TxtDate", "Date"},
        {"TxtLatit", "Latitude"},
        {"TxtLongit", "Longitude"},
        {"TxtCompany", "Company"},
        {"TxtCPTNo", "CPT No."},
    };
    // Two rows, as the printed header has them.
    static const std::vector<std::vector<const char*>> kRows = {
        {"TxtProjNum", "TxtTitle", "TxtDate", "TxtCompany", "TxtCPTNo"},
        {"TxtStructNo", "TxtStation", "TxtOffset", "TxtElevation", "TxtLatit", "TxtLongit"},
    };
    auto* box = new QWidget(parent);
    box->setObjectName("ProjectBoxes");
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const auto texts = ProjectBoxTexts(p);
    auto textOf = [&](const std::string& name) {
        for (const auto& [n, t] : texts)
            if (n == name)
                return QString::fromStdString(t);
        return QString();
    };
    auto labelOf = [&](const std::string& name) {
        for (const auto& [n, l] : kLabels)
            if (n == name)
                return QString::fromLatin1(l);
        return QString();
    };
    for (int r = 0; r < static_cast<int>(kRows.size()); ++r) {
        int col = 0;
        for (const char* name : kRows[static_cast<std::size_t>(r)]) {
            auto* label = new QLabel(labelOf(name), box);
            auto* edit = new QLineEdit(textOf(name), box);
            edit->setObjectName(name);
            edit->setReadOnly(true);
            edit->setCursorPosition(0);
            label->setBuddy(edit);
            grid->addWidget(label, r, col++, Qt::AlignRight);
            grid->addWidget(edit, r, col, 1, std::string(name) == "TxtTitle" ? 3 : 1);
            col += std::string(name) == "TxtTitle" ? 3 : 1;
        }
    }
    return box;
}

void Show(Dialogs& dialogs, QWidget* parent, const Message& message)
{
    dialogs.ShowMessage(parent, message);
}

bool IsFormKeyPress(const QKeyEvent* event, const QWidget* window)
{
    if (event->text().isEmpty() || event->modifiers().testFlag(Qt::ControlModifier) ||
        event->modifiers().testFlag(Qt::AltModifier))
        return false;
    // Typing into the screen's own entry boxes is not a key press on the form.
    // The read-only project boxes take no typing: a freshly opened screen has
    // its focus in the first of them, and a key there goes on.
    const QWidget* focus = window->focusWidget();
    for (const QWidget* w = focus; w != nullptr && w != window; w = w->parentWidget()) {
        if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            if (!edit->isReadOnly())
                return false;
        } else if (qobject_cast<const QComboBox*>(w)) {
            return false;
        }
    }
    return true;
}

void SizeToMostOfScreen(QWidget* window)
{
    QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size(area.width() * 9 / 10, area.height() * 9 / 10);
    window->resize(size);
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

PageGeometry PageGeometryFor(double pageWidthTwips, double pageHeightTwips, double textHeightTwips)
{
    PageGeometry g;
    // The margin unit is 100 printer pixels' worth of twips on a 600 dpi
    // printer, fixed so the page looks the same on every printer and in a PDF.
    g.m = 100.0 / 2.4;
    g.w = 0.95 * pageWidthTwips;
    g.h = 0.95 * pageHeightTwips;
    g.row1 = 4 * g.m;
    g.row2 = 4 * g.m + 216.6;
    // The frame encloses both rows even where 9-point type runs taller.
    g.frameBottom = std::max(548.72, g.row2 + textHeightTwips + g.m / 2);
    g.chartsTop = g.frameBottom + 2 * g.m;
    return g;
}

void PaintPlotPage(QPrinter& printer, const HeaderBuilder& header, const std::vector<DepthChart*>& charts)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const double res = printer.resolution();
    const double px = res / 1440.0; // device pixels per twip
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());

    QFont regular = QApplication::font();
    regular.setPointSizeF(9);
    regular.setBold(false);
    // Plain glyphs (no ligatures), so the page's text reads back as typed.
    regular.setStyleStrategy(QFont::PreferNoShaping);
    QFont bold = regular;
    bold.setBold(true);
    const QFontMetricsF metrics(regular, &printer);

    const PageGeometry g = PageGeometryFor(paint.width() / px, paint.height() / px, metrics.height() / px);

    painter.setPen(QPen(Qt::black, std::max(1.0, 10 * px)));
    painter.drawRect(QRectF(g.m * px, g.m * px, (g.w - 3 * g.m) * px, (g.frameBottom - g.m) * px));
    const std::vector<HeaderItem> items = header(g.m, g.w);
    for (int row = 1; row <= 2; ++row) {
        std::vector<HeaderItem> inRow;
        std::vector<double> widths;
        for (const HeaderItem& item : items)
            if (item.row == row) {
                inRow.push_back(item);
                const QFontMetricsF fm(item.bold ? bold : regular, &printer);
                widths.push_back(fm.horizontalAdvance(QString::fromStdString(item.text)) / px);
            }
        // A blank's width keeps neighbouring texts apart.
        const std::vector<double> xs = SpreadHeaderRow(inRow, widths, metrics.horizontalAdvance(' ') / px);
        for (std::size_t i = 0; i < inRow.size(); ++i) {
            const QFont& font = inRow[i].bold ? bold : regular;
            painter.setFont(font);
            const QFontMetricsF fm(font, &printer);
            const double top = (row == 1 ? g.row1 : g.row2) * px;
            painter.drawText(QPointF(xs[i] * px, top + fm.ascent()), QString::fromStdString(inRow[i].text));
        }
    }

    if (!charts.empty()) {
        const double colWidth = g.w / static_cast<double>(charts.size());
        for (std::size_t i = 0; i < charts.size(); ++i) {
            const QRectF target(i * colWidth * px, g.chartsTop * px, colWidth * px, (g.h - g.chartsTop) * px);
            painter.save();
            charts[i]->PaintInto(painter, target);
            painter.restore();
        }
    }
    painter.end();
}

} // namespace quarvex::plots
