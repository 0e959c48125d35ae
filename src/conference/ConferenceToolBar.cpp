#include "conference/ConferenceToolBar.h"

#include "ui_ConferenceToolBar.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "conference/ConferenceBarRect.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpStyle.h"
#include "customui/ScreenScale.h"
#include "policy/ConferenceWindowPolicy.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QTimer>

namespace {

struct ClickGuard
{
    bool armed = false;
    QPointer<QTimer> timer;
};

// The guards outlive every toolbar: one destroyed within the guard time must
// not leave its guard armed for the next conference, so the clock belongs to
// the application.
ClickGuard& guard(int which)
{
    static ClickGuard guards[2];
    ClickGuard& g = guards[which];
    if (!g.timer) {
        g.armed = false;
        g.timer = new QTimer(QCoreApplication::instance());
        g.timer->setSingleShot(true);
        g.timer->setInterval(ConferenceToolBar::kClickGuardMs);
        QObject::connect(g.timer, &QTimer::timeout, g.timer, [&g] { g.armed = false; });
    }
    return g;
}
constexpr int kMicrophone = 0;
constexpr int kCamera = 1;

// False (with the tip) while the guard is armed; else arms it.
bool passGuard(int which)
{
    ClickGuard& g = guard(which);
    if (g.armed) {
        emit UI_ControlView::instance()->sig_showMsgTip(
            QCoreApplication::translate("ConferenceToolBar", "Please do not click frequently!"),
            POPUP_HANDLE_CONFERENCE);
        return false;
    }
    g.armed = true;
    g.timer->start();
    return true;
}

} // namespace

QTimer* ConferenceToolBar::microphoneGuard()
{
    return guard(kMicrophone).timer;
}

QTimer* ConferenceToolBar::cameraGuard()
{
    return guard(kCamera).timer;
}

ConferenceToolBar::ConferenceToolBar(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ConferenceToolBar)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground);

    const QFont caption = KP_UI_UTIL::getFontScale(12, false);
    for (QLabel* label :
        { ui->label, ui->label_2, ui->label_3, ui->label_attend_num, ui->label_5, ui->label_6, ui->label_7 })
        label->setFont(caption);
    ui->btn_stop_conf->setFont(KP_UI_UTIL::getFontScale(14, false));

    for (QPushButton* hidden :
        { ui->btn_record, ui->btn_polling, ui->btn_layout_mode, ui->btn_fullscreen, ui->btn_invite_user, ui->btn_more })
        hidden->hide();
    ui->btn_audio->setToolTip(tr("Turn off the microphone"));
    ui->btn_video->setToolTip(tr("turn off camera"));
    ui->btn_chats->setToolTip(tr("Chat"));
    ui->btn_members->setToolTip(tr("participant"));
    ui->btn_share_screen->setToolTip(tr("Shared"));

    // The whole tile acts as its button.
    m_tileButtons = { { ui->wgt_mic, ui->btn_audio }, { ui->wgt_camera, ui->btn_video },
        { ui->wgt_attend, ui->btn_members }, { ui->wgt_chat, ui->btn_chats }, { ui->wgt_share, ui->btn_share_screen },
        { ui->wgt_workbench, ui->btn_workbench } };
    for (auto it = m_tileButtons.cbegin(); it != m_tileButtons.cend(); ++it) {
        QWidget* tile = static_cast<QWidget*>(it.key());
        tile->setCursor(Qt::PointingHandCursor);
        tile->setAttribute(Qt::WA_Hover);
        tile->installEventFilter(this);
    }
    ui->btn_stop_conf->setCursor(Qt::PointingHandCursor);

    connect(ui->btn_more, &QPushButton::clicked, this, &ConferenceToolBar::slot_more);
    connect(ui->btn_audio, &QPushButton::clicked, this, &ConferenceToolBar::slot_audio);
    connect(ui->btn_chats, &QPushButton::clicked, this, &ConferenceToolBar::slot_chats);
    connect(ui->btn_video, &QPushButton::clicked, this, &ConferenceToolBar::slot_video);
    connect(ui->btn_record, &QPushButton::clicked, this, &ConferenceToolBar::slot_record);
    connect(ui->btn_members, &QPushButton::clicked, this, &ConferenceToolBar::slot_members);
    connect(ui->btn_fullscreen, &QPushButton::clicked, this, &ConferenceToolBar::slot_fullscreen);
    connect(ui->btn_invite_user, &QPushButton::clicked, this, &ConferenceToolBar::slot_invite_user);
    connect(ui->btn_layout_mode, &QPushButton::clicked, this, &ConferenceToolBar::slot_layout_mode);
    connect(ui->btn_share_screen, &QPushButton::clicked, this, &ConferenceToolBar::slot_share_screen);
    connect(ui->btn_polling, &QPushButton::clicked, this, &ConferenceToolBar::slot_polling);
    connect(this, &ConferenceToolBar::sig_on_fullscreen_clicked, this, &ConferenceToolBar::slot_on_fullscreen_clicked);
    connect(ui->btn_stop_conf, &QPushButton::clicked, this, &ConferenceToolBar::slot_btnClicked);
    connect(ui->btn_workbench, &QPushButton::clicked, this, &ConferenceToolBar::slot_btnClicked);
    connect(KP_BusinessView::instance()->getVoipView(), &VoipView::sig_onGetCameraInfo, this,
        &ConferenceToolBar::slot_onGetCameraInfo);

    // Children polished against the form's sheet alone are re-polished only
    // when this widget is polished itself.
    ensurePolished();
    AreaStyle::apply(this, QStringLiteral("conference.qss"));
    KpStyle::setStyleProperty(ui->btn_audio, "active", QStringLiteral("y"));
    KpStyle::setStyleProperty(ui->btn_video, "active", QStringLiteral("y"));
    ScreenScale::beginScale(this);
}

ConferenceToolBar::~ConferenceToolBar() = default;

void ConferenceToolBar::setMicrophoneMuted(bool muted)
{
    m_micMuted = muted;
    ui->btn_audio->setToolTip(muted ? tr("Turn on the microphone") : tr("Turn off the microphone"));
    KpStyle::setStyleProperty(ui->btn_audio, "active", muted ? QStringLiteral("n") : QStringLiteral("y"));
}

void ConferenceToolBar::setCameraOff(bool off)
{
    m_cameraOff = off;
    ui->btn_video->setToolTip(off ? tr("turn on camera") : tr("turn off camera"));
    KpStyle::setStyleProperty(ui->btn_video, "active", off ? QStringLiteral("n") : QStringLiteral("y"));
}

void ConferenceToolBar::setHost(bool host)
{
    ui->wgt_workbench->setVisible(host);
}

void ConferenceToolBar::setWhiteboardActive(bool active)
{
    // Kept as the share button's flat property: the style shows the active share icon by it.
    KpStyle::setStyleProperty(ui->btn_share_screen, "flat", active);
}

bool ConferenceToolBar::isWhiteboardActive() const
{
    return ui->btn_share_screen->isFlat();
}

void ConferenceToolBar::setMemberCount(int count)
{
    ui->label_attend_num->setText(ConferenceWindowPolicy::memberCountText(count));
}

void ConferenceToolBar::slot_more()
{
    emit sig_on_more_clicked();
}

void ConferenceToolBar::slot_audio()
{
    if (passGuard(kMicrophone))
        emit sig_on_audio_clicked(!m_micMuted);
}

void ConferenceToolBar::slot_chats()
{
    ui->btn_chats->setRedDotCount(0);
    emit sig_on_chats_clicked();
}

void ConferenceToolBar::slot_video()
{
    if (passGuard(kCamera))
        emit sig_on_video_clicked(!m_cameraOff);
}

void ConferenceToolBar::slot_record()
{
    emit sig_on_record_clicked();
}

void ConferenceToolBar::slot_members()
{
    emit sig_on_members_clicked();
}

void ConferenceToolBar::slot_fullscreen(bool isChecked)
{
    emit sig_on_fullscreen_clicked(isChecked);
}

void ConferenceToolBar::slot_invite_user()
{
    emit sig_on_invite_user_clicked();
}

void ConferenceToolBar::slot_layout_mode()
{
    emit sig_on_layout_mode_clicked();
}

void ConferenceToolBar::slot_share_screen()
{
    emit sig_on_share_screen_clicked();
}

void ConferenceToolBar::slot_polling()
{
    emit sig_on_polling_clicked();
}

void ConferenceToolBar::slot_on_fullscreen_clicked(bool isChecked)
{
    AreaLog::conference().LogInfo(QStringLiteral("ConferenceToolBar::slot_on_fullscreen_clicked"));
    if (isChecked)
        ui->btn_fullscreen->setChecked(!ui->btn_fullscreen->isChecked());
}

void ConferenceToolBar::slot_btnClicked()
{
    auto* button = qobject_cast<QPushButton*>(sender());
    if (!button)
        return;
    if (button == ui->btn_stop_conf)
        emit sig_on_stop_conf_clicked(conferenceBarRect(button));
    else if (button == ui->btn_workbench)
        emit sig_on_workbench_clicked(conferenceBarRect(button));
}

void ConferenceToolBar::slot_onGetCameraInfo(QList<Agent_CameraInfo> cameras)
{
    if (cameras.isEmpty())
        KP_BusinessView::instance()->getUnifiedConferenceView()->controlSelfCamera(false, nullptr);
}

bool ConferenceToolBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (QPushButton* button = m_tileButtons.value(watched))
            emit button->clicked();
    }
    return QWidget::eventFilter(watched, event);
}
