#pragma once
// The one object that owns the screens of a run and carries out every move
// between them. Each screen exists at most once; screens ask for a move by
// emitting a signal and the navigator decides what opens and what closes.
//
// Plugging a screen in: every later screen is a QWidget constructed as
// (Project&, Dialogs&, QWidget* parent = nullptr) that emits signals for its
// moves. Its Open...() function creates it with Adopt(), connects its signals
// to the navigator's slots and shows it.

#include "project/Project.h"
#include "ui/shell/Dialogs.h"

#include <QObject>
#include <QString>

class QWidget;

namespace quarvex {

class FrmSplash;
class FrmOpenFile;
class FrmViewFile;
class Frm_Titles;
class FrmConeFactors;
class FrmAbout;

class Navigator : public QObject {
    Q_OBJECT
public:
    Navigator(Project& project, Dialogs& dialogs, QObject* parent = nullptr);
    ~Navigator() override;

    // Program start: the splash (which closes after 4800 ms, a click or a key),
    // the history lists, and the open-file screen loaded behind it. A file given
    // here is read as "Open Data File" would read it once the splash has closed.
    void Start(const QString& fileToOpen = QString());
    // Start without the splash (tests): history lists, then the open-file screen.
    void StartWithoutSplash();
    bool Ended() const { return ended_; }
    // Where the open dialog starts.
    void SetSamplesDir(const QString& dir) { samplesDir_ = dir; }

    // The screens now open (nullptr when not loaded).
    FrmSplash* Splash() const { return splash_; }
    FrmOpenFile* OpenFileScreen() const { return openFile_; }
    FrmViewFile* Viewer() const { return viewer_; }
    Frm_Titles* Titles() const { return titles_; }
    FrmConeFactors* ConeFactors() const { return coneFactors_; }
    FrmAbout* About() const { return about_; }
    QWidget* ConePlot() const { return conePlot_; }
    QWidget* SoilPlot() const { return soilPlot_; }
    QWidget* PileDesign() const { return pileDesign_; }
    QWidget* Results() const { return results_; }
    QWidget* Correction() const { return correction_; }

public slots:
    // Splash
    void CloseSplash();

    // Open-file screen
    void ShowOpenFileFresh();
    void ShowViewer();
    void PlotConeData();
    void ShowAbout();

    // Project information and millivolt factors
    void TitlesAccepted();
    void TitlesCancelled();
    void ConeFactorsContinued();
    void ConeFactorsBack();

    // Cone data plot
    void ConePlotBack();
    void ConePlotNext();
    // Soil classification plot
    void SoilPlotBack();
    void SoilPlotNext();
    // Pile design
    void PileDesignBack();
    void OtherData();
    void OpenResults();
    // Results
    void ResultsBack();
    void OpenCorrection();

    // Ends the program at once: releases the history lists and closes everything.
    void ExitNow();
    // The Yes/No exit question; only Yes ends the program.
    void ExitConfirmed();

signals:
    // The run is over; the program's event loop should end.
    void programEnded();

private:
    enum class TitlesOrigin { PlotButton, ConePlotBack };

    // The screens of later stages. Each function creates its screen (closing an
    // earlier instance) and wires its signals; see the note at the top.
    void OpenConePlot();
    void OpenSoilPlot();
    void OpenPileDesign();
    void OpenResultsScreen();
    void OpenCorrectionScreen();

    void LoadOpenFileScreen();
    void ShowTitles(bool modal);
    void ShowConeFactors();
    void AfterTitlesFromPlotButton(bool accepted);
    void CloseOpenFileScreen();

    // Takes ownership of a new top-level screen in the given slot: it is deleted
    // when closed, and a user closing the last main screen ends the program.
    template <class Slot, class Screen>
    Screen* Adopt(Slot*& slot, Screen* screen, const char* name, bool mainScreen);
    // Closes and discards the screen in the slot (if any) and empties the slot.
    template <class Slot> void Discard(Slot*& slot);
    bool AnyMainScreenVisible() const;
    void EndIfNothingLeft();

    Project& project_;
    Dialogs& dialogs_;
    QString samplesDir_;
    QString pendingFile_;
    bool ended_ = false;
    TitlesOrigin titlesOrigin_ = TitlesOrigin::PlotButton;

    FrmSplash* splash_ = nullptr;
    FrmOpenFile* openFile_ = nullptr;
    FrmViewFile* viewer_ = nullptr;
    Frm_Titles* titles_ = nullptr;
    FrmConeFactors* coneFactors_ = nullptr;
    FrmAbout* about_ = nullptr;
    QWidget* conePlot_ = nullptr;
    QWidget* soilPlot_ = nullptr;
    QWidget* pileDesign_ = nullptr;
    QWidget* results_ = nullptr;
    QWidget* correction_ = nullptr;
};

} // namespace quarvex
