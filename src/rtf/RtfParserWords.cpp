#include "rtf/RtfCodePages.h"
#include "rtf/RtfParser.h"

#include <algorithm>
#include <utility>

namespace veltrano::rtf {
namespace {

// Lengths beyond 22 inches are damage, not formatting; capping them keeps a
// broken file from producing a page miles wide.
constexpr int kMaxTwips = 31680;
constexpr int kMaxTabStops = 64;

int twips(const RtfToken &token, int low = -kMaxTwips)
{
    return std::clamp(token.param, low, kMaxTwips);
}

bool switchedOn(const RtfToken &token)
{
    return !token.hasParam || token.param != 0;
}

bool isHandledDestination(Keyword keyword)
{
    switch (keyword) {
    case Keyword::FontTable: case Keyword::ColourTable: case Keyword::Picture:
    case Keyword::ShapePicture: case Keyword::FieldResult:
        return true;
    default:
        return false;
    }
}

} // namespace

void RtfParser::controlWord(const RtfToken &token)
{
    const bool starred = std::exchange(m_starred, false);
    const Keyword keyword = lookupKeyword(token.data);
    if (m_skipFallback > 0) {
        --m_skipFallback;
        return;
    }
    if (starred && !isHandledDestination(keyword)) {
        state().destination = Destination::Skip;
        return;
    }
    if (state().destination == Destination::Picture) {
        pictureWord(keyword, token);
        return;
    }
    if (documentWord(keyword, token) || tableWord(keyword, token))
        return;
    if (state().destination == Destination::Text
        && !characterFormatWord(keyword, token))
        paragraphFormatWord(keyword, token);
}

void RtfParser::controlSymbol(char symbol)
{
    if (symbol == '*') {
        m_starred = true;
        return;
    }
    if (m_skipFallback > 0) {
        --m_skipFallback;
        return;
    }
    switch (symbol) {
    case '~': character(0x00A0); break;
    case '-': character(0x00AD); break;
    case '_': character(0x2011); break;
    case '\n': case '\r': paragraphEnd(); break;
    default: break; // \: (index subentry), \| (formula), broken \'
    }
}

bool RtfParser::documentWord(Keyword keyword, const RtfToken &token)
{
    switch (keyword) {
    case Keyword::Ansi: m_tables.defaultCodePage = 1252; return true;
    case Keyword::Mac: m_tables.defaultCodePage = 10000; return true;
    case Keyword::Pc: m_tables.defaultCodePage = 437; return true;
    case Keyword::Pca: m_tables.defaultCodePage = 850; return true;
    case Keyword::AnsiCodePage:
        if (token.param > 0)
            m_tables.defaultCodePage = token.param;
        return true;
    case Keyword::DefaultFont: m_defaultFont = token.param; return true;
    case Keyword::UnicodeSkip: state().unicodeSkip = std::clamp(token.param, 0, 8); return true;
    case Keyword::Unicode: {
        // Sixteen-bit signed by the standard; some writers give the code point.
        const int value = token.param < 0 ? token.param + 65536 : token.param;
        if (value >= 0)
            character(static_cast<char32_t>(value));
        m_skipFallback = state().unicodeSkip;
        return true;
    }
    case Keyword::FontTable:
        state().destination = Destination::FontTable;
        m_fontId = -1;
        return true;
    case Keyword::ColourTable:
        state().destination = Destination::ColourTable;
        m_tables.colours.clear();
        m_red = m_green = m_blue = -1;
        return true;
    case Keyword::Picture:
        state().destination = Destination::Picture;
        m_picture.start();
        return true;
    case Keyword::SkipDestination: state().destination = Destination::Skip; return true;
    case Keyword::ShapePicture: case Keyword::FieldResult:
        state().destination = Destination::Text;
        return true;
    case Keyword::Paragraph: paragraphEnd(); return true;
    default:
        break;
    }
    if (const char16_t ch = characterOfKeyword(keyword)) {
        character(ch);
        return true;
    }
    return false;
}

bool RtfParser::tableWord(Keyword keyword, const RtfToken &token)
{
    const Destination destination = state().destination;
    if (destination == Destination::FontTable) {
        switch (keyword) {
        case Keyword::Font:
            commitFont();
            m_fontId = token.param;
            m_fontCodePage = 0;
            break;
        case Keyword::FontCharset:
            m_fontCodePage = codePageOfCharset(token.param);
            break;
        case Keyword::FontCodePage:
            if (token.param > 0)
                m_fontCodePage = token.param;
            break;
        default:
            break;
        }
        return true; // nothing else matters inside the font table
    }
    if (destination == Destination::ColourTable) {
        const int value = std::clamp(token.param, 0, 255);
        if (keyword == Keyword::Red)
            m_red = value;
        else if (keyword == Keyword::Green)
            m_green = value;
        else if (keyword == Keyword::Blue)
            m_blue = value;
        return true;
    }
    return false;
}

bool RtfParser::characterFormatWord(Keyword keyword, const RtfToken &token)
{
    CharProps &chars = state().chars;
    switch (keyword) {
    case Keyword::Plain: chars = CharProps(); return true;
    case Keyword::Bold: chars.bold = switchedOn(token); return true;
    case Keyword::Italic: chars.italic = switchedOn(token); return true;
    case Keyword::Underline: chars.underline = switchedOn(token); return true;
    case Keyword::UnderlineNone: chars.underline = false; return true;
    case Keyword::Strike: chars.strike = switchedOn(token); return true;
    case Keyword::Hidden: chars.hidden = switchedOn(token); return true;
    // \up and \dn raise and lower by an amount; shown as super- and subscript.
    case Keyword::Superscript: chars.vertical = switchedOn(token) ? 1 : 0; return true;
    case Keyword::Subscript: chars.vertical = switchedOn(token) ? -1 : 0; return true;
    case Keyword::NoSuperSub: chars.vertical = 0; return true;
    case Keyword::Font: chars.font = std::max(token.param, 0); return true;
    case Keyword::FontSize: chars.halfPoints = std::clamp(token.param, 0, 3276); return true;
    case Keyword::Foreground: chars.foreground = std::max(token.param, 0); return true;
    case Keyword::Background: chars.background = std::max(token.param, 0); return true;
    default: return false;
    }
}

bool RtfParser::paragraphFormatWord(Keyword keyword, const RtfToken &token)
{
    ParaProps &para = state().para;
    switch (keyword) {
    case Keyword::ParagraphDefault: para = ParaProps(); return true;
    case Keyword::AlignLeft: para.alignment = Qt::AlignLeft; return true;
    case Keyword::AlignCenter: para.alignment = Qt::AlignHCenter; return true;
    case Keyword::AlignRight: para.alignment = Qt::AlignRight; return true;
    case Keyword::AlignJustify: para.alignment = Qt::AlignJustify; return true;
    case Keyword::LeftIndent: para.leftIndent = twips(token); return true;
    case Keyword::RightIndent: para.rightIndent = twips(token); return true;
    case Keyword::FirstIndent: para.firstLineIndent = twips(token); return true;
    case Keyword::SpaceBefore: para.spaceBefore = twips(token, 0); return true;
    case Keyword::SpaceAfter: para.spaceAfter = twips(token, 0); return true;
    case Keyword::LineSpacing: para.lineSpacing = twips(token); return true;
    case Keyword::LineMultiple: para.lineMultiple = switchedOn(token); return true;
    case Keyword::TabRight: para.nextTabType = QTextOption::RightTab; return true;
    case Keyword::TabCenter: para.nextTabType = QTextOption::CenterTab; return true;
    case Keyword::TabDecimal: para.nextTabType = QTextOption::DelimiterTab; return true;
    case Keyword::TabStop:
        if (para.tabs.size() < kMaxTabStops) {
            const QChar delimiter = para.nextTabType == QTextOption::DelimiterTab ? QChar(u'.') : QChar();
            para.tabs.append(QTextOption::Tab(twips(token, 0) / kTwipsPerPixel, para.nextTabType, delimiter));
        }
        para.nextTabType = QTextOption::LeftTab;
        return true;
    default:
        return false;
    }
}

bool RtfParser::pictureWord(Keyword keyword, const RtfToken &token)
{
    switch (keyword) {
    case Keyword::PngBlip: m_picture.setFormat(RtfPicture::Format::Png); return true;
    case Keyword::JpegBlip: m_picture.setFormat(RtfPicture::Format::Jpeg); return true;
    case Keyword::OtherPictureFormat: m_picture.setFormat(RtfPicture::Format::Unsupported); return true;
    case Keyword::PictureGoalWidth: m_picture.setGoalWidth(twips(token, 0)); return true;
    case Keyword::PictureGoalHeight: m_picture.setGoalHeight(twips(token, 0)); return true;
    case Keyword::PictureScaleX: m_picture.setScaleX(token.param); return true;
    case Keyword::PictureScaleY: m_picture.setScaleY(token.param); return true;
    default: return false;
    }
}

void RtfParser::commitFont()
{
    if (m_fontId >= 0) {
        m_tables.fonts.insert(m_fontId, FontEntry{m_fontName.trimmed(), m_fontCodePage});
    }
    m_fontId = -1;
    m_fontCodePage = 0;
    m_fontName.clear();
}

void RtfParser::colourTableText(char c)
{
    if (c != ';')
        return;
    const bool given = m_red >= 0 || m_green >= 0 || m_blue >= 0;
    m_tables.colours.append(given ? QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0))
                                  : QColor());
    m_red = m_green = m_blue = -1;
}

} // namespace veltrano::rtf
