#pragma once

#include "business/BusinessViewBase.h"
#include "business/CallRecords.h"

#include <QList>

// Chat messages. The business root holds two: getMsgCtrl() controls playback
// and sending, getMsgCtrlCb() reports what arrives (its signal is named
// slot_onUpdateConfMsg, as the client's callback object calls it).
class KP_BUSINESS_EXPORT ChatMsgControl : public BusinessViewBase
{
    Q_OBJECT
public:
    explicit ChatMsgControl(const QString& viewName, QObject* parent = nullptr);
    void resetState() override { }

signals:
    void sig_onCloseVoicePlay();
    void slot_onUpdateConfMsg(QString sessionId, QList<ChatMsgData> messages);
};
