#include "ui/design/DesignScreenParts.h"

#include <QCursor>
#include <QGuiApplication>

namespace quarvex {

MsgAnswer ShowMessage(Dialogs& dialogs, QWidget* parent, const Message& message)
{
    return dialogs.ShowMessage(parent, message);
}

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

NormalCursor::NormalCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

NormalCursor::~NormalCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace quarvex
