#include "video/MediaLayoutWgt.h"

#include "ui_MediaLayoutWgt.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "call/CallWindowKeys.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "common/KpPlatform.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpMsgBox.h"
#include "customui/KpMsgTip.h"
#include "customui/KpStyle.h"
#include "customui/ScreenScale.h"
#include "meeting/ConferenceTipWidget.h"
#include "policy/VoiceGridPolicy.h"
#include "util/KP_Util.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>

using VoiceGridPolicy::Answer;

namespace {

constexpr int kClockIntervalMs = 1000;
// The engine's pool of nine tiles and its single-picture screen layout.
constexpr int kNineTilePool = 1;
constexpr int kSinglePictureLayout = 1;
constexpr int kTitleFontSize = 14;
constexpr int kMiniTitleFontSize = 12;
constexpr int kTitleMargin = 15;
constexpr int kMiniTitleMargin = 8;

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

} // namespace

MediaLayoutWgt::MediaLayoutWgt(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::MediaLayoutWgt)
{
    ui->setupUi(this);
    setFramePainted(false);
    ui->widget_center->setAttribute(Qt::WA_StyledBackground);
    ui->titleBarWgt->setAttribute(Qt::WA_StyledBackground);
    ui->toolBarWgt->setAttribute(Qt::WA_StyledBackground);
    AreaStyle::apply(this, QStringLiteral("conference.qss"));
    setMovableHeight(ui->titleBarWgt->height());
    ui->videoArea->initTiles(kNineTilePool);
    ui->videoArea->setScreenLayout(kSinglePictureLayout);
    KpStyle::setStyleProperty(ui->btn_min, "mini", QStringLiteral("n"));
    // The video area is placed by hand inside its container (centred, its
    // height by member count), so follow the container's size.
    ui->widget_center->installEventFilter(this);

    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("meetingTimer"));
    m_timer->setInterval(kClockIntervalMs);

    // A tool window of its own that goes with the grid.
    m_msgTip = new KpMsgTip(this);
    m_msgTip->hide();

    ui->conferenceTimeTextLbl->setFont(KP_UI_UTIL::getFontScale(kTitleFontSize, true));

    initConnect();
    ScreenScale::beginScale(this);

    m_oleResult = KpPlatform::oleInitialize();
    if (!KpPlatform::oleUsable(m_oleResult))
        qWarning("Qt: Could not initialize OLE (error %x)", unsigned(m_oleResult));
}

MediaLayoutWgt::~MediaLayoutWgt()
{
    // The box is a window of its own; it goes with the grid.
    delete m_confirmBox.data();
    if (KpPlatform::oleUsable(m_oleResult))
        KpPlatform::oleUninitialize();
}

void MediaLayoutWgt::initConnect()
{
    UnifiedConferenceView* conf = conferenceView();
    connect(conf, &UnifiedConferenceView::sig_onGetConferenceMemberInfoList, this,
        &MediaLayoutWgt::slot_onGetConferenceMemberInfoList);
    connect(conf, &UnifiedConferenceView::sig_onInviteMemberList, this, &MediaLayoutWgt::slot_onInviteMemberList);
    connect(
        conf, &UnifiedConferenceView::sig_onJoinConferenceNotify, this, &MediaLayoutWgt::slot_onJoinConferenceNotify);
    connect(conf, &UnifiedConferenceView::sig_onConfMsgMemberQuit, this, &MediaLayoutWgt::slot_onConfMsgMemberQuit);
    connect(conf, &UnifiedConferenceView::sig_onConfMsgKickMember, this, &MediaLayoutWgt::slot_onConfMsgKickMember);
    connect(conf, qOverload<ConferenceBriefInfo>(&UnifiedConferenceView::sig_updateConferenceInfo), this,
        &MediaLayoutWgt::slot_updateConferenceInfo);
    connect(conf, &UnifiedConferenceView::sig_onDismissConference, this, &MediaLayoutWgt::slot_onDismissConference);
    connect(conf, &UnifiedConferenceView::sig_onLeaveConference, this, &MediaLayoutWgt::slot_onLeaveConference);
    connect(conf, qOverload<bool, bool>(&UnifiedConferenceView::sig_onControlSelfMicphone), this,
        &MediaLayoutWgt::slot_onControlSelfMicphone);
    connect(conf, &UnifiedConferenceView::sig_onControlSelfAudio, this, &MediaLayoutWgt::slot_onControlSelfAudio);
    connect(conf, &UnifiedConferenceView::sig_onControlSelfCamera, this, &MediaLayoutWgt::slot_onControlSelfCamera);
    connect(conf, &UnifiedConferenceView::sig_onInviteConfNotify, this, &MediaLayoutWgt::slot_onInviteConfNotify);
    connect(conf, &UnifiedConferenceView::sig_startJiugongge, this, &MediaLayoutWgt::slot_startNineLayout);
    connect(conf, qOverload<QList<ConferenceMemberInfo>>(&UnifiedConferenceView::sig_updateMemberInfo), this,
        &MediaLayoutWgt::slot_onUpdateMemberInfo);

    KP_BusinessView* business = KP_BusinessView::instance();
    connect(business->getVoipView(), &VoipView::sig_onLocalVideoScale, this, &MediaLayoutWgt::slot_onLocalVideoScale);
    connect(business->getGroupMgrView(), &GroupMgrView::sig_onRemoveGroup, this, &MediaLayoutWgt::onRemoveGroup);

    UI_ControlView* control = UI_ControlView::instance();
    connect(control, &UI_ControlView::sig_showMsgTip, this, &MediaLayoutWgt::slot_showMsgTip);
    connect(control, &UI_ControlView::sig_showMaskWgt, this, &MediaLayoutWgt::slot_showMaskBgWgt);
    connect(control, &UI_ControlView::sig_hideMaskWgt, this, &MediaLayoutWgt::slot_hideMaskWgt);
    connect(control, &UI_ControlView::sig_activeHandleWgt, this, &MediaLayoutWgt::slot_activeHandleWgt);

    connect(this, &MediaLayoutWgt::sig_hideWindow, this, &MediaLayoutWgt::slot_close);
    connect(ui->btn_min, &QPushButton::clicked, this, &MediaLayoutWgt::slot_min);
    connect(ui->btn_min_2, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(ui->btn_micphone, &QPushButton::clicked, this, &MediaLayoutWgt::slot_onMicphoneClick);
    connect(ui->btn_camera, &QPushButton::clicked, this, &MediaLayoutWgt::slot_onCameraClick);
    connect(ui->btn_invite, &QPushButton::clicked, this, &MediaLayoutWgt::slot_onInviteClick);
    connect(ui->btn_changeMutex, &QPushButton::clicked, this, &MediaLayoutWgt::slot_onVolumnClick);
    connect(ui->btn_reject, &QPushButton::clicked, this, &MediaLayoutWgt::slot_onRejectCallClick);
    connect(m_timer, &QTimer::timeout, this, &MediaLayoutWgt::slot_confTimeout);
}

KpMsgBox* MediaLayoutWgt::confirmationBox() const
{
    return m_confirmBox;
}

ConfSmartVideoPlayMainWdg* MediaLayoutWgt::videoArea() const
{
    return ui->videoArea;
}

void MediaLayoutWgt::setCallingState(bool calling)
{
    // The facade shows the grid for a conference the user is in.
    m_conferenceEnded = false;
    if (calling)
        ui->conferenceTimeTextLbl->setText(tr("In the call..."));
    else
        startMeetingClock();
}

void MediaLayoutWgt::startMeetingClock()
{
    if (m_timer->isActive())
        return;
    m_timer->start(kClockIntervalMs);
    m_startTime = KP_Util::getCurrentTimeInt64();
}

// --- questions ---

void MediaLayoutWgt::showConfirm(int type)
{
    const std::optional<VoiceGridPolicy::QuestionText> question = VoiceGridPolicy::questionText(type);
    if (!question) {
        AreaLog::video().LogInfo(QStringLiteral("MediaLayoutWgt::showConfirm no question of type %1").arg(type));
        return;
    }
    if (!m_confirmBox) {
        m_confirmBox = new KpMsgBox;
        connect(m_confirmBox.data(), qOverload<int>(&KpMsgBox::signal_Accept), this, &MediaLayoutWgt::slot_accept);
        connect(m_confirmBox.data(), qOverload<int>(&KpMsgBox::signal_Reject), this, &MediaLayoutWgt::slot_reject);
    }
    m_confirmBox->setMessageTitle(question->title);
    m_confirmBox->setMessageText(question->text);
    m_confirmBox->setLabelIcon(question->withIcon ? KpMsgBox::Label_Auto : KpMsgBox::Label_None);
    m_confirmBox->setMessageType(type);
    m_confirmBox->show();
    m_confirmBox->raise();
}

void MediaLayoutWgt::slot_accept(int type)
{
    answer(type, true);
}

void MediaLayoutWgt::slot_reject(int type)
{
    answer(type, false);
}

void MediaLayoutWgt::answer(int type, bool accepted)
{
    const Answer action = accepted ? VoiceGridPolicy::acceptAnswer(type) : VoiceGridPolicy::rejectAnswer(type);
    AreaLog::video().LogInfo(
        QStringLiteral("MediaLayoutWgt::answer type=%1 accepted=%2").arg(type).arg(accepted ? 1 : 0));
    KP_BusinessView* business = KP_BusinessView::instance();
    UnifiedConferenceView* conf = business->getUnifiedConferenceView();
    switch (action) {
    case Answer::None:
        break;
    case Answer::DismissConference:
        conf->dismissConference(QString());
        break;
    case Answer::LeaveConference:
        conf->leaveConference(QString());
        break;
    case Answer::BeginDesktopShare:
        conf->beginDesktopShare();
        break;
    case Answer::StopDesktopShare:
        conf->stopDesktopShare();
        break;
    case Answer::BeginRecording:
        conf->beginRecording();
        break;
    case Answer::StopRecording:
        conf->stopRecording();
        break;
    case Answer::SwitchToMobile:
        conf->switchToMobile();
        (new ConferenceTipWidget)->show();
        break;
    case Answer::OpenMicrophone:
    case Answer::CloseMicrophone:
        conf->controlSelfMicphone(action == Answer::OpenMicrophone);
        break;
    case Answer::OpenCamera:
    case Answer::CloseCamera:
        conf->controlSelfCamera(action == Answer::OpenCamera, nullptr);
        break;
    case Answer::RaiseHand:
    case Answer::LowerHand:
        conf->controlSelfHand(action == Answer::RaiseHand);
        break;
    case Answer::QueryWhiteboard:
        business->getWhiteBoardView()->isInMeeting();
        break;
    }
}

void MediaLayoutWgt::slot_close()
{
    showConfirm(VoiceGridPolicy::Question_LeaveMeeting);
}

void MediaLayoutWgt::slot_onRejectCallClick()
{
    showConfirm(VoiceGridPolicy::Question_LeaveMeeting);
}

void MediaLayoutWgt::slot_exitConference()
{
    showConfirm(VoiceGridPolicy::Question_LeaveMeeting);
}

void MediaLayoutWgt::slot_leaveConference()
{
    showConfirm(VoiceGridPolicy::Question_LeaveMeeting);
}

// --- tool bar ---

void MediaLayoutWgt::slot_onMicphoneClick()
{
    const bool on = ui->btn_micphone->isChecked();
    conferenceView()->controlSelfMicphone(on);
    ui->btn_micphone->setToolTip(on ? tr("Turn off the microphone") : tr("Turn on the microphone"));
}

void MediaLayoutWgt::slot_onCameraClick()
{
    conferenceView()->controlSelfCamera(ui->btn_camera->isChecked(), nullptr);
}

void MediaLayoutWgt::slot_onInviteClick()
{
    emit conferenceView()->sig_showSelectConfMemberWidget(false, CONFERENCE_TYPE_GROUP, CONF_MEDIA_CURRENT);
}

void MediaLayoutWgt::slot_onVolumnClick()
{
    conferenceView()->controlSelfAudio(!m_audioFlag);
}

void MediaLayoutWgt::slot_onControlSelfMicphone(bool, bool on)
{
    m_micOn = on;
    ui->btn_micphone->setChecked(on);
    ui->btn_micphone->setToolTip(on ? tr("Turn off the microphone") : tr("Turn on the microphone"));
}

void MediaLayoutWgt::slot_onControlSelfAudio(QString, bool on)
{
    m_audioFlag = on;
    ui->btn_changeMutex->setChecked(on);
    ui->btn_changeMutex->setToolTip(on ? tr("UnMute") : tr("Mute"));
}

void MediaLayoutWgt::slot_onControlSelfCamera(QString, bool on)
{
    m_cameraOn = on;
    ui->btn_camera->setChecked(on);
    ui->btn_camera->setToolTip(on ? tr("Turn off camera") : tr("Turn on camera"));
}

void MediaLayoutWgt::slot_onLocalVideoScale(float scale)
{
    // No picture from the local camera: nothing to switch on.
    if (scale == 0.0f)
        ui->btn_camera->setEnabled(false);
}

// --- end of the conference ---

void MediaLayoutWgt::slot_onDismissConference(bool isSuccess, QString errorMsg, QString)
{
    if (!isSuccess) {
        emit UI_ControlView::instance()->sig_showMsgTip(errorMsg, POPUP_HANDLE_MAIN);
        return;
    }
    m_conferenceEnded = true;
    m_timer->stop();
    close();
}

void MediaLayoutWgt::slot_onLeaveConference(bool isSuccess, QString errorMsg, QString)
{
    if (!isSuccess) {
        AreaLog::video().LogInfo(QStringLiteral("MediaLayoutWgt::slot_onLeaveConference failed: %1").arg(errorMsg));
        return;
    }
    m_conferenceEnded = true;
    m_timer->stop();
    close();
}

void MediaLayoutWgt::onRemoveGroup(const QString& groupId)
{
    if (groupId.isEmpty() || groupId != m_groupId)
        return;
    emit UI_ControlView::instance()->sig_showMsgTip(
        tr("Group has disbanded or you not in group, Call end."), POPUP_HANDLE_MAIN);
    conferenceView()->leaveConference(m_confId);
}

// --- pop-ups of the client aimed at this window ---

void MediaLayoutWgt::slot_showMsgTip(QString sText, PopUpHandleType eType)
{
    if (eType != POPUP_HANDLE_CONFERENCE)
        return;
    m_msgTip->addMsgTip(sText);
    centreMessageTip();
}

void MediaLayoutWgt::slot_showMaskBgWgt(void*, PopUpHandleType eType)
{
    if (eType != POPUP_HANDLE_CONFERENCE)
        return;
    activateWindow();
    raise();
    show();
}

void MediaLayoutWgt::slot_hideMaskWgt(PopUpHandleType) { }

void MediaLayoutWgt::slot_activeHandleWgt(PopUpHandleType eType)
{
    if (eType != POPUP_HANDLE_CONFERENCE)
        return;
    activateWindow();
    raise();
}

void MediaLayoutWgt::centreMessageTip()
{
    if (m_msgTip->isVisible())
        m_msgTip->move(frameGeometry().center() - m_msgTip->rect().center());
}

// --- members ---

void MediaLayoutWgt::slot_onInviteConfNotify(QString, int)
{
    relayout();
}

void MediaLayoutWgt::slot_onConfMsgMemberQuit(QString, ENUM_CONFMEMBER_DEVICETYPE)
{
    relayout();
}

void MediaLayoutWgt::slot_onConfMsgKickMember(QString, ENUM_CONFMEMBER_DEVICETYPE)
{
    relayout();
}

void MediaLayoutWgt::slot_onJoinConferenceNotify(ConferenceMemberInfo, QString)
{
    relayout();
}

void MediaLayoutWgt::slot_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo>)
{
    relayout();
}

void MediaLayoutWgt::slot_onUpdateMemberInfo(QList<ConferenceMemberInfo>)
{
    relayout();
}

void MediaLayoutWgt::slot_onInviteMemberList(QList<ConferenceMemberInfo>, bool started)
{
    relayout();
    if (started)
        startMeetingClock();
}

void MediaLayoutWgt::slot_memberUpdateHostState(QString, QString) { }

void MediaLayoutWgt::relayout()
{
    // Late member news of a conference the user is out of starts no stream.
    if (m_conferenceEnded)
        return;
    const QList<ConferenceMemberInfo> members = conferenceView()->getOnlineConferenceInfos(false);
    const int count = members.size();
    // A new arrangement hides the grid for a moment: only when the count
    // changed. Beyond nine members the nine tiles keep the nine-tile arrangement.
    const int layoutCount = m_miniMode ? 1 : std::min(count, ui->videoArea->poolSize());
    if (layoutCount != m_layoutCount) {
        ui->videoArea->applyAutoLayout(layoutCount);
        m_layoutCount = layoutCount;
    }
    m_memberCount = count;
    placeVideoArea();

    QList<VideoItem> items;
    items.reserve(members.size());
    for (const ConferenceMemberInfo& m : members)
        items.append(VideoItem { m.account, m.deviceType });
    ui->videoArea->applyVideoOrder(VoiceGridPolicy::gridOrder(items, conferenceView()->getCurrentAccount()));
}

void MediaLayoutWgt::placeVideoArea()
{
    ui->videoArea->setGeometry(
        VoiceGridPolicy::videoAreaGeometry(ui->widget_center->size(), m_memberCount, m_miniMode));
}

// --- size ---

void MediaLayoutWgt::slot_min()
{
    m_miniMode = !m_miniMode;
    ui->toolBarWgt->setVisible(!m_miniMode);
    // The one-tile window keeps its title bar for the meeting time (on two
    // lines, in a smaller font) and the way back.
    ui->btn_min_2->setVisible(!m_miniMode);
    ui->conferenceTimeTextLbl->setFont(
        KP_UI_UTIL::getFontScale(m_miniMode ? kMiniTitleFontSize : kTitleFontSize, true));
    const int side = ScreenScale::scaled(m_miniMode ? kMiniTitleMargin : kTitleMargin);
    ui->horizontalLayout_title->setContentsMargins(side, 0, side, 0);
    KpStyle::setStyleProperty(ui->btn_min, "mini", m_miniMode ? QStringLiteral("y") : QStringLiteral("n"));
    // The window's minimum size follows the tool bar at once, so the mini size is reachable.
    layout()->activate();
    if (m_miniMode)
        resize(ScreenScale::scaled(VoiceGridPolicy::kMiniWidth), ScreenScale::scaled(VoiceGridPolicy::kMiniHeight));
    else
        resize(ScreenScale::scaled(VoiceGridPolicy::kNormalWidth), ScreenScale::scaled(VoiceGridPolicy::kNormalHeight));
    // The container takes its new size before the tiles are placed in it.
    layout()->activate();
    relayout();
}

void MediaLayoutWgt::slot_max() { }

// --- clock and summary ---

void MediaLayoutWgt::slot_confTimeout()
{
    const VoiceGridPolicy::Elapsed elapsed
        = VoiceGridPolicy::meetingElapsed(conferenceView()->getConfInfo().startTime, KP_Util::getCurrentTimeInt64());
    QString text;
    if (elapsed.shown)
        text = elapsed.days == 0 ? elapsed.clock : tr("%1 day %2").arg(elapsed.days).arg(elapsed.clock);
    ui->conferenceTimeTextLbl->setText(tr("Meeting Time") + QLatin1Char(' ') + text);
}

void MediaLayoutWgt::slot_updateConferenceInfo(ConferenceBriefInfo info)
{
    m_confId = info.confId;
    if (const std::optional<QString> groupId = VoiceGridPolicy::groupIdOf(info.extension))
        m_groupId = *groupId;
    else
        AreaLog::video().LogInfo(QStringLiteral("MediaLayoutWgt::slot_updateConferenceInfo summary without JSON "
                                                "object, group id kept: %1")
                                     .arg(m_groupId));
}

void MediaLayoutWgt::slot_startNineLayout(ConferenceBriefInfo)
{
    startMeetingClock();
}

// --- events ---

void MediaLayoutWgt::moveEvent(QMoveEvent* event)
{
    MoveWidget::moveEvent(event);
    ui->videoArea->repositionPrompt();
}

void MediaLayoutWgt::resizeEvent(QResizeEvent* event)
{
    MoveWidget::resizeEvent(event);
    centreMessageTip();
}

void MediaLayoutWgt::closeEvent(QCloseEvent* event)
{
    AreaLog::video().LogDebug(QStringLiteral("%1").arg(QLatin1String("MediaLayoutWgt::closeEvent")));
    // A question left open belongs to the closed window: it goes unanswered.
    if (m_confirmBox)
        m_confirmBox->hide();
    m_msgTip->hide();
    if (!m_conferenceEnded) {
        m_conferenceEnded = true;
        conferenceView()->leaveConference(QString());
    }
    MoveWidget::closeEvent(event);
}

void MediaLayoutWgt::keyPressEvent(QKeyEvent* event)
{
    // Escape would close the window, and closing leaves the conference.
    if (!CallWindowKeys::ignoreEscape(event))
        MoveWidget::keyPressEvent(event);
}

bool MediaLayoutWgt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->widget_center && event->type() == QEvent::Resize)
        placeVideoArea();
    return MoveWidget::eventFilter(watched, event);
}
