#include "platform/qt/Utf8SystemCodec.h"

#include "platform/qt/CodePages.h"

#include <QLocale>
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

} // namespace

int codePageOf(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1250: return 1250;
    case TextEncoding::Windows1251: return 1251;
    case TextEncoding::Windows1252: return 1252;
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
