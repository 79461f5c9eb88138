#include "ui/shell/FrmAbout.h"

#include "design/Verification.h"
#include "ui/shell/ScreenHelpers.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quarvex {

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About the Program"));
    richTextBox1_ = new QTextBrowser(this);
    richTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
    richTextBox1_->setOpenLinks(false);
    richTextBox1_->setHtml(AboutDocumentHtml());
    // The bullet and its tab should sit close to the item's text.
    richTextBox1_->setTabStopDistance(36);
    richTextBox1_->verticalScrollBar()->setValue(0);

    auto* cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);

    auto* verification = new QPushButton(QStringLiteral("&Verification report"), this);
    verification->setObjectName(QStringLiteral("CmdVerification"));
    verification->setAutoDefault(false);
    connect(verification, &QPushButton::clicked, this, [this] { ShowVerificationReport(this); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(verification);
    buttons->addStretch(1);
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(richTextBox1_);
    layout->addLayout(buttons);
    // Closing discards the screen: the next "About" starts at the top again.
    setAttribute(Qt::WA_DeleteOnClose, true);
    SizeToScreen(this, 0.65, 0.65);
    cmdExit->setFocus();
}

QDialog* ShowVerificationReport(QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("FrmVerification"));
    dialog->setWindowTitle(QStringLiteral("Verification report"));
    dialog->setAttribute(Qt::WA_DeleteOnClose, true);
    auto* text = new QPlainTextEdit(dialog);
    text->setObjectName(QStringLiteral("TxtVerification"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setPlainText(QString::fromStdString(VerificationReport(RunVerification())));
    auto* close = new QPushButton(QStringLiteral("Close"), dialog);
    close->setObjectName(QStringLiteral("CmdClose"));
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addLayout(buttons);
    SizeToScreen(dialog, 0.8, 0.6);
    dialog->show();
    close->setFocus();
    return dialog;
}

} // namespace quarvex
