#pragma once
// The open-file procedure without its window: choosing a data file for viewing
// or reading, reading it, and whether "Plot Cone Data" may be used afterwards.
// The screen owns one of these; tests drive it with scripted dialogs.

#include "pipeline/Pipeline.h"
#include "project/Project.h"
#include "ui/shell/Dialogs.h"

#include <QString>

class QWidget;

namespace quarvex {

// Why a file is being chosen: 0 before either button was used (reads, like
// "Open Data File" but without clearing the project information), 1 to view it,
// 2 to read it.
inline constexpr int kOpenModeNone = 0;
inline constexpr int kOpenModeView = 1;
inline constexpr int kOpenModeRead = 2;

enum class OpenOutcome {
    Cancelled,    // the dialog was cancelled: nothing changed
    ChosenToView, // DataFileName is the file to view; the caller opens the viewer
    ReadOk,       // the readings are in; the report was shown
    ReadFailed,   // the reader's message was shown
};

// The open dialog: its filters, the first selected, starting in startDir.
OpenFileRequest DataFileRequest(const QString& startDir);

class OpenFileFlow {
public:
    OpenFileFlow(Project& project, Dialogs& dialogs)
        : project_(project), pipeline_(project), dialogs_(dialogs)
    {
    }

    void SetStartDir(const QString& dir) { startDir_ = dir; }
    int OpenMode() const { return openMode_; }
    bool PlotEnabled() const { return plotEnabled_; }

    // "View Data File".
    OpenOutcome ViewDataFile(QWidget* parent);
    // "Open Data File": reads, then clears the project information whatever happened.
    OpenOutcome OpenDataFile(QWidget* parent);
    // The toolbar's "File" (and "Other Data"): the last button's mode.
    OpenOutcome OpenFileMenu(QWidget* parent);
    // Viewing a file makes it the current file, but the plots show the readings
    // of the file that was read: before plotting, its name becomes current again
    // so that no graph is labelled with another file's name.
    void UseReadFileForPlot();
    // A file dropped on the screen is read as if chosen through "Open Data File".
    OpenOutcome OpenDroppedFile(QWidget* parent, const QString& path);

private:
    OpenOutcome UseFile(QWidget* parent, const QString& path);

    Project& project_;
    Pipeline pipeline_;
    Dialogs& dialogs_;
    QString startDir_;
    int openMode_ = kOpenModeNone;
    bool plotEnabled_ = false;
    // The file whose readings are held.
    std::string readFile_;
};

} // namespace quarvex
