#include "platform/qt/Utf8SystemCodec.h"

#include <QLocale>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

// "Привет, мир" as a Windows rich-edit control or Notepad on a Russian desktop saves it.
const QByteArray kCp1251Hello = QByteArray::fromHex("cff0e8e2e5f22c20ece8f0");

QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 1; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

} // namespace

TEST(TextCodec, Utf8FilesReadAsTheSystemCodePage)
{
    const Utf8SystemCodec codec;
    const DecodedText decoded = codec.decode(QStringLiteral("Привет, мир").toUtf8());
    EXPECT_EQ(decoded.text, QStringLiteral("Привет, мир"));
    EXPECT_EQ(decoded.encoding, TextEncoding::System);
    EXPECT_EQ(codec.encode(decoded.text, decoded.encoding), QStringLiteral("Привет, мир").toUtf8());
}

TEST(TextCodec, Cp1251FileIsReadAsCyrillicAndWrittenBackByteForByte)
{
    const Utf8SystemCodec codec; // English desktop: the legacy page is guessed
    const DecodedText decoded = codec.decode(kCp1251Hello);
    EXPECT_EQ(decoded.text, QStringLiteral("Привет, мир"));
    EXPECT_EQ(decoded.encoding, TextEncoding::Windows1251);
    EXPECT_EQ(codec.encode(decoded.text, decoded.encoding), kCp1251Hello);
}

TEST(TextCodec, WesternLegacyTextIsGuessedAsCp1252)
{
    const Utf8SystemCodec codec;
    const QByteArray bytes = QByteArray("Caf\xe9 cr\xe8me br\xfbl\xe9" "e");
    const DecodedText decoded = codec.decode(bytes);
    EXPECT_EQ(decoded.text, QStringLiteral("Café crème brûlée"));
    EXPECT_EQ(decoded.encoding, TextEncoding::Windows1252);
}

// Undefined bytes (0x81 in 1252, 0x98 in 1251) included.
TEST(TextCodec, EveryByteSurvivesEachLegacyCodePage)
{
    for (TextEncoding page : {TextEncoding::Windows1250, TextEncoding::Windows1251, TextEncoding::Windows1252}) {
        const Utf8SystemCodec codec(page, false);
        const DecodedText decoded = codec.decode(allBytes());
        EXPECT_EQ(decoded.encoding, page);
        EXPECT_EQ(codec.encode(decoded.text, decoded.encoding), allBytes()) << codePageOf(page);
    }
}

TEST(TextCodec, TextTheLegacyPageCannotHoldIsWrittenInTheSystemPageInstead)
{
    const Utf8SystemCodec codec;
    const QString text = QStringLiteral("Привет ✓");
    EXPECT_EQ(codec.encode(text, TextEncoding::Windows1251), text.toUtf8());
}

TEST(TextCodec, LegacyBytesThatWouldReadBackAsOtherTextAreWrittenInTheSystemPageInstead)
{
    // In 1251 "Я»" is DF BB, which is also UTF-8 (U+07FB) and would be read as that.
    const Utf8SystemCodec forced(TextEncoding::Windows1251, false);
    const QString yaQuote = QStringLiteral("Я»");
    EXPECT_EQ(forced.encode(yaQuote, TextEncoding::Windows1251), yaQuote.toUtf8());
    // A lone Cyrillic capital in 1251 is guessed as a Western letter on reading.
    const Utf8SystemCodec guessing;
    const QString room = QStringLiteral("Room Б");
    EXPECT_EQ(guessing.decode(guessing.encode(room, TextEncoding::Windows1251)).text, room);
    // Bytes that read back as the same text stay in their page.
    const QString mixed = QStringLiteral("Я» Привет");
    EXPECT_EQ(forced.encode(mixed, TextEncoding::Windows1251), QByteArray("\xdf\xbb \xcf\xf0\xe8\xe2\xe5\xf2"));
}

TEST(TextCodec, ForcedFallbackIsUsedWithoutGuessing)
{
    const Utf8SystemCodec codec(TextEncoding::Windows1251, false);
    EXPECT_EQ(codec.decode(QByteArray("caf\xe9")).encoding, TextEncoding::Windows1251);
}

TEST(TextCodec, LanguagesMapToTheirWindowsCodePage)
{
    EXPECT_EQ(legacyCodePageOfLanguage(QLocale::Russian), TextEncoding::Windows1251);
    EXPECT_EQ(legacyCodePageOfLanguage(QLocale::Ukrainian), TextEncoding::Windows1251);
    EXPECT_EQ(legacyCodePageOfLanguage(QLocale::Polish), TextEncoding::Windows1250);
    EXPECT_EQ(legacyCodePageOfLanguage(QLocale::German), TextEncoding::Windows1252);
    EXPECT_EQ(legacyCodePageOfLanguage(QLocale::English), TextEncoding::System);
}

TEST(TextCodec, ByteOrderMarkIsKept)
{
    const Utf8SystemCodec codec;
    const QByteArray bytes = QByteArray("\xef\xbb\xbf[Application]\r\n");
    const DecodedText decoded = codec.decode(bytes);
    EXPECT_EQ(codec.encode(decoded.text, decoded.encoding), bytes);
}

// Windows Notepad's "Unicode" (and "Unicode big endian") saving: UTF-16 after
// its byte-order mark. The text reads without the mark, and goes back with it,
// byte for byte, including what is not a well-formed character (a lone
// surrogate, a dangling last byte is not kept but never stops the read).
TEST(TextCodec, Utf16WithItsMarkIsReadAndWrittenBackInTheSameByteOrder)
{
    const Utf8SystemCodec codec(TextEncoding::Windows1251, false);
    const QString text = QStringLiteral("[MainForm]\r\nAlarm1Sound=Будильник ✓\r\n") + QChar(0xD800) + u'x';
    for (const auto order : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(order, QStringConverter::Flag::WriteBom);
        const QByteArray bytes = encoder.encode(text);
        const DecodedText decoded = codec.decode(bytes);
        EXPECT_EQ(decoded.text, text);
        EXPECT_EQ(decoded.encoding, order == QStringConverter::Utf16LE ? TextEncoding::Utf16LE : TextEncoding::Utf16BE);
        EXPECT_EQ(codec.encode(decoded.text, decoded.encoding), bytes);
    }
    const DecodedText torn = codec.decode(QByteArray("\xff\xfe" "a\0b", 5));
    EXPECT_EQ(torn.encoding, TextEncoding::Utf16LE);
    EXPECT_TRUE(torn.text.startsWith(u"a"));
}
