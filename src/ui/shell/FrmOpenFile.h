#pragma once
// The home screen: title lines and units of the data file, choosing, viewing and
// reading it, and the start of the plot sequence.

#include "project/Project.h"
#include "ui/shell/Dialogs.h"
#include "ui/shell/OpenFileFlow.h"

#include <QMainWindow>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMimeData;
class QPushButton;
class QRadioButton;

namespace quarvex {

class FrmOpenFile : public QMainWindow {
    Q_OBJECT
public:
    FrmOpenFile(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);

    void SetStartDir(const QString& dir) { flow_.SetStartDir(dir); }
    const OpenFileFlow& Flow() const { return flow_; }
    void UseReadFileForPlot() { flow_.UseReadFileForPlot(); }

    // The file dialog with the current mode (toolbar "File", and "Other Data").
    void OpenFileMenu();
    // Reads a file as "Open Data File" would read it once chosen (a dropped file,
    // or the file named when the program started).
    void OpenGivenFile(const QString& path);

signals:
    void viewRequested();  // DataFileName is to be shown in the file viewer
    void plotRequested();  // "Plot Cone Data"
    void aboutRequested(); // toolbar "About"
    void exitRequested();  // toolbar "Exit"

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildToolbar();
    QWidget* BuildCentre();
    void After(OpenOutcome outcome);
    void SoundingChosen(QListWidgetItem* item);

    Project& project_;
    OpenFileFlow flow_;
    QComboBox* combTitleLines_ = nullptr;
    QRadioButton* optUnits_[3] = {};
    QPushButton* cmdViewFile_ = nullptr;
    QPushButton* cmdOpenFile_ = nullptr;
    QPushButton* cmdPlot_ = nullptr;
    QLabel* lblFormat_ = nullptr;
    QListWidget* lstSoundings_ = nullptr;
};

// The local file a drag carries, or empty when it carries none.
QString DroppedFilePath(const QMimeData* data);

} // namespace quarvex
