#include "platform/qt/Utf8SystemCodec.h"

#include "platform/qt/CodePages.h"

#include <QLocale>
#include <QtEndian>

#include <cstring>
#include <QStringDecoder>
#include <QStringEncoder>

namespace veltrano {
namespace {

// Cyrillic words in code page 1251 are runs of upper-half letters; in Western
// text in 1252 an accented letter stands mostly alone among ASCII letters.
bool looksCyrillic(const QByteArray &bytes)
{
    qsizetype letters = 0;
    qsizetype inLongRuns = 0;
    qsizetype run = 0;
    auto endRun = [&] {
        if (run >= 3)
            inLongRuns += run;
        run = 0;
    };
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0xC0) {
            ++letters;
            ++run;
        } else {
            endRun();
        }
    }
    endRun();
    return letters > 0 && inLongRuns * 2 >= letters;
}

constexpr char kUtf16LEMark[] = "\xFF\xFE";
constexpr char kUtf16BEMark[] = "\xFE\xFF";

// Code unit for code unit, so that what is not a well-formed character (a lone
// surrogate) still goes back as the bytes it came from. A dangling last byte
// cannot be one of a character: it reads as the replacement character.
QString decodeUtf16(QByteArrayView bytes, TextEncoding order)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units + bytes.size() % 2, Qt::Uninitialized);
    QChar *out = text.data();
    const char *in = bytes.data();
    for (qsizetype i = 0; i < units; ++i, in += 2)
        *out++ = QChar(order == TextEncoding::Utf16LE ? qFromLittleEndian<char16_t>(in) : qFromBigEndian<char16_t>(in));
    if (bytes.size() % 2)
        *out = QChar::ReplacementCharacter;
    return text;
}

QByteArray encodeUtf16(const QString &text, TextEncoding order)
{
    QByteArray bytes(2 + text.size() * 2, Qt::Uninitialized);
    char *out = bytes.data();
    const bool little = order == TextEncoding::Utf16LE;
    std::memcpy(out, little ? kUtf16LEMark : kUtf16BEMark, 2);
    out += 2;
    for (const QChar ch : text) {
        if (little)
            qToLittleEndian<char16_t>(ch.unicode(), out);
        else
            qToBigEndian<char16_t>(ch.unicode(), out);
        out += 2;
    }
    return bytes;
}

} // namespace

int codePageOf(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1250: return 1250;
    case TextEncoding::Windows1251: return 1251;
    case TextEncoding::Windows1252: return 1252;
    case TextEncoding::Utf16LE: return 1200;
    case TextEncoding::Utf16BE: return 1201;
    case TextEncoding::System: break;
    }
    return 0;
}

TextEncoding legacyCodePageOfLanguage(int language)
{
    switch (static_cast<QLocale::Language>(language)) {
    case QLocale::Russian: case QLocale::Ukrainian: case QLocale::Belarusian:
    case QLocale::Bulgarian: case QLocale::Serbian: case QLocale::Macedonian:
    case QLocale::Kazakh: case QLocale::Kyrgyz: case QLocale::Tatar:
    case QLocale::Bashkir: case QLocale::Mongolian: case QLocale::Tajik:
        return TextEncoding::Windows1251;
    case QLocale::Polish: case QLocale::Czech: case QLocale::Slovak:
    case QLocale::Hungarian: case QLocale::Slovenian: case QLocale::Croatian:
    case QLocale::Bosnian: case QLocale::Romanian: case QLocale::Albanian:
        return TextEncoding::Windows1250;
    case QLocale::AnyLanguage: case QLocale::C: case QLocale::English:
        return TextEncoding::System;
    default:
        return TextEncoding::Windows1252;
    }
}

TextEncoding Utf8SystemCodec::legacyEncodingFor(const QByteArray &bytes) const
{
    if (!m_guess)
        return m_fallback;
    return looksCyrillic(bytes) ? TextEncoding::Windows1251 : TextEncoding::Windows1252;
}

DecodedText Utf8SystemCodec::decode(const QByteArray &bytes) const
{
    for (const TextEncoding order : {TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        if (bytes.startsWith(order == TextEncoding::Utf16LE ? kUtf16LEMark : kUtf16BEMark))
            return {decodeUtf16(QByteArrayView(bytes).sliced(2), order), order};
    }
    // Stateless: a file that ends inside a UTF-8 sequence is not valid UTF-8.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return {std::move(text), TextEncoding::System};
    const TextEncoding legacy = legacyEncodingFor(bytes);
    return {decodeCodePage(bytes, codePageOf(legacy)), legacy};
}

QByteArray Utf8SystemCodec::encode(const QString &text, TextEncoding encoding) const
{
    if (encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE)
        return encodeUtf16(text, encoding);
    if (encoding != TextEncoding::System) {
        // Legacy bytes that happen to form UTF-8, or that the guess takes for
        // another page, would come back as other text at the next read.
        QByteArray bytes;
        if (encodeCodePage(text, codePageOf(encoding), bytes) && decode(bytes).text == text)
            return bytes;
    }
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8.encode(text);
}

} // namespace veltrano
