// The note file behind the editor: created when missing, read whatever it
// holds, and never lost or torn by a save that cannot be made.
#include "projects/logic/ProjectNote.h"

#include "rtf/RtfTestSupport.h"
#include "platform/fake/FakePlatform.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "support/HostileFiles.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace veltrano;
using test::TempFolder;

namespace {

const QString kAlpha = QStringLiteral("Projects Group\\Alpha\\");

class ProjectNoteTest : public ::testing::Test {
protected:
    ProjectNoteTest()
    {
        test::ensureGuiApplication();
        QDir().mkpath(data.file(QStringLiteral("Projects Group/Alpha")));
    }

    QString noteFile() const { return data.file(QStringLiteral("Projects Group/Alpha/note.rtf")); }
    QString noteText() const
    {
        QTextDocument read;
        EXPECT_TRUE(readRtf(data.read(QStringLiteral("Projects Group/Alpha/note.rtf")), read));
        return read.toPlainText();
    }
    void type(const QString &text)
    {
        QTextCursor end(&doc);
        end.movePosition(QTextCursor::End);
        end.insertText(text);
    }

    TempFolder data;
    FakeFileSystem files;
    Utf8SystemCodec codec{TextEncoding::Windows1251, false};
    FakeClock clock;
    ProjectNote note{files, codec, clock, data.path()};
    QTextDocument doc;
};

// A note.rtf that is not RTF (a text file put there by hand, a file from
// another program) is shown as text and moved aside, never overwritten.
TEST_F(ProjectNoteTest, NoteThatIsNotRtfIsKeptAsideBeforeTheFirstSave)
{
    const QByteArray original = "Shopping list\n\xcc\xee\xeb\xee\xea\xee\n"; // "Молоко" in cp1251
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), original);
    const NoteLoad load = note.LoadNote(kAlpha, doc);
    EXPECT_EQ(load.result, NoteLoad::Result::NotRtf);
    EXPECT_TRUE(load.editable);
    EXPECT_TRUE(load.message.contains(QStringLiteral("not RTF")));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("Shopping list\nМолоко\n"));
    EXPECT_EQ(data.read(QStringLiteral("Projects Group/Alpha/note.rtf")), original); // loading changes nothing

    type(QStringLiteral("!"));
    const NoteSave first = note.SaveNote(kAlpha, doc);
    EXPECT_EQ(first.result, NoteSave::Result::Saved);
    const QString aside = noteFile() + QStringLiteral(".2026-12-08_09-30-00.bak");
    EXPECT_EQ(first.keptAside, aside);
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), original);
    EXPECT_EQ(noteText(), QStringLiteral("Shopping list\nМолоко\n!"));

    // Only the original is kept: later saves replace the note as usual.
    type(QStringLiteral("?"));
    EXPECT_TRUE(note.SaveNote(kAlpha, doc).keptAside.isEmpty());
    EXPECT_EQ(QDir(data.file(QStringLiteral("Projects Group/Alpha"))).entryList(QDir::Files).size(), 2);
}

TEST_F(ProjectNoteTest, KeptAsideNameNeverReplacesAnEarlierOne)
{
    const QString aside = noteFile() + QStringLiteral(".2026-12-08_09-30-00.bak");
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf.2026-12-08_09-30-00.bak"), "earlier");
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "plain");
    note.LoadNote(kAlpha, doc);
    type(QStringLiteral("x"));
    EXPECT_EQ(note.SaveNote(kAlpha, doc).keptAside, noteFile() + QStringLiteral(".2026-12-08_09-30-00-2.bak"));
    EXPECT_EQ(data.read(QStringLiteral("Projects Group/Alpha/note.rtf.2026-12-08_09-30-00.bak")), "earlier");
}

TEST_F(ProjectNoteTest, EmptyFileIsAnEmptyNoteNotAForeignOne)
{
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "");
    EXPECT_EQ(note.LoadNote(kAlpha, doc).result, NoteLoad::Result::Loaded);
    type(QStringLiteral("x"));
    EXPECT_TRUE(note.SaveNote(kAlpha, doc).keptAside.isEmpty());
}

// A failing disk is said once, not once per keystroke; the file is never
// torn; the next change tries again and says when it works again.
TEST_F(ProjectNoteTest, FailedSaveIsReportedOnceAndRetriedAtTheNextChange)
{
    note.LoadNote(kAlpha, doc);
    type(QStringLiteral("kept"));
    note.SaveNote(kAlpha, doc);
    const QByteArray before = data.read(QStringLiteral("Projects Group/Alpha/note.rtf"));

    files.diskFull = true;
    type(QStringLiteral(" a"));
    const NoteSave first = note.SaveNote(kAlpha, doc);
    EXPECT_EQ(first.result, NoteSave::Result::Failed);
    EXPECT_TRUE(first.failure.contains(QStringLiteral("No space left on device")));
    type(QStringLiteral("b"));
    const NoteSave second = note.SaveNote(kAlpha, doc);
    EXPECT_EQ(second.result, NoteSave::Result::Failed);
    EXPECT_TRUE(second.failure.isEmpty());
    EXPECT_EQ(data.read(QStringLiteral("Projects Group/Alpha/note.rtf")), before);

    files.diskFull = false;
    type(QStringLiteral("c"));
    const NoteSave third = note.SaveNote(kAlpha, doc);
    EXPECT_EQ(third.result, NoteSave::Result::Saved);
    EXPECT_TRUE(third.recovered);
    EXPECT_EQ(noteText(), QStringLiteral("kept abc"));

    // A new failure after the recovery is news again.
    files.diskFull = true;
    EXPECT_FALSE(note.SaveNote(kAlpha, doc).failure.isEmpty());
}

TEST_F(ProjectNoteTest, NoteOfAFolderRemovedMeanwhileIsNotSavedAndSaysSo)
{
    note.LoadNote(kAlpha, doc);
    QDir(data.file(QStringLiteral("Projects Group/Alpha"))).removeRecursively();
    type(QStringLiteral("x"));
    const NoteSave save = note.SaveNote(kAlpha, doc);
    EXPECT_EQ(save.result, NoteSave::Result::Failed);
    EXPECT_TRUE(save.failure.contains(QStringLiteral("no longer exists")));
    EXPECT_FALSE(QFileInfo::exists(data.file(QStringLiteral("Projects Group/Alpha")))); // not made again
}

// Typing into a note that could not be read would replace it with the little
// that was typed.
TEST_F(ProjectNoteTest, UnreadableNoteCannotBeChanged)
{
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "{\\rtf1 secret}");
    files.unreadable.insert(noteFile());
    const NoteLoad load = note.LoadNote(kAlpha, doc);
    EXPECT_EQ(load.result, NoteLoad::Result::Unreadable);
    EXPECT_FALSE(load.editable);
    EXPECT_TRUE(load.message.contains(QStringLiteral("Permission denied")));
}

// A FIFO as note.rtf froze the program when its node was selected (and again
// when it was left), /dev/zero or a sparse gigabyte ended it: each is told as
// unreadable at once, and even a save asked for regardless leaves it alone.
TEST_F(ProjectNoteTest, HostileNoteIsUnreadableAtOnceAndNeverWrittenOver)
{
    for (const test::HostileCase &hostile : test::AllHostileCases()) {
        ASSERT_TRUE(test::MakeHostile(noteFile(), hostile.kind, kNoteFileLimit)) << hostile.name;
        const NoteLoad load = note.LoadNote(kAlpha, doc);
        EXPECT_EQ(load.result, NoteLoad::Result::Unreadable) << hostile.name;
        EXPECT_FALSE(load.editable) << hostile.name;
        EXPECT_TRUE(load.message.startsWith(QStringLiteral("Cannot open file \"Projects Group/Alpha/note.rtf\". It is ")))
            << load.message.toStdString();
        type(QStringLiteral("typed"));
        const NoteSave save = note.SaveNote(kAlpha, doc);
        EXPECT_EQ(save.result, NoteSave::Result::Failed) << hostile.name;
        EXPECT_TRUE(test::StillHostile(noteFile(), hostile.kind, kNoteFileLimit)) << hostile.name;
        EXPECT_EQ(note.LoadNote(kAlpha, doc).result, NoteLoad::Result::Unreadable) << hostile.name;
    }
}

TEST_F(ProjectNoteTest, NoteOfAMissingFolderIsNotCreatedAndCannotBeChanged)
{
    const NoteLoad load = note.LoadNote(QStringLiteral("Projects Group\\Gone\\"), doc);
    EXPECT_EQ(load.result, NoteLoad::Result::NotCreated);
    EXPECT_FALSE(load.editable);
    EXPECT_TRUE(load.message.startsWith(QStringLiteral("Cannot create file \"")));
    EXPECT_FALSE(QFileInfo::exists(data.file(QStringLiteral("Projects Group/Gone"))));
}

} // namespace

// A note read off the GUI thread comes with the writer that encoded it there;
// what the saves after it write is the document as it is, paragraph for
// paragraph, whatever the keys changed: the first paragraph, one in the
// middle, one split in two and one taken away.
TEST_F(ProjectNoteTest, ANoteEncodedWhereItWasReadSavesAsTheDocumentIs)
{
    QTextDocument written;
    QTextCursor cursor(&written);
    for (int n = 1; n <= 6; ++n) {
        cursor.insertText(QStringLiteral("Paragraph %1 Абзац").arg(n));
        if (n < 6)
            cursor.insertBlock();
    }
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), writeRtf(written));
    NoteRead read = ReadNoteFile(files, codec, noteFile(), doc);
    ASSERT_EQ(read.kind, NoteRead::Kind::Rtf);
    read.encoded = std::make_shared<RtfDocumentWriter>();
    read.encoded->write(doc);
    ASSERT_EQ(note.AdoptNote(kAlpha, read, doc).result, NoteLoad::Result::Loaded);

    const auto edit = [this](int block, int column, const QString &text) {
        QTextCursor at(doc.findBlockByNumber(block));
        at.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, column);
        at.insertText(text);
    };
    edit(0, 0, QStringLiteral("x"));
    ASSERT_TRUE(note.SaveNote(kAlpha, doc).failure.isEmpty());
    EXPECT_EQ(data.read(QStringLiteral("Projects Group/Alpha/note.rtf")), writeRtf(doc));
    edit(3, 4, QStringLiteral("\n"));
    QTextCursor gone(doc.findBlockByNumber(5));
    gone.select(QTextCursor::BlockUnderCursor);
    gone.removeSelectedText();
    ASSERT_TRUE(note.SaveNote(kAlpha, doc).failure.isEmpty());
    EXPECT_EQ(data.read(QStringLiteral("Projects Group/Alpha/note.rtf")), writeRtf(doc));
    EXPECT_TRUE(noteText().startsWith(QStringLiteral("xParagraph 1")));
}
