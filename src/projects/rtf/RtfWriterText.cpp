#include "projects/rtf/RtfCodePages.h"
#include "projects/rtf/RtfWriterSupport.h"

#include <QTextDocument>
#include <charconv>

namespace veltrano::rtf {

void appendNumber(QByteArray &out, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr - buffer);
}

void appendControl(QByteArray &out, const char *word, long long value)
{
    out.append('\\');
    out.append(word);
    appendNumber(out, value);
}

void appendRtfText(QByteArray &out, QStringView text, int codePage)
{
    static constexpr char kHex[] = "0123456789abcdef";
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch >= 0x20 && ch < 0x80) {
            if (ch == u'\\' || ch == u'{' || ch == u'}')
                out.append('\\');
            out.append(static_cast<char>(ch));
            continue;
        }
        switch (ch) {
        case u'\t': out.append("\\tab "); continue;
        case 0x2028: out.append("\\line "); continue;
        case 0x00A0: out.append("\\~"); continue;
        case 0x00AD: out.append("\\-"); continue;
        case 0x2011: out.append("\\_"); continue;
        case 0x2029: case 0xFDD0: case 0xFDD1: case 0xFFFC: continue;
        default: break;
        }
        if (ch < 0x20)
            continue;
        // \uN takes a signed 16-bit number; surrogate halves are written one by one.
        appendControl(out, "u", ch > 0x7FFF ? static_cast<long long>(ch) - 0x10000 : ch);
        const unsigned char fallback = qc.isSurrogate() ? 0 : encodeCodePageChar(codePage, ch);
        if (fallback == 0) {
            out.append('?');
        } else {
            out.append("\\'");
            out.append(kHex[fallback >> 4]);
            out.append(kHex[fallback & 0xF]);
        }
    }
}

int fallbackCodePage(const QTextDocument &doc)
{
    const QString text = doc.toRawText();
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch < 0x80 || encodeCodePageChar(1252, ch) != 0)
            continue;
        if (const int page = codePageHolding(ch))
            return page;
    }
    return 1252;
}

} // namespace veltrano::rtf
