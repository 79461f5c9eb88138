#include "ui/design/FrmWorking.h"

#include "design/Methods.h"
#include "design/Working.h"
#include "screenlogic/WorkingView.h"
#include "ui/shell/ScreenHelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace quarvex {

FrmWorking::FrmWorking(Project& project, Dialogs& dialogs, std::vector<std::string> methods, QWidget* parent)
    : QDialog(parent), p_(project), dialogs_(dialogs), methods_(std::move(methods)),
      steps_(WorkingSteps(project))
{
    setObjectName(QStringLiteral("FrmWorking"));
    setWindowTitle(QString::fromUtf8(kWorkingTitle));

    auto* label = new QLabel(QStringLiteral("&Depth:"), this);
    depth_ = new QComboBox(this);
    depth_->setObjectName(QStringLiteral("CombDepth"));
    for (int s : steps_)
        depth_->addItem(QString::fromStdString(WorkingStepCaption(p_, s)));
    label->setBuddy(depth_);
    connect(depth_, &QComboBox::currentIndexChanged, this, [this](int k) {
        if (k >= 0 && k < static_cast<int>(steps_.size()))
            ShowStep(steps_[static_cast<std::size_t>(k)]);
    });

    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("TxtWorking"));
    text_->setOpenLinks(false);

    auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
    copy->setObjectName(QStringLiteral("CmdCopy"));
    connect(copy, &QPushButton::clicked, this, &FrmWorking::CopyText);
    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("CmdPrint"));
    connect(print, &QPushButton::clicked, this, &FrmWorking::PrintText);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(depth_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    SizeToScreen(this, 0.4, 0.75);

    if (!steps_.empty())
        ShowStep(steps_.back());
    else
        text_->setPlainText(QStringLiteral("No step lies in the analysis range."));
}

void FrmWorking::SetMethods(std::vector<std::string> methods)
{
    methods_ = std::move(methods);
    Refresh();
}

void FrmWorking::ShowStep(int step)
{
    const auto at = std::find(steps_.begin(), steps_.end(), step);
    if (at == steps_.end())
        return;
    step_ = step;
    const int index = static_cast<int>(at - steps_.begin());
    if (depth_->currentIndex() != index) {
        const QSignalBlocker quiet(depth_);
        depth_->setCurrentIndex(index);
    }
    Refresh();
}

void FrmWorking::Refresh()
{
    if (step_ == 0)
        return;
    const auto trace = TraceDesign(p_, {step_}, DefaultMethods());
    if (!trace) {
        plain_ = QString::fromUtf8(kMsgWorkingStale).trimmed();
        text_->setPlainText(plain_);
        return;
    }
    const std::vector<TraceEntry> entries = trace->ForStep(step_);
    plain_ = QString::fromStdString(WorkingPlainText(p_, step_, entries, methods_));
    text_->setHtml(QString::fromStdString(WorkingHtml(p_, step_, entries, methods_)));
}

void FrmWorking::CopyText()
{
    QApplication::clipboard()->setText(plain_);
}

void FrmWorking::PrintText()
{
    dialogs_.Print(this, [this](QPrinter& printer) { text_->document()->print(&printer); });
}

} // namespace quarvex
