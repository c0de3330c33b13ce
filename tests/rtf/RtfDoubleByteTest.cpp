// Notes in the double-byte code pages (Japanese 932, Chinese 936 and 950,
// Korean 949) as the Windows rich-edit control wrote them: each byte its own
// \'hh escape, trail bytes in the ASCII range often plain characters.
#include "RtfTestSupport.h"

#include "rtf/RtfWriter.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace veltrano;
using namespace veltrano::test;

namespace {

QByteArray japanese(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 MS;}{\\f1\\fcharset0 Arial;}}\\f0 " + body + "}";
}

TEST(RtfDoubleByte, EachPageDecodesItsCharactersAndTrailBytesWrittenAsText)
{
    const auto doc = loadFixture(u"richedit-double-byte.rtf"_s);
    QStringList paragraphs;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        paragraphs.append(block.text());
    // 本 and 表 have '{' and '\' as trail bytes, ア and 똠 plain letters; ｱ is a
    // single byte of 932, ① and 똠 exist only in the Windows variants.
    EXPECT_EQ(paragraphs, (QStringList{u"日本語のメモ：あいう、表示ｱｲｳ①"_s, u"中文笔记：测试，完成"_s,
                                       u"한국어 메모: 똠방각하"_s, u"繁體中文筆記：許功蓋"_s}));
    // The font table's names are in the font's own page too.
    EXPECT_EQ(charFormatOf(*doc, u"日本語"_s).fontFamilies().toStringList(), QStringList{u"ＭＳ Ｐゴシック"_s});
    EXPECT_EQ(charFormatOf(*doc, u"繁體"_s).fontFamilies().toStringList(), QStringList{u"PMingLiU"_s});
}

TEST(RtfDoubleByte, LeadAndTrailInAnyFormTheyAreWritten)
{
    EXPECT_EQ(readText(japanese("\\'82\\'a0x")), u"あx"_s);
    EXPECT_EQ(readText(japanese("\\'82a\\'83A")), u"Ｂア"_s);
    EXPECT_EQ(readText(japanese("\\'95\\\\\\'96\\{z")), u"表本z"_s);
    EXPECT_EQ(readText(japanese("\\'82\r\n\\'a0\\'82\r\n\\'a2")), u"あい"_s); // line breaks carry no meaning
    // Without a font the file's \ansicpg applies.
    EXPECT_EQ(readText("{\\rtf1\\ansi\\ansicpg932 a\\'82\\'a0\\'82\\'a2b}"), u"aあいb"_s);
    EXPECT_EQ(readText("{\\rtf1\\ansi\\ansicpg949 \\'c7\\'d1\\'b1\\'db}"), u"한글"_s);
}

TEST(RtfDoubleByte, TextAroundARunKeepsItsOrderAndFormat)
{
    const auto doc = loadRtf(japanese("a\\'82\\'a0b{\\b \\'82\\'a2}\\f1 c\\'e9\\f0\\'82\\'a4"));
    EXPECT_EQ(doc->toPlainText(), u"aあbいcéう"_s);
    EXPECT_EQ(charFormatOf(*doc, u"い"_s).fontWeight(), QFont::Bold);
    EXPECT_EQ(charFormatOf(*doc, u"う"_s).fontWeight(), QFont::Normal);
    EXPECT_EQ(charFormatOf(*doc, u"あ"_s).fontWeight(), QFont::Normal);
}

TEST(RtfDoubleByte, BrokenCharactersLeaveAMarkAndTheTextAfterThem)
{
    // A lead byte cut off by a control word, a group's end or the end of the
    // file, and a byte the page has no character for.
    EXPECT_EQ(readText(japanese("\\'82\\par x")), u"\uFFFD\nx"_s);
    EXPECT_EQ(readText(japanese("{\\'82}\\'82\\'a0")), u"\uFFFDあ"_s);
    EXPECT_EQ(readText(japanese("y\\'82")), u"y\uFFFD"_s);
    EXPECT_EQ(readText(japanese("a\\'ffb")), u"a\uFFFDb"_s);
}

TEST(RtfDoubleByte, UnicodeEscapesSkipDoubleByteFallbacks)
{
    EXPECT_EQ(readText(japanese("\\uc2\\u12354\\'82\\'a0x\\uc1\\u12356?y")), u"あxいy"_s);
}

TEST(RtfDoubleByte, RewrittenNoteKeepsItsText)
{
    const auto doc = loadFixture(u"richedit-double-byte.rtf"_s);
    const auto again = roundTrip(*doc);
    EXPECT_EQ(again->toPlainText(), doc->toPlainText());
    EXPECT_EQ(charFormatOf(*again, u"日本語"_s).fontFamilies().toStringList(), QStringList{u"ＭＳ Ｐゴシック"_s});
    // Rewritten as \uN with a '?' fallback: a reader without the page still
    // gets the characters.
    EXPECT_TRUE(writeRtf(*doc).contains("\\u26085?"));
}

} // namespace
