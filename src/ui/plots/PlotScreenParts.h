#pragma once
// What the two plot screens build alike: toolbar actions named by their keys,
// the project information boxes, the busy cursor, message display and the
// printed page (header rows over columns of graphs).

#include "project/Message.h"
#include "project/Project.h"
#include "screenlogic/PlotLogic.h"

#include <QString>

#include <functional>
#include <vector>

class QAction;
class QKeyEvent;
class QMainWindow;
class QToolBar;
class QPainter;
class QPrinter;
class QWidget;

namespace quarvex {

class DepthChart;
class Dialogs;

namespace plots {

// Busy cursor for the lifetime of the object.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// A toolbar button: the action's object name is its key, its text the caption.
// The screen's main toolbar "Toolbar1": fixed, captions beside icons, at the top.
QToolBar* AddMainToolbar(QMainWindow* window);
QAction* AddKeyedAction(QToolBar* bar, const QString& caption, const QString& key, const QString& toolTip);

// The eleven read-only project information boxes with their labels.
QWidget* BuildProjectBoxes(const Project& p, QWidget* parent);

void Show(Dialogs& dialogs, QWidget* parent, const Message& message);

// The form's key press: a character key (not a bare modifier, arrow or
// function key) typed while no text box or list of the screen has the focus.
bool IsFormKeyPress(const QKeyEvent* event, const QWidget* window);

// Sizes a plot window to most of the available screen and centres it.
void SizeToMostOfScreen(QWidget* window);

// One page (the layout all plot screens print with): the framed two-row
// header, then the graphs side by side in equal columns down to the foot.
using HeaderBuilder = std::function<std::vector<HeaderItem>(double m, double w)>;
void PaintPlotPage(QPrinter& printer, const HeaderBuilder& header, const std::vector<DepthChart*>& charts);

} // namespace plots
} // namespace quarvex
