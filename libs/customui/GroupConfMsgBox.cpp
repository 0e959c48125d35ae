#include "customui/GroupConfMsgBox.h"
#include "ui_GroupConfMsgBox.h"

#include "business/KP_BusinessView.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpRingTone.h"
#include "customui/ScreenScale.h"
#include "util/KPFilePathMgr.h"
#include "util/KPLog.h"

#include <QCloseEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>

namespace {
// The box lives in the client's mask of its main window.
const PopUpHandleType kMaskType = POPUP_HANDLE_MAIN;
} // namespace

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

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("timeOutTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(TimeOutMs);
    m_ring = new KpRingTone(KPFilePathMgr::instance()->getAppPath() + QStringLiteral("Ring.wav"), this);
    m_ring->setLoops(20);

    connect(ui->btn_accept, &QPushButton::clicked, this, &GroupConfMsgBox::slot_onAccept);
    connect(ui->btn_reject, &QPushButton::clicked, this, &GroupConfMsgBox::slot_onReject);
    connect(ui->widget_title, &KPTitleBar::sig_closeBtn_clicked, this, &GroupConfMsgBox::slot_onTimeOut);
    connect(m_timer, &QTimer::timeout, this, &GroupConfMsgBox::slot_onTimeOut);
    connect(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt, this, &GroupConfMsgBox::slot_onHideMask);
    ScreenScale::beginScale(this);
    showGroup(QString(), QString());
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
    m_fromAccount.clear();
    QString groupId;
    QString groupName;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(extensionJson.toUtf8(), &error);
    if (document.isObject()) {
        const QJsonObject extension = document.object();
        groupId = extension.value(QStringLiteral("groupId")).toVariant().toString();
        groupName = extension.value(QStringLiteral("groupName")).toString();
        m_fromAccount = extension.value(QStringLiteral("inviter")).toString();
    } else if (!extensionJson.isEmpty()) {
        g_Log.LogInfo(QStringLiteral("GroupConfMsgBox::setConferenceInfo bad extension: %1").arg(error.errorString()));
    }
    showGroup(groupName.isEmpty() ? groupId : groupName, groupId);
}

void GroupConfMsgBox::showGroup(const QString& name, const QString& groupId)
{
    ui->label_group->setText(name.isEmpty() ? QString() : tr("Group: %1").arg(name));
    // Drawn at the label's size, which the screen scale has grown.
    const QSize side = ui->label_head->minimumSize();
    ui->label_head->setPixmap(KP_UI_UTIL::getSelfDrawPicHead(name, groupId, side.width(), side.height(), false, 0, 16));
}

void GroupConfMsgBox::setInviteMessage(const QString& text)
{
    ui->label_message->setText(text);
}

QString GroupConfMsgBox::inviteMessage() const
{
    return ui->label_message->text();
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
    if (type == kMaskType && !m_finished)
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

    // Copies: whoever hears the mask go away may delete the box, and the
    // answer must still reach the business library.
    const QString confId = m_confId;
    const QString fromAccount = m_fromAccount;
    QPointer<GroupConfMsgBox> guard(this);
    hide();
    if (outcome != Outcome::Dismiss)
        emit UI_ControlView::instance()->sig_hideMaskWgt(kMaskType);

    UnifiedConferenceView* view = KP_BusinessView::instance()->getUnifiedConferenceView();
    if (confId.isEmpty()) {
        g_Log.LogInfo(QStringLiteral("GroupConfMsgBox::finish without conference id"));
    } else if (outcome == Outcome::Accept) {
        const QString running = view->getCurrentConfId();
        view->setConferenceType(CONFERENCE_TYPE_GROUP);
        if (!running.isEmpty() && running != confId)
            view->leaveConference(running);
        view->joinConference(
            confId, QString(), view->getInviterConfState(confId), CONFERENCE_TYPE_GROUP, 1, 0, QString());
    } else if (outcome == Outcome::Reject) {
        view->rejectInvitation(confId, fromAccount, RefuseReason);
        view->resetInviteConfId();
    } else if (outcome == Outcome::Lapse) {
        view->resetInviteConfId();
    }

    if (!guard)
        return;
    switch (outcome) {
    case Outcome::Accept:
        emit sig_accept(confId);
        break;
    case Outcome::Reject:
        emit sig_reject(confId);
        break;
    case Outcome::Lapse:
        emit sig_lapsed(confId);
        break;
    case Outcome::Dismiss:
        break;
    }
    if (guard)
        close();
}

void GroupConfMsgBox::showEvent(QShowEvent* event)
{
    MoveWidget::showEvent(event);
    // As tall as the wrapped invitation text needs, no taller.
    if (layout()->hasHeightForWidth())
        resize(width(), layout()->totalHeightForWidth(width()));
    if (!m_finished)
        m_ring->play();
}

void GroupConfMsgBox::closeEvent(QCloseEvent* event)
{
    MoveWidget::closeEvent(event);
    if (event->isAccepted() && !m_finished)
        finish(Outcome::Lapse);
}
