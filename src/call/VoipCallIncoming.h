#pragma once

#include "business/CallRecords.h"
#include "customui/MoveWidget.h"

#include <QString>
#include <memory>

class QSound;
class QTimer;

namespace Ui {
class VoipCallIncoming;
}

// The always-on-top window in the bottom-right corner that announces an
// incoming one-to-one call, rings, and offers hang up and answer. A refusal or
// a time-out is told to the business library here; answering is the facade's.
class VoipCallIncoming : public MoveWidget
{
    Q_OBJECT

public:
    explicit VoipCallIncoming(QWidget* parent = nullptr);
    ~VoipCallIncoming() override;

    void setComingInfo(Agent_VoIPComingInfo info);
    Agent_VoIPComingInfo getComingInfo() const;

signals:
    void sig_AcceptCallIncoming(Agent_VoIPComingInfo info);
    void sig_ReleaseCallIncoming(Agent_VoIPComingInfo info);

public slots:
    void slot_OnAccept();
    void slot_OnRelease();
    void slot_OnNoResponse();
    void slot_CallingTimeOut();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Ends the ringing with the business reason and asks the facade to close the window.
    void release(int reason);
    void stopRinging();
    // False (and logged) once the call was answered, refused or timed out.
    bool takeOutcome(const char* what);

    std::unique_ptr<Ui::VoipCallIncoming> ui;
    int m_callType = 0;
    QString m_callId;
    QString m_callerAccount;
    QString m_callerName;
    QString m_extra;
    QTimer* m_ringTimer = nullptr;
    QSound* m_ringTone = nullptr;
    bool m_finished = false;
};
