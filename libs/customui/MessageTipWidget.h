#pragma once

#include "customui/kp_customui_global.h"

#include "customui/MoveWidget.h"

#include <memory>

namespace Ui {
class MessageTipWidget;
}

// A reminder in the bottom-right corner of the screen, above the task bar:
// a booked conference is about to start. It stays until the user dismisses
// it ("Got it", the close button or Escape); it is only hidden, so its owner
// can fill and show it again.
class KP_CUSTOMUI_EXPORT MessageTipWidget : public MoveWidget
{
    Q_OBJECT
public:
    enum MessageType {
        Tip_ReserveReminder = 1, // a booked conference starts soon
    };

    explicit MessageTipWidget(QWidget* parent = nullptr);
    ~MessageTipWidget() override;

    void setMessageType(int type);
    int messageType() const { return m_type; }

    // startTime in seconds since the epoch (milliseconds are recognised by
    // their size); 0 or less means not fixed yet.
    void setConfInfo(const QString& confId, const QString& subject, qint64 startTime);

    // The start time as shown ("yyyy-MM-dd hh:mm", local time).
    static QString startTimeText(qint64 startTime);

    // Places the reminder in the bottom-right corner and shows it on top.
    void bottomTipShow();

signals:
    void sig_closed(QString confId);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::MessageTipWidget> ui;
    int m_type = Tip_ReserveReminder;
    QString m_confId;
};
