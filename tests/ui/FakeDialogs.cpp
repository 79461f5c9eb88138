#include "ui/FakeDialogs.h"

#include <QPrinter>

namespace quarvex {

namespace {

// The next scripted answer; nothing (cancelled) when none is left. The name is
// taken out as a plain QString: copying the optional itself draws a false
// "may be used uninitialized" from GCC 12 at -O3.
std::optional<QString> TakeFront(std::deque<std::optional<QString>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    const bool cancelled = !queue.front().has_value();
    QString name = cancelled ? QString() : std::move(*queue.front());
    queue.pop_front();
    if (cancelled)
        return std::nullopt;
    return name;
}

} // namespace

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
    return TakeFront(openResults);
}

std::optional<QString> FakeDialogs::SaveFile(QWidget*, const SaveFileRequest& request)
{
    saveRequests.push_back(request);
    return TakeFront(saveResults);
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
