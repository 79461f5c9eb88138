#pragma once
// Stands in for a screen of a later stage until that screen is built, so the
// screen sequence can be walked end to end. It offers the same move signals the
// real screens emit; each key of its toolbar emits one of them.

#include "project/Project.h"
#include "ui/shell/Dialogs.h"

#include <QMainWindow>
#include <QStringList>

namespace quarvex {

class PlaceholderScreen : public QMainWindow {
    Q_OBJECT
public:
    // keys: toolbar keys to offer, from "Back", "Next", "Exit", "Other Data",
    // "Analysis", "Correction".
    PlaceholderScreen(const QString& caption, const QStringList& keys, QWidget* parent = nullptr);

signals:
    void backRequested();
    void nextRequested();
    void exitRequested();
    void otherDataRequested();
    void analysisRequested();
    void correctionRequested();
};

} // namespace quarvex
