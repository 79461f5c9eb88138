#pragma once
// The pile design screen's "Design load" group: the load, the basis, a factor
// per method and the load factor. It mirrors what is typed as DesignLoadTexts;
// the rules (defaults, basis switch, checks) are DesignLoadEntry's.

#include "design/Methods.h"
#include "screenlogic/DesignLoadEntry.h"

#include <QGroupBox>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quarvex {

class DesignLoadGroup : public QGroupBox {
    Q_OBJECT
public:
    DesignLoadGroup(const MethodTable& methods, QWidget* parent = nullptr);

    const DesignLoadTexts& Texts() const { return texts_; }
    // The box a check names, to give it the focus.
    QWidget* Box(DesignLoadBox box, int factorIndex) const;

private:
    void Show();
    void OnText(QLineEdit* box, std::string& field, const QString& text);

    DesignLoadTexts texts_;
    QLineEdit* load_ = nullptr;
    QRadioButton* basis_[2] = {};
    std::vector<QLabel*> factorLabels_;
    std::vector<QLineEdit*> factors_;
    QLabel* loadFactorLabel_ = nullptr;
    QLineEdit* loadFactor_ = nullptr;
    QPushButton* defaults_ = nullptr;
};

} // namespace quarvex
