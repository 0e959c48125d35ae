#include "GroupConfMsgBox.h"
#include "ui_GroupConfMsgBox.h"

#include "KPFilePathMgr.h"
#include "KPLog.h"
#include "KP_BusinessView.h"
#include "KP_UI_UTIL.h"
#include "ScreenScale.h"

#include <QCloseEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSound>
#include <QTimer>

GroupConfMsgBox::GroupConfMsgBox(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::GroupConfMsgBox)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);

    ui->widget_title->setShowType(Title_CloseOnly);
    ui->widget_title->setTitle(tr("Group meeting invitation"));
    setMovableHeight(ui->widget_title->maximumHeight());
    ui->label_message->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->label_group->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->btn_accept->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->btn_reject->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->btn_accept->setBtnStyle(BtnStyle_Primary, true);
    ui->btn_reject->setBtnStyle(BtnStyle_Secondary, true);
    ui->label_head->setPixmap(KP_UI_UTIL::getSelfDrawPicHead(QString(), QString(), 56, 56, false, 0, 16));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("timeOutTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(TimeOutMs);
    m_ring = new QSound(KPFilePathMgr::instance()->getAppPath() + QStringLiteral("Ring.wav"), this);
    m_ring->setLoops(20);

    connect(ui->btn_accept, &QPushButton::clicked, this, &GroupConfMsgBox::slot_onAccept);
    connect(ui->btn_reject, &QPushButton::clicked, this, &GroupConfMsgBox::slot_onReject);
    connect(ui->widget_title, &KPTitleBar::sig_closeBtn_clicked, this, &GroupConfMsgBox::slot_onTimeOut);
    connect(m_timer, &QTimer::timeout, this, &GroupConfMsgBox::slot_onTimeOut);
    connect(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt, this, &GroupConfMsgBox::slot_onHideMask);
    ScreenScale::beginScale(this);
    // The invitation runs from its arrival, shown or not.
    m_timer->start();
}

GroupConfMsgBox::~GroupConfMsgBox()
{
    m_ring->stop();
}

void GroupConfMsgBox::setConferenceInfo(const QString& confId, const QString& extensionJson)
{
    m_confId = confId;
    m_groupId.clear();
    m_groupName.clear();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(extensionJson.toUtf8(), &error);
    if (document.isObject()) {
        const QJsonObject extension = document.object();
        m_groupId = extension.value(QStringLiteral("groupId")).toVariant().toString();
        m_groupName = extension.value(QStringLiteral("groupName")).toString();
        if (m_fromAccount.isEmpty())
            m_fromAccount = extension.value(QStringLiteral("inviter")).toString();
    } else if (!extensionJson.isEmpty()) {
        g_Log.LogInfo(QStringLiteral("GroupConfMsgBox::setConferenceInfo bad extension: %1").arg(error.errorString()));
    }
    const QString shown = m_groupName.isEmpty() ? m_groupId : m_groupName;
    ui->label_group->setText(shown.isEmpty() ? QString() : tr("Group: %1").arg(shown));
    ui->label_head->setPixmap(KP_UI_UTIL::getSelfDrawPicHead(shown, m_groupId, 56, 56, false, 0, 16));
}

void GroupConfMsgBox::setInviteMessage(const QString& text)
{
    ui->label_message->setText(text);
}

QString GroupConfMsgBox::inviteMessage() const
{
    return ui->label_message->text();
}

void GroupConfMsgBox::setFromAccount(const QString& account)
{
    m_fromAccount = account;
}

void GroupConfMsgBox::slot_onAccept()
{
    finish(Outcome::Accept);
}

void GroupConfMsgBox::slot_onReject()
{
    finish(Outcome::Reject);
}

void GroupConfMsgBox::slot_onTimeOut()
{
    finish(Outcome::Lapse);
}

void GroupConfMsgBox::slot_onHideMask(PopUpHandleType type)
{
    if (type == m_maskType && !m_finished)
        finish(Outcome::Dismiss);
}

void GroupConfMsgBox::finish(Outcome outcome)
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer->stop();
    m_ring->stop();
    static const char* const names[] = { "accept", "reject", "lapse", "dismiss" };
    g_Log.LogDebug(QStringLiteral("GroupConfMsgBox::finish confId=%1 outcome=%2")
                       .arg(m_confId, QLatin1String(names[int(outcome)])));

    UnifiedConferenceView* view = KP_BusinessView::instance()->getUnifiedConferenceView();
    QPointer<GroupConfMsgBox> guard(this);
    hide();
    if (outcome != Outcome::Dismiss)
        emit UI_ControlView::instance()->sig_hideMaskWgt(m_maskType);

    if (m_confId.isEmpty()) {
        g_Log.LogInfo(QStringLiteral("GroupConfMsgBox::finish without conference id"));
    } else if (outcome == Outcome::Accept) {
        const QString running = view->getCurrentConfId();
        view->setConferenceType(CONFERENCE_TYPE_GROUP);
        if (!running.isEmpty() && running != m_confId)
            view->leaveConference(running);
        view->joinConference(
            m_confId, QString(), view->getInviterConfState(m_confId), CONFERENCE_TYPE_GROUP, 1, 0, QString());
    } else if (outcome == Outcome::Reject) {
        view->rejectInvitation(m_confId, m_fromAccount, RefuseReason);
        view->resetInviteConfId();
    } else if (outcome == Outcome::Lapse) {
        view->resetInviteConfId();
    }

    if (guard) {
        switch (outcome) {
        case Outcome::Accept:
            emit sig_accept(m_confId);
            break;
        case Outcome::Reject:
            emit sig_reject(m_confId);
            break;
        case Outcome::Lapse:
            emit sig_lapsed(m_confId);
            break;
        case Outcome::Dismiss:
            break;
        }
    }
    if (guard)
        close();
}

void GroupConfMsgBox::showEvent(QShowEvent* event)
{
    MoveWidget::showEvent(event);
    if (!m_finished)
        m_ring->play();
}

void GroupConfMsgBox::closeEvent(QCloseEvent* event)
{
    MoveWidget::closeEvent(event);
    if (event->isAccepted() && !m_finished)
        finish(Outcome::Lapse);
}
