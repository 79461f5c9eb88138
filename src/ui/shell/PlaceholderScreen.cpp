#include "ui/shell/PlaceholderScreen.h"

#include <QAction>
#include <QLabel>
#include <QToolBar>

namespace quarvex {

PlaceholderScreen::PlaceholderScreen(const QString& caption, const QStringList& keys, QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(caption);
    auto* bar = addToolBar(QStringLiteral("Toolbar1"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const QString& key : keys) {
        QAction* a = bar->addAction(key);
        a->setObjectName(key);
        if (key == QLatin1String("Back"))
            connect(a, &QAction::triggered, this, &PlaceholderScreen::backRequested);
        else if (key == QLatin1String("Next"))
            connect(a, &QAction::triggered, this, &PlaceholderScreen::nextRequested);
        else if (key == QLatin1String("Exit"))
            connect(a, &QAction::triggered, this, &PlaceholderScreen::exitRequested);
        else if (key == QLatin1String("Other Data"))
            connect(a, &QAction::triggered, this, &PlaceholderScreen::otherDataRequested);
        else if (key == QLatin1String("Analysis"))
            connect(a, &QAction::triggered, this, &PlaceholderScreen::analysisRequested);
        else if (key == QLatin1String("Correction"))
            connect(a, &QAction::triggered, this, &PlaceholderScreen::correctionRequested);
    }
    auto* note =
        new QLabel(QStringLiteral("This screen is not built yet.\nUse the toolbar to move on."), this);
    note->setAlignment(Qt::AlignCenter);
    setCentralWidget(note);
    resize(640, 420);
}

} // namespace quarvex
