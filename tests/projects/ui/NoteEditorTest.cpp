// The project note: on disk at every keystroke, never lost, and the note
// tool bar's commands.
#include "ProjectsWindow.h"

#include "projects/ui/NoteEditor.h"
#include "projects/ui/NoteFontDialog.h"
#include "projects/ui/NotePrinter.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QCheckBox>
#include <QComboBox>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class FakeNotePrinter final : public NotePrinter {
public:
    Outcome answer{Result::Opened, {}};
    QStringList titles;
    QStringList fileNames;
    QStringList texts;
    Outcome print(const QTextDocument &doc, const QString &jobTitle, const QString &fileName) override
    {
        titles << jobTitle;
        fileNames << fileName;
        texts << doc.toPlainText();
        return answer;
    }
};

class NoteEditorTest : public ProjectsWindow {
protected:
    // The program with project Alpha selected and its note on screen.
    void startOnAlpha(const QByteArray &note = {})
    {
        if (!note.isNull())
            dir.write(QStringLiteral("Projects Group/Alpha/note.rtf"), note);
        start({QStringLiteral("Alpha"), QStringLiteral("Beta")});
        select(QStringLiteral("Alpha"));
    }
    void click(const char *button) { widget<QToolButton>(button)->click(); }
    QString status() const { return main().statusBar()->currentMessage(); }
    void placeCaret(int position)
    {
        QTextCursor caret = editor()->textCursor();
        caret.setPosition(position);
        editor()->setTextCursor(caret);
    }
};

} // namespace

// Until a node is selected the editor shows its greeting, and whatever is
// typed there would have nowhere to go: it takes no typing at all.
TEST_F(NoteEditorTest, NothingCanBeTypedBeforeANoteIsLoaded)
{
    start({QStringLiteral("Alpha")});
    const int writesBefore = platform.filesFake.replaceCount;
    typeInto(editor(), QStringLiteral("lost?"));
    action("Paste1")->trigger();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Project Info... :)"));
    EXPECT_EQ(label11(), QStringLiteral("..."));
    EXPECT_EQ(platform.filesFake.replaceCount, writesBefore);
    for (const char *name : {"ToolButton11", "ToolButton28", "ToolButton6", "ToolButton10", "ToolButton13",
                             "ToolButton29"})
        EXPECT_FALSE(widget(name)->isEnabled()) << name;
    EXPECT_TRUE(widget("ToolButton9")->isEnabled());

    select(QStringLiteral("Alpha"));
    typeInto(editor(), QStringLiteral("kept"));
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("kept"));
    EXPECT_TRUE(widget("ToolButton13")->isEnabled());
}

// Qt's button for the note tools that do not fit is read out by name too.
TEST_F(NoteEditorTest, TheNoteToolBarsExtensionButtonHasAName)
{
    start();
    projects().notePage();
    auto *more = widget<QToolBar>("ToolBarNotePad")->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(more)->text(QAccessible::Name), QStringLiteral("More note tools"));
}

TEST_F(NoteEditorTest, SelectingTheRootCreatesItsNoteInTheGroupFolder)
{
    start();
    select(QStringLiteral("Projects Group"));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\"));
    EXPECT_TRUE(QFileInfo::exists(group(QStringLiteral("note.rtf"))));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("note.rtf"))));
    EXPECT_EQ(editor()->toPlainText(), QString());
}

// Each key is on disk when it has been handled; loading writes nothing.
TEST_F(NoteEditorTest, EveryKeystrokeIsOnDiskAndLoadingWritesNothing)
{
    startOnAlpha("{\\rtf1\\ansi first\\par}");
    const int writesBefore = platform.filesFake.replaceCount;
    placeCaret(editor()->document()->characterCount() - 1);
    const QString typed = QStringLiteral(" и ещё");
    for (int i = 0; i < typed.size(); ++i) {
        typeInto(editor(), typed.mid(i, 1));
        EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("first") + typed.left(i + 1));
    }
    EXPECT_EQ(platform.filesFake.replaceCount, writesBefore + typed.size());
}

// Undoing right after another note was loaded must not bring the previous
// note's text into this one.
TEST_F(NoteEditorTest, UndoStopsAtTheLoadedNote)
{
    startOnAlpha();
    typeInto(editor(), QStringLiteral("alpha"));
    select(QStringLiteral("Beta"));
    action("Undo1")->trigger();
    click("ToolButton28");
    EXPECT_EQ(editor()->toPlainText(), QString());
    EXPECT_EQ(noteOnDisk(QStringLiteral("Beta")), QString());
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("alpha"));
}

TEST_F(NoteEditorTest, DateAndTimeGoToTheEndWhateverTheCaret)
{
    startOnAlpha("{\\rtf1\\ansi first line\\par second\\par}");
    placeCaret(3);
    click("ToolButton13");
    const QString expected = QStringLiteral("first line\nsecond\nDate : 08.12.2026\nTime : 9:30:00");
    EXPECT_EQ(editor()->toPlainText(), expected);
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), expected);
    EXPECT_EQ(editor()->textCursor().position(), 3);

    select(QStringLiteral("Beta")); // an empty note gets no empty first line
    click("ToolButton13");
    EXPECT_EQ(noteOnDisk(QStringLiteral("Beta")), QStringLiteral("Date : 08.12.2026\nTime : 9:30:00"));
}

// A selection that reaches the end must not take in the new lines, or the
// next key typed would erase them: the caret ends up after them.
TEST_F(NoteEditorTest, DateAndTimeAfterASelectionReachingTheEndSurviveTheNextKey)
{
    startOnAlpha("{\\rtf1\\ansi first line\\par second\\par}");
    QTextCursor selection = editor()->textCursor();
    selection.setPosition(6);
    selection.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    editor()->setTextCursor(selection);
    click("ToolButton13");
    EXPECT_FALSE(editor()->textCursor().hasSelection());
    typeInto(editor(), QStringLiteral("!"));
    const QString expected = QStringLiteral("first line\nsecond\nDate : 08.12.2026\nTime : 9:30:00!");
    EXPECT_EQ(editor()->toPlainText(), expected);
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), expected);

    // A selection made backwards, its anchor at the end, alike.
    QTextCursor backwards = editor()->textCursor();
    backwards.setPosition(0, QTextCursor::KeepAnchor);
    editor()->setTextCursor(backwards);
    click("ToolButton13");
    typeInto(editor(), QStringLiteral("?"));
    EXPECT_TRUE(editor()->toPlainText().endsWith(QStringLiteral("!\nDate : 08.12.2026\nTime : 9:30:00?")));
}

TEST_F(NoteEditorTest, ClearAsksFirstAndOnlyYesEmptiesTheNote)
{
    startOnAlpha("{\\rtf1\\ansi keep me\\par}");
    messages.answers = {MessageBoxes::Answer::No, MessageBoxes::Answer::Cancel, MessageBoxes::Answer::Yes};
    click("ToolButton11");
    click("ToolButton11");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("keep me"));
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("keep me"));
    click("ToolButton11");
    EXPECT_EQ(messageTexts(QStringLiteral("ask")).size(), 3);
    EXPECT_EQ(messageTexts(QStringLiteral("ask")).constFirst(), QStringLiteral("Clear note?"));
    EXPECT_TRUE(editor()->document()->isEmpty());
    EXPECT_TRUE(noteExists(QStringLiteral("Alpha")));
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QString());
    // A clear is one edit, and Undo takes it back, to the disk too.
    click("ToolButton28");
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("keep me"));
}

// A change of font alone changes no character; it must reach the file all
// the same: family, size, style and colour.
TEST_F(NoteEditorTest, FontChosenForTheSelectionReachesTheFile)
{
    startOnAlpha("{\\rtf1\\ansi plain {\\fs40 big}\\par}");
    placeCaret(8);
    const QString family = QFontDatabase::families().constLast();
    QFont preset;
    QColor presetColour;
    dialogs.answer = [&](QDialog &dialog) {
        auto &fonts = static_cast<NoteFontDialog &>(dialog);
        preset = fonts.chosenFont();
        presetColour = fonts.chosenColour();
        fonts.familyBox()->setEditText(family);
        fonts.sizeBox()->setEditText(QStringLiteral("14"));
        fonts.styleBox()->setCurrentText(QStringLiteral("Italic"));
        fonts.colourBox()->setCurrentText(QStringLiteral("Red"));
    };
    click("ToolButton29"); // cancelled: nothing changes
    EXPECT_EQ(dialogs.ran, QStringList{QStringLiteral("FontDialog")});
    EXPECT_EQ(preset.pointSize(), 20); // the caret sits in the big word
    EXPECT_EQ(presetColour, editor()->palette().color(QPalette::Text));
    const QByteArray untouched = dir.read(QStringLiteral("Projects Group/Alpha/note.rtf"));

    editor()->selectAll();
    dialogs.results = {QDialog::Accepted};
    click("ToolButton29");
    const QByteArray saved = dir.read(QStringLiteral("Projects Group/Alpha/note.rtf"));
    EXPECT_NE(saved, untouched);
    EXPECT_TRUE(saved.contains(family.toUtf8())) << family.toStdString();
    EXPECT_TRUE(saved.contains("\\fs28"));
    EXPECT_TRUE(saved.contains("\\i"));
    EXPECT_TRUE(saved.contains("\\red255\\green0\\blue0")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("\\cf1"));
    EXPECT_EQ(main().focusWidget(), editor());
}

// The note's own default family may be an alias with no bold face listed (the
// desktop's "Sans Serif"): bold is offered and applied all the same.
TEST_F(NoteEditorTest, BoldIsOfferedForTheNotesDefaultFamilyAndReachesTheFile)
{
    startOnAlpha("{\\rtf1\\ansi plain\\par}");
    editor()->selectAll();
    QString presetFamily;
    QStringList styles;
    dialogs.answer = [&](QDialog &dialog) {
        auto &fonts = static_cast<NoteFontDialog &>(dialog);
        presetFamily = fonts.familyBox()->currentText();
        for (int i = 0; i < fonts.styleBox()->count(); ++i)
            styles << fonts.styleBox()->itemText(i);
        fonts.styleBox()->setCurrentText(QStringLiteral("Bold"));
        fonts.colourBox()->setCurrentText(QStringLiteral("Navy"));
        fonts.underlineBox()->setChecked(true);
    };
    dialogs.results = {QDialog::Accepted};
    click("ToolButton29");
    EXPECT_EQ(presetFamily, editor()->document()->defaultFont().family());
    EXPECT_EQ(styles, (QStringList{QStringLiteral("Regular"), QStringLiteral("Italic"), QStringLiteral("Bold"),
                                   QStringLiteral("Bold Italic")}));
    QTextDocument saved; // the note as it reads back from the file
    ASSERT_TRUE(readRtf(dir.read(QStringLiteral("Projects Group/Alpha/note.rtf")), saved));
    QTextCursor first(&saved);
    first.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(saved.toPlainText(), QStringLiteral("plain"));
    EXPECT_EQ(first.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(first.charFormat().fontUnderline());
    EXPECT_EQ(first.charFormat().foreground().color(), QColor(0, 0, 128));
}

// A note.rtf that is not RTF is shown as its text; the first keystroke moves
// the file aside under a dated name before the note replaces it.
// A note whose text takes its font only from the document's default (\deff0)
// is shown in that font, and the first keystroke writes it with it, not in
// the editor's own font.
TEST_F(NoteEditorTest, TheNotesDefaultFontSurvivesTheFirstKeystroke)
{
    startOnAlpha("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\fs20 Plain text\\par}");
    EXPECT_EQ(editor()->document()->defaultFont().family(), QStringLiteral("Arial"));
    placeCaret(10);
    typeInto(editor(), QStringLiteral("!"));
    const QByteArray written = dir.read(QStringLiteral("Projects Group/Alpha/note.rtf"));
    EXPECT_TRUE(written.contains("{\\f0\\fnil\\fcharset0 Arial;}")) << written.constData();
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("Plain text!"));
}

TEST_F(NoteEditorTest, NoteThatIsNotRtfSurvivesTheFirstKeystroke)
{
    startOnAlpha("Phone: 555-0134\n");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Phone: 555-0134\n"));
    EXPECT_TRUE(status().contains(QStringLiteral("not RTF")));
    EXPECT_EQ(dir.read(QStringLiteral("Projects Group/Alpha/note.rtf")), "Phone: 555-0134\n");

    typeInto(editor(), QStringLiteral("!"));
    const QString aside = QStringLiteral("Projects Group/Alpha/note.rtf.2026-12-08_09-30-00.bak");
    EXPECT_EQ(dir.read(aside), "Phone: 555-0134\n");
    EXPECT_TRUE(status().contains(QStringLiteral("kept as")));
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("!Phone: 555-0134\n"));
}

// A note that cannot be written is said once; the text stays, and the next
// keystroke after the cause is gone saves everything.
TEST_F(NoteEditorTest, ReadOnlyNoteIsReportedOnceAndSavedWhenWritableAgain)
{
    startOnAlpha("{\\rtf1\\ansi old\\par}");
    const QString file = group(QStringLiteral("Alpha/note.rtf"));
    QFile::setPermissions(file, QFile::ReadOwner);
    typeInto(editor(), QStringLiteral("abc"));
    QCoreApplication::processEvents(); // the message waits for the key to be handled
    EXPECT_EQ(messageTexts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(messageTexts(QStringLiteral("error")).value(0).contains(QStringLiteral("\"Projects Group/Alpha/note.rtf\"")));
    EXPECT_TRUE(status().contains(QStringLiteral("Cannot save the note")));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("abcold"));
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("old"));

    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    typeInto(editor(), QStringLiteral("d"));
    QCoreApplication::processEvents();
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("abcdold"));
    EXPECT_EQ(status(), QStringLiteral("The note is saved again."));
    EXPECT_EQ(messageTexts(QStringLiteral("error")).size(), 1);
}

TEST_F(NoteEditorTest, UnreadableNoteIsShownAsSuchAndCannotBeOverwritten)
{
    dir.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "{\\rtf1 private}");
    platform.filesFake.unreadable.insert(group(QStringLiteral("Alpha/note.rtf")));
    startOnAlpha();
    EXPECT_TRUE(editor()->isReadOnly());
    EXPECT_TRUE(status().contains(QStringLiteral("Cannot open file")));
    click("ToolButton13");
    EXPECT_EQ(dir.read(QStringLiteral("Projects Group/Alpha/note.rtf")), "{\\rtf1 private}");
}

TEST_F(NoteEditorTest, PrintingCarriesTheCurrentProjectAsJobTitle)
{
    startOnAlpha("{\\rtf1\\ansi to paper\\par}");
    FakeNotePrinter printer;
    projects().noteEditor().setPrinter(&printer);
    click("ToolButton26");
    EXPECT_EQ(printer.titles, QStringList{QStringLiteral("Current Project : Projects Group\\Alpha\\")});
    EXPECT_EQ(printer.fileNames, QStringList{QStringLiteral("Alpha")});
    EXPECT_EQ(printer.texts, QStringList{QStringLiteral("to paper")});
    EXPECT_TRUE(messages.shown.isEmpty());

    printer.answer = {NotePrinter::Result::Unavailable, QStringLiteral("Printing is not available: no module")};
    click("ToolButton26");
    EXPECT_EQ(messageTexts(QStringLiteral("error")), QStringList{QStringLiteral("Printing is not available: no module")});
}
