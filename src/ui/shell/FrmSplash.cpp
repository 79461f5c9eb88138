#include "ui/shell/FrmSplash.h"

#include "ui/shell/ScreenHelpers.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace quarvex {

QPixmap DrawConePicture(int height)
{
    const int h = std::max(height, 60);
    const int w = h / 3;
    QPixmap pix(w, h);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cx = w / 2.0;
    const qreal rodW = w * 0.34;
    const qreal bodyW = w * 0.56;
    const qreal tipH = h * 0.16;
    const qreal tipTop = h - tipH - 2;

    QLinearGradient steel(0, 0, w, 0);
    steel.setColorAt(0.0, QColor(90, 96, 104));
    steel.setColorAt(0.45, QColor(214, 220, 226));
    steel.setColorAt(1.0, QColor(80, 86, 94));
    p.setPen(QPen(QColor(40, 44, 50), 1.2));

    // push rod, friction sleeve, body and the 60-degree tip
    p.setBrush(steel);
    p.drawRect(QRectF(cx - rodW / 2, 2, rodW, h * 0.30));
    p.drawRect(QRectF(cx - bodyW / 2, h * 0.30, bodyW, h * 0.22));
    QLinearGradient sleeve(0, 0, w, 0);
    sleeve.setColorAt(0.0, QColor(150, 110, 40));
    sleeve.setColorAt(0.45, QColor(236, 196, 110));
    sleeve.setColorAt(1.0, QColor(140, 100, 36));
    p.setBrush(sleeve);
    p.drawRect(QRectF(cx - bodyW / 2, h * 0.52, bodyW, tipTop - h * 0.52));
    p.setBrush(steel);
    QPainterPath tip;
    tip.moveTo(cx - bodyW / 2, tipTop);
    tip.lineTo(cx + bodyW / 2, tipTop);
    tip.lineTo(cx, h - 2);
    tip.closeSubpath();
    p.drawPath(tip);
    return pix;
}

FrmSplash::FrmSplash(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmSplash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(236, 240, 246));
    setPalette(pal);
    SizeToScreen(this, 0.6, 0.6);

    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("Lbl_Title"));
    title->setText(QStringLiteral("VELMARE PILE DESIGN BY CONE PENETRATION TEST PROGRAM ") +
                   QStringLiteral("\r\n") + QString(25, QLatin1Char(' ')));
    QFont tf = title->font();
    tf.setPointSize(16);
    tf.setBold(true);
    title->setFont(tf);
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: #12306a;"));

    auto* version = new QLabel(QStringLiteral("Version 2.3  "), this);
    version->setObjectName(QStringLiteral("Lbl_Version"));
    QFont vf = version->font();
    vf.setPointSize(12);
    version->setFont(vf);
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* org = new QLabel(QStringLiteral("Quarvex Geotechnical Software"), this);
    org->setObjectName(QStringLiteral("Lbl_Ostrin"));
    QFont of = org->font();
    of.setPointSize(12);
    of.setItalic(true);
    org->setFont(of);
    org->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* cone = new QLabel(this);
    cone->setObjectName(QStringLiteral("ConeImage"));
    cone->setPixmap(DrawConePicture(std::max(120, height() / 2)));
    cone->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(32, 32, 32, 24);
    grid->addWidget(cone, 0, 0, 2, 1);
    grid->addWidget(title, 0, 1, 1, 2);
    grid->addWidget(org, 1, 1);
    grid->addWidget(version, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    // A coarse timer may fire up to 5 % early or late; the splash stays its
    // 4800 ms.
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(kSplashMilliseconds);
    connect(timer_, &QTimer::timeout, this, &FrmSplash::Finish);
}

void FrmSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The 4800 ms count from the moment the splash appears.
    if (!finished_ && !timer_->isActive())
        timer_->start();
    // A splash window is often not given the keyboard by the window manager:
    // any key the program receives while it is up counts as a key on it.
    if (!finished_)
        qApp->installEventFilter(this);
    activateWindow();
    setFocus();
}

bool FrmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !finished_) {
        Finish();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmSplash::mousePressEvent(QMouseEvent*)
{
    Finish();
}

void FrmSplash::keyPressEvent(QKeyEvent*)
{
    Finish();
}

void FrmSplash::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    timer_->stop();
    qApp->removeEventFilter(this);
    emit closeRequested();
}

} // namespace quarvex
