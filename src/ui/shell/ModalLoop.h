#pragma once
// Modal windows run a nested event loop. Anything that loop may do (a delayed
// click, a queued move between screens) must not delete a window whose code is
// still waiting for the modal window to return, nor the window that owns it.
// Every modal wait of the program is a ModalLoop scope; screens discarded while
// one runs are hidden at once and deleted when the outermost wait has returned.

class QObject;
class QWidget;

namespace quarvex {

class ModalLoop {
public:
    ModalLoop();
    ~ModalLoop();
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    // True while some modal wait of ours has not returned.
    static bool Running();
};

// Deletes the object later, but never inside a modal wait: while one runs the
// deletion waits until the outermost one has returned.
void DeleteWhenNoModalLoop(QObject* object);

// True when a click on this button would land under an open modal window
// (one that is not the button's own window): such a click must not act.
bool BlockedByModalWindow(const QWidget* button);

} // namespace quarvex
