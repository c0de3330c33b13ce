#include "rtf/RtfKeywords.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrano::rtf {
namespace {

using Entry = std::pair<std::string_view, Keyword>;

constexpr Entry kEntries[] = {
    {"rtf", Keyword::Rtf}, {"ansi", Keyword::Ansi}, {"mac", Keyword::Mac}, {"pc", Keyword::Pc},
    {"pca", Keyword::Pca}, {"ansicpg", Keyword::AnsiCodePage}, {"deff", Keyword::DefaultFont},
    {"uc", Keyword::UnicodeSkip}, {"u", Keyword::Unicode},
    {"fonttbl", Keyword::FontTable}, {"colortbl", Keyword::ColourTable}, {"pict", Keyword::Picture},
    {"shppict", Keyword::ShapePicture}, {"fldrslt", Keyword::FieldResult},
    {"fcharset", Keyword::FontCharset}, {"cpg", Keyword::FontCodePage}, {"red", Keyword::Red},
    {"green", Keyword::Green}, {"blue", Keyword::Blue},
    {"plain", Keyword::Plain}, {"b", Keyword::Bold}, {"i", Keyword::Italic},
    {"ul", Keyword::Underline}, {"uld", Keyword::Underline}, {"uldb", Keyword::Underline},
    {"uldash", Keyword::Underline}, {"ulth", Keyword::Underline}, {"ulw", Keyword::Underline},
    {"ulwave", Keyword::Underline}, {"uldashd", Keyword::Underline}, {"ulnone", Keyword::UnderlineNone},
    {"strike", Keyword::Strike}, {"striked", Keyword::Strike}, {"v", Keyword::Hidden},
    {"super", Keyword::Superscript}, {"sub", Keyword::Subscript},
    {"up", Keyword::Superscript}, {"dn", Keyword::Subscript}, {"nosupersub", Keyword::NoSuperSub},
    {"f", Keyword::Font}, {"fs", Keyword::FontSize}, {"cf", Keyword::Foreground},
    {"cb", Keyword::Background}, {"highlight", Keyword::Background}, {"chcbpat", Keyword::Background},
    {"pard", Keyword::ParagraphDefault}, {"ql", Keyword::AlignLeft}, {"qc", Keyword::AlignCenter},
    {"qr", Keyword::AlignRight}, {"qj", Keyword::AlignJustify}, {"qd", Keyword::AlignJustify},
    {"li", Keyword::LeftIndent}, {"lin", Keyword::LeftIndent}, {"ri", Keyword::RightIndent},
    {"rin", Keyword::RightIndent}, {"fi", Keyword::FirstIndent}, {"sb", Keyword::SpaceBefore},
    {"sa", Keyword::SpaceAfter}, {"sl", Keyword::LineSpacing}, {"slmult", Keyword::LineMultiple},
    {"tx", Keyword::TabStop}, {"tqr", Keyword::TabRight}, {"tqc", Keyword::TabCenter},
    {"tqdec", Keyword::TabDecimal},
    {"par", Keyword::Paragraph}, {"sect", Keyword::Paragraph}, {"page", Keyword::Paragraph},
    {"row", Keyword::Paragraph}, {"line", Keyword::Line}, {"tab", Keyword::Tab},
    {"cell", Keyword::Cell}, {"nestcell", Keyword::Cell}, {"emdash", Keyword::EmDash},
    {"endash", Keyword::EnDash}, {"emspace", Keyword::EmSpace}, {"enspace", Keyword::EnSpace},
    {"qmspace", Keyword::QuarterSpace}, {"bullet", Keyword::Bullet}, {"lquote", Keyword::LeftQuote},
    {"rquote", Keyword::RightQuote}, {"ldblquote", Keyword::LeftDoubleQuote},
    {"rdblquote", Keyword::RightDoubleQuote}, {"zwj", Keyword::ZeroWidthJoiner},
    {"zwnj", Keyword::ZeroWidthNonJoiner}, {"ltrmark", Keyword::LeftToRightMark},
    {"rtlmark", Keyword::RightToLeftMark},
    {"pngblip", Keyword::PngBlip}, {"jpegblip", Keyword::JpegBlip},
    {"emfblip", Keyword::OtherPictureFormat}, {"wmetafile", Keyword::OtherPictureFormat},
    {"macpict", Keyword::OtherPictureFormat}, {"dibitmap", Keyword::OtherPictureFormat},
    {"wbitmap", Keyword::OtherPictureFormat}, {"pmmetafile", Keyword::OtherPictureFormat},
    {"picwgoal", Keyword::PictureGoalWidth}, {"pichgoal", Keyword::PictureGoalHeight},
    {"picscalex", Keyword::PictureScaleX}, {"picscaley", Keyword::PictureScaleY},
    // Destinations whose contents are not note text: document information,
    // style and list definitions, headers and footers, field codes, shapes'
    // properties, the second copy of a picture for old readers, and so on.
    {"stylesheet", Keyword::SkipDestination}, {"info", Keyword::SkipDestination},
    {"header", Keyword::SkipDestination}, {"headerl", Keyword::SkipDestination},
    {"headerr", Keyword::SkipDestination}, {"headerf", Keyword::SkipDestination},
    {"footer", Keyword::SkipDestination}, {"footerl", Keyword::SkipDestination},
    {"footerr", Keyword::SkipDestination}, {"footerf", Keyword::SkipDestination},
    {"footnote", Keyword::SkipDestination}, {"fldinst", Keyword::SkipDestination},
    {"nonshppict", Keyword::SkipDestination}, {"xe", Keyword::SkipDestination},
    {"tc", Keyword::SkipDestination}, {"txe", Keyword::SkipDestination},
    {"rxe", Keyword::SkipDestination}, {"themedata", Keyword::SkipDestination},
    {"colorschememapping", Keyword::SkipDestination}, {"listtable", Keyword::SkipDestination},
    {"listoverridetable", Keyword::SkipDestination}, {"revtbl", Keyword::SkipDestination},
    {"rsidtbl", Keyword::SkipDestination}, {"generator", Keyword::SkipDestination},
    {"pnseclvl", Keyword::SkipDestination}, {"pntxta", Keyword::SkipDestination},
    {"pntxtb", Keyword::SkipDestination}, {"template", Keyword::SkipDestination},
    {"filetbl", Keyword::SkipDestination}, {"pgdsctbl", Keyword::SkipDestination},
    {"bkmkstart", Keyword::SkipDestination}, {"bkmkend", Keyword::SkipDestination},
    {"annotation", Keyword::SkipDestination}, {"atnid", Keyword::SkipDestination},
    {"atnauthor", Keyword::SkipDestination}, {"objdata", Keyword::SkipDestination},
    {"objclass", Keyword::SkipDestination}, {"latentstyles", Keyword::SkipDestination},
    {"datastore", Keyword::SkipDestination}, {"xmlnstbl", Keyword::SkipDestination},
    {"shpinst", Keyword::SkipDestination}, {"shptxt", Keyword::SkipDestination},
    {"userprops", Keyword::SkipDestination}, {"docvar", Keyword::SkipDestination},
    {"do", Keyword::SkipDestination}, {"author", Keyword::SkipDestination},
    {"title", Keyword::SkipDestination}, {"subject", Keyword::SkipDestination},
    {"operator", Keyword::SkipDestination}, {"comment", Keyword::SkipDestination},
    {"keywords", Keyword::SkipDestination}, {"company", Keyword::SkipDestination},
};

std::vector<Entry> sortedEntries()
{
    std::vector<Entry> entries(std::begin(kEntries), std::end(kEntries));
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace

Keyword lookupKeyword(QByteArrayView word)
{
    static const std::vector<Entry> entries = sortedEntries();
    const std::string_view key(word.data(), static_cast<size_t>(word.size()));
    const auto it = std::lower_bound(entries.begin(), entries.end(), key,
                                     [](const Entry &e, std::string_view k) { return e.first < k; });
    return it != entries.end() && it->first == key ? it->second : Keyword::Unknown;
}

char16_t characterOfKeyword(Keyword keyword)
{
    switch (keyword) {
    case Keyword::Line: return 0x2028;
    case Keyword::Tab: case Keyword::Cell: return u'\t';
    case Keyword::EmDash: return 0x2014;
    case Keyword::EnDash: return 0x2013;
    case Keyword::EmSpace: return 0x2003;
    case Keyword::EnSpace: return 0x2002;
    case Keyword::QuarterSpace: return 0x2005;
    case Keyword::Bullet: return 0x2022;
    case Keyword::LeftQuote: return 0x2018;
    case Keyword::RightQuote: return 0x2019;
    case Keyword::LeftDoubleQuote: return 0x201C;
    case Keyword::RightDoubleQuote: return 0x201D;
    case Keyword::ZeroWidthJoiner: return 0x200D;
    case Keyword::ZeroWidthNonJoiner: return 0x200C;
    case Keyword::LeftToRightMark: return 0x200E;
    case Keyword::RightToLeftMark: return 0x200F;
    default: return 0;
    }
}

} // namespace veltrano::rtf
