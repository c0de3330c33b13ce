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

// The font and colour tables and the controls of each format: everything a
// block's RTF depends on besides its own text and fragments.
struct Tables {
    QList<QTextFormat> formats;
    qreal indentWidth = 0;
    QStringList fonts;
    QHash<QString, int> fontIndex;
    QList<QRgb> colours;
    QHash<QRgb, int> colourIndex;
    std::vector<std::optional<QByteArray>> controls; // per format index

    // Whether blocks written with `older` read the same with these tables:
    // every format, font and colour it knew keeps its index.
    bool extends(const Tables &older) const
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
};

} // namespace

// What the last save of a document left behind: its tables, and each block's
// RTF with what it was made of. A block whose text, fragments and formats are
// unchanged is copied instead of encoded again.
struct RtfDocumentWriter::Cache {
    struct Block {
        QString text;
        std::vector<int> shape; // block format, then length and format of each fragment
        int codePage = 1252;    // the page its first character outside Windows-1252 needs
        QByteArray rtf;         // empty: not written yet with the current page
    };
    const QTextDocument *doc = nullptr;
    Tables tables;
    int codePage = 1252;
    QHash<int, Block> blocks; // by the block's fragment index, stable while it lives
};

namespace {

class Writer {
public:
    explicit Writer(const QTextDocument &doc) : m_doc(doc), m_text(doc.toRawText()) {}
    QByteArray write();
    QByteArray write(RtfDocumentWriter::Cache &cache);

private:
    void collectTables();
    void appendHeader(rtf::RtfOutput &out) const;
    const QByteArray &formatControls(int index);
    QByteArray charControls(const QTextCharFormat &format) const;
    QByteArray blockControls(const QTextBlockFormat &format) const;
    void appendBlock(rtf::RtfOutput &out, const QTextBlock &block);
    static std::vector<int> shapeOf(const QTextBlock &block);

    const QTextDocument &m_doc;
    const QString m_text; // the whole text, sliced by fragment
    Tables m_tables;
    const QList<QTextFormat> &m_formats = m_tables.formats;
    int m_codePage = 1252;
};

QByteArray Writer::write()
{
    m_codePage = rtf::fallbackCodePage(m_text);
    collectTables();
    rtf::RtfOutput out(m_text.size() + m_text.size() / 4 + 1024);
    appendHeader(out);
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next())
        appendBlock(out, block);
    out.put("}\r\n");
    return out.take();
}

std::vector<int> Writer::shapeOf(const QTextBlock &block)
{
    std::vector<int> shape{block.blockFormatIndex()};
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        shape.push_back(fragment.length());
        shape.push_back(fragment.charFormatIndex());
    }
    return shape;
}

// The same bytes as write(), but only blocks that changed since the last save
// are encoded. The code page of the fallback bytes is the first one any
// block needs, so it is known block by block before anything is written.
QByteArray Writer::write(RtfDocumentWriter::Cache &cache)
{
    collectTables();
    if (cache.doc != &m_doc || !m_tables.extends(cache.tables))
        cache.blocks.clear();
    cache.doc = &m_doc;

    QHash<int, RtfDocumentWriter::Cache::Block> blocks;
    blocks.reserve(m_doc.blockCount());
    std::vector<RtfDocumentWriter::Cache::Block *> inOrder;
    inOrder.reserve(static_cast<size_t>(m_doc.blockCount()));
    m_codePage = 0;
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        const QStringView text = QStringView(m_text).mid(block.position(), block.length() - 1);
        std::vector<int> shape = shapeOf(block);
        RtfDocumentWriter::Cache::Block entry;
        const auto old = cache.blocks.find(block.fragmentIndex());
        if (old != cache.blocks.end() && old->shape == shape && QStringView(old->text) == text) {
            entry = std::move(*old);
        } else {
            entry.text = text.toString();
            entry.shape = std::move(shape);
            entry.codePage = rtf::fallbackCodePage(text);
        }
        if (m_codePage == 0 && entry.codePage != 1252)
            m_codePage = entry.codePage;
        inOrder.push_back(&*blocks.insert(block.fragmentIndex(), std::move(entry)));
    }
    if (m_codePage == 0)
        m_codePage = 1252;
    if (m_codePage != cache.codePage) {
        for (auto &entry : blocks)
            entry.rtf.clear();
    }

    rtf::RtfOutput out(m_text.size() + m_text.size() / 4 + 1024);
    appendHeader(out);
    size_t i = 0;
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next(), ++i) {
        QByteArray &rtf = inOrder[i]->rtf;
        if (rtf.isEmpty()) {
            rtf::RtfOutput one(block.length() + 64);
            appendBlock(one, block);
            rtf = one.take();
        }
        out.put(rtf);
    }
    out.put("}\r\n");
    cache.blocks = std::move(blocks);
    cache.tables = std::move(m_tables);
    cache.codePage = m_codePage;
    return out.take();
}

void Writer::collectTables()
{
    m_tables.formats = m_doc.allFormats();
    m_tables.indentWidth = m_doc.indentWidth();
    m_tables.controls.resize(static_cast<size_t>(m_formats.size()));
    // The first font is the document's own, which runs with no font of their
    // own are shown in.
    QString base = m_doc.defaultFont().family();
    if (base.isEmpty())
        base = u"Arial"_s;
    m_tables.fonts.append(base);
    m_tables.fontIndex.insert(base, 0);
    for (const QTextFormat &format : m_formats) {
        if (!format.isCharFormat())
            continue;
        const QString family = familyOf(format.toCharFormat());
        if (!family.isEmpty() && !m_tables.fontIndex.contains(family)) {
            m_tables.fontIndex.insert(family, static_cast<int>(m_tables.fonts.size()));
            m_tables.fonts.append(family);
        }
        for (const auto property : {QTextFormat::ForegroundBrush, QTextFormat::BackgroundBrush}) {
            if (const auto colour = brushColour(format, property)) {
                const QRgb rgb = colour->rgb();
                if (!m_tables.colourIndex.contains(rgb)) {
                    m_tables.colours.append(rgb);
                    m_tables.colourIndex.insert(rgb, static_cast<int>(m_tables.colours.size())); // 0 is "auto"
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
    for (qsizetype i = 0; i < m_tables.fonts.size(); ++i) {
        out.put('{');
        out.control("f", i);
        out.control("fnil\\fcharset", charset);
        out.put(' ');
        QString name = m_tables.fonts.at(i);
        name.remove(u';');
        rtf::appendRtfText(out, name, m_codePage);
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

const QByteArray &Writer::formatControls(int index)
{
    static const QByteArray none;
    if (index < 0 || static_cast<size_t>(index) >= m_tables.controls.size())
        return none;
    std::optional<QByteArray> &slot = m_tables.controls[static_cast<size_t>(index)];
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

RtfDocumentWriter::RtfDocumentWriter() : m_cache(std::make_unique<Cache>()) {}
RtfDocumentWriter::~RtfDocumentWriter() = default;

QByteArray RtfDocumentWriter::write(const QTextDocument &doc)
{
    return Writer(doc).write(*m_cache);
}

void RtfDocumentWriter::forget()
{
    *m_cache = Cache();
}

} // namespace veltrano
