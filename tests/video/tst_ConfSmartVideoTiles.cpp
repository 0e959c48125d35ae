#include "BusinessFixture.h"
#include "ConfSmartBaseVideoPlayWgt.h"
#include "ConfSmartVideoPlay9Wgt.h"
#include "ConfSmartVideoPlayPipWdg.h"
#include "ConfSmartVideoPlaySmallInfoWdg.h"
#include "ConfSmartVideoPlaySmallWdg.h"

#include "KP_UI_UTIL.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

UnifiedConferenceView* conf()
{
    return BusinessFixture::business()->getUnifiedConferenceView();
}

CommandJournal* journal()
{
    return BusinessFixture::journal();
}

ConferenceMemberInfo member(const QString& account, ENUM_CONFMEMBER_DEVICETYPE type = CONFMEMBER_DEVICE_PC_OTHER,
    bool camera = true, bool mic = true)
{
    ConferenceMemberInfo m = BusinessFixture::makeMember(account, type, true, account.toUpper());
    m.isCameraOpen = camera;
    m.isMicOpen = mic;
    return m;
}

quintptr handleOf(const ConfSmartBaseVideoPlayWgt& tile)
{
    return quintptr(tile.renderHandle());
}

// Lets deferred steps that are due within `ms` run, without a fixed sleep.
void runDeferred(int ms)
{
    bool done = false;
    QTimer::singleShot(ms, [&done] { done = true; });
    QVERIFY(QTest::qWaitFor([&done] { return done; }, ms + 5000));
}

QMouseEvent mouse(QEvent::Type type, const QPoint& global, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    return QMouseEvent(type, QPointF(), QPointF(global), button, buttons, Qt::NoModifier);
}

} // namespace

class tst_ConfSmartVideoTiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me Myself"));
        journal()->clear();
    }

    void constructionFollowsTheForm()
    {
        ConfSmartVideoPlaySmallWdg tile;
        QVERIFY(!tile.isBound());
        QVERIFY(!tile.infoWidget());
        QVERIFY(tile.registeredTiles().contains(&tile));
        for (const char* bar : { "widget_playCore_left", "widget_playCore_right" })
            QCOMPARE(tile.findChild<QWidget*>(QLatin1String(bar))->maximumWidth(), 0);
        for (const char* bar : { "widget_playCore_top", "widget_playCore_bottom" })
            QCOMPARE(tile.findChild<QWidget*>(QLatin1String(bar))->maximumHeight(), 0);
        auto* head = tile.findChild<QWidget*>(QStringLiteral("widget_head"));
        QVERIFY(head && head->isHidden());
        tile.resize(300, 200);
        tile.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        // The avatar panel floats over the whole tile; the surface fills it.
        QCOMPARE(head->geometry(), QRect(0, 0, 300, 200));
        QCOMPARE(tile.renderSurface()->size(), QSize(300, 200));
        QVERIFY(journal()->commandOperations().isEmpty());
    }

    void registryForgetsDestroyedTiles()
    {
        auto* tile = new ConfSmartVideoPlaySmallWdg;
        QVERIFY(ConfSmartBaseVideoPlayWgt::registeredTiles().contains(tile));
        delete tile;
        QVERIFY(!ConfSmartBaseVideoPlayWgt::registeredTiles().contains(tile));
    }

    void cameraOnStartsTheStreamIntoTheRenderSurface()
    {
        ConfSmartVideoPlaySmallWdg tile;
        conf()->upsertMember(member(QStringLiteral("a")));
        tile.setMemberInfo(member(QStringLiteral("a")), false);
        QVERIFY(tile.isBound());
        QVERIFY(tile.isShowing(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, false));
        QVERIFY(!tile.isShowing(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, true));
        QVERIFY(!tile.isShowing(QStringLiteral("a"), CONFMEMBER_DEVICE_MOBILE, false));
        const JournalEntry start = journal()->last(QStringLiteral("requestStartMemberVideo"));
        QVERIFY(start.isValid());
        QCOMPARE(start.args,
            (QVariantList {
                QStringLiteral("a"), int(CONFMEMBER_DEVICE_PC_OTHER), QVariant::fromValue(handleOf(tile)) }));
        QVERIFY(tile.isVideoOn());
        QVERIFY(tile.infoWidget() && tile.infoWidget()->isVisibleTo(&tile));
        QCOMPARE(tile.infoWidget()->name(), QStringLiteral("A"));
        QVERIFY(!tile.infoWidget()->isMuted());
        // The toolkit stops painting the surface once the native picture runs.
        QTRY_VERIFY(!tile.renderSurface()->updatesEnabled());
    }

    void rebindingTheSameMemberIsFreeWhateverTheShareFlag()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(member(QStringLiteral("a")), false);
        journal()->clear();
        tile.setMemberInfo(member(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, false), true);
        QVERIFY(journal()->entries().isEmpty());
        QVERIFY(!tile.isShare());
        QVERIFY(tile.isVideoOn());
    }

    void cameraOffShowsTheAvatarUntilTheCameraComesOn()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.resize(200, 150);
        tile.show();
        tile.setMemberInfo(member(QStringLiteral("a"), CONFMEMBER_DEVICE_MOBILE, false, false), false);
        QCOMPARE(journal()->count(QStringLiteral("requestStartMemberVideo")), 0);
        QCOMPARE(journal()->count(QStringLiteral("requestStopMemberVideo")), 1);
        QVERIFY(!tile.isVideoOn());
        QVERIFY(tile.findChild<QWidget*>(QStringLiteral("widget_head"))->isVisible());
        QVERIFY(!tile.findChild<QWidget*>(QStringLiteral("widget_playVideo"))->isVisible());
        QVERIFY(tile.infoWidget()->isMuted());
        QVERIFY(!tile.avatar().isNull());

        ConferenceMemberInfo update = member(QStringLiteral("a"), CONFMEMBER_DEVICE_MOBILE);
        emit conf()->sig_updateMemberInfo(update, CONF_MEMBER_ACTION_CAMERA_ON);
        QCOMPARE(journal()->count(QStringLiteral("requestStartMemberVideo")), 1);
        QVERIFY(tile.isVideoOn());
        emit conf()->sig_updateMemberInfo(update, CONF_MEMBER_ACTION_CAMERA_OFF);
        QCOMPARE(journal()->count(QStringLiteral("requestStopMemberVideo")), 2);
        QVERIFY(!tile.isVideoOn());
    }

    void localCameraGoesThroughTheSelfPreview()
    {
        ConfSmartVideoPlaySmallWdg self;
        self.setMemberInfo(member(QStringLiteral("me"), CONFMEMBER_DEVICE_PC), false);
        QCOMPARE(journal()->last(QStringLiteral("resetSelfVideoView")).args,
            (QVariantList { QVariant::fromValue(handleOf(self)) }));
        QCOMPARE(journal()->count(QStringLiteral("requestStartMemberVideo")), 0);
        self.clearMember();
        QCOMPARE(journal()->last(QStringLiteral("resetSelfVideoView")).args,
            (QVariantList { QVariant::fromValue(quintptr(0)) }));
        QCOMPARE(journal()->count(QStringLiteral("requestStopMemberVideo")), 0);

        // The user's phone is another member while the service tells devices apart...
        ConfSmartVideoPlaySmallWdg phone;
        phone.setMemberInfo(member(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE), false);
        QCOMPARE(journal()->count(QStringLiteral("requestStartMemberVideo")), 1);
        phone.clearMember();
        // ...and the local camera when it does not.
        conf()->state().appSetting.multiDeviceMode = 0;
        journal()->clear();
        phone.setMemberInfo(member(QStringLiteral("me"), CONFMEMBER_DEVICE_MOBILE), false);
        QCOMPARE(journal()->count(QStringLiteral("requestStartMemberVideo")), 0);
        QCOMPARE(journal()->count(QStringLiteral("resetSelfVideoView")), 1);
    }

    void shareTileShowsTheDesktopAndStopsBothOnClear()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(member(QStringLiteral("b")), true);
        QCOMPARE(journal()->commandOperations(), BusinessFixture::texts({ "requestDesktopShareView" }));
        QCOMPARE(
            journal()->last(QStringLiteral("requestDesktopShareView")).args.value(2).value<quintptr>(), handleOf(tile));
        // Camera switches of the sharer do not concern the desktop tile.
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("b")), CONF_MEMBER_ACTION_CAMERA_OFF);
        QCOMPARE(journal()->commandOperations().size(), 1);
        journal()->clear();
        tile.clearMember();
        QCOMPARE(journal()->commandOperations(),
            BusinessFixture::texts({ "stopDesktopShareView", "requestStopMemberVideo" }));
        QVERIFY(!tile.isBound());
        QVERIFY(!tile.isShare());
        QVERIFY(tile.infoWidget()->isHidden());
    }

    void clearingAnUnboundTileCallsNothing()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.clearMember();
        QVERIFY(journal()->entries().isEmpty());
        tile.setMemberInfo(ConferenceMemberInfo(), false);
        QVERIFY(journal()->entries().isEmpty());
        QVERIFY(!tile.isBound());
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
        tile.setMemberInfo(member(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, false), false);
        QCOMPARE(tile.avatar().size(), QSize(70, 70));
        QCOMPARE(tile.avatar().toImage().pixelColor(35, 35), QColor(Qt::red));
        tile.clearMember();

        const QImage drawn
            = KP_UI_UTIL::getSelfDrawPicHead(QStringLiteral("A"), QStringLiteral("a"), 70, 70, true, 4, 12).toImage();
        for (const QString& path :
            { QString(), dir.filePath(QStringLiteral("missing.png")), ConfSmartBaseVideoPlayWgt::defaultHeadPath() }) {
            person->setHeadImagePath(path);
            tile.setMemberInfo(member(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, false), false);
            QVERIFY2(tile.avatar().toImage() == drawn, qPrintable(path));
            tile.clearMember();
        }
    }

    void avatarIsPaintedIntoTheHeadLabel()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.resize(200, 150);
        tile.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        tile.setMemberInfo(member(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, false), false);
        runDeferred(40);
        auto* label = tile.findChild<QLabel*>(QStringLiteral("label_head"));
        const QImage shot = label->grab().toImage();
        QCOMPARE(shot.pixelColor(35, 35), tile.avatar().toImage().pixelColor(35, 35));
    }

    void infoBarFollowsMicrophoneNameAndSpeakers()
    {
        ConfSmartVideoPlaySmallWdg tile;
        ConfSmartVideoPlaySmallWdg other;
        tile.resize(300, 200);
        tile.setMemberInfo(member(QStringLiteral("a")), false);
        other.setMemberInfo(member(QStringLiteral("b")), false);
        ConfSmartVideoPlaySmallInfoWdg* bar = tile.infoWidget();
        QCOMPARE(bar->geometry().bottomLeft(), QPoint(1, 200 - 21 + 19));
        QCOMPARE(bar->height(), 20);

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
        const int width = QFontMetrics(KP_UI_UTIL::getFontScale(12, false)).horizontalAdvance(renamed.name) + 34;
        QCOMPARE(bar->width(), width);

        // Other actions and other members change nothing.
        journal()->clear();
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("a")), 7);
        emit conf()->sig_updateMemberInfo(member(QStringLiteral("zz")), CONF_MEMBER_ACTION_CAMERA_OFF);
        QVERIFY(journal()->commandOperations().isEmpty());
        QVERIFY(tile.isVideoOn());
    }

    void micIconStates()
    {
        ConfSmartVideoPlaySmallInfoWdg bar;
        auto* icon = bar.findChild<QLabel*>(QStringLiteral("label_microphone"));
        bar.setMicState(false);
        bar.setSpeaking(false);
        QCOMPARE(icon->styleSheet(), ConfSmartVideoPlaySmallInfoWdg::micOpenStyle());
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
        ConfSmartVideoPlaySmallWdg tile;
        const ConferenceMemberInfo a = member(QStringLiteral("a"));
        conf()->upsertMember(a);
        tile.setMemberInfo(a, false);
        journal()->clear();
        emit conf()->sig_onConfMsgMemberReConnect(a);
        QVERIFY(!tile.isBound());
        QCOMPARE(journal()->commandOperations(), BusinessFixture::texts({ "requestStopMemberVideo" }));
        QTRY_VERIFY_WITH_TIMEOUT(tile.isBound(), 5000);
        QCOMPARE(journal()->count(QStringLiteral("requestStartMemberVideo")), 1);
    }

    void reconnectionDoesNotRebindWhenTheMemberLeftOrIsShownElsewhere()
    {
        const ConferenceMemberInfo a = member(QStringLiteral("a"));
        conf()->upsertMember(a);
        ConfSmartVideoPlaySmallWdg left;
        left.setMemberInfo(a, false);
        emit conf()->sig_onConfMsgMemberReConnect(a);
        conf()->removeMember(a.account, a.deviceType);
        QTRY_VERIFY_WITH_TIMEOUT(journal()->count(QStringLiteral("findConferenceMemberInfo")) == 1, 5000);
        QVERIFY(!left.isBound());

        conf()->upsertMember(a);
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(a, false);
        emit conf()->sig_onConfMsgMemberReConnect(a);
        ConfSmartVideoPlaySmallWdg elsewhere;
        elsewhere.setMemberInfo(a, false); // the layout moved the member meanwhile
        QTRY_VERIFY_WITH_TIMEOUT(journal()->count(QStringLiteral("findConferenceMemberInfo")) == 2, 5000);
        QVERIFY(!tile.isBound());
        QVERIFY(!left.isBound());
    }

    void reconnectionLeavesShareTilesAlone()
    {
        ConfSmartVideoPlaySmallWdg tile;
        tile.setMemberInfo(member(QStringLiteral("b")), true);
        journal()->clear();
        emit conf()->sig_onConfMsgMemberReConnect(member(QStringLiteral("b")));
        QVERIFY(tile.isBound());
        QVERIFY(journal()->entries().isEmpty());
    }

    void tileDestroyedWithPendingStepsIsSafe()
    {
        const ConferenceMemberInfo a = member(QStringLiteral("a"));
        conf()->upsertMember(a);
        auto* tile = new ConfSmartVideoPlaySmallWdg;
        tile->resize(100, 100);
        tile->setMemberInfo(a, false); // paint switch and avatar refresh pending
        emit conf()->sig_onConfMsgMemberReConnect(a); // the 1 s rebind pending
        delete tile;
        runDeferred(1100);
        QCOMPARE(journal()->count(QStringLiteral("findConferenceMemberInfo")), 0);
        // Signals after the tile is gone reach nobody.
        emit conf()->sig_updateMemberInfo(a, CONF_MEMBER_ACTION_CAMERA_ON);
        emit conf()->sig_onConferenceParticipant(QString(), {});
    }

    void gridTileKindsRestyleTheBase()
    {
        ConfSmartVideoPlaySmallWdg small;
        QCOMPARE(small.styleSheet(), QStringLiteral("QWidget#widget_head{background-color: #666666;}"));
        QVERIFY(!small.isHeadFill());

        // The style given last is in force even though the tile was never shown before.
        small.resize(200, 150);
        small.show();
        small.setMemberInfo(member(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, false), false);
        runDeferred(40);
        QCOMPARE(small.grab().toImage().pixelColor(5, 5), QColor(0x66, 0x66, 0x66));

        ConfSmartVideoPlay9Wgt nine;
        QCOMPARE(nine.styleSheet(), QStringLiteral("QWidget#widget_head{background-color:rgb(0,0,0,0);}"));
        QVERIFY(nine.isHeadFill());
        nine.resize(240, 180);
        nine.show();
        nine.setMemberInfo(member(QStringLiteral("a"), CONFMEMBER_DEVICE_PC_OTHER, false), false);
        // The avatar fills the tile rather than a 70 x 70 box.
        QCOMPARE(nine.avatar().size(), QSize(180, 180));

        ConfSmartVideoPlayPipWdg pip;
        QVERIFY(pip.windowFlags() & Qt::Window);
        QVERIFY(pip.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(pip.styleSheet(),
            QStringLiteral("QWidget#widget_head{border:1px solid #000000;background-color: #666666;}"));
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
        const QRect limits = pip.dragArea();
        QCOMPARE(limits.size(), QSize(800, 600));

        const QPoint grab = pip.frameGeometry().topLeft() + QPoint(10, 10);
        QMouseEvent press = mouse(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        QApplication::sendEvent(&pip, &press);
        QVERIFY(pip.isDragging());

        QMouseEvent far = mouse(QEvent::MouseMove, grab + QPoint(5000, 5000), Qt::NoButton, Qt::LeftButton);
        QApplication::sendEvent(&pip, &far);
        QCOMPARE(pip.pos(), QPoint(limits.x() + 800 - 250, limits.y() + 600 - 200 - 60));

        QMouseEvent back = mouse(QEvent::MouseMove, grab - QPoint(5000, 5000), Qt::NoButton, Qt::LeftButton);
        QApplication::sendEvent(&pip, &back);
        QCOMPARE(pip.pos(), limits.topLeft());

        QMouseEvent inside = mouse(QEvent::MouseMove, limits.topLeft() + QPoint(60, 40), Qt::NoButton, Qt::LeftButton);
        QApplication::sendEvent(&pip, &inside);
        QCOMPARE(pip.pos(), limits.topLeft() + QPoint(50, 30));

        QMouseEvent release = mouse(QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
        QApplication::sendEvent(&pip, &release);
        QVERIFY(!pip.isDragging());

        // A held button without a press inside the window moves nothing.
        const QPoint before = pip.pos();
        QMouseEvent stray = mouse(QEvent::MouseMove, limits.topLeft() + QPoint(300, 300), Qt::NoButton, Qt::LeftButton);
        QApplication::sendEvent(&pip, &stray);
        QCOMPARE(pip.pos(), before);
    }
};

QTEST_MAIN(tst_ConfSmartVideoTiles)
#include "tst_ConfSmartVideoTiles.moc"
