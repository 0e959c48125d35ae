#pragma once

#include "business/CallRecords.h"

#include <QHash>
#include <QListWidget>
#include <QPointer>

class MeetingMemberItem;

// The member list of the voice and the video meeting windows: one row per
// member of the latest list MeetingView sent, voice rows for a voice meeting,
// video rows for a video meeting.
class MemberListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit MemberListWidget(QWidget* parent = nullptr);
    ~MemberListWidget() override;

    // The row of an account, null when the current list has none.
    MeetingMemberItem* voiceRow(const QString& account) const;
    MeetingMemberItem* videoRow(const QString& account) const;

public slots:
    void slot_getVoiceMeetingMembers(QList<Agent_MeetingMemberInfo> memberInfoList);
    void slot_getVideoMeetingMembers(QList<Agent_MeetingMemberInfo> memberInfoList);
    // The mute status ("11", "10", ...) of a video meeting member changed.
    void slot_updateVideoMemberMuteStatus(QString member, QString forbid);

private:
    template<class Row>
    void rebuild(const QList<Agent_MeetingMemberInfo>& members, QHash<QString, QPointer<MeetingMemberItem>>& rows);

    QHash<QString, QPointer<MeetingMemberItem>> m_voiceRows;
    QHash<QString, QPointer<MeetingMemberItem>> m_videoRows;
};
