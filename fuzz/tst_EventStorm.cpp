// The business-event storm: every signal of every business view, with
// plausible and hostile arguments, in random order, interleaved with random
// clicks, fired timers and deferred deletions. Under the sanitizers nothing
// may crash, leak or touch freed memory. One facade lives through the whole
// storm, as in a client that stays open all day: every 1,000 steps a census of
// the top-level windows finds at most one window of each kind, and once the
// facade is destroyed none of the module's windows is left. The time per step
// of the first and the last tenth of the run is printed; it must not grow with
// the length of the run. The seed is printed so that a failure can be replayed
// (KP_STORM_SEED, KP_STORM_STEPS; KP_STORM_RESTARTS=1 restarts the facade at
// 1 % of the steps).

#include "call/BottomTipWidget.h"
#include "customui/KpMsgBox.h"
#include "facade/KP_MediaConfUI.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMetaMethod>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <ctime>
#include <functional>

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

struct Emitter
{
    QObject* sender;
    QMetaMethod signal;
};

QList<Emitter> businessSignals()
{
    KP_BusinessView* root = KP_BusinessView::instance();
    const QList<QObject*> senders { root->getUnifiedConferenceView(), root->getVoipView(), root->getVidyoView(),
        root->getMeetingView(), root->getAddressBookView(), root->getUserInfoView(), root->getGroupMgrView(),
        root->getWhiteBoardView(), root->getMultimediaMgrView(), root->getLoginView(), root->getMsgCtrl(),
        root->getMsgCtrlCb(), BottomTipWidget::instance() };
    QList<Emitter> result;
    for (QObject* sender : senders) {
        const QMetaObject* mo = sender->metaObject();
        for (int i = QObject::staticMetaObject.methodCount(); i < mo->methodCount(); ++i) {
            const QMetaMethod m = mo->method(i);
            if (m.methodType() == QMetaMethod::Signal && m.access() == QMetaMethod::Public)
                result.append({ sender, m });
        }
    }
    return result;
}

bool emitRandomly(Storm& storm, const Emitter& e)
{
    QVariant values[10];
    QGenericArgument args[10];
    const int count = e.signal.parameterCount();
    if (count > 10)
        return false;
    const QList<QByteArray> names = e.signal.parameterTypes();
    for (int i = 0; i < count; ++i) {
        if (!storm.fill(e.signal.parameterType(i), values[i]))
            return false;
        args[i] = QGenericArgument(names.at(i).constData(), values[i].data());
    }
    return e.signal.invoke(e.sender, Qt::DirectConnection, args[0], args[1], args[2], args[3], args[4], args[5],
        args[6], args[7], args[8], args[9]);
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> list;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowType() != Qt::Desktop)
            list.append(w);
    }
    return list;
}

// The most windows of each kind alive at once: one of each kind the facade
// owns (the message box and the media-busy box are both KpMsgBox; the member
// selection window and the conference picker both SectionStaffWindow), the
// process-wide notification, and the windows a call window opens for itself:
// one settings dialog each, one close confirmation for the video call.
QString windowCensus()
{
    // Twice: a window deleted later may close, and so delete later, one of its own.
    for (int pass = 0; pass < 2; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QMap<QString, int> alive;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->parentWidget() && top->windowType() != Qt::Desktop)
            ++alive[QString::fromLatin1(top->metaObject()->className())];
    }
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
        { QStringLiteral("KpMsgTip"), 1 } };
    QStringList excess;
    for (auto it = alive.cbegin(); it != alive.cend(); ++it) {
        if (it.value() > limits.value(it.key(), 0))
            excess << QStringLiteral("%1 x%2").arg(it.key()).arg(it.value());
    }
    return excess.join(QLatin1String(", "));
}
} // namespace

class tst_EventStorm : public QObject
{
    Q_OBJECT

private slots:
    void stormDoesNotBreakTheModule();
};

void tst_EventStorm::stormDoesNotBreakTheModule()
{
    BusinessFixture::reset();
    BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
    BusinessFixture::business()->getAddressBookView()->addPerson(
        BusinessFixture::makePerson(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("139")));
    // The journal's history is not needed here; keep it small.
    BusinessFixture::journal()->setCapacity(2000);

    const quint32 seed = qEnvironmentVariableIsSet("KP_STORM_SEED")
        ? quint32(qEnvironmentVariableIntValue("KP_STORM_SEED"))
        : 20261205u;
    const int steps
        = qEnvironmentVariableIsSet("KP_STORM_STEPS") ? qEnvironmentVariableIntValue("KP_STORM_STEPS") : 3000;
    std::fprintf(stderr, "storm: seed %u, %d steps\n", seed, steps);
    Storm storm(seed);

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

    const bool restarts = qEnvironmentVariableIntValue("KP_STORM_RESTARTS") == 1;
    auto facade = std::make_unique<KP_MediaConfUI>();
    const QList<Emitter> emitters = businessSignals();
    QVERIFY(emitters.size() > 100);
    int emitted = 0;
    int clicked = 0;
    int fired = 0;
    // Processor time, not wall time: the figures stay comparable on a busy machine.
    const int tenth = qMax(1, steps / 10);
    std::clock_t firstTenthEnd = 0;
    std::clock_t lastTenthStart = 0;
    const std::clock_t start = std::clock();
    for (int step = 0; step < steps; ++step) {
        if (step == tenth)
            firstTenthEnd = std::clock();
        if (step == steps - tenth)
            lastTenthStart = std::clock();
        if (step % 1000 == 999) {
            const QString excess = windowCensus();
            QVERIFY2(excess.isEmpty(), qPrintable(QStringLiteral("step %1: %2").arg(step + 1).arg(excess)));
        }
        const quint32 action = storm.bounded(100);
        if (action < 60) {
            emitted += emitRandomly(storm, storm.pick(emitters)) ? 1 : 0;
        } else if (action < 85) {
            const QList<QWidget*> windows = visibleWindows();
            if (!windows.isEmpty()) {
                QList<QAbstractButton*> buttons;
                for (QAbstractButton* b : storm.pick(windows)->findChildren<QAbstractButton*>()) {
                    if (b->isVisible() && b->isEnabled())
                        buttons.append(b);
                }
                if (!buttons.isEmpty()) {
                    storm.pick(buttons)->click();
                    ++clicked;
                }
            }
        } else if (action < 95) {
            const QList<QWidget*> windows = visibleWindows();
            if (!windows.isEmpty()) {
                QList<QTimer*> timers;
                for (QTimer* t : storm.pick(windows)->findChildren<QTimer*>()) {
                    if (t->isActive())
                        timers.append(t);
                }
                if (!timers.isEmpty()) {
                    QMetaObject::invokeMethod(storm.pick(timers), "timeout");
                    ++fired;
                }
            }
        } else if (action < 99 || !restarts) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        } else {
            facade = std::make_unique<KP_MediaConfUI>();
        }
    }
    const std::clock_t end = std::clock();
    const auto msPerStep
        = [tenth](std::clock_t from, std::clock_t to) { return double(to - from) * 1000 / CLOCKS_PER_SEC / tenth; };
    // Straight to stderr: QtTest stops printing messages after its 2,000th.
    std::fprintf(stderr,
        "storm: %d steps, time per step %.3f ms in the first tenth, %.3f ms in the last tenth, %.3f ms overall\n",
        steps, msPerStep(start, firstTenthEnd), msPerStep(lastTenthStart, end), msPerStep(start, end) / 10);
    facade.reset();
    const QStringList left = TestWindows::leftoverWindows({ BottomTipWidget::instance() });
    QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("left after the facade: ") + left.join(QLatin1String(", "))));
    std::fprintf(stderr, "storm: emitted %d signals, clicked %d buttons, fired %d timers\n", emitted, clicked, fired);
    QVERIFY(emitted > steps / 3);
}

QTEST_MAIN(tst_EventStorm)
#include "tst_EventStorm.moc"
