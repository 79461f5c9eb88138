#include "ui/design/FrmPileDesign.h"

#include "design/DesignRun.h"
#include "design/OutputFile.h"
#include "design/TipOptions.h"
#include "project/NumberText.h"
#include "screenlogic/DesignView.h"
#include "screenlogic/NumberEntry.h"
#include "screenlogic/PileChecks.h"
#include "ui/design/DesignLoadGroup.h"
#include "ui/design/DesignScreenParts.h"
#include "ui/design/FrmSoilLayers.h"
#include "ui/design/FrmTipOptions.h"
#include "ui/shell/ModalLoop.h"
#include "ui/shell/ScreenHelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>

namespace quarvex {

namespace {

const char* const kAnalysis = "Analysis";
const char* const kSelectLayers = "Select Layers";

QRadioButton* Option(const char* name, const char* caption, QWidget* parent, QButtonGroup* group)
{
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    group->addButton(b);
    return b;
}

QLabel* Label(const QString& name, const QString& caption, QWidget* parent)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

// The design run's two questions, answered with the modal screens.
class PileDesignQuestions : public DesignQuestions {
public:
    explicit PileDesignQuestions(FrmPileDesign& screen) : s_(screen) {}

    bool EnterSoilLayers(Project& p) override
    {
        const NormalCursor normal;
        FrmSoilLayers layers(p, s_.dialogs_, &s_);
        if (s_.modalHook_)
            s_.modalHook_(layers);
        {
            const ModalLoop loop;
            layers.exec();
        }
        if (layers.Entry().Completed())
            s_.cmdDesign_->setText(kAnalysis);
        return s_.cmdDesign_->text() == kAnalysis;
    }

    void ChooseTipOption(Project& p) override
    {
        const NormalCursor normal;
        FrmTipOptions::Ask(p, s_.dialogs_, &s_, s_.modalHook_);
    }

private:
    FrmPileDesign& s_;
};

FrmPileDesign::FrmPileDesign(Project& project, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), p_(project), pipeline_(project), dialogs_(dialogs)
{
    setObjectName("FrmPileDesign");
    setWindowTitle("Velmare Pile Design by Cone Penetration Test [Kemrow-CPT]");

    // Methods.
    auto* frame1 = new QGroupBox("Select Design Method", this);
    frame1->setObjectName("Frame1");
    auto* l1 = new QVBoxLayout(frame1);
    const char* methods[] = {" LCPC Design Method", " Schmertmann Design Method",
                             " de Ruiter and Beringen Design Method ", " Average of Methods "};
    for (int k = 0; k < 4; ++k) {
        chkMethod_[k] = new QCheckBox(methods[k], frame1);
        chkMethod_[k]->setObjectName(QString("ChkMethod(%1)").arg(k));
        chkMethod_[k]->setCheckState(Qt::Checked);
        l1->addWidget(chkMethod_[k]);
        connect(chkMethod_[k], &QCheckBox::clicked, this, [this, k] { OnMethodClicked(k); });
    }

    // Pile properties.
    auto* frame2 = new QGroupBox("Select Pile Properties", this);
    frame2->setObjectName("Frame2");
    auto* l2 = new QGridLayout(frame2);
    combShape_ = new QComboBox(frame2);
    combShape_->setObjectName("CombShape");
    combType_ = new QComboBox(frame2);
    combType_->setObjectName("CombType");
    combType_->setEditable(true);
    combSection_ = new QComboBox(frame2);
    combSection_->setObjectName("CombSection");
    combSection_->setEditable(true);
    combSection_->setInsertPolicy(QComboBox::NoInsert);
    NoInlineCompletion(combSection_);
    l2->addWidget(Label("Label1", "Enter Shape", frame2), 0, 0);
    l2->addWidget(combShape_, 0, 1);
    l2->addWidget(Label("LblType", "Enter Pile Type", frame2), 1, 0);
    l2->addWidget(combType_, 1, 1);
    l2->addWidget(Label("LblSection", "Enter Pile diameter ", frame2), 2, 0);
    l2->addWidget(combSection_, 2, 1);
    l2->addWidget(Label("Label2", " inch", frame2), 2, 2);

    // Where the analysis starts.
    auto* frame5 = new QGroupBox(this);
    frame5->setObjectName("Frame5");
    auto* topGroup = new QButtonGroup(this);
    optTopDefault_ = Option("OptTopDefault", "Pile analysis starts at top depth of", frame5, topGroup);
    optTopSelect_ = Option("OptTopSelect", "Pile analysis starts at depth = ", frame5, topGroup);
    lblTop_ = Label("LblTop", "", frame5);
    txtTop_ = new QLineEdit(frame5);
    txtTop_->setObjectName("TxtTopElev");
    auto* l5 = new QGridLayout(frame5);
    l5->addWidget(optTopDefault_, 0, 0);
    l5->addWidget(lblTop_, 0, 1);
    l5->addWidget(optTopSelect_, 1, 0);
    l5->addWidget(txtTop_, 1, 1);
    l5->addWidget(Label("LblUnit(0)", "ft", frame5), 1, 2);

    // Where it ends.
    auto* frame6 = new QGroupBox(this);
    frame6->setObjectName("Frame6");
    auto* tipGroup = new QButtonGroup(this);
    optMaxDepth_ = Option("OptMaxDepth", "Pile analysis till the max. depth of ", frame6, tipGroup);
    optDepth_ = Option("OptDepth", "Pile analysis till a tip depth =", frame6, tipGroup);
    lblMax_ = Label("LblMax", "", frame6);
    txtTip_ = new QLineEdit(frame6);
    txtTip_->setObjectName("TxtTipElev");
    auto* l6 = new QGridLayout(frame6);
    l6->addWidget(optMaxDepth_, 0, 0);
    l6->addWidget(lblMax_, 0, 1);
    l6->addWidget(optDepth_, 1, 0);
    l6->addWidget(txtTip_, 1, 1);
    l6->addWidget(Label("LblUnit(1)", "ft", frame6), 1, 2);

    // Layers and output file.
    auto* frame4 = new QGroupBox("Soil Layers Selection Method", this);
    frame4->setObjectName("Frame4");
    auto* layerGroup = new QButtonGroup(this);
    optAutoLayers_ = Option("OptAutoLayers", "", frame4, layerGroup);
    optManLayers_ = Option("OptManLayers", "", frame4, layerGroup);
    auto* l4 = new QVBoxLayout(frame4);
    l4->addWidget(optAutoLayers_);
    l4->addWidget(optManLayers_);

    auto* frame3 = new QGroupBox("Output File ", this);
    frame3->setObjectName("Frame3");
    auto* fileGroup = new QButtonGroup(this);
    optFileDefault_ = Option("OptFileDefault", "", frame3, fileGroup);
    optFileSelect_ = Option("OptFileSelect", "", frame3, fileGroup);
    auto* l3 = new QVBoxLayout(frame3);
    l3->addWidget(optFileDefault_);
    l3->addWidget(optFileSelect_);

    // An empty load leaves the run as it always was.
    designLoad_ = new DesignLoadGroup(pipeline_.methods(), this);

    // Commands.
    auto* exitButton = new QPushButton("Exit", this);
    exitButton->setObjectName("cmdExit");
    auto* dataButton = new QPushButton("Other Data", this);
    dataButton->setObjectName("CmdData");
    auto* backButton = new QPushButton("Back", this);
    backButton->setObjectName("CmdBack");
    cmdDesign_ = new QPushButton(kAnalysis, this);
    cmdDesign_->setObjectName("CmdDesign");
    auto* commands = new QHBoxLayout;
    commands->addWidget(exitButton);
    commands->addWidget(dataButton);
    commands->addStretch(1);
    commands->addWidget(backButton);
    commands->addWidget(cmdDesign_);

    // The pile and the analysis range on the left, what to compute on the
    // right; the form keeps a readable width on wide screens.
    for (QLineEdit* box : {txtTop_, txtTip_})
        box->setMaximumWidth(110);
    for (QComboBox* list : {combShape_, combType_, combSection_})
        list->setMinimumWidth(180);
    l5->setColumnStretch(3, 1);
    l6->setColumnStretch(3, 1);
    l2->setColumnStretch(3, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(frame2);
    left->addWidget(frame5);
    left->addWidget(frame6);
    left->addWidget(frame3);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(frame1);
    right->addWidget(frame4);
    right->addWidget(designLoad_);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addStretch(1);
    columns->addLayout(left, 3);
    columns->addSpacing(16);
    columns->addLayout(right, 2);
    columns->addStretch(1);
    auto* form = new QWidget(this);
    form->setMaximumWidth(1100);
    auto* formLayout = new QVBoxLayout(form);
    formLayout->addLayout(columns, 1);
    formLayout->addSpacing(12);
    formLayout->addLayout(commands);
    auto* layout = new QHBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(form, 8);
    layout->addStretch(1);

    // Load, in the screen's order.
    SizeToScreen(this, 0.8, 0.9);
    combType_->addItem("Driven Concrete Pile");
    combType_->setCurrentIndex(0);
    combType_->setEnabled(false);
    combShape_->setEnabled(true);
    combShape_->addItem("Square");
    combShape_->addItem("Round");
    combShape_->setCurrentIndex(0);
    OnShape(0);
    combSection_->setEnabled(true);
    FillSizes(0);
    // The project's side of the load: pile type, shape, size, depths, output file.
    pipeline_.LoadDesignScreen(0, kDefaultOutputFileName);
    KeepDesignBasis(p_, std::nullopt);
    lblTop_->setText(QString::fromStdString(GeneralForm(ConeTop()) + " (ft) "));
    lblMax_->setText(QString::fromStdString(GeneralForm(ConeMax()) + " (ft)"));
    optAutoLayers_->setText("Automatic Layer Selection");
    optManLayers_->setText("Manual Layer Selection");
    optFileDefault_->setText("Use Default File Name [output.dat] for Output ");
    optFileSelect_->setText("Select a file Name for output ");
    optTopDefault_->setChecked(true);
    optMaxDepth_->setChecked(true);
    optAutoLayers_->setChecked(true);
    optFileDefault_->setChecked(true);
    txtTop_->setEnabled(false);
    txtTip_->setEnabled(false);

    // Events.
    connect(combShape_, &QComboBox::activated, this, &FrmPileDesign::OnShape);
    connect(optTopDefault_, &QRadioButton::clicked, this, [this] {
        p_.PileTopDepth = ConeTop();
        txtTop_->clear();
        txtTop_->setEnabled(false);
    });
    connect(optTopSelect_, &QRadioButton::clicked, this, [this] {
        txtTop_->setEnabled(true);
        txtTop_->setFocus();
    });
    connect(optMaxDepth_, &QRadioButton::clicked, this, [this] {
        p_.PileTipDepth = ConeMax();
        txtTip_->clear();
        txtTip_->setEnabled(false);
    });
    connect(optDepth_, &QRadioButton::clicked, this, [this] {
        txtTip_->setEnabled(true);
        txtTip_->setFocus();
    });
    connect(txtTop_, &QLineEdit::textChanged, this, &FrmPileDesign::OnTopText);
    connect(txtTip_, &QLineEdit::textChanged, this, &FrmPileDesign::OnTipText);
    connect(optAutoLayers_, &QRadioButton::clicked, this, [this] { cmdDesign_->setText(kAnalysis); });
    connect(optManLayers_, &QRadioButton::clicked, this, [this] { cmdDesign_->setText(kSelectLayers); });
    connect(optFileDefault_, &QRadioButton::clicked, this, [this] {
        p_.OutputFileName = kDefaultOutputFileName;
        p_.OutputFileNum = NextFreeFileNumber(p_);
    });
    connect(optFileSelect_, &QRadioButton::clicked, this, &FrmPileDesign::OnFileSelect);
    connect(backButton, &QPushButton::clicked, this, &FrmPileDesign::backRequested);
    connect(dataButton, &QPushButton::clicked, this, &FrmPileDesign::otherDataRequested);
    connect(exitButton, &QPushButton::clicked, this, &FrmPileDesign::exitRequested);
    connect(cmdDesign_, &QPushButton::clicked, this, &FrmPileDesign::Analysis);
    ClickFocusedButtonOnEnter(this);
}

void FrmPileDesign::FillSizes(int shape)
{
    const QSignalBlocker block(combSection_);
    combSection_->clear();
    combSection_->addItem(QString());
    const QStringList sizes =
        shape == 0 ? QStringList{"14", "16", "18", "24", "30", "36"} : QStringList{"36", "54"};
    combSection_->addItems(sizes);
    combSection_->setCurrentIndex(0);
    combSection_->setEditText(QString());
}

void FrmPileDesign::OnShape(int index)
{
    FillSizes(index);
    p_.PileShape = static_cast<Integer>(index);
}

void FrmPileDesign::OnMethodClicked(int k)
{
    // Values as the boxes hold them: 0, 1, or 2 for checked and greyed.
    auto show = [this](int i) {
        const QSignalBlocker block(chkMethod_[i]);
        chkMethod_[i]->setCheckState(methodValue_[i] == 0   ? Qt::Unchecked
                                     : methodValue_[i] == 1 ? Qt::Checked
                                                            : Qt::PartiallyChecked);
    };
    methodValue_[k] = methodValue_[k] == 0 ? 1 : 0;
    show(k);
    if (k != 3)
        return;
    // The average greys the three methods it is made of.
    for (int i = 0; i < 3; ++i) {
        methodValue_[i] = methodValue_[3] == 1 ? 2 : 1;
        show(i);
    }
}

void FrmPileDesign::OnTopText(const QString& text)
{
    const std::string kept = KeepTypedNumber(text.toStdString());
    if (kept != text.toStdString()) {
        txtTop_->setText(QString::fromStdString(kept));
        return;
    }
    p_.PileTopDepth = DepthBoxValue(kept, ConeTop());
}

void FrmPileDesign::OnTipText(const QString& text)
{
    const std::string kept = KeepTypedNumber(text.toStdString());
    if (kept != text.toStdString()) {
        txtTip_->setText(QString::fromStdString(kept));
        return;
    }
    p_.PileTipDepth = DepthBoxValue(kept, ConeMax());
}

void FrmPileDesign::OnFileSelect()
{
    SaveFileRequest request;
    request.title = "Export File";
    request.filters = QStringList{"All Files (*.*)"};
    request.confirmOverwrite = true;
    if (const auto name = dialogs_.SaveFile(this, request))
        chosenFile_ = *name;
    // A cancelled dialog keeps the name last chosen here (none at first).
    p_.OutputFileName = chosenFile_.toStdString();
    p_.OutputFileNum = NextFreeFileNumber(p_);
}

void FrmPileDesign::Analysis()
{
    AnalysisInputs in;
    in.sizeText = combSection_->currentText().toStdString();
    in.topSelect = optTopSelect_->isChecked();
    in.topText = txtTop_->text().toStdString();
    in.tipSelect = optDepth_->isChecked();
    in.tipText = txtTip_->text().toStdString();
    const AnalysisCheck check = pipeline_.Check(in);
    if (!check.ok) {
        ShowMessage(dialogs_, this, check.message);
        auto box = [this](DesignBox b) -> QWidget* {
            switch (b) {
            case DesignBox::Size:
                return combSection_;
            case DesignBox::Top:
                return txtTop_;
            case DesignBox::Tip:
                return txtTip_;
            default:
                return nullptr;
            }
        };
        if (check.clear == DesignBox::Top)
            txtTop_->clear();
        else if (check.clear == DesignBox::Tip)
            txtTip_->clear();
        else if (check.clear == DesignBox::Size)
            combSection_->setEditText(QString());
        if (QWidget* focus = box(check.focus))
            focus->setFocus();
        return;
    }
    // The load is checked only once the pile is accepted, as its boxes come last.
    const DesignLoadCheck load =
        CheckDesignLoad(designLoad_->Texts(), DesignMethodIdsOf(pipeline_.methods()));
    if (!load.ok) {
        ShowMessage(dialogs_, this, load.message);
        if (QWidget* focus = designLoad_->Box(load.focus, load.factorIndex))
            focus->setFocus();
        return;
    }
    KeepDesignBasis(p_, load.basis);
    StartDesignRun();
}

void FrmPileDesign::StartDesignRun()
{
    DesignRunInputs in;
    in.manualLayers = optManLayers_->isChecked();
    in.topText = txtTop_->text().toStdString();
    in.schmertmannBox = methodValue_[1];

    PileDesignQuestions questions(*this);
    DesignRunResult result;
    {
        const BusyCursor busy;
        try {
            result = pipeline_.Design(in, questions);
        } catch (const std::exception&) {
            result.outcome = DesignOutcome::Failed;
            result.message = CriticalMessage(kMsgAnalysisError);
        }
    }

    switch (result.outcome) {
    case DesignOutcome::Completed:
        emit resultsRequested();
        // Where the data went, over the results.
        if (result.message)
            ShowMessage(dialogs_, nullptr, *result.message);
        break;
    case DesignOutcome::OutputRefused:
    case DesignOutcome::Failed:
        ShowMessage(dialogs_, this, result.message ? *result.message : CriticalMessage(kMsgAnalysisError));
        break;
    case DesignOutcome::StoppedAtLayers:
    case DesignOutcome::StoppedAtTipOptions:
        break;
    }
}

} // namespace quarvex
