#include "call/VideoCall.h"

#include "ui_VideoCall.h"
#include "ui_VoipToolBar.h"

#include "business/KP_BusinessView.h"
#include "call/CallAvatar.h"
#include "call/CallWindowKeys.h"
#include "call/VideoWidget.h"
#include "common/AreaLog.h"
#include "common/KpPlatform.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpRingTone.h"
#include "customui/ScreenScale.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "panels/MoreMenuChild.h"
#include "policy/CallPolicy.h"
#include "policy/VideoPanePolicy.h"
#include "util/KPFilePathMgr.h"
#include "util/KP_Util.h"

#include <QApplication>
#include <QCameraInfo>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
// freezeVideoUpdates(false): Qt stops painting the render surface, so the picture the
// business library draws into it natively is not painted over.
constexpr bool kStopQtPainting = false;
const char kPaneBackground[] = "#222222";

KP_BusinessView* business()
{
    return KP_BusinessView::instance();
}
VoipView* voipView()
{
    return business()->getVoipView();
}
QRect availableDesktop()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
} // namespace

VideoCall::VideoCall(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::VideoCall)
    , m_toolBarUi(new Ui::VoipToolBar)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);

    initToolBar();
    m_controls
        = std::make_unique<CallMediaControls>(&m_callInfo, MoreMenuChild::Mode_AllDevices, QStringLiteral("VideoCall"));
    // The checked microphone button is the muted one; there is no speaker button.
    m_controls->setMuteView([this](bool muted) { m_toolBarUi->btn_audio->setChecked(muted); });

    voipView()->SetVoipCallStatus(VoipView::CALL_MARK_VIDEO);
    m_ringTone = new KpRingTone(KPFilePathMgr::instance()->getAppPath() + QStringLiteral("Ring.wav"), this);
    m_ringTone->setObjectName(QStringLiteral("ringTone"));
    m_ringTone->setLoops(CallPolicy::kRingLoops);
    m_durationTimer = new QTimer(this);
    m_durationTimer->setObjectName(QStringLiteral("durationTimer"));

    // These make sense only once the call is answered.
    m_toolBarUi->btn_share_screen->hide();
    m_toolBarUi->btn_video->hide();
    m_toolBarUi->btn_wbss->hide();
    m_toolBarUi->btn_config->hide();

    placeToolBar();
    ui->friendVideoWidget->setBackgroundColor(QString::fromLatin1(kPaneBackground));
    ui->myVideoWidget->setBackgroundColor(QString::fromLatin1(kPaneBackground));
    // Shown instead of the panes while the call runs as voice only.
    ui->widget_voice->hide();
    ui->label_voiceName->setFont(KP_UI_UTIL::getFontScale(16, false));
    ui->label_voiceTip->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->myVideoWidget->raise();
    ui->btn_hideVideo->raise();
    ui->widget_5->installEventFilter(this);

    initConnect();
    ScreenScale::beginScale(this);

    ui->widget_title->setTitle(tr("Duration   ") + CallPolicy::talkTimeText(0));
    ui->widget_title->setAlignType(Title_AlignCenter);
    ui->widget_title->setShowType(Title_MinMaxClose);
    setMovableHeight(ui->widget_title->height());

    m_sharing = false;
    m_separateMode = 0;

    m_oleResult = KpPlatform::oleInitialize();
    if (!KpPlatform::oleUsable(m_oleResult))
        qWarning("Qt: Could not initialize OLE (error %x)", unsigned(m_oleResult));
}

VideoCall::~VideoCall()
{
    releaseCall();
    // The question may be what deletes this window (a business library that answers its
    // confirmation at once): closing lets it finish its slot and delete itself afterwards.
    if (m_closeTip)
        m_closeTip->close();
    if (KpPlatform::oleUsable(m_oleResult))
        KpPlatform::oleUninitialize();
}

void VideoCall::initToolBar()
{
    // A tool window of its own so that it floats over the native video surfaces;
    // owned by this window so that it goes with it.
    m_toolBar = new QWidget(this, Qt::Tool | Qt::FramelessWindowHint);
    m_toolBar->setAttribute(Qt::WA_TranslucentBackground);
    m_toolBarUi->setupUi(m_toolBar);
    m_toolBar->setAttribute(Qt::WA_StyledBackground);
    // F6 moves the keyboard between the video and the floating toolbar.
    m_toolBar->installEventFilter(this);
}

void VideoCall::switchKeyboardPane()
{
    // A tool window counts as active with its parent: ask where the focus is instead.
    const QWidget* focus = QApplication::focusWidget();
    if ((focus && focus->window() == m_toolBar) || !m_toolBar->isVisible()) {
        activateWindow();
        setFocus(Qt::OtherFocusReason);
        return;
    }
    m_toolBar->activateWindow();
    for (QPushButton* button : m_toolBar->findChildren<QPushButton*>()) {
        if (button->isVisibleTo(m_toolBar) && button->isEnabled()) {
            button->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void VideoCall::initConnect()
{
    KPTitleBar* title = ui->widget_title;
    connect(title, &KPTitleBar::sig_minBtn_clicked, this, &VideoCall::slot_btn_min_clicked);
    connect(title, &KPTitleBar::sig_maxBtn_clicked, this, &VideoCall::slot_btn_max_clicked);
    connect(title, &KPTitleBar::sig_norBtn_clicked, this, &VideoCall::slot_btn_maxed_clicked);
    connect(title, &KPTitleBar::sig_closeBtn_clicked, this, &VideoCall::slot_close);
    connect(m_durationTimer, &QTimer::timeout, this, &VideoCall::slot_showMeetingTime);

    Ui::VoipToolBar* bar = m_toolBarUi.get();
    connect(bar->btn_audio, &QPushButton::clicked, this, &VideoCall::slot_clickBtnMute);
    connect(bar->btn_reject, &QPushButton::clicked, this, &VideoCall::slot_close);
    connect(bar->btn_share_screen, &QPushButton::clicked, this, &VideoCall::slot_shareScreen);
    connect(bar->btn_video, &QPushButton::clicked, this, &VideoCall::slot_clickBtnCamera);
    connect(bar->btn_wbss, &QPushButton::clicked, this, &VideoCall::slot_onWhiteBoardBtn);
    connect(bar->btn_config, &QPushButton::clicked, this, &VideoCall::slot_onClickSetting);
    connect(ui->btn_hideVideo, &QPushButton::clicked, this, &VideoCall::slot_onHideVideo);
    connect(bar->btnSwitch, &QPushButton::clicked, this, [this] {
        voipView()->switchCallType(m_toolBarUi->btnSwitch->isChecked() ? VOIP_CALL_VOICE : VOIP_CALL_VIDEO, QString());
    });

    // Mute and speaker answers go to the media controls.
    VoipView* voip = voipView();
    connect(voip, &VoipView::sig_onLocalVideoScale, this, &VideoCall::slot_onLocalVideoScale);
    connect(voip, &VoipView::sig_onRemoteVideoScale, this, &VideoCall::slot_onRemoteVideoScale);
    connect(voip, &VoipView::sig_onSwitchMediaType, this, &VideoCall::slot_onSwitchMediaType);
    connect(voip, &VoipView::sig_onSetOwnCamera, ui->myVideoWidget, &VideoWidget::setVideoOn);
    // The camera button follows the engine's word on the own camera.
    connect(voip, &VoipView::sig_onSetOwnCamera, m_toolBarUi->btn_video,
        [this](bool on) { m_toolBarUi->btn_video->setChecked(!on); });

    connect(this, &VideoCall::isShowMaximized, ui->friendVideoWidget, &VideoWidget::slotResizeVideoWidget);
    connect(this, &VideoCall::isShowMaximized, ui->myVideoWidget, &VideoWidget::slotResizeVideoWidget);
}

VideoWidget* VideoCall::remotePane() const
{
    return ui->friendVideoWidget;
}

VideoWidget* VideoCall::localPane() const
{
    return ui->myVideoWidget;
}

// --- call events ---

void VideoCall::setCallInfo(Agent_VoIPCallMsg msg)
{
    if (msg.eventCode == VOIP_EVENT_PROCEEDING)
        m_ringTone->play();
    else if (msg.eventCode == VOIP_EVENT_ANSWERED)
        onAnswered();
    m_callInfo = msg;
}

void VideoCall::onAnswered()
{
    m_ringTone->stop();
    if (m_durationTimer->isActive()) {
        AreaLog::call().LogInfo(QStringLiteral("VideoCall::setCallInfo call %1 answered again").arg(m_callInfo.callId));
        return;
    }
    m_toolBarUi->btn_wbss->setVisible(business()->getUserInfoView()->getUserAuthority(USER_AUTHORITY_WHITEBOARD));
    m_toolBarUi->btn_config->show();
    m_toolBarUi->btn_share_screen->show();
    m_toolBarUi->btn_video->show();
    ui->friendVideoWidget->setVideoOn(true);
    ui->friendVideoWidget->freezeVideoUpdates(kStopQtPainting);
    m_startTime = KP_Util::getCurrentTimeInt64();
    m_durationTimer->start(CallPolicy::kClockTickMs);
}

Agent_VoIPCallMsg VideoCall::getCallInfo() const
{
    return m_callInfo;
}

void VideoCall::slot_showMeetingTime()
{
    ui->widget_title->setTitle(tr("Duration   ") + KP_Util::Time_Difference_CurDate(m_startTime));
}

// --- binding the render surfaces ---

void* VideoCall::remoteRenderHandle()
{
    return reinterpret_cast<void*>(ui->friendVideoWidget->renderHandle());
}

void* VideoCall::localRenderHandle()
{
    return reinterpret_cast<void*>(ui->myVideoWidget->renderHandle());
}

void VideoCall::bindVideoByHandle()
{
    m_remotePaneSize = ui->friendVideoWidget->size();
    voipView()->setVideoViewEX(remoteRenderHandle(), localRenderHandle(), nullptr, nullptr);
}

void VideoCall::bindVideoByAccount(const QString& peerAccount)
{
    VideoWidget* local = ui->myVideoWidget;
    VideoWidget* remote = ui->friendVideoWidget;
    local->setRatioLocked(true);
    local->freezeVideoUpdates(kStopQtPainting);
    const bool hasCamera = !QCameraInfo::availableCameras().isEmpty();
    local->setAccount(CallMediaControls::currentUserAccount(), hasCamera);
    local->setTipText(hasCamera ? QString() : tr("No camera detected"));
    remote->setRatioLocked(false);
    remote->setAccount(peerAccount, false);
    m_remotePaneSize = remote->size();
    voipView()->setVideoView(remoteRenderHandle(), localRenderHandle());
    voipView()->getCameraInfo();
}

// --- window state ---

void VideoCall::slot_btn_min_clicked()
{
    showMinimized();
}

void VideoCall::slot_btn_max_clicked()
{
    ui->friendVideoWidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showMaximized();
    const QRect desktop = availableDesktop();
    resize(desktop.width(), desktop.height());
    move(desktop.topLeft());
    setWidgetMovable(false);
    emit isShowMaximized(true);
}

void VideoCall::slot_btn_maxed_clicked()
{
    showNormal();
    setWidgetMovable(true);
    showNormal();
    // A size recorded before the window was laid out would shrink the pane: no cap then.
    const QSize minimum = ui->friendVideoWidget->minimumSize();
    if (m_remotePaneSize.width() >= minimum.width() && m_remotePaneSize.height() >= minimum.height())
        ui->friendVideoWidget->setMaximumSize(m_remotePaneSize);
    else
        ui->friendVideoWidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    emit isShowMaximized(false);
}

void VideoCall::moveEvent(QMoveEvent* event)
{
    MoveWidget::moveEvent(event);
    placeToolBar();
}

void VideoCall::resizeEvent(QResizeEvent* event)
{
    MoveWidget::resizeEvent(event);
    placeLocalPane();
    placeToolBar();
}

bool VideoCall::eventFilter(QObject* watched, QEvent* event)
{
    // The video area is laid out after the window's own resize: follow it.
    if (watched == ui->widget_5 && event->type() == QEvent::Resize)
        placeLocalPane();
    if (watched == m_toolBar && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F6) {
        switchKeyboardPane();
        return true;
    }
    return MoveWidget::eventFilter(watched, event);
}

void VideoCall::showEvent(QShowEvent* event)
{
    MoveWidget::showEvent(event);
    placeLocalPane();
    placeToolBar();
    if (!isMinimized())
        m_toolBar->show();
}

void VideoCall::hideEvent(QHideEvent* event)
{
    MoveWidget::hideEvent(event);
    m_toolBar->hide();
}

void VideoCall::changeEvent(QEvent* event)
{
    MoveWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMinimized())
        m_toolBar->hide();
    else if (isVisible()) {
        placeToolBar();
        m_toolBar->show();
    }
}

void VideoCall::placeToolBar()
{
    m_toolBar->move(CallPolicy::toolBarPosition(geometry(), m_toolBar->size()));
}

void VideoCall::placeLocalPane()
{
    VideoWidget* local = ui->myVideoWidget;
    local->move(VideoPanePolicy::localPaneX(ui->widget_5->width(), local->width()), 0);
    placeHideButton();
}

void VideoCall::placeHideButton()
{
    QPushButton* button = ui->btn_hideVideo;
    const int areaWidth = ui->widget_5->width();
    // Beside the preview, or alone in the corner while the preview is hidden.
    const int x
        = button->isChecked() ? areaWidth - button->width() : areaWidth - ui->myVideoWidget->width() - button->width();
    button->move(x, 0);
}

// --- media controls ---

void VideoCall::slot_clickBtnMute()
{
    // The button shows what the engine confirmed, not the click.
    m_toolBarUi->btn_audio->setChecked(m_controls->isMuted());
    // The business library's word that the media runs.
    if (m_callInfo.mediaConnected != 1) {
        AreaLog::call().LogInfo(
            QStringLiteral("VideoCall::slot_clickBtnMute media of call %1 not connected yet").arg(m_callInfo.callId));
        return;
    }
    m_controls->clickMute();
}

void VideoCall::slot_clickBtnCamera()
{
    voipView()->setLocalCameraPreview(m_callInfo.callId, !m_toolBarUi->btn_video->isChecked());
}

void VideoCall::slot_shareScreen()
{
    m_sharing = !m_sharing;
    voipView()->ShareScreen(m_sharing, m_callInfo.callId);
}

void VideoCall::slot_separateWidget()
{
    m_separateMode = m_separateMode == 0 ? 1 : 0;
}

void VideoCall::slot_onSwitchMediaType(int flag, int type)
{
    AreaLog::call().LogInfo(QStringLiteral("VideoCall::slot_onSwitchMediaType flag %1 type %2").arg(flag).arg(type));
    const bool on = flag != 0;
    for (VideoWidget* pane : { ui->friendVideoWidget, ui->myVideoWidget }) {
        pane->setVideoOn(on);
        pane->setVisible(on);
    }
    if (!on)
        showVoicePeer();
    ui->widget_voice->setVisible(!on);
    // The panes are back: so is the preview with its button.
    ui->btn_hideVideo->setChecked(false);
    ui->btn_hideVideo->setVisible(on);
    if (flag == 1)
        placeLocalPane();
    m_toolBarUi->btnSwitch->setChecked(flag == 0);
}

void VideoCall::showVoicePeer()
{
    const QString peer = m_controls->peerAccount();
    const QSharedPointer<AddressBookPerson> person
        = business()->getAddressBookView()->getAddressBookOnePerson_Account(peer, false);
    ui->label_voiceHead->setPixmap(CallAvatar::picture(person, peer, ui->label_voiceHead->maximumSize()));
    ui->label_voiceName->setText(person ? person->displayName() : peer);
}

void VideoCall::slot_onHideVideo()
{
    VideoWidget* local = ui->myVideoWidget;
    if (ui->btn_hideVideo->isChecked()) {
        local->hide();
        local->freezeVideoUpdates(kStopQtPainting);
    } else {
        local->show();
        local->freezeVideoUpdates(!kStopQtPainting);
    }
    placeHideButton();
}

void VideoCall::slot_onLocalVideoScale(float scale)
{
    VideoWidget* local = ui->myVideoWidget;
    if (!(scale > 0))
        AreaLog::call().LogInfo(
            QStringLiteral("VideoCall::slot_onLocalVideoScale unusable scale %1").arg(double(scale)));
    local->setGeometry(VideoPanePolicy::localPaneGeometry(ui->widget_5->width(), local->geometry(), scale));
    local->setVideoRatio(scale);
    placeHideButton();
}

void VideoCall::slot_onRemoteVideoScale(float scale)
{
    ui->friendVideoWidget->setVideoRatio(scale);
}

// --- ending ---

void VideoCall::slot_close()
{
    if (m_closeTip) {
        m_closeTip->raise();
        m_closeTip->activateWindow();
        return;
    }
    // The call ends only when the user confirms.
    m_closeTip = new CloseMediaWidgetTip(nullptr);
    m_closeTip->setType(CloseMediaWidgetTip::ExitVideoCall);
    m_closeTip->setWindowModality(Qt::ApplicationModal);
    m_closeTip->show();
}

void VideoCall::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F6) {
        switchKeyboardPane();
        return;
    }
    if (!CallWindowKeys::ignoreEscape(event))
        MoveWidget::keyPressEvent(event);
}

void VideoCall::closeEvent(QCloseEvent* event)
{
    MoveWidget::closeEvent(event);
    if (event->isAccepted())
        releaseCall();
}

void VideoCall::releaseCall()
{
    m_ringTone->stop();
    m_durationTimer->stop();
    if (m_released)
        return;
    m_released = true;
    voipView()->ReleaseCall(m_callInfo, BusinessReason::CallHungUp);
    voipView()->CancelVoipCallStatus(VoipView::CALL_MARK_VIDEO);
}
