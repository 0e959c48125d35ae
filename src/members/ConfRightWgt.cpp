#include "members/ConfRightWgt.h"

#include "ui_ConfRightWgt.h"

#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "members/ConfMembersControlDelegate.h"
#include "members/ConfMembersControlWidget.h"
#include "panels/PPC_Chat.h"

ConfRightWgt::ConfRightWgt(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ConfRightWgt)
{
    ui->setupUi(this);
    setFont(KP_UI_UTIL::getFontScale(14, true));
    ui->label_title->setFont(font());
    connect(ui->btn_close, &QPushButton::clicked, this, &ConfRightWgt::on_btn_close_clicked);

    // The member list is a tool window of its own when opened alone; here it is a page.
    m_attendee = new ConfMembersControlWidget(ui->page_attend);
    m_attendee->setWindowFlags(Qt::Widget);
    m_attendee->setAttribute(Qt::WA_DeleteOnClose, false);
    ui->page_attend->layout()->addWidget(m_attendee);

    // The activity log fills the chat page, whatever its own size as a window.
    m_chat = new PPC_Chat(ui->page_chat);
    m_chat->setWindowFlags(Qt::Widget);
    m_chat->setAttribute(Qt::WA_DeleteOnClose, false);
    m_chat->setMinimumSize(0, 0);
    m_chat->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ui->page_chat->layout()->addWidget(m_chat);

    connect(m_attendee, &ConfMembersControlWidget::sig_invite_clicked, this, &ConfRightWgt::sig_invite_clicked);
    connect(m_attendee, &ConfMembersControlWidget::sig_member_control_clicked, this,
        &ConfRightWgt::sig_member_control_clicked);
    connect(m_attendee, &ConfMembersControlWidget::sig_onConferenceCountChange, this,
        &ConfRightWgt::sig_onConferenceCountChange);

    on_btn_member_clicked();
    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

ConfRightWgt::~ConfRightWgt() = default;

void ConfRightWgt::setConfId(QString confId)
{
    m_attendee->setConfId(confId);
}

void ConfRightWgt::setIsHost(bool isHost)
{
    m_attendee->setIsHost(isHost);
}

int ConfRightWgt::callOfflineMembers()
{
    const QMap<QString, QString> absent = m_attendee->notEnrolledMembers();
    for (auto it = absent.cbegin(); it != absent.cend(); ++it)
        ConfMembersControlDelegate::inviteAgain(it.key(), it.value());
    AreaLog::members().LogInfo(QStringLiteral("ConfRightWgt::callOfflineMembers %1 invited").arg(absent.size()));
    return absent.size();
}

QStringList ConfRightWgt::joinedAccounts() const
{
    return m_attendee->joinedAccounts();
}

bool ConfRightWgt::isChatPage() const
{
    return ui->stackedWidget->currentWidget() == ui->page_chat;
}

void ConfRightWgt::on_btn_member_clicked()
{
    ui->label_title->setText(tr("attendee"));
    ui->stackedWidget->setCurrentWidget(ui->page_attend);
}

void ConfRightWgt::on_btn_chat_clicked()
{
    ui->label_title->setText(tr("chat"));
    ui->stackedWidget->setCurrentWidget(ui->page_chat);
}

void ConfRightWgt::on_btn_close_clicked()
{
    emit sig_conf_right_close_clicked();
}
