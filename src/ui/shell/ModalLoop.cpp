#include "ui/shell/ModalLoop.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace quarvex {

namespace {

// The screens live on the GUI thread only, and so does this bookkeeping.
int modalDepth = 0;

QList<QPointer<QObject>>& Pending()
{
    static QList<QPointer<QObject>> pending;
    return pending;
}

} // namespace

ModalLoop::ModalLoop()
{
    ++modalDepth;
}

ModalLoop::~ModalLoop()
{
    if (--modalDepth > 0)
        return;
    // Called here, after the wait has returned, the deletion happens in the
    // loop that opened the modal window, once the code waiting on it is done.
    const QList<QPointer<QObject>> pending = std::exchange(Pending(), {});
    for (const QPointer<QObject>& o : pending)
        if (o != nullptr)
            o->deleteLater();
}

bool ModalLoop::Running()
{
    return modalDepth > 0;
}

void DeleteWhenNoModalLoop(QObject* object)
{
    if (object == nullptr)
        return;
    if (!ModalLoop::Running()) {
        object->deleteLater();
        return;
    }
    Pending().append(QPointer<QObject>(object));
}

bool BlockedByModalWindow(const QWidget* button)
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || button == nullptr)
        return modal != nullptr;
    return modal != button->window();
}

} // namespace quarvex
