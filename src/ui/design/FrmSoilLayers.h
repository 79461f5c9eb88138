#pragma once
// Hand entry of the soil layers, asked by the design run when manual layers are
// chosen. The layer entry rules live in SoilLayerEntry; this window mirrors its
// state and passes the user's actions to it. It sits at the right edge of the
// screen so that the cone graphs behind it stay visible.

#include "project/Project.h"
#include "screenlogic/SoilLayerEntry.h"
#include "ui/shell/Dialogs.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quarvex {

class FrmSoilLayers : public QDialog {
    Q_OBJECT
public:
    FrmSoilLayers(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);

    const SoilLayerEntry& Entry() const { return entry_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    void OnCount(int index);
    void OnButton(int b);

    Dialogs& dialogs_;
    SoilLayerEntry entry_;
    QComboBox* count_ = nullptr;
    QLabel* labels_[2] = {};
    QLineEdit* boxes_[2] = {};
    QLabel* units_[2] = {};
    QPushButton* buttons_[4] = {};
};

} // namespace quarvex
