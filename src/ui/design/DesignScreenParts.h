#pragma once
// Small pieces the design and results screens share.

#include "project/Message.h"
#include "ui/shell/Dialogs.h"

class QWidget;

namespace quarvex {

// Shows a message through the dialogs and returns the answer.
MsgAnswer ShowMessage(Dialogs& dialogs, QWidget* parent, const Message& message);

// The busy cursor for the lifetime of the object.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The normal cursor while a modal window is up inside a busy stretch.
class NormalCursor {
public:
    NormalCursor();
    ~NormalCursor();
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;
};

} // namespace quarvex
