#pragma once

#include "business/ConferenceRecords.h"

#include <QWidget>
#include <memory>

class QTimer;

namespace Ui {
class NetworkWidget;
}

// The hover card under the conference title bar's network icon: quality level,
// delay, loss rates and bit rates. It hides by itself unless the mouse is on it.
class NetworkWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kFirstHideMs = 2000;
    static constexpr int kLeaveHideMs = 1500;

    explicit NetworkWidget(QWidget* parent = nullptr);
    ~NetworkWidget() override;

    // The figures of the statistics report: delay and losses (rates stay as they were).
    void setNetworkQuality(int rttMs, double sendLoss, double recvLoss);
    // Every figure of the business library's report.
    void setStatReports(const CS_StatReports& reports);

    // Shows the card with its top-left corner at the global position; it hides
    // after kFirstHideMs unless the mouse enters it.
    void showAt(const QPoint& globalTopLeft);

    // "h", "m", "l", or empty before any figure arrived.
    QString level() const { return m_level; }
    QTimer* hideTimer() const { return m_hideTimer; }

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void slot_hideTimeout();

    std::unique_ptr<Ui::NetworkWidget> ui;
    QTimer* m_hideTimer = nullptr;
    QString m_level;
};
