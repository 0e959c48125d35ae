#include "call/VoipCallIncoming.h"

#include "ui_VoipCallIncoming.h"

#include "business/KP_BusinessView.h"
#include "call/CallWindowKeys.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpRingTone.h"
#include "customui/ScreenScale.h"
#include "policy/CallPolicy.h"
#include "util/KPFilePathMgr.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

namespace {
VoipView* voipView()
{
    return KP_BusinessView::instance()->getVoipView();
}
} // namespace

VoipCallIncoming::VoipCallIncoming(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::VoipCallIncoming)
{
    ui->setupUi(this);
    setStyleSheet(AreaStyle::read(QStringLiteral("call.qss")));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);

    // Children rather than plain members so that tests can find them by name.
    m_ringTimer = new QTimer(this);
    m_ringTimer->setObjectName(QStringLiteral("ringTimer"));
    m_ringTimer->setSingleShot(true);
    m_ringTone = new KpRingTone(KPFilePathMgr::instance()->getAppPath() + QStringLiteral("Ring.wav"), this);
    m_ringTone->setObjectName(QStringLiteral("ringTone"));

    connect(ui->pushButton_accept, &QPushButton::clicked, this, &VoipCallIncoming::slot_OnAccept);
    connect(ui->pushButton_release, &QPushButton::clicked, this, &VoipCallIncoming::slot_OnRelease);
    connect(m_ringTimer, &QTimer::timeout, this, &VoipCallIncoming::slot_CallingTimeOut);
    connect(voipView(), &VoipView::sig_RejectCallIncoming, this, &VoipCallIncoming::slot_OnRelease);

    ui->label_name->setFont(KP_UI_UTIL::getFontScale(16, false));
    ui->label_notice->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->pushButton_accept->setFont(KP_UI_UTIL::getFontScale(16, false));
    ui->pushButton_release->setFont(KP_UI_UTIL::getFontScale(16, false));
    ui->pushButton_accept->setBtnStyle(BtnStyle_Primary, true);
    ui->pushButton_release->setBtnStyle(BtnStyle_Secondary, true);

    m_ringTone->setLoops(CallPolicy::kRingLoops);
    // While this mark is set the facade opens neither a second incoming window nor an outgoing call.
    voipView()->SetVoipCallStatus(VoipView::CALL_MARK_INCOMING);
    ScreenScale::beginScale(this);
}

VoipCallIncoming::~VoipCallIncoming()
{
    stopRinging();
    voipView()->CancelVoipCallStatus(VoipView::CALL_MARK_INCOMING);
}

void VoipCallIncoming::setComingInfo(Agent_VoIPComingInfo info)
{
    m_callType = info.callType;
    m_callId = info.callId;
    m_callerAccount = info.callerAccount;
    m_callerName = info.callerName;
    m_extra = info.extra;

    if (info.callType == VOIP_CALL_VOICE)
        ui->label_notice->setText(tr("You receive a voice call..."));
    else if (info.callType == VOIP_CALL_VIDEO)
        ui->label_notice->setText(tr("You receive a video call..."));
    else
        AreaLog::call().LogInfo(
            QStringLiteral("VoipCallIncoming::setComingInfo unknown call type %1").arg(info.callType));

    const QSharedPointer<AddressBookPerson> caller
        = KP_BusinessView::instance()->getAddressBookView()->getAddressBookOnePerson_Account(m_callerAccount, false);
    // label_head keeps the default picture of the style sheet.
    if (caller)
        ui->label_name->setText(caller->displayName());
}

Agent_VoIPComingInfo VoipCallIncoming::getComingInfo() const
{
    Agent_VoIPComingInfo info;
    info.callType = m_callType;
    info.callId = m_callId;
    info.callerAccount = m_callerAccount;
    info.callerName = m_callerName;
    info.extra = m_extra;
    return info;
}

void VoipCallIncoming::showEvent(QShowEvent*)
{
    // Every showing rings afresh and gives the user the full time to answer.
    if (m_finished)
        return;
    m_ringTone->play();
    m_ringTimer->start(CallPolicy::kIncomingRingTimeOutMs);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(CallPolicy::bottomRightPosition(screen->availableGeometry(), size()));
}

bool VoipCallIncoming::takeOutcome(const char* what)
{
    if (m_finished) {
        AreaLog::call().LogInfo(
            QStringLiteral("VoipCallIncoming::%1 call %2 already ended").arg(QString::fromLatin1(what), m_callId));
        return false;
    }
    m_finished = true;
    stopRinging();
    return true;
}

void VoipCallIncoming::slot_OnAccept()
{
    if (!takeOutcome("slot_OnAccept"))
        return;
    emit sig_AcceptCallIncoming(getComingInfo());
}

void VoipCallIncoming::slot_OnRelease()
{
    release(BusinessReason::CallDeclined);
}

void VoipCallIncoming::slot_OnNoResponse()
{
    release(BusinessReason::CallNotAnswered);
}

void VoipCallIncoming::slot_CallingTimeOut()
{
    release(BusinessReason::CallNotAnswered);
}

void VoipCallIncoming::release(int reason)
{
    if (!takeOutcome("release"))
        return;
    const Agent_VoIPComingInfo info = getComingInfo();
    AreaLog::call().LogInfo(QStringLiteral("VoipCallIncoming::release call %1 reason %2").arg(m_callId).arg(reason));
    voipView()->ReleaseCall(info, reason);
    emit sig_ReleaseCallIncoming(info);
}

void VoipCallIncoming::stopRinging()
{
    m_ringTone->stop();
    m_ringTimer->stop();
}

void VoipCallIncoming::keyPressEvent(QKeyEvent* event)
{
    // Hidden by Escape, the window would ring on unseen and hold off other calls until the time-out.
    if (!CallWindowKeys::ignoreEscape(event))
        MoveWidget::keyPressEvent(event);
}
