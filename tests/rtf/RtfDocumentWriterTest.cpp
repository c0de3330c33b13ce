// The writer the note editor saves with on every keystroke copies what did
// not change since the last save: whatever the edits, its bytes must be
// those of a fresh write.
#include "RtfTestSupport.h"

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
