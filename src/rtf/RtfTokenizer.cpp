#include "rtf/RtfTokenizer.h"

#include <climits>

namespace veltrano::rtf {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

int hexDigitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken RtfTokenizer::next()
{
    RtfToken token;
    // Line ends carry no meaning in RTF; writers wrap long lines freely.
    while (m_pos < m_end && (*m_pos == '\r' || *m_pos == '\n'))
        ++m_pos;
    if (m_pos >= m_end)
        return token;
    const char c = *m_pos;
    if (c == '{' || c == '}') {
        ++m_pos;
        token.kind = c == '{' ? RtfToken::GroupStart : RtfToken::GroupEnd;
        return token;
    }
    if (c == '\\') {
        ++m_pos;
        if (m_pos >= m_end)
            return token;
        return isLetter(*m_pos) ? controlWord() : controlSymbol();
    }
    const char *start = m_pos;
    while (m_pos < m_end && *m_pos != '\\' && *m_pos != '{' && *m_pos != '}' && *m_pos != '\r'
           && *m_pos != '\n')
        ++m_pos;
    token.kind = RtfToken::Text;
    token.data = QByteArrayView(start, m_pos - start);
    return token;
}

RtfToken RtfTokenizer::controlWord()
{
    RtfToken token;
    token.kind = RtfToken::ControlWord;
    const char *start = m_pos;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    token.data = QByteArrayView(start, m_pos - start);
    bool negative = false;
    if (m_pos < m_end && *m_pos == '-' && m_pos + 1 < m_end && isDigit(m_pos[1])) {
        negative = true;
        ++m_pos;
    }
    long long value = 0;
    while (m_pos < m_end && isDigit(*m_pos)) {
        token.hasParam = true;
        // Saturate instead of overflowing on absurd parameters.
        if (value < INT_MAX)
            value = value * 10 + (*m_pos - '0');
        ++m_pos;
    }
    if (value > INT_MAX)
        value = INT_MAX;
    token.param = static_cast<int>(negative ? -value : value);
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;
    if (token.data == QByteArrayView("bin") && token.hasParam) {
        const qsizetype available = m_end - m_pos;
        const qsizetype length = token.param < 0 ? 0 : qMin<qsizetype>(token.param, available);
        token.kind = RtfToken::Binary;
        token.data = QByteArrayView(m_pos, length);
        m_pos += length;
    }
    return token;
}

RtfToken RtfTokenizer::controlSymbol()
{
    RtfToken token;
    const char c = *m_pos++;
    if (c == '\'') {
        const int high = m_pos < m_end ? hexDigitValue(m_pos[0]) : -1;
        const int low = m_pos + 1 < m_end ? hexDigitValue(m_pos[1]) : -1;
        if (high < 0 || low < 0) {
            // A broken escape: drop it with the hex digit it has, if any.
            if (high >= 0)
                ++m_pos;
            token.kind = RtfToken::ControlSymbol;
            token.symbol = '\'';
            return token;
        }
        m_pos += 2;
        token.kind = RtfToken::HexByte;
        token.byte = static_cast<unsigned char>(high * 16 + low);
        return token;
    }
    if (c == '\\' || c == '{' || c == '}') {
        token.kind = RtfToken::Text;
        token.data = QByteArrayView(m_pos - 1, 1);
        return token;
    }
    token.kind = RtfToken::ControlSymbol;
    token.symbol = c;
    return token;
}

} // namespace veltrano::rtf
