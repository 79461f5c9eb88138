#include "ui/design/DesignLoadGroup.h"

#include "screenlogic/DesignView.h"
#include "screenlogic/NumberEntry.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace quarvex {

DesignLoadGroup::DesignLoadGroup(const MethodTable& methods, QWidget* parent)
    : QGroupBox("Design load", parent), texts_(DefaultDesignLoadTexts(methods.size()))
{
    setObjectName("FraDesignLoad");
    auto* grid = new QGridLayout(this);
    auto* loadLabel = new QLabel("Design load Q (tons, empty: none)", this);
    loadLabel->setObjectName("LblDesignLoad");
    load_ = new QLineEdit(this);
    load_->setObjectName("TxtDesignLoad");
    grid->addWidget(loadLabel, 0, 0);
    grid->addWidget(load_, 0, 1);

    auto* group = new QButtonGroup(this);
    const char* captions[] = {"Allowable (ASD)", "Factored (LRFD)"};
    for (int b = 0; b < 2; ++b) {
        basis_[b] = new QRadioButton(captions[b], this);
        basis_[b]->setObjectName(QString("OptBasis(%1)").arg(b));
        group->addButton(basis_[b]);
        grid->addWidget(basis_[b], 1, b);
        const Basis basis = b == 0 ? Basis::Allowable : Basis::Factored;
        connect(basis_[b], &QRadioButton::clicked, this, [this, basis] {
            SelectBasis(texts_, basis);
            Show();
        });
    }

    int row = 2;
    for (std::size_t k = 0; k < methods.size(); ++k, ++row) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("LblFactor(%1)").arg(k));
        label->setProperty("method", QString::fromStdString(methods[k].name));
        auto* box = new QLineEdit(this);
        box->setObjectName(QString("TxtFactor(%1)").arg(k));
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        factorLabels_.push_back(label);
        factors_.push_back(box);
        connect(box, &QLineEdit::textChanged, this,
                [this, box, k](const QString& t) { OnText(box, texts_.factors[k], t); });
    }
    loadFactorLabel_ = new QLabel("Load factor gamma", this);
    loadFactorLabel_->setObjectName("LblLoadFactor");
    loadFactor_ = new QLineEdit(this);
    loadFactor_->setObjectName("TxtLoadFactor");
    grid->addWidget(loadFactorLabel_, row, 0);
    grid->addWidget(loadFactor_, row, 1);
    ++row;
    defaults_ = new QPushButton("Defaults", this);
    defaults_->setObjectName("CmdDefaultFactors");
    defaults_->setToolTip("Restore the default factors of the basis");
    grid->addWidget(defaults_, row, 1);
    for (QLineEdit* box : factors_)
        box->setMaximumWidth(110);
    load_->setMaximumWidth(110);
    loadFactor_->setMaximumWidth(110);

    connect(load_, &QLineEdit::textChanged, this,
            [this](const QString& t) { OnText(load_, texts_.load, t); });
    connect(loadFactor_, &QLineEdit::textChanged, this,
            [this](const QString& t) { OnText(loadFactor_, texts_.loadFactor, t); });
    connect(defaults_, &QPushButton::clicked, this, [this] {
        RestoreDefaultFactors(texts_);
        Show();
    });
    Show();
}

void DesignLoadGroup::OnText(QLineEdit* box, std::string& field, const QString& text)
{
    // A numeric box erases a text as soon as no further typing makes it a number.
    const std::string kept = KeepTypedNumber(text.toStdString());
    if (kept != text.toStdString()) {
        box->setText(QString::fromStdString(kept));
        return;
    }
    field = kept;
}

void DesignLoadGroup::Show()
{
    auto put = [](QLineEdit* box, const std::string& text) {
        const QSignalBlocker block(box);
        if (box->text().toStdString() != text)
            box->setText(QString::fromStdString(text));
    };
    put(load_, texts_.load);
    for (std::size_t k = 0; k < factors_.size(); ++k) {
        put(factors_[k], texts_.factors[k]);
        factorLabels_[k]->setText(factorLabels_[k]->property("method").toString() + " " +
                                  FactorCaption(texts_.basis));
    }
    put(loadFactor_, texts_.loadFactor);
    const bool factored = texts_.basis == Basis::Factored;
    basis_[0]->setChecked(!factored);
    basis_[1]->setChecked(factored);
    loadFactor_->setEnabled(factored);
    loadFactorLabel_->setEnabled(factored);
}

QWidget* DesignLoadGroup::Box(DesignLoadBox box, int factorIndex) const
{
    switch (box) {
    case DesignLoadBox::Load:
        return load_;
    case DesignLoadBox::Factor:
        return factorIndex >= 0 && factorIndex < static_cast<int>(factors_.size())
                   ? factors_[static_cast<std::size_t>(factorIndex)]
                   : nullptr;
    case DesignLoadBox::LoadFactor:
        return loadFactor_;
    case DesignLoadBox::None:
        break;
    }
    return nullptr;
}

} // namespace quarvex
