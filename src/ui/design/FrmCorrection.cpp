#include "ui/design/FrmCorrection.h"

#include "ui/design/DesignScreenParts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quarvex {

namespace {

// Column 0 numbers the rows; columns 1..4 are the cells of a range.
const char* const kHeaders[] = {"No.", " Depth From     ", " Depth To       ", " End Bearing Factor  ",
                                "Frictional capacity Factor"};

const QColor kLightYellow(255, 255, 192);

} // namespace

FrmCorrection::FrmCorrection(Project& project, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), p_(project), dialogs_(dialogs), form_(project)
{
    setObjectName("FrmCorrection");
    setWindowTitle("Correction Factor");

    auto* frame1 = new QGroupBox("Correction Factor", this);
    frame1->setObjectName("Frame1");
    optWhole_ = new QRadioButton("End Bearing", frame1);
    optWhole_->setObjectName("CorrectionOption(0)");
    endText_ = new QLineEdit(frame1);
    endText_->setObjectName("EndText");
    auto* friLabel = new QLabel("Frictional Capacity", frame1);
    friLabel->setObjectName("FrictionalLabel");
    friText_ = new QLineEdit(frame1);
    friText_->setObjectName("FriText");
    auto* g1 = new QGridLayout(frame1);
    g1->addWidget(optWhole_, 0, 0);
    g1->addWidget(endText_, 0, 1);
    g1->addWidget(friLabel, 1, 0);
    g1->addWidget(friText_, 1, 1);

    auto* frame2 = new QGroupBox("Select Soil Layers", this);
    frame2->setObjectName("Frame2");
    optTable_ = new QRadioButton("Soil Layers", frame2);
    optTable_->setObjectName("CorrectionOption(1)");
    comboSoil_ = new QComboBox(frame2);
    comboSoil_->setObjectName("ComboSoil");
    for (int i = 1; i <= kMaxCorrectionRows; ++i)
        comboSoil_->addItem(QString::number(i));
    grid_ = new QTableWidget(0, 5, frame2);
    grid_->setObjectName("MSHFlexGrid1");
    QStringList headers;
    for (const char* h : kHeaders)
        headers << QString::fromLatin1(h);
    grid_->setHorizontalHeaderLabels(headers);
    grid_->verticalHeader()->setVisible(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setColumnWidth(0, 40);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->installEventFilter(this);
    cellEditor_ = new QLineEdit(grid_->viewport());
    cellEditor_->setObjectName("txtFlexGridCell");
    cellEditor_->hide();
    cellEditor_->installEventFilter(this);
    auto* g2 = new QGridLayout(frame2);
    g2->addWidget(optTable_, 0, 0);
    g2->addWidget(comboSoil_, 0, 1);
    g2->addWidget(grid_, 1, 0, 1, 3);
    g2->setColumnStretch(2, 1);

    submit_ = new QPushButton("Submit", this);
    submit_->setObjectName("Command2");
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("Command1");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(submit_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2, 1);
    layout->addLayout(buttons);
    resize(620, 460);

    connect(optWhole_, &QRadioButton::clicked, this, [this] { OnOption(0); });
    connect(optTable_, &QRadioButton::clicked, this, [this] { OnOption(1); });
    connect(endText_, &QLineEdit::textEdited, this,
            [this](const QString& t) { form_.SetEndText(t.toStdString()); });
    connect(friText_, &QLineEdit::textEdited, this,
            [this](const QString& t) { form_.SetFriText(t.toStdString()); });
    connect(comboSoil_, &QComboBox::activated, this, &FrmCorrection::OnRowCount);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int r, int c) { EditCell(r + 1, c); });
    connect(cellEditor_, &QLineEdit::textChanged, this, &FrmCorrection::OnEditorChanged);
    connect(submit_, &QPushButton::clicked, this, &FrmCorrection::OnSubmit);
    connect(cancel_, &QPushButton::clicked, this, &FrmCorrection::OnCancel);

    form_.Load();
    Refresh();
}

void FrmCorrection::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    // Over the middle of the screen, where the results it corrects are.
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

void FrmCorrection::Refresh()
{
    const QSignalBlocker b1(optWhole_), b2(optTable_), b3(comboSoil_), b4(endText_), b5(friText_);
    optWhole_->setChecked(form_.Option() == 0);
    optTable_->setChecked(form_.Option() == 1);
    endText_->setText(QString::fromStdString(form_.EndText()));
    friText_->setText(QString::fromStdString(form_.FriText()));
    endText_->setEnabled(form_.FactorsEnabled());
    friText_->setEnabled(form_.FactorsEnabled());
    comboSoil_->setEnabled(form_.TableEnabled());
    grid_->setEnabled(form_.TableEnabled());
    cellEditor_->setEnabled(form_.TableEnabled());
    if (!form_.TableEnabled())
        cellEditor_->hide();
    const int index = comboSoil_->findText(QString::fromStdString(form_.ComboText()));
    comboSoil_->setCurrentIndex(index);
    RefreshTable();
}

void FrmCorrection::RefreshTable()
{
    const int rows = form_.RowCount();
    grid_->setRowCount(rows);
    for (int r = 1; r <= rows; ++r) {
        auto* number = new QTableWidgetItem(QString::number(r));
        number->setFlags(Qt::ItemIsEnabled);
        number->setBackground(palette().button());
        grid_->setItem(r - 1, 0, number);
        for (int c = 1; c <= 4; ++c) {
            QTableWidgetItem* item = grid_->item(r - 1, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                grid_->setItem(r - 1, c, item);
            }
            item->setText(QString::fromStdString(form_.Cell(r, c)));
        }
    }
    if (editRow_ > rows) {
        cellEditor_->hide();
        editRow_ = editColumn_ = -1;
    }
}

void FrmCorrection::SetTableHighlight(bool on)
{
    QPalette pal = grid_->palette();
    pal.setColor(QPalette::Base, on ? kLightYellow : palette().color(QPalette::Base));
    grid_->setPalette(pal);
}

void FrmCorrection::OnOption(int n)
{
    form_.ClickOption(n);
    Refresh();
}

void FrmCorrection::OnRowCount(int index)
{
    if (auto m = form_.ChooseRowCount(comboSoil_->itemText(index).toStdString())) {
        ShowMessage(dialogs_, this, *m);
        return;
    }
    Refresh();
    SetTableHighlight(true);
}

void FrmCorrection::EditCell(int row, int column)
{
    if (!cellEditor_->isEnabled() || row < 1 || row > form_.RowCount() || column < 1 || column > 4)
        return;
    editRow_ = row;
    editColumn_ = column;
    grid_->setCurrentCell(row - 1, column);
    const QRect cell = grid_->visualRect(grid_->model()->index(row - 1, column));
    cellEditor_->setGeometry(cell.adjusted(1, 1, -1, -1));
    loadingCell_ = true;
    cellEditor_->setText(QString::fromStdString(form_.Cell(row, column)));
    loadingCell_ = false;
    cellEditor_->show();
    cellEditor_->selectAll();
    cellEditor_->setFocus();
}

void FrmCorrection::OnEditorChanged(const QString& text)
{
    if (loadingCell_ || editRow_ < 1)
        return;
    if (form_.SetCell(editRow_, editColumn_, text.toStdString())) {
        if (QTableWidgetItem* item = grid_->item(editRow_ - 1, editColumn_))
            item->setText(text);
    }
}

void FrmCorrection::MoveEditor(int rowStep, int columnStep)
{
    int row = editRow_;
    int column = editColumn_ + columnStep;
    if (column > 4) {
        column = 1;
        ++row;
    } else if (column < 1) {
        column = 4;
        --row;
    }
    row += rowStep;
    if (row < 1 || row > form_.RowCount()) {
        cellEditor_->hide();
        grid_->setFocus();
        return;
    }
    EditCell(row, column);
}

bool FrmCorrection::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cellEditor_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            MoveEditor(0, 1);
            return true;
        case Qt::Key_Backtab:
            MoveEditor(0, -1);
            return true;
        case Qt::Key_Down:
            MoveEditor(1, 0);
            return true;
        case Qt::Key_Up:
            MoveEditor(-1, 0);
            return true;
        case Qt::Key_Escape:
            cellEditor_->hide();
            grid_->setFocus();
            return true;
        default:
            break;
        }
    }
    if (watched == cellEditor_ && event->type() == QEvent::FocusOut) {
        // Leaving the editor keeps what was typed; it has been written already.
        if (QApplication::focusWidget() != cellEditor_)
            cellEditor_->hide();
    }
    if (watched == grid_) {
        if (event->type() == QEvent::FocusIn)
            SetTableHighlight(true);
        else if (event->type() == QEvent::FocusOut && QApplication::focusWidget() != cellEditor_)
            SetTableHighlight(false);
        else if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_F2) {
                EditCell(grid_->currentRow() + 1, std::max(1, grid_->currentColumn()));
                return true;
            }
            // Typing on a cell starts its entry afresh with what was typed.
            const QString typed = key->text();
            if (!typed.isEmpty() && typed.at(0).isPrint() && grid_->currentRow() >= 0) {
                EditCell(grid_->currentRow() + 1, std::max(1, grid_->currentColumn()));
                if (cellEditor_->isVisible())
                    cellEditor_->setText(typed);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmCorrection::OnSubmit()
{
    if (auto m = form_.Submit()) {
        ShowMessage(dialogs_, this, *m);
        return;
    }
    done_ = true;
    close();
    emit correctionsApplied();
}

void FrmCorrection::OnCancel()
{
    form_.Cancel();
    done_ = true;
    close();
}

void FrmCorrection::closeEvent(QCloseEvent* event)
{
    if (!done_) {
        form_.Cancel();
        done_ = true;
    }
    event->accept();
}

} // namespace quarvex
