// Texts from outside at their worst (empty, 100,000 characters, control
// characters, broken UTF-16, direction marks, line feeds) pushed through the
// business signals into every window that shows them: the window still
// renders, its one-line labels elide, it does not grow, and its layout settles
// as soon as with an ordinary text.

#include "business/sim/BusinessSimulator.h"
#include "call/BottomTipWidget.h"
#include "call/VoipCallIncoming.h"
#include "conference/ConferenceMainUi.h"
#include "conference/ConferenceTitleBar.h"
#include "conference/PopupWidget.h"
#include "customui/KpElideLabel.h"
#include "customui/KpMsgTip.h"
#include "facade/KP_MediaConfUI.h"
#include "support/LayoutRequests.h"
#include "support/SimulatorFixture.h"
#include "support/TestWindows.h"
#include "vidyo/VidyoWidget.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include <functional>
#include <memory>

using TestWindows::click;
using TestWindows::visibleWindow;
using TestWindows::visibleWindows;

namespace {

struct Hostile
{
    const char* name;
    QString text;
};

QList<Hostile> hostileTexts()
{
    QString longText;
    const QString piece = QStringLiteral("Wide name \u5bbd\u540d ");
    while (longText.size() < 100000)
        longText += piece;
    longText.truncate(100000);
    const QChar high(0xD800), low(0xDC00);
    return {
        { "empty", QString() },
        { "100,000 characters", longText },
        { "control characters", QStringLiteral("a\x01\x07\tb\rc\x1b[31m\x7f") + QChar(0x85) },
        { "broken UTF-16", QString(low) + QStringLiteral("x") + high + high + QStringLiteral("y") + low },
        { "direction marks", QStringLiteral("\u202Eeman live\u202C \u200F\u061C\u05e9\u05dc\u05d5\u05dd") },
        { "line feeds", QStringLiteral("first\nsecond\n\n\nthird\n") },
    };
}

} // namespace

class tst_HostileTexts;
using Drive = std::function<void(tst_HostileTexts&, const QString&)>;
Q_DECLARE_METATYPE(Drive)

class tst_HostileTexts : public QObject
{
    Q_OBJECT

    std::unique_ptr<BusinessSimulator> m_sim;
    std::unique_ptr<KP_MediaConfUI> m_facade;
    QPointer<PopupWidget> m_popup; // the one window made here and not by the module

    // Everybody in the directory but the user carries the text as name.
    void nameEverybody(const QString& name)
    {
        const QList<QSharedPointer<AddressBookPerson>> persons = m_sim->populateSampleDirectory(8);
        QList<QSharedPointer<AddressBookPerson>> renamed { persons.first() };
        for (int i = 1; i < persons.size(); ++i)
            renamed << QSharedPointer<AddressBookPerson>::create(
                persons.at(i)->account(), name, persons.at(i)->phoneNumber(), name);
        BusinessFixture::business()->getAddressBookView()->setDirectory(renamed);
    }
    QString peer() const { return BusinessFixture::business()->getAddressBookView()->persons().at(1)->account(); }

    static constexpr int kNeverSettles = 20;

    // Runs the event loop until a turn delivers no layout request; the turns it
    // took (kNeverSettles when the layout never settles).
    static int settle()
    {
        int turn = 1;
        for (; turn < kNeverSettles; ++turn) {
            LayoutRequests requests;
            QCoreApplication::processEvents();
            if (requests.count == 0)
                break;
        }
        return turn;
    }

    static QMap<QString, QSize> windowSizes()
    {
        QMap<QString, QSize> sizes;
        for (QWidget* w : visibleWindows())
            sizes.insert(QString::fromLatin1(w->metaObject()->className()), w->size());
        return sizes;
    }

    // Against the same windows with an ordinary text: the layout settles as
    // soon (an elision made once a label has its width may take one pass more),
    // no window grows, each renders, and no label or button shows a huge text whole.
    static void verifyWindows(const QMap<QString, QSize>& ordinary, int ordinaryTurns, const char* value)
    {
        const int turns = settle();
        QVERIFY2(turns <= ordinaryTurns + 1,
            qPrintable(QStringLiteral("%1: %2 turns, %3 with an ordinary text")
                           .arg(QString::fromLatin1(value))
                           .arg(turns)
                           .arg(ordinaryTurns)));
        for (QWidget* window : visibleWindows()) {
            const QString where = QString::fromLatin1(window->metaObject()->className()) + QLatin1Char(' ');
            QVERIFY2(!window->grab().isNull(), qPrintable(where + QString::fromLatin1(value)));
            const QSize expected
                = ordinary.value(QString::fromLatin1(window->metaObject()->className()), window->size());
            QVERIFY2(window->width() <= expected.width() && window->height() <= expected.height(),
                qPrintable(where + QStringLiteral("grew to %1x%2").arg(window->width()).arg(window->height())));
            for (QWidget* w : window->findChildren<QWidget*>()) {
                auto* label = qobject_cast<QLabel*>(w);
                auto* button = qobject_cast<QAbstractButton*>(w);
                const int length = label ? label->text().size() : button ? button->text().size() : 0;
                QVERIFY2(length < 1000 || !w->isVisibleTo(window) || qobject_cast<KpElideLabel*>(w),
                    qPrintable(where + w->objectName() + QStringLiteral(" does not elide")));
            }
        }
    }

    void start()
    {
        m_sim = startSimulator(8);
        m_facade = std::make_unique<KP_MediaConfUI>();
    }
    void stop()
    {
        delete m_popup;
        m_facade.reset();
        m_sim.reset();
        if (KpMsgTip* tip = ConferenceMainUi::messageTip())
            tip->close();
        BottomTipWidget::instance()->setMessageType(BottomTipWidget::BottomTip_None);
        BottomTipWidget::instance()->closeWidget();
        BottomTipWidget::instance()->clearData();
        BusinessFixture::flushDeletes();
    }

private slots:
    void init() { qputenv("KP_SCREEN_SCALE", "1"); }
    void cleanup()
    {
        stop();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    // Each window that shows an outside text, driven as the server would.
    void everyWindowTakesEveryText_data()
    {
        QTest::addColumn<Drive>("drive");
        // Subject and names in the title bar, tiles, member list and details card.
        QTest::newRow("conference window") << Drive([](tst_HostileTexts& t, const QString& text) {
            t.nameEverybody(text);
            ConferenceBriefInfo brief = t.m_sim->pushConferenceJoined(6);
            QTRY_VERIFY(visibleWindow<ConferenceMainUi>());
            brief.subject = text;
            emit BusinessFixture::business()->getUnifiedConferenceView()->sig_updateConferenceInfo(brief);
            QVERIFY(QMetaObject::invokeMethod(visibleWindow<ConferenceMainUi>(), "slot_toggleRightPanel"));
            emit visibleWindow<ConferenceMainUi>()->titleBar()->sig_showDetailInfo(QRect(700, 40, 100, 30));
        });
        QTest::newRow("information page") << Drive([](tst_HostileTexts& t, const QString& text) {
            t.m_popup = new PopupWidget();
            t.m_popup->setShowType(3);
            ConferenceBriefInfo info;
            info.confId = QStringLiteral("9001");
            info.subject = info.hostName = text;
            t.m_popup->setConferenceInfo(info);
            t.m_popup->show();
        });
        QTest::newRow("invitation") << Drive([](tst_HostileTexts& t, const QString& text) {
            t.nameEverybody(text);
            ConferenceBriefInfo info = t.m_sim->makeConferenceBrief(t.peer(), text);
            info.hostName = text;
            t.m_sim->pushConferenceInvitation(info, t.peer());
            QTRY_VERIFY(BottomTipWidget::instance()->isVisible());
        });
        for (int type : { 0, 1 }) { // the incoming call, then the call window
            QTest::addRow("call %d", type) << Drive([type](tst_HostileTexts& t, const QString& text) {
                t.nameEverybody(text);
                t.m_sim->pushIncomingCall(type, t.peer());
                QTRY_VERIFY(visibleWindow<VoipCallIncoming>());
                QVERIFY(click(visibleWindow<VoipCallIncoming>(), "pushButton_accept"));
                QTRY_VERIFY(!visibleWindow<VoipCallIncoming>());
            });
        }
        QTest::newRow("Vidyo attendees") << Drive([](tst_HostileTexts& t, const QString& text) {
            t.nameEverybody(text);
            t.m_sim->pushVidyoInvitation(1, t.peer());
            QVERIFY(click(BottomTipWidget::instance(), "okBtn"));
            QTRY_VERIFY(visibleWindow<VidyoWidget>());
            const auto persons = BusinessFixture::business()->getAddressBookView()->persons();
            for (int i = 2; i < persons.size(); ++i)
                t.m_sim->pushAttendeeJoin(persons.at(i)->account());
        });
        for (int type : { int(MEETING_TYPE_VOICE), int(MEETING_TYPE_VIDEO) }) {
            QTest::addRow("meeting %d", type) << Drive([type](tst_HostileTexts& t, const QString& text) {
                t.nameEverybody(text);
                t.m_sim->enterMeeting(type, true, 5);
                QTRY_VERIFY(!visibleWindows().isEmpty());
            });
        }
        QTest::newRow("voice grid") << Drive([](tst_HostileTexts& t, const QString& text) {
            t.nameEverybody(text);
            t.m_sim->startGroupVoiceConference(6);
            QTRY_VERIFY(!visibleWindows().isEmpty());
            t.m_sim->pushGroupMemberAnswer();
        });
    }

    // The scenario with an ordinary text, then with each hostile one.
    void everyWindowTakesEveryText()
    {
        QFETCH(Drive, drive);
        start();
        drive(*this, QStringLiteral("Plan Li"));
        const int ordinaryTurns = settle();
        const QMap<QString, QSize> ordinary = windowSizes();
        stop();
        QVERIFY(!QTest::currentTestFailed() && !ordinary.isEmpty());
        for (const Hostile& hostile : hostileTexts()) {
            start();
            drive(*this, hostile.text);
            verifyWindows(ordinary, ordinaryTurns, hostile.name);
            stop();
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_MAIN(tst_HostileTexts)
#include "tst_HostileTexts.moc"
