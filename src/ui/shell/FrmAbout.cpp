#include "ui/shell/FrmAbout.h"

#include "ui/shell/ScreenHelpers.h"

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

    auto* buttons = new QHBoxLayout;
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

} // namespace quarvex
