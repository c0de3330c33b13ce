// The data folder changed by another hand while the program runs (a sync
// engine, an editor): shown when the program has nothing of its own waiting,
// kept beside the program's version when both changed, and a note's text that
// cannot be saved kept in a recovery copy.
#include "projects/ui/ProjectsWindow.h"

#include "common/logic/ConflictCopies.h"
#include "common/logic/DataFolderWatch.h"
#include "common/logic/SettingsStore.h"
#include "todo/logic/ToDoListModel.h"
#include "todo/logic/ToDoStore.h"
#include "projects/ui/NoteEditor.h"
#include "rtf/RtfWriter.h"
#include "timeline/ui/TimelineGrid.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

QByteArray rtfOf(const QString &text)
{
    QTextDocument doc;
    doc.setPlainText(text);
    return writeRtf(doc);
}

class SharedDataFolderTest : public ProjectsWindow {
protected:
    SharedDataFolderTest() { platform.locationsFake.perUser = dir.file(QStringLiteral("user/")); }
    void startOnAlpha(const QString &text)
    {
        dir.write(QStringLiteral("Projects Group/Alpha/note.rtf"), rtfOf(text));
        start({QStringLiteral("Alpha"), QStringLiteral("Beta")});
        select(QStringLiteral("Alpha"));
    }
    void look() const { program->context().watch().lookNow(); }
    QString status() const { return main().statusBar()->currentMessage(); }
    QStringList filesIn(const QString &relative) const
    {
        return QDir(dir.file(relative)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    static QString stamp() { return QStringLiteral("20261208-093000"); }
    // Today's day file, empty, with the program started on it at nine.
    TimelineGrid *startOnTodayAtNine()
    {
        QDir().mkpath(dir.file(QStringLiteral("Week")));
        dir.write(QStringLiteral("Week/Tuesday.txt"), dayWith(0, QStringLiteral("none")));
        start();
        TimelineGrid *today = program->timeline().todayGrid();
        today->setCurrentHour(9);
        return today;
    }
    // An empty day with `text` at `hour`, as another hand writes it.
    static QByteArray dayWith(int hour, const QString &text)
    {
        QByteArray day = QByteArray("none\r\n").repeated(24);
        day.replace(hour * 6, 4, text.toUtf8());
        return day;
    }
    int filesInWeek() const { return int(QDir(dir.file(QStringLiteral("Week"))).entryList(QDir::Files).size()); }
};

} // namespace

TEST_F(SharedDataFolderTest, AListThatChangedOnDiskIsShownAndTheProgramWritesOnFromIt)
{
    start();
    dir.write(QStringLiteral("list.todo"), "0Synced in\r\n1Done elsewhere\r\n");
    look();
    EXPECT_TRUE(widget<QLabel>("Label14")->text().endsWith(u" 2")) << widget<QLabel>("Label14")->text().toStdString();
    program->toDo().list().AppendToDoItem(QStringLiteral("Typed here"));
    EXPECT_EQ(dir.read(QStringLiteral("list.todo")), QByteArray("0Synced in\r\n1Done elsewhere\r\n0Typed here\r\n"));
    // Taken in, so no conflict: the list alone.
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("list*")}, QDir::Files).size(), 1);
}

// A sync engine that checked the list just before an item was added, then
// put the other machine's list (made a moment earlier) in its place: the
// list shown is theirs, and the item added here is in a copy beside it.
TEST_F(SharedDataFolderTest, AnItemWrittenJustBeforeASyncEngineBroughtAnOlderListIsKeptBesideIt)
{
    start();
    program->toDo().list().AppendToDoItem(QStringLiteral("Only here"));
    dir.bringVersion(QStringLiteral("list.todo"), "0Only there\r\n", 1);
    look();
    ASSERT_EQ(program->toDo().list().count(), 1);
    EXPECT_EQ(program->toDo().list().items().at(0).text, QStringLiteral("Only there"));
    const QStringList copies =
        QDir(dir.path()).entryList({u"list.conflict-*-" + stamp() + u".todo"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1) << filesIn(QString()).join(u' ').toStdString();
    EXPECT_EQ(dir.read(copies.first()), QByteArray("0Only here\r\n"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.at(0).text, ConflictKeptMessage(QDir::toNativeSeparators(dir.file(copies.first()))));
    // Added to from here on, the list makes no further copy.
    program->toDo().list().AppendToDoItem(QStringLiteral("Then here"));
    look();
    EXPECT_EQ(dir.read(QStringLiteral("list.todo")), QByteArray("0Only there\r\n0Then here\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("list*")}, QDir::Files).size(), 2);
}

TEST_F(SharedDataFolderTest, ANoteThatChangedOnDiskIsShownWithTheCaretWhereItWas)
{
    startOnAlpha(QStringLiteral("Written here first."));
    QTextCursor caret = editor()->textCursor();
    caret.setPosition(8);
    editor()->setTextCursor(caret);
    dir.write(QStringLiteral("Projects Group/Alpha/note.rtf"), rtfOf(QStringLiteral("Written elsewhere, then synced.")));
    look();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Written elsewhere, then synced."));
    EXPECT_EQ(editor()->textCursor().position(), 8);
    // A shorter text puts the caret at its end.
    dir.write(QStringLiteral("Projects Group/Alpha/note.rtf"), rtfOf(QStringLiteral("Tiny")));
    look();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Tiny"));
    EXPECT_EQ(editor()->textCursor().position(), 4);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SharedDataFolderTest, BothChangedTheNoteKeepsBothAndSaysSoOnce)
{
    startOnAlpha(QStringLiteral("Base"));
    dir.write(QStringLiteral("Projects Group/Alpha/note.rtf"), rtfOf(QStringLiteral("Their longer version")));
    editor()->moveCursor(QTextCursor::End);
    typeInto(editor(), QStringLiteral("!"));
    const QStringList copies = QDir(dir.file(QStringLiteral("Projects Group/Alpha")))
                                   .entryList({u"note.conflict-*-" + stamp() + u".rtf"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1) << filesIn(QStringLiteral("Projects Group/Alpha")).join(u' ').toStdString();
    const QString copy = u"Projects Group/Alpha/" + copies.first();
    EXPECT_EQ(dir.read(copy), rtfOf(QStringLiteral("Their longer version")));
    EXPECT_TRUE(dir.read(QStringLiteral("Projects Group/Alpha/note.rtf")).contains("Base!"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.at(0).text, ConflictKeptMessage(QDir::toNativeSeparators(dir.file(copy))));
    EXPECT_EQ(status(), messages.shown.at(0).text);
    // Typing on makes no further copy, and says nothing more.
    typeInto(editor(), QStringLiteral("?"));
    EXPECT_EQ(filesIn(QStringLiteral("Projects Group/Alpha")).size(), 2);
    EXPECT_EQ(messages.shown.size(), 1);
    // The copy is another version of the note, shown on its page.
    EXPECT_TRUE(widget<QLabel>("LabelOtherVersion")->isVisibleTo(&main()));
}

TEST_F(SharedDataFolderTest, ASyncEnginesCopyOfTheNoteIsOfferedAndOpens)
{
    const QString copy = QStringLiteral("Projects Group/Alpha/note.sync-conflict-20261208-101010-ABCDEFG.rtf");
    dir.write(copy, rtfOf(QStringLiteral("From the laptop")));
    startOnAlpha(QStringLiteral("Here"));
    QLabel *link = widget<QLabel>("LabelOtherVersion");
    ASSERT_TRUE(link->isVisibleTo(&main()));
    EXPECT_TRUE(link->text().contains(u"another version of this note exists"));
    emit link->linkActivated(QStringLiteral("open"));
    EXPECT_EQ(platform.shellFake.opened, QStringList{dir.file(copy)});
    select(QStringLiteral("Beta"));
    EXPECT_FALSE(link->isVisibleTo(&main()));
    EXPECT_TRUE(QFile::exists(dir.file(copy))); // never removed
}

TEST_F(SharedDataFolderTest, ANoteThatCouldNotBeSavedIsWrittenWhenLeftOnceTheDiskHasRoom)
{
    startOnAlpha(QStringLiteral("Kept"));
    platform.filesFake.diskFull = true;
    editor()->moveCursor(QTextCursor::End);
    typeInto(editor(), QStringLiteral(" LOSTTEXT"));
    platform.filesFake.diskFull = false;
    select(QStringLiteral("Beta"));
    EXPECT_TRUE(dir.read(QStringLiteral("Projects Group/Alpha/note.rtf")).contains("Kept LOSTTEXT"));
    EXPECT_FALSE(QDir(dir.file(QStringLiteral("user/recovered"))).exists());
}

TEST_F(SharedDataFolderTest, ANoteThatCannotBeSavedGoesToARecoveryCopyAndTheUserIsToldWhereOnce)
{
    startOnAlpha(QStringLiteral("Kept"));
    QFile(dir.file(QStringLiteral("Projects Group/Alpha/note.rtf"))).setPermissions(QFileDevice::ReadOwner);
    editor()->moveCursor(QTextCursor::End);
    typeInto(editor(), QStringLiteral(" LOSTTEXT"));
    QTest::qWait(10); // the failure's box comes after the key
    const qsizetype toldBefore = messages.shown.size();
    select(QStringLiteral("Beta"));
    const QString copy = dir.file(u"user/recovered/Projects Group/Alpha/note-" + stamp() + u".rtf");
    ASSERT_TRUE(QFile::exists(copy));
    QTextDocument recovered;
    ASSERT_TRUE(readRtf(dir.read(u"user/recovered/Projects Group/Alpha/note-" + stamp() + u".rtf"), recovered));
    EXPECT_EQ(recovered.toPlainText(), QStringLiteral("Kept LOSTTEXT"));
    ASSERT_EQ(messages.shown.size(), toldBefore + 1);
    EXPECT_EQ(messages.shown.last().text,
              NoteRecoveredMessage(QDir::toNativeSeparators(dir.file(QStringLiteral("Projects Group/Alpha/note.rtf"))),
                                   QDir::toNativeSeparators(copy)));
    // Coming back and leaving again, nothing typed: nothing more to keep.
    select(QStringLiteral("Alpha"));
    select(QStringLiteral("Beta"));
    EXPECT_EQ(messages.shown.size(), toldBefore + 1);
}

TEST_F(SharedDataFolderTest, TheExitWritesANoteThatFailedBeforeTheDiskHadRoomAgain)
{
    startOnAlpha(QStringLiteral("Kept"));
    platform.filesFake.diskFull = true;
    editor()->moveCursor(QTextCursor::End);
    typeInto(editor(), QStringLiteral(" LOSTTEXT"));
    platform.filesFake.diskFull = false;
    shutDown();
    EXPECT_TRUE(dir.read(QStringLiteral("Projects Group/Alpha/note.rtf")).contains("Kept LOSTTEXT"));
}

TEST_F(SharedDataFolderTest, SettingsEditedByHandWhileTheProgramRunsSurviveItsExit)
{
    create("[Common]\r\nTo-Do Autostart=0\r\n");
    main().show();
    dir.write(QStringLiteral("PM.INI"), "[Common]\r\nTo-Do Autostart=0\r\n; mine\r\n[My Section]\r\nKey=Value\r\n");
    look();
    shutDown();
    const QByteArray written = ini();
    EXPECT_TRUE(written.contains("; mine\r\n[My Section]\r\nKey=Value\r\n")) << written.constData();
    EXPECT_TRUE(written.contains("[MainForm]"));
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("PM*")}, QDir::Files).size(), 1);
}

TEST_F(SharedDataFolderTest, AProjectMadeElsewhereShowsInTheTreeWithTheCurrentProjectKept)
{
    start({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    select(QStringLiteral("Beta"));
    QDir().mkpath(group(QStringLiteral("Gamma/Design")));
    look();
    EXPECT_EQ(treeLines(), (QStringList{QStringLiteral("Projects Group@0"), QStringLiteral("Alpha@1"),
                                        QStringLiteral("Beta@1"), QStringLiteral("Gamma@1"),
                                        QStringLiteral("Design@2")}));
    ASSERT_TRUE(tree()->currentItem());
    EXPECT_EQ(tree()->currentItem()->text(0), QStringLiteral("Beta"));
}

// A full disk: each failing file is told once, with the words for the moment
// (a change while the program runs, not the exit's), and again only after a
// write of it has gone through.
TEST_F(SharedDataFolderTest, AFullDiskTellsEachFileOnceWithTheWordsForTheMoment)
{
    start();
    ToDoListModel &list = program->toDo().list();
    SettingsStore &settings = program->context().settings();
    list.AppendToDoItem(QStringLiteral("Milk"));
    messages.shown.clear();
    platform.filesFake.diskFull = true;
    for (int tick = 0; tick < 3; ++tick) {
        list.setDone(0, tick % 2 == 0);
        settings.writeInteger(QStringLiteral("ToDo Form"), QStringLiteral("Left"), tick);
    }
    const QString listText = ToDoChangeNotSavedMessage(list.filePath(), QStringLiteral("No space left on device"));
    EXPECT_EQ(messages.texts().filter(listText).size(), 1) << messages.texts().join(u'|').toStdString();
    EXPECT_EQ(messages.texts().filter(QStringLiteral("Unable to write to")).size(), 1);
    EXPECT_TRUE(messages.texts().filter(QStringLiteral("Sorry. Can not save data")).isEmpty());
    platform.filesFake.diskFull = false;
    list.setDone(0, false);
    settings.writeInteger(QStringLiteral("ToDo Form"), QStringLiteral("Left"), 9);
    platform.filesFake.diskFull = true;
    list.setDone(0, true);
    settings.writeInteger(QStringLiteral("ToDo Form"), QStringLiteral("Left"), 10);
    EXPECT_EQ(messages.texts().filter(listText).size(), 2);
    EXPECT_EQ(messages.texts().filter(QStringLiteral("Unable to write to")).size(), 2);
}

// A large note is read off the GUI thread: meanwhile the editor takes no keys
// and says so; then it is shown and typed into as any other. A node chosen
// while it is read wins.
TEST_F(SharedDataFolderTest, ALargeNoteIsReadInTheBackgroundWithTheEditorClosedToKeys)
{
    QString large;
    while (large.size() < 3 * 1024 * 1024)
        large += QStringLiteral("A long line of a large note, read while the window stays usable.\n");
    startOnAlpha(large);
    EXPECT_TRUE(editor()->isReadOnly());
    EXPECT_EQ(status(), QStringLiteral("Reading the note..."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !editor()->isReadOnly(); }, 30000));
    EXPECT_TRUE(editor()->toPlainText().startsWith(u"A long line of a large note"));
    EXPECT_EQ(editor()->document()->blockCount(), large.count(u'\n') + 1);
    editor()->moveCursor(QTextCursor::Start);
    typeInto(editor(), QStringLiteral("Top: "));
    // Keys typed while a save of so large a note runs are saved together, soon.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return dir.read(QStringLiteral("Projects Group/Alpha/note.rtf")).contains("Top: A long line"); }, 5000));

    select(QStringLiteral("Beta"));
    select(QStringLiteral("Alpha"));
    select(QStringLiteral("Beta"));
    QTest::qWait(50);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !editor()->isReadOnly(); }, 30000));
    QTest::qWait(200);
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Beta\\"));
    EXPECT_TRUE(editor()->toPlainText().isEmpty());
}

TEST_F(SharedDataFolderTest, TodaysDayFileChangedOnDiskIsShownWithTheCurrentHourKept)
{
    TimelineGrid *today = startOnTodayAtNine();
    dir.write(QStringLiteral("Week/Tuesday.txt"), dayWith(9, QStringLiteral("Call the bank")));
    look();
    EXPECT_EQ(today->plan().at(9), QStringLiteral("Call the bank"));
    EXPECT_EQ(today->currentHour(), 9);
    // Edited here after that: the synced entry stays, no copy is made.
    today->setCurrentEntry(QStringLiteral("Call the bank at ten"));
    EXPECT_TRUE(dir.read(QStringLiteral("Week/Tuesday.txt")).contains("Call the bank at ten\r\n"));
    EXPECT_EQ(filesInWeek(), 1);
}

TEST_F(SharedDataFolderTest, AnEditOfTheDayJustAfterAnotherHandChangedItKeepsTheirHours)
{
    TimelineGrid *today = startOnTodayAtNine();
    dir.write(QStringLiteral("Week/Tuesday.txt"), dayWith(14, QStringLiteral("Dentist at two"))); // not looked at yet
    today->setCurrentEntry(QStringLiteral("Call the bank"));
    const QByteArray written = dir.read(QStringLiteral("Week/Tuesday.txt"));
    EXPECT_TRUE(written.contains("Call the bank\r\n")) << written.constData();
    EXPECT_TRUE(written.contains("Dentist at two\r\n")) << written.constData();
    EXPECT_EQ(today->item(14, 1)->text(), QStringLiteral("Dentist at two"));
    EXPECT_EQ(filesInWeek(), 1);
}
