#include "ui/FakeDialogs.h"

#include <QPrinter>

namespace quarvex {

MsgAnswer FakeDialogs::ShowMessage(QWidget*, const Message& message)
{
    messages.push_back(message);
    if (onMessage)
        onMessage(message);
    if (message.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (answers.empty())
        return MsgAnswer::No;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> FakeDialogs::OpenFile(QWidget*, const OpenFileRequest& request)
{
    openRequests.push_back(request);
    if (openResults.empty())
        return std::nullopt;
    auto r = openResults.front();
    openResults.pop_front();
    return r;
}

std::optional<QString> FakeDialogs::SaveFile(QWidget*, const SaveFileRequest& request)
{
    saveRequests.push_back(request);
    if (saveResults.empty())
        return std::nullopt;
    auto r = saveResults.front();
    saveResults.pop_front();
    return r;
}

bool FakeDialogs::Print(QWidget*, const std::function<void(QPrinter&)>& paint)
{
    if (pdfPath.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    paint(printer);
    ++printCount;
    return true;
}

} // namespace quarvex
