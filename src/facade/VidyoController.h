#pragma once

#include "business/AddressBookRecords.h"
#include "business/CallRecords.h"
#include "customui/KpMsgBox.h"
#include "facade/OwnedWindow.h"
#include "vidyo/VidyoWidget.h"

#include <QObject>
#include <QSharedPointer>

#include <functional>

// Vidyo meetings: the meeting window, the facade's one message box with the
// Vidyo messages, and the confirmed removal of a participant. Methods are named
// after the facade slots they serve.
class VidyoController : public QObject
{
public:
    // `closeTipAndMask` closes the bottom notification and the group box's
    // mask; the invitation side of the facade owns both.
    explicit VidyoController(std::function<void()> closeTipAndMask);
    ~VidyoController() override;

    void initVidyoShow(int type);
    void onCloseVidyoWidget();
    void onOtherRefuse(const VidyoJsonTransferData& data);
    void confOtherRefuse(const VidyoJsonTransferData& data);
    void onOtherHangUp(const VidyoJsonTransferData& data);
    void remoteSourceRemoved(const QString& account);
    void onHaveRemovedOut();
    void onOtherBusy(const QSharedPointer<AddressBookPerson>& person);
    void onInviteOverTime(int type);
    void onVidyoing();
    void onCompereStopVidyo();
    void onVidyovideofailed();
    void getVidyoInfofaild();
    void onDialInviteJoinMeetingFaild(int reason);
    void closeDialMeettingWidget();
    void onLoginSever(bool state);
    void onCloseMainWidgetAll();
    void onRemovedOutPerson(const QSharedPointer<AddressBookPerson>& person);
    void onMessageAccept(int type);

    // Teardown: the meeting window, then the message box.
    void destroyWindows();
    void forgetPendingRemoval();

private:
    void showMessagebox(
        const QString& title, const QString& text, int type, QFlags<KpMsgBox::KpButton> buttons, bool autoClose);
    // Every Vidyo message: no title, message type 0, a single OK button.
    void showVidyoMessage(const QString& text, bool autoClose);
    void closeVidyoLater();
    bool isCurrentUser(const QString& account) const;

    std::function<void()> m_closeTipAndMask;
    OwnedWindow<VidyoWidget> m_vidyo;
    OwnedWindow<KpMsgBox> m_messageBox;
    QSharedPointer<AddressBookPerson> m_personPendingRemoval;
};
