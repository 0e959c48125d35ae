#pragma once

#include "business/ConferenceRecords.h"

#include <QDialog>
#include <QHash>
#include <QMap>
#include <QRect>
#include <QStringList>

#include <memory>

namespace Ui {
class ConfMembersControlWidget;
}

class ConfMembersControlListView;
class QPushButton;

// The attendee page of the conference: joined members and members not yet
// enrolled in two tabs, a search over both, the invite and member-control
// buttons. Kept current by the business view's member signals; reports its
// counts with sig_onConferenceCountChange.
class ConfMembersControlWidget : public QDialog
{
    Q_OBJECT
public:
    explicit ConfMembersControlWidget(QWidget* parent = nullptr);
    ~ConfMembersControlWidget() override;

    // The conference whose host changes and speaker reports are taken.
    void setConfId(QString confId);
    QString confId() const { return m_confId; }
    // Shows the member-control button to a host.
    void setIsHost(bool isHost);
    bool isHost() const { return m_isHost; }
    // Account -> display name of every known member not in the conference.
    QMap<QString, QString> notEnrolledMembers() const;
    // Accounts of every known member in the conference (sorted).
    QStringList joinedAccounts() const;

    int joinedCount() const { return m_joinedCount; }
    int notEnrolledCount() const { return m_notEnrolledCount; }
    ConfMembersControlListView* joinedList() const;
    ConfMembersControlListView* notEnrolledList() const;
    ConfMembersControlListView* searchList() const;

signals:
    void sig_invite_clicked(QRect rect);
    void sig_member_control_clicked(QRect rect);
    void sig_onConferenceCountChange(int inConf, int willin, int AllCount);

public slots:
    void slot_onGetConferenceMemberInfoList(QList<ConferenceMemberInfo> members);
    void slot_onInviteMemberList(QList<ConferenceMemberInfo> members, bool started);
    void slot_onJoinConferenceNotify(ConferenceMemberInfo memberInfo, QString confId);
    void slot_onConfMsgMemberQuit(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_onConfMsgKickMember(QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_updateMemberInfo(ConferenceMemberInfo memberInfo, int action);
    void slot_updateMainConfMemberControlWidget(ConferenceMemberInfo memberInfo);
    void slot_onHandUp(
        bool isSuccess, QString errorMsg, bool on, QString account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void slot_onUpdateMemberInfo(QString memberId, ENUM_CONFMEMBER_DEVICETYPE deviceType, QString userName);
    void slot_onHostChanged(QList<ConferenceMemberInfo> infos, QString id);
    void slot_onConferenceParticipant(QString confId, QList<Agent_ConferenceParticipantMemberInfo> speakers);
    void slot_updateAllMicphonesButtonState(bool on);
    void slot_updateAllCameraButtonState(bool on);

    void slot_updateHasInCount(int nCount);
    void slot_updateWillInCount(int nCount);

private slots:
    void on_btn_closeAllMicphones_clicked();
    void on_btn_openAllMicphones_clicked();
    void on_btn_closeAllCameras_clicked();
    void on_btn_openAllCameras_clicked();
    void slot_btnClicked();
    void slot_searchTextChanged(const QString& text);

private:
    void removeMember(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void emitCounts();

    std::unique_ptr<Ui::ConfMembersControlWidget> ui;
    QPushButton* m_searchBtn;
    QPushButton* m_clearBtn;
    int m_joinedCount = 0;
    int m_notEnrolledCount = 0;
    bool m_isHost = false;
    QString m_confId;
    // Every member known, by account alone (the last record of an account on two devices).
    QHash<QString, ConferenceMemberInfo> m_members;
};
