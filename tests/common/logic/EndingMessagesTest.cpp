#include "common/logic/EndingMessages.h"

#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"

#include <gtest/gtest.h>

using namespace veltrano;
using veltrano::test::FakeMessageBoxes;

// Until the system asks the program to end, messages are boxes; after, a
// refused write at shutdown reaches the desktop's notifications, no box waits
// for a user who has logged out, and no question acts unanswered.
TEST(EndingMessages, BoxesUntilTheSystemEndsTheProgramThenNotificationsAndNoQuestions)
{
    FakeMessageBoxes boxes;
    FakeNotifications notifications;
    EndingMessages messages(boxes, notifications);
    messages.error(QStringLiteral("Unable to write to /d/PM.INI"));
    boxes.answers << MessageBoxes::Answer::Yes;
    EXPECT_EQ(messages.ask(QStringLiteral("Delete?"), false), MessageBoxes::Answer::Yes);
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("Unable to write to /d/PM.INI"), QStringLiteral("Delete?")}));
    EXPECT_TRUE(notifications.notes.isEmpty());

    messages.endWithoutWaiting();
    messages.error(QStringLiteral("Unable to write to /d/PM.INI"));
    messages.notice(QStringLiteral("Sorry. Can not save data from To-Do list."));
    boxes.answers << MessageBoxes::Answer::Yes;
    EXPECT_EQ(messages.ask(QStringLiteral("Delete?"), true), MessageBoxes::Answer::No);
    EXPECT_EQ(boxes.shown.size(), 2);
    ASSERT_EQ(notifications.notes.size(), 2);
    EXPECT_EQ(notifications.notes[0].title, QStringLiteral("Veltrano"));
    EXPECT_EQ(notifications.notes[0].text, QStringLiteral("Unable to write to /d/PM.INI"));
    EXPECT_EQ(notifications.notes[1].text, QStringLiteral("Sorry. Can not save data from To-Do list."));
}
