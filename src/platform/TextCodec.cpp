#include "platform/TextCodec.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

namespace veltrano {
namespace {

#include "platform/CodePageTables.inc"

const char16_t *upperHalf(TextEncoding page)
{
    switch (page) {
    case TextEncoding::Windows1250: return kUpperHalf1250;
    case TextEncoding::Windows1251: return kUpperHalf1251;
    case TextEncoding::Windows1252: return kUpperHalf1252;
    case TextEncoding::System: break;
    }
    return nullptr;
}

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

} // namespace

QString decodeWindowsCodePage(const QByteArray &bytes, TextEncoding page)
{
    const char16_t *table = upperHalf(page);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b < 0x80 || !table ? char16_t(b) : table[b - 0x80]);
    }
    return text;
}

bool encodeWindowsCodePage(const QString &text, TextEncoding page, QByteArray &out)
{
    const char16_t *table = upperHalf(page);
    out.resize(text.size());
    char *dst = out.data();
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80) {
            *dst++ = static_cast<char>(u);
            continue;
        }
        int found = -1;
        for (int i = 0; table && i < 128; ++i) {
            if (table[i] == u) {
                found = i;
                break;
            }
        }
        if (found < 0)
            return false;
        *dst++ = static_cast<char>(0x80 + found);
    }
    return true;
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
    // Stateless: a file that ends inside a UTF-8 sequence is not valid UTF-8.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return {std::move(text), TextEncoding::System};
    const TextEncoding legacy = legacyEncodingFor(bytes);
    return {decodeWindowsCodePage(bytes, legacy), legacy};
}

QByteArray Utf8SystemCodec::encode(const QString &text, TextEncoding encoding) const
{
    if (encoding != TextEncoding::System) {
        // Legacy bytes that happen to form UTF-8, or that the guess takes for
        // another page, would come back as other text at the next read.
        QByteArray bytes;
        if (encodeWindowsCodePage(text, encoding, bytes) && decode(bytes).text == text)
            return bytes;
    }
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8.encode(text);
}

} // namespace veltrano
