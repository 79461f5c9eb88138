#include "ui/shell/ScreenHelpers.h"

#include "ui/shell/ModalLoop.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace quarvex {

namespace {

// The button shows pressed for a moment and then clicks, as Qt's animated
// click does; but the user may open a modal window in that moment (a toolbar
// shortcut, a file dialog), and a click landing under it would move screens
// the modal window's code still stands on. Such a click is dropped.
void AnimatedClick(QAbstractButton* button)
{
    constexpr int kPressedMs = 100;
    const char* const kPending = "quarvexClickPending";
    if (button->property(kPending).toBool())
        return;
    button->setProperty(kPending, true);
    button->setDown(true);
    QTimer::singleShot(kPressedMs, button, [b = QPointer<QAbstractButton>(button), kPending] {
        b->setProperty(kPending, false);
        b->setDown(false);
        if (b->isEnabled() && !BlockedByModalWindow(b))
            b->click();
    });
}

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
                    AnimatedClick(button);
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

void NoInlineCompletion(QComboBox* box)
{
    box->setCompleter(nullptr);
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
