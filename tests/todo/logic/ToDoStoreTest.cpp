#include "platform/qt/Utf8SystemCodec.h"
#include "todo/logic/ToDoStore.h"

#include "common/logic/LineFiles.h"
#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace veltrano;
using test::TempFolder;

namespace {

class ToDoStoreTest : public ::testing::Test {
protected:
    TempFolder data;
    FakeFileSystem files;
    Utf8SystemCodec codec{TextEncoding::Windows1251, false};
    ToDoStore store{files, codec, data.path()};

    QList<ToDoItem> loadFrom(const QByteArray &bytes)
    {
        data.write(QStringLiteral("list.todo"), bytes);
        store.LoadToDoFile();
        return store.items();
    }
    QByteArray saved()
    {
        EXPECT_TRUE(store.SaveToDoFile());
        return data.read(QStringLiteral("list.todo"));
    }
};

TEST_F(ToDoStoreTest, SavesStateDigitTextAndCrLfPerItem)
{
    store.AppendToDoItem(QStringLiteral("Buy milk"));
    store.AppendToDoItem(QStringLiteral("Pay rent"));
    store.setDone(1, true);
    const QByteArray bytes = saved();
    EXPECT_EQ(bytes, QByteArray("0Buy milk\r\n1Pay rent\r\n"));
    EXPECT_EQ(bytes.size(), 22);
    EXPECT_EQ(files.replaceCount, 1);
}

TEST_F(ToDoStoreTest, EmptyListIsAnEmptyFileBothWays)
{
    EXPECT_EQ(saved(), QByteArray());
    EXPECT_TRUE(QFileInfo::exists(store.filePath()));
    EXPECT_TRUE(loadFrom(QByteArray()).isEmpty());
}

TEST_F(ToDoStoreTest, BlankLinesAreSkippedAndNotWrittenBack)
{
    const QList<ToDoItem> items = loadFrom("\r\n0A\r\n\r\n\n1B\r\n\r\n");
    EXPECT_EQ(items, (QList<ToDoItem>{{QStringLiteral("A"), false}, {QStringLiteral("B"), true}}));
    EXPECT_EQ(saved(), QByteArray("0A\r\n1B\r\n"));
}

TEST_F(ToDoStoreTest, AnyNonZeroDigitReadsAsDoneAndIsWrittenAsOne)
{
    EXPECT_EQ(loadFrom("7Water plants\r\n"), (QList<ToDoItem>{{QStringLiteral("Water plants"), true}}));
    EXPECT_EQ(saved(), QByteArray("1Water plants\r\n"));
}

TEST_F(ToDoStoreTest, DigitAloneIsAnEmptyDoneItemDroppedAtSave)
{
    EXPECT_EQ(loadFrom("1\r\n0Keep\r\n"),
              (QList<ToDoItem>{{QString(), true}, {QStringLiteral("Keep"), false}}));
    EXPECT_EQ(store.counts().total, 2);
    EXPECT_EQ(saved(), QByteArray("0Keep\r\n"));
    EXPECT_EQ(store.items().size(), 1);
}

TEST_F(ToDoStoreTest, LfOnlyCrOnlyAndMissingFinalBreakReadAlike)
{
    const QList<ToDoItem> expected{{QStringLiteral("A"), false}, {QStringLiteral("B"), true}};
    EXPECT_EQ(loadFrom("0A\r\n1B\r\n"), expected);
    EXPECT_EQ(loadFrom("0A\n1B\n"), expected);
    EXPECT_EQ(loadFrom("0A\r1B"), expected);
    EXPECT_EQ(loadFrom("0A\r\n1B"), expected);
}

TEST_F(ToDoStoreTest, SpacesAroundTheTextSurvive)
{
    store.AppendToDoItem(QStringLiteral("  two in front, one behind "));
    saved();
    store.LoadToDoFile();
    ASSERT_EQ(store.items().size(), 1);
    EXPECT_EQ(store.items().at(0).text, u"  two in front, one behind ");
}

TEST_F(ToDoStoreTest, LineWithoutStateDigitIsKeptWholeAsAnOpenItem)
{
    const QList<ToDoItem> items = loadFrom(" 1 space first\r\nNote to self\r\n1Done\r\n\r\n0Open\r\n");
    EXPECT_EQ(items, (QList<ToDoItem>{{QStringLiteral(" 1 space first"), false},
                                      {QStringLiteral("Note to self"), false},
                                      {QStringLiteral("Done"), true},
                                      {QStringLiteral("Open"), false}}));
    EXPECT_EQ(saved(), QByteArray("0 1 space first\r\n0Note to self\r\n1Done\r\n0Open\r\n"));
}

TEST_F(ToDoStoreTest, MissingOrUnreadableFileGivesAnEmptyList)
{
    store.AppendToDoItem(QStringLiteral("stale"));
    store.LoadToDoFile();
    EXPECT_TRUE(store.items().isEmpty());
    QDir().mkpath(store.filePath()); // a folder in its place cannot be read
    store.LoadToDoFile();
    EXPECT_TRUE(store.items().isEmpty());
}

TEST_F(ToDoStoreTest, RefusedSaveIsReportedAndLeavesTheFile)
{
    loadFrom("0Old\r\n");
    store.AppendToDoItem(QStringLiteral("New"));
    files.diskFull = true;
    EXPECT_FALSE(store.SaveToDoFile());
    EXPECT_EQ(data.read(QStringLiteral("list.todo")), QByteArray("0Old\r\n"));
}

TEST_F(ToDoStoreTest, LegacyCodePageFileIsWrittenBackInIt)
{
    const QByteArray cp1251("0\xCA\xF3\xEF\xE8\xF2\xFC \xF5\xEB\xE5\xE1\r\n"); // "Купить хлеб"
    const QList<ToDoItem> items = loadFrom(cp1251);
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.at(0).text, u"Купить хлеб");
    EXPECT_EQ(saved(), cp1251);
}

TEST_F(ToDoStoreTest, LineBreaksInAnItemTextCannotSplitIt)
{
    store.AppendToDoItem(QStringLiteral("first\r\n1second\nthird"));
    EXPECT_EQ(saved(), QByteArray("0first 1second third\r\n"));
    store.ReplaceToDoText(0, QStringLiteral("a\rb"));
    EXPECT_EQ(store.items().at(0).text, u"a b");
}

TEST_F(ToDoStoreTest, ReplaceKeepsDoneFlagAndPosition)
{
    loadFrom("0A\r\n1B\r\n0C\r\n");
    store.ReplaceToDoText(1, QStringLiteral("B2"));
    EXPECT_EQ(store.items().at(1), (ToDoItem{QStringLiteral("B2"), true}));
    store.ReplaceToDoText(0, QString());
    EXPECT_EQ(saved(), QByteArray("1B2\r\n0C\r\n"));
}

TEST_F(ToDoStoreTest, StaleIndexChangesNothing)
{
    loadFrom("0A\r\n1B\r\n");
    EXPECT_FALSE(store.ReplaceToDoText(-1, QStringLiteral("x")));
    EXPECT_FALSE(store.ReplaceToDoText(2, QStringLiteral("x")));
    EXPECT_FALSE(store.DeleteToDoItem(2));
    EXPECT_FALSE(store.setDone(5, true));
    EXPECT_EQ(store.items(), (QList<ToDoItem>{{QStringLiteral("A"), false}, {QStringLiteral("B"), true}}));
}

TEST_F(ToDoStoreTest, ClearDoneKeepsOpenItemsInOrderAndCountsFollow)
{
    loadFrom("0A\r\n1B\r\n1C\r\n0D\r\n");
    const ToDoCounts before = store.counts();
    EXPECT_EQ(before.total, 4);
    EXPECT_EQ(before.done, 2);
    EXPECT_EQ(before.open, 2);
    store.ClearDoneItems();
    EXPECT_EQ(store.items(), (QList<ToDoItem>{{QStringLiteral("A"), false}, {QStringLiteral("D"), false}}));
    store.DeleteToDoItem(0);
    EXPECT_EQ(store.items(), (QList<ToDoItem>{{QStringLiteral("D"), false}}));
    store.ClearAllItems();
    EXPECT_EQ(store.counts().total, 0);
}

class ToDoArchiveTest : public ToDoStoreTest {
protected:
    TempFolder current;
    QString archive(int n) const { return u"todoes/To-Do List " + QString::number(n) + u".todo"; }
};

TEST_F(ToDoArchiveTest, WritesTextsWithoutStateDigitsAndEmptiesTheList)
{
    QDir().mkpath(current.file(QStringLiteral("todoes")));
    loadFrom("0A\r\n1B\r\n");
    store.AppendToDoItem(QString());
    EXPECT_EQ(store.ArchiveToDoList(current.path().chopped(1)), std::nullopt);
    EXPECT_EQ(current.read(archive(1)), QByteArray("A\r\nB\r\n\r\n"));
    EXPECT_TRUE(store.items().isEmpty());
    EXPECT_EQ(data.read(QStringLiteral("list.todo")), QByteArray("0A\r\n1B\r\n"));
}

TEST_F(ToDoArchiveTest, FirstTextStartingWithAMarkCharacterIsNotTakenForTheFilesMark)
{
    QDir().mkpath(current.file(QStringLiteral("todoes")));
    store.AppendToDoItem(QStringLiteral("\uFEFFPasted"));
    EXPECT_EQ(store.ArchiveToDoList(current.path()), std::nullopt);
    const QByteArray bytes = current.read(archive(1));
    QStringList lines;
    ForEachLine(codec.decode(bytes).text, [&](QStringView line) { lines << line.toString(); });
    EXPECT_EQ(lines, QStringList{QStringLiteral("\uFEFFPasted")});
}

TEST_F(ToDoArchiveTest, TakesTheFirstFreeNumber)
{
    current.write(archive(1), "x");
    current.write(archive(2), "x");
    EXPECT_EQ(store.nextArchivePath(current.path()), current.file(archive(3)));
    QFile::remove(current.file(archive(1)));
    EXPECT_EQ(store.nextArchivePath(current.path()), current.file(archive(1)));
}

TEST_F(ToDoArchiveTest, MissingFolderFailsAndKeepsEveryItem)
{
    loadFrom("0A\r\n1B\r\n");
    const std::optional<QString> error = store.ArchiveToDoList(current.path());
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->startsWith(u"Cannot create file \"" + current.file(archive(1)) + u"\". "))
        << error->toStdString();
    EXPECT_GT(error->size(), QString(u"Cannot create file \"" + current.file(archive(1)) + u"\". ").size());
    EXPECT_EQ(store.items().size(), 2);
    EXPECT_FALSE(QFileInfo::exists(current.file(QStringLiteral("todoes"))));
}


TEST_F(ToDoStoreTest, ByteOrderMarkDoesNotHideTheFirstItemsState)
{
    const QList<ToDoItem> items = loadFrom("\xEF\xBB\xBF" "1Done\r\n0Open\r\n");
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].text, u"Done");
    EXPECT_TRUE(items[0].done);
    EXPECT_EQ(saved(), "1Done\r\n0Open\r\n");
}
TEST_F(ToDoStoreTest, Utf16ListIsReadAndWrittenBackInIt)
{
    const QString text = QStringLiteral("1Купить ✓\r\n0Call\r\n");
    QStringEncoder encoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    const QByteArray bytes = encoder.encode(text);
    const QList<ToDoItem> items = loadFrom(bytes);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].text, u"Купить ✓");
    EXPECT_TRUE(items[0].done);
    EXPECT_EQ(saved(), bytes);
}
} // namespace
