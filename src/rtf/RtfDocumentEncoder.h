#pragma once
#include "rtf/RtfWriterSupport.h"

#include <QHash>
#include <QList>
#include <QRgb>
#include <QStringList>
#include <QTextFormat>
#include <optional>
#include <vector>

class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

namespace veltrano::rtf {

// The font and colour tables and the controls of each format: everything a
// paragraph's RTF depends on besides its own text and fragments.
struct Tables {
    QList<QTextFormat> formats;
    qreal indentWidth = 0;
    QStringList fonts;
    QHash<QString, int> fontIndex;
    QList<QRgb> colours;
    QHash<QRgb, int> colourIndex;
    std::vector<std::optional<QByteArray>> controls; // per format index, made when first needed

    // Whether paragraphs written with `older` read the same with these
    // tables: every format, font and colour it knew keeps its index.
    bool extends(const Tables &older) const;
};

Tables collectTables(const QTextDocument &doc);

// Writes the header and the paragraphs of one document as RTF.
class DocumentEncoder {
public:
    // `text` is the document's raw text; `tables` gain the controls made.
    DocumentEncoder(const QTextDocument &doc, const QString &text, Tables &tables, int codePage);
    void appendHeader(RtfOutput &out) const;
    void appendBlock(RtfOutput &out, const QTextBlock &block);

private:
    const QByteArray &formatControls(int index);
    QByteArray charControls(const QTextCharFormat &format) const;
    QByteArray blockControls(const QTextBlockFormat &format) const;

    const QTextDocument &m_doc;
    const QString &m_text;
    Tables &m_tables;
    int m_codePage;
};

} // namespace veltrano::rtf
