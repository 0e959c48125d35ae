#include "panels/PPC_Chat.h"

#include "ui_PPC_Chat.h"

#include "business/KP_BusinessView.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "panels/SidePage.h"
#include "policy/ActivityLogPolicy.h"

#include <QDateTime>

PPC_Chat::PPC_Chat(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PPC_Chat)
{
    ui->setupUi(this);
    SidePage::setUpWindow(this, Qt::ApplicationModal, true);
    setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->SendMsgBtn->setBtnStyle(BtnStyle_Primary, false);

    UnifiedConferenceView* view = KP_BusinessView::instance()->getUnifiedConferenceView();
    connect(view, SIGNAL(sig_onJoinConferenceNotify(ConferenceMemberInfo, QString)), this,
        SLOT(slot_onJoinConferenceNotify(ConferenceMemberInfo, QString)));
    connect(view, SIGNAL(sig_onInviteConfNotify(QString, int)), this, SLOT(slot_onInviteConfNotify(QString, int)));
    connect(view, SIGNAL(sig_onConfMsgMemberQuit(QString, ENUM_CONFMEMBER_DEVICETYPE)), this,
        SLOT(slot_onConfMsgMemberQuit(QString, ENUM_CONFMEMBER_DEVICETYPE)));
    connect(view, SIGNAL(sig_onConfMsgKickMember(QString, ENUM_CONFMEMBER_DEVICETYPE)), this,
        SLOT(slot_onConfMsgKickMember(QString, ENUM_CONFMEMBER_DEVICETYPE)));
    connect(view, SIGNAL(sig_onBeginShareDesktopNotify(QString, ENUM_CONFMEMBER_DEVICETYPE)), this,
        SLOT(slot_onBeginShareDesktopNotify(QString, ENUM_CONFMEMBER_DEVICETYPE)));
    connect(view, SIGNAL(sig_onStopShareDesktopNotify(QString)), this, SLOT(slot_onStopShareDesktopNotify(QString)));
    connect(view, SIGNAL(sig_onHandUp(bool, QString, bool, QString, ENUM_CONFMEMBER_DEVICETYPE)), this,
        SLOT(slot_onHandUp(bool, QString, bool, QString, ENUM_CONFMEMBER_DEVICETYPE)));
    connect(view, SIGNAL(sig_updateMemberInfo(ConferenceMemberInfo, int)), this,
        SLOT(slot_updateMemberInfo(ConferenceMemberInfo, int)));

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

PPC_Chat::~PPC_Chat() = default;

QStringList PPC_Chat::lines() const
{
    QStringList texts;
    for (int row = 0; row < ui->InfoListWgt->count(); ++row)
        texts << ui->InfoListWgt->item(row)->text();
    return texts;
}

QString PPC_Chat::nameOf(const QString& account)
{
    const QSharedPointer<AddressBookPerson> person
        = KP_BusinessView::instance()->getAddressBookView()->getAddressBookOnePerson_Account(account, false);
    return person ? person->displayName() : account;
}

void PPC_Chat::appendLine(const QString& name, const QString& what)
{
    ui->InfoListWgt->addItem(ActivityLogPolicy::line(QDateTime::currentDateTime(), name, what));
    ui->InfoListWgt->scrollToBottom();
}

void PPC_Chat::slot_onJoinConferenceNotify(ConferenceMemberInfo memberInfo, QString)
{
    appendLine(nameOf(memberInfo.name), ActivityLogPolicy::eventText(ActivityLogPolicy::Joined));
}

void PPC_Chat::slot_onInviteConfNotify(QString memberId, int)
{
    appendLine(nameOf(memberId), ActivityLogPolicy::eventText(ActivityLogPolicy::RefusedInvitation));
}

void PPC_Chat::slot_onConfMsgMemberQuit(QString memberId, ENUM_CONFMEMBER_DEVICETYPE)
{
    appendLine(nameOf(memberId), ActivityLogPolicy::eventText(ActivityLogPolicy::Quit));
}

void PPC_Chat::slot_onConfMsgKickMember(QString memberId, ENUM_CONFMEMBER_DEVICETYPE)
{
    appendLine(nameOf(memberId), ActivityLogPolicy::eventText(ActivityLogPolicy::Kicked));
}

void PPC_Chat::slot_onBeginShareDesktopNotify(QString memberId, ENUM_CONFMEMBER_DEVICETYPE)
{
    appendLine(nameOf(memberId), ActivityLogPolicy::eventText(ActivityLogPolicy::BeganSharing));
}

void PPC_Chat::slot_onStopShareDesktopNotify(QString memberId)
{
    appendLine(nameOf(memberId), ActivityLogPolicy::eventText(ActivityLogPolicy::StoppedSharing));
}

void PPC_Chat::slot_onHandUp(bool isSuccess, QString, bool on, QString account, ENUM_CONFMEMBER_DEVICETYPE)
{
    // A lowered hand, and the user's own, are not news.
    if (!isSuccess || !on || account == KP_BusinessView::instance()->getUnifiedConferenceView()->getCurrentAccount())
        return;
    appendLine(nameOf(account), ActivityLogPolicy::eventText(ActivityLogPolicy::HandUp));
}

void PPC_Chat::slot_updateMemberInfo(ConferenceMemberInfo memberInfo, int action)
{
    appendLine(nameOf(memberInfo.name), ActivityLogPolicy::mediaChangeText(action));
}

void PPC_Chat::slot_updateMemberOperLog(QString sOper)
{
    ui->InfoListWgt->addItem(sOper);
    ui->InfoListWgt->scrollToBottom();
}

void PPC_Chat::on_SendMsgBtn_clicked()
{
    // Messages go through the client's own chat; this panel only logs.
}
