#pragma once
#include <QByteArray>

class QTextDocument;

namespace veltrano {

// The document as standard RTF that word processors open: text (non-ASCII as
// \uN with a code-page fallback), character and paragraph formatting, and
// images as PNG or JPEG pictures. readRtf() gives the same document back.
// Called on every keystroke of the note editor, so it does one cheap pass over
// the document and never re-encodes an image it was given encoded.
QByteArray writeRtf(const QTextDocument &doc);

} // namespace veltrano
