#pragma once

#include "business/BusinessEnums.h"
#include "business/ConferenceRecords.h"
#include "customui/MoveWidget.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <memory>

class ConfSmartVideoPlayMainWdg;
class KpMsgBox;
class KpMsgTip;
class QTimer;
namespace Ui {
class MediaLayoutWgt;
}

// The voice conference grid of an IM group call: up to nine member tiles on
// the layout engine, the meeting time, and a tool bar for camera, microphone,
// invitation, speaker and hang-up. Every question goes through one
// confirmation box keyed by its pop-up type (VoiceGridPolicy::Question), and
// its answer is the matching business call. The facade creates it for
// conference type 6 and tells it whether the call is still being set up.
class MediaLayoutWgt : public MoveWidget
{
    Q_OBJECT

public:
    explicit MediaLayoutWgt(QWidget* parent = nullptr);
    ~MediaLayoutWgt() override;

    // true: "In the call..." until the meeting clock starts; false starts it.
    void setCallingState(bool calling);
    // Asks the question of a pop-up type; a type without question shows nothing.
    void showConfirm(int type);

    QString confId() const { return m_confId; }
    QString groupId() const { return m_groupId; }
    bool isMiniMode() const { return m_miniMode; }
    bool isCameraOn() const { return m_cameraOn; }
    bool isMicOn() const { return m_micOn; }
    bool isAudioOn() const { return m_audioFlag; }
    QTimer* meetingTimer() const { return m_timer; }
    // The confirmation box, null until the first question.
    KpMsgBox* confirmationBox() const;
    KpMsgTip* messageTip() const { return m_msgTip; }
    ConfSmartVideoPlayMainWdg* videoArea() const;

signals:
    void sig_hideWindow();

public slots:
    void slot_accept(int type);
    void slot_reject(int type);
    void slot_confTimeout();
    void slot_min();
    void slot_max();
    void slot_close();
    void slot_onRejectCallClick();
    void slot_exitConference();
    void slot_leaveConference();
    void slot_onMicphoneClick();
    void slot_onCameraClick();
    void slot_onInviteClick();
    void slot_onVolumnClick();
    void slot_onControlSelfMicphone(bool errorMsg, bool on);
    void slot_onControlSelfAudio(QString errorMsg, bool on);
    void slot_onControlSelfCamera(QString errorMsg, bool on);
    void slot_onDismissConference(bool isSuccess, QString errorMsg, QString confId);
    void slot_onLeaveConference(bool isSuccess, QString errorMsg, QString confId);
    void slot_showMsgTip(QString sText, PopUpHandleType eType);
    void slot_showMaskBgWgt(void* pChildWgt, PopUpHandleType eType);
    void slot_hideMaskWgt(PopUpHandleType eType);
    void slot_activeHandleWgt(PopUpHandleType eType);
    void slot_onInviteConfNotify(QString member, int cause);
    void slot_onConfMsgMemberQuit(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_onConfMsgKickMember(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_onJoinConferenceNotify(ConferenceMemberInfo memberInfo, QString confId);
    void slot_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo> listMemberInfo);
    void slot_onUpdateMemberInfo(QList<ConferenceMemberInfo> memberList);
    void slot_onInviteMemberList(QList<ConferenceMemberInfo> listMemberInfo, bool started);
    void slot_memberUpdateHostState(QString oldHost, QString newHost);
    void slot_onLocalVideoScale(float scale);
    void slot_updateConferenceInfo(ConferenceBriefInfo info);
    void slot_startNineLayout(ConferenceBriefInfo info);

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void initConnect();
    void relayout();
    void placeVideoArea();
    void startMeetingClock();
    void centreMessageTip();
    void answer(int type, bool accepted);
    void onRemoveGroup(const QString& groupId);

    std::unique_ptr<Ui::MediaLayoutWgt> ui;
    KpMsgTip* m_msgTip = nullptr;
    QPointer<KpMsgBox> m_confirmBox;
    QTimer* m_timer = nullptr;
    qint64 m_startTime = 0;
    bool m_cameraOn = false;
    bool m_micOn = false;
    bool m_audioFlag = true;
    bool m_miniMode = false;
    // The user is out of the conference (left, dismissed, or the window closed):
    // closing leaves nothing more, member news binds no tile.
    bool m_conferenceEnded = false;
    int m_memberCount = 0;
    int m_layoutCount = -1; // the member count the engine's layout was applied for
    long m_oleResult = 0;
    QString m_confId;
    QString m_groupId;
};
