#pragma once

#include "customui/kp_customui_global.h"

#include "customui/MoveWidget.h"

#include <memory>

class QButtonGroup;
class QTimer;

namespace Ui {
class ExtendDurationWidget;
}

// Offers the host to extend a conference that is about to end: 15, 30 (the
// default) or 60 more minutes. "Extend" answers sig_btn_extend_Yes(minutes);
// "No", the close button, Escape, or the countdown started by
// setTimerStatart running out answer sig_btn_extend_No(). Each answer is
// given once, and the offer hides; its owner deletes it. Closing it with
// close() withdraws the offer without an answer.
class KP_CUSTOMUI_EXPORT ExtendDurationWidget : public MoveWidget
{
    Q_OBJECT
public:
    static constexpr int CountdownSeconds = 60;

    explicit ExtendDurationWidget(QWidget* parent = nullptr);
    ~ExtendDurationWidget() override;

    // Starts (or restarts) the countdown, one tick a second.
    void setTimerStatart();

    int selectedMinutes() const;
    QTimer* countdownTimer() const { return m_timer; }

signals:
    void sig_btn_extend_Yes(int minutes);
    void sig_btn_extend_No();

public slots:
    void slot_onYes();
    void slot_onNo();
    void slot_onTick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateTip();
    void answer(int minutes);

    std::unique_ptr<Ui::ExtendDurationWidget> ui;
    QButtonGroup* m_choices = nullptr;
    QTimer* m_timer = nullptr;
    int m_remaining = CountdownSeconds;
    bool m_answered = false;
};
