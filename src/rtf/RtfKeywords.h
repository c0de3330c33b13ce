#pragma once
#include <QByteArrayView>

namespace veltrano::rtf {

// The control words the reader acts on. Anything else is ignored, and a group
// that starts with an unknown word after \* is skipped whole.
enum class Keyword {
    Unknown,
    // document and character set
    Rtf, Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, UnicodeSkip, Unicode,
    // destinations
    FontTable, ColourTable, Picture, SkipDestination, ShapePicture, FieldResult,
    // tables' contents
    FontCharset, FontCodePage, Red, Green, Blue,
    // character formatting
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, Hidden, Superscript, Subscript,
    NoSuperSub, Font, FontSize, Foreground, Background,
    // paragraph formatting
    ParagraphDefault, AlignLeft, AlignCenter, AlignRight, AlignJustify, LeftIndent, RightIndent,
    FirstIndent, SpaceBefore, SpaceAfter, LineSpacing, LineMultiple, TabStop, TabRight,
    TabCenter, TabDecimal,
    // characters
    Paragraph, Line, Tab, Cell, EmDash, EnDash, EmSpace, EnSpace, QuarterSpace, Bullet,
    LeftQuote, RightQuote, LeftDoubleQuote, RightDoubleQuote, ZeroWidthJoiner,
    ZeroWidthNonJoiner, LeftToRightMark, RightToLeftMark,
    // pictures
    PngBlip, JpegBlip, OtherPictureFormat, PictureGoalWidth,
    PictureGoalHeight, PictureScaleX, PictureScaleY,
};

Keyword lookupKeyword(QByteArrayView word);

// The character a keyword of the "characters" group stands for (0 for
// Paragraph, which is no character of the text).
char16_t characterOfKeyword(Keyword keyword);

} // namespace veltrano::rtf
