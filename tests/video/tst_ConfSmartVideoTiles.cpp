#include "support/BusinessFixture.h"
#include "video/ConfSmartBaseVideoPlayWgt.h"
#include "video/ConfSmartVideoPlay9Wgt.h"
#include "video/ConfSmartVideoPlayPipWdg.h"
#include "video/ConfSmartVideoPlaySmallInfoWdg.h"
#include "video/ConfSmartVideoPlaySmallWdg.h"

#include "customui/KP_UI_UTIL.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

namespace {

UnifiedConferenceView* conf()
{
    return BusinessFixture::business()->getUnifiedConferenceView();
}
struct Shorthands
{
    static CommandJournal* journal() { return BusinessFixture::journal(); }
    static int count(const char* op) { return journal()->count(QLatin1String(op)); }
    static QStringList commands() { return journal()->commandOperations(); }
    template<typename T = QWidget> static T* child(QWidget* w, const char* name)
    {
        return w->findChild<T*>(QLatin1String(name));
    }
};

ConferenceMemberInfo member(const QString& account, ENUM_CONFMEMBER_DEVICETYPE type = CONFMEMBER_DEVICE_PC_OTHER,
    bool camera = true, bool mic = true)
{
    ConferenceMemberInfo m = BusinessFixture::makeMember(account, type, true, account.toUpper());
    m.isCameraOpen = camera;
    m.isMicOpen = mic;
    return m;
}
ConferenceMemberInfo cameraOff(const QString& account)
{
    return member(account, CONFMEMBER_DEVICE_PC_OTHER, false);
}

// Lets deferred steps that are due within `ms` run, without a fixed sleep.
void runDeferred(int ms)
{
    bool done = false;
    QTimer::singleShot(ms, [&done] { done = true; });
    QVERIFY(QTest::qWaitFor([&done] { return done; }, ms + 5000));
}

void drag(QWidget* w, QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(), QPointF(global), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
        buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class tst_ConfSmartVideoTiles : public QObject, Shorthands
{
    Q_OBJECT

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me Myself"));
        journal()->clear();
    }

    void cameraOnStartsTheStreamIntoTheRenderSurfaceOnce()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(member(QStringLiteral("a")), false);
        QVERIFY(tile.isShowing(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, false));
        QVERIFY(!tile.isShowing(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, true));
        QVERIFY(!tile.isShowing(QStringLiteral("a"), CONFMEMBER_DEVICE_MOBILE, false));
        QCOMPARE(journal()->last(QStringLiteral("requestStartMemberVideo")).args,
            (QVariantList { QStringLiteral("a"), int(CONFMEMBER_DEVICE_PC_OTHER),
                QVariant::fromValue(quintptr(tile.renderHandle())) }));
        QVERIFY(tile.isVideoOn());
        QVERIFY(tile.infoWidget()->isVisibleTo(&tile));
        QCOMPARE(tile.infoWidget()->name(), QStringLiteral("A"));
        QVERIFY(!tile.infoWidget()->isMuted());
        // The toolkit stops painting the surface once the native picture runs.
        QTRY_VERIFY(!tile.renderSurface()->updatesEnabled());

        // The same member again is free, whatever the share flag.
        journal()->clear();
        tile.setMemberInfo(cameraOff(QStringLiteral("a")), true);
        QVERIFY(journal()->entries().isEmpty());
        QVERIFY(!tile.isShare() && tile.isVideoOn());
        // Nothing to bind or clear: nothing called.
        ConfSmartVideoPlaySmallWdg empty;
        empty.clearMember();
        empty.setMemberInfo(ConferenceMemberInfo(), false);
        QVERIFY(journal()->entries().isEmpty());
        QVERIFY(!empty.isBound());
    }

    void cameraOffShowsTheAvatarUntilTheCameraComesOn()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.resize(200, 150);
        tile.show();
        tile.setMemberInfo(member(QStringLiteral("a"), CONFMEMBER_DEVICE_MOBILE, false, false), false);
        QCOMPARE(commands(), BusinessFixture::texts({ "requestStopMemberVideo" }));
        QVERIFY(!tile.isVideoOn());
        QVERIFY(child(&tile, "widget_head")->isVisible());
        QVERIFY(!child(&tile, "widget_playVideo")->isVisible());
        QVERIFY(tile.infoWidget()->isMuted());

        const ConferenceMemberInfo update = member(QStringLiteral("a"), CONFMEMBER_DEVICE_MOBILE);
        emit conf()->sig_updateMemberInfo(update, CONF_MEMBER_ACTION_CAMERA_ON);
        QCOMPARE(count("requestStartMemberVideo"), 1);
        QVERIFY(tile.isVideoOn());
        emit conf()->sig_updateMemberInfo(update, CONF_MEMBER_ACTION_CAMERA_OFF);
        QCOMPARE(count("requestStopMemberVideo"), 2);
        QVERIFY(!tile.isVideoOn());
    }

    void localCameraGoesThroughTheSelfPreview()
    {
        ConfSmartVideoPlaySmallWdg self;
        self.setMemberInfo(member(QStringLiteral("me"), CONFMEMBER_DEVICE_PC), false);
        self.clearMember();
        QCOMPARE(commands(), BusinessFixture::texts({ "resetSelfVideoView", "resetSelfVideoView" }));
        const QList<JournalEntry> resets = journal()->entries(QStringLiteral("resetSelfVideoView"));
        QCOMPARE(resets.at(0).args.value(0).value<quintptr>(), quintptr(self.renderHandle()));
        QCOMPARE(resets.at(1).args.value(0).value<quintptr>(), quintptr(0));

        // The user's phone is another member while the service tells devices apart...
        ConfSmartVideoPlaySmallWdg phone;
        phone.setMemberInfo(member(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE), false);
        QCOMPARE(count("requestStartMemberVideo"), 1);
        phone.clearMember();
        // ...and the local camera when it does not.
        conf()->state().appSetting.multiDeviceMode = 0;
        journal()->clear();
        phone.setMemberInfo(member(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE), false);
        QCOMPARE(commands(), BusinessFixture::texts({ "resetSelfVideoView" }));
    }

    void shareTileShowsTheDesktopAndStopsOnlyItOnClear()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(member(QStringLiteral("b")), true);
        QCOMPARE(commands(), BusinessFixture::texts({ "requestDesktopShareView" }));
        QCOMPARE(journal()->last(QStringLiteral("requestDesktopShareView")).args.value(2).value<quintptr>(),
            quintptr(tile.renderHandle()));
        // Camera switches of the sharer do not concern the desktop tile.
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("b")), CONF_MEMBER_ACTION_CAMERA_OFF);
        QCOMPARE(commands().size(), 1);
        ConfSmartVideoPlaySmallWdg camera;
        camera.setMemberInfo(member(QStringLiteral("b")), false);
        journal()->clear();
        tile.clearMember();
        // The sharer's camera, shown in another tile, keeps running.
        QCOMPARE(commands(), BusinessFixture::texts({ "stopDesktopShareView" }));
        QVERIFY(!tile.isBound() && !tile.isShare());
        QVERIFY(tile.infoWidget()->isHidden());
    }

    void avatarComesFromTheDirectoryFileOrIsDrawn()
    {
        QTemporaryDir dir;
        const QString red = dir.filePath(QStringLiteral("red.png"));
        QImage image(12, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(red));
        auto person = BusinessFixture::makePerson(QStringLiteral("a"), QStringLiteral("Alice"));
        person->setHeadImagePath(red);
        BusinessFixture::business()->getAddressBookView()->addPerson(person);

        ConfSmartVideoPlaySmallWdg tile;
        tile.resize(200, 150);
        tile.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        tile.setMemberInfo(cameraOff(QStringLiteral("a")), false);
        QCOMPARE(tile.avatar().size(), QSize(70, 70));
        QCOMPARE(tile.avatar().toImage().pixelColor(35, 35), QColor(Qt::red));
        // It is painted into the head label, over the whole tile.
        runDeferred(40);
        QCOMPARE(child(&tile, "widget_head")->geometry(), QRect(0, 0, 200, 150));
        const QImage shot = child<QLabel>(&tile, "label_head")->grab().toImage();
        QCOMPARE(shot.pixelColor(35, 35), QColor(Qt::red));
        tile.clearMember();

        const QImage drawn
            = KP_UI_UTIL::getSelfDrawPicHead(QStringLiteral("A"), QStringLiteral("a"), 70, 70, true, 4, 12).toImage();
        for (const QString& path :
            { QString(), dir.filePath(QStringLiteral("missing.png")), ConfSmartBaseVideoPlayWgt::defaultHeadPath() }) {
            person->setHeadImagePath(path);
            tile.setMemberInfo(cameraOff(QStringLiteral("a")), false);
            QVERIFY2(tile.avatar().toImage() == drawn, qPrintable(path));
            tile.clearMember();
        }
    }

    void infoBarFollowsMicrophoneNameAndSpeakers()
    {
        ConfSmartVideoPlaySmallWdg tile;
        ConfSmartVideoPlaySmallWdg other;
        tile.setMemberInfo(member(QStringLiteral("a")), false);
        other.setMemberInfo(member(QStringLiteral("b")), false);
        ConfSmartVideoPlaySmallInfoWdg* bar = tile.infoWidget();
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("a")), CONF_MEMBER_ACTION_MIC_OFF);
        QVERIFY(bar->isMuted());
        QVERIFY(!other.infoWidget()->isMuted());
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("a")), CONF_MEMBER_ACTION_MIC_ON);
        QVERIFY(!bar->isMuted());

        Agent_ConferenceParticipantMemberInfo speaker;
        speaker.account = QStringLiteral("a");
        speaker.deviceType = CONFMEMBER_DEVICE_PC_OTHER;
        emit conf()->sig_onConferenceParticipant(QStringLiteral("any conference"), { speaker });
        QVERIFY(bar->isSpeakingShown());
        QVERIFY(!other.infoWidget()->isSpeakingShown());
        speaker.deviceType = CONFMEMBER_DEVICE_MOBILE; // same account, other device: not this tile
        emit conf()->sig_onConferenceParticipant(QString(), { speaker });
        QVERIFY(!bar->isSpeakingShown());

        ConferenceMemberInfo renamed = member(QStringLiteral("a"));
        renamed.name = QStringLiteral("Alice Liddell");
        emit conf()->sig_updateMemberInfo(renamed, CONF_MEMBER_ACTION_RENAME);
        QCOMPARE(bar->name(), QStringLiteral("Alice Liddell"));

        // Other actions and other members change nothing.
        journal()->clear();
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("a")), 7);
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("zz")), CONF_MEMBER_ACTION_CAMERA_OFF);
        QVERIFY(commands().isEmpty());
        QVERIFY(tile.isVideoOn());
    }

    void mutedIconWinsOverTheSpeakerReport()
    {
        ConfSmartVideoPlaySmallInfoWdg bar;
        auto* icon = child<QLabel>(&bar, "label_microphone");
        bar.setMicState(false);
        bar.setSpeaking(true);
        QCOMPARE(icon->styleSheet(), ConfSmartVideoPlaySmallInfoWdg::micSpeakingStyle());
        bar.setSpeaking(false);
        QCOMPARE(icon->styleSheet(), ConfSmartVideoPlaySmallInfoWdg::micOpenStyle());
        bar.setMicState(true);
        bar.setSpeaking(true);
        QCOMPARE(icon->styleSheet(), ConfSmartVideoPlaySmallInfoWdg::micMutedStyle());
        QVERIFY(!bar.isSpeakingShown());
    }

    void reconnectionEmptiesTheTileForASecondThenRebinds()
    {
        const ConferenceMemberInfo a = member(QStringLiteral("a"));
        conf()->upsertMember(a);
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(a, false);
        ConfSmartVideoPlaySmallWdg share;
        share.setMemberInfo(member(QStringLiteral("b")), true);
        journal()->clear();
        emit conf()->sig_onConfMsgMemberReConnect(a);
        emit conf()->sig_onConfMsgMemberReConnect(member(QStringLiteral("b"))); // share tiles are left alone
        QVERIFY(!tile.isBound());
        QVERIFY(share.isBound());
        QCOMPARE(commands(), BusinessFixture::texts({ "requestStopMemberVideo" }));
        QTRY_VERIFY_WITH_TIMEOUT(tile.isBound(), 5000);
        QCOMPARE(count("requestStartMemberVideo"), 1);
    }

    void reconnectionDoesNotRebindWhenTheMemberLeftOrIsShownElsewhere()
    {
        const ConferenceMemberInfo a = member(QStringLiteral("a"));
        conf()->upsertMember(a);
        ConfSmartVideoPlaySmallWdg left;
        left.setMemberInfo(a, false);
        emit conf()->sig_onConfMsgMemberReConnect(a);
        conf()->removeMember(a.account, a.deviceType);
        QTRY_VERIFY_WITH_TIMEOUT(count("findConferenceMemberInfo") == 1, 5000);
        QVERIFY(!left.isBound());

        conf()->upsertMember(a);
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(a, false);
        emit conf()->sig_onConfMsgMemberReConnect(a);
        ConfSmartVideoPlaySmallWdg elsewhere;
        elsewhere.setMemberInfo(a, false); // the layout moved the member meanwhile
        QTRY_VERIFY_WITH_TIMEOUT(count("findConferenceMemberInfo") == 2, 5000);
        QVERIFY(!tile.isBound() && !left.isBound());

        // Or its tile was given somebody else meanwhile.
        elsewhere.clearMember();
        tile.setMemberInfo(a, false);
        emit conf()->sig_onConfMsgMemberReConnect(a);
        tile.setMemberInfo(member(QStringLiteral("b")), false);
        QTRY_VERIFY_WITH_TIMEOUT(count("findConferenceMemberInfo") == 3, 5000);
        QCOMPARE(tile.memberInfo().account, QStringLiteral("b"));
    }

    void tileDestroyedWithPendingStepsIsSafe()
    {
        const ConferenceMemberInfo a = member(QStringLiteral("a"));
        conf()->upsertMember(a);
        ConfSmartVideoPlaySmallWdg survivor;
        survivor.setMemberInfo(member(QStringLiteral("b")), false);
        auto* tile = new ConfSmartVideoPlaySmallWdg;
        tile->resize(100, 100);
        tile->setMemberInfo(a, false); // paint switch and avatar refresh pending
        emit conf()->sig_onConfMsgMemberReConnect(a); // the 1 s rebind pending
        delete tile;
        // The survivor's own rebind looks through the live tiles only.
        conf()->upsertMember(member(QStringLiteral("b")));
        emit conf()->sig_onConfMsgMemberReConnect(member(QStringLiteral("b")));
        runDeferred(1100);
        QCOMPARE(count("findConferenceMemberInfo"), 1);
        QVERIFY(survivor.isBound());
        // Signals after the tile is gone reach nobody.
        emit conf()->sig_updateMemberInfo(a, CONF_MEMBER_ACTION_CAMERA_ON);
        emit conf()->sig_onConferenceParticipant(QString(), {});
    }

    void tileKindsRestyleTheBase()
    {
        // The style given last is in force even though the tile was never shown before.
        ConfSmartVideoPlaySmallWdg small;
        small.resize(200, 150);
        small.show();
        small.setMemberInfo(cameraOff(QStringLiteral("a")), false);
        runDeferred(40);
        QCOMPARE(small.grab().toImage().pixelColor(5, 5), QColor(0x66, 0x66, 0x66));
        // The nine-grid avatar fills the tile rather than a 70 x 70 box.
        ConfSmartVideoPlay9Wgt nine;
        nine.resize(240, 180);
        nine.show();
        nine.setMemberInfo(cameraOff(QStringLiteral("a")), false);
        QCOMPARE(nine.avatar().size(), QSize(180, 180));
        // Bound before it is laid out (as the pool's tiles are): the avatar
        // follows the size the tile gets when shown.
        QWidget grid;
        auto* early = new ConfSmartVideoPlay9Wgt(&grid);
        early->setMemberInfo(cameraOff(QStringLiteral("a")), false);
        early->setGeometry(0, 0, 300, 200);
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QCOMPARE(early->avatar().size(), QSize(200, 200));
    }

    void pipDragStopsAtTheEdgesOfTheVideoArea()
    {
        QWidget area;
        area.setGeometry(100, 100, 800, 600);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        ConfSmartVideoPlayPipWdg pip(&area);
        QVERIFY(pip.isWindow());
        pip.resize(250, 200);
        pip.move(500, 300);
        pip.show();
        const QRect limits = pip.dragArea();
        QCOMPARE(limits.size(), QSize(800, 600));

        const QPoint grab = pip.frameGeometry().topLeft() + QPoint(10, 10);
        drag(&pip, QEvent::MouseButtonPress, grab, Qt::LeftButton);
        drag(&pip, QEvent::MouseMove, grab + QPoint(5000, 5000), Qt::LeftButton);
        QCOMPARE(pip.pos(), QPoint(limits.x() + 800 - 250, limits.y() + 600 - 200 - 60));
        drag(&pip, QEvent::MouseMove, grab - QPoint(5000, 5000), Qt::LeftButton);
        QCOMPARE(pip.pos(), limits.topLeft());
        drag(&pip, QEvent::MouseMove, limits.topLeft() + QPoint(60, 40), Qt::LeftButton);
        QCOMPARE(pip.pos(), limits.topLeft() + QPoint(50, 30));
        drag(&pip, QEvent::MouseButtonRelease, grab, Qt::NoButton);
        QVERIFY(!pip.isDragging());

        // A held button without a press inside the window moves nothing.
        drag(&pip, QEvent::MouseMove, limits.topLeft() + QPoint(300, 300), Qt::LeftButton);
        QCOMPARE(pip.pos(), limits.topLeft() + QPoint(50, 30));
    }
};

QTEST_MAIN(tst_ConfSmartVideoTiles)
#include "tst_ConfSmartVideoTiles.moc"
