#pragma once

#include "business/KP_BusinessView.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"
#include "vidyo/VidyoBottomOneWidget.h"

#include <QTest>

// Shorthands of the Vidyo suites: the room of the user "me" with bob and eve, and presses on the bottom toggles.
namespace VidyoTest {

inline constexpr auto vidyo = &BusinessFixture::vidyo;

// Fresh views and journal; "me" (allowed whiteboards) in a room with bob and eve.
inline void resetRoom()
{
    BusinessFixture::reset();
    BusinessFixture::setCurrentUser(QStringLiteral("me"), QStringLiteral("Me Myself"));
    BusinessFixture::business()->getUserInfoView()->state().authorities.insert(USER_AUTHORITY_WHITEBOARD);
    auto& room = vidyo()->state().invitedPersons;
    for (const auto& person : { BusinessFixture::makePerson(QStringLiteral("me"), QStringLiteral("Me Myself")),
             BusinessFixture::makePerson(QStringLiteral("bob"), QStringLiteral("Bob")),
             BusinessFixture::makePerson(QStringLiteral("eve"), QStringLiteral("Eve")) })
        room.insert(person->account(), person);
    BusinessFixture::journal()->clear();
}

inline void press(const QObject* root, const char* toggle)
{
    QTest::mouseClick(TestWindows::child<VidyoBottomOneWidget>(root, toggle), Qt::LeftButton);
}

inline int kindOf(const QObject* root, const char* toggle)
{
    return TestWindows::child<VidyoBottomOneWidget>(root, toggle)->kind();
}

} // namespace VidyoTest
