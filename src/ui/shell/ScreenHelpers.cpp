#include "ui/shell/ScreenHelpers.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace quarvex {

namespace {

class EnterClicksButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                auto* button = qobject_cast<QAbstractButton*>(watched);
                if (button != nullptr && button->isEnabled()) {
                    button->animateClick();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void SizeToScreen(QWidget* window, double widthFraction, double heightFraction)
{
    QScreen* screen = window->screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size(static_cast<int>(area.width() * widthFraction),
                     static_cast<int>(area.height() * heightFraction));
    window->resize(size);
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void ClickFocusedButtonOnEnter(QWidget* root)
{
    auto* filter = new EnterClicksButton(root);
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
        b->installEventFilter(filter);
}

QString SamplesDirectory()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        appDir + QStringLiteral("/../share/quarvex/samples"),
#ifdef QUARVEX_SOURCE_SAMPLES_DIR
        QStringLiteral(QUARVEX_SOURCE_SAMPLES_DIR),
#endif
        appDir + QStringLiteral("/../samples"),
        appDir + QStringLiteral("/../../samples"),
    };
    for (const QString& c : candidates) {
        const QDir d(c);
        if (d.exists())
            return d.canonicalPath();
    }
    return QString();
}

} // namespace quarvex
