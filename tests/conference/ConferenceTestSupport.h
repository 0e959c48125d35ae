#pragma once

#include "business/KP_BusinessView.h"
#include "conference/ConferenceLayoutControl.h"
#include "conference/ConferenceMainUi.h"
#include "customui/KpMsgTip.h"
#include "policy/ConferenceLayoutPolicy.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"
#include "video/ConfSmartBaseVideoPlayWgt.h"
#include "video/ConfSmartVideoPlayMainWdg.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

// The set-up of the conference suites: screen scale 1, fresh views with "me"
// logged in, the polling rotation at its start, and no window left behind
// (the tip every conference window shares is closed, as it would close itself).
class ConferenceSuite : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qputenv("KP_SCREEN_SCALE", "1"); // the form's own sizes
        ConferenceLayoutPolicy::setPollingIndex(0);
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me"));
    }
    void cleanup();
};

namespace ConferenceTest {

// The shared tip goes, as it does by itself once its time is up.
inline void closeTip()
{
    if (KpMsgTip* tip = ConferenceMainUi::messageTip())
        tip->close();
    BusinessFixture::flushDeletes();
}

inline constexpr auto conf = &BusinessFixture::conf;

inline ConferenceMemberInfo member(const char* account, ENUM_CONFMEMBER_DEVICETYPE device = CONFMEMBER_DEVICE_PC)
{
    return BusinessFixture::makeMember(QString::fromUtf8(account), device);
}

inline ConferenceMemberInfo host(ConferenceMemberInfo m)
{
    m.isHost = true;
    return m;
}

// "me" and n others ("m1" ...), the first of them host unless the user is.
inline QList<ConferenceMemberInfo> roster(int others, bool userIsHost = false)
{
    QList<ConferenceMemberInfo> list { member("me") };
    for (int i = 1; i <= others; ++i)
        list << member(QStringLiteral("m%1").arg(i).toUtf8().constData());
    list[userIsHost ? 0 : qMin(1, others)].isHost = true;
    return list;
}

inline ConferenceBriefInfo brief(const QString& confId, qint64 startTime = QDateTime::currentSecsSinceEpoch() - 60)
{
    ConferenceBriefInfo info;
    info.confId = confId;
    info.subject = QStringLiteral("Plan");
    info.startTime = startTime;
    return info;
}

// A shown window in conference "9001" with the roster as the server has it, the journal emptied.
inline std::unique_ptr<ConferenceMainUi> enter(const QList<ConferenceMemberInfo>& members)
{
    auto window = std::make_unique<ConferenceMainUi>(nullptr);
    window->show();
    conf()->state().currentConfId = QStringLiteral("9001");
    conf()->setRoster(members);
    emit conf()->sig_updateConferenceInfo(brief(QStringLiteral("9001")));
    emit conf()->sig_onGetConferenceMemberInfoList(members);
    BusinessFixture::journal()->clear();
    return window;
}

// Accounts in the tiles the video area shows, in tile order ("*" marks a share).
inline QStringList tiles(const ConferenceMainUi& window)
{
    QStringList shown;
    ConfSmartVideoPlayMainWdg* area = window.videoArea();
    for (int i = 0; i < area->tileCount(); ++i) {
        const ConfSmartBaseVideoPlayWgt* tile = area->tile(i);
        if (tile && tile->isBound())
            shown << tile->memberInfo().account + (tile->isShare() ? QStringLiteral("*") : QString());
    }
    return shown;
}

// Whether the event rebuilt the layout: every rebuild hands the video area its
// layout code, so a code that no layout uses is replaced.
template<typename Event> bool rebuilds(const ConferenceMainUi& window, Event event)
{
    window.videoArea()->setScreenLayout(0);
    event();
    return window.videoArea()->screenLayout() != 0;
}

// The commands of the journal but the video area's stream requests (binding
// tiles): their names, or each with its arguments ("setConferenceLockState(2)").
inline QStringList commands(bool withArguments = false)
{
    QStringList all = withArguments ? BusinessFixture::journalCalls() : BusinessFixture::journalCommands();
    all.erase(std::remove_if(all.begin(), all.end(),
                  [](const QString& call) {
                      const QString op = call.section(QLatin1Char('('), 0, 0);
                      return op.endsWith(QLatin1String("MemberVideo")) || op.endsWith(QLatin1String("ShareView"))
                          || op == QLatin1String("resetSelfVideoView");
                  }),
        all.end());
    return all;
}
inline const auto calls = [] { return commands(true); };
inline constexpr auto texts = &BusinessFixture::texts;

// The argument at `index` of each emission a spy caught, as text.
inline QStringList signalArgs(const QSignalSpy& spy, int index = 0)
{
    QStringList args;
    for (const QList<QVariant>& emission : spy)
        args << emission.value(index).toString();
    return args;
}

// What a spy on UI_ControlView::sig_showMsgTip caught, each tip as "text @handle".
inline QStringList tipsOf(const QSignalSpy& spy)
{
    QStringList shown;
    for (const QList<QVariant>& tip : spy)
        shown << tip.at(0).toString() + QStringLiteral(" @%1").arg(int(tip.at(1).value<PopUpHandleType>()));
    return shown;
}

// The text the window's tip shows; empty when none is on screen.
inline QString tipText()
{
    KpMsgTip* tip = ConferenceMainUi::messageTip();
    return tip && tip->getTimerIsActive() ? tip->currentText() : QString();
}

inline void invoke(ConferenceMainUi& window, const char* slot, int value)
{
    QVERIFY(QMetaObject::invokeMethod(&window, slot, Q_ARG(int, value)));
}

} // namespace ConferenceTest

inline void ConferenceSuite::cleanup()
{
    ConferenceTest::closeTip();
    KP_VERIFY_NO_WINDOW_LEFT();
}
