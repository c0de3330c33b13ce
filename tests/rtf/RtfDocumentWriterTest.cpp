// The writer the note editor saves with on every keystroke copies what did
// not change since the last save: whatever the edits, its bytes must be
// those of a fresh write.
#include "RtfTestSupport.h"

#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace veltrano;
using namespace veltrano::test;

namespace {

QTextCharFormat formatNumber(int n)
{
    QTextCharFormat format;
    switch (n % 5) {
    case 0: format.setFontWeight(QFont::Bold); break;
    case 1: format.setFontItalic(true); break;
    case 2: format.setForeground(QColor(200, 20 * n % 255, 0)); break;
    case 3: format.setFontFamilies({u"Courier New"_s}); break;
    default: format.setFontFamilies({QStringLiteral("Font %1").arg(n)}); break;
    }
    return format;
}

// One edit of the kind a user makes: type, overtype, delete, split or join
// paragraphs, format a span, indent a paragraph.
void randomEdit(QTextDocument &doc, QRandomGenerator &random)
{
    static const QStringList texts{u"a"_s, u" word"_s, u"Ж"_s, u"ελ"_s, u"\t"_s, u"{}\\"_s, u"漢"_s};
    QTextCursor cursor(&doc);
    const int length = doc.characterCount() - 1;
    cursor.setPosition(random.bounded(length + 1));
    switch (random.bounded(7)) {
    case 0:
    case 1: cursor.insertText(texts.at(random.bounded(texts.size()))); break;
    case 2:
        cursor.setPosition(qMin(length, cursor.position() + random.bounded(8)), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        break;
    case 3: cursor.insertBlock(); break;
    case 4:
        cursor.setPosition(qMin(length, cursor.position() + random.bounded(12)), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(formatNumber(random.bounded(12)));
        break;
    case 5: // the paragraph keeps its length and formats: only its text tells
        cursor.setPosition(qMin(length, cursor.position() + 1), QTextCursor::KeepAnchor);
        cursor.insertText(cursor.selectedText() == u"x"_s ? u"y"_s : u"x"_s);
        break;
    default: {
        QTextBlockFormat indent;
        indent.setLeftMargin(random.bounded(3) * 20);
        cursor.mergeBlockFormat(indent);
        break;
    }
    }
}

TEST(RtfDocumentWriter, EveryWriteEqualsAFreshOneWhateverWasEdited)
{
    ensureGuiApplication();
    QRandomGenerator random(20261208);
    QTextDocument doc;
    // Enough paragraphs that whatever the writer keeps per paragraph grows
    // and moves in memory between writes.
    QStringList paragraphs;
    for (int i = 0; i < 300; ++i)
        paragraphs << u"Paragraph %1 of the note."_s.arg(i);
    doc.setPlainText(paragraphs.join(u'\n'));
    RtfDocumentWriter writer;
    for (int step = 0; step < 600; ++step) {
        randomEdit(doc, random);
        ASSERT_EQ(writer.write(doc), writeRtf(doc)) << "after edit " << step;
    }
}

// The fallback bytes of every \uN follow the first character outside
// Windows-1252; typing one in a Western note changes them all.
TEST(RtfDocumentWriter, FirstCyrillicLetterChangesTheCodePageOfEveryParagraph)
{
    ensureGuiApplication();
    QTextDocument doc;
    doc.setPlainText(u"café\nnaïve"_s);
    RtfDocumentWriter writer;
    ASSERT_TRUE(writer.write(doc).contains("\\ansicpg1252"));
    QTextCursor(doc.lastBlock()).insertText(u"Щ"_s);
    const QByteArray cyrillic = writer.write(doc);
    EXPECT_TRUE(cyrillic.contains("\\ansicpg1251"));
    EXPECT_EQ(cyrillic, writeRtf(doc));
    EXPECT_EQ(readText(cyrillic), u"café\nЩnaïve"_s);
}

// A new note in the same document may reuse block and format numbers; what
// the writer kept of the old note must not leak into it.
TEST(RtfDocumentWriter, AnotherNoteInTheSameDocumentSharesNothingWithTheFirst)
{
    ensureGuiApplication();
    QTextDocument doc;
    doc.setHtml(u"<p><b>old</b> note</p>"_s);
    RtfDocumentWriter writer;
    writer.write(doc);
    doc.clear();
    doc.setHtml(u"<p><i>new</i> note</p>"_s);
    EXPECT_EQ(writer.write(doc), writeRtf(doc));
    writer.forget();
    doc.setPlainText(u"plain"_s);
    EXPECT_EQ(writer.write(doc), writeRtf(doc));
}

} // namespace

namespace {

// The font text is shown in: its own, or else the document's.
QString shownFamily(const QTextDocument &doc, const QString &text)
{
    const QStringList own = charFormatOf(doc, text).fontFamilies().toStringList();
    return own.isEmpty() ? doc.defaultFont().family() : own.constFirst();
}

} // namespace

// Text that takes its font only from the document's default (\deffN, as
// WordPad and Word leave a note whose text was never given a font) kept it
// only until the first keystroke, which wrote it in the editor's own font.
TEST(RtfDocumentWriter, TextInTheDocumentsDefaultFontKeepsItThroughAKeystroke)
{
    ensureGuiApplication();
    for (const QByteArray &rtf : {QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern "
                                             "Courier New;}}\\fs20 Plain text, {\\f1 typed code} and more.\\par}"),
                                  QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fmodern Courier New;}{\\f3\\fswiss "
                                             "Arial;}}\\deff3\\fs20 Plain text, {\\f0 typed code} and more.\\par}")}) {
        QTextDocument note;
        note.setDefaultFont(QFont(u"Sans Serif"_s, 9)); // the editor's, as the note editor sets it
        ASSERT_TRUE(readRtf(rtf, note));
        EXPECT_EQ(shownFamily(note, u"Plain text"_s), u"Arial"_s);
        EXPECT_EQ(note.defaultFont().pointSize(), 9);

        RtfDocumentWriter writer;
        writer.write(note);
        QTextCursor end(&note);
        end.movePosition(QTextCursor::End);
        end.insertText(u"!"_s);
        QTextDocument reread;
        reread.setDefaultFont(QFont(u"Sans Serif"_s, 9));
        ASSERT_TRUE(readRtf(writer.write(note), reread));
        EXPECT_EQ(shownFamily(reread, u"Plain text"_s), u"Arial"_s);
        EXPECT_EQ(shownFamily(reread, u"typed code"_s), u"Courier New"_s);
        EXPECT_EQ(reread.toPlainText(), u"Plain text, typed code and more.!"_s);
    }
}

// A note the program wrote itself, with the editor's font as the first one,
// reads and writes back the same, byte for byte.
TEST(RtfDocumentWriter, ANoteInTheEditorsOwnFontIsWrittenBackAsItWas)
{
    ensureGuiApplication();
    QTextDocument doc;
    doc.setDefaultFont(QFont(u"Sans Serif"_s, 9));
    QTextCursor(&doc).insertText(u"A line of note."_s);
    const QByteArray written = writeRtf(doc);
    QTextDocument reread;
    reread.setDefaultFont(QFont(u"Sans Serif"_s, 9));
    ASSERT_TRUE(readRtf(written, reread));
    EXPECT_EQ(writeRtf(reread), written);
}
