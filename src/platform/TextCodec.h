#pragma once
#include <QByteArray>
#include <QString>

namespace veltrano {

// How a text file's bytes map to characters. `System` is the system code page
// (the locale charset); the others are the Windows code pages that files
// carried over from Windows are written in.
enum class TextEncoding { System, Windows1250, Windows1251, Windows1252 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::System;
};

// Reads bytes in the system code page, or, when they are not valid there, in the
// legacy Windows code page of the user's language; writes them back in the
// encoding they were read in, so no byte of the user's data is lost.
class TextCodec {
public:
    virtual ~TextCodec() = default;
    virtual DecodedText decode(const QByteArray &bytes) const = 0;
    // Encodes in `encoding`; text that code page cannot hold, or whose bytes
    // would not decode as the same text, is written in the system code page
    // instead rather than losing or changing characters.
    virtual QByteArray encode(const QString &text, TextEncoding encoding) const = 0;
};

// The codec for a system code page of UTF-8 and a given legacy code page
// (`fallback`); with `guessFallback` the legacy page is guessed per file
// between Cyrillic (1251) and Western (1252) text.
class Utf8SystemCodec final : public TextCodec {
public:
    explicit Utf8SystemCodec(TextEncoding fallback = TextEncoding::Windows1252,
                             bool guessFallback = true)
        : m_fallback(fallback), m_guess(guessFallback) {}
    DecodedText decode(const QByteArray &bytes) const override;
    QByteArray encode(const QString &text, TextEncoding encoding) const override;

private:
    TextEncoding legacyEncodingFor(const QByteArray &bytes) const;
    TextEncoding m_fallback;
    bool m_guess;
};

// Single-byte conversions for the Windows code pages; exposed for tests.
QString decodeWindowsCodePage(const QByteArray &bytes, TextEncoding page);
// False when a character has no byte in that code page.
bool encodeWindowsCodePage(const QString &text, TextEncoding page, QByteArray &out);
// The Windows code page that text of the given QLocale::Language was written in,
// or System when the language does not settle it.
TextEncoding legacyCodePageOfLanguage(int language);

} // namespace veltrano
