#pragma once
// The open-file procedure without its window: choosing a data file for viewing
// or reading, reading it, and whether "Plot Cone Data" may be used afterwards.
// The screen owns one of these; tests drive it with scripted dialogs.

#include "pipeline/Pipeline.h"
#include "pipeline/SoundingRead.h"
#include "project/Project.h"
#include "ui/shell/Dialogs.h"

#include <QString>

#include <string>
#include <vector>

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
    Offered,      // the file holds several soundings: SoundingChoices() lists them
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

    // The title lines and units chosen on the screen. They are the plain
    // format's: while a self-describing file's readings are held, a choice is
    // kept for the next plain file and the file's units stay in force.
    void ChooseTitleLines(int count);
    void ChooseUnits(Integer unitSystem);

    // The soundings offered after a file with several was read, in file order.
    std::vector<std::string> SoundingChoices() const;
    // Reads the offered sounding at `index` (0-based) into the project.
    OpenOutcome ChooseSounding(QWidget* parent, int index);
    // What the screen says about the file read: empty for a plain file.
    const std::string& FormatNote() const { return formatNote_; }
    // Whether the project information held was filled from the file read last.
    bool InformationFromFile() const { return informationFromFile_; }

private:
    OpenOutcome UseFile(QWidget* parent, const QString& path);
    OpenOutcome ReadPlain(QWidget* parent);
    OpenOutcome TakeSounding(QWidget* parent, const Sounding& s);
    // After "Open Data File" or a drop: the project information read from a
    // file stays, any other is cleared.
    void ClearInformationUnlessFromFile(OpenOutcome outcome);

    Project& project_;
    Pipeline pipeline_;
    Dialogs& dialogs_;
    QString startDir_;
    int openMode_ = kOpenModeNone;
    bool plotEnabled_ = false;
    // The file whose readings are held.
    std::string readFile_;
    // Set while the readings held came from a self-describing file: the unit
    // choice then waits in chosenUnits_ for the next plain file.
    bool unitsFromFile_ = false;
    Integer chosenUnits_ = kUnitsEnglish;
    bool informationFromFile_ = false;
    std::string formatNote_;
    SoundingFile offered_;
};

} // namespace quarvex
