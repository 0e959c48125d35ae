#include "conference/ConferenceMainUi.h"

#include "ui_ConferenceMainUi.h"

#include "business/KP_BusinessView.h"
#include "business/MsgUtil.h"
#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "common/KpPlatform.h"
#include "conference/ConferenceLayoutControl.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"
#include "conference/MemberControlPopupWgt.h"
#include "conference/PPC_ShareScreen.h"
#include "conference/PopupWidget.h"
#include "conference/Popup_Common_Widget.h"
#include "conference/Popup_Small_Widget.h"
#include "conference/RecordPopupWgt.h"
#include "conference/SafeWgt.h"
#include "conference/ShareScreenControl.h"
#include "conference/StopConfConfirmWgt.h"
#include "conference/StopConfPopupWgt.h"
#include "conference/WifiWgt.h"
#include "conference/WorkbenchWgt.h"
#include "customui/ExtendDurationWidget.h"
#include "customui/KP_CustomStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpMsgBox.h"
#include "customui/KpMsgTip.h"
#include "customui/ScreenScale.h"
#include "meeting/RectangeTip.h"
#include "members/ConfMembersControlWidget.h"
#include "members/ConfRightWgt.h"
#include "panels/CallPhoneDlg.h"
#include "panels/ComConfirmDlg.h"
#include "panels/ConfShareWidget.h"
#include "panels/DebugForStatisticsWdg.h"
#include "panels/InviteChoiceWgt.h"
#include "panels/MoreMenuChild.h"
#include "panels/PPC_Polling.h"
#include "panels/PPC_QuickInvite.h"
#include "panels/PhoneInvitation.h"
#include "panels/ShareConfInfoWgt.h"
#include "policy/ConfSharePolicy.h"
#include "policy/ConferencePopupPolicy.h"
#include "policy/ConferenceWindowPolicy.h"
#include "policy/StatisticsPolicy.h"
#include "util/KPFilePathMgr.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStyleOption>
#include <QTimer>

namespace {

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

VoipView* voipView()
{
    return KP_BusinessView::instance()->getVoipView();
}

// Pop-up numbers of the confirmations this window answers.
enum CommonPopupType : int {
    CommonPopup_ShareLock = ConferencePopupPolicy::Common_ShareLock,
    CommonPopup_ShareLockStopsOther = ConferencePopupPolicy::Common_ShareLockStopsOther,
    CommonPopup_StopShare = ConferencePopupPolicy::Common_StopShare,
    CommonPopup_Leave = ConferencePopupPolicy::Common_Leave,
    CommonPopup_EndOrLeave = ConferencePopupPolicy::Common_EndOrLeave,
};
enum PopupWidgetType : int {
    PopupWidget_ScreenLayout = ConferencePopupPolicy::ScreenLayout,
    PopupWidget_Material = ConferencePopupPolicy::Material,
    PopupWidget_ConfInfo = ConferencePopupPolicy::ConfInfo,
    PopupWidget_Minutes = ConferencePopupPolicy::Minutes,
};
// restStopRecording: the host ends the conference, or leaves it.
constexpr int kHostEnds = 1;
constexpr int kHostLeaves = 2;

constexpr int kCountdownLeft = 10;
constexpr int kCountdownAboveBottom = 100;
constexpr int kMoreMenuGap = 10;
constexpr int kShareFrameRate = 10;
// The notice that another device of the user took over the conference.
constexpr int kKickOutWidth = 400;
constexpr int kKickOutHeight = 190;
// The unified view's sharing mode of a wireless projection, and once it became a conference.
constexpr int kProjectionMode = 2;
constexpr int kConferenceMode = 1;

const char* const kMenuStyle = "QMenu{            background-color:rgba(255,255,255,255);    border-radius:4px;}"
                               "QMenu::icon{    margin-left:10px;}"
                               "QMenu::item{    padding-left:30px;color:#000000;width:145px;height:23px;    "
                               "background-color:transparent;}"
                               "QMenu::item:selected{                color:#000000;background-color:rgb(0,128,240);}";

QString popUpPic(const char* file)
{
    return QStringLiteral(":/ConfNew/Resource/ConfNew/PopUpPic/") + QLatin1String(file);
}

// The one tip of every conference window.
QPointer<KpMsgTip>& sharedTip()
{
    static QPointer<KpMsgTip> tip;
    return tip;
}

} // namespace

ConferenceMainUi::ConferenceMainUi(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ConferenceMainUi)
{
    ui->setupUi(this);
    setWindowTitle(tr("meeting"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setWindowIcon(QIcon(KP_CustomStyle::getOEMLogoUrl(0)));
    for (QWidget* w :
        std::initializer_list<QWidget*> { this, ui->MainMiddleStackWgt, ui->MainMiddlePage2, ui->widget_VideoMain })
        w->setMouseTracking(true);
    buildChildren();
    connectBars();

    m_polling = new PPC_Polling(this);
    m_polling->hide();
    connect(m_polling, &PPC_Polling::sig_openPolling, this, &ConferenceMainUi::slot_openPolling);
    connect(m_polling, &PPC_Polling::sig_closePolling, this, &ConferenceMainUi::slot_closePolling);
    connect(m_layout, &ConferenceLayoutControl::sig_pollingChanged, m_polling, &PPC_Polling::setPollingState);
    connect(m_layout, &ConferenceLayoutControl::sig_tip, this, &ConferenceMainUi::showTip);
    m_confTimer = new QTimer(this);
    m_confTimer->setObjectName(QStringLiteral("conferenceTimer"));
    connect(m_confTimer, &QTimer::timeout, this, &ConferenceMainUi::slot_confTimeout);
    createPopups();
    m_quickInvite = new PPC_QuickInvite(nullptr);
    m_quickInvite->hide();
    m_countdown = new RectangeTip(this);
    m_countdown->hide();

    createMenus();
    m_videoArea->initTiles(0);
    m_videoArea->setScreenLayout(1);
    ui->MainMiddleStackWgt->setCurrentWidget(ui->MainMiddlePage2);
    m_deviceSettings = new MoreMenuChild(this, MoreMenuChild::Mode_AllDevices);
    m_deviceSettings->hide();
    UnifiedConferenceView* view = conferenceView();
    connect(view, &UnifiedConferenceView::sig_updateAllMicphonesButtonState, this,
        [this](bool on) { m_allMicrophonesOn = on; });
    connect(
        view, &UnifiedConferenceView::sig_updateAllCameraButtonState, this, [this](bool on) { m_allCamerasOn = on; });

    ui->label_kestrum_title->setFont(KP_UI_UTIL::getFontScale(14, true));
    connectBusiness();
    for (QPushButton* b : { ui->btn_close, ui->btn_max, ui->btn_min })
        b->setCursor(Qt::PointingHandCursor);
    for (QPushButton* b : { ui->closeMacBtn, ui->minMacBtn, ui->maxMacBtn })
        b->hide();
    ui->maxMacBtn->setProperty("active", QStringLiteral("0"));

    const long ole = KpPlatform::oleInitialize();
    m_oleInitialised = KpPlatform::oleUsable(ole);
    if (!m_oleInitialised)
        qWarning("Qt: Could not initialize OLE (error %lx)", ole);

    m_statistics = new DebugForStatisticsWdg(this);
    m_statistics->hide();
    m_toolBar->show();
    emit m_toolBar->sig_on_members_clicked();
    m_titleBar->setRecording(view->m_isRecording);

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

ConferenceMainUi::~ConferenceMainUi()
{
    // The windows made without parent go with the conference, its tip too.
    delete m_quickInvite;
    delete m_shareControl.data();
    if (KpMsgTip* tip = sharedTip())
        tip->close();
    if (m_cursorConfined)
        KpPlatform::clipCursor(nullptr);
    if (m_oleInitialised)
        KpPlatform::oleUninitialize();
}

void ConferenceMainUi::buildChildren()
{
    m_titleBar = new ConferenceTitleBar(ui->widget_title_bar);
    m_titleBar->setObjectName(QStringLiteral("conferenceTitleBar"));
    ui->widget_title_bar->layout()->addWidget(m_titleBar);
    m_videoArea = new ConfSmartVideoPlayMainWdg(ui->widget_VideoMain);
    ui->widget_VideoMain->layout()->addWidget(m_videoArea);
    m_rightWgt = new ConfRightWgt(ui->wgt_rightWgt);
    ui->wgt_rightWgt->layout()->addWidget(m_rightWgt);
    m_toolBar = new ConferenceToolBar(ui->wgt_bottom_tool_bar);
    m_toolBar->setObjectName(QStringLiteral("conferenceToolBar"));
    ui->wgt_bottom_tool_bar->layout()->addWidget(m_toolBar);
    m_layout = new ConferenceLayoutControl(m_videoArea, m_titleBar, this);
    // Hidden until the toolbar's first toggle opens it.
    ui->wgt_rightWgt->hide();
}

void ConferenceMainUi::connectBars()
{
    ConferenceToolBar* bar = m_toolBar;
    connect(bar, &ConferenceToolBar::sig_on_more_clicked, this, &ConferenceMainUi::on_btn_moremenu_clicked);
    connect(bar, &ConferenceToolBar::sig_on_audio_clicked, this, &ConferenceMainUi::on_btn_micphone_clicked);
    connect(bar, &ConferenceToolBar::sig_on_chats_clicked, this, &ConferenceMainUi::on_btn_chat_clicked);
    connect(bar, &ConferenceToolBar::sig_on_video_clicked, this, &ConferenceMainUi::on_btn_camera_clicked);
    connect(bar, &ConferenceToolBar::sig_on_members_clicked, this, &ConferenceMainUi::slot_toggleRightPanel);
    connect(bar, &ConferenceToolBar::sig_on_fullscreen_clicked, this, &ConferenceMainUi::on_btn_fullscreen_clicked);
    connect(bar, &ConferenceToolBar::sig_on_layout_mode_clicked, this, &ConferenceMainUi::on_btn_screenLayout_clicked);
    connect(bar, &ConferenceToolBar::sig_on_share_screen_clicked, this, &ConferenceMainUi::on_btn_sharescreen_clicked);
    connect(bar, &ConferenceToolBar::sig_on_polling_clicked, this, &ConferenceMainUi::on_btn_polling_clicked);
    connect(bar, &ConferenceToolBar::sig_on_stop_conf_clicked, this, &ConferenceMainUi::slot_on_stop_conf_clicked);
    connect(bar, &ConferenceToolBar::sig_on_workbench_clicked, this, &ConferenceMainUi::slot_on_workbench_clicked);

    ConferenceTitleBar* title = m_titleBar;
    connect(title, &ConferenceTitleBar::sig_showDetailInfo, this, &ConferenceMainUi::slot_showDetailInfo);
    connect(title, &ConferenceTitleBar::sig_safe_clicked, this, &ConferenceMainUi::slot_safe_clicked);
    connect(title, &ConferenceTitleBar::sig_wifi_clicked, this, &ConferenceMainUi::slot_wifi_clicked);
    connect(title, &ConferenceTitleBar::sig_record_tip_clicked, this, &ConferenceMainUi::slot_record_tip_clicked);
    connect(title, &ConferenceTitleBar::sig_layout_mode_clicked, this, &ConferenceMainUi::slot_layout_mode_clicked);
    connect(ui->btn_min, &QPushButton::clicked, this, &ConferenceMainUi::slot_min_clicked);
    connect(ui->btn_max, &QPushButton::clicked, this, &ConferenceMainUi::slot_max_clicked);
    connect(ui->btn_close, &QPushButton::clicked, this, &ConferenceMainUi::slot_close_clicked);

    connect(m_rightWgt, &ConfRightWgt::sig_invite_clicked, this, &ConferenceMainUi::slot_invite_clicked);
    connect(
        m_rightWgt, &ConfRightWgt::sig_member_control_clicked, this, &ConferenceMainUi::slot_member_control_clicked);
    connect(m_rightWgt, &ConfRightWgt::sig_conf_right_close_clicked, this,
        &ConferenceMainUi::slot_conf_right_close_clicked);
    connect(
        m_rightWgt, &ConfRightWgt::sig_onConferenceCountChange, this, &ConferenceMainUi::slot_onConferenceCountChange);
}

void ConferenceMainUi::connectBusiness()
{
    using V = UnifiedConferenceView;
    V* view = conferenceView();
    connect(view, qOverload<ConferenceBriefInfo>(&V::sig_updateConferenceInfo), this,
        qOverload<ConferenceBriefInfo>(&ConferenceMainUi::slot_updateConferenceInfo));
    connect(view, qOverload<bool, ConferenceBriefInfo>(&V::sig_updateConferenceInfo), this,
        qOverload<bool, ConferenceBriefInfo>(&ConferenceMainUi::slot_updateConferenceInfo));
    connect(view, &V::sig_showConferenceDetail, this, [this] {
        const bool host = isHost();
        m_toolBar->setHost(host);
        m_rightWgt->setIsHost(host);
    });
    connect(view, &V::sig_onJoinConference, this, &ConferenceMainUi::slot_onJoinConference);
    connect(view, &V::sig_onLeaveConference, this, &ConferenceMainUi::slot_onLeaveConference);
    connect(view, &V::sig_onDismissConference, this, &ConferenceMainUi::slot_onDismissConference);
    connect(view, &V::sig_onBeginShareDesktop, this, &ConferenceMainUi::slot_onBeginShareDesktop);
    connect(view, &V::sig_onStopShareDesktop, this, &ConferenceMainUi::slot_onStopShareDesktop);
    connect(view, &V::sig_onNotifyCancelDesktopShare, this, &ConferenceMainUi::slot_onNotifyCancelDesktopShare);
    connect(view, &V::sig_onNotifyConferenceLockStatus, this, &ConferenceMainUi::slot_onNotifyConferenceLockStatus);
    connect(view, &V::sig_onControlSelfCamera, this, &ConferenceMainUi::slot_onControlSelfCamera);
    connect(view, qOverload<QString, bool>(&V::sig_onControlSelfMicphone), this,
        qOverload<QString, bool>(&ConferenceMainUi::slot_onControlSelfMicphone));
    connect(view, qOverload<bool, bool>(&V::sig_onControlSelfMicphone), this,
        qOverload<bool, bool>(&ConferenceMainUi::slot_onControlSelfMicphone));
    connect(view, &V::sig_onRequestOpenCamera, this, &ConferenceMainUi::slot_onRequestOpenCamera);
    connect(view, &V::sig_StartRecord, this, [this](bool on) { m_titleBar->setRecording(on); });
    connect(view, &V::sig_onNetworkSignalStrength, this, &ConferenceMainUi::slot_onNetworkSignalStrength);
    connect(view, &V::sig_onStatisticsInfo, this, [this](const QString& json) {
        StatisticsPolicy::MediaStatistics stats;
        QString error;
        if (!StatisticsPolicy::parseStatistics(json, &stats, &error)) {
            AreaLog::conference().LogDebug(QStringLiteral("ConferenceMainUi statistics ignored: %1").arg(error));
            return;
        }
        m_titleBar->setNetworkQuality(stats.rttMs, stats.sendLoss, stats.recvLoss);
        m_wifi->setDelay(stats.rttMs);
        m_wifi->setSendLoss(stats.sendLoss);
        m_wifi->setRecvLoss(stats.recvLoss);
        m_wifi->refresh();
    });
    connect(view, &V::sig_onConferenceMediaTimeout, this, [this](const QString&, int, const QString& confId) {
        if (KP_BusinessView::instance()->getMultimediaMgrView()->getMultimediaStatus() == MULTIMEDIA_FREE
            || confId != conferenceView()->getCurrentConfId())
            return;
        emit UI_ControlView::instance()->sig_showMsgTip(
            tr("Media timeout, you will leave the meeting!"), POPUP_HANDLE_CONFERENCE);
        QTimer::singleShot(kMediaTimeoutLeaveMs, this, [this] { slot_onAccept(CommonPopup_Leave); });
    });
    connect(view, &V::sig_selectConfMembers, this,
        [this](const QStringList& accounts, const QList<QSharedPointer<AddressBookBase>>&, int type) {
            if (type != 2 || accounts.isEmpty())
                return;
            conferenceView()->inviteMembers(accounts);
            if (isHidden())
                show();
            activateWindow();
            raise();
        });
    connect(view, &V::sig_multiEndKickOut, this, [this] {
        if (m_kickOutNotice)
            return;
        // Modal without a nested event loop: the window may be deleted while the notice waits.
        auto* notice = new ComConfirmDlg(tr("Move out of meeting"),
            tr("You have joined the meeting on another device, and the current device has been removed from the "
               "meeting."),
            kKickOutWidth, kKickOutHeight, this);
        notice->setAttribute(Qt::WA_DeleteOnClose);
        notice->setWindowModality(Qt::ApplicationModal);
        m_kickOutNotice = notice;
        connect(notice, &QDialog::finished, this, [] { emit conferenceView()->sig_closeConferenceMainWidget(); });
        centreOnWindow(notice);
        notice->show();
        notice->raise();
    });
    connect(view, &V::sig_startConferenceWhiteborad, this, &ConferenceMainUi::slot_onStartWhiteBorad);
    connect(KP_BusinessView::instance()->getWhiteBoardView(), &WhiteBoardView::sig_onDeleteRoom, this,
        &ConferenceMainUi::slot_onStopWhiteBorad);
    connect(
        view, &V::sig_handleMsgReserveRemindBeforeEnd, this, &ConferenceMainUi::slot_handleMsgReserveRemindBeforeEnd);
    connect(view, &V::sig_confEndCountdown, this, &ConferenceMainUi::slot_onCountdownTip);
    connect(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip, this, &ConferenceMainUi::slot_onShowMsgTip);
    connect(KP_BusinessView::instance()->getMsgCtrlCb(), &ChatMsgControl::slot_onUpdateConfMsg, this,
        &ConferenceMainUi::slot_onUpdateMsgNotice);
    connect(view, &V::sig_showConfShareWidget, this, &ConferenceMainUi::slot_showConfShareWidget);

    connect(view, &V::sig_onConferenceParticipant, this, &ConferenceMainUi::slot_onConferenceParticipant);
    connect(view, &V::sig_onGetConferenceMemberInfoList, this, &ConferenceMainUi::slot_onGetConferenceMemberInfoList);
    connect(view, &V::sig_onInviteMemberList, this, &ConferenceMainUi::slot_onInviteMemberList);
    connect(view, &V::sig_onJoinConferenceNotify, this, &ConferenceMainUi::slot_onJoinConferenceNotify);
    connect(view, &V::sig_onConfMsgMemberQuit, this, &ConferenceMainUi::slot_onConfMsgMemberQuit);
    connect(view, &V::sig_onConfMsgKickMember, this, &ConferenceMainUi::slot_onConfMsgKickMember);
    connect(view, qOverload<ConferenceMemberInfo, int>(&V::sig_updateMemberInfo), this,
        &ConferenceMainUi::slot_updateMemberInfo);
    connect(view, &V::sig_updateMainConfLayout, this, &ConferenceMainUi::slot_updateMainConfLayout);
    connect(view, &V::sig_onBeginShareDesktopNotify, this, &ConferenceMainUi::slot_onBeginShareDesktopNotify);
    connect(view, &V::sig_onStopShareDesktopNotify, this, &ConferenceMainUi::slot_onStopShareDesktopNotify);
}

void ConferenceMainUi::createMenus()
{
    auto makeMenu = [this] {
        auto* menu = new QMenu(this);
        menu->setFocusPolicy(Qt::NoFocus);
        menu->setWindowFlags(menu->windowFlags() | Qt::Popup | Qt::FramelessWindowHint);
        menu->setAttribute(Qt::WA_TranslucentBackground);
        menu->setStyleSheet(QLatin1String(kMenuStyle));
        menu->hide();
        return menu;
    };
    m_moreMenu = makeMenu();
    m_moreMenu->setObjectName(QStringLiteral("moreMenu"));
    m_inviteMenu = makeMenu();
    m_inviteMenu->setObjectName(QStringLiteral("inviteMenu"));
    m_inviteMenu->addAction(tr("invite"));
    m_inviteMenu->addAction(tr("invite tellphone"));
    connect(m_inviteMenu, &QMenu::triggered, this, &ConferenceMainUi::on_btn_InviteMenuAction_trigger);
}

bool ConferenceMainUi::isHost() const
{
    return conferenceView()->isHost();
}

void ConferenceMainUi::centreOnWindow(QWidget* popup) const
{
    popup->move(pos() + QPoint((width() - popup->width()) / 2, (height() - popup->height()) / 2));
}

void ConferenceMainUi::createPopups()
{
    m_smallPopup = new Popup_Small_Widget(this);
    m_smallPopup->hide();
    connect(m_smallPopup, &Popup_Small_Widget::sig_conflock, this, &ConferenceMainUi::slot_OpenConfLock);
    connect(m_smallPopup, &Popup_Small_Widget::sig_Host_invite, this, &ConferenceMainUi::slot_Host_invite);
    connect(m_smallPopup, &Popup_Small_Widget::sig_stoppolling, this, &ConferenceMainUi::slot_closePolling);
    m_commonPopup = new Popup_Common_Widget(this);
    m_commonPopup->hide();
    connect(m_commonPopup, &Popup_Common_Widget::sig_onAccept, this, &ConferenceMainUi::slot_onAccept);
    connect(m_commonPopup, &Popup_Common_Widget::sig_onOther, this, &ConferenceMainUi::slot_onOther);
    m_wifi = new WifiWgt(this);
    m_wifi->hide();
}

void ConferenceMainUi::showCommonPopup(int type)
{
    m_commonPopup->setType(Popup_Common_Widget_Type(type));
    centreOnWindow(m_commonPopup);
    m_commonPopup->show();
    m_commonPopup->raise();
}

void ConferenceMainUi::showSmallPopup(int type)
{
    m_smallPopup->setShowType(Popup_Small_Widget_Type(type));
    centreOnWindow(m_smallPopup);
    m_smallPopup->show();
    m_smallPopup->raise();
}

InviteChoiceWgt* ConferenceMainUi::inviteChoice() const
{
    return m_inviteChoice;
}

CallPhoneDlg* ConferenceMainUi::callPhoneDialog() const
{
    return m_callPhone;
}

ShareConfInfoWgt* ConferenceMainUi::detailCard() const
{
    return m_detailCard;
}

ConfShareWidget* ConferenceMainUi::confShareWidget() const
{
    return m_confShare;
}

PPC_ShareScreen* ConferenceMainUi::shareChooser() const
{
    return m_shareScreen;
}

ShareScreenControl* ConferenceMainUi::shareControl() const
{
    return m_shareControl && m_shareControl->isVisible() ? m_shareControl.data() : nullptr;
}

void ConferenceMainUi::stopOwnShare()
{
    UnifiedConferenceView* view = conferenceView();
    if (ShareScreenControl* bar = shareControl();
        bar && view->isDesktopSharing(view->getCurrentAccount(), CONFMEMBER_DEVICE_PC))
        bar->slot_stopShareScreenClicked();
}

void ConferenceMainUi::stopShareBar()
{
    // Leaving already: the bar's own leave request is not wanted on top.
    if (ShareScreenControl* bar = shareControl()) {
        bar->disconnect(this);
        bar->slot_stopShareScreenClicked();
    }
}

RectangeTip* ConferenceMainUi::countdownStrip() const
{
    return m_countdown;
}

ExtendDurationWidget* ConferenceMainUi::extendOffer() const
{
    return m_extendOffer;
}

KpMsgTip* ConferenceMainUi::messageTip()
{
    return sharedTip();
}

void ConferenceMainUi::showTip(const QString& text)
{
    QPointer<KpMsgTip>& tip = sharedTip();
    if (tip && tip->getTimerIsActive()) {
        AreaLog::conference().LogDebug(QStringLiteral("ConferenceMainUi::showTip dropped: %1").arg(text));
        return;
    }
    if (!tip) {
        tip = new KpMsgTip(nullptr);
        tip->setAttribute(Qt::WA_DeleteOnClose);
    }
    tip->addMsgTip(text);
    centreOnWindow(tip);
}

void ConferenceMainUi::startMirroringShare()
{
    voipView()->SelectShareDevice(0, KpPlatform::desktopWindowHandle(), kShareFrameRate, 0.0f);
    conferenceView()->beginDesktopShare();
    voipView()->setRemoteMute(true);
}

// ---------------------------------------------------------------- toolbar and title bar

void ConferenceMainUi::on_btn_moremenu_clicked()
{
    fillMoreMenu();
    auto* from = qobject_cast<QWidget*>(sender());
    if (!from)
        from = m_toolBar;
    m_moreMenu->show();
    const QPoint origin = from->mapToGlobal(QPoint(0, 0));
    m_moreMenu->move(
        origin.x() + from->width() - m_moreMenu->width(), origin.y() - m_moreMenu->height() - kMoreMenuGap);
    m_moreMenu->exec();
}

void ConferenceMainUi::fillMoreMenu()
{
    m_moreMenu->clear();
    UnifiedConferenceView* view = conferenceView();
    auto add = [this](const QString& icon, const QString& text, auto handler) {
        QAction* action = m_moreMenu->addAction(QIcon(icon), text);
        connect(action, &QAction::triggered, this, handler);
    };
    const QString controlBtn = QStringLiteral(":/ConfNew/Resource/ConfNew/ControlBtn/");
    if (view->isEnabledVoiceActivate())
        add(controlBtn + QStringLiteral("Icon_ConfAudioOff.png"), tr("Turn off voice activation"),
            [] { conferenceView()->enableVoiceActivate(false); });
    else
        add(controlBtn + QStringLiteral("Icon_ConfAudioOn.png"), tr("Turn on voice activation"),
            [] { conferenceView()->enableVoiceActivate(true); });
    add(popUpPic("poll.png"), tr("Polling"), [this] { on_btn_polling_clicked(); });
    add(popUpPic("confinfo2x.png"), tr("Meeting information"), [this] { showPopupWidget(PopupWidget_ConfInfo); });
    add(popUpPic("set2x.png"), tr("Configura"), [this] { showDeviceSettings(MoreMenuChild::Page_Audio); });
    if (!isHost())
        return;
    if (m_lockStatus & CONF_LOCK_BIT_CONFERENCE)
        add(popUpPic("confonlock2x.png"), tr("Meeting lock: turned on"),
            [] { conferenceView()->setConferenceLockState(CONF_UNLOCK_CONFERENCE); });
    else
        add(popUpPic("confonlock2x.png"), tr("Meeting lock: turned off"),
            [this] { showSmallPopup(ConferencePopupPolicy::Small_MeetingLock); });
    if (m_lockStatus & CONF_LOCK_BIT_SHARING)
        add(popUpPic("shareonlock2x.png"), tr("Sharing lock: turned on"),
            [] { conferenceView()->setConferenceLockState(CONF_UNLOCK_SHARING); });
    else
        add(popUpPic("shareonlock2x.png"), tr("Shared lock: turned off"), [this] {
            // Locking while another member shares stops that share: the question says so.
            UnifiedConferenceView* conf = conferenceView();
            const bool othersShare
                = m_layout->isSharing() && !conf->isDesktopSharing(conf->getCurrentAccount(), CONFMEMBER_DEVICE_PC);
            showCommonPopup(othersShare ? CommonPopup_ShareLockStopsOther : CommonPopup_ShareLock);
        });
}

void ConferenceMainUi::on_btn_micphone_clicked(bool checked)
{
    conferenceView()->controlSelfMicphone(!checked);
}

void ConferenceMainUi::on_btn_chat_clicked()
{
    emit conferenceView()->sig_showConferenceChat(m_confId);
}

void ConferenceMainUi::on_btn_camera_clicked(bool checked)
{
    setUpdatesEnabled(true);
    UnifiedConferenceView* view = conferenceView();
    if (checked) {
        view->controlSelfCamera(false, nullptr);
        return;
    }
    if (!view->isHaveCamears()) {
        emit UI_ControlView::instance()->sig_showMsgTip(tr("Cannot be opened without device"), POPUP_HANDLE_DEFAULT);
        return;
    }
    view->controlSelfCamera(true, nullptr);
}

void ConferenceMainUi::slot_toggleRightPanel()
{
    const ConferenceWindowPolicy::PanelToggle toggle
        = ConferenceWindowPolicy::togglePanel(m_rightPanelShown, m_firstToggle, m_maximised);
    if (!toggle.shown) {
        ui->wgt_rightWgt->hide();
        m_rightPanelShown = false;
    }
    if (toggle.widthChange != 0)
        resize(width() + ScreenScale::scaled(toggle.widthChange), height());
    if (toggle.shown) {
        m_firstToggle = false;
        ui->wgt_rightWgt->show();
        m_rightWgt->on_btn_member_clicked();
        m_rightPanelShown = true;
    }
}

void ConferenceMainUi::on_btn_fullscreen_clicked(bool)
{
    if (!isFullScreen()) {
        m_maximised = true;
        showFullScreen();
    } else {
        m_maximised = false;
        showNormal();
    }
    setUpdatesEnabled(true);
}

void ConferenceMainUi::on_btn_screenLayout_clicked()
{
    showPopupWidget(PopupWidget_ScreenLayout);
}

void ConferenceMainUi::on_btn_sharescreen_clicked()
{
    UnifiedConferenceView* view = conferenceView();
    const bool host = isHost();
    if (!m_layout->isSharing()) {
        if (!host && (m_lockStatus & CONF_LOCK_BIT_SHARING)) {
            showTip(tr("The moderator has turned on sharing lock, please wait"));
            return;
        }
        if (m_toolBar->isWhiteboardActive()) {
            emit view->sig_activeWhiteborad();
            return;
        }
        if (m_shareScreen && m_shareScreen->isVisible()) {
            m_shareScreen->raise();
            return;
        }
        if (m_shareScreen)
            m_shareScreen->slot_close();
        auto* chooser = new PPC_ShareScreen(this);
        m_shareScreen = chooser;
        connect(chooser, &PPC_ShareScreen::sig_startWhiteBoard, this, &ConferenceMainUi::slot_startWhiteBoard);
        connect(chooser, &PPC_ShareScreen::sig_onClose, this, &ConferenceMainUi::slot_closeShareScreenWgt);
        chooser->setFixedSize(chooser->size());
        centreOnWindow(chooser);
        voipView()->selectShareWindow();
        chooser->show();
        chooser->raise();
        return;
    }
    ENUM_CONFMEMBER_DEVICETYPE deviceType = CONFMEMBER_DEVICE_NONE;
    const QString sharer = view->getDesktopShareAccount(deviceType);
    if (host && view->getCurrentAccount() != sharer) {
        showCommonPopup(CommonPopup_StopShare);
        return;
    }
    showTip(tr("The meeting is being shared, please wait"));
}

void ConferenceMainUi::on_btn_polling_clicked()
{
    centreOnWindow(m_polling);
    m_polling->setPollingState(m_layout->isPolling());
    m_polling->show();
    m_polling->raise();
}

void ConferenceMainUi::slot_on_stop_conf_clicked(QRect rect)
{
    if (!m_stopPopup) {
        m_stopPopup = new StopConfPopupWgt(this);
        connect(m_stopPopup, &StopConfPopupWgt::sig_leaveConf, this, [this] { slot_onAccept(CommonPopup_Leave); });
        connect(m_stopPopup, &StopConfPopupWgt::sig_stopConf, this, [this] {
            if (!m_stopConfirm) {
                m_stopConfirm = new StopConfConfirmWgt(this);
                connect(
                    m_stopConfirm, &StopConfConfirmWgt::sig_stopConf, this, &ConferenceMainUi::slot_stopConfConfirmed);
            }
            centreOnWindow(m_stopConfirm);
            m_stopConfirm->exec();
        });
    }
    m_stopPopup->setHost(isHost());
    m_stopPopup->popUpAt(ConferencePopupPolicy::anchoredPosition(
        ConferencePopupPolicy::Anchor::StopConf, rect, m_stopPopup->size(), ui->wgt_bottom_tool_bar->height()));
}

void ConferenceMainUi::slot_on_workbench_clicked(QRect rect)
{
    if (!m_workbench) {
        m_workbench = new WorkbenchWgt(this);
        connect(m_workbench, &WorkbenchWgt::sig_audio_setting_clicked, this,
            [this] { showDeviceSettings(MoreMenuChild::Page_Audio); });
        connect(m_workbench, &WorkbenchWgt::sig_video_setting_clicked, this,
            [this] { showDeviceSettings(MoreMenuChild::Page_Video); });
        connect(m_workbench, &WorkbenchWgt::sig_poolling, this, [this](bool on, const QString& time) {
            if (on)
                slot_openPolling(time);
            else
                slot_closePolling();
            // Too few members refuse polling: the switch shows what runs.
            m_workbench->setPolling(m_layout->isPolling());
        });
        connect(m_workbench, &WorkbenchWgt::sig_confLock, this, [](bool lock) {
            conferenceView()->setConferenceLockState(ConferencePopupPolicy::conferenceLockCommand(lock));
        });
        connect(m_workbench, &WorkbenchWgt::sig_shareLock, this,
            [](bool lock) { conferenceView()->setConferenceLockState(ConferencePopupPolicy::shareLockCommand(lock)); });
        connect(m_layout, &ConferenceLayoutControl::sig_pollingChanged, m_workbench, &WorkbenchWgt::setPolling);
    }
    // The device pages show what is plugged in now.
    if (m_deviceSettings) {
        voipView()->getCameraInfo();
        voipView()->getMicroPhoneInfo();
        voipView()->getSpeakerInfo();
    }
    m_workbench->setPolling(m_layout->isPolling());
    m_workbench->setConferenceLock(m_lockStatus & CONF_LOCK_BIT_CONFERENCE);
    m_workbench->setShareLock(m_lockStatus & CONF_LOCK_BIT_SHARING);
    m_workbench->popUpAt(
        ConferencePopupPolicy::anchoredPosition(ConferencePopupPolicy::Anchor::Workbench, rect, m_workbench->size()));
}

void ConferenceMainUi::slot_showDetailInfo(QRect rect)
{
    if (!m_detailCard)
        m_detailCard = new ShareConfInfoWgt(this);
    m_detailCard->setConferenceInfo(m_confInfo);
    m_detailCard->move(ConfSharePolicy::detailCardPosition(rect, m_detailCard->size(), m_maximised));
    m_detailCard->show();
    m_detailCard->raise();
}

void ConferenceMainUi::slot_safe_clicked(QRect rect)
{
    if (!m_safe)
        m_safe = new SafeWgt(this);
    m_safe->refresh();
    m_safe->popUpAt(ConferencePopupPolicy::anchoredPosition(ConferencePopupPolicy::Anchor::Safe, rect, m_safe->size()));
}

void ConferenceMainUi::slot_wifi_clicked(QRect rect)
{
    m_wifi->popUpAt(ConferencePopupPolicy::anchoredPosition(ConferencePopupPolicy::Anchor::Wifi, rect, m_wifi->size()));
}

void ConferenceMainUi::slot_record_tip_clicked(QRect rect)
{
    if (!m_record)
        m_record = new RecordPopupWgt(this);
    m_record->popUpAt(
        ConferencePopupPolicy::anchoredPosition(ConferencePopupPolicy::Anchor::Record, rect, m_record->size()));
}

void ConferenceMainUi::slot_layout_mode_clicked(QRect)
{
    showPopupWidget(PopupWidget_ScreenLayout, QPoint(0, 0));
}

void ConferenceMainUi::showPopupWidget(int type, const QPoint& localPos)
{
    auto* popup = new PopupWidget(this);
    popup->setShowType(type);
    popup->setConferenceInfo(m_confInfo);
    popup->setHost(isHost());
    if (type == PopupWidget_ScreenLayout) {
        connect(popup, &PopupWidget::sig_setScreenLayout, this, &ConferenceMainUi::slot_setScreenLayout);
        popup->setSharing(m_layout->isSharing());
        popup->setLayoutType(m_layout->currentLayoutType());
    }
    popup->move(ConferencePopupPolicy::popupWidgetPosition(
        type, QRect(mapToGlobal(QPoint(0, 0)), size()), popup->size(), localPos));
    popup->raise();
    // The window may go while the pop-up waits (the conference ends): neither is touched after that.
    const QPointer<PopupWidget> shown(popup);
    popup->exec();
    // Hidden, not closed: this opening is over all the same.
    if (shown)
        shown->deleteLater();
}

void ConferenceMainUi::showDeviceSettings(int page)
{
    if (!m_deviceSettings)
        m_deviceSettings = new MoreMenuChild(this, MoreMenuChild::Mode_AllDevices);
    m_deviceSettings->showPage(page);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    m_deviceSettings->move(screen.center() - m_deviceSettings->rect().center());
    m_deviceSettings->show();
}

void ConferenceMainUi::slot_min_clicked()
{
    showMinimized();
}

void ConferenceMainUi::slot_max_clicked()
{
    if (!m_maximised) {
        m_maximised = true;
        ui->btn_max->setStyleSheet(QStringLiteral(
            "QPushButton{border:none;image:url(:/TitleBar/Resource/TitleBar/dark_btn_restore_normal.png);}"
            "QPushButton:hover{image:url(:/TitleBar/Resource/TitleBar/dark_btn_restore_hover.png);}"
            "QPushButton:pressed{image:url(:/TitleBar/Resource/TitleBar/dark_btn_restore_press.png);}"));
        m_normalGeometry = QRect(pos(), size());
        showMaximized();
        return;
    }
    m_maximised = false;
    // The area style gives the button its maximise images again.
    ui->btn_max->setStyleSheet(QString());
    showNormal();
    resize(ScreenScale::scaled(ConferenceWindowPolicy::restoredWidth(m_rightPanelShown)), m_normalGeometry.height());
    QVector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->geometry();
    move(ConferenceWindowPolicy::restoredPosition(
        m_normalGeometry.topLeft(), screens, QGuiApplication::primaryScreen()->geometry().width()));
}

void ConferenceMainUi::slot_close_clicked()
{
    on_btn_exit_clicked();
}

void ConferenceMainUi::on_btn_exit_clicked()
{
    AreaLog::conference().LogDebug(QStringLiteral("%1 line:%2 isConfOwner:%3")
                                       .arg(QStringLiteral("ConferenceMainUi::on_btn_exit_clicked"))
                                       .arg(__LINE__)
                                       .arg(isHost()));
    m_commonPopup->setType(Popup_Common_Widget_Type(isHost() ? CommonPopup_EndOrLeave : CommonPopup_Leave));
    const QPoint centred
        = mapToGlobal(QPoint(width() / 2 - m_commonPopup->width() / 2, height() / 2 - m_commonPopup->height() / 2));
    if (ConferencePopupPolicy::exitPopupFits(centred, m_commonPopup->size(), KP_UI_UTIL::getDeskTopHeight()))
        m_commonPopup->move(centred);
    m_commonPopup->show();
    m_commonPopup->raise();
}

// ---------------------------------------------------------------- side panel

void ConferenceMainUi::slot_invite_clicked(QRect rect)
{
    if (conferenceView()->allowCallPhone()) {
        if (!m_inviteChoice) {
            m_inviteChoice = new InviteChoiceWgt(this);
            connect(m_inviteChoice, &InviteChoiceWgt::sig_invite_phone, this, &ConferenceMainUi::showCallPhoneDialog);
            connect(m_inviteChoice, &InviteChoiceWgt::sig_choice_members, this, &ConferenceMainUi::inviteMembers);
        }
        m_inviteChoice->move(ConfSharePolicy::inviteChoicePosition(rect, m_inviteChoice->size()));
        m_inviteChoice->show();
        m_inviteChoice->raise();
        // Active, so that activating any other window puts it away.
        m_inviteChoice->activateWindow();
        return;
    }
    inviteMembers();
}

void ConferenceMainUi::showCallPhoneDialog()
{
    if (!m_callPhone) {
        m_callPhone = new CallPhoneDlg(this);
        m_callPhone->setTexts(
            tr("Invite phone to join"), tr("Please enter your mobile phone number"), tr("Confirm call"), tr("cancel"));
        connect(m_callPhone, &CallPhoneDlg::sig_okClicked, this, [](const QString& number) {
            conferenceView()->invitePhoneMembers(landingCallMembers({ PhoneInvitePolicy::typedNumber(number) }));
        });
    }
    m_callPhone->clearNumber();
    centreOnWindow(m_callPhone);
    // Modal without a nested event loop: the answer comes back through the signals.
    m_callPhone->open();
}

void ConferenceMainUi::inviteMembers()
{
    if (m_lockStatus & CONF_LOCK_BIT_CONFERENCE) {
        showSmallPopup(
            isHost() ? ConferencePopupPolicy::Small_HostInviteRefused : ConferencePopupPolicy::Small_InviteRefused);
        return;
    }
    emit conferenceView()->sig_onlySelectConfMembers(m_rightWgt->joinedAccounts(), 2);
}

void ConferenceMainUi::slot_member_control_clicked(QRect rect)
{
    if (!m_memberControl) {
        m_memberControl = new MemberControlPopupWgt(this);
        connect(m_memberControl, &MemberControlPopupWgt::sig_allMuteMic, this, &ConferenceMainUi::slot_allMuteMic);
        connect(
            m_memberControl, &MemberControlPopupWgt::sig_allMuteCamera, this, &ConferenceMainUi::slot_allMuteCamera);
        connect(m_memberControl, &MemberControlPopupWgt::sig_callOffline, this, &ConferenceMainUi::slot_callOffline);
    }
    m_memberControl->setAllMicrophones(m_allMicrophonesOn);
    m_memberControl->setAllCameras(m_allCamerasOn);
    m_memberControl->popUpAt(ConferencePopupPolicy::anchoredPosition(
        ConferencePopupPolicy::Anchor::MemberControl, rect, m_memberControl->size()));
}

void ConferenceMainUi::slot_conf_right_close_clicked()
{
    m_rightPanelShown = false;
    ui->wgt_rightWgt->hide();
    if (!m_maximised)
        resize(width() - ScreenScale::scaled(ConferenceWindowPolicy::kSidePanelWidth), height());
}

void ConferenceMainUi::slot_onConferenceCountChange(int inConf, int, int)
{
    m_toolBar->setMemberCount(inConf);
}

void ConferenceMainUi::slot_allMuteMic(bool on)
{
    conferenceView()->controlAllMemberMicphone(on);
}

void ConferenceMainUi::slot_allMuteCamera(bool on)
{
    conferenceView()->controlAllMemberCamera(on);
}

void ConferenceMainUi::slot_callOffline()
{
    const bool called = m_rightWgt->callOfflineMembers() > 0;
    emit UI_ControlView::instance()->sig_showMsgTip(
        called ? tr("Offline call sent") : tr("There are currently no unincorporated members"),
        POPUP_HANDLE_CONFERENCE);
}

// ---------------------------------------------------------------- pop-up answers and the exit flow

void ConferenceMainUi::slot_OpenConfLock(bool on)
{
    if (on)
        conferenceView()->setConferenceLockState(CONF_LOCK_CONFERENCE);
}

void ConferenceMainUi::slot_Host_invite(bool on)
{
    if (on)
        conferenceView()->setConferenceLockState(CONF_UNLOCK_CONFERENCE);
}

void ConferenceMainUi::slot_onAccept(int type)
{
    UnifiedConferenceView* view = conferenceView();
    switch (type) {
    case CommonPopup_ShareLock:
    case CommonPopup_ShareLockStopsOther:
        view->setConferenceLockState(CONF_LOCK_SHARING);
        return;
    case CommonPopup_StopShare: {
        ENUM_CONFMEMBER_DEVICETYPE deviceType = CONFMEMBER_DEVICE_NONE;
        const QString account = view->getDesktopShareAccount(deviceType);
        if (account.isEmpty())
            return;
        if (deviceType == CONFMEMBER_DEVICE_WEB) {
            showTip(tr("The current share is H5, browser does not support"));
            return;
        }
        view->sendCmdDesktopShare(account, CONFMEMBER_DEVICE_PC, false);
        return;
    }
    case CommonPopup_Leave:
    case CommonPopup_EndOrLeave:
        leaveConference(isHost());
        return;
    default:
        AreaLog::conference().LogInfo(QStringLiteral("ConferenceMainUi::slot_onAccept unknown type %1").arg(type));
    }
}

void ConferenceMainUi::leaveConference(bool host)
{
    UnifiedConferenceView* view = conferenceView();
    emit view->sig_confUIClose(view->getCurrentConfId());
    emit view->sig_uiQuitWhiteborad();
    stopShareBar();
    if (host) {
        view->sendCmdLectureMode(false);
        view->restStopRecording(kHostLeaves);
    } else {
        view->leaveConference(QString());
    }
    m_layout->clearVideoList();
}

void ConferenceMainUi::slot_onOther(int type)
{
    if (type != CommonPopup_EndOrLeave) {
        AreaLog::conference().LogDebug(QStringLiteral("ConferenceMainUi::slot_onOther type %1 ignored").arg(type));
        return;
    }
    endConferenceForAll();
}

void ConferenceMainUi::slot_stopConfConfirmed()
{
    endConferenceForAll();
}

void ConferenceMainUi::endConferenceForAll()
{
    UnifiedConferenceView* view = conferenceView();
    emit view->sig_confUIClose(view->getCurrentConfId());
    stopShareBar();
    view->restStopRecording(kHostEnds);
    m_layout->clearVideoList();
}

void ConferenceMainUi::slot_setScreenLayout(int type)
{
    m_layout->setScreenLayout(type);
}

void ConferenceMainUi::slot_openPolling(QString time)
{
    m_layout->openPolling(time);
}

void ConferenceMainUi::slot_closePolling()
{
    m_layout->closePolling();
}

void ConferenceMainUi::slot_selectMinute(int min)
{
    emit conferenceView()->sig_conferenceExtendDuration(m_confId, min, min);
    slot_selectMinute_close();
}

void ConferenceMainUi::slot_selectMinute_close()
{
    if (!m_extendOffer)
        return;
    ExtendDurationWidget* offer = m_extendOffer;
    m_extendOffer = nullptr;
    disconnect(offer, nullptr, this, nullptr);
    offer->close();
    offer->deleteLater();
}

void ConferenceMainUi::slot_startWhiteBoard(QStringList listAccount, int whiteBoardType)
{
    if (!isHost() && (m_lockStatus & CONF_LOCK_BIT_SHARING)) {
        showTip(tr("The moderator turns on the sharing lock, prohibiting whiteboard sharing"));
        return;
    }
    KP_BusinessView::instance()->getWhiteBoardView()->wb_createRoomAndInvite(listAccount, whiteBoardType, m_confId);
}

void ConferenceMainUi::slot_closeShareScreenWgt()
{
    // A chooser replaced by a newer one reports its closing too; only the current one is forgotten.
    auto* closing = qobject_cast<PPC_ShareScreen*>(sender());
    if (closing && closing != m_shareScreen) {
        closing->deleteLater();
        return;
    }
    if (m_shareScreen)
        m_shareScreen->deleteLater();
    m_shareScreen = nullptr;
}

// ---------------------------------------------------------------- business signals

void ConferenceMainUi::slot_updateConferenceInfo(ConferenceBriefInfo info)
{
    AreaLog::conference().LogInfo(QStringLiteral("%1, conftTime= %2 confId")
                                      .arg(QStringLiteral("ConferenceMainUi::slot_updateConferenceInfo"))
                                      .arg(info.startTime)
        + QLatin1Char(' ') + info.confId);
    UnifiedConferenceView* view = conferenceView();
    m_confInfo = info;
    m_rightWgt->setConfId(info.confId);
    const bool host = isHost();
    m_toolBar->setHost(host);
    m_rightWgt->setIsHost(host);
    if (!m_confTimer->isActive() && info.startTime != 0) {
        m_confTimer->start(kClockIntervalMs);
        // The duration shows at once, not a second later.
        m_titleBar->setConfTime(
            ConferenceWindowPolicy::elapsedText(QDateTime::currentMSecsSinceEpoch(), info.startTime));
    }
    m_titleBar->setConferenceInfo(info);

    const Agent_OstrelConfConfig config = view->getOstrelConfConfig();
    if (host) {
        m_toolBar->setCameraOff(false);
        slot_selectMinute_close();
    } else {
        m_toolBar->setCameraOff(!config.cameraOnJoin);
    }

    m_confId = info.confId;
    m_layout->setConfId(m_confId);
    if (!info.whiteboardInfo.isEmpty()) {
        QString roomId;
        QString pwd;
        QString wbHost;
        MsgUtil::parseWbssInfo(info.whiteboardInfo.toUtf8(), roomId, pwd, wbHost);
        if (!roomId.isEmpty())
            emit view->sig_startConferenceWhiteborad(roomId, pwd, wbHost, m_confId);
    }
}

void ConferenceMainUi::slot_updateConferenceInfo(bool status, ConferenceBriefInfo info)
{
    if (status && info.confId == m_confInfo.confId)
        m_confInfo.issues = info.issues;
}

void ConferenceMainUi::slot_onJoinConference(bool, QString, QString)
{
    if (m_lockStatus & CONF_LOCK_BIT_CONFERENCE)
        showSmallPopup(ConferencePopupPolicy::Small_JoinRefused);
}

void ConferenceMainUi::slot_onLeaveConference(bool isSuccess, QString, QString confId)
{
    if (!isSuccess)
        return;
    // Leaving some other conference is no reason to close this one.
    if (!m_confId.isEmpty() && !confId.isEmpty() && confId != m_confId) {
        AreaLog::conference().LogInfo(
            QStringLiteral("ConferenceMainUi::slot_onLeaveConference conference %1 is not %2").arg(confId, m_confId));
        return;
    }
    closeWindowOfConference();
    if (confId == m_confId)
        m_confId.clear();
}

void ConferenceMainUi::slot_onDismissConference(bool isSuccess, QString, QString confId)
{
    if (!isSuccess || confId != m_confId)
        return;
    closeWindowOfConference();
    m_confId.clear();
}

void ConferenceMainUi::closeWindowOfConference()
{
    m_confTimer->stop();
    // Not close(): the close event asks whether to leave.
    hide();
}

void ConferenceMainUi::slot_onBeginShareDesktop(bool isSuccess, QString)
{
    if (!isSuccess)
        return;
    if (m_shareControl) {
        m_shareControl->disconnect(this);
        delete m_shareControl.data();
    }
    auto* bar = new ShareScreenControl(nullptr);
    m_shareControl = bar;
    bar->setConfId(m_confId);
    bar->updateShareMode();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        bar->move((screen->availableGeometry().width() - bar->width()) / 2, 0);
    connect(bar, &ShareScreenControl::sig_joinConf, this, [this] {
        show();
        raise();
        activateWindow();
    });
    connect(bar, &ShareScreenControl::sig_leaveConf, this, [this] {
        UnifiedConferenceView* view = conferenceView();
        if (view->m_screenShareMode != kProjectionMode)
            return;
        view->stopScreenMirroring(true);
        view->m_screenShareMode = kConferenceMode;
        slot_onAccept(CommonPopup_Leave);
    });
    bar->show();
    m_layout->beginLocalShare();
}

void ConferenceMainUi::slot_onStopShareDesktop(bool, QString)
{
    m_layout->onStopShareDesktop();
}

void ConferenceMainUi::slot_onNotifyCancelDesktopShare(bool cancelled)
{
    if (!cancelled || !m_layout->isSharing())
        return;
    stopOwnShare();
    showTip(tr("The moderator is about to start sharing, and you have been stopped sharing already"));
}

void ConferenceMainUi::slot_onNotifyConferenceLockStatus(int state)
{
    if (m_layout->isSharing() && (state & CONF_LOCK_BIT_SHARING) && !isHost())
        stopOwnShare();
    m_lockStatus = state;
    if (m_workbench && m_workbench->isVisible()) {
        m_workbench->setConferenceLock(state & CONF_LOCK_BIT_CONFERENCE);
        m_workbench->setShareLock(state & CONF_LOCK_BIT_SHARING);
    }
    if (m_layout->isSharing() && (state & CONF_LOCK_BIT_SHARING) && !isHost())
        showTip(tr("The moderator has turned on the sharing lock, currently only the modartaor can initiate sharing"));
}

void ConferenceMainUi::slot_onControlSelfCamera(QString, bool on)
{
    m_toolBar->setCameraOff(!on);
}

void ConferenceMainUi::slot_onControlSelfMicphone(QString account, bool on)
{
    AreaLog::conference().LogInfo(QStringLiteral("%1,account=%2,on=%3")
                                      .arg(QStringLiteral("ConferenceMainUi::slot_onControlSelfMicphone"), account)
                                      .arg(on));
    conferenceView()->controlSelfMicphone(on);
}

void ConferenceMainUi::slot_onControlSelfMicphone(bool isSuccess, bool on)
{
    AreaLog::conference().LogInfo(QStringLiteral("%1,isSuccess=%2,SelfMicphone=%3")
                                      .arg(QStringLiteral("ConferenceMainUi::slot_onControlSelfMicphone"))
                                      .arg(isSuccess)
                                      .arg(on));
    if (isSuccess)
        m_toolBar->setMicrophoneMuted(!on);
}

void ConferenceMainUi::slot_onRequestOpenCamera()
{
    if (!m_cameraRequest) {
        m_cameraRequest = new KpMsgBox(this);
        connect(m_cameraRequest, qOverload<int>(&KpMsgBox::signal_Accept), this,
            [] { conferenceView()->controlSelfCamera(true, nullptr); });
    }
    m_cameraRequest->setMessageType(KpMsgBox::Msg_Info);
    m_cameraRequest->setMessageText(tr("Is the camera on?"));
    m_cameraRequest->setStandardButtons(KpMsgBox::KpButtons(KpMsgBox::Confirm | KpMsgBox::Cancel));
    m_cameraRequest->show();
    m_cameraRequest->raise();
}

void ConferenceMainUi::slot_onNetworkSignalStrength(CS_StatReports report)
{
    m_titleBar->setNetworkReport(report);
}

void ConferenceMainUi::slot_onStartWhiteBorad(QString, QString, QString, QString confId)
{
    if (confId == m_confId)
        m_toolBar->setWhiteboardActive(true);
}

void ConferenceMainUi::slot_onStopWhiteBorad(int ret)
{
    if (ret != BusinessReason::Success)
        showTip(tr("Closing room exception"));
    m_toolBar->setWhiteboardActive(false);
    setUpdatesEnabled(true);
}

void ConferenceMainUi::slot_handleMsgReserveRemindBeforeEnd(Agent_ConfNtyMsg&, QString&)
{
    if (!isHost() || m_extendOffer)
        return;
    m_extendOffer = new ExtendDurationWidget(this);
    m_extendOffer->setTimerStatart();
    m_extendOffer->show();
    connect(m_extendOffer, &ExtendDurationWidget::sig_btn_extend_Yes, this, &ConferenceMainUi::slot_selectMinute);
    connect(m_extendOffer, &ExtendDurationWidget::sig_btn_extend_No, this, &ConferenceMainUi::slot_selectMinute_close);
}

void ConferenceMainUi::slot_onCountdownTip(QString confId, int)
{
    if (confId.isEmpty() || confId != m_confId)
        return;
    if (!m_countdown)
        m_countdown = new RectangeTip(this);
    m_countdown->show();
    m_countdown->raise();
    m_countdown->startCountdown(kCountdownSeconds);
    m_countdown->move(kCountdownLeft, height() - kCountdownAboveBottom - m_countdown->height());
}

void ConferenceMainUi::slot_onShowMsgTip(QString text, PopUpHandleType type)
{
    if (type == POPUP_HANDLE_CONFERENCE)
        showTip(text);
}

void ConferenceMainUi::slot_onUpdateMsgNotice(QString sessionId, QList<ChatMsgData>)
{
    const bool ours = sessionId == KP_BusinessView::instance()->getGroupMgrView()->getConfGroup(m_confId);
    AreaLog::conference().LogDebug(
        QStringLiteral("ConferenceMainUi::slot_onUpdateMsgNotice session %1 ours:%2").arg(sessionId).arg(ours));
}

void ConferenceMainUi::slot_confTimeout()
{
    m_titleBar->setConfTime(
        ConferenceWindowPolicy::elapsedText(QDateTime::currentMSecsSinceEpoch(), m_confInfo.startTime));
    ++m_tickCount;
    if (m_tickCount % 2 == 0)
        conferenceView()->getStatisticsInfo();
}

void ConferenceMainUi::slot_showConfShareWidget()
{
    // One share window at a time: a new request shows fresh data.
    if (m_confShare)
        m_confShare->close();
    auto* share = new ConfShareWidget(this);
    m_confShare = share;
    share->setConferenceInfo(m_confInfo);
    share->move(
        (KP_UI_UTIL::getDeskTopWidth() - share->width()) / 2, (KP_UI_UTIL::getDeskTopHeight() - share->height()) / 2);
    share->show();
    share->raise();
}

// ---------------------------------------------------------------- roster, speakers, main venue, sharing

void ConferenceMainUi::slot_onConferenceParticipant(
    QString confId, QList<Agent_ConferenceParticipantMemberInfo> speakers)
{
    m_layout->onConferenceParticipant(confId, speakers);
}

void ConferenceMainUi::slot_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo> members)
{
    m_layout->onConferenceMemberInfoList(members);
}

void ConferenceMainUi::slot_onInviteMemberList(QList<ConferenceMemberInfo> members, bool)
{
    m_layout->onInviteMemberList(members);
}

void ConferenceMainUi::slot_onJoinConferenceNotify(ConferenceMemberInfo member, QString confId)
{
    m_layout->onJoinConferenceNotify(member, confId);
}

void ConferenceMainUi::slot_onConfMsgMemberQuit(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    AreaLog::conference().LogInfo(QStringLiteral("ConferenceMainUi::slot_onConfMsgMemberQuit"));
    m_layout->onMemberLeft(memberId, deviceType);
}

void ConferenceMainUi::slot_onConfMsgKickMember(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    AreaLog::conference().LogInfo(QStringLiteral("ConferenceMainUi::slot_onConfMsgKickMember"));
    m_layout->onMemberLeft(memberId, deviceType);
}

void ConferenceMainUi::slot_updateMemberInfo(ConferenceMemberInfo member, int action)
{
    m_layout->onUpdateMemberInfo(member);
    if (!conferenceView()->isMySelf(member.account, member.deviceType))
        return;
    if (action == CONF_MEMBER_ACTION_MIC_OFF)
        m_toolBar->setMicrophoneMuted(true);
    else if (action == CONF_MEMBER_ACTION_MIC_ON)
        m_toolBar->setMicrophoneMuted(false);
}

void ConferenceMainUi::slot_updateMainConfLayout(ConferenceMemberInfo member)
{
    m_layout->onUpdateMainConfLayout(member);
}

void ConferenceMainUi::slot_onBeginShareDesktopNotify(QString inviter, ENUM_CONFMEMBER_DEVICETYPE deviceType)
{
    m_layout->onBeginShareDesktopNotify(inviter, deviceType);
}

void ConferenceMainUi::slot_onStopShareDesktopNotify(QString account)
{
    m_layout->onStopShareDesktopNotify(account);
}

// ---------------------------------------------------------------- slots no control drives

void ConferenceMainUi::on_btn_monitor_clicked()
{
    const QString program = KPFilePathMgr::instance()->getAppPath() + QStringLiteral("/MonitorFile/Monitor.exe");
    AreaLog::conference().LogInfo(QStringLiteral("Before Start Monitor.exe"));
    if (!QFileInfo::exists(program)) {
        showTip(tr("The file does not exist in the current path"));
        return;
    }
    if (!m_monitor)
        m_monitor = new QProcess(this);
    switch (m_monitor->state()) {
    case QProcess::NotRunning:
        m_monitor->start(program, { m_confId }, QIODevice::ReadWrite);
        AreaLog::conference().LogInfo(QStringLiteral("After Start Monitor.exe"));
        break;
    case QProcess::Running:
        showTip(tr("The monitoring plug-in is running, please do not open it repeatedly"));
        break;
    case QProcess::Starting:
        break;
    }
}

void ConferenceMainUi::on_btn_material_clicked()
{
    showPopupWidget(PopupWidget_Material, senderOrigin());
}

void ConferenceMainUi::on_btn_minutes_clicked()
{
    showPopupWidget(PopupWidget_Minutes, senderOrigin());
}

QPoint ConferenceMainUi::senderOrigin() const
{
    // Invoked without a sender, the page opens over the toolbar.
    auto* from = qobject_cast<QWidget*>(sender());
    return (from ? from : m_toolBar)->mapToGlobal(QPoint(0, 0));
}

void ConferenceMainUi::on_btn_member_clicked()
{
    show();
    auto* members = new ConfMembersControlWidget(this);
    members->setIsHost(isHost());
    centreOnWindow(members);
    members->raise();
    members->show();
}

void ConferenceMainUi::on_btn_lecturemodel_clicked(bool checked)
{
    conferenceView()->sendCmdLectureMode(checked);
    conferenceView()->controlAllMemberMicphone(!checked);
}

void ConferenceMainUi::on_btn_invite_clicked(QRect)
{
    inviteMembers();
}

void ConferenceMainUi::on_btn_InviteMenuAction_trigger(QAction* action)
{
    if (!action)
        return;
    if (action->text() == tr("invite"))
        inviteMembers();
    else if (action->text() == tr("invite tellphone")) {
        auto* from = qobject_cast<QWidget*>(sender());
        m_quickInvite->move((from ? from : m_toolBar)->mapToGlobal(QPoint(0, 0)));
        m_quickInvite->show();
        m_quickInvite->raise();
    }
}

// ---------------------------------------------------------------- window events

void ConferenceMainUi::closeEvent(QCloseEvent* event)
{
    on_btn_exit_clicked();
    event->ignore();
}

void ConferenceMainUi::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    m_videoArea->followWindowMove(event->oldPos().x(), event->oldPos().y(), event->pos().x(), event->pos().y());
}

void ConferenceMainUi::mousePressEvent(QMouseEvent* event)
{
    if (!m_maximised) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QWidget::mousePressEvent(event);
}

void ConferenceMainUi::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        move(event->globalPos() - m_dragOffset);
        if ((event->buttons() & Qt::LeftButton) && !m_cursorConfined) {
            QVector<QRect> areas;
            for (const QScreen* screen : QGuiApplication::screens())
                areas << screen->availableGeometry();
            const QRect area = ConferenceWindowPolicy::cursorConfinement(areas, devicePixelRatioF());
            KpPlatform::clipCursor(&area);
            m_cursorConfined = true;
        }
    }
    QWidget::mouseMoveEvent(event);
}

void ConferenceMainUi::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    if (m_cursorConfined) {
        KpPlatform::clipCursor(nullptr);
        m_cursorConfined = false;
    }
    QWidget::mouseReleaseEvent(event);
}

void ConferenceMainUi::paintEvent(QPaintEvent*)
{
    // The style sheet's border and background.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
