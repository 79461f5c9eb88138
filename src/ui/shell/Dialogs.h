#pragma once
// Everything a screen shows modally goes through this interface: message boxes,
// file dialogs and the printer. The program uses Qt's own dialogs; the screen
// tests use FakeDialogs, which records every message and answers as scripted.

#include "project/Message.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;
class QPrinter;

namespace quarvex {

struct OpenFileRequest {
    QString title;
    QStringList filters; // e.g. "All Files (*.*)", "ASCII Files (*.dat *.txt *.prn)"
    QString startDir;    // where the dialog opens
};

struct SaveFileRequest {
    QString title;
    QStringList filters;
    QString startDir;
    QString fileName; // the name offered in startDir; none when empty
    bool confirmOverwrite = true;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with the message's text, caption, icon, buttons and default.
    virtual MsgAnswer ShowMessage(QWidget* parent, const Message& message) = 0;

    // The chosen existing file, or nothing when the dialog was cancelled.
    virtual std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) = 0;

    // The chosen file name to write, or nothing when cancelled.
    virtual std::optional<QString> SaveFile(QWidget* parent, const SaveFileRequest& request) = 0;

    // Lets the user choose a printer (or a PDF file) and, unless cancelled, calls
    // paint with the ready printer. Returns false when cancelled.
    virtual bool Print(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

} // namespace quarvex
