#pragma once

#include "call/BottomTipWidget.h"
#include "customui/KPTitleBar.h"
#include "customui/KpMsgBox.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>

// Shorthands of the facade's suites: the business stand-in they start from,
// and what the process-wide bottom notification shows.
namespace FacadeTest {

// Fresh views and journal; the user "me", and bob (with a number) and eve in the directory.
inline void resetBusiness()
{
    BusinessFixture::reset();
    BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me Myself"));
    auto* book = BusinessFixture::business()->getAddressBookView();
    book->addPerson(BusinessFixture::makePerson(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("1391")));
    book->addPerson(BusinessFixture::makePerson(QStringLiteral("eve"), QStringLiteral("Eve")));
    BusinessFixture::journal()->clear();
}

// The notification outlives every test: each one leaves it closed and empty.
inline void resetBottomTip()
{
    BottomTipWidget::instance()->setMessageType(BottomTipWidget::BottomTip_None);
    BottomTipWidget::instance()->closeWidget(); // stops the time-out the type started
    BottomTipWidget::instance()->clearData();
}

constexpr auto tip = &BottomTipWidget::instance;

inline QString tipTitle()
{
    return TestWindows::child<KPTitleBar>(tip(), "widget_title")->title();
}

inline QString tipText()
{
    return TestWindows::child<QLabel>(tip(), "tipTextLabel")->text();
}

// The text of the message box on screen; empty when none is shown.
inline QString boxText()
{
    KpMsgBox* box = TestWindows::visibleWindow<KpMsgBox>();
    return box ? box->messageText() : QString();
}

inline ConferenceBriefInfo brief(const QString& confId, const QString& extension = QString())
{
    ConferenceBriefInfo info;
    info.confId = confId;
    info.subject = QStringLiteral("Plan");
    info.hostAccount = QStringLiteral("bob");
    info.extension = extension;
    return info;
}

// An incoming call from bob.
inline Agent_VoIPComingInfo coming(int callType, const QString& callId)
{
    Agent_VoIPComingInfo info;
    info.callType = callType;
    info.callId = callId;
    info.callerAccount = QStringLiteral("bob");
    return info;
}

// A call event from the business library about the call `callId` to `callee`.
inline Agent_VoIPCallMsg callEvent(int code, const QString& callee, const QString& callId, int type = VOIP_CALL_VOICE)
{
    Agent_VoIPCallMsg msg;
    msg.eventCode = code;
    msg.callType = type;
    msg.calleeAccount = callee;
    msg.callId = callId;
    return msg;
}

// A Vidyo message from `account`; callKind "0" is a video call, "1" a video meeting.
inline VidyoJsonTransferData vidyoFrom(const QString& account, const QString& callKind = QString())
{
    VidyoJsonTransferData data;
    data.callKind = callKind;
    data.fromAccount = account;
    return data;
}

// An invitation to `confId` closed on another device: answered there, or refused with result "107781".
inline Agent_ConfNtyMsg closedElsewhere(const QString& confId, const QString& result = QString())
{
    Agent_ConfNtyMsg msg;
    msg.confId = confId;
    msg.result = result;
    return msg;
}

inline QString groupExtension()
{
    return QStringLiteral("{\"groupId\":\"g-1\"}");
}

} // namespace FacadeTest
