#pragma once
#include "rtf/RtfDoubleByteText.h"
#include "rtf/RtfKeywords.h"
#include "rtf/RtfPicture.h"
#include "rtf/RtfReaderState.h"
#include "rtf/RtfTokenizer.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <vector>

class QTextDocument;

namespace veltrano::rtf {

enum class Destination { Text, FontTable, ColourTable, Picture, Skip };

// Everything a group saves and its closing brace restores.
struct GroupState {
    CharProps chars;
    ParaProps para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // \ucN: fallback characters after each \uN
};

// Turns RTF tokens into a QTextDocument. One instance reads one file.
class RtfParser {
public:
    explicit RtfParser(QTextDocument &doc);
    // False when the data does not start like RTF.
    bool parse(QByteArrayView rtf);

private:
    // RtfParser.cpp: groups, text and paragraphs
    void groupStart();
    void groupEnd();
    void text(QByteArrayView bytes);
    void codePageByte(unsigned char byte);
    // Cheap when no double-byte text is gathered, as it is called per token.
    void flushDoubleByte()
    {
        if (!m_doubleByte.isEmpty())
            emitDoubleByte();
    }
    void emitDoubleByte();
    void character(char32_t ch);
    void appendToRun(QStringView text);
    void paragraphEnd();
    void openPendingParagraph();
    void flushRun();
    void finish();
    int activeCodePage() const;
    // RtfParserWords.cpp: control words and symbols
    void controlWord(const RtfToken &token);
    void controlSymbol(char symbol);
    bool documentWord(Keyword keyword, const RtfToken &token);
    bool characterFormatWord(Keyword keyword, const RtfToken &token);
    bool paragraphFormatWord(Keyword keyword, const RtfToken &token);
    bool tableWord(Keyword keyword, const RtfToken &token);
    bool pictureWord(Keyword keyword, const RtfToken &token);
    void colourTableText(char c);
    void commitFont();
    void applyDefaultFont();

    GroupState &state() { return m_states.back(); }

    QTextCursor m_cursor;
    DocumentTables m_tables;
    std::vector<GroupState> m_states;
    int m_overflowDepth = 0; // open groups nested deeper than states are kept for; skipped
    bool m_starred = false;  // the last token was \*
    int m_skipFallback = 0;  // fallback characters still to skip after \uN
    DoubleByteText m_doubleByte;
    char16_t m_pendingHighSurrogate = 0;

    QString m_run;
    CharProps m_runProps;
    CharProps m_formatProps;
    QTextCharFormat m_format;
    bool m_formatValid = false;
    bool m_paragraphPending = false;
    ParaProps m_pendingPara;
    ParaProps m_lastPara;

    // font and colour table entries being read
    int m_fontId = -1;
    int m_fontCodePage = 0;
    int m_defaultFont = 0;
    QString m_fontName;
    int m_red = -1, m_green = -1, m_blue = -1;

    RtfPicture m_picture;
    int m_pictureSerial = 0;
};

} // namespace veltrano::rtf
