// What the writer writes, the reader reads back the same: every attribute the
// note editor can set, and text of every script.
#include "RtfTestSupport.h"

#include "rtf/RtfWriter.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace veltrano;
using namespace veltrano::test;

namespace {

void expectSameCharFormat(const QTextCharFormat &a, const QTextCharFormat &b, const QString &where)
{
    SCOPED_TRACE(where.toStdString());
    EXPECT_EQ(a.fontFamilies().toStringList(), b.fontFamilies().toStringList());
    EXPECT_DOUBLE_EQ(a.fontPointSize(), b.fontPointSize());
    EXPECT_EQ(a.fontWeight() >= QFont::Bold, b.fontWeight() >= QFont::Bold);
    EXPECT_EQ(a.fontItalic(), b.fontItalic());
    EXPECT_EQ(a.fontUnderline(), b.fontUnderline());
    EXPECT_EQ(a.fontStrikeOut(), b.fontStrikeOut());
    EXPECT_EQ(a.verticalAlignment(), b.verticalAlignment());
    EXPECT_EQ(a.hasProperty(QTextFormat::ForegroundBrush), b.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(a.foreground().color(), b.foreground().color());
    EXPECT_EQ(a.hasProperty(QTextFormat::BackgroundBrush), b.hasProperty(QTextFormat::BackgroundBrush));
    EXPECT_EQ(a.background().color(), b.background().color());
    EXPECT_EQ(a.isImageFormat(), b.isImageFormat());
}

void expectSameBlockFormat(const QTextBlockFormat &a, const QTextBlockFormat &b, const QString &where)
{
    SCOPED_TRACE(where.toStdString());
    EXPECT_EQ(a.alignment() & Qt::AlignHorizontal_Mask, b.alignment() & Qt::AlignHorizontal_Mask);
    EXPECT_NEAR(a.leftMargin(), b.leftMargin(), 0.05);
    EXPECT_NEAR(a.rightMargin(), b.rightMargin(), 0.05);
    EXPECT_NEAR(a.textIndent(), b.textIndent(), 0.05);
    EXPECT_NEAR(a.topMargin(), b.topMargin(), 0.05);
    EXPECT_NEAR(a.bottomMargin(), b.bottomMargin(), 0.05);
    EXPECT_EQ(a.lineHeightType(), b.lineHeightType());
    EXPECT_NEAR(a.lineHeight(), b.lineHeight(), 0.5);
    EXPECT_EQ(a.tabPositions(), b.tabPositions());
}

// Text, character formats run by run and paragraph formats, compared.
void expectSameDocument(const QTextDocument &expected, const QTextDocument &actual)
{
    ASSERT_EQ(expected.toRawText(), actual.toRawText());
    ASSERT_EQ(expected.blockCount(), actual.blockCount());
    for (QTextBlock a = expected.begin(), b = actual.begin(); a.isValid(); a = a.next(), b = b.next()) {
        expectSameBlockFormat(a.blockFormat(), b.blockFormat(), a.text());
        for (int i = 0; i < a.length() - 1; ++i) {
            QTextCursor ca(a), cb(b);
            ca.setPosition(a.position() + i + 1);
            cb.setPosition(b.position() + i + 1);
            if (ca.charFormat() != cb.charFormat())
                expectSameCharFormat(ca.charFormat(), cb.charFormat(), a.text().mid(i, 1) + u" in "_s + a.text());
        }
    }
}

QTextCharFormat charFormat(void (*set)(QTextCharFormat &))
{
    QTextCharFormat format;
    set(format);
    return format;
}

TEST(RtfRoundTrip, EveryCharacterAttribute)
{
    ensureGuiApplication();
    QTextDocument doc;
    QTextCursor cursor(&doc);
    const std::pair<const char16_t *, void (*)(QTextCharFormat &)> runs[] = {
        {u"plain ", [](QTextCharFormat &) {}},
        {u"bold ", [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); }},
        {u"italic ", [](QTextCharFormat &f) { f.setFontItalic(true); }},
        {u"underline ", [](QTextCharFormat &f) { f.setFontUnderline(true); }},
        {u"strike ", [](QTextCharFormat &f) { f.setFontStrikeOut(true); }},
        {u"family ", [](QTextCharFormat &f) { f.setFontFamilies({u"DejaVu Serif"_s}); }},
        {u"cyrillic-named family ", [](QTextCharFormat &f) { f.setFontFamilies({u"Шрифт Ёж"_s}); }},
        {u"size ", [](QTextCharFormat &f) { f.setFontPointSize(10.5); }},
        {u"large ", [](QTextCharFormat &f) { f.setFontPointSize(36); }},
        {u"red ", [](QTextCharFormat &f) { f.setForeground(QColor(200, 10, 20)); }},
        {u"on yellow ", [](QTextCharFormat &f) { f.setBackground(QColor(255, 250, 0)); }},
        {u"super ", [](QTextCharFormat &f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); }},
        {u"sub ", [](QTextCharFormat &f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); }},
        {u"everything", [](QTextCharFormat &f) {
             f.setFontWeight(QFont::Bold); f.setFontItalic(true); f.setFontUnderline(true);
             f.setFontStrikeOut(true); f.setFontFamilies({u"Liberation Mono"_s}); f.setFontPointSize(14);
             f.setForeground(QColor(1, 2, 3)); f.setBackground(QColor(200, 10, 20)); }},
    };
    for (const auto &[text, set] : runs)
        cursor.insertText(QString::fromUtf16(text), charFormat(set));
    expectSameDocument(doc, *roundTrip(doc));
}

TEST(RtfRoundTrip, EveryParagraphAttribute)
{
    ensureGuiApplication();
    QTextDocument doc;
    QTextCursor cursor(&doc);
    const auto paragraph = [&cursor](const QString &text, void (*set)(QTextBlockFormat &)) {
        QTextBlockFormat format;
        set(format);
        cursor.insertBlock(format);
        cursor.insertText(text);
    };
    cursor.insertText(u"first, default"_s);
    paragraph(u"left"_s, [](QTextBlockFormat &f) { f.setAlignment(Qt::AlignLeft); });
    paragraph(u"center"_s, [](QTextBlockFormat &f) { f.setAlignment(Qt::AlignHCenter); });
    paragraph(u"right"_s, [](QTextBlockFormat &f) { f.setAlignment(Qt::AlignRight); });
    paragraph(u"justify"_s, [](QTextBlockFormat &f) { f.setAlignment(Qt::AlignJustify); });
    paragraph(u"indents"_s, [](QTextBlockFormat &f) {
        f.setLeftMargin(40); f.setRightMargin(12.4); f.setTextIndent(-20); });
    paragraph(u"spacing"_s, [](QTextBlockFormat &f) { f.setTopMargin(6); f.setBottomMargin(18); });
    paragraph(u"one and a half"_s, [](QTextBlockFormat &f) {
        f.setLineHeight(150, QTextBlockFormat::ProportionalHeight); });
    paragraph(u"fixed lines"_s, [](QTextBlockFormat &f) { f.setLineHeight(20, QTextBlockFormat::FixedHeight); });
    paragraph(u"at least"_s, [](QTextBlockFormat &f) { f.setLineHeight(18, QTextBlockFormat::MinimumHeight); });
    paragraph(u"tab\tstops\tand\ttabs"_s, [](QTextBlockFormat &f) {
        f.setTabPositions({QTextOption::Tab(50, QTextOption::LeftTab),
                           QTextOption::Tab(150, QTextOption::CenterTab),
                           QTextOption::Tab(250, QTextOption::RightTab),
                           QTextOption::Tab(350, QTextOption::DelimiterTab, u'.')}); });
    paragraph(QString(), [](QTextBlockFormat &f) { f.setAlignment(Qt::AlignRight); });
    paragraph(u"line\u2028break and an empty paragraph above"_s, [](QTextBlockFormat &) {});
    expectSameDocument(doc, *roundTrip(doc));
}

TEST(RtfRoundTrip, TextOfEveryScriptAndRtfSpecialCharacters)
{
    ensureGuiApplication();
    const QString text = u"ASCII {braces} \\backslash\\ ; semicolon\n"
                         u"Кириллица: Съешь же ещё этих мягких булок ё Ё\n"
                         u"Ελληνικά, Türkçe ğış, Polski żółć, עברית, العربية, ไทย\n"
                         u"日本語と中文, 한국어, emoji 😀👍🏽 and 𝄞, e\u0301 combining\n"
                         u"  leading and trailing spaces  \n"
                         u"nbsp\u00a0soft\u00adhyphen\u2011nobreak €‰™\n"_s;
    QTextDocument doc;
    doc.setPlainText(text);
    expectSameDocument(doc, *roundTrip(doc));
}

TEST(RtfRoundTrip, NonAsciiCarriesCodePageFallbacks)
{
    // Readers without Unicode support show the fallback byte; it must be in
    // the code page the header declares.
    ensureGuiApplication();
    QTextDocument cyrillic;
    cyrillic.setPlainText(u"Привет café"_s);
    const QByteArray rtf = writeRtf(cyrillic);
    EXPECT_TRUE(rtf.contains("\\ansicpg1251"));
    EXPECT_TRUE(rtf.contains("\\u1055\\'cf")); // П
    EXPECT_TRUE(rtf.contains("caf\\u233?")); // é is not in 1251

    QTextDocument western;
    western.setPlainText(u"café 😀"_s);
    const QByteArray latin = writeRtf(western);
    EXPECT_TRUE(latin.contains("\\ansicpg1252"));
    EXPECT_TRUE(latin.contains("caf\\u233\\'e9"));
    EXPECT_TRUE(latin.contains("\\u-10179?\\u-8704?"));
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

QImage testImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(0, 120, 255));
    image.setPixelColor(0, 0, QColor(255, 0, 0));
    return image;
}

TEST(RtfRoundTrip, ImagesKeepTheirDataAndShownSize)
{
    ensureGuiApplication();
    QTextDocument doc;
    const QByteArray png = encoded(testImage(30, 20), "PNG");
    const QByteArray jpeg = encoded(testImage(16, 16), "JPEG");
    doc.addResource(QTextDocument::ImageResource, QUrl(u"png"_s), png);
    doc.addResource(QTextDocument::ImageResource, QUrl(u"jpeg"_s), jpeg);
    doc.addResource(QTextDocument::ImageResource, QUrl(u"pasted"_s), testImage(5, 7));
    QTextCursor cursor(&doc);
    cursor.insertText(u"png "_s);
    QTextImageFormat image;
    image.setName(u"png"_s);
    cursor.insertImage(image);
    cursor.insertText(u" scaled "_s);
    image.setWidth(60);
    image.setHeight(10);
    cursor.insertImage(image);
    cursor.insertBlock();
    QTextImageFormat photo;
    photo.setName(u"jpeg"_s);
    cursor.insertImage(photo);
    QTextImageFormat pasted;
    pasted.setName(u"pasted"_s);
    cursor.insertImage(pasted);

    const auto back = roundTrip(doc);
    ASSERT_EQ(back->toRawText(), doc.toRawText());
    QList<QTextImageFormat> images;
    for (QTextBlock block = back->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                images.append(it.fragment().charFormat().toImageFormat());
        }
    }
    ASSERT_EQ(images.size(), 4);
    const auto data = [&back](const QTextImageFormat &f) {
        return back->resource(QTextDocument::ImageResource, QUrl(f.name())).toByteArray();
    };
    EXPECT_EQ(data(images[0]), png); // written as given, not encoded again
    EXPECT_FALSE(images[0].hasProperty(QTextFormat::ImageWidth));
    EXPECT_DOUBLE_EQ(images[1].width(), 60);
    EXPECT_DOUBLE_EQ(images[1].height(), 10);
    EXPECT_EQ(data(images[2]), jpeg);
    const QImage pastedBack = QImage::fromData(data(images[3]));
    EXPECT_EQ(pastedBack.size(), QSize(5, 7));
    EXPECT_EQ(pastedBack.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(pastedBack.pixelColor(4, 6), QColor(0, 120, 255));
}

TEST(RtfRoundTrip, EmptyNoteIsASmallValidFile)
{
    ensureGuiApplication();
    QTextDocument empty;
    const QByteArray rtf = writeRtf(empty);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
    EXPECT_LT(rtf.size(), 300);
    const auto back = loadRtf(rtf);
    EXPECT_EQ(back->blockCount(), 1);
    EXPECT_TRUE(back->isEmpty());
}

TEST(RtfRoundTrip, WordProcessorDocumentSurvivesRewriting)
{
    for (const QString &name : {u"libreoffice-formats.rtf"_s, u"richedit-1251.rtf"_s, u"richedit-1252.rtf"_s,
                                u"wordpad-unicode.rtf"_s}) {
        SCOPED_TRACE(name.toStdString());
        const auto original = loadFixture(name);
        expectSameDocument(*original, *roundTrip(*original));
    }
}

} // namespace
