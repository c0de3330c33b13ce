// Damaged, hostile and unusual files: never a crash or a hang, as much text as
// can be recovered, and nothing that is not text shown as text.
#include "RtfTestSupport.h"

#include "rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace veltrano;
using namespace veltrano::test;

namespace {

TEST(RtfRobustness, BytesThatAreNotRtfAreRefusedAndLeaveAnEmptyDocument)
{
    ensureGuiApplication();
    for (const QByteArray &bytes : {QByteArray(), QByteArray("plain note text"), QByteArray("{\\rt"),
                                    QByteArray("<html><body>x</body></html>"), QByteArray("\\rtf1 x}")}) {
        QTextDocument doc;
        doc.setPlainText(u"previous note"_s);
        EXPECT_FALSE(readRtf(bytes, doc)) << bytes.constData();
        EXPECT_TRUE(doc.isEmpty());
    }
    // A byte-order mark or blank lines before the header are no reason to refuse.
    EXPECT_EQ(readText("\xEF\xBB\xBF\r\n{\\rtf1 ok}"), u"ok"_s);
}

TEST(RtfRobustness, TruncatedFilesGiveTheTextUpToTheCut)
{
    for (const QString &name : {u"richedit-1251.rtf"_s, u"richedit-1252.rtf"_s}) {
        const QByteArray whole = readFixture(name);
        const QString full = readText(whole).remove(u'\n');
        for (qsizetype cut = 6; cut < whole.size(); cut += 3) {
            const QString partial = readText(whole.left(cut)).remove(u'\n');
            EXPECT_TRUE(full.startsWith(partial)) << name.toStdString() << " cut at " << cut << ": "
                                                  << partial.toStdString();
        }
    }
}

TEST(RtfRobustness, DeepNestingIsReadWithoutExhaustingTheStack)
{
    // Groups nested beyond any real document's depth are skipped, not read
    // with a borrowed state; the text after them is read as usual.
    const QByteArray open(200000, '{');
    const QByteArray close(200000, '}');
    EXPECT_EQ(readText("{\\rtf1 before" + open + "\\b deep" + close + " after}"), u"before after"_s);
}

TEST(RtfRobustness, GroupsRestoreTheirStateAtAnyDepth)
{
    // A destination or a format switched on in a group ends with it, however
    // deep it is nested.
    for (const int depth : {250, 3000}) {
        const QByteArray open(depth, '{');
        const QByteArray close(depth, '}');
        EXPECT_EQ(readText("{\\rtf1 " + open + "a{\\*\\foo bar}b" + close + "VISIBLE}"), u"abVISIBLE"_s) << depth;
        const auto doc = loadRtf("{\\rtf1 " + open + "a{\\b b}c" + close + "d}");
        EXPECT_EQ(doc->toPlainText(), u"abcd"_s) << depth;
        EXPECT_EQ(charFormatOf(*doc, u"b"_s).fontWeight(), QFont::Bold) << depth;
        EXPECT_EQ(charFormatOf(*doc, u"c"_s).fontWeight(), QFont::Normal) << depth;
        EXPECT_EQ(charFormatOf(*doc, u"d"_s).fontWeight(), QFont::Normal) << depth;
    }
}

TEST(RtfRobustness, TextAfterOverDeepGroupsHasTheStateOfItsOwnGroup)
{
    // The text sits as deep as a state is kept for; the groups inside it are not.
    const QByteArray keptOpen(4000, '{');
    const QByteArray keptClose(4000, '}');
    const QByteArray open(200000, '{');
    const QByteArray close(200000, '}');
    const auto doc = loadRtf("{\\rtf1 " + keptOpen + "{\\b x" + open + "\\b0\\v\\*\\foo y{}" + close + "z}after"
                             + keptClose + "}");
    EXPECT_EQ(doc->toPlainText(), u"xzafter"_s);
    EXPECT_EQ(charFormatOf(*doc, u"z"_s).fontWeight(), QFont::Bold);
    EXPECT_EQ(charFormatOf(*doc, u"after"_s).fontWeight(), QFont::Normal);
}

TEST(RtfRobustness, UnclosedAndStrayBracesKeepTheText)
{
    EXPECT_EQ(readText("{\\rtf1 {\\b open {\\i groups never closed"), u"open groups never closed"_s);
    // The document ends at the brace that closes its group.
    EXPECT_EQ(readText("{\\rtf1 body} trailing garbage {\\b x}"), u"body"_s);
}

TEST(RtfRobustness, AbsurdParametersAreClampedNotOverflowed)
{
    const auto doc = loadRtf("{\\rtf1\\ansicpg99999999999\\uc99999999999 \\fs99999999999999 \\li-99999999999"
                             "\\sl-2147483648\\sa2147483647\\tx99999999999\\f-5\\cf99999\\highlight-3 "
                             "\\uc1\\u99999999999 xtext\\u-99999 ymore}");
    EXPECT_EQ(doc->toPlainText(), u"textmore"_s); // no character, but their fallbacks are skipped
    const QTextBlockFormat block = doc->begin().blockFormat();
    EXPECT_GE(block.leftMargin(), -31680 / 15.0);
    EXPECT_LE(block.bottomMargin(), 31680 / 15.0);
}

TEST(RtfRobustness, BinaryDataPastTheEndIsCutAtTheEnd)
{
    EXPECT_EQ(readText("{\\rtf1 keep {\\pict\\pngblip\\bin999999999 abc"), u"keep "_s);
    EXPECT_EQ(readText("{\\rtf1 a{\\*\\unknown\\bin3 }}}}b}"), u"ab"_s);
}

TEST(RtfRobustness, UnicodeEscapesSkipFallbacksOfEveryKind)
{
    // \ucN counts a byte, an escaped byte or a control word as one character,
    // and a group boundary ends the skipping.
    EXPECT_EQ(readText("{\\rtf1\\uc2\\u1046\\'c6\\'c6x}"), u"Жx"_s);
    EXPECT_EQ(readText("{\\rtf1\\uc1\\u1046\\tab x}"), u"Жx"_s);
    EXPECT_EQ(readText("{\\rtf1{\\uc3\\u1046 ab}cd}"), u"Жcd"_s);
    EXPECT_EQ(readText("{\\rtf1\\uc0\\u1046 x}"), u"Жx"_s);
}

TEST(RtfRobustness, CharactersThatWouldBreakTheDocumentAreDropped)
{
    // Frame markers, object placeholders, paragraph separators, controls and
    // unpaired surrogates.
    const auto doc = loadRtf("{\\rtf1\\uc0 a\\u-560b\\u-559c\\u-4d\\u8233 e\\u0 f\\u7 g\\u-10179 h\\u-8704 i\x01\x1f j}");
    EXPECT_EQ(doc->toRawText(), u"abcdefghi j"_s);
    EXPECT_EQ(doc->blockCount(), 1);
    EXPECT_EQ(readText("{\\rtf1\\uc0\\u-10179\\u-8704 pair}"), u"😀pair"_s);
}

TEST(RtfRobustness, PicturesThatCannotBeShownAreSkipped)
{
    EXPECT_EQ(readText("{\\rtf1 a{\\pict\\pngblip 00ff00zz}b{\\pict\\wmetafile8 0102}c{\\pict\\jpegblip}d}"),
              u"abcd"_s);
    EXPECT_EQ(readText("{\\rtf1 a{\\*\\nonshppict{\\pict\\pngblip 89504e47}}b}"), u"ab"_s);
}

TEST(RtfRobustness, UnknownControlWordsAndDestinationsNeverShowAsText)
{
    EXPECT_EQ(readText("{\\rtf1 a\\fakeword12 b{\\*\\fakedest secret}{\\info{\\title secret}}c\\'zz d}"),
              u"abczz d"_s);
    EXPECT_EQ(readText("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}{\\stylesheet{Normal;}}x}"), u"x"_s);
}

// A note of several megabytes loads whole: every paragraph, in its code page.
// How fast is a matter for the RTF benchmarks, not for a test.
TEST(RtfRobustness, LargeNoteLoadsWhole)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Tahoma;}}\\f0 ";
    const QByteArray line = "\\b \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\b0  plain words here {\\i x}\\par\r\n";
    int lines = 0;
    while (rtf.size() < 4 * 1024 * 1024) {
        rtf += line;
        ++lines;
    }
    rtf += '}';
    const auto doc = loadRtf(rtf);
    // Each \\par ends a paragraph; the break after the last one ends the note.
    EXPECT_EQ(doc->blockCount(), lines);
    EXPECT_EQ(doc->begin().text(), u"Привет plain words here x"_s);
    EXPECT_EQ(doc->lastBlock().text(), u"Привет plain words here x"_s);
}

} // namespace
