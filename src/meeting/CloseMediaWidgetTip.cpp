#include "meeting/CloseMediaWidgetTip.h"

#include "ui_CloseMediaWidgetTip.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpPublicBtn.h"
#include "customui/ScreenScale.h"
#include "policy/MeetingTipPolicy.h"

using MeetingTipPolicy::CloseAction;

CloseMediaWidgetTip::CloseMediaWidgetTip(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::CloseMediaWidgetTip)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // Nobody keeps the tip once it has answered: it goes with its window.
    setAttribute(Qt::WA_DeleteOnClose);
    setMovableHeight(ui->widget_title->height());

    ui->label_tip->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->pushButton_ok->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->pushButton_cancel->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->pushButton_ok->setBtnStyle(BtnStyle_Primary, true);
    ui->pushButton_cancel->setBtnStyle(BtnStyle_Secondary, true);

    ui->widget_title->setTitle(tr("Prompt"));
    ui->widget_title->setShowType(Title_CloseOnly);

    connect(ui->pushButton_ok, &QPushButton::clicked, this, &CloseMediaWidgetTip::slot_closeMediaWidget);
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->widget_title, &KPTitleBar::sig_closeBtn_clicked, this, &QWidget::close);

    ScreenScale::beginScale(this);
}

CloseMediaWidgetTip::~CloseMediaWidgetTip() = default;

void CloseMediaWidgetTip::setType(int type)
{
    m_type = type;
    ui->label_tip->setText(MeetingTipPolicy::closeQuestion(type));
    if (!MeetingTipPolicy::isCloseType(type))
        AreaLog::meeting().LogInfo(QStringLiteral("CloseMediaWidgetTip::setType unknown type %1").arg(type));
}

void CloseMediaWidgetTip::slot_closeMediaWidget()
{
    AreaLog::meeting().LogInfo(QStringLiteral("CloseMediaWidgetTip::slot_closeMediaWidget type=%1").arg(m_type));
    KP_BusinessView* business = KP_BusinessView::instance();
    const QVector<CloseAction> actions = MeetingTipPolicy::closeActions(m_type);
    for (CloseAction action : actions) {
        switch (action) {
        case CloseAction::ExitMeeting:
            business->getMeetingView()->exitMeeting();
            break;
        case CloseAction::DismissMeeting:
            business->getMeetingView()->dismissMeeting();
            break;
        case CloseAction::CloseVoiceMeeting:
            business->getMeetingView()->closeVoiceMeeting();
            break;
        case CloseAction::CloseVideoMeeting:
            business->getMeetingView()->closeVideoMeeting();
            break;
        case CloseAction::CloseVideoCall:
            business->getVoipView()->closeVideoCallWnd();
            break;
        case CloseAction::CloseWhiteBoard:
            emit business->getWhiteBoardView()->sig_closeWhiteBoardMainWidget();
            break;
        }
    }
    // A second confirmation of the same tip must not end anything twice.
    m_type = -1;
    close();
}
