// The writer the note editor saves with on every keystroke.
#include "rtf/RtfCodePages.h"
#include "rtf/RtfDocumentEncoder.h"
#include "rtf/RtfWriter.h"

#include <QTextBlock>
#include <QTextDocument>

namespace veltrano {

// What the last write of a document left behind: its tables, and each
// paragraph's RTF with what it was made of. A paragraph whose text, fragments
// and formats are unchanged is copied instead of encoded again.
struct RtfDocumentWriter::Cache {
    struct Block {
        int key = -1;           // the block's fragment index, stable while it lives
        QString text;
        std::vector<int> shape; // block format, then length and format of each fragment
        int codePage = 1252;    // the page its first character outside Windows-1252 needs
        QByteArray rtf;         // empty: not written yet with the current page
    };
    const QTextDocument *doc = nullptr;
    rtf::Tables tables;
    QString baseFont;
    int codePage = 1252;
    std::vector<Block> blocks; // in document order
};

namespace {

void shapeOf(const QTextBlock &block, std::vector<int> &shape)
{
    shape.clear();
    shape.push_back(block.blockFormatIndex());
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        shape.push_back(fragment.length());
        shape.push_back(fragment.charFormatIndex());
    }
}

// The tables of the last write serve as long as the document has the same
// formats (the same shared data, so the test is cheap); new formats are only
// ever added, and what was written before stays valid while every index it
// used keeps its meaning.
void updateTables(const QTextDocument &doc, RtfDocumentWriter::Cache &cache)
{
    const QString baseFont = doc.defaultFont().family();
    if (cache.doc == &doc && cache.baseFont == baseFont && cache.tables.indentWidth == doc.indentWidth()
        && cache.tables.formats == doc.allFormats())
        return;
    rtf::Tables tables = rtf::collectTables(doc);
    if (cache.doc != &doc || !tables.extends(cache.tables))
        cache.blocks.clear();
    cache.tables = std::move(tables);
    cache.baseFont = baseFont;
    cache.doc = &doc;
}

// The paragraphs of the last write, found again: most of them where they
// were, the rest (after paragraphs were added or removed) by their key.
class PreviousBlocks {
public:
    explicit PreviousBlocks(std::vector<RtfDocumentWriter::Cache::Block> &blocks) : m_blocks(blocks) {}
    RtfDocumentWriter::Cache::Block *find(int key)
    {
        if (m_next < m_blocks.size() && m_blocks[m_next].key == key)
            return &m_blocks[m_next++];
        if (m_byKey.isEmpty()) {
            for (size_t i = 0; i < m_blocks.size(); ++i)
                m_byKey.insert(m_blocks[i].key, i);
        }
        const auto found = m_byKey.constFind(key);
        if (found == m_byKey.cend())
            return nullptr;
        m_next = *found + 1;
        return &m_blocks[*found];
    }

private:
    std::vector<RtfDocumentWriter::Cache::Block> &m_blocks;
    size_t m_next = 0;
    QHash<int, size_t> m_byKey;
};

} // namespace

RtfDocumentWriter::RtfDocumentWriter() : m_cache(std::make_unique<Cache>()) {}
RtfDocumentWriter::~RtfDocumentWriter() = default;
RtfDocumentWriter::RtfDocumentWriter(RtfDocumentWriter &&) noexcept = default;
RtfDocumentWriter &RtfDocumentWriter::operator=(RtfDocumentWriter &&) noexcept = default;

void RtfDocumentWriter::forget()
{
    *m_cache = Cache();
}

// The same bytes as writeRtf(). The code page of the fallback bytes is the
// first one any paragraph needs, so it is known before anything is written.
QByteArray RtfDocumentWriter::write(const QTextDocument &doc)
{
    Cache &cache = *m_cache;
    updateTables(doc, cache);
    const QString text = doc.toRawText();
    std::vector<Cache::Block> blocks;
    blocks.reserve(static_cast<size_t>(doc.blockCount()));
    PreviousBlocks previous(cache.blocks);
    std::vector<int> shape;
    int codePage = 0;
    int position = 0; // QTextBlock::position() would walk the document's tree for each block
    for (QTextBlock block = doc.begin(); block.isValid(); position += block.length(), block = block.next()) {
        const QStringView blockText = QStringView(text).mid(position, block.length() - 1);
        shapeOf(block, shape);
        Cache::Block *old = previous.find(block.fragmentIndex());
        Cache::Block &entry = blocks.emplace_back();
        if (old && old->shape == shape && QStringView(old->text) == blockText) {
            entry = std::move(*old);
        } else {
            entry.key = block.fragmentIndex();
            entry.text = blockText.toString();
            entry.shape = shape;
            entry.codePage = rtf::fallbackCodePage(blockText);
        }
        if (codePage == 0 && entry.codePage != 1252)
            codePage = entry.codePage;
    }
    if (codePage == 0)
        codePage = 1252;
    const bool samePage = codePage == cache.codePage;
    cache.codePage = codePage;

    rtf::DocumentEncoder encoder(doc, text, cache.tables, codePage);
    rtf::RtfOutput out(text.size() + text.size() / 4 + 1024);
    encoder.appendHeader(out);
    auto entry = blocks.begin();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next(), ++entry) {
        if (entry->rtf.isEmpty() || !samePage) {
            rtf::RtfOutput one(block.length() + 64);
            encoder.appendBlock(one, block);
            entry->rtf = one.take();
        }
        out.put(entry->rtf);
    }
    out.put("}\r\n");
    cache.blocks = std::move(blocks);
    return out.take();
}

} // namespace veltrano
