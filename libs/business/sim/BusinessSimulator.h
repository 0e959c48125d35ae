#pragma once

#include "business/AddressBookRecords.h"
#include "business/CallRecords.h"
#include "business/CommandJournal.h"
#include "business/ConferenceRecords.h"

#include <QHash>
#include <QObject>
#include <QPair>
#include <functional>

class TestCardRenderer;

// A fake server. Watches the command journal and answers the way the real
// business library would, after delays multiplied by the time scale; offers
// the server pushes that demo scenarios fire; plays the native renderer by
// putting test cards into the windows whose handles are handed over.
//
// Organised by area: SimConference.cpp (unified conference), SimVidyo.cpp
// (Vidyo), SimCallsAndDevices.cpp (calls, local devices, older meetings); the
// renderer is TestCardRenderer, the sample company and rosters SampleData.
class BusinessSimulator : public QObject
{
    Q_OBJECT
public:
    // How the other side answers a Vidyo call the user places.
    enum VidyoCallOutcome { VidyoAnswered, VidyoRefused, VidyoBusy, VidyoNoAnswer };
    // How the other side answers a one-to-one call the user places (MakeCall).
    enum CallOutcome { CallAnswered, CallDeclined, CallBusy, CallNotAnswered };

    // Delays of a placed call, before the time scale: proceeding, ringing, the answer
    // (an unanswered call gives up later), and of the answer to AcceptCall / ReleaseCall.
    static constexpr int kCallProceedingMs = 300;
    static constexpr int kCallAlertingMs = 800;
    static constexpr int kCallAnswerMs = 2500;
    static constexpr int kCallNoAnswerMs = 6000;
    static constexpr int kCallAcceptMs = 300;
    static constexpr int kCallReleaseMs = 100;

    explicit BusinessSimulator(QObject* parent = nullptr);
    ~BusinessSimulator() override;

    // Every delay is multiplied by the scale; 0 answers on the next event-loop turn.
    void setTimeScale(double scale);
    double timeScale() const { return m_timeScale; }
    // Off: operations get no answers (pushes and the renderer still work).
    void setAnswering(bool on) { m_answering = on; }

    // --- behaviour of the answers ---
    // Joins fail with this error text while it is not empty.
    void setJoinFailure(const QString& errorText) { m_joinFailure = errorText; }
    void setVidyoCallOutcome(VidyoCallOutcome outcome) { m_vidyoOutcome = outcome; }
    // Answered (200), declined (175603), busy (175486) or not answered (175408).
    void setCallOutcome(CallOutcome outcome);
    // Any business reason instead: 200 answers, any other ends the placed call
    // with event 2 and that reason.
    void setCallFailureReason(int reason) { m_callOutcomeReason = reason; }

    // --- sample data ---
    // A company of n persons into AddressBookView, the logged-in user first
    // (UserInfoView follows); returns it.
    QList<QSharedPointer<AddressBookPerson>> populateSampleDirectory(int n);
    // Cameras, microphones, speakers, screens and shareable windows into VoipView.
    void populateSampleDevices();
    // n members: self (the logged-in user, on this client), a host, a main
    // venue, others (see SampleData::makeRoster).
    QList<ConferenceMemberInfo> makeRoster(
        int n, const QString& hostAccount = QString(), const QString& mainVenueAccount = QString()) const;
    // A conference summary with a fresh id, hosted by the account.
    ConferenceBriefInfo makeConferenceBrief(const QString& hostAccount, const QString& subject = QString());

    // --- server pushes (emitted at once) ---
    void pushConferenceInvitation(const ConferenceBriefInfo& info, const QString& sender);
    ConferenceBriefInfo pushConferenceInvitation(const QString& sender);
    // Invitation to the group conference of an IM group (created when unknown).
    ConferenceBriefInfo pushGroupConferenceInvitation(const QString& groupId, const QString& sender);
    // kind 0 a video call, 1 a video meeting.
    VidyoJsonTransferData pushVidyoInvitation(int kind, const QString& fromAccount);
    // type 1 voice, 2 video; returns the invitation's call id.
    QString pushMeetingInvitation(int type, const QString& caller, const QString& confId);
    void pushConferenceError(const QString& text, int reason);
    void pushInvitationCancelled(const QString& confId, const QString& result = QString(), int kind = 0);
    // The user starts a Vidyo call from the client: the meeting window is asked
    // for, and once it hands over its player the callee answers by the outcome.
    void placeVidyoCall(const QString& toAccount);
    // An incoming one-to-one call, type 0 voice or 1 video, from the account.
    Agent_VoIPComingInfo pushIncomingCall(int type, const QString& fromAccount);
    // The other side hangs up the call in progress, rung or answered (event 4,
    // reason 200). False when no call is in progress.
    bool pushRemoteHangUp();
    // The one-to-one call in progress as its last event carried it; an empty
    // call id when there is none.
    Agent_VoIPCallMsg currentCall() const { return m_callActive ? m_call : Agent_VoIPCallMsg(); }

    // --- the member roster (SimMembers.cpp) ---
    // A roster of n members for lists of any size (10 to 10,000 and more): makeRoster's
    // self, host, main venue, telephone participants and absent members, and besides the
    // user's own mobile, every 25th other member present from a second device (mobile).
    QList<ConferenceMemberInfo> makeMemberRoster(int n, const QString& hostAccount = QString()) const;
    // The roster becomes the conference's and is pushed as the full member list.
    QList<ConferenceMemberInfo> pushRoster(int n, const QString& hostAccount = QString());
    void pushRoster(const QList<ConferenceMemberInfo>& members);
    // A member joins (in the conference from now on) or quits / is kicked.
    void pushMemberJoin(ConferenceMemberInfo member);
    bool pushMemberQuit(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool kicked = false);
    bool pushHandUp(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool up);
    // The members of the account become host, everybody else not; the changed records are pushed.
    bool pushHostChange(const QString& account);
    // One media flag of a member by the action of sig_updateMemberInfo (ConfMemberAction).
    bool pushMediaChange(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, ConfMemberAction action);
    void pushSpeakers(const QList<Agent_ConferenceParticipantMemberInfo>& speakers);
    // Up to count members in the conference with the microphone open, spread over the roster.
    QList<Agent_ConferenceParticipantMemberInfo> pickSpeakers(int count) const;

    // --- group voice conference and older meetings (SimMeetings.cpp) ---
    // The user calls the voice conference of an IM group of n people (2 to 12, the
    // user included; the group is made from the directory): the grid opens while
    // the others are rung. Returns the conference id.
    QString startGroupVoiceConference(int members, const QString& groupId = QStringLiteral("g-voice"));
    // The next rung member of the group conference picks up; false when all are in.
    bool pushGroupMemberAnswer();
    // The user is in an older meeting (MEETING_TYPE_VOICE or MEETING_TYPE_VIDEO),
    // as its master or not, with n people from the directory, the user included:
    // the window opens and the roster arrives, everybody sending a picture.
    void enterMeeting(int meetingType, bool master, int members);
    // One more person of the directory joins; false when nobody is left to come.
    bool pushMeetingMemberJoin();
    // A member's microphone as the meeting reports it; false for an account not in it.
    bool pushMeetingMemberMute(const QString& account, bool muted);
    // The member leaves the meeting (kicked by the master); false when not in it.
    bool pushMeetingMemberKicked(const QString& account);
    // The master ended the meeting: its window closes.
    void pushMeetingDismissed();
    QList<Agent_MeetingMemberInfo> meetingMembers() const { return m_meetingMembers; }

    // --- the Vidyo meeting (SimVidyoMeeting.cpp) ---
    // Attendees of the running meeting: join (from the directory, or made up), leave, be muted or
    // not. Leave and mute are false for somebody not in the meeting.
    void pushAttendeeJoin(const QString& account);
    bool pushAttendeeLeave(const QString& account);
    bool pushAttendeeMuted(const QString& account, bool muted);
    // The other side hangs up the Vidyo call; the host ends the meeting.
    void pushVidyoHangUp(const QString& account);
    void pushVidyoMeetingEnded();
    // Another participant starts or stops sharing the screen.
    void pushRemoteShare(bool on);
    // A dial-in meeting window that asks for the password; "#" after it is accepted.
    void pushPasswordPrompt(const QString& password);
    // --- a whole conference (SimConferenceRun.cpp) ---
    // The user is in a running conference of n members from now on, as after a
    // join; hostAccount hosts it (the user's own account makes the user host).
    ConferenceBriefInfo pushConferenceJoined(int members, const QString& hostAccount = QString());
    // The member becomes the main venue; an empty account ends the main venue.
    bool pushMainVenue(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    // A member's desktop share begins or ends.
    bool pushConferenceShare(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on);
    void pushRecording(bool on);
    // The media engine's figures; the statistics the module asks for carry them from now on.
    void pushNetworkReport(int rttMs, double sendLoss, double recvLoss);
    // The members of the account become host, and the conference detail follows.
    bool pushHostHandOver(const QString& account);
    // The end draws near: the reminder (the host may extend) and the closing countdown.
    void pushEndCountdown();
    // The host ends the conference for everybody.
    void pushDismissal();

    TestCardRenderer* renderer() const { return m_renderer; }

signals:
    // An operation got its answer (emitted after the answer's signals).
    void sig_handled(const QString& operation);

private:
    using Handler = std::function<void(const QVariantList& args)>;
    // Server answers (silenced by setAnswering(false)) and renderer work.
    void on(const QString& view, const QString& operation, Handler handler);
    void onRender(const QString& view, const QString& operation, Handler handler);
    void onRecorded(const JournalEntry& entry);
    // Runs fn after ms (scaled); bound to this object.
    void after(int ms, const std::function<void()>& fn);
    // Renderer work waits for the next event-loop turn, in order, unscaled.
    void render(const std::function<void()>& fn);
    void handled(const QString& operation) { emit sig_handled(operation); }
    QString displayName(const QString& account) const;

    void registerConferenceHandlers();
    void registerVidyoHandlers();
    void registerCallAndDeviceHandlers();
    void registerRenderHandlers();
    void registerMemberHandlers();
    void registerMeetingHandlers();
    void registerVidyoMeetingHandlers();

    // Vidyo meeting area: the room counts, the SDK connects and reports its microphone.
    void vidyoConnected();
    QSharedPointer<AddressBookPerson> attendee(const QString& account) const;
    void registerConferenceRunHandlers();

    // One-to-one calls.
    void registerCallHandlers();
    void startOutgoingCall(int callType, const QString& account);
    // Emits the current call's event; ends the call for events 2 and 4.
    void emitCallEvent(int reason, int eventCode);
    // Runs fn after ms (scaled) unless the current call changed or ended meanwhile.
    void afterInCall(int ms, const std::function<void()>& fn);
    // Puts the peer's name on the remote test card of a one-to-one call.
    void labelRemoteCard();

    // Conference area.
    void answerJoin(const QString& confId, int confType);
    void answerCreate(const QString& subject, const QStringList& accounts, const QString& groupId, int type, int media);
    void enterConference(
        const ConferenceBriefInfo& brief, const QList<ConferenceMemberInfo>& roster, bool calling, int media);
    void endConference(const QString& confId, bool dismissed);

    // Member area.
    void answerInvitation(const QStringList& accounts, bool telephone);
    void answerAllMembers(bool microphone, bool on);

    // Older meetings.
    void addMeetingMember(const QString& account, bool master);
    // The next person of the directory not yet in the meeting; false when none is left.
    bool addNextMeetingMember();
    void pushMeetingRoster();
    void meetingAccepted();

    using HandlerKey = QPair<QString, QString>; // view, operation
    QHash<HandlerKey, Handler> m_handlers;
    QHash<HandlerKey, Handler> m_renderHandlers;
    QHash<QString, ConferenceBriefInfo> m_invitations; // conf id -> pending invitation
    TestCardRenderer* m_renderer;
    double m_timeScale = 1.0;
    bool m_answering = true;
    QString m_joinFailure;
    static constexpr int kJoinRosterSize = 6; // members a join brings, self included
    VidyoCallOutcome m_vidyoOutcome = VidyoAnswered;
    QString m_pendingVidyoCallee; // outgoing Vidyo call waiting for the player window
    QString m_vidyoPassword; // the dial-in's password while it is asked for
    int m_callOutcomeReason = BusinessReason::Success;
    Agent_VoIPCallMsg m_call; // the one-to-one call in progress
    bool m_callActive = false;
    bool m_callIncoming = false;
    int m_callSerial = 0; // bumped whenever the call changes, so stale answers drop
    int m_nextId = 1;
    int m_meetingType = 0; // of the older meeting the user is in; 0 when none
    QList<Agent_MeetingMemberInfo> m_meetingMembers;
    CS_StatReports m_network; // what the statistics answers report
};
