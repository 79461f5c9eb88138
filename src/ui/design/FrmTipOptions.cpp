#include "ui/design/FrmTipOptions.h"

#include "design/TipOptions.h"
#include "screenlogic/NumberEntry.h"
#include "screenlogic/PileChecks.h"
#include "ui/design/DesignScreenParts.h"
#include "ui/shell/ModalLoop.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarvex {

namespace {

// The pile tip above the end of the sounding, with the zone of y x D below the
// tip that the end bearing draws on.
QPixmap TipFigure()
{
    QPixmap pix(260, 220);
    pix.fill(Qt::white);
    QPainter g(&pix);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1.5));
    g.drawLine(10, 30, 250, 30); // ground
    g.drawText(12, 24, "Ground");
    g.setBrush(QColor(190, 190, 190));
    g.drawRect(90, 30, 40, 110); // pile
    g.setBrush(QColor(255, 230, 150));
    g.setPen(QPen(Qt::darkYellow, 1, Qt::DashLine));
    g.drawRect(70, 140, 80, 60); // zone below the tip
    g.setPen(QPen(Qt::black, 1));
    g.drawLine(160, 140, 160, 200);
    g.drawLine(155, 140, 165, 140);
    g.drawLine(155, 200, 165, 200);
    g.drawText(168, 164, "y D");
    g.setPen(QPen(Qt::red, 1.5, Qt::DashDotLine));
    g.drawLine(10, 182, 250, 182);
    g.drawText(12, 176, "last reading");
    g.setPen(Qt::black);
    g.drawText(96, 152, "tip");
    return pix;
}

} // namespace

FrmTipOptions::FrmTipOptions(Project& project, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), p_(project), dialogs_(dialogs)
{
    setObjectName("FrmTipOptions");
    setWindowTitle("Tip Resistance Options");
    setModal(true);

    auto* frame = new QGroupBox(this);
    frame->setObjectName("Frame1");
    const char* captions[] = {
        " Option 1:  Constant value = Average readings in a distance (yD) above the tip [Default]",
        " Option 2:  Constant value = the last cone reading at the pile tip",
        "Option 3: Enter a tip value till the max tip reading of  ",
    };
    auto* group = new QButtonGroup(this);
    auto* fl = new QVBoxLayout(frame);
    for (int i = 0; i < 3; ++i) {
        options_[i] = new QRadioButton(captions[i], frame);
        options_[i]->setObjectName(QString("Tip_Option(%1)").arg(i));
        group->addButton(options_[i], i);
        fl->addWidget(options_[i]);
        connect(options_[i], &QRadioButton::clicked, this, [this, i] { OnOption(i); });
    }
    entry_ = new QLineEdit(frame);
    entry_->setObjectName("TxtTipEntry");
    auto* entryRow = new QHBoxLayout;
    entryRow->addSpacing(24);
    entryRow->addWidget(entry_);
    entryRow->addWidget(new QLabel("TSF", frame));
    entryRow->addStretch(1);
    fl->addLayout(entryRow);
    options_[0]->setChecked(true);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(TipFigure());

    auto* next = new QPushButton("Continue", this);
    next->setObjectName("CmdNext");
    next->setDefault(true);
    auto* back = new QPushButton("Back", this);
    back->setObjectName("CmdBack");
    back->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back);
    buttons->addWidget(next);

    auto* top = new QHBoxLayout;
    top->addWidget(frame, 1);
    top->addWidget(image);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(entry_, &QLineEdit::textChanged, this, [this](const QString& t) {
        const std::string kept = KeepTypedNumber(t.toStdString());
        if (kept != t.toStdString())
            entry_->setText(QString::fromStdString(kept));
    });
    connect(next, &QPushButton::clicked, this, &FrmTipOptions::OnContinue);
    connect(back, &QPushButton::clicked, this, &FrmTipOptions::OnBack);

    // Load.
    entry_->setEnabled(false);
    if (const auto tail = ComputeTailMaxTip(p_)) {
        tailMaxTip_ = *tail;
        options_[2]->setText(QString::fromStdString(TipOption3Caption(tailMaxTip_)));
    } else {
        loadFailed_ = true;
    }
}

void FrmTipOptions::Ask(Project& project, Dialogs& dialogs, QWidget* parent,
                        const std::function<void(QDialog&)>& onShown)
{
    FrmTipOptions screen(project, dialogs, parent);
    if (screen.LoadFailed()) {
        ShowMessage(dialogs, parent, CriticalMessage(kMsgAnalysisError));
        project.TipOption = kTipOptionBack;
        return;
    }
    if (onShown)
        onShown(screen);
    const ModalLoop loop;
    screen.exec();
}

void FrmTipOptions::OnOption(int n)
{
    // The typed value stays in the box when another option is chosen.
    entry_->setEnabled(n == 2);
    if (n == 2)
        entry_->setFocus();
}

void FrmTipOptions::OnContinue()
{
    int option = 0;
    for (int i = 0; i < 3; ++i)
        if (options_[i]->isChecked())
            option = i;
    const TipChoice choice = CheckTipChoice(option, entry_->text().toStdString(), tailMaxTip_);
    if (!choice.ok) {
        ShowMessage(dialogs_, this, choice.message);
        if (choice.clearEntry)
            entry_->clear();
        if (choice.focusEntry || option == 2)
            entry_->setFocus();
        return;
    }
    p_.TipOption = choice.tipOption;
    if (choice.tipOption == 2)
        p_.TipOption3Value = choice.option3Value;
    chosen_ = true;
    accept();
}

void FrmTipOptions::OnBack()
{
    reject();
}

void FrmTipOptions::reject()
{
    if (!chosen_)
        p_.TipOption = kTipOptionBack;
    QDialog::reject();
}

} // namespace quarvex
