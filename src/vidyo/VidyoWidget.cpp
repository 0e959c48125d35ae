#include "vidyo/VidyoWidget.h"

#include "ui_VidyoWidget.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpMsgBox.h"
#include "customui/ScreenScale.h"
#include "policy/VidyoPolicy.h"
#include "util/KP_Util.h"
#include "vidyo/AttendeesWidget.h"
#include "vidyo/PasswordKeypad.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

namespace {
// The bottom bar of a screen at twice the normal density.
constexpr double kDoubleDensity = 2.0;
constexpr int kDoubleDensityBottomHeight = 120;

KP_BusinessView* business()
{
    return KP_BusinessView::instance();
}
VidyoView* vidyoView()
{
    return business()->getVidyoView();
}
} // namespace

VidyoWidget::VidyoWidget(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::VidyoWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    AreaStyle::apply(this, QStringLiteral("vidyo.qss"));

    m_talkTimer = new QTimer(this);
    m_talkTimer->setObjectName(QStringLiteral("talkTimer"));
    m_talkTimer->setInterval(VidyoPolicy::kTalkClockTickMs);
    connect(m_talkTimer, &QTimer::timeout, this, &VidyoWidget::slot_onStartTimerOut);
    m_closeTimer = new QTimer(this);
    m_closeTimer->setObjectName(QStringLiteral("closeTimer"));
    m_closeTimer->setSingleShot(true);
    m_closeTimer->setInterval(VidyoPolicy::kCloseDelayMs);
    connect(m_closeTimer, &QTimer::timeout, this, &QWidget::close);
    m_keypadTimer = new QTimer(this);
    m_keypadTimer->setObjectName(QStringLiteral("keypadTimer"));
    m_keypadTimer->setInterval(VidyoPolicy::kKeypadMicDelayMs);
    connect(m_keypadTimer, &QTimer::timeout, this, &VidyoWidget::slot_onBtnClosePasswordKeyTimeout);

    ui->m_pCamer->setKind(VidyoPolicy::Icon_CameraOn);
    ui->m_pShareScreen->setKind(VidyoPolicy::Icon_Share);
    ui->m_pMicrophone->setKind(VidyoPolicy::Icon_MicrophoneOn);
    ui->m_pSpeaker->setKind(VidyoPolicy::Icon_SpeakerOn);
    ui->m_pWhiteBoard->setKind(VidyoPolicy::Icon_WhiteBoard);
    ui->m_pKeypad->setKind(VidyoPolicy::Icon_Keypad);
    ui->m_pCamer->setToolTip(tr("Camera"));
    ui->m_pShareScreen->setToolTip(tr("Share screen"));
    ui->m_pMicrophone->setToolTip(tr("Microphone"));
    ui->m_pSpeaker->setToolTip(tr("Speaker"));
    ui->m_pWhiteBoard->setToolTip(tr("Whiteboard"));
    ui->m_pKeypad->setToolTip(tr("Password keypad"));
    ui->time_label->setFont(KP_UI_UTIL::getFontScale(14, false));
    m_whiteBoardAllowed = business()->getUserInfoView()->getUserAuthority(USER_AUTHORITY_WHITEBOARD);
    if (!m_whiteBoardAllowed) {
        ui->m_pWhiteBoard->setFixedSize(0, 0);
        ui->m_pWhiteBoard->hide();
    }
    // Only a dial-in asks for a password.
    ui->m_pKeypad->hide();
    ui->btn_maxed->hide();

    initConnect();
    setMovableHeight(ui->titleWidget->minimumHeight());
    ScreenScale::beginScale(this);
    if (qFuzzyCompare(KP_UI_UTIL::getScreenScale(), kDoubleDensity))
        ui->bottomWidget->setFixedHeight(kDoubleDensityBottomHeight);
}

VidyoWidget::~VidyoWidget()
{
    // Deleted without closing (the facade's teardown of a hidden window): the meeting still ends.
    hangUp(VidyoPolicy::durationOfClock(ui->time_label->text()));
    // The keypad and the two boxes are windows of their own, owned here.
    delete m_keypad.data();
    delete m_closeBox.data();
    delete m_shareBox.data();
}

void VidyoWidget::initConnect()
{
    connect(ui->btn_close, &QPushButton::clicked, this, &VidyoWidget::slot_onClose);
    connect(ui->btn_max, &QPushButton::clicked, this, &VidyoWidget::slot_onMax);
    connect(ui->btn_maxed, &QPushButton::clicked, this, &VidyoWidget::slot_onMaxed);
    connect(ui->btn_min, &QPushButton::clicked, this, &VidyoWidget::slot_onMin);
    connect(ui->m_pCamer, &VidyoBottomOneWidget::signal_setActivateState, this, &VidyoWidget::slot_onCamer);
    connect(ui->m_pShareScreen, &VidyoBottomOneWidget::signal_setActivateState, this, &VidyoWidget::slot_onShareScreen);
    connect(ui->m_pMicrophone, &VidyoBottomOneWidget::signal_setActivateState, this, &VidyoWidget::slot_onMicrophone);
    connect(ui->m_pSpeaker, &VidyoBottomOneWidget::signal_setActivateState, this, &VidyoWidget::slot_onSpeaker);
    connect(ui->m_pKeypad, &VidyoBottomOneWidget::signal_setActivateState, this, &VidyoWidget::slot_onKeypad);
    connect(ui->m_pWhiteBoard, &VidyoBottomOneWidget::signal_setActivateState, this, &VidyoWidget::slot_onWhiteBoard);

    VidyoView* vidyo = vidyoView();
    connect(vidyo, &VidyoView::signal_onStartShareScreen, this, &VidyoWidget::slot_onStartShareScreen);
    connect(vidyo, &VidyoView::signal_onStopShareScreen, this, &VidyoWidget::slot_onStopShareScreen);
    connect(vidyo, &VidyoView::signal_onSetMuteAudioIn, this, &VidyoWidget::slot_onSetMuteAudioIn);
    connect(vidyo, &VidyoView::signal_onSetMuteAudioOut, this, &VidyoWidget::slot_onSetMuteAudioOut);
    connect(vidyo, &VidyoView::signal_onSetCamera, this, &VidyoWidget::slot_onSetCamera);
    connect(vidyo, &VidyoView::signal_Connecting, this, &VidyoWidget::slot_onStartConnectTime);
}

AttendeesWidget* VidyoWidget::attendees() const
{
    return ui->attendeesWidget;
}

PasswordKeypad* VidyoWidget::keypad() const
{
    return m_keypad.data();
}

void VidyoWidget::resetPanels()
{
    ui->attendeesWidget->hide();
    ui->m_pCamer->resetKind();
    ui->m_pShareScreen->resetKind();
    ui->m_pMicrophone->resetKind();
    ui->m_pSpeaker->resetKind();
}

void VidyoWidget::setType(const VidyoWidgetType& type)
{
    if (!VidyoPolicy::isKnownType(type)) {
        AreaLog::vidyo().LogInfo(QStringLiteral("VidyoWidget::setType unknown type %1").arg(int(type)));
        return;
    }
    m_type = type;
    const bool withList = VidyoPolicy::showsAttendees(type);
    ui->attendeesWidget->setVisible(withList);
    if (withList)
        ui->attendeesWidget->setAttendeesWidget(VidyoPolicy::attendeesMode(type));
    if (VidyoPolicy::fillsFromInvitedPersons(type))
        ui->attendeesWidget->fillFromInvitedPersons();
    ui->m_pWhiteBoard->setVisible(m_whiteBoardAllowed && !VidyoPolicy::hidesWhiteBoard(type));
    ui->m_pKeypad->setVisible(VidyoPolicy::showsKeypadButton(type));
    const int videoWidth = ui->screenWidget->width();
    resize(withList ? videoWidth + ui->attendeesWidget->width() : videoWidth, height());
    // The list came or went without the window changing size.
    reportRectIfChanged();
}

QRect VidyoWidget::getVidyoRect()
{
    const int attendeesWidth = VidyoPolicy::showsAttendees(m_type) ? ui->attendeesWidget->width() : 0;
    m_videoRect = VidyoPolicy::videoRect(size(), ui->titleWidget->height(), ui->bottomWidget->height(), attendeesWidth);
    return m_videoRect;
}

void VidyoWidget::reportRectIfChanged()
{
    const QRect rect = getVidyoRect();
    if (rect != vidyoView()->getRect())
        vidyoView()->SetRect(rect);
}

void VidyoWidget::startCloseTimer()
{
    m_closeTimer->start();
}

void VidyoWidget::resizeEvent(QResizeEvent* event)
{
    MoveWidget::resizeEvent(event);
    const QRect rect = getVidyoRect();
    AreaLog::vidyo().LogDebug(QStringLiteral("vidyoWidget rect: %1,%2 %3x%4")
                                    .arg(rect.x())
                                    .arg(rect.y())
                                    .arg(rect.width())
                                    .arg(rect.height()));
    vidyoView()->SetRect(rect);
}

// --- connection and talk time ---

void VidyoWidget::slot_onStartConnectTime()
{
    if (isHidden()) {
        // Closed before the SDK connected: now it can go for good.
        emit signal_CloseVidyoWidget();
        return;
    }
    reportRectIfChanged();
    if (m_connected)
        return; // a repeated notice keeps the clock running
    m_connected = true;
    ui->time_label->setText(VidyoPolicy::talkClockText(KP_Util::formatDuration(0)));
    m_startTime = KP_Util::getCurrentTimeInt64();
    m_talkTimer->start();
}

void VidyoWidget::slot_onStartTimerOut()
{
    ui->time_label->setText(VidyoPolicy::talkClockText(KP_Util::Time_Difference_CurDate(m_startTime)));
}

// --- closing ---

void VidyoWidget::slot_onClose()
{
    if (!m_closeBox) {
        m_closeBox = new KpMsgBox(nullptr);
        m_closeBox->setObjectName(QStringLiteral("closeConfirmation"));
        m_closeBox->setMessageTitle(tr("Prompt"));
        m_closeBox->setMessageText(tr("Closing the video window will hang up the video, confirm to close?"));
        m_closeBox->setMessageType(KpMsgBox::Msg_Question);
        connect(m_closeBox, qOverload<int>(&KpMsgBox::signal_Accept), this, &VidyoWidget::slot_onCloseMesBox);
    }
    m_closeBox->show();
    m_closeBox->raise();
}

void VidyoWidget::slot_onCloseMesBox(int)
{
    hangUp(VidyoPolicy::durationOfClock(ui->time_label->text()));
    if (m_connected) {
        emit signal_CloseVidyoWidget();
        return;
    }
    // Not connected yet: the SDK's late connection notice closes it for good.
    if (m_keypad)
        m_keypad->hide();
    hide();
}

void VidyoWidget::hangUp(const QString& duration)
{
    if (m_hungUp)
        return;
    m_hungUp = true;
    vidyoView()->CloseVidyo(duration);
}

void VidyoWidget::closeEvent(QCloseEvent* event)
{
    if (!ui->btn_close->isEnabled()) {
        event->ignore();
        return;
    }
    AreaLog::vidyo().LogDebug(QStringLiteral("VidyoWidget::closeEvent"));
    const QString duration = VidyoPolicy::durationOfClock(ui->time_label->text());
    ui->time_label->clear();
    m_talkTimer->stop();
    m_closeTimer->stop();
    if (m_keypadTimer->isActive())
        m_keypadTimer->stop();
    ui->attendeesWidget->hideAllRows();
    // Nothing of the meeting stays on screen: its question, its notice, its keypad.
    for (QWidget* own : { static_cast<QWidget*>(m_closeBox.data()), static_cast<QWidget*>(m_shareBox.data()),
             static_cast<QWidget*>(m_keypad.data()) }) {
        if (own)
            own->hide();
    }
    hangUp(duration);
    MoveWidget::closeEvent(event);
    emit signal_CloseVidyoWidget();
}

void VidyoWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        slot_onClose();
        event->accept();
        return;
    }
    MoveWidget::keyPressEvent(event);
}

// --- window buttons ---

void VidyoWidget::slot_onMax()
{
    ui->btn_max->hide();
    ui->btn_maxed->show();
    showMaximized();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QRect(QPoint(0, 0), screen->availableGeometry().size()));
}

void VidyoWidget::slot_onMaxed()
{
    showNormal();
    ui->btn_maxed->hide();
    ui->btn_max->show();
}

void VidyoWidget::slot_onMin()
{
    showMinimized();
    AreaLog::vidyo().LogDebug(QStringLiteral("this->showMinimized();"));
}

// --- media toggles ---

void VidyoWidget::slot_onCamer(bool state)
{
    vidyoView()->SetCamera(state);
}

void VidyoWidget::slot_onSpeaker(bool state)
{
    vidyoView()->SetMuteAudioOut(state);
}

void VidyoWidget::slot_onMicrophone(bool state)
{
    vidyoView()->SetMuteAudioIn(state, true);
}

void VidyoWidget::slot_onSetCamera(bool state)
{
    ui->m_pCamer->setActivateState(state);
}

void VidyoWidget::slot_onSetMuteAudioIn(bool state)
{
    ui->m_pMicrophone->setActivateState(state);
}

void VidyoWidget::slot_onSetMuteAudioOut(bool state)
{
    ui->m_pSpeaker->setActivateState(state);
}

void VidyoWidget::slot_onShareScreen(bool state)
{
    AreaLog::vidyo().LogDebug(QStringLiteral("%1,state=%2,isMe=%3")
                                    .arg(QStringLiteral("VidyoWidget::slot_onShareScreen"))
                                    .arg(state)
                                    .arg(m_sharingMine));
    if (!state) {
        vidyoView()->StartShareScreen();
        m_sharingMine = true;
        return;
    }
    if (m_sharingMine) {
        vidyoView()->StopShareScreen();
        return;
    }
    if (!m_shareBox) {
        m_shareBox = new KpMsgBox(nullptr);
        m_shareBox->setObjectName(QStringLiteral("sharingRefused"));
        m_shareBox->setStandardButtons(KpMsgBox::Confirm | KpMsgBox::Ok);
        m_shareBox->setMessageTitle(tr("Start screen sharing"));
        m_shareBox->setMessageText(tr("Currently only one person can share the screen"));
    }
    m_shareBox->show();
    m_shareBox->raise();
}

void VidyoWidget::slot_onStartShareScreen()
{
    ui->m_pShareScreen->setActivateState(false);
}

void VidyoWidget::slot_onStopShareScreen()
{
    m_sharingMine = false;
    ui->m_pShareScreen->setActivateState(true);
}

void VidyoWidget::slot_onWhiteBoard(bool)
{
    WhiteBoardView* whiteBoard = business()->getWhiteBoardView();
    if (whiteBoard->isInMeeting())
        emit whiteBoard->sig_showWhiteBoardMainWidget();
    else
        vidyoView()->startWhiteBoard();
}

void VidyoWidget::slot_onMultimediaMessageAccept(int type)
{
    if (type != MULTIMEDIA_WHITEBOARD)
        return;
    business()->getWhiteBoardView()->wb_leaveRoom();
    vidyoView()->startWhiteBoard();
}

// --- password keypad ---

void VidyoWidget::slot_onKeypad(bool)
{
    if (!m_keypad) {
        m_keypad = new PasswordKeypad(nullptr);
        connect(m_keypad, &PasswordKeypad::sig_ClosePasswordKeypadWnd, this, &VidyoWidget::slot_ClosePasswordKeypadWnd);
        connect(m_keypad, &PasswordKeypad::sig_BtnClosePasswordKeypadWnd, this,
            &VidyoWidget::slot_BtnClosePasswordKeypadWnd);
    }
    if (m_keypad->isVisible()) {
        m_keypad->close();
        vidyoView()->SetMuteAudioIn(true, true);
        ui->m_pMicrophone->setEnabled(true);
        return;
    }
    // The tones of the keys go out through the microphone.
    m_keypad->show();
    m_keypad->raise();
    vidyoView()->SetMuteAudioIn(false, true);
    ui->m_pMicrophone->setEnabled(false);
}

void VidyoWidget::closeMicrophoneAfterKeypad()
{
    vidyoView()->SetMuteAudioIn(true, true);
    ui->m_pMicrophone->setEnabled(true);
}

void VidyoWidget::slot_ClosePasswordKeypadWnd()
{
    closeMicrophoneAfterKeypad();
}

void VidyoWidget::slot_BtnClosePasswordKeypadWnd()
{
    m_keypadTimer->start();
}

void VidyoWidget::slot_onBtnClosePasswordKeyTimeout()
{
    closeMicrophoneAfterKeypad();
    m_keypadTimer->stop();
}

void VidyoWidget::slot_onShowPasswordPad(bool state)
{
    ui->m_pKeypad->setVisible(state);
}
