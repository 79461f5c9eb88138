#include "ui/shell/Navigator.h"

#include "pipeline/Pipeline.h"
#include "project/Units.h"
#include "screenlogic/ViewerText.h"
#include "ui/design/FrmCorrection.h"
#include "ui/design/FrmPileDesign.h"
#include "ui/design/FrmPlotResults.h"
#include "ui/plots/FrmPlotConeData.h"
#include "ui/plots/FrmPlotSoil.h"
#include "ui/shell/FrmAbout.h"
#include "ui/shell/FrmConeFactors.h"
#include "ui/shell/FrmOpenFile.h"
#include "ui/shell/FrmSplash.h"
#include "ui/shell/FrmViewFile.h"
#include "ui/shell/Frm_Titles.h"
#include "ui/shell/ModalLoop.h"
#include "ui/shell/ProjectText.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

namespace quarvex {

namespace {

// The viewer shows a data file's bytes as the other screens show its title lines.
QString DecodeFileText(const std::string& bytes)
{
    QString text = ShowProjectText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

Navigator::Navigator(Project& project, Dialogs& dialogs, QObject* parent)
    : QObject(parent), project_(project), dialogs_(dialogs)
{
}

Navigator::~Navigator()
{
    // Screens still open belong to this run; they go with it.
    ended_ = true;
    for (QWidget** slot : {&correction_, &results_, &pileDesign_, &soilPlot_, &conePlot_})
        delete std::exchange(*slot, nullptr);
    delete std::exchange(about_, nullptr);
    delete std::exchange(coneFactors_, nullptr);
    delete std::exchange(titles_, nullptr);
    delete std::exchange(viewer_, nullptr);
    delete std::exchange(openFile_, nullptr);
    delete std::exchange(splash_, nullptr);
}

// ---------------------------------------------------------------- bookkeeping

template <class Slot, class Screen>
Screen* Navigator::Adopt(Slot*& slot, Screen* screen, const char* name, bool mainScreen)
{
    Discard(slot);
    if (screen->objectName().isEmpty())
        screen->setObjectName(QString::fromLatin1(name));
    screen->setAttribute(Qt::WA_DeleteOnClose, true);
    slot = screen;
    // Closed by the user (title bar): forget it; the last main screen closed
    // this way ends the program like its "Exit".
    connect(screen, &QObject::destroyed, this, [this, &slot, screen, mainScreen] {
        if (static_cast<QObject*>(slot) != static_cast<QObject*>(screen))
            return;
        slot = nullptr;
        if (mainScreen && !ended_ && !AnyMainScreenVisible())
            ExitNow();
    });
    return screen;
}

template <class Slot> void Navigator::Discard(Slot*& slot)
{
    Slot* screen = std::exchange(slot, nullptr);
    if (screen == nullptr)
        return;
    // The screen may be the one whose signal brought us here, or the owner of a
    // modal window whose loop brought us here: delete it once both are over.
    screen->hide();
    DeleteWhenNoModalLoop(screen);
}

bool Navigator::AnyMainScreenVisible() const
{
    for (QWidget* w : {static_cast<QWidget*>(openFile_), conePlot_, soilPlot_, pileDesign_, results_,
                       static_cast<QWidget*>(titles_), static_cast<QWidget*>(coneFactors_)}) {
        if (w != nullptr && w->isVisible())
            return true;
    }
    return false;
}

void Navigator::EndIfNothingLeft()
{
    // The screen underneath may have been closed by its window's close button:
    // a run without any screen left is over.
    if (!ended_ && !AnyMainScreenVisible())
        ExitNow();
}

// ---------------------------------------------------------------- start and end

void Navigator::Start(const QString& fileToOpen)
{
    pendingFile_ = fileToOpen;
    auto* splash = new FrmSplash;
    splash_ = splash;
    connect(splash, &FrmSplash::closeRequested, this, &Navigator::CloseSplash);
    splash->show();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    CreateHistoryLists(project_);
    // Loaded now, shown when the splash goes.
    LoadOpenFileScreen();
}

void Navigator::StartWithoutSplash()
{
    CreateHistoryLists(project_);
    ShowOpenFileFresh();
}

void Navigator::CloseSplash()
{
    if (splash_ == nullptr)
        return;
    FrmSplash* splash = std::exchange(splash_, nullptr);
    splash->hide();
    splash->deleteLater();
    if (openFile_ != nullptr) {
        openFile_->show();
        openFile_->raise();
        openFile_->activateWindow();
    }
    QGuiApplication::restoreOverrideCursor();
    if (!pendingFile_.isEmpty() && openFile_ != nullptr) {
        const QString file = std::exchange(pendingFile_, QString());
        QTimer::singleShot(0, openFile_, [screen = openFile_, file] { screen->OpenGivenFile(file); });
    }
}

void Navigator::ExitNow()
{
    if (ended_)
        return;
    ended_ = true;
    ReleaseHistoryLists(project_);
    if (splash_ != nullptr)
        QGuiApplication::restoreOverrideCursor();
    for (QWidget** slot : {&correction_, &results_, &pileDesign_, &soilPlot_, &conePlot_})
        Discard(*slot);
    Discard(about_);
    Discard(coneFactors_);
    Discard(titles_);
    Discard(viewer_);
    Discard(openFile_);
    Discard(splash_);
    emit programEnded();
}

void Navigator::ExitConfirmed()
{
    auto* parent = qobject_cast<QWidget*>(sender());
    if (dialogs_.ShowMessage(parent, ExitConfirmation()) == MsgAnswer::Yes)
        ExitNow();
}

// ---------------------------------------------------------------- open-file screen

void Navigator::LoadOpenFileScreen()
{
    Adopt(openFile_, new FrmOpenFile(project_, dialogs_), "FrmOpenFile", true);
    openFile_->SetStartDir(samplesDir_);
    connect(openFile_, &FrmOpenFile::viewRequested, this, &Navigator::ShowViewer);
    connect(openFile_, &FrmOpenFile::plotRequested, this, &Navigator::PlotConeData);
    connect(openFile_, &FrmOpenFile::aboutRequested, this, &Navigator::ShowAbout);
    connect(openFile_, &FrmOpenFile::exitRequested, this, &Navigator::ExitNow);
}

void Navigator::ShowOpenFileFresh()
{
    LoadOpenFileScreen();
    openFile_->show();
    openFile_->raise();
    openFile_->activateWindow();
}

void Navigator::CloseOpenFileScreen()
{
    Discard(openFile_);
}

void Navigator::ShowViewer()
{
    Discard(viewer_);
    const auto text = ViewerText(project_.DataFileName);
    if (!text) {
        dialogs_.ShowMessage(openFile_, ViewerError());
        return;
    }
    auto* viewer = new FrmViewFile(QString::fromStdString(project_.DataFileName), DecodeFileText(*text));
    Adopt(viewer_, viewer, "FrmViewFile", false);
    if (openFile_ != nullptr)
        viewer->move(openFile_->geometry().topLeft() + QPoint(48, 48));
    viewer->show();
}

void Navigator::ShowAbout()
{
    Discard(about_);
    auto* about = new FrmAbout(openFile_);
    Adopt(about_, about, "FrmAbout", false);
    about->open();
}

void Navigator::PlotConeData()
{
    if (openFile_ != nullptr) {
        openFile_->UseReadFileForPlot();
        // A hidden project information screen shows what was typed before; the
        // information a file carries is newer, so the screen loads it afresh.
        if (openFile_->Flow().InformationFromFile())
            Discard(titles_);
    }
    Pipeline(project_).ConvertSI();
    titlesOrigin_ = TitlesOrigin::PlotButton;
    ShowTitles(true);
}

// ---------------------------------------------------------------- project information

void Navigator::ShowTitles(bool modal)
{
    if (titles_ == nullptr) {
        // Not loaded: a new screen loads its fields from the project.
        titles_ = new Frm_Titles(project_, dialogs_);
        connect(titles_, &QDialog::accepted, this, &Navigator::TitlesAccepted);
        connect(titles_, &QDialog::rejected, this, &Navigator::TitlesCancelled);
    }
    // Hidden after an OK: shown again exactly as it was left.
    titles_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    titles_->show();
    titles_->raise();
    titles_->activateWindow();
}

void Navigator::TitlesAccepted()
{
    // The screen hid itself and keeps its contents for its next showing.
    if (titlesOrigin_ == TitlesOrigin::ConePlotBack) {
        OpenConePlot();
        return;
    }
    Pipeline(project_).AcceptProjectInformation();
    AfterTitlesFromPlotButton(true);
}

void Navigator::TitlesCancelled()
{
    Discard(titles_);
    if (titlesOrigin_ == TitlesOrigin::ConePlotBack) {
        ShowOpenFileFresh();
        return;
    }
    AfterTitlesFromPlotButton(false);
}

void Navigator::AfterTitlesFromPlotButton(bool)
{
    // Readings converted earlier in the run are in feet and tsf whatever unit
    // option was chosen since; asking for factors again would scale them twice.
    if (project_.UnitSystem == kUnitsMillivolts && project_.ReadingsConverted)
        project_.UnitSystem = kUnitsEnglish;
    if (project_.UnitSystem == kUnitsMillivolts) {
        ShowConeFactors();
        return;
    }
    OpenConePlot();
    CloseOpenFileScreen();
}

// ---------------------------------------------------------------- millivolt factors

void Navigator::ShowConeFactors()
{
    auto* factors = new FrmConeFactors(project_, dialogs_, openFile_);
    Adopt(coneFactors_, factors, "FrmConeFactors", false);
    connect(factors, &QDialog::accepted, this, &Navigator::ConeFactorsContinued);
    connect(factors, &QDialog::rejected, this, &Navigator::ConeFactorsBack);
    factors->open();
}

void Navigator::ConeFactorsContinued()
{
    // The readings are converted; the factors go with the screen.
    Discard(coneFactors_);
    OpenConePlot();
    CloseOpenFileScreen();
}

void Navigator::ConeFactorsBack()
{
    Discard(coneFactors_);
    if (openFile_ != nullptr)
        openFile_->activateWindow();
}

// ---------------------------------------------------------------- cone data plot

void Navigator::ConePlotBack()
{
    Discard(conePlot_);
    titlesOrigin_ = TitlesOrigin::ConePlotBack;
    ShowTitles(false);
}

void Navigator::ConePlotNext()
{
    Discard(conePlot_);
    OpenSoilPlot();
}

// ---------------------------------------------------------------- soil plot

void Navigator::SoilPlotBack()
{
    // The design and results screens work on this plot's step table; left open
    // over the cone plot they could run a design of an earlier file under the
    // name and project information of the next one.
    Discard(correction_);
    Discard(results_);
    Discard(pileDesign_);
    Discard(soilPlot_);
    OpenConePlot();
}

void Navigator::SoilPlotNext()
{
    OpenPileDesign();
}

// ---------------------------------------------------------------- pile design

void Navigator::PileDesignBack()
{
    Discard(correction_);
    Discard(results_);
    Discard(pileDesign_);
    if (soilPlot_ != nullptr)
        soilPlot_->activateWindow();
    EndIfNothingLeft();
}

void Navigator::OtherData()
{
    Discard(correction_);
    Discard(results_);
    Discard(pileDesign_);
    Discard(soilPlot_);
    ShowOpenFileFresh();
    // Straight into the file dialog; the fresh screen's mode reads the file.
    openFile_->OpenFileMenu();
}

void Navigator::OpenResults()
{
    // A run that ends after its design screen was discarded (its Back came
    // through while a question of the run was open) has nothing to sit over.
    if (sender() != nullptr && sender() != pileDesign_)
        return;
    OpenResultsScreen();
}

// ---------------------------------------------------------------- results

void Navigator::ResultsBack()
{
    Discard(correction_);
    Discard(results_);
    if (pileDesign_ != nullptr)
        pileDesign_->activateWindow();
    EndIfNothingLeft();
}

void Navigator::OpenCorrection()
{
    OpenCorrectionScreen();
}

// ================================================================ plot, design and results screens
// Each function creates its screen in its slot (discarding an earlier one) and
// connects the screen's move signals to the slots above.

void Navigator::OpenConePlot()
{
    auto* s = Adopt(conePlot_, new FrmPlotConeData(project_, dialogs_), "FrmPlotConeData", true);
    connect(s, &FrmPlotConeData::backRequested, this, &Navigator::ConePlotBack);
    connect(s, &FrmPlotConeData::nextRequested, this, &Navigator::ConePlotNext);
    connect(s, &FrmPlotConeData::exitRequested, this, &Navigator::ExitNow);
    s->show();
}

void Navigator::OpenSoilPlot()
{
    auto* s = Adopt(soilPlot_, new FrmPlotSoil(project_, dialogs_), "FrmPlotSoil", true);
    connect(s, &FrmPlotSoil::backRequested, this, &Navigator::SoilPlotBack);
    connect(s, &FrmPlotSoil::nextRequested, this, &Navigator::SoilPlotNext);
    connect(s, &FrmPlotSoil::exitRequested, this, &Navigator::ExitNow);
    s->show();
}

void Navigator::OpenPileDesign()
{
    // It opens over the soil plot, which stays.
    auto* s = Adopt(pileDesign_, new FrmPileDesign(project_, dialogs_), "FrmPileDesign", true);
    connect(s, &FrmPileDesign::backRequested, this, &Navigator::PileDesignBack);
    connect(s, &FrmPileDesign::otherDataRequested, this, &Navigator::OtherData);
    connect(s, &FrmPileDesign::resultsRequested, this, &Navigator::OpenResults);
    connect(s, &FrmPileDesign::exitRequested, this, &Navigator::ExitConfirmed);
    s->show();
    s->raise();
}

void Navigator::OpenResultsScreen()
{
    // A new run's results replace the old ones, and a correction screen made
    // for the old ones goes with them. The results sit over the design screen,
    // whose method boxes they read at every redraw.
    Discard(correction_);
    QPointer<FrmPileDesign> design = qobject_cast<FrmPileDesign*>(pileDesign_);
    FrmPlotResults::MethodSource methods;
    if (design != nullptr)
        methods = [design] {
            return design != nullptr ? design->MethodValues() : std::array<int, 4>{1, 1, 1, 1};
        };
    auto* s = Adopt(results_, new FrmPlotResults(project_, dialogs_, methods), "FrmPlotResults", true);
    connect(s, &FrmPlotResults::backRequested, this, &Navigator::ResultsBack);
    connect(s, &FrmPlotResults::correctionRequested, this, &Navigator::OpenCorrection);
    connect(s, &FrmPlotResults::exitRequested, this, &Navigator::ExitConfirmed);
    s->show();
    s->raise();
}

void Navigator::OpenCorrectionScreen()
{
    // Asked again while it is open, it comes to the front as it is.
    if (correction_ != nullptr) {
        correction_->show();
        correction_->raise();
        correction_->activateWindow();
        return;
    }
    auto* s = Adopt(correction_, new FrmCorrection(project_, dialogs_), "FrmCorrection", false);
    connect(s, &FrmCorrection::correctionsApplied, this, [this] {
        if (auto* results = qobject_cast<FrmPlotResults*>(results_))
            results->PlotCapacity(project_.CapacityMode);
    });
    s->show();
    s->raise();
}

} // namespace quarvex
