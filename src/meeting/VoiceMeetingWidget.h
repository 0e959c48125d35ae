#pragma once

#include "meeting/MeetingWindow.h"

#include <QRect>

#include <memory>

class MemberListWidget;
namespace Ui {
class VoiceMeetingWidget;
}

// The older voice meeting's window: the meeting number, its clock, invite,
// leave and dismiss, the user's own microphone and the member list. All state
// comes from MeetingView; the facade creates it and deletes it when MeetingView
// closes the meeting.
class VoiceMeetingWidget : public MeetingWindow
{
    Q_OBJECT

public:
    explicit VoiceMeetingWidget(QWidget* parent = nullptr);
    ~VoiceMeetingWidget() override;

    int memberCount() const { return m_memberCount; }
    MemberListWidget* memberList() const;

public slots:
    void slot_close();
    void slot_btn_max_clicked();
    void slot_btn_maxed_clicked();
    void slot_inviteJoinVoiceMeeting();
    void slot_setSelfMute();
    void slot_showVoiceMeetingId(QString id);
    void slot_showVoiceMeetingMembersNum(int number);
    void slot_showMeetingTime();
    void slot_raiseVoiceMeetingWidget();

protected:
    void askToLeave() override { slot_close(); }

private:
    std::unique_ptr<Ui::VoiceMeetingWidget> ui;
    int m_memberCount = 0;
    QRect m_normalGeometry;
};
