#include "support/BusinessFixture.h"
#include "support/TestWindows.h"
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

using namespace TestWindows;

namespace {

struct Shorthands
{
    static UnifiedConferenceView* conf() { return BusinessFixture::business()->getUnifiedConferenceView(); }
    static CommandJournal* journal() { return BusinessFixture::journal(); }
    static int count(const char* op) { return journal()->count(QLatin1String(op)); }
    static QStringList commands() { return journal()->commandOperations(); }
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
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void cameraOnStartsTheStreamIntoTheRenderSurfaceOnce()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(member(QStringLiteral("a")), false);
        QVERIFY(!tile.isShowing(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, true));
        QCOMPARE(journal()->last(QStringLiteral("requestStartMemberVideo")).args,
            (QVariantList { QStringLiteral("a"), int(CONFMEMBER_DEVICE_PC_OTHER),
                QVariant::fromValue(quintptr(tile.renderHandle())) }));
        QVERIFY(tile.isVideoOn());
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
    }

    void cameraOffShowsTheAvatarUntilTheCameraComesOn()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.resize(200, 150);
        tile.show();
        tile.setMemberInfo(member(QStringLiteral("a"), CONFMEMBER_DEVICE_MOBILE, false, false), false);
        QCOMPARE(commands(), BusinessFixture::texts({ "requestStopMemberVideo" }));
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
        const QList<JournalEntry> resets = journal()->entries(QStringLiteral("resetSelfVideoView"));
        QCOMPARE(commands(), BusinessFixture::texts({ "resetSelfVideoView", "resetSelfVideoView" }));
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
        journal()->clear();
        tile.clearMember();
        QCOMPARE(commands(), BusinessFixture::texts({ "stopDesktopShareView" }));
        QVERIFY(!tile.isBound() && !tile.isShare());
        QVERIFY(tile.infoWidget()->isHidden());
    }

    void avatarComesFromTheDirectoryFileOrIsDrawnFromTheAccount()
    {
        QTemporaryDir dir;
        const QString red = dir.filePath(QStringLiteral("red.png"));
        QImage image(12, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(red));
        auto person = BusinessFixture::makePerson(QStringLiteral("zhang.san"), QStringLiteral("Li Si"));
        person->setHeadImagePath(red);
        BusinessFixture::business()->getAddressBookView()->addPerson(person);
        ConferenceMemberInfo m = cameraOff(QStringLiteral("zhang.san"));
        m.name = QStringLiteral("Li Si");

        ConfSmartVideoPlaySmallWdg tile;
        tile.resize(200, 150);
        tile.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        tile.setMemberInfo(m, false);
        // The file scaled into the 70 x 70 box, painted into the head label over the whole tile.
        QCOMPARE(tile.avatar().size(), QSize(70, 70));
        QCOMPARE(tile.avatar().toImage().pixelColor(35, 35), QColor(Qt::red));
        QCOMPARE(child(&tile, "widget_head")->geometry(), QRect(0, 0, 200, 150));
        QTRY_COMPARE(child<QLabel>(&tile, "label_head")->grab().toImage().pixelColor(35, 35), QColor(Qt::red));
        tile.clearMember();

        // No picture: drawn from the account and the name.
        const QImage drawn = KP_UI_UTIL::getSelfDrawPicHead(m.account, m.name, 70, 70, true, 4, 12).toImage();
        for (const QString& path : { QString(), dir.filePath(QStringLiteral("missing.png")),
                 QStringLiteral(":/main/Resource/Main/default_big_man.png") }) {
            person->setHeadImagePath(path);
            tile.setMemberInfo(m, false);
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
        // The bar is as wide as the name, and a long name elides inside the tile.
        tile.resize(346, 206);
        QVERIFY(bar->width() < 200);
        ConferenceMemberInfo longName = member(QStringLiteral("a"));
        longName.name = QString(2000, QLatin1Char('W'));
        emit conf()->sig_updateMemberInfo(longName, CONF_MEMBER_ACTION_RENAME);
        QCOMPARE(bar->name(), longName.name);
        QVERIFY(bar->width() > 200 && bar->x() + bar->width() <= tile.width());
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("a")), CONF_MEMBER_ACTION_MIC_OFF);
        QVERIFY(bar->isMuted() && !other.infoWidget()->isMuted());
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("a")), CONF_MEMBER_ACTION_MIC_ON);
        QVERIFY(!bar->isMuted());

        Agent_ConferenceParticipantMemberInfo speaker;
        speaker.account = QStringLiteral("a");
        speaker.deviceType = CONFMEMBER_DEVICE_PC_OTHER;
        emit conf()->sig_onConferenceParticipant(QStringLiteral("any conference"), { speaker });
        QVERIFY(bar->isSpeakingShown() && !other.infoWidget()->isSpeakingShown());
        speaker.deviceType = CONFMEMBER_DEVICE_MOBILE; // same account, other device: not this tile
        emit conf()->sig_onConferenceParticipant(QString(), { speaker });
        QVERIFY(!bar->isSpeakingShown());

        // Other actions and other members change nothing.
        journal()->clear();
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("a")), 7);
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("zz")), CONF_MEMBER_ACTION_CAMERA_OFF);
        QVERIFY(commands().isEmpty());
        QVERIFY(tile.isVideoOn());
    }

    void microphoneIconShowsOpenMutedOrSpeaking()
    {
        const QString open
            = QStringLiteral("border-image: url(:/ConfNew/Resource/ConfNew/ControlBtn/Icon_ConfAudioOn.png);");
        const QString muted
            = QStringLiteral("border-image: url(:/ConfNew/Resource/ConfNew/ControlBtn/Icon_ConfAudioOff.png);");
        const QString speaking
            = QStringLiteral("border-image: url(:/ConfNew/Resource/ConfNew/ControlBtn/Icon_ConfAudioing.png);");
        ConfSmartVideoPlaySmallInfoWdg bar;
        auto* icon = child<QLabel>(&bar, "label_microphone");
        bar.setMicState(false);
        QCOMPARE(icon->styleSheet(), open);
        bar.setSpeaking(false); // nothing shown as speaking: nothing changes
        QCOMPARE(icon->styleSheet(), open);
        bar.setSpeaking(true);
        QCOMPARE(icon->styleSheet(), speaking);
        bar.setSpeaking(false);
        QCOMPARE(icon->styleSheet(), open);
        bar.setMicState(true);
        bar.setSpeaking(true);
        QCOMPARE(icon->styleSheet(), muted);
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
        QVERIFY(!tile.isBound() && share.isBound());
        QCOMPARE(commands(), BusinessFixture::texts({ "requestStopMemberVideo" }));
        QTRY_VERIFY_WITH_TIMEOUT(tile.isBound(), 5000);
        QCOMPARE(count("requestStartMemberVideo"), 1);

        // Not again when the member left, or another tile shows the member by then.
        emit conf()->sig_onConfMsgMemberReConnect(a);
        conf()->removeMember(a.account, a.deviceType);
        QTRY_VERIFY_WITH_TIMEOUT(count("findConferenceMemberInfo") == 2, 5000);
        QVERIFY(!tile.isBound());
        conf()->upsertMember(a);
        tile.setMemberInfo(a, false);
        emit conf()->sig_onConfMsgMemberReConnect(a);
        ConfSmartVideoPlaySmallWdg elsewhere;
        elsewhere.setMemberInfo(a, false);
        QTRY_VERIFY_WITH_TIMEOUT(count("findConferenceMemberInfo") == 3, 5000);
        QVERIFY(!tile.isBound());
    }

    void aDeletedTileDropsItsPendingSteps()
    {
        const ConferenceMemberInfo a = member(QStringLiteral("a"));
        const ConferenceMemberInfo b = member(QStringLiteral("b"));
        conf()->upsertMember(a);
        conf()->upsertMember(b);
        auto* tile = new ConfSmartVideoPlaySmallWdg;
        tile->setMemberInfo(a, false); // paint switch and avatar refresh pending
        emit conf()->sig_onConfMsgMemberReConnect(a); // the 1 s rebind pending
        delete tile;
        ConfSmartVideoPlaySmallWdg survivor;
        survivor.setMemberInfo(b, false);
        emit conf()->sig_onConfMsgMemberReConnect(b);
        // The survivor's rebind comes after the deleted tile's would have: only one lookup.
        QTRY_VERIFY_WITH_TIMEOUT(survivor.isBound(), 5000);
        QCOMPARE(count("findConferenceMemberInfo"), 1);
        journal()->clear();
        emit conf()->sig_updateMemberInfo(a, CONF_MEMBER_ACTION_CAMERA_ON);
        QVERIFY(commands().isEmpty());
    }

    void tileKindsRestyleTheBase()
    {
        // The style given last (the avatar panel's #666666) is in force, even before the tile was first shown.
        ConfSmartVideoPlaySmallWdg small;
        small.resize(200, 150);
        small.setMemberInfo(cameraOff(QStringLiteral("a")), false);
        small.show();
        QTRY_COMPARE(small.grab().toImage().pixelColor(5, 5), QColor(0x66, 0x66, 0x66));
        // The nine-grid avatar fills the tile rather than a 70 x 70 box, also when bound before it is laid out.
        QWidget grid;
        auto* nine = new ConfSmartVideoPlay9Wgt(&grid);
        nine->setMemberInfo(cameraOff(QStringLiteral("a")), false);
        nine->setGeometry(0, 0, 300, 200);
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QCOMPARE(nine->avatar().size(), QSize(200, 200));
    }

    void pipDragStopsAtTheEdgesOfTheVideoArea()
    {
        QWidget area;
        area.setGeometry(100, 100, 800, 600);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        ConfSmartVideoPlayPipWdg pip(&area);
        pip.resize(250, 200);
        pip.move(500, 300);
        pip.show();
        const QRect limits(area.mapToGlobal(area.pos()), area.size());

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
