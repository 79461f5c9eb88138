#include "ui/shell/FrmConeFactors.h"

#include "pipeline/Pipeline.h"
#include "project/Units.h"
#include "screenlogic/NumberEntry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex {

FrmConeFactors::FrmConeFactors(Project& project, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), project_(project), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("FrmConeFactors"));
    setWindowTitle(QStringLiteral("Cone Conversion Factors"));

    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto* lblTitle = label("LblTitle", QStringLiteral("Cone Conversion Factors"));
    QFont tf = lblTitle->font();
    tf.setPointSize(tf.pointSize() + 3);
    tf.setBold(true);
    lblTitle->setFont(tf);
    lblTitle->setAlignment(Qt::AlignCenter);
    auto* lblTip = label("LblTip", QStringLiteral("Cone Tip Resistance Factor  ( 1 mVolt = "));
    auto* lblUnit = label("LblUnit", QStringLiteral("MPa )"));
    auto* lblSleeve = label("LblSleeve", QStringLiteral("Cone Sleeve Factor              ( 1 mVolt = "));
    auto* label1 = label("Label1", QStringLiteral("MPa )"));
    for (int i = 0; i < 2; ++i) {
        txtFactor_[i] = new QLineEdit(this);
        txtFactor_[i]->setObjectName(QStringLiteral("TxtFactor(%1)").arg(i));
        txtFactor_[i]->setMaximumWidth(110);
        txtFactor_[i]->setAlignment(Qt::AlignRight);
    }
    lblTip->setBuddy(txtFactor_[0]);
    lblSleeve->setBuddy(txtFactor_[1]);

    auto* cmdNext = new QPushButton(QStringLiteral("Continue"), this);
    cmdNext->setObjectName(QStringLiteral("CmdNext"));
    auto* cmdBack = new QPushButton(QStringLiteral("Back"), this);
    cmdBack->setObjectName(QStringLiteral("CmdBack"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblTip, 0, 0);
    grid->addWidget(txtFactor_[0], 0, 1);
    grid->addWidget(lblUnit, 0, 2);
    grid->addWidget(lblSleeve, 1, 0);
    grid->addWidget(txtFactor_[1], 1, 1);
    grid->addWidget(label1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNext);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(lblTitle);
    outer->addSpacing(8);
    outer->addLayout(grid);
    outer->addSpacing(8);
    outer->addLayout(buttons);

    QWidget::setTabOrder(txtFactor_[0], txtFactor_[1]);
    QWidget::setTabOrder(txtFactor_[1], cmdNext);
    QWidget::setTabOrder(cmdNext, cmdBack);

    // Every change, whoever makes it, checks both boxes.
    for (QLineEdit* box : txtFactor_)
        connect(box, &QLineEdit::textChanged, this, &FrmConeFactors::FilterBoxes);
    connect(cmdNext, &QPushButton::clicked, this, &FrmConeFactors::accept);
    connect(cmdBack, &QPushButton::clicked, this, &FrmConeFactors::reject);

    txtFactor_[0]->setText(QString::fromLatin1(kDefaultTipFactorText));
    txtFactor_[1]->setText(QString::fromLatin1(kDefaultSleeveFactorText));
    setFixedSize(sizeHint());
}

void FrmConeFactors::FilterBoxes()
{
    if (filtering_)
        return;
    filtering_ = true;
    for (QLineEdit* box : txtFactor_) {
        const std::string text = box->text().toStdString();
        if (!CanBecomeNumeric(text))
            box->clear();
    }
    filtering_ = false;
}

void FrmConeFactors::accept()
{
    const FactorCheck check = Pipeline(project_).ConvertMillivoltFactors(txtFactor_[0]->text().toStdString(),
                                                                         txtFactor_[1]->text().toStdString());
    if (!check.ok) {
        dialogs_.ShowMessage(this, check.message);
        txtFactor_[check.focusBox]->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace quarvex
