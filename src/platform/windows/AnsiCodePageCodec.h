#pragma once
#include "platform/TextCodec.h"

namespace veltrano {

// Text in the ANSI code page (GetACP), as Windows programs write it, read
// and written through Windows' own tables, whatever the page (1251, 1252,
// the Far East double-byte ones...). UTF-16 with its byte-order mark is
// read as such. Text the page cannot hold is written as UTF-16 with the
// mark rather than losing a character; the next read finds it so.
// A system whose ANSI page is UTF-8 (an option of Windows 10 and later)
// uses Utf8SystemCodec instead.
class AnsiCodePageCodec final : public TextCodec {
public:
    explicit AnsiCodePageCodec(unsigned codePage);
    DecodedText decode(const QByteArray &bytes) const override;
    QByteArray encode(const QString &text, TextEncoding encoding) const override;
    unsigned codePage() const { return m_codePage; }

private:
    QString decodeIn(unsigned codePage, const QByteArray &bytes) const;
    // False when a character has no bytes in the page, or its bytes would
    // read back as another.
    bool encodeIn(unsigned codePage, const QString &text, QByteArray &out) const;
    unsigned m_codePage;
};

} // namespace veltrano
