#include "ui/shell/OpenFileFlow.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>

#include <utility>

namespace quarvex {

namespace {

// The busy cursor for as long as a read lasts, restored before any message.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { Done(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    void Done()
    {
        if (std::exchange(on_, false))
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool on_ = true;
};

} // namespace

OpenFileRequest DataFileRequest(const QString& startDir)
{
    OpenFileRequest r;
    r.title = QStringLiteral("Open Cone Data File");
    r.filters =
        QStringList{QStringLiteral("All Files (*.*)"), QStringLiteral("ASCII Files (*.dat; *.txt; *.prn)"),
                    QStringLiteral("GEF Files (*.gef)"), QStringLiteral("AGS4 Files (*.ags)"),
                    QStringLiteral("Text Files (*.csv; *.tsv; *.txt)")};
    r.startDir = startDir;
    return r;
}

OpenOutcome OpenFileFlow::ViewDataFile(QWidget* parent)
{
    openMode_ = kOpenModeView;
    return OpenFileMenu(parent);
}

OpenOutcome OpenFileFlow::OpenDataFile(QWidget* parent)
{
    openMode_ = kOpenModeRead;
    const OpenOutcome outcome = OpenFileMenu(parent);
    ClearInformationUnlessFromFile(outcome);
    return outcome;
}

OpenOutcome OpenFileFlow::OpenFileMenu(QWidget* parent)
{
    const auto chosen = dialogs_.OpenFile(parent, DataFileRequest(startDir_));
    if (!chosen || chosen->isEmpty())
        return OpenOutcome::Cancelled;
    return UseFile(parent, *chosen);
}

OpenOutcome OpenFileFlow::OpenDroppedFile(QWidget* parent, const QString& path)
{
    openMode_ = kOpenModeRead;
    const OpenOutcome outcome = UseFile(parent, path);
    ClearInformationUnlessFromFile(outcome);
    return outcome;
}

void OpenFileFlow::ClearInformationUnlessFromFile(OpenOutcome outcome)
{
    if (outcome != OpenOutcome::ReadOk || !informationFromFile_)
        pipeline_.ClearProjectInformation();
}

void OpenFileFlow::UseReadFileForPlot()
{
    if (!readFile_.empty())
        project_.DataFileName = readFile_;
}

void OpenFileFlow::ChooseTitleLines(int count)
{
    project_.NumTitleLines = static_cast<Integer>(count);
}

void OpenFileFlow::ChooseUnits(Integer unitSystem)
{
    chosenUnits_ = unitSystem;
    if (!unitsFromFile_)
        project_.UnitSystem = unitSystem;
}

std::vector<std::string> OpenFileFlow::SoundingChoices() const
{
    std::vector<std::string> names;
    for (const Sounding& s : offered_.Outcome.Soundings)
        names.push_back(s.Info.Name);
    return names;
}

OpenOutcome OpenFileFlow::UseFile(QWidget* parent, const QString& path)
{
    // Later dialogs start where the user found this file.
    startDir_ = QFileInfo(path).absolutePath();
    pipeline_.ChooseFile(path.toStdString());

    if (openMode_ == kOpenModeView)
        return OpenOutcome::ChosenToView;

    offered_ = SoundingFile{};
    BusyCursor busy;
    SoundingFile file = ReadSounding(project_.DataFileName);
    if (file.Plain()) {
        busy.Done();
        return ReadPlain(parent);
    }
    busy.Done();
    if (!file.Outcome.Ok()) {
        // The readings held stay whole; they are not plotted under this file's name.
        project_.ReadError = True;
        dialogs_.ShowMessage(parent, PlainMessage(file.Outcome.Error));
        plotEnabled_ = false;
        readFile_.clear();
        formatNote_.clear();
        return OpenOutcome::ReadFailed;
    }
    if (file.Outcome.Soundings.size() > 1) {
        offered_ = std::move(file);
        plotEnabled_ = false;
        readFile_.clear();
        informationFromFile_ = false;
        formatNote_ = offered_.Outcome.Soundings.front().Info.Format + " file with " +
                      std::to_string(offered_.Outcome.Soundings.size()) +
                      " soundings: choose one from the list.";
        return OpenOutcome::Offered;
    }
    return TakeSounding(parent, file.Outcome.Soundings.front());
}

OpenOutcome OpenFileFlow::ChooseSounding(QWidget* parent, int index)
{
    const auto& soundings = offered_.Outcome.Soundings;
    if (index < 0 || index >= static_cast<int>(soundings.size()))
        return OpenOutcome::Cancelled;
    // A file viewed since is current; the sounding's own file becomes so again.
    pipeline_.ChooseFile(offered_.Path);
    return TakeSounding(parent, soundings[static_cast<std::size_t>(index)]);
}

OpenOutcome OpenFileFlow::ReadPlain(QWidget* parent)
{
    const Integer heldUnits = project_.UnitSystem;
    if (unitsFromFile_)
        project_.UnitSystem = chosenUnits_;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const Message report = pipeline_.ReadChosenFile();
    QGuiApplication::restoreOverrideCursor();
    dialogs_.ShowMessage(parent, report);

    // A failed read leaves partial readings behind: they must never be plotted.
    plotEnabled_ = project_.ReadError == False;
    readFile_ = plotEnabled_ ? project_.DataFileName : std::string();
    if (plotEnabled_) {
        unitsFromFile_ = false;
        informationFromFile_ = false;
        formatNote_.clear();
    } else {
        project_.UnitSystem = heldUnits;
    }
    return plotEnabled_ ? OpenOutcome::ReadOk : OpenOutcome::ReadFailed;
}

OpenOutcome OpenFileFlow::TakeSounding(QWidget* parent, const Sounding& s)
{
    if (!unitsFromFile_)
        chosenUnits_ = project_.UnitSystem;
    unitsFromFile_ = true;
    const Message report = pipeline_.UseSounding(s);
    dialogs_.ShowMessage(parent, report);
    informationFromFile_ = true;
    formatNote_ = SoundingFormatNote(s);
    plotEnabled_ = true;
    readFile_ = project_.DataFileName;
    return OpenOutcome::ReadOk;
}

} // namespace quarvex
