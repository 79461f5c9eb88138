#include "ui/shell/Frm_Titles.h"

#include "ui/shell/ProjectText.h"
#include "ui/shell/ScreenHelpers.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex {

namespace {

struct FieldLabel {
    const char* name;
    const char* caption;
};

// The labels of cmbTitle(0..10), in index order.
const FieldLabel kLabels[kTitleFieldCount] = {
    {"LblProjNum", "Project Number:"},
    {"Label1", "Company:"},
    {"LblTitle", "Project Title:"},
    {"Label3", "CPT Station:"},
    {"LblOffset", "Offset:"},
    {"LblElev", "Ground Elevation (ft):"},
    {"LblParish", "Struct No: "},
    {"LblLtit", "Latitude:"},
    {"LblLongit", "Longitude:"},
    {"LblDate", "Date: "},
    {"Label2", "CPT No:"},
};

QString Q(const std::string& s)
{
    return ShowProjectText(s);
}

// The project keeps texts with CR LF line ends; the text box shows line feeds.
QString ForDisplay(const std::string& s)
{
    return Q(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string FromDisplay(const QString& s)
{
    return QString(s).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

} // namespace

Frm_Titles::Frm_Titles(Project& project, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), project_(project), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Frm_Titles"));
    setWindowTitle(QStringLiteral("Project Information"));

    QLabel* labels[kTitleFieldCount] = {};
    for (int i = 0; i < kTitleFieldCount; ++i) {
        labels[i] = new QLabel(QString::fromLatin1(kLabels[i].caption), this);
        labels[i]->setObjectName(QString::fromLatin1(kLabels[i].name));
        fields_[i] = new QComboBox(this);
        fields_[i]->setObjectName(QStringLiteral("cmbTitle(%1)").arg(i));
        fields_[i]->setEditable(true);
        // The list offers earlier entries; typing never adds to it.
        fields_[i]->setInsertPolicy(QComboBox::NoInsert);
        fields_[i]->setMinimumContentsLength(14);
        fields_[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        labels[i]->setBuddy(fields_[i]);
    }
    fields_[kFieldProjectTitle]->setMinimumContentsLength(40);
    for (int numeric : {kFieldElevation, kFieldLatitude, kFieldLongitude})
        NoInlineCompletion(fields_[numeric]);

    auto* lblMain = new QLabel(QStringLiteral("Enter Project Information:"), this);
    lblMain->setObjectName(QStringLiteral("LblMain"));
    QFont hf = lblMain->font();
    hf.setPointSize(hf.pointSize() + 3);
    hf.setBold(true);
    lblMain->setFont(hf);
    auto* lblGps = new QLabel(QStringLiteral("GPS Data"), this);
    lblGps->setObjectName(QStringLiteral("LblGPS"));
    QFont gf = lblGps->font();
    gf.setBold(true);
    lblGps->setFont(gf);
    auto* lblComment = new QLabel(QStringLiteral("Comments"), this);
    lblComment->setObjectName(QStringLiteral("LblComment"));
    comment_ = new QPlainTextEdit(this);
    comment_->setObjectName(QStringLiteral("TxtComment"));
    comment_->setTabChangesFocus(true);
    comment_->setMinimumHeight(90);
    lblComment->setBuddy(comment_);

    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("CmdOK"));
    // No default button: Enter in a field does nothing (a dialog would otherwise
    // make Cancel its default), Enter on a focused button presses it.
    cmdOk->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    // Rows: date (right); number and company; title; CPT no; station and
    // offset; elevation and struct no; GPS: latitude and longitude; comments.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    auto put = [&](int field, int row, int col, int span = 1) {
        grid->addWidget(labels[field], row, col, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(fields_[field], row, col + 1, 1, span);
    };
    grid->addWidget(lblMain, 0, 0, 1, 2);
    put(kFieldDate, 0, 2);
    put(kFieldProjectNumber, 1, 0);
    put(kFieldCompany, 1, 2);
    put(kFieldProjectTitle, 2, 0, 3);
    put(kFieldCptNo, 3, 0);
    put(kFieldStation, 4, 0);
    put(kFieldOffset, 4, 2);
    put(kFieldElevation, 5, 0);
    put(kFieldStructNo, 5, 2);
    grid->addWidget(lblGps, 6, 0, 1, 4);
    put(kFieldLatitude, 7, 0);
    put(kFieldLongitude, 7, 2);
    grid->addWidget(lblComment, 8, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(comment_, 8, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdOk);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);

    const int tabOrder[] = {kFieldDate,     kFieldProjectNumber, kFieldCompany,  kFieldProjectTitle,
                            kFieldCptNo,    kFieldStation,       kFieldOffset,   kFieldElevation,
                            kFieldStructNo, kFieldLatitude,      kFieldLongitude};
    QWidget* previous = nullptr;
    for (int field : tabOrder) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, fields_[field]);
        previous = fields_[field];
    }
    QWidget::setTabOrder(previous, comment_);
    QWidget::setTabOrder(comment_, cmdCancel);
    QWidget::setTabOrder(cmdCancel, cmdOk);

    connect(cmdOk, &QPushButton::clicked, this, &Frm_Titles::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &Frm_Titles::reject);

    ClickFocusedButtonOnEnter(this);
    Load();
    resize(sizeHint().expandedTo(QSize(760, 520)));
}

void Frm_Titles::Load()
{
    const QDate today = QDate::currentDate();
    loaded_ = LoadTitleFields(project_, DateText(today.year(), today.month(), today.day()));
    const TitleFields& f = loaded_;
    for (int i = 0; i < kTitleFieldCount; ++i) {
        QComboBox* box = fields_[i];
        box->clear();
        for (const std::string& item : f.lists[i])
            box->addItem(Q(item));
        // Adding the first item selects it; the field keeps its own text.
        box->setCurrentIndex(-1);
        box->setEditText(Q(f.texts[i]));
    }
    comment_->setPlainText(ForDisplay(f.comments));
}

TitleTexts Frm_Titles::Texts() const
{
    TitleTexts t;
    for (int i = 0; i < kTitleFieldCount; ++i) {
        std::vector<std::string> shownFrom = loaded_.lists[i];
        shownFrom.insert(shownFrom.begin(), loaded_.texts[i]);
        t[i] = ProjectTextBytes(fields_[i]->currentText(), shownFrom);
    }
    return t;
}

void Frm_Titles::accept()
{
    // The title lines of the data file as the file holds them, unless edited.
    const QString comments = comment_->toPlainText();
    const std::string commentBytes =
        comments == ForDisplay(loaded_.comments) ? loaded_.comments : FromDisplay(comments);
    const TitlesStore result = StoreTitleFields(project_, Texts(), commentBytes);
    if (!result.ok) {
        dialogs_.ShowMessage(this, result.message);
        fields_[result.focusField]->setFocus();
        fields_[result.focusField]->lineEdit()->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace quarvex
