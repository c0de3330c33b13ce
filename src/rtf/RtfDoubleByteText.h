#pragma once
#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace veltrano::rtf {

// Text in a double-byte code page (932, 936, 949, 950). Rich-edit controls
// write each byte as its own \'hh escape, sometimes a trail byte as a plain
// character, so a character only exists once the bytes of the run are put
// back together; they are gathered here and decoded in one call.
class DoubleByteText {
public:
    bool isEmpty() const { return m_bytes.isEmpty(); }
    int codePage() const { return m_codePage; }
    // After a lead byte the next byte belongs to the same character, whatever it is.
    bool awaitsTrail() const { return m_awaitsTrail; }
    // Bytes of another code page start a new text; take() the old one first.
    void add(int codePage, unsigned char byte);
    // The text of the bytes gathered so far, which are then dropped. A lead
    // byte without its trail, and bytes the code page has no character for,
    // become U+FFFD so their place stays visible.
    QString take();

private:
    QString decodeWithoutDecoder(QByteArrayView bytes) const;

    QByteArray m_bytes;
    int m_codePage = 0;
    bool m_awaitsTrail = false;
    QStringDecoder m_decoder;
    int m_decoderPage = 0;
};

} // namespace veltrano::rtf
