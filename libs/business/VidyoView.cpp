#include "business/VidyoView.h"

VidyoView::VidyoView(QObject* parent)
    : BusinessViewBase(QStringLiteral("VidyoView"), parent)
{ }

void VidyoView::resetState()
{
    m_state = State();
}

void VidyoView::AcceptVidyo(const VidyoJsonTransferData& data, int type)
{
    command(QStringLiteral("AcceptVidyo"), data, type);
    m_state.vidyoingState = Vidyoing_InSession;
    m_state.lastAccepted = data;
}

void VidyoView::RejectVidyo(const VidyoJsonTransferData& data)
{
    command(QStringLiteral("RejectVidyo"), data);
    m_state.vidyoingState = Vidyoing_Idle;
}

void VidyoView::CloseVidyo(const QString& duration)
{
    command(QStringLiteral("CloseVidyo"), duration);
    m_state.vidyoingState = Vidyoing_Idle;
    m_state.playerView = 0;
    m_state.sharing = false;
}

void VidyoView::setPlayerWidget(void* view, const QRect& rect)
{
    command(QStringLiteral("setPlayerWidget"), view, rect);
    m_state.playerView = quintptr(view);
    m_state.rect = rect;
}

void VidyoView::SetRect(const QRect& rect)
{
    command(QStringLiteral("SetRect"), rect);
    m_state.rect = rect;
}

void VidyoView::SetCamera(bool on)
{
    command(QStringLiteral("SetCamera"), on);
    m_state.cameraOn = on;
}

void VidyoView::SetMuteAudioIn(bool mute, bool notify)
{
    command(QStringLiteral("SetMuteAudioIn"), mute, notify);
    m_state.microphoneMuted = mute;
}

void VidyoView::SetMuteAudioOut(bool mute)
{
    command(QStringLiteral("SetMuteAudioOut"), mute);
    m_state.speakerMuted = mute;
}

void VidyoView::StartShareScreen()
{
    command(QStringLiteral("StartShareScreen"));
}

void VidyoView::StopShareScreen()
{
    command(QStringLiteral("StopShareScreen"));
}

void VidyoView::startWhiteBoard()
{
    command(QStringLiteral("startWhiteBoard"));
}

void VidyoView::showInvitePersonWidget()
{
    command(QStringLiteral("showInvitePersonWidget"));
}

void VidyoView::muteAll()
{
    command(QStringLiteral("muteAll"));
    m_state.allMuted = true;
}

void VidyoView::unmuteAll()
{
    command(QStringLiteral("unmuteAll"));
    m_state.allMuted = false;
}

void VidyoView::muteOnePersonOnMuteOrOff(const QSharedPointer<AddressBookPerson>& person)
{
    command(QStringLiteral("muteOnePersonOnMuteOrOff"), person);
}

void VidyoView::removeOutMeeting(const QSharedPointer<AddressBookPerson>& person)
{
    command(QStringLiteral("removeOutMeeting"), person);
    if (person)
        m_state.invitedPersons.remove(person->account());
}

void VidyoView::dialPassword(const QString& key)
{
    command(QStringLiteral("dialPassword"), key);
    m_state.dialedPassword += key;
}

void VidyoView::resetVidyoingState()
{
    command(QStringLiteral("resetVidyoingState"));
    m_state.vidyoingState = Vidyoing_Idle;
}

QRect VidyoView::getRect() const
{
    query(QStringLiteral("getRect"));
    return m_state.rect;
}

int VidyoView::getVidyoingState() const
{
    query(QStringLiteral("getVidyoingState"));
    return m_state.vidyoingState;
}

QMap<QString, QSharedPointer<AddressBookPerson>> VidyoView::getInvitedPerson() const
{
    query(QStringLiteral("getInvitedPerson"));
    return m_state.invitedPersons;
}
