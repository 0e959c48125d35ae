#pragma once

#include "conference/ConferenceBubble.h"

#include <QString>
#include <memory>

class QTimer;
namespace Ui {
class WorkbenchWgt;
}

// The host's work bench above the toolbar: polling with its period, the
// conference lock, the sharing lock and the two device pages. The locks only
// ask; their switches follow what the window reports back.
class WorkbenchWgt : public ConferenceBubble
{
    Q_OBJECT

public:
    // A second click on a switch within this time is refused with a tip.
    static constexpr int kGuardMs = 2000;
    enum Guard { PollingGuard, ConferenceLockGuard, ShareLockGuard };
    // The guards' clocks, one per switch and shared by the process: armed
    // while active, whether or not the work bench that armed them still lives.
    static QTimer* guardTimer(Guard guard);

    explicit WorkbenchWgt(QWidget* parent = nullptr);
    ~WorkbenchWgt() override;

    void setPolling(bool on);
    void setConferenceLock(bool on);
    void setShareLock(bool on);

signals:
    void sig_audio_setting_clicked();
    void sig_video_setting_clicked();
    void sig_poolling(bool bPoolling, QString sTime);
    void sig_confLock(bool bLock);
    void sig_shareLock(bool bLock);

protected:
    bool keepsOpenFor(const QWidget* active) const override;

private slots:
    void on_btn_audio_setting_clicked();
    void on_btn_video_setting_clicked();
    void on_btn_polling_clicked();
    void on_btn_lock_conf_clicked();
    void on_btn_share_lock_clicked();

private:
    std::unique_ptr<Ui::WorkbenchWgt> ui;
    bool m_polling = false;
    bool m_conferenceLock = false;
    bool m_shareLock = false;
};
