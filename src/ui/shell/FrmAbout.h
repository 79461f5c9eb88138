#pragma once
// The program's own notes: disclaimer, preparing data files, the design methods.

#include <QDialog>

class QTextBrowser;

namespace quarvex {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    QTextBrowser* Document() const { return richTextBox1_; }

private:
    QTextBrowser* richTextBox1_ = nullptr;
};

// Runs the built-in verification and shows its report in a window of its own
// (deleted when closed), which it returns.
QDialog* ShowVerificationReport(QWidget* parent);

// The document the screen shows (rich text).
QString AboutDocumentHtml();

} // namespace quarvex
