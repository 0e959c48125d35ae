#pragma once

#include "support/BusinessFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

// Shorthands shared by the call window tests: a test class derives from it next to QObject.
struct CallTestSupport
{
    static VoipView* voip() { return BusinessFixture::business()->getVoipView(); }
    static CommandJournal* journal() { return BusinessFixture::journal(); }
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
    template<typename T = QWidget> static T* child(const QObject* root, const char* name)
    {
        return root->findChild<T*>(QLatin1String(name));
    }
    static void click(const QObject* root, const char* name) { child<QAbstractButton>(root, name)->click(); }
    template<typename T> static QList<T*> visibleWindows()
    {
        QList<T*> out;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* t = qobject_cast<T*>(top); t && t->isVisible())
                out << t;
        }
        return out;
    }
    // Fresh views, "wang.lei" logged in, "bob.li" (Bob Li) in the directory.
    static void resetWithUsers()
    {
        BusinessFixture::reset();
        BusinessFixture::setCurrentUser(QStringLiteral("wang.lei"), QStringLiteral("Wang Lei"));
        BusinessFixture::business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
    }
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
