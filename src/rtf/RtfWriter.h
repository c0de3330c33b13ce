#pragma once
#include <QByteArray>
#include <memory>

class QTextDocument;

namespace veltrano {

// The document as standard RTF that word processors open: text (non-ASCII as
// \uN with a code-page fallback), character and paragraph formatting, and
// images as PNG or JPEG pictures. readRtf() gives the same document back.
// Called on every keystroke of the note editor, so it does one cheap pass over
// the document and never re-encodes an image it was given encoded.
QByteArray writeRtf(const QTextDocument &doc);

// Writes the same document again and again, as the note editor does on every
// keystroke: the bytes are those of writeRtf(), but a paragraph that did not
// change since the last write is copied rather than encoded again
// (RtfDocumentWriter.cpp).
class RtfDocumentWriter {
public:
    RtfDocumentWriter();
    ~RtfDocumentWriter();
    RtfDocumentWriter(const RtfDocumentWriter &) = delete;
    RtfDocumentWriter &operator=(const RtfDocumentWriter &) = delete;
    RtfDocumentWriter(RtfDocumentWriter &&) noexcept;
    RtfDocumentWriter &operator=(RtfDocumentWriter &&) noexcept;

    QByteArray write(const QTextDocument &doc);
    // Another note was loaded into the document: nothing kept can be trusted,
    // not even a picture of the same name.
    void forget();

    struct Cache;

private:
    std::unique_ptr<Cache> m_cache;
};

} // namespace veltrano
