#pragma once

#include <QWidget>
#include <memory>

class QTimer;

namespace Ui {
class DebugForStatisticsWdg;
}

// Developer window: asks the conference for media statistics at a settable
// interval (1 to 20 s) and lists the last reports. Deleted on close.
class DebugForStatisticsWdg : public QWidget
{
    Q_OBJECT

public:
    explicit DebugForStatisticsWdg(QWidget* parent = nullptr);
    ~DebugForStatisticsWdg() override;

    QTimer* pollTimer() const { return m_timer; }
    // The report counter shared by every such window (1 when empty).
    static int reportCounter();

private slots:
    void on_btn_settingTime_clicked();
    void on_btn_start_clicked();
    void on_btn_stop_clicked();

public slots:
    void slot_timeout();
    void slot_onStatisticsInfo(QString jsonString);

private:
    std::unique_ptr<Ui::DebugForStatisticsWdg> ui;
    QTimer* m_timer = nullptr;
    int m_intervalMs;
};
