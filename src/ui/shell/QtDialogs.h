#pragma once
// The dialogs of the running program: Qt's message boxes, file dialogs and the
// print dialog (which offers PDF files as well as printers).

#include "ui/shell/Dialogs.h"

namespace quarvex {

class QtDialogs : public Dialogs {
public:
    MsgAnswer ShowMessage(QWidget* parent, const Message& message) override;
    std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) override;
    std::optional<QString> SaveFile(QWidget* parent, const SaveFileRequest& request) override;
    bool Print(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};

// A filter as Qt's file dialogs match it: "*.*" becomes "*" (files without an
// extension count as well) and "; " between patterns becomes a blank.
QString QtFileFilter(const QString& filter);

} // namespace quarvex
