#include "meeting/VoiceMeetingWidget.h"

#include "ui_VoiceMeetingWidget.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "policy/MeetingRoomPolicy.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

VoiceMeetingWidget::VoiceMeetingWidget(QWidget* parent)
    : MeetingWindow(parent, CloseMediaWidgetTip::ExitVoiceMeeting, CloseMediaWidgetTip::DismissVoiceMeeting)
    , ui(new Ui::VoiceMeetingWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    AreaStyle::apply(this, QStringLiteral("meeting.qss"));
    setMovableHeight(ui->widget_top->height());
    ui->label_title->setFont(KP_UI_UTIL::getFontScale(16, true));
    ui->label_subtitle->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->label_meetingNumber->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->label_meetingId->setFont(KP_UI_UTIL::getFontScale(14, true));
    ui->label_haveInHand->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->label_smallTimer->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->label_largeTimer->setFont(KP_UI_UTIL::getFontScale(44, true));
    ui->label_membersTitle->setFont(KP_UI_UTIL::getFontScale(13, false));
    ui->label_memberCount->setFont(KP_UI_UTIL::getFontScale(13, true));
    ui->label_person->setFont(KP_UI_UTIL::getFontScale(13, false));
    for (QPushButton* button : { ui->btn_inviteMeeting, ui->btn_exitMeeting, ui->btn_dismissMeeting })
        button->setFont(KP_UI_UTIL::getFontScale(14, false));
    ScreenScale::beginScale(this);

    ui->btn_maxed->hide();
    if (!isMaster()) {
        ui->btn_inviteMeeting->hide();
        ui->btn_dismissMeeting->hide();
    }

    connect(clockTimer(), &QTimer::timeout, this, &VoiceMeetingWidget::slot_showMeetingTime);
    connect(ui->btn_close, &QPushButton::clicked, this, &VoiceMeetingWidget::slot_close);
    connect(ui->btn_min, &QPushButton::clicked, this, &VoiceMeetingWidget::slot_btn_min_clicked);
    connect(ui->btn_max, &QPushButton::clicked, this, &VoiceMeetingWidget::slot_btn_max_clicked);
    connect(ui->btn_maxed, &QPushButton::clicked, this, &VoiceMeetingWidget::slot_btn_maxed_clicked);
    connect(ui->btn_mute, &QPushButton::clicked, this, &VoiceMeetingWidget::slot_setSelfMute);
    connect(ui->btn_inviteMeeting, &QPushButton::clicked, this, &VoiceMeetingWidget::slot_inviteJoinVoiceMeeting);
    connect(ui->btn_exitMeeting, &QPushButton::clicked, this, &VoiceMeetingWidget::slot_exitMeeting);
    connect(ui->btn_dismissMeeting, &QPushButton::clicked, this, &VoiceMeetingWidget::slot_dismissMeeting);
    MeetingView* meeting = KP_BusinessView::instance()->getMeetingView();
    connect(meeting, &MeetingView::sig_showVoiceMeetingId, this, &VoiceMeetingWidget::slot_showVoiceMeetingId);
    connect(meeting, &MeetingView::sig_showVoiceMeetingMembersNum, this,
        &VoiceMeetingWidget::slot_showVoiceMeetingMembersNum);
    connect(
        meeting, &MeetingView::sig_raiseVoiceMeetingWidget, this, &VoiceMeetingWidget::slot_raiseVoiceMeetingWidget);
}

VoiceMeetingWidget::~VoiceMeetingWidget() = default;

MemberListWidget* VoiceMeetingWidget::memberList() const
{
    return ui->listMember;
}

void VoiceMeetingWidget::slot_close()
{
    askToClose(CloseMediaWidgetTip::ExitVoiceMeeting);
}

void VoiceMeetingWidget::slot_btn_max_clicked()
{
    m_normalGeometry = geometry();
    ui->btn_maxed->show();
    ui->btn_max->hide();
    showMaximized();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    resize(available.size());
    move(0, 0);
}

void VoiceMeetingWidget::slot_btn_maxed_clicked()
{
    ui->btn_maxed->hide();
    ui->btn_max->show();
    showNormal();
    if (m_normalGeometry.isValid())
        setGeometry(m_normalGeometry);
}

void VoiceMeetingWidget::slot_inviteJoinVoiceMeeting()
{
    KP_BusinessView::instance()->getMeetingView()->inviteJoinVoiceMeeting();
}

void VoiceMeetingWidget::slot_setSelfMute()
{
    toggleSelfMute(ui->btn_mute, false);
}

void VoiceMeetingWidget::slot_showVoiceMeetingId(QString id)
{
    ui->label_meetingId->setText(id);
}

void VoiceMeetingWidget::slot_showVoiceMeetingMembersNum(int number)
{
    if (number < 0) {
        AreaLog::meeting().LogInfo(
            QStringLiteral("VoiceMeetingWidget::slot_showVoiceMeetingMembersNum ignored %1").arg(number));
        return;
    }
    m_memberCount = number;
    ui->label_memberCount->setText(
        MeetingRoomPolicy::memberCountText(number, MeetingRoomPolicy::kVoiceMeetingCapacity));
    if (isMaster())
        ui->btn_inviteMeeting->setVisible(
            MeetingRoomPolicy::canInvite(number, MeetingRoomPolicy::kVoiceMeetingCapacity));
}

void VoiceMeetingWidget::slot_showMeetingTime()
{
    const QString text = elapsedText();
    ui->label_smallTimer->setText(text);
    ui->label_largeTimer->setText(text);
}

void VoiceMeetingWidget::slot_raiseVoiceMeetingWidget()
{
    raise();
}
