#pragma once
// The pile design screen: methods to show, pile shape and size, where the
// analysis starts and ends, the layer mode and the output file. "Analysis"
// runs the input checks and then the design run, answering its questions with
// the soil layer and tip option screens; the results open when it completes.

#include "pipeline/Pipeline.h"
#include "project/Project.h"
#include "ui/shell/Dialogs.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quarvex {

class DesignLoadGroup;

class FrmPileDesign : public QWidget {
    Q_OBJECT
public:
    FrmPileDesign(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);

    // The method boxes as values: 0 unchecked, 1 checked, 2 checked and greyed.
    std::array<int, 4> MethodValues() const { return methodValue_; }
    Single ConeTop() const { return pipeline_.ConeTop(); }
    Single ConeMax() const { return pipeline_.ConeMax(); }

    // Called with each modal screen of the run just before it waits (tests
    // answer the screens through it).
    void SetModalHook(std::function<void(QDialog&)> hook) { modalHook_ = std::move(hook); }

public slots:
    // The "Analysis" command.
    void Analysis();

signals:
    void backRequested();
    void otherDataRequested();
    void exitRequested();
    // The run completed: the results screen opens.
    void resultsRequested();

private:
    friend class PileDesignQuestions;

    void FillSizes(int shape);
    void OnShape(int index);
    void OnMethodClicked(int k);
    void OnTopText(const QString& text);
    void OnTipText(const QString& text);
    void OnFileSelect();
    void StartDesignRun();

    Project& p_;
    Pipeline pipeline_;
    Dialogs& dialogs_;
    std::array<int, 4> methodValue_{1, 1, 1, 1};
    QString chosenFile_;
    std::function<void(QDialog&)> modalHook_;

    QCheckBox* chkMethod_[4] = {};
    QComboBox* combShape_ = nullptr;
    QComboBox* combType_ = nullptr;
    QComboBox* combSection_ = nullptr;
    QRadioButton* optTopDefault_ = nullptr;
    QRadioButton* optTopSelect_ = nullptr;
    QRadioButton* optMaxDepth_ = nullptr;
    QRadioButton* optDepth_ = nullptr;
    QLineEdit* txtTop_ = nullptr;
    QLineEdit* txtTip_ = nullptr;
    QLabel* lblTop_ = nullptr;
    QLabel* lblMax_ = nullptr;
    QRadioButton* optAutoLayers_ = nullptr;
    QRadioButton* optManLayers_ = nullptr;
    QRadioButton* optFileDefault_ = nullptr;
    QRadioButton* optFileSelect_ = nullptr;
    QPushButton* cmdDesign_ = nullptr;
    DesignLoadGroup* designLoad_ = nullptr;
};

} // namespace quarvex
