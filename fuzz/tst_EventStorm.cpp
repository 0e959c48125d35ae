// The business-event storm: every signal of every business view, with
// plausible and hostile arguments, in random order, interleaved with random
// clicks, fired timers and deferred deletions, across every window the module
// has. Under the sanitizers nothing may crash, leak or touch freed memory.
// One facade lives through the whole storm, as in a client that stays open
// all day. After every step the module's rules are checked and the run stops
// at the first broken one: at most one shown window of each kind the facade
// owns, the call-status marks agreeing with the call windows, no window left
// shown for a call or conference that has ended, every command well formed;
// every 1,000 steps the same census counts the windows still alive, and once
// the facade is destroyed none of the module's windows is left.
//
// Each step is written as an event of the business recording format
// (BusinessRecorder) to a step file, KP_STORM_OUT or kp-storm-SEED.json in
// the temporary folder, kept when the run fails: KP_STORM_REPLAY=file plays
// those steps again exactly. KP_STORM_SEED and KP_STORM_STEPS choose a run;
// KP_STORM_RESTARTS=1 restarts the facade at 1 % of the steps. The time per
// step of the first and the last tenth is printed (it must not grow with the
// length of the run), and the figures: steps, signals, clicks, timers,
// windows opened, commands issued. scripts/storm runs long storms.

#include "business/BusinessRecorder.h"
#include "call/BottomTipWidget.h"
#include "call/VideoCall.h"
#include "call/VoiceCall.h"
#include "call/VoipCallIncoming.h"
#include "customui/KpMsgBox.h"
#include "facade/KP_MediaConfUI.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QJsonDocument>
#include <QMetaMethod>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

namespace {

class Storm
{
public:
    explicit Storm(quint32 seed)
        : m_rng(seed)
    { }

    template<class T> const T& pick(const QList<T>& list) { return list.at(int(m_rng.bounded(quint32(list.size())))); }
    int pickInt() { return pick(m_ints); }
    QString pickText() { return pick(m_texts); }
    bool coin() { return m_rng.bounded(2u) == 1; }
    quint32 bounded(quint32 n) { return m_rng.bounded(n); }

    // Fills the storage of one argument of the given type; false when unknown.
    bool fill(int typeId, QVariant& out)
    {
        if (typeId == QMetaType::Int) {
            out = pickInt();
        } else if (typeId == QMetaType::UInt) {
            out = uint(coin() ? 0 : 255);
        } else if (typeId == QMetaType::Bool) {
            out = coin();
        } else if (typeId == QMetaType::Float) {
            out = pick(QList<float> { 0.0f, 0.5f, 1.333f, 1.777f, -1.0f, 1e9f });
        } else if (typeId == QMetaType::Double) {
            out = pick(QList<double> { 0.0, 0.5, 1.5, -3.0 });
        } else if (typeId == QMetaType::LongLong) {
            out = qlonglong(pickInt());
        } else if (typeId == QMetaType::QString) {
            out = pickText();
        } else if (typeId == QMetaType::QStringList) {
            out = QStringList { pickText(), pickText() };
        } else if (typeId == qMetaTypeId<Agent_VoIPCallMsg>()) {
            Agent_VoIPCallMsg m;
            m.eventCode = pick(QList<int> { 0, 1, 2, 3, 4, 5, -1 });
            m.callType = pick(QList<int> { 0, 1, 2, 3, 6, 7, 99 });
            m.callId = pickText();
            m.callerAccount = pickText();
            m.calleeAccount = pickText();
            out = QVariant::fromValue(m);
        } else if (typeId == qMetaTypeId<Agent_VoIPComingInfo>()) {
            Agent_VoIPComingInfo c;
            c.callType = pick(QList<int> { 0, 1, 5 });
            c.callId = pickText();
            c.callerAccount = pickText();
            out = QVariant::fromValue(c);
        } else if (typeId == qMetaTypeId<VidyoJsonTransferData>()) {
            VidyoJsonTransferData d;
            d.callKind = pick(QList<QString> { QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("x") });
            d.fromAccount = pickText();
            out = QVariant::fromValue(d);
        } else if (typeId == qMetaTypeId<ConferenceBriefInfo>()) {
            ConferenceBriefInfo b;
            b.confId = pickText();
            b.subject = pickText();
            b.hostAccount = pickText();
            b.extension = pick(QList<QString> { QString(), QStringLiteral("{\"groupId\":\"g-1\"}"),
                QStringLiteral("{broken"), QStringLiteral("groupId") });
            b.memberCount = pickInt();
            out = QVariant::fromValue(b);
        } else if (typeId == qMetaTypeId<Agent_ConfNtyMsg>()) {
            Agent_ConfNtyMsg n;
            n.confId = pickText();
            n.result = pick(QList<QString> { QString(), QStringLiteral("107781"), QStringLiteral("1") });
            n.kind = pick(QList<int> { 0, 20, 3 });
            out = QVariant::fromValue(n);
        } else if (typeId == qMetaTypeId<QSharedPointer<AddressBookPerson>>()) {
            out = QVariant::fromValue(
                coin() ? BusinessFixture::makePerson(pickText(), pickText()) : QSharedPointer<AddressBookPerson>());
        } else if (typeId == qMetaTypeId<ConferenceMemberInfo>()) {
            out = QVariant::fromValue(member());
        } else if (typeId == qMetaTypeId<QList<ConferenceMemberInfo>>()) {
            QList<ConferenceMemberInfo> list;
            for (int i = int(bounded(6)); i > 0; --i)
                list.append(member());
            out = QVariant::fromValue(list);
        } else if (typeId == qMetaTypeId<QList<Agent_GroupMember>>()) {
            Agent_GroupMember g;
            g.account = pickText();
            out = QVariant::fromValue(QList<Agent_GroupMember> { g });
        } else if (typeId == qMetaTypeId<ENUM_CONFERENCE_TYPE>()) {
            out = QVariant::fromValue(ENUM_CONFERENCE_TYPE(pick(QList<int> { 0, 1, 3, 5, 6, 42 })));
        } else if (typeId == qMetaTypeId<ENUM_CONFERENCE_MEDIA_TYPE>()) {
            out = QVariant::fromValue(ENUM_CONFERENCE_MEDIA_TYPE(pick(QList<int> { 0, 1, 2, 9 })));
        } else if (typeId == qMetaTypeId<PopUpHandleType>()) {
            out = QVariant::fromValue(PopUpHandleType(pick(QList<int> { 0, 2, 4, 7 })));
        } else {
            // Any other registered type: its default value.
            if (!QMetaType::isRegistered(typeId))
                return false;
            out = QVariant(typeId, nullptr);
            return out.isValid();
        }
        return true;
    }

private:
    ConferenceMemberInfo member()
    {
        ConferenceMemberInfo m;
        m.account = pickText();
        m.name = pickText();
        m.deviceType = ENUM_CONFMEMBER_DEVICETYPE(pick(QList<int> { -1, 1, 2, 10, 20, 21, 22, 77 }));
        m.isCameraOpen = coin();
        m.isMicOpen = coin();
        m.isHost = coin();
        m.isInConf = coin();
        return m;
    }

    QRandomGenerator m_rng;
    const QList<int> m_ints { 0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 20, 85, 200, 311, 175408, 175603, 814011, -1,
        2147483647 };
    const QList<QString> m_texts { QString(), QStringLiteral("me"), QStringLiteral("bob"), QStringLiteral("c-1"),
        QStringLiteral("call-1"), QStringLiteral("g-1"), QStringLiteral("{\"a\":"), QStringLiteral("%1%2|20"),
        QString(300, QLatin1Char('x')) };
};

// The most windows of each kind alive at once: one of each kind the facade
// owns (the message box and the media-busy box are both KpMsgBox; the member
// selection window and the conference picker both SectionStaffWindow), the
// process-wide notification, and the windows a call window opens for itself:
// one settings dialog each, one close confirmation for the video call.
// `counted` are the windows checked (all alive, or the shown ones); the
// windows that may open others are counted in `alive`.
QString excessWindows(const QMap<QString, int>& counted, const QMap<QString, int>& alive)
{
    const int callWindows = alive.value(QStringLiteral("VoiceCall")) + alive.value(QStringLiteral("VideoCall"));
    // The meeting windows ask their own leave question; the voice grid has its own confirmation box.
    const int closeQuestions = alive.value(QStringLiteral("VideoCall"))
        + alive.value(QStringLiteral("VoiceMeetingWidget")) + alive.value(QStringLiteral("VideoMeetingWidget"));
    const int gridBoxes = alive.value(QStringLiteral("MediaLayoutWgt"));
    const int vidyoWindows = alive.value(QStringLiteral("VidyoWidget"));
    const QMap<QString, int> limits { { QStringLiteral("VoiceCall"), 1 }, { QStringLiteral("VideoCall"), 1 },
        { QStringLiteral("VoipCallIncoming"), 1 }, { QStringLiteral("MessageNotice"), 1 },
        { QStringLiteral("KpMsgBox"), 2 + 2 * vidyoWindows + gridBoxes }, { QStringLiteral("SectionStaffWindow"), 2 },
        { QStringLiteral("GroupConfMsgBox"), 1 }, { QStringLiteral("MessageTipWidget"), 1 },
        { QStringLiteral("BottomTipWidget"), 1 }, { QStringLiteral("MoreMenuChild"), callWindows },
        { QStringLiteral("CloseMediaWidgetTip"), closeQuestions }, { QStringLiteral("MediaLayoutWgt"), 1 },
        { QStringLiteral("VoiceMeetingWidget"), 1 }, { QStringLiteral("VideoMeetingWidget"), 1 },
        // The Vidyo meeting window, its keypad, and its close question and sharing notice (KpMsgBox).
        { QStringLiteral("VidyoWidget"), 1 }, { QStringLiteral("PasswordKeypad"), vidyoWindows },
        // The conference window, its title bar's network card, the row menus of its member lists
        // (one per list), and the tip every conference window shares.
        { QStringLiteral("ConferenceMainUi"), 1 },
        { QStringLiteral("NetworkWidget"), alive.value(QStringLiteral("ConferenceMainUi")) },
        { QStringLiteral("QMenu"), 3 * alive.value(QStringLiteral("ConferenceMainUi")) },
        { QStringLiteral("KpMsgTip"), 1 },
        // The launch manager (a widget never shown) and its loading window.
        { QStringLiteral("SmartConferenceLaunchMgr"), 1 }, { QStringLiteral("SmartConferenceLoadingWnd"), 1 },
        // The conference window's dial pad and share bar, both without parent.
        { QStringLiteral("PPC_QuickInvite"), alive.value(QStringLiteral("ConferenceMainUi")) },
        { QStringLiteral("ShareScreenControl"), 1 } };
    QStringList excess;
    for (auto it = counted.cbegin(); it != counted.cend(); ++it) {
        if (it.value() > limits.value(it.key(), 0))
            excess << QStringLiteral("%1 x%2").arg(it.key()).arg(it.value());
    }
    return excess.join(QLatin1String(", "));
}

// Every top-level widget by class: all of them, or the visible ones only.
QMap<QString, int> windowsByKind(bool visibleOnly)
{
    QMap<QString, int> count;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->parentWidget() && top->windowType() != Qt::Desktop && (!visibleOnly || top->isVisible()))
            ++count[QString::fromLatin1(top->metaObject()->className())];
    }
    return count;
}

// Every top-level window alive once the deferred deletions have run.
QMap<QString, int> windowsAfterDeletions()
{
    // Twice: a window deleted later may close, and so delete later, one of its own.
    for (int pass = 0; pass < 2; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return windowsByKind(false);
}

struct Emitter
{
    QString view;
    QObject* sender;
    QMetaMethod signal;
};

QList<Emitter> businessSignals()
{
    QList<QPair<QString, QObject*>> senders = BusinessRecorder::views();
    senders.append({ QStringLiteral("BottomTipWidget"), BottomTipWidget::instance() });
    QList<Emitter> result;
    for (const auto& sender : senders) {
        const QMetaObject* mo = sender.second->metaObject();
        for (int i = QObject::staticMetaObject.methodCount(); i < mo->methodCount(); ++i) {
            const QMetaMethod m = mo->method(i);
            if (m.methodType() == QMetaMethod::Signal && m.access() == QMetaMethod::Public)
                result.append({ sender.first, sender.second, m });
        }
    }
    return result;
}

QObject* senderNamed(const QString& view)
{
    return view == QLatin1String("BottomTipWidget") ? BottomTipWidget::instance() : BusinessRecorder::view(view);
}

// A random emission as an event of the recording format; false when an
// argument type has neither a generator nor a JSON form.
bool randomEmission(Storm& storm, const Emitter& e, BusinessEvent* event)
{
    event->view = e.view;
    event->signal = QString::fromLatin1(e.signal.methodSignature());
    for (int i = 0; i < e.signal.parameterCount(); ++i) {
        const int type = BusinessArgs::argumentType(e.signal, i);
        QVariant value;
        QJsonValue json;
        if (!storm.fill(type, value) || !BusinessArgs::toJson(type, value.constData(), &json))
            return false;
        event->args.append(json);
    }
    return true;
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> list;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowType() != Qt::Desktop)
            list.append(w);
    }
    // By kind, so that a step names its window the same way in a replay.
    std::stable_sort(list.begin(), list.end(),
        [](QWidget* a, QWidget* b) { return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0; });
    return list;
}

// A storm action on a window is recorded by the window's kind and rank among
// the visible windows of that kind, and the child's index and name.
QJsonArray windowTarget(const QList<QWidget*>& windows, QWidget* window, int index, const QString& name)
{
    int rank = 0;
    for (QWidget* w : windows) {
        if (w == window)
            break;
        if (w->metaObject() == window->metaObject())
            ++rank;
    }
    return { QString::fromLatin1(window->metaObject()->className()), rank, index, name };
}

// A random child (button, timer) of the window as a storm step; false when it has none.
template<class T>
bool pickTarget(Storm& storm, const QList<QWidget*>& windows, QWidget* window, const QList<T*>& children,
    const QString& step, BusinessEvent* event)
{
    if (children.isEmpty())
        return false;
    const int index = int(storm.bounded(quint32(children.size())));
    event->signal = step;
    event->args = windowTarget(windows, window, index, children.at(index)->objectName());
    return true;
}

QWidget* findWindow(const QJsonArray& target)
{
    int rank = target.at(1).toInt();
    for (QWidget* w : visibleWindows()) {
        if (QString::fromLatin1(w->metaObject()->className()) == target.at(0).toString() && rank-- == 0)
            return w;
    }
    return nullptr;
}

QList<QAbstractButton*> clickableButtons(QWidget* window)
{
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->isVisible() && b->isEnabled())
            buttons.append(b);
    }
    return buttons;
}

QList<QTimer*> activeTimers(QWidget* window)
{
    QList<QTimer*> timers;
    for (QTimer* t : window->findChildren<QTimer*>()) {
        if (t->isActive())
            timers.append(t);
    }
    return timers;
}

// The child a recorded click or timer names, or null when the replay has drifted.
template<class T> T* recordedChild(const QList<T*>& children, const QJsonArray& target)
{
    const int index = target.at(2).toInt(-1);
    T* child = children.value(index);
    return child && child->objectName() == target.at(3).toString() ? child : nullptr;
}

// Windows a business event has just ended, which must be gone once the event
// loop has had its turn: an ended call's windows, a closed conference's or
// meeting's window.
QString endedWindowShown(const BusinessEvent& e)
{
    QStringList kinds;
    QString callId;
    if (e.view == QLatin1String("VoipView") && e.signal.startsWith(QLatin1String("sig_CallEvents("))) {
        const QJsonObject msg = e.args.at(1).toObject();
        const int code = msg.value(QLatin1String("eventCode")).toInt();
        const int type = msg.value(QLatin1String("callType")).toInt();
        callId = msg.value(QLatin1String("callId")).toString();
        // Proceeding (0), alerting (1) and answered (3) keep the call; every other event ends it.
        if (callId.isEmpty() || code == 0 || code == 1 || code == 3)
            return QString();
        const bool voice = type == 0 || type == 2;
        const bool video = type == 1 || type == 6 || type == 7;
        if (voice)
            kinds << QStringLiteral("VoiceCall");
        if (video)
            kinds << QStringLiteral("VideoCall");
        // A release (4), not an end with a reason (2), also stops the ringing of the same call.
        if ((voice || video) && code != 2)
            kinds << QStringLiteral("VoipCallIncoming");
    } else if (e.signal == QLatin1String("sig_closeVideoCallWnd()")) {
        kinds << QStringLiteral("VideoCall");
    } else if (e.signal == QLatin1String("sig_closeConferenceMainWidget()")) {
        kinds << QStringLiteral("ConferenceMainUi") << QStringLiteral("MediaLayoutWgt");
    } else if (e.signal == QLatin1String("sig_closeVoiceMeeting()")) {
        kinds << QStringLiteral("VoiceMeetingWidget");
    } else if (e.signal == QLatin1String("sig_closeVideoMeeting()")) {
        kinds << QStringLiteral("VideoMeetingWidget");
    }
    if (kinds.isEmpty())
        return QString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : visibleWindows()) {
        const QString kind = QString::fromLatin1(w->metaObject()->className());
        if (!kinds.contains(kind))
            continue;
        QString boundTo;
        if (auto* voice = qobject_cast<VoiceCall*>(w))
            boundTo = voice->getCallInfo().callId;
        else if (auto* video = qobject_cast<VideoCall*>(w))
            boundTo = video->getCallInfo().callId;
        else if (auto* incoming = qobject_cast<VoipCallIncoming*>(w))
            boundTo = incoming->getComingInfo().callId;
        if (callId.isEmpty() || boundTo == callId)
            return QStringLiteral("%1 still shown after %2").arg(kind, e.signal);
    }
    return QString();
}

// The call-status marks of VoipView against the call windows: 2 a voice call
// window, 4 a video call window, 8 an incoming call ringing. A mark needs its
// window alive, and a shown window needs its mark (a window closed and waiting
// for deletion may have given its mark back already).
QString callMarksBroken(const QMap<QString, int>& alive, const QMap<QString, int>& shown)
{
    const int status = KP_BusinessView::instance()->getVoipView()->GetVoipCallStatus();
    const QList<QPair<int, QString>> marks { { 2, QStringLiteral("VoiceCall") }, { 4, QStringLiteral("VideoCall") },
        { 8, QStringLiteral("VoipCallIncoming") } };
    for (const auto& mark : marks) {
        const bool marked = status & mark.first;
        if ((marked && alive.value(mark.second) == 0) || (!marked && shown.value(mark.second) > 0))
            return QStringLiteral("call status %1 with %2 %3 window(s) alive, %4 shown")
                .arg(status)
                .arg(alive.value(mark.second))
                .arg(mark.second)
                .arg(shown.value(mark.second));
    }
    return QString();
}

bool isIdentifier(const QString& text)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return identifier.match(text).hasMatch();
}

// What the storm counts, and the first broken rule of the journal.
struct Figures
{
    int steps = 0;
    int emitted = 0;
    int skipped = 0;
    int clicked = 0;
    int fired = 0;
    int windowsOpened = 0;
    int commands = 0;
    QString badCommand;
};

class WindowCounter : public QObject
{
public:
    explicit WindowCounter(int& opened)
        : m_opened(opened)
    { }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            ++m_opened;
        return false;
    }

private:
    int& m_opened;
};
} // namespace

class tst_EventStorm : public QObject
{
    Q_OBJECT

private slots:
    void stormDoesNotBreakTheModule();

private:
    QString runStep(Storm& storm, int step, BusinessEvent* event);
    QString replayStep(const BusinessEvent& event);
    QString brokenInvariant(const BusinessEvent& event);

    QList<Emitter> m_emitters;
    std::unique_ptr<KP_MediaConfUI> m_facade;
    bool m_restarts = false;
    Figures m_figures;
};

// One random step: it is carried out and described as an event; an empty
// event view means the step did nothing (no window to act on).
QString tst_EventStorm::runStep(Storm& storm, int step, BusinessEvent* event)
{
    event->t = step;
    const quint32 action = storm.bounded(100);
    if (action < 60) {
        if (!randomEmission(storm, storm.pick(m_emitters), event)) {
            *event = BusinessEvent();
            return QString();
        }
        return replayStep(*event);
    }
    event->view = QStringLiteral("storm");
    if (action < 95) {
        const QList<QWidget*> windows = visibleWindows();
        QWidget* window = windows.isEmpty() ? nullptr : storm.pick(windows);
        const bool picked = action < 85
            ? pickTarget(storm, windows, window, window ? clickableButtons(window) : QList<QAbstractButton*>(),
                QStringLiteral("click"), event)
            : pickTarget(storm, windows, window, window ? activeTimers(window) : QList<QTimer*>(),
                QStringLiteral("timer"), event);
        if (!picked) {
            *event = BusinessEvent();
            return QString();
        }
    } else {
        event->signal = action < 99 || !m_restarts ? QStringLiteral("flush") : QStringLiteral("restart");
    }
    return replayStep(*event);
}

// Carries out one step as recorded; a recorded step the module cannot take
// any more (a replay that drifted) is an error.
QString tst_EventStorm::replayStep(const BusinessEvent& event)
{
    if (event.view != QLatin1String("storm")) {
        QString error;
        if (!BusinessRecorder::emitOn(senderNamed(event.view), event, &error)) {
            ++m_figures.skipped;
            return QString();
        }
        ++m_figures.emitted;
        return QString();
    }
    if (event.signal == QLatin1String("flush")) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    } else if (event.signal == QLatin1String("restart")) {
        m_facade = std::make_unique<KP_MediaConfUI>();
    } else if (event.signal == QLatin1String("click") || event.signal == QLatin1String("timer")) {
        QWidget* window = findWindow(event.args);
        if (event.signal == QLatin1String("click")) {
            QAbstractButton* button = window ? recordedChild(clickableButtons(window), event.args) : nullptr;
            if (!button)
                return QStringLiteral("replay drifted: no button %1")
                    .arg(QString::fromUtf8(QJsonDocument(event.args).toJson(QJsonDocument::Compact)));
            button->click();
            ++m_figures.clicked;
        } else {
            QTimer* timer = window ? recordedChild(activeTimers(window), event.args) : nullptr;
            if (!timer)
                return QStringLiteral("replay drifted: no timer %1")
                    .arg(QString::fromUtf8(QJsonDocument(event.args).toJson(QJsonDocument::Compact)));
            QMetaObject::invokeMethod(timer, "timeout");
            ++m_figures.fired;
        }
    } else {
        return QStringLiteral("unknown storm step ") + event.signal;
    }
    return QString();
}

// The rules every step must keep; the first broken one, or empty. The shown
// windows are judged once the event loop has run the deferred deletions (the
// storm's flush steps): until then a window the facade has let go of may
// still be on screen, as it would be until the client's loop turns.
QString tst_EventStorm::brokenInvariant(const BusinessEvent& event)
{
    if (!m_figures.badCommand.isEmpty())
        return m_figures.badCommand;
    const QString ended = endedWindowShown(event);
    if (!ended.isEmpty())
        return ended;
    const QMap<QString, int> alive = windowsByKind(false);
    const bool settled = event.view == QLatin1String("storm") && event.signal == QLatin1String("flush");
    const QMap<QString, int> shown = settled ? windowsByKind(true) : QMap<QString, int>();
    const QString excess = excessWindows(shown, alive);
    if (!excess.isEmpty())
        return QStringLiteral("too many windows shown: ") + excess;
    return callMarksBroken(alive, shown);
}

void tst_EventStorm::stormDoesNotBreakTheModule()
{
    BusinessFixture::reset();
    BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
    BusinessFixture::business()->getAddressBookView()->addPerson(
        BusinessFixture::makePerson(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("139")));
    // The journal's history is not needed here; keep it small.
    BusinessFixture::journal()->setCapacity(2000);

    // A replay plays a recorded run's steps; otherwise the seed makes them.
    const QString replayPath = qEnvironmentVariable("KP_STORM_REPLAY");
    QList<BusinessEvent> replay;
    QJsonObject replayHeader;
    if (!replayPath.isEmpty()) {
        QString error;
        QVERIFY2(BusinessEventFile::read(replayPath, &replayHeader, &replay, &error), qPrintable(error));
    }
    const quint32 seed = !replayPath.isEmpty()       ? quint32(replayHeader.value(QLatin1String("seed")).toDouble())
        : qEnvironmentVariableIsSet("KP_STORM_SEED") ? quint32(qEnvironmentVariableIntValue("KP_STORM_SEED"))
                                                     : 20261205u;
    const int steps = !replayPath.isEmpty()           ? (replay.isEmpty() ? 0 : int(replay.last().t) + 1)
        : qEnvironmentVariableIsSet("KP_STORM_STEPS") ? qEnvironmentVariableIntValue("KP_STORM_STEPS")
                                                      : 3000;
    m_restarts = qEnvironmentVariableIntValue("KP_STORM_RESTARTS") == 1;
    std::fprintf(stderr, "storm: seed %u, %d steps%s\n", seed, steps,
        replayPath.isEmpty() ? "" : qPrintable(QStringLiteral(", replaying ") + replayPath));
    Storm storm(seed);

    // Every step goes to the step file as it is taken, so that a failure, or
    // a crash, leaves a file that replays the run (KP_STORM_REPLAY=file).
    BusinessEventFile stepFile;
    const QString stepPath = qEnvironmentVariableIsSet("KP_STORM_OUT")
        ? qEnvironmentVariable("KP_STORM_OUT")
        : QDir::temp().filePath(QStringLiteral("kp-storm-%1.json").arg(seed));
    if (replayPath.isEmpty()) {
        QString error;
        QVERIFY2(stepFile.open(stepPath,
                     QJsonObject { { QStringLiteral("program"), QStringLiteral("storm") },
                         { QStringLiteral("seed"), double(seed) } },
                     &error),
            qPrintable(error));
    }

    // Modal waits (a dialog, or the media-busy box in a local event loop) are
    // answered from here, as a user would, so the storm never stalls. Only
    // inside such a wait: elsewhere the timer's moment would make the run
    // depend on the clock, and a seed would no longer replay it.
    QTimer unblock;
    unblock.setInterval(5);
    connect(&unblock, &QTimer::timeout, this, [] {
        if (QThread::currentThread()->loopLevel() == 0)
            return;
        for (QWidget* w : visibleWindows()) {
            if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
            else if (auto* box = qobject_cast<KpMsgBox*>(w))
                box->slot_onCancel();
        }
    });
    unblock.start();

    m_figures = Figures();
    WindowCounter counter(m_figures.windowsOpened);
    qApp->installEventFilter(&counter);
    // Every command the module issues must be well formed.
    connect(BusinessFixture::journal(), &CommandJournal::sig_recorded, this, [this](const JournalEntry& entry) {
        if (entry.isQuery)
            return;
        ++m_figures.commands;
        bool argsValid = true;
        for (const QVariant& arg : entry.args)
            argsValid = argsValid && arg.isValid();
        if (m_figures.badCommand.isEmpty()
            && (!isIdentifier(entry.view) || !isIdentifier(entry.operation) || !argsValid))
            m_figures.badCommand = QStringLiteral("malformed command \"%1\" \"%2\" with %3 argument(s)")
                                       .arg(entry.view, entry.operation)
                                       .arg(entry.args.size());
    });

    m_facade = std::make_unique<KP_MediaConfUI>();
    m_emitters = businessSignals();
    QVERIFY(m_emitters.size() > 100);
    // Processor time, not wall time: the figures stay comparable on a busy machine.
    const int tenth = qMax(1, steps / 10);
    std::clock_t firstTenthEnd = 0;
    std::clock_t lastTenthStart = 0;
    const std::clock_t start = std::clock();
    int replayed = 0;
    QString failure;
    for (int step = 0; step < steps && failure.isEmpty(); ++step) {
        if (step == tenth)
            firstTenthEnd = std::clock();
        if (step == steps - tenth)
            lastTenthStart = std::clock();
        if (step % 1000 == 999) {
            const QMap<QString, int> alive = windowsAfterDeletions();
            const QString excess = excessWindows(alive, alive);
            if (!excess.isEmpty())
                failure = QStringLiteral("too many windows alive: ") + excess;
        }
        BusinessEvent event;
        if (replayPath.isEmpty()) {
            failure = runStep(storm, step, &event);
            if (!event.view.isEmpty())
                stepFile.append(event);
        } else if (replayed < replay.size() && replay.at(replayed).t == step) {
            event = replay.at(replayed++);
            failure = replayStep(event);
        }
        if (failure.isEmpty())
            failure = brokenInvariant(event);
        if (!failure.isEmpty())
            failure = QStringLiteral("step %1: %2").arg(step).arg(failure);
        m_figures.steps = step + 1;
    }
    const std::clock_t end = std::clock();
    stepFile.close();
    const auto msPerStep
        = [tenth](std::clock_t from, std::clock_t to) { return double(to - from) * 1000 / CLOCKS_PER_SEC / tenth; };
    // Straight to stderr: QtTest stops printing messages after its 2,000th.
    if (failure.isEmpty())
        std::fprintf(stderr,
            "storm: %d steps, time per step %.3f ms in the first tenth, %.3f ms in the last tenth, %.3f ms overall\n",
            steps, msPerStep(start, firstTenthEnd), msPerStep(lastTenthStart, end), msPerStep(start, end) / 10);
    m_facade.reset();
    qApp->removeEventFilter(&counter);
    const QStringList left = TestWindows::leftoverWindows({ BottomTipWidget::instance() });
    if (failure.isEmpty() && !left.isEmpty())
        failure = QStringLiteral("left after the facade: ") + left.join(QLatin1String(", "));
    std::fprintf(stderr,
        "storm: figures: steps %d, signals emitted %d (skipped %d), buttons clicked %d, timers fired %d, windows "
        "opened "
        "%d, commands issued %d\n",
        m_figures.steps, m_figures.emitted, m_figures.skipped, m_figures.clicked, m_figures.fired,
        m_figures.windowsOpened, m_figures.commands);
    if (!failure.isEmpty() && replayPath.isEmpty())
        std::fprintf(stderr, "storm: replay this failure with KP_STORM_REPLAY=%s\n", qPrintable(stepPath));
    else if (replayPath.isEmpty() && !qEnvironmentVariableIsSet("KP_STORM_OUT"))
        QFile::remove(stepPath);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(replayPath.isEmpty() || m_figures.emitted > 0);
    QVERIFY(!replayPath.isEmpty() || m_figures.emitted > steps / 3);
}

// Long runs outlast QtTest's five-minute watchdog; the run's own length bounds it.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "604800000");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_EventStorm test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_EventStorm.moc"
