#pragma once
// The millivolt factors: MPa per millivolt for the tip and the sleeve.
// "Continue" converts the readings; "Back" (or Esc) leaves them as read.

#include "project/Project.h"
#include "ui/shell/Dialogs.h"

#include <QDialog>

class QLineEdit;

namespace quarvex {

class FrmConeFactors : public QDialog {
    Q_OBJECT
public:
    FrmConeFactors(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);

    QLineEdit* Factor(int index) const { return txtFactor_[index]; }

public slots:
    // "Continue": checks the boxes, converts and accepts.
    void accept() override;

private:
    void FilterBoxes();

    Project& project_;
    Dialogs& dialogs_;
    QLineEdit* txtFactor_[2] = {};
    bool filtering_ = false;
};

} // namespace quarvex
