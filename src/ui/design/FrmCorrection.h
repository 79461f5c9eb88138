#pragma once
// The correction-factor screen: one factor pair for the whole depth, or a
// table of depth ranges with a pair each. "Submit" builds the corrected
// capacity arrays and has the results screen redraw; "Cancel" drops the
// correction. Closing the window by its frame counts as "Cancel".

#include "project/Project.h"
#include "screenlogic/CorrectionForm.h"
#include "ui/shell/Dialogs.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace quarvex {

class FrmCorrection : public QWidget {
    Q_OBJECT
public:
    FrmCorrection(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);

    const CorrectionForm& Form() const { return form_; }
    QTableWidget* Table() const { return grid_; }
    // Lays the cell editor over a cell of the table, as a click on it does.
    void EditCell(int row, int column);

signals:
    // The corrected arrays are ready: the results screen redraws.
    void correctionsApplied();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void RefreshTable();
    void SetTableHighlight(bool on);
    void OnOption(int n);
    void OnRowCount(int index);
    void OnEditorChanged(const QString& text);
    void OnSubmit();
    void OnCancel();
    void MoveEditor(int rowStep, int columnStep);

    Project& p_;
    Dialogs& dialogs_;
    CorrectionForm form_;
    QRadioButton* optWhole_ = nullptr;
    QRadioButton* optTable_ = nullptr;
    QLineEdit* endText_ = nullptr;
    QLineEdit* friText_ = nullptr;
    QComboBox* comboSoil_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLineEdit* cellEditor_ = nullptr;
    QPushButton* submit_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int editRow_ = -1;
    int editColumn_ = -1;
    bool loadingCell_ = false;
    bool done_ = false;
    bool placed_ = false;
};

} // namespace quarvex
