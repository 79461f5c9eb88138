#include "ui/shell/QtDialogs.h"

#include "ui/shell/ModalLoop.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace quarvex {

namespace {

QString DisplayText(const std::string& text)
{
    // Message texts carry CR LF line ends; a label wants plain line feeds.
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QMessageBox::Icon BoxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Every dialog lives on the heap behind a guard: a nested loop may delete the
// parent (and with it the dialog) while the dialog waits, and a dialog on the
// stack would then be freed twice.
template <class D> int Wait(const QPointer<D>& dialog)
{
    const ModalLoop loop;
    return dialog->exec();
}

std::optional<QString> ChosenFile(QPointer<QFileDialog> dialog)
{
    const bool accepted = Wait(dialog) == QDialog::Accepted;
    std::optional<QString> chosen;
    if (accepted && dialog != nullptr && !dialog->selectedFiles().isEmpty())
        chosen = dialog->selectedFiles().first();
    delete dialog.data();
    return chosen;
}

QStringList QtFilters(const QStringList& filters)
{
    QStringList out;
    for (const QString& f : filters)
        out << QtFileFilter(f);
    return out;
}

} // namespace

QString QtFileFilter(const QString& filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return filter;
    QString patterns = filter.mid(open + 1, close - open - 1);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QStringList list = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& p : list) {
        if (p == QLatin1String("*.*"))
            p = QStringLiteral("*");
    }
    return filter.left(open + 1) + list.join(QLatin1Char(' ')) + filter.mid(close);
}

MsgAnswer QtDialogs::ShowMessage(QWidget* parent, const Message& message)
{
    QPointer<QMessageBox> box = new QMessageBox(parent);
    box->setWindowTitle(QString::fromStdString(message.caption));
    box->setText(DisplayText(message.text));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(BoxIcon(message.icon));
    const bool yesNo = message.buttons == MsgButtons::YesNo;
    if (yesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(message.defaultNo ? QMessageBox::No : QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
    }
    const int result = Wait(box);
    delete box.data();
    if (!yesNo)
        return MsgAnswer::Ok;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

std::optional<QString> QtDialogs::OpenFile(QWidget* parent, const OpenFileRequest& request)
{
    QPointer<QFileDialog> dialog = new QFileDialog(parent, request.title, request.startDir);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = QtFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        dialog->selectNameFilter(filters.first());
    }
    return ChosenFile(dialog);
}

std::optional<QString> QtDialogs::SaveFile(QWidget* parent, const SaveFileRequest& request)
{
    QPointer<QFileDialog> dialog = new QFileDialog(parent, request.title, request.startDir);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    if (!request.confirmOverwrite)
        dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = QtFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        dialog->selectNameFilter(filters.first());
    }
    if (!request.fileName.isEmpty())
        dialog->selectFile(request.fileName);
    return ChosenFile(dialog);
}

bool QtDialogs::Print(QWidget* parent, const std::function<void(QPrinter&)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, parent);
    dialog->setWindowTitle(QStringLiteral("Print"));
    // The dialog lists the printers and "Print to File (PDF)".
    dialog->setOption(QAbstractPrintDialog::PrintToFile, true);
    const bool accepted = Wait(dialog) == QDialog::Accepted && dialog != nullptr;
    delete dialog.data();
    if (!accepted)
        return false;
    paint(printer);
    return true;
}

} // namespace quarvex
