#include "rtf/RtfParser.h"

#include "rtf/RtfCodePages.h"
#include "rtf/RtfReader.h"

#include <QTextBlockFormat>
#include <QTextDocument>

namespace veltrano {

bool readRtf(const QByteArray &rtf, QTextDocument &doc)
{
    // Loading is not an edit the user could undo; undo recording would also
    // double the cost of a large note.
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    rtf::RtfParser parser(doc);
    const bool ok = parser.parse(rtf);
    if (!ok)
        doc.clear();
    doc.setUndoRedoEnabled(undo);
    return ok;
}

} // namespace veltrano

namespace veltrano::rtf {
namespace {

// Real notes nest a few levels deep, Word's documents a few dozen. Groups
// deeper than this are skipped whole (only their braces are counted), so a
// hostile file cannot make the saved states grow without bound, and nothing
// said inside them can outlive their closing brace.
constexpr size_t kMaxDepth = 4096;

// The data from its opening brace on, past a byte-order mark and blank lines.
QByteArrayView withoutPreamble(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    return data.trimmed();
}

bool looksLikeRtf(QByteArrayView data)
{
    return data.startsWith('{') && data.sliced(1).trimmed().startsWith("\\rtf");
}

// Characters that would break the document's structure (block and frame
// markers, object placeholders) or that no editor shows.
bool isShowable(char32_t ch)
{
    if (ch < 0x20)
        return ch == u'\t';
    return ch != 0x2029 && ch != 0xFDD0 && ch != 0xFDD1 && ch != 0xFFFC && ch <= 0x10FFFF;
}

} // namespace

RtfParser::RtfParser(QTextDocument &doc) : m_cursor(&doc)
{
    m_states.emplace_back();
}

bool RtfParser::parse(QByteArrayView rtf)
{
    rtf = withoutPreamble(rtf);
    if (!looksLikeRtf(rtf))
        return false;
    // Inside an edit block the cursor does not lay out the text after each
    // insertion; that alone would make loading several times slower.
    m_cursor.beginEditBlock();
    RtfTokenizer tokenizer(rtf);
    for (RtfToken token = tokenizer.next(); token.kind != RtfToken::End; token = tokenizer.next()) {
        if (token.kind != RtfToken::ControlWord)
            m_starred = m_starred && token.kind == RtfToken::ControlSymbol && token.symbol == '*';
        // A double-byte character's bytes may be split over escapes and text.
        if (token.kind != RtfToken::HexByte && token.kind != RtfToken::Text)
            flushDoubleByte();
        if (token.kind == RtfToken::GroupStart) {
            groupStart();
            continue;
        }
        if (token.kind == RtfToken::GroupEnd) {
            groupEnd();
            if (m_states.size() == 1)
                break; // the document's group is closed; anything after it is not RTF
            continue;
        }
        if (m_overflowDepth > 0 || state().destination == Destination::Skip)
            continue;
        switch (token.kind) {
        case RtfToken::ControlWord: controlWord(token); break;
        case RtfToken::ControlSymbol: controlSymbol(token.symbol); break;
        case RtfToken::Text: text(token.data); break;
        case RtfToken::HexByte: codePageByte(token.byte); break;
        case RtfToken::Binary:
            if (state().destination == Destination::Picture)
                m_picture.addBinary(token.data);
            break;
        default: break;
        }
    }
    finish();
    m_cursor.endEditBlock();
    return true;
}

void RtfParser::groupStart()
{
    m_skipFallback = 0;
    if (m_states.size() >= kMaxDepth) {
        ++m_overflowDepth;
        return;
    }
    m_states.push_back(state());
}

void RtfParser::groupEnd()
{
    m_skipFallback = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_states.size() <= 1)
        return;
    const Destination closing = state().destination;
    m_states.pop_back();
    if (closing == Destination::FontTable) {
        commitFont();
        applyDefaultFont();
    }
    if (closing == Destination::Picture && state().destination != Destination::Picture
        && state().destination != Destination::Skip) {
        flushRun();
        openPendingParagraph();
        if (m_picture.insertAt(m_cursor, m_pictureSerial + 1))
            ++m_pictureSerial;
        m_lastPara = state().para;
    }
}

int RtfParser::activeCodePage() const
{
    const GroupState &current = m_states.back();
    int codePage = 0;
    if (current.destination == Destination::FontTable) {
        codePage = m_fontCodePage;
    } else {
        const int font = current.chars.font >= 0 ? current.chars.font : m_defaultFont;
        const auto it = m_tables.fonts.constFind(font);
        codePage = it != m_tables.fonts.cend() ? it->codePage : 0;
    }
    return codePage != 0 ? codePage : m_tables.defaultCodePage;
}

void RtfParser::text(QByteArrayView bytes)
{
    if (m_skipFallback > 0) {
        const qsizetype skipped = qMin<qsizetype>(m_skipFallback, bytes.size());
        m_skipFallback -= static_cast<int>(skipped);
        bytes = bytes.sliced(skipped);
    }
    switch (state().destination) {
    case Destination::Picture:
        m_picture.addHex(bytes);
        return;
    case Destination::ColourTable:
        for (char c : bytes)
            colourTableText(c);
        return;
    case Destination::FontTable:
        for (char c : bytes)
            codePageByte(static_cast<unsigned char>(c));
        return;
    default:
        break;
    }
    if (state().chars.hidden)
        return;
    // Most note text is plain ASCII: take it in one piece.
    QString decoded;
    decoded.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && !m_doubleByte.awaitsTrail()) {
            flushDoubleByte(); // nothing is in `decoded` while bytes are gathered
            if (byte >= 0x20 || byte == '\t')
                decoded.append(QLatin1Char(c));
            continue;
        }
        appendToRun(decoded);
        decoded.clear();
        codePageByte(byte);
    }
    appendToRun(decoded);
}

void RtfParser::codePageByte(unsigned char byte)
{
    if (m_skipFallback > 0) {
        --m_skipFallback;
        return;
    }
    const int codePage = activeCodePage();
    if (m_doubleByte.codePage() != codePage)
        flushDoubleByte();
    if (isDoubleByteCodePage(codePage) && (byte >= 0x80 || m_doubleByte.awaitsTrail())) {
        m_doubleByte.add(codePage, byte);
        return;
    }
    flushDoubleByte();
    character(decodeCodePageByte(codePage, byte));
}

void RtfParser::emitDoubleByte()
{
    for (const QChar ch : m_doubleByte.take())
        character(ch.unicode());
}

void RtfParser::character(char32_t ch)
{
    switch (state().destination) {
    case Destination::FontTable:
        if (ch == u';')
            commitFont();
        else if (ch < 0x10000 && isShowable(ch))
            m_fontName.append(QChar(static_cast<char16_t>(ch)));
        return;
    case Destination::ColourTable:
        if (ch < 0x80)
            colourTableText(static_cast<char>(ch));
        return;
    case Destination::Text:
        break;
    default:
        return;
    }
    if (state().chars.hidden)
        return;
    if (QChar::isHighSurrogate(ch)) {
        m_pendingHighSurrogate = static_cast<char16_t>(ch);
        return;
    }
    if (QChar::isLowSurrogate(ch)) {
        if (m_pendingHighSurrogate == 0)
            return;
        const char16_t pair[2] = {m_pendingHighSurrogate, static_cast<char16_t>(ch)};
        m_pendingHighSurrogate = 0;
        appendToRun(QStringView(pair, 2));
        return;
    }
    if (!isShowable(ch))
        return;
    char16_t units[2];
    const qsizetype count = QChar::requiresSurrogates(ch) ? 2 : 1;
    if (count == 2) {
        units[0] = QChar::highSurrogate(ch);
        units[1] = QChar::lowSurrogate(ch);
    } else {
        units[0] = static_cast<char16_t>(ch);
    }
    appendToRun(QStringView(units, count));
}

void RtfParser::appendToRun(QStringView text)
{
    if (text.isEmpty())
        return;
    m_pendingHighSurrogate = 0; // a high surrogate not followed by its pair is dropped
    openPendingParagraph();
    const CharProps &props = state().chars;
    if (!m_run.isEmpty() && !(m_runProps == props))
        flushRun();
    m_runProps = props;
    m_run.append(text);
    m_lastPara = state().para;
}

void RtfParser::flushRun()
{
    if (m_run.isEmpty())
        return;
    if (!m_formatValid || !(m_formatProps == m_runProps)) {
        m_format = toCharFormat(m_runProps, m_tables);
        m_formatProps = m_runProps;
        m_formatValid = true;
    }
    m_cursor.insertText(m_run, m_format);
    m_run.clear();
}

// The paragraph mark of the last paragraph ends the document rather than
// starting an empty paragraph after it (as Word and rich-edit controls read
// it), so a paragraph is opened only when something follows.
void RtfParser::paragraphEnd()
{
    if (state().destination != Destination::Text)
        return;
    flushRun();
    openPendingParagraph();
    m_paragraphPending = true;
    m_pendingPara = state().para;
    m_lastPara = state().para;
}

void RtfParser::openPendingParagraph()
{
    if (!m_paragraphPending)
        return;
    m_paragraphPending = false;
    m_cursor.setBlockFormat(toBlockFormat(m_pendingPara));
    m_cursor.insertBlock();
}

// Text with no font of its own is in the document's default font (\deffN):
// it becomes the document's, so that it is shown in it and written back
// with it, not in whatever font the editor happens to use.
void RtfParser::applyDefaultFont()
{
    const auto it = m_tables.fonts.constFind(m_defaultFont);
    if (it == m_tables.fonts.cend() || it->name.isEmpty())
        return;
    QTextDocument *doc = m_cursor.document();
    QFont font = doc->defaultFont();
    if (font.family() == it->name)
        return;
    font.setFamily(it->name);
    doc->setDefaultFont(font);
}

void RtfParser::finish()
{
    flushDoubleByte();
    flushRun();
    applyDefaultFont(); // \deff may follow the font table
    m_cursor.setBlockFormat(toBlockFormat(m_paragraphPending ? m_pendingPara : m_lastPara));
    m_paragraphPending = false;
}

} // namespace veltrano::rtf
