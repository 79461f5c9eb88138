#pragma once
// The working of one step for a checker: the step table and the visible methods'
// recorded quantities at the depth chosen in the list (or clicked on the results
// graph), which can be copied and printed.

#include "project/Project.h"
#include "ui/shell/Dialogs.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QTextBrowser;

namespace quarvex {

class FrmWorking : public QDialog {
    Q_OBJECT
public:
    // `methods` names the methods whose working is shown, as the trace names them.
    FrmWorking(Project& project, Dialogs& dialogs, std::vector<std::string> methods,
               QWidget* parent = nullptr);

    // Shows the working of a step of the analysis range (its list entry is chosen).
    void ShowStep(int step);
    void SetMethods(std::vector<std::string> methods);
    int Step() const { return step_; }
    QString PlainText() const { return plain_; }
    QTextBrowser* Document() const { return text_; }

public slots:
    void CopyText();
    void PrintText();

private:
    void Refresh();

    Project& p_;
    Dialogs& dialogs_;
    std::vector<std::string> methods_;
    std::vector<int> steps_;
    int step_ = 0;
    QString plain_;
    QComboBox* depth_ = nullptr;
    QTextBrowser* text_ = nullptr;
};

} // namespace quarvex
