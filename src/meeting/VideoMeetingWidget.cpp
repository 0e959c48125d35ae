#include "meeting/VideoMeetingWidget.h"

#include "ui_VideoMeetingWidget.h"

#include "business/KP_BusinessView.h"
#include "call/VideoWidget.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KPTitleBar.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "policy/MeetingRoomPolicy.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {
MeetingView* meetingView()
{
    return KP_BusinessView::instance()->getMeetingView();
}
} // namespace

VideoMeetingWidget::VideoMeetingWidget(QWidget* parent)
    : MeetingWindow(parent, CloseMediaWidgetTip::ExitVideoMeeting, CloseMediaWidgetTip::DismissVideoMeeting)
    , ui(new Ui::VideoMeetingWidget)
{
    ui->setupUi(this);
    m_remotePanes = { ui->videoWidget_1, ui->videoWidget_2, ui->videoWidget_3, ui->videoWidget_4 };
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    AreaStyle::apply(this, QStringLiteral("meeting.qss"));
    m_normalSize = size();
    if (!isMaster()) {
        ui->btn_inviteMeeting->hide();
        ui->btn_dismissMeeting->hide();
    }
    for (QLabel* label :
        { ui->label_meetingNumber, ui->label_meetingId, ui->label_memberListTitle, ui->label_memberCount })
        label->setFont(KP_UI_UTIL::getFontScale(14, false));
    for (QPushButton* button : { ui->btn_inviteMeeting, ui->btn_exitMeeting, ui->btn_dismissMeeting })
        button->setFont(KP_UI_UTIL::getFontScale(14, false));

    connect(clockTimer(), &QTimer::timeout, this, &VideoMeetingWidget::slot_showMeetingTime);
    connect(ui->btn_mute, &QPushButton::clicked, this, &VideoMeetingWidget::slot_setSelfMute);
    connect(ui->btn_inviteMeeting, &QPushButton::clicked, this, &VideoMeetingWidget::slot_inviteJoinVideoMeeting);
    connect(ui->btn_exitMeeting, &QPushButton::clicked, this, &VideoMeetingWidget::slot_exitMeeting);
    connect(ui->btn_dismissMeeting, &QPushButton::clicked, this, &VideoMeetingWidget::slot_dismissMeeting);
    MeetingView* meeting = meetingView();
    connect(meeting, &MeetingView::sig_showVideoMeetingId, this, &VideoMeetingWidget::slot_showVideoMeetingId);
    connect(meeting, &MeetingView::sig_getVideoMeetingMembers, this, &VideoMeetingWidget::slot_getVideoMeetingMembers);
    connect(meeting, &MeetingView::sig_updateVideoState, this, &VideoMeetingWidget::slot_updateVideoState);
    connect(
        meeting, &MeetingView::sig_raiseVideoMeetingWidget, this, &VideoMeetingWidget::slot_raiseVideoMeetingWidget);
    connect(meeting, &MeetingView::sig_onRemoteVideoScale, this, &VideoMeetingWidget::slot_onRemoteVideoRatio);
    connect(KP_BusinessView::instance()->getVoipView(), &VoipView::sig_onLocalVideoScale, this,
        &VideoMeetingWidget::slot_onLocalVideoScale);
    for (VideoWidget* pane : qAsConst(m_remotePanes))
        connect(this, &VideoMeetingWidget::isShowMaximized, pane, &VideoWidget::slotResizeVideoWidget);
    connect(ui->widget_title, &KPTitleBar::sig_minBtn_clicked, this, &VideoMeetingWidget::slot_btn_min_clicked);
    connect(ui->widget_title, &KPTitleBar::sig_maxBtn_clicked, this, &VideoMeetingWidget::slot_btn_max_clicked);
    connect(ui->widget_title, &KPTitleBar::sig_norBtn_clicked, this, &VideoMeetingWidget::slot_btn_maxed_clicked);
    connect(ui->widget_title, &KPTitleBar::sig_closeBtn_clicked, this, &VideoMeetingWidget::slot_close);

    ScreenScale::beginScale(this);
    ui->widget_title->setTitle(tr("Videoconferencing   ") + QStringLiteral("00:00:00"));
    ui->widget_title->setAlignType(Title_AlignCenter);
    ui->widget_title->setShowType(Title_MinMaxClose);
    setMovableHeight(ui->widget_title->height());
    installEventFilter(this);
}

VideoMeetingWidget::~VideoMeetingWidget() = default;

VideoWidget* VideoMeetingWidget::remotePane(int index) const
{
    return index >= 0 && index < m_remotePanes.size() ? m_remotePanes.at(index) : nullptr;
}

VideoWidget* VideoMeetingWidget::selfPane() const
{
    return ui->myVideoWidget;
}

MemberListWidget* VideoMeetingWidget::memberList() const
{
    return ui->listMember;
}

void VideoMeetingWidget::startSelfVideo()
{
    const quintptr handle = ui->myVideoWidget->renderHandle();
    ui->myVideoWidget->reapplyRatio();
    m_normalSize = size();
    meetingView()->setVideoView(reinterpret_cast<void*>(handle), nullptr);
    KP_BusinessView::instance()->getVoipView()->getCameraInfo();
    ui->myVideoWidget->setRatioLocked(true);
    for (VideoWidget* pane : qAsConst(m_remotePanes))
        pane->setRatioLocked(false);
}

void VideoMeetingWidget::slot_close()
{
    askToClose(isMaster() ? CloseMediaWidgetTip::DismissVideoMeeting : CloseMediaWidgetTip::ExitVideoMeeting);
}

void VideoMeetingWidget::slot_btn_max_clicked()
{
    for (VideoWidget* pane : qAsConst(m_remotePanes))
        pane->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showMaximized();
    resize(QGuiApplication::primaryScreen()->availableGeometry().size());
    move(0, 0);
    setWidgetMovable(false);
    emit isShowMaximized(true);
}

void VideoMeetingWidget::slot_btn_maxed_clicked()
{
    showNormal();
    resize(m_normalSize);
    setWidgetMovable(true);
    for (VideoWidget* pane : qAsConst(m_remotePanes))
        pane->setMaximumSize(m_normalSize);
    emit isShowMaximized(false);
}

void VideoMeetingWidget::slot_inviteJoinVideoMeeting()
{
    meetingView()->inviteJoinVideoMeeting();
}

void VideoMeetingWidget::slot_setSelfMute()
{
    toggleSelfMute(ui->btn_mute, true);
}

void VideoMeetingWidget::slot_showMeetingTime()
{
    ui->widget_title->setTitle(tr("Videoconferencing   ") + elapsedText());
}

void VideoMeetingWidget::slot_showVideoMeetingId(QString id)
{
    ui->label_meetingId->setText(id);
}

void VideoMeetingWidget::slot_getVideoMeetingMembers(QList<Agent_MeetingMemberInfo> memberInfoList)
{
    MeetingView* meeting = meetingView();
    for (const QString& account : qAsConst(m_requested))
        meeting->cancelConferenceMemberVideo(account);

    m_memberCount = memberInfoList.size();
    ui->label_memberCount->setText(
        MeetingRoomPolicy::memberCountText(m_memberCount, MeetingRoomPolicy::kVideoMeetingCapacity));
    if (isMaster())
        ui->btn_inviteMeeting->setEnabled(
            MeetingRoomPolicy::canInvite(m_memberCount, MeetingRoomPolicy::kVideoMeetingCapacity));

    for (VideoWidget* pane : qAsConst(m_remotePanes))
        pane->freezeVideoUpdates(true);
    repaint();

    QStringList accounts;
    QHash<QString, int> videoStates;
    for (const Agent_MeetingMemberInfo& member : qAsConst(memberInfoList)) {
        accounts << member.account;
        if (!videoStates.contains(member.account))
            videoStates.insert(member.account, member.videoState);
    }
    m_requested = MeetingRoomPolicy::requestedAccounts(
        accounts, KP_BusinessView::instance()->getUserInfoView()->getCurUserAccount());

    for (int k = 0; k < m_remotePanes.size(); ++k) {
        VideoWidget* pane = m_remotePanes.at(k);
        if (k >= m_requested.size()) {
            pane->setAccount(QString(), true);
            continue;
        }
        const QString& account = m_requested.at(k);
        pane->setAccount(account, true);
        const bool sending = videoStates.value(account) == 1;
        pane->freezeVideoUpdates(!sending);
        if (!sending)
            QTimer::singleShot(MeetingRoomPolicy::kPaneRefreshMs, pane, qOverload<>(&QWidget::update));
        if (const quintptr handle = pane->renderHandle())
            meeting->requestConferenceMemberVideo(account, reinterpret_cast<void*>(handle));
    }
    if (m_requested.size() > m_remotePanes.size())
        AreaLog::meeting().LogInfo(QStringLiteral("VideoMeetingWidget::slot_getVideoMeetingMembers %1 remote members, "
                                                  "%2 panes")
                                       .arg(m_requested.size())
                                       .arg(m_remotePanes.size()));
}

VideoWidget* VideoMeetingWidget::paneOf(const QString& account) const
{
    const int index = m_requested.indexOf(account);
    return index >= 0 ? remotePane(index) : nullptr;
}

void VideoMeetingWidget::slot_updateVideoState(Agent_VideoMeetingMsg msg)
{
    const bool updatesEnabled = msg.state != 1;
    AreaLog::meeting().LogDebug(
        QStringLiteral("Set_Updates_Enabled : %1 %2").arg(updatesEnabled ? 1 : 0).arg(msg.member));
    if (VideoWidget* pane = paneOf(msg.member))
        pane->freezeVideoUpdates(updatesEnabled);
}

void VideoMeetingWidget::slot_raiseVideoMeetingWidget()
{
    raise();
}

void VideoMeetingWidget::slot_onLocalVideoScale(float scale)
{
    ui->myVideoWidget->setVideoRatio(scale);
}

void VideoMeetingWidget::slot_onRemoteVideoRatio(QString member, float scale)
{
    if (VideoWidget* pane = paneOf(member))
        pane->setVideoRatio(scale);
}

bool VideoMeetingWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this) {
        QString change;
        switch (event->type()) {
        case QEvent::WindowActivate:
            change = QStringLiteral("CHANGE_____Active");
            break;
        case QEvent::WindowDeactivate:
            change = QStringLiteral("CHANGE_____Inactive");
            break;
        case QEvent::Hide:
            change = QStringLiteral("CHANGE_____Hidden");
            break;
        case QEvent::WindowStateChange:
            if (isMinimized())
                change = QStringLiteral("CHANGE_____Suspended");
            break;
        default:
            break;
        }
        if (!change.isEmpty())
            AreaLog::meeting().LogDebug(change);
    }
    return MeetingWindow::eventFilter(watched, event);
}
