#include "ui/design/FrmSoilLayers.h"

#include "ui/design/DesignScreenParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quarvex {

FrmSoilLayers::FrmSoilLayers(Project& project, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), entry_(project)
{
    setObjectName("FrmSoilLayers");
    setWindowTitle("Soil Layers");
    setModal(true);

    auto* title = new QLabel("Select Soil Layers from Cone Graphs", this);
    title->setObjectName("LblTitle");
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    title->setFont(big);
    auto* noLayers = new QLabel("Total Number of Soil Layers", this);
    noLayers->setObjectName("LblNoLayers");
    count_ = new QComboBox(this);
    count_->setObjectName("CombNumLayers");

    auto* grid = new QGridLayout;
    grid->addWidget(noLayers, 0, 0);
    grid->addWidget(count_, 0, 1);
    for (int j = 0; j < 2; ++j) {
        labels_[j] = new QLabel(this);
        labels_[j]->setObjectName(QString("LblElev(%1)").arg(j));
        boxes_[j] = new QLineEdit(this);
        boxes_[j]->setObjectName(QString("TxtElev(%1)").arg(j));
        units_[j] = new QLabel(this);
        units_[j]->setObjectName(QString("LblUnit(%1)").arg(j));
        grid->addWidget(labels_[j], j + 1, 0);
        grid->addWidget(boxes_[j], j + 1, 1);
        grid->addWidget(units_[j], j + 1, 2);
        connect(boxes_[j], &QLineEdit::textEdited, this, [this, j](const QString& text) {
            entry_.TypeText(j, text.toStdString());
            Refresh();
        });
    }

    const char* captions[] = {"Back", "Next", "Done", "Cancel"};
    auto* row = new QHBoxLayout;
    for (int b = 0; b < 4; ++b) {
        buttons_[b] = new QPushButton(captions[b], this);
        buttons_[b]->setObjectName(QString("CmdButton(%1)").arg(b));
        buttons_[b]->setAutoDefault(false);
        row->addWidget(buttons_[b]);
        connect(buttons_[b], &QPushButton::clicked, this, [this, b] { OnButton(b); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(row);

    // Load: only Cancel, the list of counts, no boxes yet.
    entry_.Load();
    for (int i = 1; i <= kMaxLayerChoice; ++i)
        count_->addItem(QString::number(i));
    count_->setCurrentIndex(-1);
    connect(count_, &QComboBox::activated, this, &FrmSoilLayers::OnCount);
    Refresh();
}

void FrmSoilLayers::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // At the right edge of the screen, vertically centred.
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        const int margin = 17; // about 250 twips
        move(area.right() - frameGeometry().width() - margin,
             area.top() + (area.height() - frameGeometry().height()) / 2);
    }
}

void FrmSoilLayers::Refresh()
{
    for (int b = 0; b < 4; ++b)
        buttons_[b]->setEnabled(entry_.ButtonEnabled(b));
    for (int j = 0; j < 2; ++j) {
        const bool visible = entry_.BoxesVisible();
        labels_[j]->setVisible(visible);
        boxes_[j]->setVisible(visible);
        units_[j]->setVisible(visible);
        labels_[j]->setText(QString::fromStdString(entry_.LabelText(j)));
        units_[j]->setText(QString::fromStdString(entry_.UnitText()));
        const QString text = QString::fromStdString(entry_.BoxText(j));
        if (boxes_[j]->text() != text)
            boxes_[j]->setText(text);
        boxes_[j]->setEnabled(entry_.BoxEnabled(j));
    }
}

void FrmSoilLayers::OnCount(int index)
{
    entry_.SelectNumLayers(index + 1);
    Refresh();
}

void FrmSoilLayers::OnButton(int b)
{
    std::optional<Message> message;
    switch (b) {
    case SoilLayerEntry::Back:
        entry_.PressBack();
        break;
    case SoilLayerEntry::Next:
        message = entry_.PressNext();
        break;
    case SoilLayerEntry::Done:
        message = entry_.PressDone();
        break;
    default:
        entry_.PressCancel();
        break;
    }
    Refresh();
    if (message)
        ShowMessage(dialogs_, this, *message);
    const int focus = entry_.FocusBox();
    if (focus == 0 || focus == 1)
        boxes_[focus]->setFocus();
    if (entry_.State() == SoilLayerEntry::Outcome::Done)
        accept();
    else if (entry_.State() == SoilLayerEntry::Outcome::Cancelled)
        reject();
}

} // namespace quarvex
