#pragma once

#include "business/BusinessViewBase.h"

#include <QStringList>

// The whiteboard room.
class KP_BUSINESS_EXPORT WhiteBoardView : public BusinessViewBase
{
    Q_OBJECT
public:
    struct State
    {
        bool inMeeting = false; // the user is in a whiteboard room
        QString roomId;
    };

    explicit WhiteBoardView(QObject* parent = nullptr);

    State& state() { return m_state; }
    const State& state() const { return m_state; }
    void resetState() override;

    // --- commands ---
    void wb_enterRoomAndSendMessage();
    void wb_leaveRoom();
    void wb_createRoomAndInvite(const QStringList& accounts, int whiteBoardType, const QString& confId);

    // --- queries ---
    bool isInMeeting() const;

signals:
    void sig_showWhiteBoardMainWidget();
    void sig_closeWhiteBoardMainWidget();
    void sig_onDeleteRoom(int result);

private:
    State m_state;
};
