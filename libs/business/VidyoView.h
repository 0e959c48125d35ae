#pragma once

#include "business/AddressBookRecords.h"
#include "business/BusinessViewBase.h"
#include "business/CallRecords.h"

#include <QMap>
#include <QRect>

// The Vidyo meeting: invitations, the SDK session, its media and attendees.
class KP_BUSINESS_EXPORT VidyoView : public BusinessViewBase
{
    Q_OBJECT
public:
    // Layout the business library asks the meeting window for (same numbers
    // as the window's own type).
    enum VidyoViewStartVidyoType : int {
        StartVidyo_Call = 0,
        StartVidyo_AcceptedCall = 1,
        StartVidyo_Meeting = 2,
        StartVidyo_InvitedMeeting = 3,
        StartVidyo_AcceptedMeeting = 4,
        StartVidyo_DialIn = 5,
    };
    Q_ENUM(VidyoViewStartVidyoType)

    enum VidyoingState : int {
        Vidyoing_Idle = 0,
        Vidyoing_InSession = 1,
        Vidyoing_Invited = 2, // an invitation waits for an answer
    };

    struct State
    {
        int vidyoingState = Vidyoing_Idle;
        quintptr playerView = 0; // setPlayerWidget
        QRect rect; // SetRect / setPlayerWidget
        bool cameraOn = true;
        bool microphoneMuted = false;
        bool speakerMuted = false;
        bool sharing = false; // the user shares the screen
        bool allMuted = false;
        QMap<QString, QSharedPointer<AddressBookPerson>> invitedPersons; // account -> person
        QString dialedPassword; // keys dialled so far
        VidyoJsonTransferData lastAccepted;
    };

    explicit VidyoView(QObject* parent = nullptr);

    State& state() { return m_state; }
    const State& state() const { return m_state; }
    void resetState() override;

    // --- commands ---
    void AcceptVidyo(const VidyoJsonTransferData& data, int type);
    void RejectVidyo(const VidyoJsonTransferData& data);
    void CloseVidyo(const QString& duration);
    void setPlayerWidget(void* view, const QRect& rect);
    void SetRect(const QRect& rect);
    void SetCamera(bool on);
    void SetMuteAudioIn(bool mute, bool notify);
    void SetMuteAudioOut(bool mute);
    void StartShareScreen();
    void StopShareScreen();
    void startWhiteBoard();
    void showInvitePersonWidget();
    void muteAll();
    void unmuteAll();
    void muteOnePersonOnMuteOrOff(const QSharedPointer<AddressBookPerson>& person);
    void removeOutMeeting(const QSharedPointer<AddressBookPerson>& person);
    void dialPassword(const QString& key);
    void resetVidyoingState();

    // --- queries ---
    QRect getRect() const;
    int getVidyoingState() const;
    QMap<QString, QSharedPointer<AddressBookPerson>> getInvitedPerson() const;

signals:
    void signal_getPlayerWidget(VidyoView::VidyoViewStartVidyoType type);
    void signal_VidyoCall(VidyoJsonTransferData& data);
    void signal_OtherDeviceAnswer();
    void signal_OtherDeviceHangUp();
    void signal_OtherRefuse(VidyoJsonTransferData data);
    void signal_confOtherRefuse(VidyoJsonTransferData data);
    void signal_OtherHangUp(VidyoJsonTransferData data);
    void signal_remoteSourceRemoved(QString account, int source);
    void signal_HaveRemovedOut(VidyoJsonTransferData data);
    void signal_OtherBusy(QSharedPointer<AddressBookPerson> person);
    void signal_InviteOverTime(int type);
    void signal_Vidyoing();
    void signal_CompereStopVidyo();
    void signal_LoginSever(bool state);
    void signal_CloseDialMeettingWidget();
    void signal_StartVidyofaild();
    void signal_GetVidyoInfofaild();
    void signal_RemovedOutPerson(QSharedPointer<AddressBookPerson> person);
    void signal_CloseBottomWidget(VidyoJsonTransferData data);
    void signal_onStartShareScreen();
    void signal_onStopShareScreen();
    void signal_onSetMuteAudioIn(bool state);
    void signal_onSetMuteAudioOut(bool state);
    void signal_onSetCamera(bool state);
    void signal_Connecting();
    void signal_RoomPersonCountChanged();
    void signal_setMemberSilenced(QString account, bool isSilenced);
    void signal_isDialPassword(bool isSuccess);

private:
    State m_state;
};
