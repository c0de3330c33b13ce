#include "projects/logic/rtf/RtfWriter.h"

#include "projects/logic/rtf/RtfCodePages.h"
#include "projects/logic/rtf/RtfReaderState.h"
#include "projects/logic/rtf/RtfWriterSupport.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace veltrano {
namespace {

long long toTwips(double pixels) { return std::llround(pixels * rtf::kTwipsPerPixel); }

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

class Writer {
public:
    explicit Writer(const QTextDocument &doc)
        : m_doc(doc), m_formats(doc.allFormats()), m_text(doc.toRawText()) {}
    QByteArray write();

private:
    void collectTables();
    void appendHeader(rtf::RtfOutput &out) const;
    const QByteArray &formatControls(int index);
    QByteArray charControls(const QTextCharFormat &format) const;
    QByteArray blockControls(const QTextBlockFormat &format) const;
    void appendBlock(rtf::RtfOutput &out, const QTextBlock &block);

    const QTextDocument &m_doc;
    const QList<QTextFormat> m_formats;
    const QString m_text; // the whole text, sliced by fragment
    std::vector<std::optional<QByteArray>> m_controls; // per format index
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colours;
    QHash<QRgb, int> m_colourIndex;
    int m_codePage = 1252;
};

QByteArray Writer::write()
{
    m_codePage = rtf::fallbackCodePage(m_text);
    collectTables();
    m_controls.resize(static_cast<size_t>(m_formats.size()));
    rtf::RtfOutput out(m_text.size() + m_text.size() / 4 + 1024);
    appendHeader(out);
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next())
        appendBlock(out, block);
    out.put("}\r\n");
    return out.take();
}

void Writer::collectTables()
{
    // The first font is the document's own, which runs with no font of their
    // own are shown in.
    QString base = m_doc.defaultFont().family();
    if (base.isEmpty())
        base = u"Arial"_s;
    m_fonts.append(base);
    m_fontIndex.insert(base, 0);
    for (const QTextFormat &format : m_formats) {
        if (!format.isCharFormat())
            continue;
        const QString family = familyOf(format.toCharFormat());
        if (!family.isEmpty() && !m_fontIndex.contains(family)) {
            m_fontIndex.insert(family, static_cast<int>(m_fonts.size()));
            m_fonts.append(family);
        }
        for (const auto property : {QTextFormat::ForegroundBrush, QTextFormat::BackgroundBrush}) {
            if (const auto colour = brushColour(format, property)) {
                const QRgb rgb = colour->rgb();
                if (!m_colourIndex.contains(rgb)) {
                    m_colours.append(rgb);
                    m_colourIndex.insert(rgb, static_cast<int>(m_colours.size())); // 0 is "auto"
                }
            }
        }
    }
}

void Writer::appendHeader(rtf::RtfOutput &out) const
{
    out.put("{\\rtf1\\ansi");
    out.control("ansicpg", m_codePage);
    out.put("\\deff0\\uc1\r\n{\\fonttbl");
    const int charset = rtf::charsetOfCodePage(m_codePage);
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        out.put('{');
        out.control("f", i);
        out.control("fnil\\fcharset", charset);
        out.put(' ');
        QString name = m_fonts.at(i);
        name.remove(u';');
        rtf::appendRtfText(out, name, m_codePage);
        out.put(";}");
    }
    out.put("}\r\n{\\colortbl;");
    for (const QRgb rgb : m_colours) {
        out.control("red", qRed(rgb));
        out.control("green", qGreen(rgb));
        out.control("blue", qBlue(rgb));
        out.put(';');
    }
    out.put("}\r\n{\\*\\generator Veltrano;}\\viewkind4\r\n");
}

const QByteArray &Writer::formatControls(int index)
{
    static const QByteArray none;
    if (index < 0 || static_cast<size_t>(index) >= m_controls.size())
        return none;
    std::optional<QByteArray> &slot = m_controls[static_cast<size_t>(index)];
    if (!slot) {
        const QTextFormat &format = m_formats.at(index);
        slot = format.isBlockFormat() ? blockControls(format.toBlockFormat())
                                      : charControls(format.toCharFormat());
    }
    return *slot;
}

QByteArray Writer::charControls(const QTextCharFormat &format) const
{
    rtf::RtfOutput out(64);
    if (const QString family = familyOf(format); !family.isEmpty())
        out.control("f", m_fontIndex.value(family));
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
        out.control("cf", m_colourIndex.value(colour->rgb()));
    if (const auto colour = brushColour(format, QTextFormat::BackgroundBrush))
        out.control("highlight", m_colourIndex.value(colour->rgb()));
    return out.take();
}

QByteArray Writer::blockControls(const QTextBlockFormat &format) const
{
    rtf::RtfOutput out(64);
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

void Writer::appendBlock(rtf::RtfOutput &out, const QTextBlock &block)
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
        if (index >= 0 && index < m_formats.size() && m_formats.at(index).isImageFormat()) {
            const QTextImageFormat image = m_formats.at(index).toImageFormat();
            for (qsizetype i = text.count(QChar::ObjectReplacementCharacter); i > 0; --i)
                rtf::appendPicture(out, m_doc, image);
            continue;
        }
        const QByteArray &controls = formatControls(index);
        if (controls.isEmpty()) {
            rtf::appendRtfText(out, text, m_codePage);
            continue;
        }
        out.put('{');
        out.put(controls);
        out.put(' ');
        rtf::appendRtfText(out, text, m_codePage);
        out.put('}');
    }
    out.put("\\par\r\n");
}

} // namespace

QByteArray writeRtf(const QTextDocument &doc)
{
    return Writer(doc).write();
}

} // namespace veltrano
