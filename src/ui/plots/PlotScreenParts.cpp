#include "ui/plots/PlotScreenParts.h"

#include "ui/charts/DepthChart.h"
#include "ui/charts/PageLayout.h"
#include "ui/shell/Dialogs.h"
#include "ui/shell/ProjectText.h"

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
                return ShowProjectText(t);
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

void PaintPlotPage(QPrinter& printer, const HeaderBuilder& header, const std::vector<DepthChart*>& charts)
{
    PrintPage page(printer, 2);
    if (!page.Active())
        return;
    const PageGeometry& g = page.Geometry();
    page.DrawHeaderFrame();
    const std::vector<HeaderItem> items = header(g.m, g.w);
    for (int row = 1; row <= 2; ++row) {
        std::vector<HeaderItem> inRow;
        std::vector<double> widths;
        for (const HeaderItem& item : items)
            if (item.row == row) {
                inRow.push_back(item);
                widths.push_back(page.TextWidth(item.bold, ShowProjectText(item.text)));
            }
        // A blank's width keeps neighbouring texts apart.
        const std::vector<double> xs = SpreadHeaderRow(inRow, widths, page.BlankWidth());
        for (std::size_t i = 0; i < inRow.size(); ++i)
            page.DrawText(xs[i], g.Row(row), inRow[i].bold, ShowProjectText(inRow[i].text));
    }

    if (!charts.empty()) {
        const double colWidth = g.w / static_cast<double>(charts.size());
        for (std::size_t i = 0; i < charts.size(); ++i) {
            const QRectF target =
                page.ToDevice(QRectF(i * colWidth, g.chartsTop, colWidth, g.h - g.chartsTop));
            page.Painter().save();
            charts[i]->PaintInto(page.Painter(), target);
            page.Painter().restore();
        }
    }
}

} // namespace quarvex::plots
