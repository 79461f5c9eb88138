#include "ui/shell/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
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
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(message.caption));
    box.setText(DisplayText(message.text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(BoxIcon(message.icon));
    if (message.buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(message.defaultNo ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

std::optional<QString> QtDialogs::OpenFile(QWidget* parent, const OpenFileRequest& request)
{
    QFileDialog dialog(parent, request.title, request.startDir);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = QtFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.first());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogs::SaveFile(QWidget* parent, const SaveFileRequest& request)
{
    QFileDialog dialog(parent, request.title, request.startDir);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = QtFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.first());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

bool QtDialogs::Print(QWidget* parent, const std::function<void(QPrinter&)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    // The dialog lists the printers and "Print to File (PDF)".
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}

} // namespace quarvex
