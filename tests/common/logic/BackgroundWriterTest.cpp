#include "common/logic/BackgroundWriter.h"

#include "platform/fake/FakePlatform.h"
#include "platform/fake/SlowDisk.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <atomic>
#include <utility>
#include <thread>

using namespace veltrano;
using veltrano::test::SlowDisk;
using veltrano::test::TempFolder;

namespace {

// A sync engine renaming its version of list.todo into place right after
// the program's write or read, before the program has looked at the file.
class EngineRightAfter final : public QtFileSystem {
public:
    explicit EngineRightAfter(const TempFolder &dir) : m_dir(dir) {}
    mutable QByteArray theirs; // brought once, after the next write or read of the list
    IoStatus replaceFile(const QString &path, const QByteArray &bytes) override
    {
        const IoStatus status = QtFileSystem::replaceFile(path, bytes);
        bring(path);
        return status;
    }
    std::optional<QByteArray> readFile(const QString &path, QString *reason, qint64 maxBytes) const override
    {
        std::optional<QByteArray> bytes = QtFileSystem::readFile(path, reason, maxBytes);
        bring(path);
        return bytes;
    }

private:
    void bring(const QString &path) const
    {
        if (path.endsWith(u"/list.todo") && !theirs.isEmpty())
            m_dir.bringVersion(QStringLiteral("list.todo"), std::exchange(theirs, QByteArray()), 1);
    }
    const TempFolder &m_dir;
};

QCoreApplication &eventLoop()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the event loop until `done` or two seconds have passed.
template <typename Done>
bool settle(Done done)
{
    QDeadlineTimer deadline(2000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

class BackgroundWriterTest : public ::testing::Test {
protected:
    BackgroundWriterTest() { eventLoop(); }
    QString file(const QString &name) const { return dir.file(name); }

    TempFolder dir;
    SlowDisk disk;
    FakeClock clock;
};

} // namespace

TEST_F(BackgroundWriterTest, TheNewestBytesWinWhileOneFileKeepsItsOrderAndReadsSeeWhatIsQueued)
{
    BackgroundWriter writer(disk, clock, QStringLiteral("desk"));
    ASSERT_TRUE(writer.writesInBackground());
    disk.delayMs = 100;
    const QString note = file(QStringLiteral("note.rtf"));
    const QString list = file(QStringLiteral("list.todo"));
    for (int key = 1; key <= 20; ++key) {
        ASSERT_TRUE(writer.replaceFile(note, "text " + QByteArray::number(key)));
        QCoreApplication::processEvents(); // a turn of the event loop between keys
    }
    writer.replaceFile(list, "0item\r\n");
    // Not on disk yet, yet the program sees what it wrote.
    EXPECT_TRUE(writer.exists(list));
    EXPECT_EQ(writer.readFile(note), QByteArray("text 20"));
    EXPECT_TRUE(writer.hasUnwrittenChange(note));

    ASSERT_TRUE(writer.waitUntilWritten(std::chrono::seconds(5)));
    EXPECT_EQ(dir.read(QStringLiteral("note.rtf")), QByteArray("text 20"));
    EXPECT_EQ(dir.read(QStringLiteral("list.todo")), QByteArray("0item\r\n"));
    // Twenty keys, a slow disk: the writes in between were taken over.
    EXPECT_LE(disk.writes.load(), 4);
    EXPECT_FALSE(writer.hasUnwrittenChange(note));
}

TEST_F(BackgroundWriterTest, WritesOfOneMomentMakeOneWriteOfTheFile)
{
    BackgroundWriter writer(disk, clock, QStringLiteral("desk"));
    const QString ini = file(QStringLiteral("PM.INI"));
    for (int key = 0; key < 4; ++key)
        writer.replaceFile(ini, "[ToDo]\r\nLeft=" + QByteArray::number(key) + "\r\n");
    QCoreApplication::processEvents();
    ASSERT_TRUE(writer.waitUntilWritten(std::chrono::seconds(5)));
    EXPECT_EQ(disk.writes.load(), 1);
    EXPECT_EQ(dir.read(QStringLiteral("PM.INI")), QByteArray("[ToDo]\r\nLeft=3\r\n"));
}

TEST_F(BackgroundWriterTest, WhatIsRefusedAtOnceIsStillRefusedAtOnce)
{
    BackgroundWriter writer(disk, clock, QStringLiteral("desk"));
    const IoStatus noFolder = writer.replaceFile(file(QStringLiteral("gone/note.rtf")), "x");
    EXPECT_FALSE(noFolder);
    EXPECT_FALSE(noFolder.reason.isEmpty());
    dir.write(QStringLiteral("ro.todo"), "old");
    QFile(file(QStringLiteral("ro.todo"))).setPermissions(QFileDevice::ReadOwner);
    EXPECT_FALSE(writer.replaceFile(file(QStringLiteral("ro.todo")), "new"));
    writer.waitUntilWritten(std::chrono::seconds(5));
    EXPECT_EQ(dir.read(QStringLiteral("ro.todo")), QByteArray("old"));
}

TEST_F(BackgroundWriterTest, ARefusalInTheBackgroundIsSignalledOnceThenTheFileIsWrittenAtOnceUntilItGoesThrough)
{
    BackgroundWriter writer(disk, clock, QStringLiteral("desk"));
    QSignalSpy refused(&writer, &BackgroundWriter::refusedInBackground);
    const QString list = file(QStringLiteral("list.todo"));
    disk.full = true;
    writer.replaceFile(list, "0a\r\n");
    ASSERT_TRUE(settle([&] { return refused.count() == 1; }));
    EXPECT_EQ(refused.at(0).at(0).toString(), list);
    EXPECT_TRUE(writer.hasUnwrittenChange(list));
    // The caller now hears each outcome itself.
    const IoStatus again = writer.replaceFile(list, "0a\r\n0b\r\n");
    EXPECT_FALSE(again);
    EXPECT_EQ(again.reason, QStringLiteral("No space left on device"));
    disk.full = false;
    EXPECT_TRUE(writer.replaceFile(list, "0a\r\n0b\r\n0c\r\n"));
    EXPECT_EQ(dir.read(QStringLiteral("list.todo")), QByteArray("0a\r\n0b\r\n0c\r\n"));
    EXPECT_FALSE(writer.hasUnwrittenChange(list));
    QCoreApplication::processEvents();
    EXPECT_EQ(refused.count(), 1);
}

TEST_F(BackgroundWriterTest, AChangeMadeElsewhereIsKeptAsAConflictCopyBesideTheProgramsVersion)
{
    BackgroundWriter writer(disk, clock, QStringLiteral("desk"));
    QSignalSpy kept(&writer, &BackgroundWriter::conflictKept);
    dir.write(QStringLiteral("note.rtf"), "mine as read");
    const QString note = file(QStringLiteral("note.rtf"));
    ASSERT_TRUE(writer.readFile(note));
    EXPECT_FALSE(writer.changedOutside(note));
    dir.write(QStringLiteral("note.rtf"), "theirs, from the other machine");
    EXPECT_TRUE(writer.changedOutside(note));

    writer.replaceFile(note, "mine, typed");
    writer.waitUntilWritten(std::chrono::seconds(5));
    EXPECT_EQ(dir.read(QStringLiteral("note.rtf")), QByteArray("mine, typed"));
    const QString copy = QStringLiteral("note.conflict-desk-20261208-093000.rtf");
    EXPECT_EQ(dir.read(copy), QByteArray("theirs, from the other machine"));
    ASSERT_TRUE(settle([&] { return kept.count() == 1; }));
    EXPECT_EQ(kept.at(0).at(1).toString(), file(copy));

    // The program's own write is no change from elsewhere.
    writer.replaceFile(note, "mine, typed on");
    writer.waitUntilWritten(std::chrono::seconds(5));
    EXPECT_FALSE(writer.changedOutside(note));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(BackgroundWriterTest, AFileThatAppearedWhereNoneWasAndTheSameBytesBroughtBackAreToldApart)
{
    BackgroundWriter writer(disk, clock, QStringLiteral("desk"));
    const QString list = file(QStringLiteral("list.todo"));
    EXPECT_FALSE(writer.readFile(list)); // none yet
    dir.write(QStringLiteral("list.todo"), "0synced in\r\n");
    writer.replaceFile(list, "0typed here\r\n");
    writer.waitUntilWritten(std::chrono::seconds(5));
    EXPECT_EQ(dir.read(QStringLiteral("list.conflict-desk-20261208-093000.todo")), QByteArray("0synced in\r\n"));

    // Rewritten by a sync engine with the very bytes the program wrote: no copy.
    dir.write(QStringLiteral("list.todo"), "0typed here\r\n");
    clock.advanceSeconds(60);
    writer.replaceFile(list, "0typed here\r\n0more\r\n");
    writer.waitUntilWritten(std::chrono::seconds(5));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("list.conflict-desk-20261208-093100.todo"))));
}

TEST_F(BackgroundWriterTest, TheEndWaitsWithABoundAndNamesWhatDidNotMakeIt)
{
    BackgroundWriter writer(disk, clock, QStringLiteral("desk"));
    disk.delayMs = 400;
    const QString note = file(QStringLiteral("note.rtf"));
    writer.replaceFile(note, "slow");
    EXPECT_FALSE(writer.waitUntilWritten(std::chrono::milliseconds(50)));
    EXPECT_EQ(writer.unwritten(), QStringList{note});
    EXPECT_TRUE(writer.waitUntilWritten(std::chrono::seconds(5)));
    writer.writeInForeground();
    EXPECT_TRUE(writer.replaceFile(note, "at once"));
    EXPECT_EQ(dir.read(QStringLiteral("note.rtf")), QByteArray("at once"));
}

TEST_F(BackgroundWriterTest, AFileSystemForOneThreadIsWrittenAtOnce)
{
    FakeFileSystem fake;
    BackgroundWriter writer(fake, clock, QStringLiteral("desk"));
    EXPECT_FALSE(writer.writesInBackground());
    fake.diskFull = true;
    EXPECT_FALSE(writer.replaceFile(file(QStringLiteral("list.todo")), "x"));
    fake.diskFull = false;
    EXPECT_TRUE(writer.replaceFile(file(QStringLiteral("list.todo")), "y"));
    EXPECT_EQ(dir.read(QStringLiteral("list.todo")), QByteArray("y"));
}

TEST_F(BackgroundWriterTest, ARenamedFolderTakesWhatWasSeenOfItsFilesAlong)
{
    BackgroundWriter writer(disk, clock, QStringLiteral("desk"));
    QDir(dir.path()).mkpath(QStringLiteral("Alpha"));
    const QString note = file(QStringLiteral("Alpha/note.rtf"));
    writer.replaceFile(note, "queued before the rename");
    ASSERT_TRUE(writer.rename(file(QStringLiteral("Alpha")), file(QStringLiteral("Beta"))));
    // The write went first, and went with the folder.
    EXPECT_EQ(dir.read(QStringLiteral("Beta/note.rtf")), QByteArray("queued before the rename"));
    EXPECT_FALSE(QFile::exists(note));
    writer.replaceFile(file(QStringLiteral("Beta/note.rtf")), "typed after");
    writer.waitUntilWritten(std::chrono::seconds(5));
    EXPECT_EQ(QDir(file(QStringLiteral("Beta"))).entryList(QDir::Files).size(), 1);
}

// A sync engine checks the file, the program writes, then the engine puts
// its version in place: only a version made before the program's write, and
// holding other bytes, can have lost the program's change, which is then kept
// as a copy beside it, once.
TEST_F(BackgroundWriterTest, AnOwnWriteReplacedUnseenByAnOlderVersionIsKeptAsACopyOnce)
{
    BackgroundWriter writer(disk, clock, QStringLiteral("desk"));
    QSignalSpy kept(&writer, &BackgroundWriter::conflictKept);
    const QString list = file(QStringLiteral("list.todo"));
    const auto writeThenBring = [&](const QByteArray &mine, const QByteArray &theirs, int madeSecondsAgo) {
        writer.replaceFile(list, mine);
        EXPECT_TRUE(writer.waitUntilWritten(std::chrono::seconds(5)));
        dir.bringVersion(QStringLiteral("list.todo"), theirs, madeSecondsAgo);
        EXPECT_TRUE(writer.changedOutside(list));
        const QString copy = writer.keepOwnWriteReplacedUnseen(list);
        writer.readFile(list); // taken in, as the watch's owner does
        return copy;
    };
    // Edited there after it had the program's version, or the program's own
    // bytes brought back: nothing lost.
    EXPECT_TRUE(writeThenBring("0Mine\r\n", "0Mine\r\n0Theirs, later\r\n", -5).isEmpty());
    EXPECT_TRUE(writeThenBring("0Mine again\r\n", "0Mine again\r\n", 60).isEmpty());
    EXPECT_TRUE(kept.isEmpty());

    const QString copy = writeThenBring("0Milk\r\n0Only here\r\n", "0Milk\r\n0Only there\r\n", 1);
    EXPECT_EQ(copy, file(QStringLiteral("list.conflict-desk-20261208-093000.todo")));
    EXPECT_EQ(dir.read(QStringLiteral("list.conflict-desk-20261208-093000.todo")),
              QByteArray("0Milk\r\n0Only here\r\n"));
    EXPECT_EQ(dir.read(QStringLiteral("list.todo")), QByteArray("0Milk\r\n0Only there\r\n"));
    ASSERT_EQ(kept.count(), 1);
    EXPECT_EQ(kept.at(0), (QVariantList{list, copy}));
    // Once: a second look, or yet another older version over a file the
    // program has read since, keeps nothing more.
    EXPECT_TRUE(writer.keepOwnWriteReplacedUnseen(list).isEmpty());
    dir.bringVersion(QStringLiteral("list.todo"), "0Milk\r\n0Older still\r\n", 30);
    EXPECT_TRUE(writer.keepOwnWriteReplacedUnseen(list).isEmpty());
    EXPECT_EQ(kept.count(), 1);
}

TEST_F(BackgroundWriterTest, AVersionRenamedInJustAfterTheProgramsWriteOrReadIsSeenAsAChange)
{
    EngineRightAfter engine(dir);
    BackgroundWriter writer(engine, clock, QStringLiteral("desk"));
    const QString list = file(QStringLiteral("list.todo"));
    // Of the same size as the program's, as two lists of one item each often are.
    engine.theirs = "0Only there\r\n";
    writer.replaceFile(list, "0Only here!\r\n");
    ASSERT_TRUE(writer.waitUntilWritten(std::chrono::seconds(5)));
    ASSERT_EQ(dir.read(QStringLiteral("list.todo")), QByteArray("0Only there\r\n"));
    EXPECT_TRUE(writer.changedOutside(list));
    EXPECT_FALSE(writer.keepOwnWriteReplacedUnseen(list).isEmpty());

    ASSERT_EQ(writer.readFile(list), QByteArray("0Only there\r\n"));
    EXPECT_FALSE(writer.changedOutside(list));
    engine.theirs = "0Newer there\r\n";
    ASSERT_EQ(writer.readFile(list), QByteArray("0Only there\r\n"));
    EXPECT_TRUE(writer.changedOutside(list));
}
