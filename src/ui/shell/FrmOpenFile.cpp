#include "ui/shell/FrmOpenFile.h"

#include "ui/shell/FrmSplash.h"
#include "ui/shell/ScreenHelpers.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace quarvex {

namespace {

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

const char* const kDisclaimer =
    "This program is offered as an aid to engineers who design driven precast concrete piles from cone "
    "penetration soundings. It does not replace engineering judgement: the user is responsible for checking "
    "the input data, the suitability of the methods for the site and every result before using it in a "
    "design. The makers accept no liability for any use of the program or of its results.";

} // namespace

QString DroppedFilePath(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            const QFileInfo info(url.toLocalFile());
            if (info.isFile())
                return info.absoluteFilePath();
        }
    }
    return QString();
}

FrmOpenFile::FrmOpenFile(Project& project, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), project_(project), flow_(project, dialogs)
{
    setObjectName(QStringLiteral("FrmOpenFile"));
    setWindowTitle(QStringLiteral("Open Cone Data File"));
    setAcceptDrops(true);
    BuildToolbar();
    setCentralWidget(BuildCentre());
    SizeToScreen(this, 0.75, 0.75);
    ClickFocusedButtonOnEnter(this);

    // The values this screen sets each time it loads.
    Pipeline(project_).OpenFileDefaults();
}

void FrmOpenFile::BuildToolbar()
{
    auto* bar = new QToolBar(QStringLiteral("Toolbar1"), this);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, bar);

    struct Button {
        const char* caption;
        const char* key;
        const char* tip;
        QStyle::StandardPixmap image;
        const char* shortcut; // toolbar buttons take no Tab focus
    };
    const Button buttons[] = {
        {"Open", "File", "Open Cone Data File", QStyle::SP_DialogOpenButton, "Ctrl+O"},
        {"Exit", "Exit", "Exit the Program", QStyle::SP_DialogCloseButton, "Ctrl+Q"},
        {"About", "About", "About the Program", QStyle::SP_MessageBoxInformation, "F1"},
    };
    for (const Button& b : buttons) {
        QAction* a = bar->addAction(style()->standardIcon(b.image), QString::fromLatin1(b.caption));
        a->setObjectName(QString::fromLatin1(b.key));
        a->setToolTip(QString::fromLatin1(b.tip));
        a->setShortcut(QKeySequence(QString::fromLatin1(b.shortcut)));
        a->setShortcutContext(Qt::WindowShortcut);
    }
    connect(bar->findChild<QAction*>(QStringLiteral("File")), &QAction::triggered, this,
            &FrmOpenFile::OpenFileMenu);
    connect(bar->findChild<QAction*>(QStringLiteral("Exit")), &QAction::triggered, this,
            &FrmOpenFile::exitRequested);
    connect(bar->findChild<QAction*>(QStringLiteral("About")), &QAction::triggered, this,
            &FrmOpenFile::aboutRequested);
}

QWidget* FrmOpenFile::BuildCentre()
{
    auto* centre = new QWidget(this);
    auto* outer = new QVBoxLayout(centre);
    outer->setContentsMargins(24, 16, 24, 16);
    outer->setSpacing(12);

    auto* lblTitle =
        MakeLabel(QStringLiteral("Lbl_Title"),
                  QStringLiteral("Velmare Pile Design by Cone Penetration Test Program"), centre);
    QFont f = lblTitle->font();
    f.setPointSize(18);
    f.setBold(true);
    lblTitle->setFont(f);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setStyleSheet(QStringLiteral("color: #12306a;"));
    outer->addWidget(lblTitle);

    // Two labels drawn over each other give the subtitle its shadow.
    auto* subtitle = new QWidget(centre);
    auto* stack = new QGridLayout(subtitle);
    stack->setContentsMargins(0, 0, 0, 0);
    auto* label1 = MakeLabel(QStringLiteral("Label1"),
                             QStringLiteral("Pile Design from Cone Penetration Test"), subtitle);
    auto* label2 = MakeLabel(QStringLiteral("Label2"),
                             QStringLiteral("Pile Design from Cone Penetration Test"), subtitle);
    QFont sf = label1->font();
    sf.setPointSize(14);
    sf.setBold(true);
    label1->setFont(sf);
    label2->setFont(sf);
    label1->setStyleSheet(QStringLiteral("color: #9aa4b4; padding-left: 2px; padding-top: 2px;"));
    label2->setStyleSheet(QStringLiteral("color: #7a1010; padding-right: 2px; padding-bottom: 2px;"));
    label1->setAlignment(Qt::AlignCenter);
    label2->setAlignment(Qt::AlignCenter);
    stack->addWidget(label1, 0, 0);
    stack->addWidget(label2, 0, 0);
    outer->addWidget(subtitle);

    auto* mainTitle =
        MakeLabel(QStringLiteral("Lbl_MainTitle"), QStringLiteral("Kemrow-CPT Program"), centre);
    QFont mf = mainTitle->font();
    mf.setPointSize(13);
    mf.setItalic(true);
    mainTitle->setFont(mf);
    mainTitle->setAlignment(Qt::AlignCenter);
    outer->addWidget(mainTitle);
    outer->addStretch(1);

    // Title lines and units side by side, the buttons below them.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(24);
    middle->addStretch(1);
    auto* cone = new QLabel(centre);
    cone->setPixmap(DrawConePicture(190));
    middle->addWidget(cone);
    middle->addSpacing(24);

    QFont controlsFont = centre->font();
    controlsFont.setPointSize(controlsFont.pointSize() + 1);
    auto* frmTitleLines = new QGroupBox(centre);
    frmTitleLines->setFont(controlsFont);
    frmTitleLines->setObjectName(QStringLiteral("Frm_TitleLines"));
    auto* tl = new QVBoxLayout(frmTitleLines);
    auto* lblTitleLines = MakeLabel(QStringLiteral("Lbl_TitleLines"), QString(), frmTitleLines);
    lblTitleLines->setText(QStringLiteral(" Num. of Title") + QStringLiteral("\r\n") +
                           QStringLiteral("      Lines "));
    tl->addWidget(lblTitleLines);
    combTitleLines_ = new QComboBox(frmTitleLines);
    combTitleLines_->setObjectName(QStringLiteral("CombTitleLines"));
    combTitleLines_->setEditable(false);
    for (int i = 0; i <= 15; ++i)
        combTitleLines_->addItem(QString::number(i));
    combTitleLines_->setCurrentIndex(10);
    lblTitleLines->setBuddy(combTitleLines_);
    tl->addWidget(combTitleLines_);
    tl->addStretch(1);
    middle->addWidget(frmTitleLines);

    auto* frmUnits = new QGroupBox(centre);
    frmUnits->setObjectName(QStringLiteral("Frm_Units"));
    frmUnits->setFont(controlsFont);
    auto* ul = new QVBoxLayout(frmUnits);
    ul->addWidget(MakeLabel(QStringLiteral("Lbl_Units"), QStringLiteral("Units in Data File"), frmUnits));
    const char* const unitCaptions[3] = {"m-MilliVolts", "ft-tsf", "m-MPa"};
    for (int i = 0; i < 3; ++i) {
        optUnits_[i] = new QRadioButton(QString::fromLatin1(unitCaptions[i]), frmUnits);
        optUnits_[i]->setObjectName(QStringLiteral("Opt_Units(%1)").arg(i));
        ul->addWidget(optUnits_[i]);
    }
    optUnits_[1]->setChecked(true);
    ul->addStretch(1);
    middle->addWidget(frmUnits);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(10);
    cmdViewFile_ = new QPushButton(QStringLiteral("View Data File"), centre);
    cmdViewFile_->setObjectName(QStringLiteral("CmdViewFile"));
    cmdOpenFile_ = new QPushButton(QStringLiteral("Open Data File"), centre);
    cmdOpenFile_->setObjectName(QStringLiteral("CmdOpenFile"));
    cmdPlot_ = new QPushButton(QStringLiteral("Plot Cone Data"), centre);
    cmdPlot_->setObjectName(QStringLiteral("CmdPlot"));
    cmdPlot_->setEnabled(false);
    for (QPushButton* b : {cmdViewFile_, cmdOpenFile_, cmdPlot_}) {
        b->setFont(controlsFont);
        b->setMinimumHeight(38);
        b->setMinimumWidth(160);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    middle->addLayout(buttons);
    middle->addStretch(1);
    outer->addLayout(middle);

    // What a self-describing file brings instead of the choices above, and the
    // soundings of a file that holds several.
    lblFormat_ = MakeLabel(QStringLiteral("LblFormat"), QString(), centre);
    lblFormat_->setAlignment(Qt::AlignCenter);
    lblFormat_->setWordWrap(true);
    lblFormat_->setFont(controlsFont);
    lblFormat_->setStyleSheet(QStringLiteral("color: #12306a;"));
    outer->addWidget(lblFormat_);
    lstSoundings_ = new QListWidget(centre);
    lstSoundings_->setObjectName(QStringLiteral("LstSoundings"));
    lstSoundings_->setFont(controlsFont);
    lstSoundings_->setMaximumHeight(120);
    lstSoundings_->setMaximumWidth(360);
    lstSoundings_->setVisible(false);
    outer->addWidget(lstSoundings_, 0, Qt::AlignHCenter);
    outer->addStretch(2);

    auto* label4 = MakeLabel(QStringLiteral("Label4"), QStringLiteral("Disclaimer:"), centre);
    QFont df = label4->font();
    df.setBold(true);
    label4->setFont(df);
    outer->addWidget(label4);
    auto* label3 = MakeLabel(QStringLiteral("Label3"), QString::fromLatin1(kDisclaimer), centre);
    label3->setWordWrap(true);
    outer->addWidget(label3);

    // Tab goes through the controls in the order they are read.
    QWidget::setTabOrder(combTitleLines_, optUnits_[0]);
    QWidget::setTabOrder(optUnits_[0], optUnits_[1]);
    QWidget::setTabOrder(optUnits_[1], optUnits_[2]);
    QWidget::setTabOrder(optUnits_[2], cmdViewFile_);
    QWidget::setTabOrder(cmdViewFile_, cmdOpenFile_);
    QWidget::setTabOrder(cmdOpenFile_, cmdPlot_);

    connect(combTitleLines_, &QComboBox::currentIndexChanged, this,
            [this](int index) { flow_.ChooseTitleLines(index); });
    for (int i = 0; i < 3; ++i) {
        connect(optUnits_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                flow_.ChooseUnits(static_cast<Integer>(i));
        });
    }
    connect(cmdViewFile_, &QPushButton::clicked, this, [this] { After(flow_.ViewDataFile(this)); });
    connect(cmdOpenFile_, &QPushButton::clicked, this, [this] { After(flow_.OpenDataFile(this)); });
    connect(cmdPlot_, &QPushButton::clicked, this, &FrmOpenFile::plotRequested);
    connect(lstSoundings_, &QListWidget::itemClicked, this, &FrmOpenFile::SoundingChosen);
    connect(lstSoundings_, &QListWidget::itemActivated, this, &FrmOpenFile::SoundingChosen);
    return centre;
}

void FrmOpenFile::OpenFileMenu()
{
    After(flow_.OpenFileMenu(this));
}

void FrmOpenFile::OpenGivenFile(const QString& path)
{
    After(flow_.OpenDroppedFile(this, path));
}

void FrmOpenFile::SoundingChosen(QListWidgetItem* item)
{
    if (item != nullptr)
        After(flow_.ChooseSounding(this, lstSoundings_->row(item)));
}

void FrmOpenFile::After(OpenOutcome outcome)
{
    if (outcome == OpenOutcome::Offered) {
        lstSoundings_->clear();
        for (const std::string& name : flow_.SoundingChoices())
            lstSoundings_->addItem(QString::fromStdString(name));
        lstSoundings_->setVisible(true);
        lstSoundings_->setFocus();
    } else if (outcome == OpenOutcome::ReadFailed ||
               (outcome == OpenOutcome::ReadOk && flow_.SoundingChoices().empty())) {
        lstSoundings_->clear();
        lstSoundings_->setVisible(false);
    }
    if (outcome != OpenOutcome::Cancelled && outcome != OpenOutcome::ChosenToView)
        lblFormat_->setText(QString::fromStdString(flow_.FormatNote()));
    cmdPlot_->setEnabled(flow_.PlotEnabled());
    if (outcome == OpenOutcome::ReadOk)
        cmdPlot_->setFocus();
    if (outcome == OpenOutcome::ChosenToView)
        emit viewRequested();
}

void FrmOpenFile::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFilePath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FrmOpenFile::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFilePath(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The read reports in a modal box: let the drag finish first.
    QTimer::singleShot(0, this, [this, path] { OpenGivenFile(path); });
}

} // namespace quarvex
