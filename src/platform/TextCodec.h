#pragma once
#include <QByteArray>
#include <QString>

namespace veltrano {

// How a text file's bytes map to characters. `System` is the system code page
// (the locale charset); the Windows ones are the code pages that files carried
// over from Windows are written in; the UTF-16 ones are Notepad's "Unicode"
// files, which start with a byte-order mark.
enum class TextEncoding { System, Windows1250, Windows1251, Windows1252, Utf16LE, Utf16BE };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::System;
};

// Reads bytes in the system code page, or, when they are not valid there, in the
// legacy Windows code page of the user's language; UTF-16 when they start with
// its byte-order mark. Writes them back in the encoding they were read in (the
// mark included), so no byte of the user's data is lost.
class TextCodec {
public:
    virtual ~TextCodec() = default;
    virtual DecodedText decode(const QByteArray &bytes) const = 0;
    // Encodes in `encoding`; text that code page cannot hold, or whose bytes
    // would not decode as the same text, is written in the system code page
    // instead rather than losing or changing characters.
    virtual QByteArray encode(const QString &text, TextEncoding encoding) const = 0;
};

} // namespace veltrano
