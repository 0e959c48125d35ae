#include "call/CallMediaControls.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "panels/MoreMenuChild.h"
#include "policy/CallPolicy.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
KP_BusinessView* business()
{
    return KP_BusinessView::instance();
}
VoipView* voipView()
{
    return business()->getVoipView();
}
} // namespace

CallMediaControls::CallMediaControls(const Agent_VoIPCallMsg* record, int settingsMode, const QString& windowName)
    : m_record(record)
    , m_settingsMode(settingsMode)
    , m_windowName(windowName)
{
    VoipView* voip = voipView();
    connect(voip, &VoipView::sig_onGetMuteStatus, this, &CallMediaControls::onGetMuteStatus);
    connect(voip, &VoipView::sig_OnSetMuteStatus, this, &CallMediaControls::onSetMuteStatus);
    connect(voip, &VoipView::sig_OnGetSpeakerStatus, this, &CallMediaControls::onGetSpeakerStatus);
    connect(voip, &VoipView::sig_OnSetSpeakerStatus, this, &CallMediaControls::onSetSpeakerStatus);
}

CallMediaControls::~CallMediaControls()
{
    // The dialog has no parent: it would outlive the call otherwise.
    delete m_settings.data();
}

void CallMediaControls::setMuteView(std::function<void(bool)> show)
{
    m_showMute = std::move(show);
}

void CallMediaControls::setSpeakerView(std::function<void(bool)> show)
{
    m_showSpeaker = std::move(show);
}

bool CallMediaControls::succeeded(int nReason, const char* function) const
{
    if (nReason == BusinessReason::DeviceSuccess)
        return true;
    AreaLog::call().LogInfo(QStringLiteral("CallMediaControls::%1 (%2) failed, reason %3")
                                .arg(QLatin1String(function), m_windowName)
                                .arg(nReason));
    return false;
}

void CallMediaControls::clickMute()
{
    voipView()->GetMuteStatus();
}

void CallMediaControls::onGetMuteStatus(bool mute)
{
    voipView()->SetMute(!mute);
}

void CallMediaControls::onSetMuteStatus(int nReason, bool mute)
{
    if (!succeeded(nReason, "onSetMuteStatus"))
        return;
    m_muted = mute;
    if (m_showMute)
        m_showMute(mute);
}

void CallMediaControls::clickSpeaker()
{
    voipView()->GetSpeakerStatus();
}

void CallMediaControls::onGetSpeakerStatus(int nReason, uint volume)
{
    if (succeeded(nReason, "onGetSpeakerStatus"))
        voipView()->SetSpeakerStatus(CallPolicy::speakerVolumeToSet(volume));
}

void CallMediaControls::onSetSpeakerStatus(int nReason, uint volume)
{
    if (succeeded(nReason, "onSetSpeakerStatus") && m_showSpeaker)
        m_showSpeaker(volume > 0);
}

void CallMediaControls::openWhiteBoard()
{
    WhiteBoardView* board = business()->getWhiteBoardView();
    if (board->isInMeeting()) {
        emit board->sig_showWhiteBoardMainWidget();
        board->wb_enterRoomAndSendMessage();
        return;
    }
    startWhiteBoardWithPeer();
}

void CallMediaControls::onMultimediaMessageAccept(int type)
{
    if (type != MULTIMEDIA_WHITEBOARD)
        return;
    business()->getWhiteBoardView()->wb_leaveRoom();
    startWhiteBoardWithPeer();
}

void CallMediaControls::startWhiteBoardWithPeer()
{
    voipView()->startWhiteBoard(peerAccount());
}

void CallMediaControls::openSettings()
{
    if (!m_settings)
        m_settings = new MoreMenuChild(nullptr, m_settingsMode);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_settings->move(CallPolicy::centredPosition(screen->availableGeometry(), m_settings->size()));
    m_settings->show();
}

QString CallMediaControls::peerAccount() const
{
    return CallPolicy::peerAccount(m_record->callerAccount, m_record->calleeAccount, currentUserAccount());
}

QString CallMediaControls::currentUserAccount()
{
    const QSharedPointer<AddressBookPerson> self = business()->getAddressBookView()->getCurUserAddressBook();
    return self ? self->account() : business()->getUserInfoView()->getCurUserAccount();
}
