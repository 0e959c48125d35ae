// One call and one invitation driven with the keyboard alone, through the facade as
// the client builds it: Tab moves to a control, Space presses it.

#include "facade/KP_MediaConfUI.h"

#include "call/VideoCall.h"
#include "call/VoiceCall.h"
#include "call/VoipCallIncoming.h"
#include "facade/FacadeTestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

using namespace FacadeTest;
using TestWindows::visibleWindow;

namespace {

constexpr auto voip = &BusinessFixture::voip;

// The keys go where the window's keyboard focus is, as they do for a user.
void press(QWidget* window, Qt::Key key)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key);
}

// Tabs through the window until the control `name` has the focus; false when a
// whole round of the focus chain never reaches it.
bool tabTo(QWidget* window, const char* name)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    for (int presses = 0; presses < 30; ++presses) {
        const QWidget* focus = window->focusWidget();
        if (focus && focus->objectName() == QLatin1String(name))
            return true;
        press(window, Qt::Key_Tab);
    }
    return false;
}

bool pressControl(QWidget* window, const char* name)
{
    if (!window || !tabTo(window, name))
        return false;
    press(window, Qt::Key_Space);
    return true;
}

} // namespace

class tst_KeyboardDrive : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetBusiness();
        m_ui = std::make_unique<KP_MediaConfUI>();
        BusinessFixture::journal()->clear();
    }
    void cleanup()
    {
        m_ui.reset();
        resetBottomTip();
        KP_VERIFY_NO_WINDOW_LEFT(BottomTipWidget::instance());
    }

    void voiceCallAnsweredMutedAndHungUp()
    {
        emit voip()->sig_CallIncoming(coming(VOIP_CALL_VOICE, QStringLiteral("in-1")));
        auto* incoming = visibleWindow<VoipCallIncoming>();
        QVERIFY(incoming);
        press(incoming, Qt::Key_Escape); // a stray Escape neither hides nor answers a ringing call
        QVERIFY(incoming->isVisible());
        QVERIFY(pressControl(incoming, "pushButton_accept"));
        QTRY_VERIFY(!visibleWindow<VoipCallIncoming>());

        auto* call = visibleWindow<VoiceCall>();
        QVERIFY2(call, qPrintable(BusinessFixture::journalCalls().join(QLatin1Char(' '))));
        emit voip()->sig_CallEvents(
            BusinessReason::Success, callEvent(VOIP_EVENT_ANSWERED, QStringLiteral("me"), QStringLiteral("in-1")));

        BusinessFixture::journal()->clear();
        QVERIFY(pressControl(call, "pushButton_mic"));
        QCOMPARE(BusinessFixture::journalOps().count(QStringLiteral("GetMuteStatus")), 1);
        emit voip()->sig_onGetMuteStatus(false);
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("SetMute")), QStringLiteral("true"));

        QVERIFY(pressControl(call, "pushButton_release_call"));
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("ReleaseCall")), 1);
        const JournalEntry released = BusinessFixture::journal()->last(QStringLiteral("ReleaseCall"));
        QCOMPARE(released.args.value(0).value<Agent_VoIPCallMsg>().callId, QStringLiteral("in-1"));
        BusinessFixture::flushDeletes();
        QTRY_VERIFY(!visibleWindow<VoiceCall>());
    }

    void invitationAcceptedOrIgnored()
    {
        UnifiedConferenceView* conference = BusinessFixture::business()->getUnifiedConferenceView();
        emit conference->sig_onInviteNormalConference(brief(QStringLiteral("c-1")), QStringLiteral("bob"));
        QVERIFY(tip()->isVisible());
        QVERIFY(pressControl(tip(), "okBtn"));
        QCOMPARE(BusinessFixture::lastArgs(QStringLiteral("joinConference")), QStringLiteral("c-1||128|1|1|0|"));
        QVERIFY(!tip()->isVisible());

        BusinessFixture::journal()->clear();
        emit conference->sig_onInviteNormalConference(brief(QStringLiteral("c-2")), QStringLiteral("bob"));
        QVERIFY(pressControl(tip(), "cancelBtn"));
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("joinConference")), 0);
        QCOMPARE(BusinessFixture::journal()->count(QStringLiteral("resetInviteConfId")), 1);
        QVERIFY(!tip()->isVisible());
    }

    void videoCallToolbarIsReachedByF6()
    {
        emit voip()->sig_AcceptCallIncoming(coming(VOIP_CALL_VIDEO, QStringLiteral("v-1")));
        auto* call = visibleWindow<VideoCall>();
        QVERIFY(call);
        QWidget* bar = TestWindows::child<QPushButton>(call, "btn_audio")->window();
        QVERIFY(bar != call && bar->isVisible()); // floats over the video as a window of its own
        call->activateWindow();
        QApplication::setActiveWindow(call);
        press(call, Qt::Key_F6);
        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == bar);

        QVERIFY(tabTo(bar, "btn_reject")); // Tab goes round the toolbar's buttons
        press(bar, Qt::Key_F6);
        QTRY_COMPARE(QApplication::activeWindow(), call);
    }

private:
    std::unique_ptr<KP_MediaConfUI> m_ui;
};

QTEST_MAIN(tst_KeyboardDrive)
#include "tst_KeyboardDrive.moc"
