#pragma once
#include <QByteArray>

class QTextDocument;

namespace veltrano {

// Replaces the contents of `doc` with the rich text in `rtf`: text, character
// and paragraph formatting, and PNG/JPEG pictures (as image resources of the
// document). Damaged or truncated files give as much text as can be recovered.
// Returns false only when the bytes are not RTF at all; `doc` is empty then.
bool readRtf(const QByteArray &rtf, QTextDocument &doc);

} // namespace veltrano
