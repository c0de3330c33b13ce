// Every change of the list reaches "list.todo" at once; a failing disk is
// reported once and the save is tried again at the next change.
#include "todo/logic/ToDoListModel.h"

#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace veltrano;
using test::TempFolder;

namespace {

class ToDoListModelTest : public ::testing::Test {
protected:
    TempFolder data;
    FakeFileSystem files;
    Utf8SystemCodec codec{TextEncoding::Windows1251, false};
    int reports = 0;
    ToDoListModel list{files, codec, data.path(), [this](const IoStatus &) { ++reports; }};

    QByteArray file() const { return data.read(QStringLiteral("list.todo")); }
    void load(const QByteArray &bytes)
    {
        data.write(QStringLiteral("list.todo"), bytes);
        list.LoadToDoFile();
    }
};

TEST_F(ToDoListModelTest, EveryKindOfChangeIsOnDiskRightAfterIt)
{
    list.AppendToDoItem(QStringLiteral("A"));
    EXPECT_EQ(file(), "0A\r\n");
    list.AppendToDoItem(QStringLiteral("B"));
    list.AppendToDoItem(QStringLiteral("C"));
    list.setDone(1, true);
    EXPECT_EQ(file(), "0A\r\n1B\r\n0C\r\n");
    list.ReplaceToDoText(1, QStringLiteral("B2"));
    EXPECT_EQ(file(), "0A\r\n1B2\r\n0C\r\n");
    list.DeleteToDoItem(0);
    EXPECT_EQ(file(), "1B2\r\n0C\r\n");
    list.ClearDoneItems();
    EXPECT_EQ(file(), "0C\r\n");
    list.ClearAllItems();
    EXPECT_EQ(file(), "");
    EXPECT_EQ(reports, 0);
}

TEST_F(ToDoListModelTest, TheCheckMarkIsTheDoneFlagAndTickingSaves)
{
    load("0A\r\n1B\r\n");
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.data(list.index(1), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(list.data(list.index(0), Qt::DisplayRole).toString(), u"A");
    EXPECT_TRUE(list.flags(list.index(0)) & Qt::ItemIsUserCheckable);
    const int writesBefore = files.replaceCount;
    EXPECT_TRUE(list.setData(list.index(0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(file(), "1A\r\n1B\r\n");
    EXPECT_FALSE(list.setData(list.index(0), QStringLiteral("x"), Qt::EditRole)); // text only through the editor
    EXPECT_EQ(files.replaceCount, writesBefore + 1);
}

TEST_F(ToDoListModelTest, FailingDiskIsReportedOnceAndTheNextChangeSavesEverything)
{
    load("0Old\r\n");
    files.diskFull = true;
    list.AppendToDoItem(QStringLiteral("one"));
    list.AppendToDoItem(QStringLiteral("two"));
    list.setDone(0, true);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(file(), "0Old\r\n"); // the old file is whole
    files.diskFull = false;
    list.AppendToDoItem(QStringLiteral("three"));
    EXPECT_EQ(file(), "1Old\r\n0one\r\n0two\r\n0three\r\n");
    // A new failure after a success is news again.
    files.diskFull = true;
    list.DeleteToDoItem(3);
    EXPECT_EQ(reports, 2);
    EXPECT_FALSE(list.SaveToDoFile()); // the save at exit: its caller tells the user
    EXPECT_EQ(reports, 2);
}

TEST_F(ToDoListModelTest, EmptiedItemStaysOnScreenUntilTheSaveAtExit)
{
    load("0A\r\n1B\r\n");
    list.ReplaceToDoText(1, QString());
    EXPECT_EQ(file(), "0A\r\n");
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(list.SaveToDoFile());
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(file(), "0A\r\n");
}

// A list that is there but could not be read is the user's list all the
// same: a session's items must not replace it.
TEST_F(ToDoListModelTest, UnreadableListIsNeverOverwritten)
{
    data.write(QStringLiteral("list.todo"), "0Years of items\r\n");
    files.unreadable.insert(list.filePath());
    list.LoadToDoFile();
    EXPECT_EQ(list.count(), 0);
    list.AppendToDoItem(QStringLiteral("new"));
    EXPECT_FALSE(list.SaveToDoFile());
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(file(), "0Years of items\r\n");
}

TEST_F(ToDoListModelTest, StaleIndexesChangeNothingAndWriteNothing)
{
    load("0A\r\n");
    const int writesBefore = files.replaceCount;
    EXPECT_FALSE(list.DeleteToDoItem(1));
    EXPECT_FALSE(list.ReplaceToDoText(-1, QStringLiteral("x")));
    EXPECT_FALSE(list.setDone(3, true));
    EXPECT_EQ(files.replaceCount, writesBefore);
    EXPECT_EQ(list.count(), 1);
}

} // namespace
