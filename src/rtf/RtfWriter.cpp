#include "rtf/RtfWriter.h"

#include "rtf/RtfCodePages.h"
#include "rtf/RtfDocumentEncoder.h"
#include "rtf/RtfReaderState.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace veltrano::rtf {
namespace {

long long toTwips(double pixels) { return std::llround(pixels * kTwipsPerPixel); }

QString familyOf(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        return families.first();
    return format.stringProperty(QTextFormat::FontFamily);
}

std::optional<QColor> brushColour(const QTextFormat &format, QTextFormat::Property property)
{
    if (!format.hasProperty(property))
        return std::nullopt;
    const QBrush brush = format.brushProperty(property);
    if (brush.style() == Qt::NoBrush)
        return std::nullopt;
    return brush.color();
}

} // namespace

bool Tables::extends(const Tables &older) const
{
    if (older.fonts.isEmpty())
        return true; // nothing was written with it
    return indentWidth == older.indentWidth && formats.size() >= older.formats.size()
        && std::equal(older.formats.cbegin(), older.formats.cend(), formats.cbegin())
        && fonts.size() >= older.fonts.size()
        && std::equal(older.fonts.cbegin() + 1, older.fonts.cend(), fonts.cbegin() + 1)
        && colours.size() >= older.colours.size()
        && std::equal(older.colours.cbegin(), older.colours.cend(), colours.cbegin());
}

Tables collectTables(const QTextDocument &doc)
{
    Tables tables;
    tables.formats = doc.allFormats();
    tables.indentWidth = doc.indentWidth();
    tables.controls.resize(static_cast<size_t>(tables.formats.size()));
    // The first font is the document's own, which runs with no font of their
    // own are shown in.
    QString base = doc.defaultFont().family();
    if (base.isEmpty())
        base = u"Arial"_s;
    tables.fonts.append(base);
    tables.fontIndex.insert(base, 0);
    for (const QTextFormat &format : tables.formats) {
        if (!format.isCharFormat())
            continue;
        const QString family = familyOf(format.toCharFormat());
        if (!family.isEmpty() && !tables.fontIndex.contains(family)) {
            tables.fontIndex.insert(family, static_cast<int>(tables.fonts.size()));
            tables.fonts.append(family);
        }
        for (const auto property : {QTextFormat::ForegroundBrush, QTextFormat::BackgroundBrush}) {
            if (const auto colour = brushColour(format, property)) {
                const QRgb rgb = colour->rgb();
                if (!tables.colourIndex.contains(rgb)) {
                    tables.colours.append(rgb);
                    tables.colourIndex.insert(rgb, static_cast<int>(tables.colours.size())); // 0 is "auto"
                }
            }
        }
    }
    return tables;
}

DocumentEncoder::DocumentEncoder(const QTextDocument &doc, const QString &text, Tables &tables, int codePage)
    : m_doc(doc), m_text(text), m_tables(tables), m_codePage(codePage)
{
    m_tables.controls.resize(static_cast<size_t>(m_tables.formats.size()));
}

void DocumentEncoder::appendHeader(RtfOutput &out) const
{
    out.put("{\\rtf1\\ansi");
    out.control("ansicpg", m_codePage);
    out.put("\\deff0\\uc1\r\n{\\fonttbl");
    const int charset = charsetOfCodePage(m_codePage);
    for (qsizetype i = 0; i < m_tables.fonts.size(); ++i) {
        out.put('{');
        out.control("f", i);
        out.control("fnil\\fcharset", charset);
        out.put(' ');
        QString name = m_tables.fonts.at(i);
        name.remove(u';');
        appendRtfText(out, name, m_codePage);
        out.put(";}");
    }
    out.put("}\r\n{\\colortbl;");
    for (const QRgb rgb : m_tables.colours) {
        out.control("red", qRed(rgb));
        out.control("green", qGreen(rgb));
        out.control("blue", qBlue(rgb));
        out.put(';');
    }
    out.put("}\r\n{\\*\\generator Veltrano;}\\viewkind4\r\n");
}

const QByteArray &DocumentEncoder::formatControls(int index)
{
    static const QByteArray none;
    if (index < 0 || static_cast<size_t>(index) >= m_tables.controls.size())
        return none;
    std::optional<QByteArray> &slot = m_tables.controls[static_cast<size_t>(index)];
    if (!slot) {
        const QTextFormat &format = m_tables.formats.at(index);
        slot = format.isBlockFormat() ? blockControls(format.toBlockFormat())
                                      : charControls(format.toCharFormat());
    }
    return *slot;
}

QByteArray DocumentEncoder::charControls(const QTextCharFormat &format) const
{
    RtfOutput out(64);
    if (const QString family = familyOf(format); !family.isEmpty())
        out.control("f", m_tables.fontIndex.value(family));
    double points = format.fontPointSize();
    if (points <= 0 && format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * 0.75;
    if (points > 0)
        out.control("fs", std::llround(points * 2));
    if (format.fontWeight() > QFont::Medium)
        out.put("\\b");
    if (format.fontItalic())
        out.put("\\i");
    if (format.fontUnderline())
        out.put("\\ul");
    if (format.fontStrikeOut())
        out.put("\\strike");
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        out.put("\\super");
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out.put("\\sub");
    if (const auto colour = brushColour(format, QTextFormat::ForegroundBrush))
        out.control("cf", m_tables.colourIndex.value(colour->rgb()));
    if (const auto colour = brushColour(format, QTextFormat::BackgroundBrush))
        out.control("highlight", m_tables.colourIndex.value(colour->rgb()));
    return out.take();
}

QByteArray DocumentEncoder::blockControls(const QTextBlockFormat &format) const
{
    RtfOutput out(64);
    out.put("\\pard");
    const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        out.put("\\qc");
    else if (horizontal & Qt::AlignJustify)
        out.put("\\qj");
    else if (horizontal & Qt::AlignRight)
        out.put("\\qr");
    const double left = format.leftMargin() + format.indent() * m_doc.indentWidth();
    if (const long long twips = toTwips(left))
        out.control("li", twips);
    if (const long long twips = toTwips(format.rightMargin()))
        out.control("ri", twips);
    if (const long long twips = toTwips(format.textIndent()))
        out.control("fi", twips);
    if (const long long twips = toTwips(format.topMargin()))
        out.control("sb", twips);
    if (const long long twips = toTwips(format.bottomMargin()))
        out.control("sa", twips);
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        out.control("sl", std::llround(format.lineHeight() * 2.4));
        out.put("\\slmult1");
        break;
    case QTextBlockFormat::FixedHeight:
        out.control("sl", -toTwips(format.lineHeight()));
        out.put("\\slmult0");
        break;
    case QTextBlockFormat::MinimumHeight:
        out.control("sl", toTwips(format.lineHeight()));
        out.put("\\slmult0");
        break;
    default:
        break;
    }
    for (const QTextOption::Tab &tab : format.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            out.put("\\tqr");
        else if (tab.type == QTextOption::CenterTab)
            out.put("\\tqc");
        else if (tab.type == QTextOption::DelimiterTab)
            out.put("\\tqdec");
        out.control("tx", toTwips(tab.position));
    }
    return out.take();
}

void DocumentEncoder::appendBlock(RtfOutput &out, const QTextBlock &block)
{
    out.put(formatControls(block.blockFormatIndex()));
    out.put(' ');
    // Fragments follow each other; QTextFragment::position() would walk the
    // document's tree for each one.
    int position = block.position();
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int index = fragment.charFormatIndex();
        const QStringView text = QStringView(m_text).mid(position, fragment.length());
        position += fragment.length();
        if (index >= 0 && index < m_tables.formats.size() && m_tables.formats.at(index).isImageFormat()) {
            const QTextImageFormat image = m_tables.formats.at(index).toImageFormat();
            for (qsizetype i = text.count(QChar::ObjectReplacementCharacter); i > 0; --i)
                appendPicture(out, m_doc, image);
            continue;
        }
        const QByteArray &controls = formatControls(index);
        if (controls.isEmpty()) {
            appendRtfText(out, text, m_codePage);
            continue;
        }
        out.put('{');
        out.put(controls);
        out.put(' ');
        appendRtfText(out, text, m_codePage);
        out.put('}');
    }
    out.put("\\par\r\n");
}

} // namespace veltrano::rtf

namespace veltrano {

QByteArray writeRtf(const QTextDocument &doc)
{
    const QString text = doc.toRawText();
    rtf::Tables tables = rtf::collectTables(doc);
    rtf::DocumentEncoder encoder(doc, text, tables, rtf::fallbackCodePage(text));
    rtf::RtfOutput out(text.size() + text.size() / 4 + 1024);
    encoder.appendHeader(out);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        encoder.appendBlock(out, block);
    out.put("}\r\n");
    return out.take();
}

} // namespace veltrano
