#pragma once
#include "platform/TextCodec.h"

namespace veltrano {

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

// The Windows code page number of an encoding (1200 and 1201 for UTF-16, 0
// for System).
int codePageOf(TextEncoding encoding);
// The Windows code page that text of the given QLocale::Language was written in,
// or System when the language does not settle it.
TextEncoding legacyCodePageOfLanguage(int language);

} // namespace veltrano
