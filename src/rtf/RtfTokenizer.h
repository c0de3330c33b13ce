#pragma once
#include <QByteArrayView>

namespace veltrano::rtf {

// The value of a hex digit, or -1 for any other character.
int hexDigitValue(char c);

struct RtfToken {
    enum Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, Text, HexByte, Binary };
    Kind kind = End;
    // The control word's name, the text run or the binary data; views into the input.
    QByteArrayView data;
    int param = 0;
    bool hasParam = false;
    char symbol = 0;        // ControlSymbol
    unsigned char byte = 0; // HexByte
};

// Splits RTF into tokens in one pass without copying. Never reads past the end:
// a control word, \'hh or \bin cut short by the end of the data yields what is
// there and then End.
class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView input) : m_pos(input.data()), m_end(input.data() + input.size()) {}
    RtfToken next();
    bool atEnd() const { return m_pos >= m_end; }

private:
    RtfToken controlWord();
    RtfToken controlSymbol();
    const char *m_pos;
    const char *m_end;
};

} // namespace veltrano::rtf
