#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <cstring>

class QTextDocument;
class QTextImageFormat;

namespace veltrano::rtf {

// An append-only byte buffer with inline appends: the writer emits a byte or
// two per character, and a call into the library for each would dominate the
// cost of saving a note.
class RtfOutput {
public:
    explicit RtfOutput(qsizetype capacity) : m_data(qMax<qsizetype>(capacity, 64), Qt::Uninitialized) {}
    void put(char c)
    {
        if (m_size == m_data.size())
            grow(1);
        m_data.data()[m_size++] = c;
    }
    void put(QByteArrayView bytes)
    {
        if (m_size + bytes.size() > m_data.size())
            grow(bytes.size());
        std::memcpy(m_data.data() + m_size, bytes.data(), static_cast<size_t>(bytes.size()));
        m_size += bytes.size();
    }
    void number(long long value);
    // "\word" followed by the number.
    void control(QByteArrayView word, long long value);
    QByteArray take()
    {
        m_data.truncate(m_size);
        return std::move(m_data);
    }

private:
    void grow(qsizetype needed);
    QByteArray m_data;
    qsizetype m_size = 0;
};

// Text as RTF: escapes, special characters as control words, anything outside
// ASCII as \uN followed by its byte in `codePage` (or '?').
void appendRtfText(RtfOutput &out, QStringView text, int codePage);

// The code page for the fallback bytes: the one holding the first character
// of `text` that Windows-1252 has no byte for.
int fallbackCodePage(QStringView text);

// The image of `format` as a \pict group; nothing when the document has no
// image data under its name.
void appendPicture(RtfOutput &out, const QTextDocument &doc, const QTextImageFormat &format);

} // namespace veltrano::rtf
