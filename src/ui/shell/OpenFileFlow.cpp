#include "ui/shell/OpenFileFlow.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>

namespace quarvex {

OpenFileRequest DataFileRequest(const QString& startDir)
{
    OpenFileRequest r;
    r.title = QStringLiteral("Open Cone Data File");
    r.filters =
        QStringList{QStringLiteral("All Files (*.*)"), QStringLiteral("ASCII Files (*.dat; *.txt; *.prn)")};
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
    pipeline_.ClearProjectInformation();
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
    pipeline_.ClearProjectInformation();
    return outcome;
}

void OpenFileFlow::UseReadFileForPlot()
{
    if (!readFile_.empty())
        project_.DataFileName = readFile_;
}

OpenOutcome OpenFileFlow::UseFile(QWidget* parent, const QString& path)
{
    // Later dialogs start where the user found this file.
    startDir_ = QFileInfo(path).absolutePath();
    pipeline_.ChooseFile(path.toStdString());

    if (openMode_ == kOpenModeView)
        return OpenOutcome::ChosenToView;

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const Message report = pipeline_.ReadChosenFile();
    QGuiApplication::restoreOverrideCursor();
    dialogs_.ShowMessage(parent, report);

    // A failed read leaves partial readings behind: they must never be plotted.
    plotEnabled_ = project_.ReadError == False;
    readFile_ = plotEnabled_ ? project_.DataFileName : std::string();
    return plotEnabled_ ? OpenOutcome::ReadOk : OpenOutcome::ReadFailed;
}

} // namespace quarvex
