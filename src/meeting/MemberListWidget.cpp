#include "meeting/MemberListWidget.h"

#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "meeting/VideoMemberItem.h"
#include "meeting/VoiceMemberItem.h"

MemberListWidget::MemberListWidget(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MeetingView* meeting = KP_BusinessView::instance()->getMeetingView();
    connect(meeting, &MeetingView::sig_getVoiceMeetingMembers, this, &MemberListWidget::slot_getVoiceMeetingMembers);
    connect(meeting, &MeetingView::sig_getVideoMeetingMembers, this, &MemberListWidget::slot_getVideoMeetingMembers);
    connect(meeting, &MeetingView::sig_updateVideoMemberMuteStatus, this,
        &MemberListWidget::slot_updateVideoMemberMuteStatus);
}

MemberListWidget::~MemberListWidget() = default;

template<class Row>
void MemberListWidget::rebuild(
    const QList<Agent_MeetingMemberInfo>& members, QHash<QString, QPointer<MeetingMemberItem>>& rows)
{
    rows.clear();
    clear();
    for (const Agent_MeetingMemberInfo& member : members) {
        auto* row = new Row;
        row->setMemberInfo(member);
        auto* item = new QListWidgetItem(this);
        item->setFlags(Qt::NoItemFlags);
        item->setSizeHint(QSize(0, row->height()));
        setItemWidget(item, row);
        // A second record of one account (a server repeating itself) takes the row over.
        rows.insert(member.account, row);
    }
}

void MemberListWidget::slot_getVoiceMeetingMembers(QList<Agent_MeetingMemberInfo> memberInfoList)
{
    rebuild<VoiceMemberItem>(memberInfoList, m_voiceRows);
}

void MemberListWidget::slot_getVideoMeetingMembers(QList<Agent_MeetingMemberInfo> memberInfoList)
{
    for (int i = 0; i < memberInfoList.size(); ++i)
        AreaLog::meeting().LogDebug(QStringLiteral("MemberListWidget::slot_getVideoMeetingMembers %1 %2")
                                        .arg(i)
                                        .arg(memberInfoList.at(i).account));
    rebuild<VideoMemberItem>(memberInfoList, m_videoRows);
}

void MemberListWidget::slot_updateVideoMemberMuteStatus(QString member, QString forbid)
{
    MeetingMemberItem* row = videoRow(member);
    if (!row) {
        AreaLog::meeting().LogDebug(
            QStringLiteral("MemberListWidget::slot_updateVideoMemberMuteStatus no row of %1").arg(member));
        return;
    }
    row->setMuteStatus(forbid);
}

MeetingMemberItem* MemberListWidget::voiceRow(const QString& account) const
{
    return m_voiceRows.value(account);
}

MeetingMemberItem* MemberListWidget::videoRow(const QString& account) const
{
    return m_videoRows.value(account);
}
