#pragma once

#include "business/ConferenceRecords.h"
#include "conference/ConferenceVideoList.h"

#include <QList>
#include <QObject>
#include <QString>

class ConfSmartVideoPlayMainWdg;
class ConferenceTitleBar;
class QTimer;

// Which members the conference window's video area shows, and how: the video
// list and the current speakers from the business signals, the desktop share
// and the main venue, the layout type the user chose, and polling ("round
// robin") through pages of members. Every change ends in a rebuild that hands
// the video area a layout code and an ordered list of items. The window's
// slots of these signals delegate here.
class ConferenceLayoutControl : public QObject
{
    Q_OBJECT

public:
    ConferenceLayoutControl(ConfSmartVideoPlayMainWdg* videoArea, ConferenceTitleBar* titleBar, QObject* parent);
    ~ConferenceLayoutControl() override;

    // The conference the window shows; reports naming another one are dropped.
    void setConfId(const QString& confId) { m_confId = confId; }

    void onConferenceParticipant(const QString& confId, const QList<Agent_ConferenceParticipantMemberInfo>& speakers);
    void onConferenceMemberInfoList(const QList<ConferenceMemberInfo>& members);
    void onInviteMemberList(const QList<ConferenceMemberInfo>& members);
    void onJoinConferenceNotify(const ConferenceMemberInfo& member, const QString& confId);
    void onMemberLeft(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void onUpdateMemberInfo(const ConferenceMemberInfo& member);
    void onUpdateMainConfLayout(const ConferenceMemberInfo& member);
    void onBeginShareDesktopNotify(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void onStopShareDesktopNotify(const QString& account);
    // This client's own share began.
    void beginLocalShare() { m_sharing = true; }
    void onStopShareDesktop() { m_sharerAccount.clear(); }

    void setScreenLayout(int type);
    void openPolling(const QString& seconds);
    void closePolling();
    // The layout of the whole video list.
    void rebuild();
    void clearVideoList() { m_videoList.clear(); }

    const ConferenceVideoList& videoList() const { return m_videoList; }
    const QList<Agent_ConferenceParticipantMemberInfo>& participants() const { return m_participants; }
    int currentLayoutType() const { return m_layoutType; }
    int previousLayoutType() const { return m_previousLayoutType; }
    bool isSharing() const { return m_sharing; }
    bool isPolling() const;
    QTimer* pollingTimer() const { return m_pollingTimer; }
    QString sharerAccount() const { return m_sharerAccount; }
    QString mainSpeakerAccount() const { return m_mainSpeakerAccount; }

signals:
    // A tip for the window to show.
    void sig_tip(const QString& text);
    // Polling started or stopped here (the polling panel shows it).
    void sig_pollingChanged(bool on);

private:
    void addMember(const ConferenceMemberInfo& member);
    void showNextPollingPage();
    void rebuildWith(const QList<ConferenceMemberInfo>& members);
    bool shareOrMainSpeakerActive() const { return m_sharing || m_mainSpeaker; }
    bool isOtherConference(const QString& confId) const;

    ConfSmartVideoPlayMainWdg* m_videoArea;
    ConferenceTitleBar* m_titleBar;
    QTimer* m_pollingTimer;
    QString m_confId;
    ConferenceVideoList m_videoList;
    QList<Agent_ConferenceParticipantMemberInfo> m_participants;
    int m_layoutType;
    int m_previousLayoutType;
    bool m_sharing = false;
    QString m_sharerAccount;
    ENUM_CONFMEMBER_DEVICETYPE m_sharerDeviceType = CONFMEMBER_DEVICE_PC;
    bool m_mainSpeaker = false;
    QString m_mainSpeakerAccount;
    int m_mainSpeakerDeviceType = 0;
};
