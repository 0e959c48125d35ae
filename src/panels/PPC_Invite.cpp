#include "panels/PPC_Invite.h"

#include "ui_PPC_Invite.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "meeting/ConferenceCallWidget.h"
#include "panels/PhoneInvitation.h"

namespace {
UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}
} // namespace

PPC_Invite::PPC_Invite(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PPC_Invite)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    for (QWidget* w : std::initializer_list<QWidget*> {
             ui->CallInviteBtn, ui->ConfShareBtn, ui->VoipInviteBtn, ui->NoBtn, ui->YesBtn })
        w->setFont(font);
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
    hide();
}

PPC_Invite::~PPC_Invite() = default;

void PPC_Invite::on_VoipInviteBtn_clicked()
{
    UnifiedConferenceView* view = conferenceView();
    emit view->sig_showSelectConfMemberWidget(false, view->getConferenceType(), CONF_MEDIA_CURRENT);
    emit sig_closePopupWgt();
}

void PPC_Invite::on_CallInviteBtn_clicked()
{
    // The keypad is a process-wide window: it is made, and answers this page, only once asked for.
    ConferenceCallWidget* keypad = ConferenceCallWidget::instance();
    connect(keypad, &ConferenceCallWidget::signal_makeCall, this, &PPC_Invite::slot_makeCall, Qt::UniqueConnection);
    keypad->show();
    keypad->raise();
    emit sig_closePopupWgt();
}

void PPC_Invite::on_ConfShareBtn_clicked()
{
    emit conferenceView()->sig_showConfShareWidget();
    emit sig_closePopupWgt();
}

void PPC_Invite::on_NoBtn_clicked()
{
    emit sig_closePopupWgt();
}

void PPC_Invite::on_YesBtn_clicked()
{
    int way = Way_None;
    if (ui->VoipInviteBtn->isChecked())
        way = Way_Members;
    if (ui->CallInviteBtn->isChecked())
        way = Way_Telephone;
    if (ui->ConfShareBtn->isChecked())
        way = Way_Share;
    AreaLog::panels().LogDebug(QStringLiteral("Type = ") + QString::number(way));
    if (way < 0)
        return;
    emit sig_selectInviteWay(way);
    emit sig_closePopupWgt();
}

void PPC_Invite::slot_makeCall(QString number)
{
    const QSharedPointer<AddressBookPerson> person
        = KP_BusinessView::instance()->getAddressBookView()->getPersonByPhoneNum(number);
    const QString name = person ? person->displayName() : QString();
    AreaLog::panels().LogInfo(QStringLiteral("PPC_Invite::slot_makeCall %1 %2").arg(number, name));
    conferenceView()->invitePhoneMembers(landingCallMembers({ PhoneInvitePolicy::dialledNumber(number, name) }));
}
