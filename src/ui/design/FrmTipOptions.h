#pragma once
// How the tip resistance continues below the last step of the sounding, asked
// by the design run when the pile tip lies within four diameters of it.
// Closing the window by its frame or with Escape counts as "Back": the run
// stops rather than going on with an option nobody chose.

#include "project/Project.h"
#include "ui/shell/Dialogs.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QRadioButton;

namespace quarvex {

class FrmTipOptions : public QDialog {
    Q_OBJECT
public:
    FrmTipOptions(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the screen modally and leaves the choice in TipOption (3 for Back).
    // `onShown`, when set, is called with the screen just before it waits.
    static void Ask(Project& project, Dialogs& dialogs, QWidget* parent,
                    const std::function<void(QDialog&)>& onShown = {});

    bool LoadFailed() const { return loadFailed_; }
    Integer TailMaxTip() const { return tailMaxTip_; }

public slots:
    void reject() override;

private:
    void OnOption(int n);
    void OnContinue();
    void OnBack();

    Project& p_;
    Dialogs& dialogs_;
    Integer tailMaxTip_ = 0;
    bool loadFailed_ = false;
    bool chosen_ = false;
    QRadioButton* options_[3] = {};
    QLineEdit* entry_ = nullptr;
};

} // namespace quarvex
