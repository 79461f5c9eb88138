#pragma once
// Dialogs that put real message boxes on screen (each one runs its own nested
// event loop, as in the program) while file names come from a script, and a
// helper that acts from inside the loop of the next box and then closes it.

#include "ui/shell/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace quarvex::testing {

class RealBoxDialogs : public QtDialogs {
public:
    MsgAnswer ShowMessage(QWidget* parent, const Message& message) override
    {
        messages.push_back(message);
        return QtDialogs::ShowMessage(parent, message);
    }
    std::optional<QString> OpenFile(QWidget*, const OpenFileRequest&) override
    {
        if (openResults.empty())
            return std::nullopt;
        QString f = openResults.front();
        openResults.pop_front();
        return f;
    }
    std::optional<QString> SaveFile(QWidget*, const SaveFileRequest&) override { return std::nullopt; }
    bool Print(QWidget*, const std::function<void(QPrinter&)>&) override { return false; }

    std::vector<Message> messages;
    std::deque<QString> openResults;
};

inline QMessageBox* OpenMessageBox()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible())
            return box;
    return nullptr;
}

// Once the next message box is up, waits `afterMs` inside its loop, runs
// `step` and presses the box's first button (if the box is still there).
inline void InsideNextBox(int afterMs, std::function<void()> step)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, afterMs, step = std::move(step)] {
        if (OpenMessageBox() == nullptr)
            return;
        poll->stop();
        poll->deleteLater();
        QTimer::singleShot(afterMs, [step] {
            step();
            if (QMessageBox* box = OpenMessageBox())
                box->buttons().first()->click();
        });
    });
    poll->start();
}

} // namespace quarvex::testing
