#include "business/WhiteBoardView.h"

WhiteBoardView::WhiteBoardView(QObject* parent)
    : BusinessViewBase(QStringLiteral("WhiteBoardView"), parent)
{ }

void WhiteBoardView::resetState()
{
    m_state = State();
}

void WhiteBoardView::wb_enterRoomAndSendMessage()
{
    command(QStringLiteral("wb_enterRoomAndSendMessage"));
}

void WhiteBoardView::wb_leaveRoom()
{
    command(QStringLiteral("wb_leaveRoom"));
    m_state.inMeeting = false;
    m_state.roomId.clear();
}

void WhiteBoardView::wb_createRoomAndInvite(const QStringList& accounts, int whiteBoardType, const QString& confId)
{
    command(QStringLiteral("wb_createRoomAndInvite"), accounts, whiteBoardType, confId);
}

bool WhiteBoardView::isInMeeting() const
{
    query(QStringLiteral("isInMeeting"));
    return m_state.inMeeting;
}
