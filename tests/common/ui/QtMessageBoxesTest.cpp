// Boxes on screen: they open above the window they are about, stay above a
// window of ours kept on top, show names as plain text, and never wait in an
// event loop of their own.
#include "common/ui/QtMessageBoxes.h"

#include "common/ui/WindowGeometry.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

using namespace veltrano;

namespace {

QMessageBox *openBox()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// The next box opens once the one before has gone.
QMessageBox *nextBox()
{
    // None after the wait is the caller's failure to report.
    (void)QTest::qWaitFor([] { return openBox() != nullptr; }, 2000);
    return openBox();
}

int openBoxes()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += qobject_cast<QMessageBox *>(window) && window->isVisible();
    return count;
}

struct BoxesTest : ::testing::Test {
    ~BoxesTest() override
    {
        while (QMessageBox *box = nextBox())
            box->close();
    }
    QtMessageBoxes boxes;
};

} // namespace

TEST_F(BoxesTest, ABoxAboutAWindowIsItsChildAndAboveAClockKeptOnTop)
{
    QWidget main;
    main.show();
    QWidget clock;
    clock.show();
    SetStaysOnTop(clock, true);
    boxes.about(&main).notice(QStringLiteral("Sorry, program can not find file : a.wav"));
    QMessageBox *box = openBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), &main);
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    box->close();

    // With nothing of ours on top, a box keeps its normal rank.
    SetStaysOnTop(clock, false);
    boxes.about(&main).notice(QStringLiteral("again"));
    ASSERT_NE(nextBox(), nullptr);
    EXPECT_FALSE(openBox()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(BoxesTest, NamesFromTheDiskAreShownAsTheyAre)
{
    boxes.notice(QStringLiteral("<b>x</b> already exists"));
    ASSERT_NE(openBox(), nullptr);
    EXPECT_EQ(openBox()->textFormat(), Qt::PlainText);
}

// The call returns at once; the answer comes when the user has chosen.
TEST_F(BoxesTest, AQuestionAnswersWhenChosenWithoutWaiting)
{
    std::optional<MessageBoxes::Answer> answer;
    boxes.ask(QStringLiteral("Clear note?"), true, [&](MessageBoxes::Answer a) { answer = a; });
    EXPECT_FALSE(answer);
    QMessageBox *box = openBox();
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Yes)->click();
    EXPECT_EQ(answer, MessageBoxes::Answer::Yes);
    boxes.ask(QStringLiteral("Clear note?"), true, [&](MessageBoxes::Answer a) { answer = a; });
    nextBox()->button(QMessageBox::Cancel)->click();
    EXPECT_EQ(answer, MessageBoxes::Answer::Cancel);
}

// A window that goes takes its boxes' owner with it; a later one is new.
TEST_F(BoxesTest, EachWindowHasItsOwnBoxes)
{
    auto window = std::make_unique<QWidget>();
    MessageBoxes &about = boxes.about(window.get());
    EXPECT_EQ(&boxes.about(window.get()), &about);
    EXPECT_EQ(&boxes.about(nullptr), &boxes);
    window.reset();
    QWidget other;
    boxes.about(&other).notice(QStringLiteral("x"));
    ASSERT_NE(nextBox(), nullptr);
    EXPECT_EQ(openBox()->parentWidget(), &other);
}

// Boxes come one after another, never stacked: the one asked for while
// another is open waits for it, whoever's window it is about.
TEST_F(BoxesTest, OneBoxAtATime)
{
    QWidget window;
    boxes.notice(QStringLiteral("first"));
    boxes.about(&window).error(QStringLiteral("second"));
    EXPECT_EQ(openBoxes(), 1);
    EXPECT_EQ(openBox()->text(), QStringLiteral("first"));
    openBox()->close();
    ASSERT_TRUE(QTest::qWaitFor([] { return openBox() && openBox()->text() == QStringLiteral("second"); }, 2000));
    EXPECT_EQ(openBoxes(), 1);
    EXPECT_EQ(openBox()->parentWidget(), &window);
}
