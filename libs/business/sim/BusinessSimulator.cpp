#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "business/sim/SampleData.h"
#include "business/sim/TestCardRenderer.h"
#include "util/KPLog.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

BusinessSimulator::BusinessSimulator(QObject* parent)
    : QObject(parent)
    , m_renderer(new TestCardRenderer(this))
{
    registerBusinessMetaTypes();
    registerConferenceHandlers();
    registerVidyoHandlers();
    registerCallAndDeviceHandlers();
    registerRenderHandlers();
    registerMemberHandlers();
    registerMeetingHandlers();
    registerVidyoMeetingHandlers();
    registerConferenceRunHandlers();
    connect(CommandJournal::instance(), &CommandJournal::sig_recorded, this, &BusinessSimulator::onRecorded);
}

BusinessSimulator::~BusinessSimulator() = default;

void BusinessSimulator::setTimeScale(double scale)
{
    m_timeScale = qMax(0.0, scale);
}

void BusinessSimulator::on(const QString& view, const QString& operation, Handler handler)
{
    m_handlers.insert(HandlerKey(view, operation), std::move(handler));
}

void BusinessSimulator::onRender(const QString& view, const QString& operation, Handler handler)
{
    m_renderHandlers.insert(HandlerKey(view, operation), std::move(handler));
}

void BusinessSimulator::onRecorded(const JournalEntry& entry)
{
    if (entry.isQuery)
        return;
    const HandlerKey key(entry.view, entry.operation);
    // The renderer plays the local media engine: it works even while the
    // server is told to stay silent.
    const auto render = m_renderHandlers.constFind(key);
    if (render != m_renderHandlers.cend())
        (*render)(entry.args);
    if (!m_answering)
        return;
    const auto answer = m_handlers.constFind(key);
    if (answer != m_handlers.cend())
        (*answer)(entry.args);
}

void BusinessSimulator::after(int ms, const std::function<void()>& fn)
{
    QTimer::singleShot(int(qRound(ms * m_timeScale)), this, fn);
}

void BusinessSimulator::render(const std::function<void()>& fn)
{
    QTimer::singleShot(0, this, fn);
}

QString BusinessSimulator::displayName(const QString& account) const
{
    // Straight from the state: the simulator's own look-ups stay out of the journal.
    auto* business = KP_BusinessView::instance();
    if (const auto p = business->getAddressBookView()->person(account))
        return p->displayName();
    if (const ConferenceMemberInfo* m = business->getUnifiedConferenceView()->member(account, CONFMEMBER_DEVICE_PC))
        return m->name;
    return account;
}

// --- sample data ---

QList<QSharedPointer<AddressBookPerson>> BusinessSimulator::populateSampleDirectory(int n)
{
    const auto company = SampleData::makeCompany(qMax(1, n));
    AddressBookView* book = KP_BusinessView::instance()->getAddressBookView();
    book->setDirectory(company);
    book->setCurrentUser(company.first());
    return company;
}

void BusinessSimulator::populateSampleDevices()
{
    VoipView::State& s = KP_BusinessView::instance()->getVoipView()->state();
    s.cameras = SampleData::sampleCameras();
    s.microphones = SampleData::sampleMicrophones();
    s.speakers = SampleData::sampleSpeakers();
    s.screens = { 0 };
    Agent_ECShareDeviceInfo editor;
    editor.windowId = 0x2a00001;
    editor.setTitle(QStringLiteral("Quarterly report - Editor"));
    Agent_ECShareDeviceInfo browser;
    browser.windowId = 0x2a00002;
    browser.setTitle(QStringLiteral("Project plan - Browser"));
    s.shareWindows = { editor, browser };
}

QList<ConferenceMemberInfo> BusinessSimulator::makeRoster(
    int n, const QString& hostAccount, const QString& mainVenueAccount) const
{
    auto* business = KP_BusinessView::instance();
    const UserInfoView::State& user = business->getUserInfoView()->state();
    const QString self = user.account.isEmpty() ? SampleData::currentUserAccount() : user.account;
    const QString selfName = user.account.isEmpty() ? SampleData::currentUserName() : user.name;
    return SampleData::makeRoster(
        n, self, selfName, business->getAddressBookView()->persons(), hostAccount, mainVenueAccount);
}

ConferenceBriefInfo BusinessSimulator::makeConferenceBrief(const QString& hostAccount, const QString& subject)
{
    ConferenceBriefInfo info;
    info.confId = QString::number(318204000 + m_nextId++);
    info.hostAccount = hostAccount;
    info.hostName = displayName(hostAccount);
    info.subject = subject.isEmpty() ? QStringLiteral("%1's meeting").arg(info.hostName) : subject;
    info.issues = QStringLiteral("{\"topics\":[{\"haveDone\":\"0\",\"topic\":\"Progress\"}]}");
    info.shareLink = QStringLiteral("https://meet.example.com/appdownload/join.html?confId=") + info.confId;
    info.startTime = QDateTime::currentSecsSinceEpoch() - 300;
    info.memberCount = kJoinRosterSize;
    info.confType = CONFERENCE_TYPE_UNIFIED;
    info.mediaType = CONF_MEDIA_VIDEO;
    return info;
}

// --- pushes ---

void BusinessSimulator::pushConferenceInvitation(const ConferenceBriefInfo& info, const QString& sender)
{
    UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
    m_invitations.insert(info.confId, info);
    conf->state().inviteConfId = info.confId;
    conf->state().inviteConfType = info.confType == CONFERENCE_TYPE_TRAINING ? 3 : 0;
    g_Log.LogInfo(
        QStringLiteral("BusinessSimulator::pushConferenceInvitation confId=%1 sender=%2").arg(info.confId, sender));
    emit conf->sig_onInviteNormalConference(info, sender);
}

ConferenceBriefInfo BusinessSimulator::pushConferenceInvitation(const QString& sender)
{
    const ConferenceBriefInfo info = makeConferenceBrief(sender);
    pushConferenceInvitation(info, sender);
    return info;
}

ConferenceBriefInfo BusinessSimulator::pushGroupConferenceInvitation(const QString& groupId, const QString& sender)
{
    auto* business = KP_BusinessView::instance();
    GroupMgrView* groups = business->getGroupMgrView();
    if (!groups->state().groups.contains(groupId)) {
        QList<Agent_GroupMember> members;
        members << Agent_GroupMember { sender, displayName(sender), 2 };
        const QString self = business->getUserInfoView()->state().account;
        if (!self.isEmpty() && self != sender)
            members << Agent_GroupMember { self, displayName(self), 0 };
        const auto persons = business->getAddressBookView()->persons();
        for (int i = 0; i < persons.size() && members.size() < 5; ++i) {
            const QString account = persons.at(i)->account();
            if (account != sender && account != self)
                members << Agent_GroupMember { account, persons.at(i)->displayName(), 0 };
        }
        groups->addGroup(QSharedPointer<AddressBookGroup>::create(groupId, QStringLiteral("Project group"), members));
    }
    ConferenceBriefInfo info = makeConferenceBrief(sender);
    info.confType = CONFERENCE_TYPE_GROUP;
    info.mediaType = CONF_MEDIA_AUDIO;
    info.extension = QString::fromUtf8(
        QJsonDocument(QJsonObject { { QStringLiteral("groupId"), groupId } }).toJson(QJsonDocument::Compact));
    groups->state().confGroups.insert(info.confId, groupId);
    pushConferenceInvitation(info, sender);
    return info;
}

VidyoJsonTransferData BusinessSimulator::pushVidyoInvitation(int kind, const QString& fromAccount)
{
    VidyoView* vidyo = KP_BusinessView::instance()->getVidyoView();
    VidyoJsonTransferData data;
    data.msgId = QStringLiteral("vidyo-msg-%1").arg(m_nextId++);
    data.msgType = QStringLiteral("invite");
    data.roomId = QStringLiteral("room-%1").arg(m_nextId++);
    data.callKind = QString::number(kind);
    data.roomKey = QStringLiteral("key-") + data.roomId;
    data.roomUrl = QStringLiteral("https://vidyo.example.com/join/") + data.roomKey;
    data.portal = QStringLiteral("vidyo.example.com");
    data.subject = kind == 1 ? QStringLiteral("Video meeting") : QStringLiteral("Video call");
    data.sendTime = QString::number(QDateTime::currentSecsSinceEpoch());
    data.toAccount = KP_BusinessView::instance()->getUserInfoView()->state().account;
    data.fromName = displayName(fromAccount);
    data.fromAccount = fromAccount;
    vidyo->state().vidyoingState = VidyoView::Vidyoing_Invited;
    emit vidyo->signal_VidyoCall(data);
    return data;
}

QString BusinessSimulator::pushMeetingInvitation(int type, const QString& caller, const QString& confId)
{
    MeetingView* meeting = KP_BusinessView::instance()->getMeetingView();
    MeetingView::State& s = meeting->state();
    s.meetingStatus = MeetingView::Meeting_Invited;
    s.inviteMeetingType = type;
    s.inviteMeetingCallid = QStringLiteral("meeting-call-%1").arg(m_nextId++);
    s.meetingId = confId;
    emit meeting->sig_onInviteMeetingCall(type, caller, confId);
    return s.inviteMeetingCallid;
}

void BusinessSimulator::pushConferenceError(const QString& text, int reason)
{
    emit KP_BusinessView::instance()->getUnifiedConferenceView()->sig_onOperatorConferenceError(text, reason);
}

void BusinessSimulator::pushInvitationCancelled(const QString& confId, const QString& result, int kind)
{
    UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
    m_invitations.remove(confId);
    if (conf->state().inviteConfId == confId) {
        conf->state().inviteConfId.clear();
        conf->state().inviteConfType = 0;
    }
    Agent_ConfNtyMsg msg;
    msg.confId = confId;
    msg.result = result;
    msg.kind = kind;
    emit conf->sig_onInviteNormalConferenceClose(msg);
}

void BusinessSimulator::placeVidyoCall(const QString& toAccount)
{
    m_pendingVidyoCallee = toAccount;
    emit KP_BusinessView::instance()->getVidyoView()->signal_getPlayerWidget(VidyoView::StartVidyo_Call);
}
