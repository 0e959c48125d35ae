#pragma once

#include <QWidget>
#include <memory>

class QTimer;

namespace Ui {
class RectangeTip;
}

// The countdown strip before the conference closes: "%1 second left
// conference will be close", once a second, until it hides. Its close button
// deletes it (owners keep a QPointer).
class RectangeTip : public QWidget
{
    Q_OBJECT

public:
    explicit RectangeTip(QWidget* parent = nullptr);
    ~RectangeTip() override;

    void startCountdown(int seconds);

    QString text() const;
    // Null until the first start.
    QTimer* countdownTimer() const { return m_timer; }

private slots:
    void slot_tick();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::RectangeTip> ui;
    QTimer* m_timer = nullptr;
    int m_secondsLeft;
};
