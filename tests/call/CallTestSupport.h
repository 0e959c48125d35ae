#pragma once

#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

// Call shorthands of the call window suites, next to the fixture's: a test class derives from it next to QObject.
struct CallTestSupport : BusinessFixture
{
    static int count(const char* op) { return journal()->count(QLatin1String(op)); }
    static JournalEntry last(const char* op) { return journal()->last(QLatin1String(op)); }
    // Argument `arg` of every `op` entry, oldest first.
    static QVariantList argsOf(const char* op, int arg)
    {
        QVariantList out;
        for (const JournalEntry& e : journal()->entries(QLatin1String(op)))
            out << e.args.value(arg);
        return out;
    }
    // Fresh views, "wang.lei" logged in, "bob.li" (Bob Li) in the directory.
    static void resetWithUsers()
    {
        reset();
        setCurrentUser(QStringLiteral("wang.lei"), QStringLiteral("Wang Lei"));
        business()->getAddressBookView()->addPerson(makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
    }
    // Call "call-1" from wang.lei to bob.li unless said otherwise.
    static Agent_VoIPCallMsg callMsg(int event, int type, int mediaConnected = 0,
        const QString& caller = QStringLiteral("wang.lei"), const QString& callee = QStringLiteral("bob.li"))
    {
        Agent_VoIPCallMsg msg;
        msg.eventCode = event;
        msg.callType = type;
        msg.callId = QStringLiteral("call-1");
        msg.callerAccount = caller;
        msg.calleeAccount = callee;
        msg.mediaConnected = mediaConnected;
        return msg;
    }
};
