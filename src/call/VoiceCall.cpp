#include "call/VoiceCall.h"

#include "customui/KpElideLabel.h"
#include "ui_VoiceCall.h"

#include "business/KP_BusinessView.h"
#include "call/CallWindowKeys.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpIconBtn.h"
#include "customui/KpRingTone.h"
#include "customui/ScreenScale.h"
#include "panels/MoreMenuChild.h"
#include "policy/CallPolicy.h"
#include "util/AppEnvionmentSetting.h"
#include "util/KPFilePathMgr.h"

#include <QCloseEvent>
#include <QTimer>

namespace {
const char kMicMuted[]
    = "QPushButton#pushButton_mic{border-image: url(:/Resource/VoiceCall/mutex_init.png);border:0px solid;}";
const char kMicOpen[]
    = "QPushButton#pushButton_mic{border-image: url(:/Resource/VoiceCall/un_mutex_init.png);border:0px solid;}";
const char kSpeakerOn[]
    = "QPushButton#pushButton_player{border-image: url(:/Resource/VoiceCall/play_init.png);border:0px solid;}";
const char kSpeakerOff[]
    = "QPushButton#pushButton_player{border-image: url(:/Resource/VoiceCall/disable_play_init.png);border:0px solid;}";

VoipView* voipView()
{
    return KP_BusinessView::instance()->getVoipView();
}
} // namespace

VoiceCall::VoiceCall(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::VoiceCall)
{
    ui->setupUi(this);
    AreaStyle::apply(this, QStringLiteral("call.qss"));
    setWindowFlags(Qt::FramelessWindowHint);

    m_talkTimer = new QTimer(this);
    m_talkTimer->setObjectName(QStringLiteral("talkTimer"));
    m_ringBackTone = new KpRingTone(KPFilePathMgr::instance()->getAppPath() + QStringLiteral("RingBack.wav"), this);
    m_ringBackTone->setObjectName(QStringLiteral("ringBackTone"));
    m_ringBackTone->setLoops(CallPolicy::kRingLoops);

    ui->btnSetting->setBtnType(Icon_Setting);
    ui->btnSetting->setGlyphColor(Qt::white);
    ui->label_name->setFont(KP_UI_UTIL::getFontScale(16, false));
    ui->label_call_notice->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->label_time->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->pushButton_release_call->setFont(KP_UI_UTIL::getFontScale(16, false));
    ui->whiteBoardBtn->hide();
    ui->label_name->installEventFilter(this);

    connect(m_talkTimer, &QTimer::timeout, this, &VoiceCall::slot_ConfTimer);
    connect(ui->pushButton_release_call, &QPushButton::clicked, this, &VoiceCall::slot_ReleaseCall);
    connect(ui->pushButton_close, &QPushButton::clicked, this, &VoiceCall::slot_ReleaseCall);
    connect(ui->pushButton_min, &QPushButton::clicked, this, &VoiceCall::slot_OnMinWnd);
    connect(ui->pushButton_mic, &QPushButton::clicked, this, &VoiceCall::slot_OnClickedMic);
    connect(ui->pushButton_player, &QPushButton::clicked, this, &VoiceCall::slot_OnClickedPlayer);
    connect(ui->btnSetting, &QPushButton::clicked, this, &VoiceCall::slot_onClickSetting);
    // VoipView's mute and speaker answers reach the controls, which show them on these buttons.
    m_controls
        = std::make_unique<CallMediaControls>(&m_callInfo, MoreMenuChild::Mode_AudioOnly, QStringLiteral("VoiceCall"));
    m_controls->setMuteView(
        [this](bool muted) { ui->pushButton_mic->setStyleSheet(QString::fromLatin1(muted ? kMicMuted : kMicOpen)); });
    m_controls->setSpeakerView([this](bool on) {
        ui->pushButton_player->setStyleSheet(QString::fromLatin1(on ? kSpeakerOn : kSpeakerOff));
        ui->pushButton_player->repaint();
    });
    connect(ui->whiteBoardBtn, &QPushButton::clicked, this, &VoiceCall::slot_onWhiteBoardBtn);

    voipView()->SetVoipCallStatus(VoipView::CALL_MARK_VOICE);
    // Mute and speaker make sense only once the call is answered.
    ui->pushButton_mic->hide();
    ui->pushButton_player->hide();
    ui->whiteBoardBtn->hide();
    m_seconds = 0;
    ScreenScale::beginScale(this);
}

VoiceCall::~VoiceCall()
{
    m_talkTimer->stop();
    m_ringBackTone->stop();
    // The call lives as long as its window.
    voipView()->ReleaseCall(m_callInfo, BusinessReason::CallHungUp);
    voipView()->CancelVoipCallStatus(VoipView::CALL_MARK_VOICE);
}

void VoiceCall::setCallInfo(Agent_VoIPCallMsg msg)
{
    ui->whiteBoardBtn->hide();
    ui->btnSetting->setBtnType(Icon_Setting);
    switch (msg.eventCode) {
    case VOIP_EVENT_PROCEEDING:
        m_callInfo = msg; // the peer is read from the new record
        showPeer();
        ui->label_call_notice->setText(tr("Through to the.."));
        ui->label_time->hide();
        m_ringBackTone->play();
        break;
    case VOIP_EVENT_ALERTING:
        ui->label_call_notice->setText(tr("Wait for someone to answer.."));
        break;
    case VOIP_EVENT_ANSWERED:
        onAnswered();
        break;
    default:
        break;
    }
    m_callInfo = msg;
}

void VoiceCall::showPeer()
{
    AddressBookView* book = KP_BusinessView::instance()->getAddressBookView();
    const QString peer = m_controls->peerAccount();
    QSharedPointer<AddressBookPerson> person = book->getAddressBookOnePerson_Account(peer, false);
    if (person) {
        m_peerName = person->displayName();
        m_elidePeerName = true;
    } else {
        m_peerName = peer;
        m_elidePeerName = false;
        // A telephone number shows the name of whoever it belongs to.
        person = book->isPhoneNumExist(peer);
        if (person)
            m_peerName = person->displayName();
    }
    ui->label_name->setToolTip(m_peerName);
    applyPeerName();
}

void VoiceCall::applyPeerName()
{
    ui->label_name->setText(m_elidePeerName
            ? KpElideLabel::elided(ui->label_name->fontMetrics(), m_peerName, ui->label_name->width())
            : m_peerName);
}

bool VoiceCall::eventFilter(QObject* watched, QEvent* event)
{
    // The label has its final width only once the window is laid out, after the first event.
    if (watched == ui->label_name && event->type() == QEvent::Resize && !m_peerName.isEmpty())
        applyPeerName();
    return MoveWidget::eventFilter(watched, event);
}

void VoiceCall::onAnswered()
{
    ui->label_call_notice->setText(tr("In the call.."));
    ui->label_time->show();
    ui->pushButton_mic->show();
    ui->pushButton_player->show();
    const AppEnvionmentConfig config = AppEnvionmentSetting::instance()->getAppEnvionmentConfig();
    if (CallPolicy::whiteBoardOffered(
            KP_BusinessView::instance()->getUserInfoView()->getUserAuthority(USER_AUTHORITY_WHITEBOARD),
            config.whiteBoardMode)) {
        ui->whiteBoardBtn->show();
        if (config.collapseWhiteBoardButton)
            ui->whiteBoardBtn->setFixedSize(0, 0);
    }
    m_talkTimer->start(CallPolicy::kClockTickMs);
    m_ringBackTone->stop();
}

Agent_VoIPCallMsg VoiceCall::getCallInfo() const
{
    return m_callInfo;
}

void VoiceCall::slot_ConfTimer()
{
    ++m_seconds;
    ui->label_time->setText(CallPolicy::talkTimeText(m_seconds));
}

void VoiceCall::slot_OnMinWnd()
{
    showMinimized();
}

void VoiceCall::slot_ReleaseCall()
{
    requestClose();
}

void VoiceCall::closeEvent(QCloseEvent* event)
{
    MoveWidget::closeEvent(event);
    if (event->isAccepted())
        requestClose();
}

void VoiceCall::requestClose()
{
    // The facade usually deletes the window on the first signal: touch nothing of it afterwards.
    WhiteBoardView* board = KP_BusinessView::instance()->getWhiteBoardView();
    emit sig_CloseVoiceWnd();
    emit board->sig_closeWhiteBoardMainWidget();
}

void VoiceCall::keyPressEvent(QKeyEvent* event)
{
    if (!CallWindowKeys::ignoreEscape(event))
        MoveWidget::keyPressEvent(event);
}
