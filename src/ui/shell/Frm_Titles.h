#pragma once
// Project information entry. OK stores the fields and only hides the screen, so
// its texts are still there the next time it is shown; Cancel discards it.

#include "project/Project.h"
#include "screenlogic/ProjectInfo.h"
#include "ui/shell/Dialogs.h"

#include <QDialog>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace quarvex {

class Frm_Titles : public QDialog {
    Q_OBJECT
public:
    Frm_Titles(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);

    QComboBox* Field(int index) const { return fields_[index]; }
    TitleTexts Texts() const;

public slots:
    // OK: stores and hides (accept); a refused elevation keeps the screen open.
    void accept() override;

private:
    void Load();

    Project& project_;
    Dialogs& dialogs_;
    QComboBox* fields_[kTitleFieldCount] = {};
    QPlainTextEdit* comment_ = nullptr;
    // What the fields were loaded with, as bytes: a text left as loaded is
    // stored back byte for byte.
    TitleFields loaded_;
};

} // namespace quarvex
