// Which members the conference window's video area shows: the roster, joins
// and quits, the share, the main venue, the layout choice and polling, all
// through the business signals.
#include "ConferenceTestSupport.h"

#include "business/UI_ControlView.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/ConferenceToolBar.h"

#include <QLabel>
#include <QSignalSpy>

using namespace ConferenceTest;

class tst_ConferenceRoster : public ConferenceSuite
{
    Q_OBJECT

    static QStringList videoList(const ConferenceMainUi& w)
    {
        QStringList keys;
        for (const ConferenceMemberInfo& m : w.layoutControl()->videoList().members())
            keys << m.key();
        return keys;
    }
    static void join(const ConferenceMemberInfo& m, const QString& confId = QStringLiteral("9001"))
    {
        conf()->upsertMember(m);
        emit conf()->sig_onJoinConferenceNotify(m, confId);
    }

private slots:
    void fullRosterIsAppendedOnceWithoutRaisedHands()
    {
        QList<ConferenceMemberInfo> list = roster(2);
        list[2].isHandUp = true;
        ConferenceMemberInfo away = member("away");
        away.isInConf = false;
        list << away << list.at(1) << member("m1", CONFMEMBER_DEVICE_MOBILE);
        auto w = enter(list);
        emit conf()->sig_onGetConferenceMemberInfoList(list); // the same roster again
        emit conf()->sig_onGetConferenceMemberInfoList({});
        QCOMPARE(videoList(*w), texts({ "me|20", "m1|20", "m2|20", "m1|2" }));
        QVERIFY(!w->layoutControl()->videoList().at(2).isHandUp);
        // Speaker layout: the host first, the user beside.
        QCOMPARE(tiles(*w).mid(0, 2), texts({ "m1", "me" }));
    }

    void arrivalsRebuildWhileTheTilesHoldEverybodyOrForAHost()
    {
        auto w = enter(roster(2)); // speaker layout: four tiles
        QVERIFY(rebuilds(*w, [] { join(member("m3")); }));
        QVERIFY(!rebuilds(*w, [] { join(member("m4")); }));
        QVERIFY(rebuilds(*w, [] { join(host(member("boss"))); }));
        QCOMPARE(tiles(*w).first(), QStringLiteral("m1")); // the first host found in the list
        // A join of another conference, and invitees not yet in, are no arrivals.
        ConferenceMemberInfo invited = member("late");
        invited.isInConf = false;
        join(member("other"), QStringLiteral("777"));
        emit conf()->sig_onInviteMemberList({ invited, member("m5") }, true);
        QCOMPARE(videoList(*w).mid(5), texts({ "boss|20", "m5|20" }));
    }

    void inPictureInPictureAShareHoldsTheLayoutUntilTwoMembers()
    {
        auto w = enter(roster(1));
        invoke(*w, "slot_setScreenLayout", 0);
        emit conf()->sig_onConfMsgMemberQuit(QStringLiteral("m1"), CONFMEMBER_DEVICE_PC);
        QCOMPARE(w->videoArea()->screenLayout(), 1); // one member fills the area
        emit conf()->sig_onBeginShareDesktopNotify(QStringLiteral("eve"), CONFMEMBER_DEVICE_PC);
        QVERIFY(rebuilds(*w, [] { join(member("eve")); }));
        QCOMPARE(w->videoArea()->screenLayout(), 2);
        QVERIFY(!rebuilds(*w, [] { join(member("carl")); }));
        QVERIFY(!rebuilds(*w, [] { join(host(member("boss"))); }));
    }

    void aQuittingMainSpeakerLeavesTheMainPicture()
    {
        auto w = enter(roster(3));
        ConferenceMemberInfo venue = conf()->roster().at(2);
        venue.isMainVenue = true;
        emit conf()->sig_updateMainConfLayout(venue);
        QCOMPARE(tiles(*w).first(), QStringLiteral("m2"));
        QVERIFY(rebuilds(*w, [] { emit conf()->sig_onConfMsgKickMember(QStringLiteral("m2"), CONFMEMBER_DEVICE_PC); }));
        QVERIFY(w->layoutControl()->mainSpeakerAccount().isEmpty());
        QVERIFY(!tiles(*w).contains(QStringLiteral("m2")));
        // Quits of members nobody knows change nothing.
        QVERIFY(
            !rebuilds(*w, [] { emit conf()->sig_onConfMsgMemberQuit(QStringLiteral("ghost"), CONFMEMBER_DEVICE_PC); }));
        QVERIFY(!rebuilds(*w, [] { emit conf()->sig_onConfMsgMemberQuit(QString(), CONFMEMBER_DEVICE_NONE); }));
        QCOMPARE(videoList(*w), texts({ "me|20", "m1|20", "m3|20" }));
    }

    void aRemoteShareTakesTheFirstTileUntilItEnds()
    {
        auto w = enter(roster(3));
        const QList<Agent_ConferenceParticipantMemberInfo> speakers { { QStringLiteral("m3"), 80, 20 } };
        emit conf()->sig_onConferenceParticipant(QStringLiteral("9001"), speakers);
        QCOMPARE(tiles(*w).first(), QStringLiteral("m3"));
        emit conf()->sig_onBeginShareDesktopNotify(QStringLiteral("m2"), CONFMEMBER_DEVICE_PC);
        QVERIFY(w->layoutControl()->isSharing());
        QCOMPARE(tiles(*w).mid(0, 3), texts({ "m2*", "me", "m2" }));
        // While the share shows, speaker reports only empty the speaker list.
        emit conf()->sig_onConferenceParticipant(QStringLiteral("9001"), speakers);
        QVERIFY(w->layoutControl()->participants().isEmpty());
        emit conf()->sig_onStopShareDesktopNotify(QStringLiteral("m2"));
        QVERIFY(!w->layoutControl()->isSharing());
        QVERIFY(!tiles(*w).contains(QStringLiteral("m2*")));
        // The user's own share from this client is not a remote one; reports of another conference are dropped.
        emit conf()->sig_onBeginShareDesktopNotify(QStringLiteral("me"), CONFMEMBER_DEVICE_PC);
        QVERIFY(!w->layoutControl()->isSharing());
        emit conf()->sig_onConferenceParticipant(QStringLiteral("777"), speakers);
        QVERIFY(w->layoutControl()->participants().isEmpty());
    }

    void theLayoutChoiceNeedsTwoMembers()
    {
        auto w = enter(roster(0));
        invoke(*w, "slot_setScreenLayout", 2);
        QCOMPARE(tipText(),
            QStringLiteral("When there are less than 2 participants in the meeting, display with full screen"));
        QCOMPARE(w->layoutControl()->currentLayoutType(), 1);
        QVERIFY(BusinessFixture::journal()->contains(
            QStringLiteral("UnifiedConferenceView"), QStringLiteral("startIgnoreSdkInfo")));

        join(member("m1"));
        invoke(*w, "slot_setScreenLayout", 2);
        QCOMPARE(w->layoutControl()->currentLayoutType(), 2);
        QCOMPARE(w->layoutControl()->previousLayoutType(), 1);
        QCOMPARE(w->videoArea()->screenLayout(), 4);
        QCOMPARE(TestWindows::child<QLabel>(w->titleBar(), "label_layout_mode_name")->text(),
            QStringLiteral("L-shaped layout mode"));
        invoke(*w, "slot_setScreenLayout", 9); // no such layout
        QCOMPARE(w->layoutControl()->currentLayoutType(), 2);
    }

    void pollingNeedsMoreMembersThanAPageAndShowsPagesFromTheSecond()
    {
        auto w = enter(roster(3)); // four members
        invoke(*w, "slot_setScreenLayout", 0);
        ConferenceLayoutControl* layout = w->layoutControl();
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        QVERIFY(QMetaObject::invokeMethod(w.get(), "slot_openPolling", Q_ARG(QString, QStringLiteral("10"))));
        QVERIFY(!layout->isPolling());
        QCOMPARE(tipsOf(tips),
            texts({ "When there are not enough participants, the round robin mode cannot be turned on! @4" }));
        closeTip();
        join(member("m4"));
        // An interval that is no number opens nothing.
        QVERIFY(QMetaObject::invokeMethod(w.get(), "slot_openPolling", Q_ARG(QString, QStringLiteral("x"))));
        QVERIFY(!layout->isPolling());

        QVERIFY(QMetaObject::invokeMethod(w.get(), "slot_openPolling", Q_ARG(QString, QStringLiteral("20"))));
        QCOMPARE(layout->currentLayoutType(), 1);
        QVERIFY(layout->isPolling());
        QCOMPARE(layout->pollingTimer()->interval(), 20000);
        // Entries 1 to 4, the host first and the user beside.
        QCOMPARE(tiles(*w), texts({ "m1", "me", "m2", "m3" }));
        join(member("m5"));
        join(member("m6"));
        BusinessFixture::fire(layout->pollingTimer());
        // The next page goes on from there and wraps: entries 5, 6, 0 and 1.
        QCOMPARE(tiles(*w), texts({ "m1", "me", "m5", "m6" }));

        // A layout change ends polling, with a tip.
        invoke(*w, "slot_setScreenLayout", 3);
        QVERIFY(!layout->isPolling());
        QCOMPARE(tipText(), QStringLiteral("When switching layouts, round robin will fail"));
    }

    void theUsersOwnMicrophoneReportsReachTheToolbar()
    {
        auto w = enter(roster(1));
        ConferenceMemberInfo me = conf()->roster().first();
        emit conf()->sig_updateMemberInfo(me, CONF_MEMBER_ACTION_MIC_OFF);
        QVERIFY(w->toolBar()->isMicrophoneMuted());
        emit conf()->sig_updateMemberInfo(conf()->roster().at(1), CONF_MEMBER_ACTION_MIC_ON); // somebody else
        QVERIFY(w->toolBar()->isMicrophoneMuted());
        me.isCameraOpen = false;
        emit conf()->sig_updateMemberInfo(me, CONF_MEMBER_ACTION_MIC_ON);
        QVERIFY(!w->toolBar()->isMicrophoneMuted());
        QVERIFY(!w->layoutControl()->videoList().at(0).isCameraOpen);
    }
};

QTEST_MAIN(tst_ConferenceRoster)
#include "tst_ConferenceRoster.moc"
