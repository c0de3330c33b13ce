#include "common/logic/EndingMessages.h"

#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"

#include <QObject>
#include <gtest/gtest.h>
#include <optional>

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
    std::optional<MessageBoxes::Answer> answer;
    messages.ask(QStringLiteral("Delete?"), false, [&](MessageBoxes::Answer a) { answer = a; });
    EXPECT_EQ(answer, MessageBoxes::Answer::Yes);
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("Unable to write to /d/PM.INI"), QStringLiteral("Delete?")}));
    EXPECT_TRUE(notifications.notes.isEmpty());

    messages.endWithoutWaiting();
    messages.error(QStringLiteral("Unable to write to /d/PM.INI"));
    messages.notice(QStringLiteral("Sorry. Can not save data from To-Do list."));
    boxes.answers << MessageBoxes::Answer::Yes;
    messages.ask(QStringLiteral("Delete?"), true, [&](MessageBoxes::Answer a) { answer = a; });
    EXPECT_EQ(answer, MessageBoxes::Answer::No);
    EXPECT_EQ(boxes.shown.size(), 2);
    ASSERT_EQ(notifications.notes.size(), 2);
    EXPECT_EQ(notifications.notes[0].title, QStringLiteral("Veltrano"));
    EXPECT_EQ(notifications.notes[0].text, QStringLiteral("Unable to write to /d/PM.INI"));
    EXPECT_EQ(notifications.notes[1].text, QStringLiteral("Sorry. Can not save data from To-Do list."));
}

// A window's boxes follow the program's ending too, and go with the window.
TEST(EndingMessages, EachWindowsBoxesEndWithTheProgramsAndGoWithTheWindow)
{
    FakeMessageBoxes boxes;
    FakeNotifications notifications;
    EndingMessages messages(boxes, notifications);
    auto window = std::make_unique<QObject>();
    MessageBoxes &aboutWindow = messages.about(window.get());
    EXPECT_EQ(&messages.about(window.get()), &aboutWindow);
    EXPECT_EQ(&messages.about(nullptr), &messages);
    aboutWindow.notice(QStringLiteral("one"));
    messages.endWithoutWaiting();
    aboutWindow.notice(QStringLiteral("two"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("one")});
    ASSERT_EQ(notifications.notes.size(), 1);
    EXPECT_EQ(notifications.notes[0].text, QStringLiteral("two"));
    window.reset(); // its boxes go; a window made later may reuse the address
    auto other = std::make_unique<QObject>();
    other->setObjectName(QStringLiteral("other"));
    MessageBoxes &aboutOther = messages.about(other.get());
    aboutOther.notice(QStringLiteral("three"));
    EXPECT_EQ(notifications.notes.size(), 2);
}
