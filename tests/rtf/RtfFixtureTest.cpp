// Notes as other programs wrote them: Windows rich-edit controls (code pages
// 1251/1252, per-font charsets), WordPad, Word and LibreOffice.
#include "RtfTestSupport.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace veltrano::test;

namespace {

QStringList paragraphs(const QTextDocument &doc)
{
    QStringList list;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        list.append(block.text());
    return list;
}

TEST(RtfFixture, RichEditCyrillicInCodePage1251)
{
    const auto doc = loadFixture(u"richedit-1251.rtf"_s);
    EXPECT_EQ(paragraphs(*doc), (QStringList{u"Проект Альфа"_s, u"Задачи: срочно до пятницы"_s,
                                             u"Код\tёлка № 5"_s, u"Центр"_s}));
    const QTextCharFormat title = charFormatOf(*doc, u"Проект"_s);
    EXPECT_EQ(title.fontFamilies().toStringList(), QStringList{u"Tahoma"_s});
    EXPECT_DOUBLE_EQ(title.fontPointSize(), 8.0);
    EXPECT_EQ(title.fontWeight(), QFont::Normal);
    EXPECT_EQ(charFormatOf(*doc, u"Задачи"_s).fontWeight(), QFont::Bold);
    EXPECT_EQ(charFormatOf(*doc, u"срочно"_s).foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(charFormatOf(*doc, u"пятницы"_s).hasProperty(QTextFormat::ForegroundBrush));
    const QTextCharFormat code = charFormatOf(*doc, u"Код"_s);
    EXPECT_TRUE(code.fontItalic());
    EXPECT_EQ(code.fontFamilies().toStringList(), QStringList{u"Courier New CYR"_s});
    EXPECT_DOUBLE_EQ(code.fontPointSize(), 10.0);
    EXPECT_FALSE(charFormatOf(*doc, u"ёлка"_s).fontItalic());
    EXPECT_EQ(blockFormatOf(*doc, u"Центр"_s).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(charFormatOf(*doc, u"Центр"_s).fontUnderline());
}

TEST(RtfFixture, RichEditWesternInCodePage1252)
{
    const auto doc = loadFixture(u"richedit-1252.rtf"_s);
    EXPECT_EQ(paragraphs(*doc), (QStringList{u"Café crème brûlée – naïve € 5"_s, u"Right marked text"_s,
                                             u"Indented\tone\ttwo\u2028soft break"_s, u"gone green"_s}));
    EXPECT_EQ(blockFormatOf(*doc, u"Right"_s).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(charFormatOf(*doc, u"marked"_s).background().color(), QColor(255, 255, 0));
    EXPECT_FALSE(charFormatOf(*doc, u"Right"_s).hasProperty(QTextFormat::BackgroundBrush));
    EXPECT_DOUBLE_EQ(charFormatOf(*doc, u"Right"_s).fontPointSize(), 14.0);

    const QTextBlockFormat indented = blockFormatOf(*doc, u"Indented"_s);
    EXPECT_DOUBLE_EQ(indented.leftMargin(), 48.0); // 720 twips at 96 dpi
    EXPECT_DOUBLE_EQ(indented.rightMargin(), 24.0);
    EXPECT_DOUBLE_EQ(indented.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(indented.topMargin(), 8.0);
    EXPECT_DOUBLE_EQ(indented.bottomMargin(), 16.0);
    const QList<QTextOption::Tab> tabs = indented.tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_DOUBLE_EQ(tabs[0].position, 96.0);
    EXPECT_EQ(tabs[0].type, QTextOption::LeftTab);
    EXPECT_DOUBLE_EQ(tabs[1].position, 288.0);
    EXPECT_EQ(tabs[1].type, QTextOption::RightTab);

    EXPECT_TRUE(charFormatOf(*doc, u"gone"_s).fontStrikeOut());
    EXPECT_EQ(charFormatOf(*doc, u"green"_s).foreground().color(), QColor(0, 128, 0));
    EXPECT_EQ(blockFormatOf(*doc, u"green"_s).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
}

TEST(RtfFixture, EachFontDecodesBytesInItsOwnCharset)
{
    const auto doc = loadFixture(u"richedit-mixed-charsets.rtf"_s);
    EXPECT_EQ(doc->toPlainText(), u"Western éü Дом Αθήνα Ščř end"_s);
}

TEST(RtfFixture, UnicodeEscapesSkipTheirFallbacks)
{
    const auto doc = loadFixture(u"wordpad-unicode.rtf"_s);
    EXPECT_EQ(paragraphs(*doc), (QStringList{u"Smile 😀 and Жук and 日本 and €uro"_s,
                                             u"bullet:\u00a0•\u00a0done"_s}));
    const QTextBlockFormat first = blockFormatOf(*doc, u"Smile"_s);
    EXPECT_EQ(first.lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_NEAR(first.lineHeight(), 115.0, 0.01);
}

TEST(RtfFixture, WordDocumentShowsOnlyItsBodyText)
{
    // Header, footnote, field code, hidden text, bookmarks, theme and data
    // store are all in the file; only the body text and field results are shown.
    const auto doc = loadFixture(u"word-destinations.rtf"_s);
    EXPECT_EQ(paragraphs(*doc), (QStringList{u"Visit example now."_s, u"·\tItem one"_s}));
    const QTextCharFormat link = charFormatOf(*doc, u"example"_s);
    EXPECT_TRUE(link.fontUnderline());
    EXPECT_EQ(link.foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(link.fontFamilies().toStringList(), QStringList{u"Calibri"_s});
}

TEST(RtfFixture, LibreOfficeFormattingAndPicture)
{
    const auto doc = loadFixture(u"libreoffice-formats.rtf"_s);
    const QStringList paras = paragraphs(*doc);
    ASSERT_EQ(paras.size(), 7);
    EXPECT_EQ(paras[0], u"Plain text, bold, italic, underlined, struck."_s);
    EXPECT_EQ(paras[4], u"Кириллица: Привет, мир! Ελληνικά Ω. Emoji 😀."_s);
    EXPECT_EQ(paras[5], u"Tab: after\u2028second line"_s);
    EXPECT_EQ(charFormatOf(*doc, u"bold"_s).fontWeight(), QFont::Bold);
    EXPECT_TRUE(charFormatOf(*doc, u"italic"_s).fontItalic());
    EXPECT_TRUE(charFormatOf(*doc, u"underlined"_s).fontUnderline());
    EXPECT_TRUE(charFormatOf(*doc, u"struck"_s).fontStrikeOut());
    EXPECT_FALSE(charFormatOf(*doc, u"Plain"_s).fontStrikeOut());

    const QTextCharFormat red = charFormatOf(*doc, u"Centred"_s);
    EXPECT_EQ(red.foreground().color(), QColor(192, 0, 0));
    EXPECT_EQ(red.fontFamilies().toStringList(), QStringList{u"DejaVu Serif"_s});
    EXPECT_DOUBLE_EQ(red.fontPointSize(), 18.0);
    EXPECT_EQ(blockFormatOf(*doc, u"Centred"_s).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(charFormatOf(*doc, u"Highlighted"_s).background().color(), QColor(255, 255, 0));

    const QTextBlockFormat justified = blockFormatOf(*doc, u"Justified"_s);
    EXPECT_EQ(justified.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(justified.leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(justified.rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(justified.textIndent(), 24.0);

    // The PNG is shown once; the metafile copy for old readers is skipped.
    const QString last = paras[6];
    EXPECT_EQ(last.count(QChar::ObjectReplacementCharacter), 1);
    const QTextCharFormat picture = charFormatOf(*doc, QString(QChar::ObjectReplacementCharacter));
    ASSERT_TRUE(picture.isImageFormat());
    const QImage image = QImage::fromData(
        doc->resource(QTextDocument::ImageResource, QUrl(picture.toImageFormat().name())).toByteArray());
    EXPECT_EQ(image.size(), QSize(8, 6));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(255, 0, 0));

    // And the editor can paint it from the resource the reader left.
    QImage page(600, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        doc->drawContents(&painter);
    }
    int redPixels = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x)
            redPixels += page.pixelColor(x, y) == QColor(255, 0, 0);
    }
    EXPECT_EQ(redPixels, 8 * 6);
}

TEST(RtfFixture, LibreOfficeTextWithTabsAndSuperscripts)
{
    const auto cyrillic = loadFixture(u"libreoffice-cyrillic-text.rtf"_s);
    EXPECT_EQ(paragraphs(*cyrillic), (QStringList{u"Заметка по проекту\tстатус\tготово"_s,
                                                  u"Вторая строка: Ёлка, щука, объём."_s}));
    const auto scripts = loadFixture(u"libreoffice-supsub.rtf"_s);
    EXPECT_EQ(paragraphs(*scripts).first(), u"H2O and E=mc2"_s);
    EXPECT_EQ(charFormatOf(*scripts, u"2O"_s).verticalAlignment(), QTextCharFormat::AlignNormal);
    const QString text = scripts->toPlainText();
    QTextCursor sub(scripts.get());
    sub.setPosition(static_cast<int>(text.indexOf(u"2O"_s)) + 1);
    EXPECT_EQ(sub.charFormat().verticalAlignment(), QTextCharFormat::AlignSubScript);
    QTextCursor super(scripts.get());
    super.setPosition(static_cast<int>(text.indexOf(u"mc2"_s)) + 3);
    EXPECT_EQ(super.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextCharFormat mono = charFormatOf(*scripts, u"Mono"_s);
    EXPECT_EQ(mono.fontFamilies().toStringList(), QStringList{u"Liberation Mono"_s});
    EXPECT_DOUBLE_EQ(mono.fontPointSize(), 14.0);
}

} // namespace
