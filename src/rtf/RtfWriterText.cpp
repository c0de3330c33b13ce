#include "rtf/RtfCodePages.h"
#include "rtf/RtfWriterSupport.h"

#include <charconv>

namespace veltrano::rtf {

void RtfOutput::grow(qsizetype needed)
{
    m_data.resize(qMax(m_data.size() * 2, m_size + needed));
}

void RtfOutput::number(long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    put(QByteArrayView(buffer, result.ptr - buffer));
}

void RtfOutput::control(QByteArrayView word, long long value)
{
    put('\\');
    put(word);
    number(value);
}

void appendRtfText(RtfOutput &out, QStringView text, int codePage)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const unsigned char *encoding = encodingTable(codePage);
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch >= 0x20 && ch < 0x80) {
            if (ch == u'\\' || ch == u'{' || ch == u'}')
                out.put('\\');
            out.put(static_cast<char>(ch));
            continue;
        }
        switch (ch) {
        case u'\t': out.put("\\tab "); continue;
        case 0x2028: out.put("\\line "); continue;
        case 0x00A0: out.put("\\~"); continue;
        case 0x00AD: out.put("\\-"); continue;
        case 0x2011: out.put("\\_"); continue;
        case 0x2029: case 0xFDD0: case 0xFDD1: case 0xFFFC: continue;
        default: break;
        }
        if (ch < 0x20)
            continue;
        // \uN takes a signed 16-bit number; surrogate halves are written one by one.
        out.control("u", ch > 0x7FFF ? static_cast<long long>(ch) - 0x10000 : ch);
        const unsigned char fallback = encoding[ch];
        if (fallback == 0) {
            out.put('?');
        } else {
            out.put("\\'");
            out.put(kHex[fallback >> 4]);
            out.put(kHex[fallback & 0xF]);
        }
    }
}

int fallbackCodePage(QStringView text)
{
    const unsigned char *western = encodingTable(1252);
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch < 0x80 || western[ch] != 0)
            continue;
        if (const int page = codePageHolding(ch))
            return page;
    }
    return 1252;
}

} // namespace veltrano::rtf
