#include "rtf/RtfReaderState.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

namespace veltrano::rtf {

QTextCharFormat toCharFormat(const CharProps &props, const DocumentTables &tables)
{
    QTextCharFormat format;
    if (props.bold)
        format.setFontWeight(QFont::Bold);
    if (props.italic)
        format.setFontItalic(true);
    if (props.underline)
        format.setFontUnderline(true);
    if (props.strike)
        format.setFontStrikeOut(true);
    if (props.vertical != 0)
        format.setVerticalAlignment(props.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                       : QTextCharFormat::AlignSubScript);
    if (props.font >= 0) {
        const auto it = tables.fonts.constFind(props.font);
        if (it != tables.fonts.cend() && !it->name.isEmpty())
            format.setFontFamilies({it->name});
    }
    if (props.halfPoints > 0)
        format.setFontPointSize(props.halfPoints / 2.0);
    const auto colour = [&tables](int index) {
        return index > 0 && index < tables.colours.size() ? tables.colours.at(index) : QColor();
    };
    if (const QColor fg = colour(props.foreground); fg.isValid())
        format.setForeground(fg);
    if (const QColor bg = colour(props.background); bg.isValid())
        format.setBackground(bg);
    return format;
}

QTextBlockFormat toBlockFormat(const ParaProps &props)
{
    QTextBlockFormat format;
    if (props.alignment != Qt::AlignLeft)
        format.setAlignment(props.alignment);
    if (props.leftIndent != 0)
        format.setLeftMargin(props.leftIndent / kTwipsPerPixel);
    if (props.rightIndent != 0)
        format.setRightMargin(props.rightIndent / kTwipsPerPixel);
    if (props.firstLineIndent != 0)
        format.setTextIndent(props.firstLineIndent / kTwipsPerPixel);
    if (props.spaceBefore != 0)
        format.setTopMargin(props.spaceBefore / kTwipsPerPixel);
    if (props.spaceAfter != 0)
        format.setBottomMargin(props.spaceAfter / kTwipsPerPixel);
    if (props.lineSpacing != 0) {
        if (props.lineMultiple && props.lineSpacing > 0)
            format.setLineHeight(props.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else if (props.lineSpacing > 0)
            format.setLineHeight(props.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(-props.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    }
    if (!props.tabs.isEmpty())
        format.setTabPositions(props.tabs);
    return format;
}

} // namespace veltrano::rtf
