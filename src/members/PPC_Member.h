#pragma once

#include "business/ConferenceRecords.h"

#include <QWidget>

#include <memory>

namespace Ui {
class PPC_Member;
}

class ConferenceMembersListView;

// The older member panel, shown as a pop-up page: the member count, a joined
// ("Has In") and an expected ("Will In") list, and for a host the buttons that
// mute and unmute everybody. Kept current by the business view's member
// signals, like the member list but without search, host changes or speakers.
class PPC_Member : public QWidget
{
    Q_OBJECT
public:
    // The capacity shown as the count label's second number.
    static constexpr int kCapacity = 16;

    explicit PPC_Member(QWidget* parent = nullptr);
    ~PPC_Member() override;

    void setIsHost(bool isHost);
    ConferenceMembersListView* joinedList() const;
    ConferenceMembersListView* expectedList() const;

signals:
    void sig_closePopupWgt();

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
    void slot_updateAllMicphonesButtonState(bool on);
    void slot_updateAllCameraButtonState(bool on);

    void slot_updateHasInCount(int nCount);
    void slot_updateWillInCount(int nCount);

private slots:
    void on_YesBtn_clicked();
    void on_NoBtn_clicked();

private:
    void showCount();

    std::unique_ptr<Ui::PPC_Member> ui;
    int m_joinedCount = 0;
    int m_expectedCount = 0;
    bool m_isHost = false;
};
