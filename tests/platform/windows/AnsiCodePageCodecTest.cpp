// Text files in the ANSI code page, through Windows' own tables.
#include "platform/windows/AnsiCodePageCodec.h"

#include <gtest/gtest.h>

using namespace veltrano;

TEST(AnsiCodePageCodec, CyrillicPageReadsAndWritesItsOwnBytes)
{
    const AnsiCodePageCodec codec(1251);
    const QByteArray bytes("\xcf\xf0\xe8\xe2\xe5\xf2\r\n");
    const DecodedText text = codec.decode(bytes);
    EXPECT_EQ(text.text, QString::fromUtf8("Привет\r\n"));
    EXPECT_EQ(text.encoding, TextEncoding::System);
    EXPECT_EQ(codec.encode(text.text, TextEncoding::System), bytes);
}

TEST(AnsiCodePageCodec, TextThePageCannotHoldIsWrittenAsUnicodeNotLost)
{
    const AnsiCodePageCodec codec(1252);
    // "ő" has no byte in 1252; a best fit would quietly write "o".
    const QString text = QString::fromUtf8("Café – ő 中");
    const QByteArray bytes = codec.encode(text, TextEncoding::System);
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    const DecodedText back = codec.decode(bytes);
    EXPECT_EQ(back.text, text);
    EXPECT_EQ(back.encoding, TextEncoding::Utf16LE);
    // What the page holds stays in the page.
    EXPECT_EQ(codec.encode(QString::fromUtf8("Café €"), TextEncoding::System), QByteArray("Caf\xe9 \x80"));
}

TEST(AnsiCodePageCodec, UnicodeFilesKeepTheirByteOrder)
{
    const AnsiCodePageCodec codec(1252);
    const QByteArray bigEndian("\xFE\xFF\x04\x1F\x00\x21", 6);
    const DecodedText text = codec.decode(bigEndian);
    EXPECT_EQ(text.text, QString::fromUtf8("П!"));
    EXPECT_EQ(text.encoding, TextEncoding::Utf16BE);
    EXPECT_EQ(codec.encode(text.text, text.encoding), bigEndian);
    // A dangling last byte is no character, and no crash.
    EXPECT_EQ(codec.decode(QByteArray("\xFF\xFE\x41", 3)).text, QString(QChar::ReplacementCharacter));
}

TEST(AnsiCodePageCodec, ALegacyPageAskedForIsUsedWhenItReadsBackTheSame)
{
    const AnsiCodePageCodec codec(1251);
    // Written in 1252 these bytes would read back in 1251 as other letters:
    // the system's page is used instead.
    const QString western = QString::fromUtf8("é");
    const QByteArray bytes = codec.encode(western, TextEncoding::Windows1252);
    EXPECT_EQ(codec.decode(bytes).text, western);
    EXPECT_TRUE(codec.encode(QString(), TextEncoding::System).isEmpty());
    EXPECT_TRUE(codec.decode(QByteArray()).text.isEmpty());
}
