#pragma once
#include <QByteArray>
#include <QStringView>

class QTextDocument;
class QTextImageFormat;

namespace veltrano::rtf {

void appendNumber(QByteArray &out, long long value);
void appendControl(QByteArray &out, const char *word, long long value);

// Text as RTF: escapes, special characters as control words, anything outside
// ASCII as \uN followed by its byte in `codePage` (or '?').
void appendRtfText(QByteArray &out, QStringView text, int codePage);

// The code page for the fallback bytes: the one holding the document's first
// character that Windows-1252 has no byte for.
int fallbackCodePage(const QTextDocument &doc);

// The image of `format` as a \pict group; nothing when the document has no
// image data under its name.
void appendPicture(QByteArray &out, const QTextDocument &doc, const QTextImageFormat &format);

} // namespace veltrano::rtf
