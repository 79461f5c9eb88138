#pragma once
// A scripted stand-in for the dialogs, for screen tests: records every message
// and answers with what the test queued (Yes/No answers, file names, a PDF path).

#include "ui/shell/Dialogs.h"

#include <deque>
#include <vector>

namespace quarvex {

class FakeDialogs : public Dialogs {
public:
    MsgAnswer ShowMessage(QWidget* parent, const Message& message) override;
    std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) override;
    std::optional<QString> SaveFile(QWidget* parent, const SaveFileRequest& request) override;
    bool Print(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;

    // Every message shown so far, in order.
    std::vector<Message> messages;
    // Answers for Yes/No boxes, used in order; Yes/No boxes answer No when empty.
    std::deque<MsgAnswer> answers;
    // Results of the open and save dialogs, used in order; nothing = cancelled.
    std::deque<std::optional<QString>> openResults;
    std::deque<std::optional<QString>> saveResults;
    std::vector<OpenFileRequest> openRequests;
    std::vector<SaveFileRequest> saveRequests;
    // When set, Print writes a PDF here; when empty, Print counts as cancelled.
    QString pdfPath;
    int printCount = 0;

    // Called while a message is "on screen" (before ShowMessage returns), so a
    // test can look at the windows as they are at that moment.
    std::function<void(const Message&)> onMessage;
};

} // namespace quarvex
