// Boxes on screen: they open above the window they are about, stay above a
// window of ours kept on top, show names as plain text, and never wait in an
// event loop of their own.
#include "common/ui/QtMessageBoxes.h"

#include "common/ui/WindowGeometry.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
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

struct BoxesTest : ::testing::Test {
    ~BoxesTest() override
    {
        while (QMessageBox *box = openBox())
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
    ASSERT_NE(openBox(), nullptr);
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
    openBox()->button(QMessageBox::Cancel)->click();
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
    ASSERT_NE(openBox(), nullptr);
    EXPECT_EQ(openBox()->parentWidget(), &other);
}
