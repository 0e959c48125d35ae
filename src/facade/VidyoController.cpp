#include "facade/VidyoController.h"

#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "facade/ControllerSupport.h"
#include "facade/KP_MediaConfUI.h"
#include "policy/VidyoPolicy.h"

using ControllerSupport::business;
using ControllerSupport::displayName;

namespace {
// The removal confirmation's message type: its acceptance removes the person.
constexpr int kRemovalMessageType = 10;
} // namespace

VidyoController::VidyoController(std::function<void()> closeTipAndMask)
    : m_closeTipAndMask(std::move(closeTipAndMask))
{ }

VidyoController::~VidyoController() = default;

void VidyoController::initVidyoShow(int type)
{
    if (!VidyoPolicy::isKnownType(type)) {
        AreaLog::facade().LogInfo(QStringLiteral("VidyoController::initVidyoShow unknown type %1").arg(type));
        return;
    }
    // A window the user closed before its meeting connected waits, hidden, for the SDK: a new
    // meeting gets a fresh one.
    if (!m_vidyo || m_vidyo->isHidden()) {
        VidyoWidget* window = m_vidyo.replace(nullptr);
        connect(window, &VidyoWidget::signal_CloseVidyoWidget, this, &VidyoController::onCloseVidyoWidget);
    }
    VidyoWidget* window = m_vidyo.get();
    window->move(
        (KP_UI_UTIL::getDeskTopWidth() - window->width()) / 2, (KP_UI_UTIL::getDeskTopHeight() - window->height()) / 2);
    window->show();
    window->resetPanels();
    window->setType(VidyoWidget::VidyoWidgetType(type));
    business()->getVidyoView()->setPlayerWidget(reinterpret_cast<void*>(window->winId()), window->getVidyoRect());
}

void VidyoController::onCloseVidyoWidget()
{
    // A window let go earlier may still report its closing; only the current one is deleted here.
    const QObject* from = sender();
    if (from && from != m_vidyo.get())
        return;
    m_vidyo.destroyLater();
}

void VidyoController::closeVidyoLater()
{
    if (m_vidyo)
        m_vidyo->startCloseTimer();
}

bool VidyoController::isCurrentUser(const QString& account) const
{
    return account == business()->getUserInfoView()->getCurUserAccount();
}

void VidyoController::onOtherRefuse(const VidyoJsonTransferData& data)
{
    m_closeTipAndMask();
    showVidyoMessage(displayName(data.fromAccount) + KP_MediaConfUI::tr("Your invitation rejected!"), true);
    closeVidyoLater();
}

void VidyoController::confOtherRefuse(const VidyoJsonTransferData& data)
{
    showVidyoMessage(displayName(data.fromAccount) + KP_MediaConfUI::tr("Your invitation rejected!"), true);
}

void VidyoController::onOtherHangUp(const VidyoJsonTransferData& data)
{
    if (isCurrentUser(data.fromAccount))
        return; // the user's own hang-up needs no message
    showVidyoMessage(displayName(data.fromAccount) + KP_MediaConfUI::tr("Cancelled!"), true);
    closeVidyoLater();
    m_closeTipAndMask();
}

void VidyoController::remoteSourceRemoved(const QString& account)
{
    if (isCurrentUser(account))
        return;
    showVidyoMessage(displayName(account) + KP_MediaConfUI::tr("User disconnected link!"), true);
    closeVidyoLater();
    m_closeTipAndMask();
}

void VidyoController::onHaveRemovedOut()
{
    m_closeTipAndMask();
    showVidyoMessage(KP_MediaConfUI::tr("You were removed from the meeting!"), true);
    closeVidyoLater();
}

void VidyoController::onOtherBusy(const QSharedPointer<AddressBookPerson>& person)
{
    const QString who = person ? person->displayName() : KP_MediaConfUI::tr("The user");
    showVidyoMessage(who + KP_MediaConfUI::tr("Busy now!"), true);
    closeVidyoLater();
}

void VidyoController::onInviteOverTime(int type)
{
    if (type == 1) {
        showVidyoMessage(
            KP_MediaConfUI::tr("The other party’s mobile phone is not around, please try again later"), true);
        return;
    }
    closeVidyoLater();
    showVidyoMessage(KP_MediaConfUI::tr("Connection timeout, video call canceled"), true);
}

void VidyoController::onVidyoing()
{
    showVidyoMessage(KP_MediaConfUI::tr("Please close the current video and then go on to the next video!"), true);
}

void VidyoController::onCompereStopVidyo()
{
    m_closeTipAndMask();
    showVidyoMessage(KP_MediaConfUI::tr("The meeting disbanded by the host!"), true);
    closeVidyoLater();
}

// These four report on a running meeting window; without one they have nothing to say.
void VidyoController::onVidyovideofailed()
{
    if (m_vidyo)
        showVidyoMessage(KP_MediaConfUI::tr("Your video connection is abnormal!"), false);
}

void VidyoController::getVidyoInfofaild()
{
    if (m_vidyo)
        showVidyoMessage(KP_MediaConfUI::tr("You may have a network connection problem!"), false);
}

void VidyoController::onDialInviteJoinMeetingFaild(int reason)
{
    if (m_vidyo)
        showVidyoMessage(KP_MediaConfUI::tr("Failed to join in-line video conference: %1").arg(reason), false);
}

void VidyoController::closeDialMeettingWidget()
{
    if (!m_vidyo)
        return;
    showVidyoMessage(KP_MediaConfUI::tr("Failed to join the video conference"), true);
    closeVidyoLater();
}

void VidyoController::onLoginSever(bool state)
{
    if (!state)
        showVidyoMessage(KP_MediaConfUI::tr("Server logging in failed!"), true);
}

void VidyoController::onCloseMainWidgetAll()
{
    m_closeTipAndMask();
    closeVidyoLater();
}

void VidyoController::onRemovedOutPerson(const QSharedPointer<AddressBookPerson>& person)
{
    m_personPendingRemoval = person;
    const QString text = KP_MediaConfUI::tr("Sure to delete")
        + (person ? person->displayName() + QStringLiteral("!") : KP_MediaConfUI::tr("the user!"));
    showMessagebox(QString(), text, kRemovalMessageType, KpMsgBox::Confirm | KpMsgBox::Cancel, false);
}

void VidyoController::onMessageAccept(int type)
{
    if (type == kRemovalMessageType)
        business()->getVidyoView()->removeOutMeeting(m_personPendingRemoval);
}

void VidyoController::showVidyoMessage(const QString& text, bool autoClose)
{
    showMessagebox(QString(), text, KpMsgBox::Msg_Info, KpMsgBox::Ok, autoClose);
}

void VidyoController::showMessagebox(
    const QString& title, const QString& text, int type, QFlags<KpMsgBox::KpButton> buttons, bool autoClose)
{
    // One box, reused: a later message replaces the text of one still open.
    if (!m_messageBox) {
        KpMsgBox* box = m_messageBox.replace(nullptr);
        connect(box, qOverload<int>(&KpMsgBox::signal_Accept), this, &VidyoController::onMessageAccept);
    }
    m_messageBox->setMessageTitle(title);
    m_messageBox->setMessageText(text);
    m_messageBox->setMessageType(type);
    m_messageBox->setStandardButtons(buttons);
    m_messageBox->show();
    m_messageBox->setFocus(Qt::OtherFocusReason);
    if (autoClose)
        m_messageBox->startCloseWidgetTimeOut();
}

void VidyoController::destroyWindows()
{
    m_vidyo.closeAndDestroy();
    m_messageBox.closeAndDestroy();
}

void VidyoController::forgetPendingRemoval()
{
    m_personPendingRemoval.reset();
}
