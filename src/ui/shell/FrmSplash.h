#pragma once
// The start-up window: shown while the program prepares its first screen, it
// goes away after 4800 ms or at the first click or key.

#include <QWidget>

class QLabel;
class QTimer;

namespace quarvex {

inline constexpr int kSplashMilliseconds = 4800;

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr);

    QTimer* Timer1() const { return timer_; }

signals:
    // The first click, key or the timer: the splash has done its work.
    void closeRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Finish();

    QTimer* timer_ = nullptr;
    bool finished_ = false;
};

// The cone picture of the splash, drawn here rather than taken from anywhere.
QPixmap DrawConePicture(int height);

} // namespace quarvex
