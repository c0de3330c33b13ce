#include "todo/ui/ToDoItemEditor.h"

#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"
#include "support/TempFolder.h"
#include "todo/logic/ToDoListModel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class RedactorTest : public ::testing::Test {
protected:
    RedactorTest()
    {
        data.write(QStringLiteral("list.todo"), "0Open item\r\n1Done item\r\n");
        list.LoadToDoFile();
    }
    QLineEdit *edit() const { return redactor.findChild<QLineEdit *>(QStringLiteral("Edit")); }
    QPushButton *change() const { return redactor.findChild<QPushButton *>(QStringLiteral("Button")); }
    void open(int index)
    {
        redactor.editItem(index);
        redactor.show();
    }
    QByteArray file() const { return data.read(QStringLiteral("list.todo")); }

    TempFolder data;
    FakeFileSystem files;
    Utf8SystemCodec codec{TextEncoding::Windows1251, false};
    FakeMessageBoxes messages;
    ToDoListModel list{files, codec, data.path(), [](const IoStatus &) {}};
    ToDoItemEditor redactor{messages, list};
};

TEST_F(RedactorTest, ChangingTheTextKeepsTheDoneMarkAndThePlace)
{
    EXPECT_EQ(redactor.windowTitle(), u"To-Do Redactor");
    EXPECT_EQ(redactor.size(), QSize(457, 73));
    open(1);
    EXPECT_EQ(edit()->text(), u"Done item");
    edit()->setText(QStringLiteral("Done, and renamed"));
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_FALSE(redactor.isVisible());
    EXPECT_EQ(list.items().at(1), (ToDoItem{QStringLiteral("Done, and renamed"), true}));
    EXPECT_EQ(file(), "0Open item\r\n1Done, and renamed\r\n");
}

// An item longer than an edit field's default limit (32,767 characters) was
// cut to it on opening, and the key typed at its end was dropped.
TEST_F(RedactorTest, AnItemOfAnyLengthKeepsEveryCharacterThroughAnEdit)
{
    const QString longText = QString(40000, u'x') + QStringLiteral("end");
    list.ReplaceToDoText(0, longText);
    open(0);
    EXPECT_EQ(edit()->text(), longText);
    edit()->end(false);
    QTest::keyClicks(edit(), QStringLiteral("!"));
    change()->click();
    EXPECT_EQ(list.items().at(0).text, longText + u'!');
    EXPECT_EQ(file(), "0" + longText.toLatin1() + "!\r\n1Done item\r\n");
}

TEST_F(RedactorTest, EnterOnTheButtonOrTheDialogChangesEscInTheEditDoesNot)
{
    open(0);
    edit()->setText(QStringLiteral("edited, then thought better of"));
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_FALSE(redactor.isVisible());
    EXPECT_EQ(list.items().at(0).text, u"Open item");

    open(0);
    edit()->setText(QStringLiteral("by the button"));
    QTest::keyClick(change(), Qt::Key_Return);
    EXPECT_EQ(list.items().at(0).text, u"by the button");
    open(0);
    edit()->setText(QStringLiteral("by the dialog"));
    QTest::keyClick(&redactor, Qt::Key_Enter);
    EXPECT_EQ(list.items().at(0).text, u"by the dialog");
    open(0);
    redactor.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    EXPECT_FALSE(redactor.isVisible());
}

TEST_F(RedactorTest, EmptiedItemStaysListedButLeavesTheFile)
{
    open(0);
    edit()->clear();
    change()->click();
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(list.items().at(0).text.isEmpty());
    EXPECT_EQ(file(), "1Done item\r\n");
}

TEST_F(RedactorTest, WithoutAnItemItSaysSoAndCannotChange)
{
    open(-1);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("To-Do Item not selected")});
    EXPECT_FALSE(change()->isEnabled());
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(file(), "0Open item\r\n1Done item\r\n");
    redactor.hide();
    open(5); // an index the list no longer has
    EXPECT_EQ(messages.shown.size(), 2);
    redactor.hide();
    open(0);
    EXPECT_TRUE(change()->isEnabled());
}

// A text longer than the edit opens at its start, where it can be read on,
// not scrolled to its end.
TEST_F(RedactorTest, LongTextOpensAtItsStart)
{
    const QString longText = QStringLiteral("Start here, ") + QString(300, u'x') + QStringLiteral(" the end");
    list.ReplaceToDoText(0, longText);
    open(0);
    edit()->grab(); // laid out and scrolled as it is drawn
    EXPECT_EQ(edit()->text(), longText);
    EXPECT_EQ(edit()->cursorPosition(), 0);
    EXPECT_LT(edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), edit()->width() / 4);
    EXPECT_TRUE(edit()->selectedText().isEmpty());
}

} // namespace
