#pragma once
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace veltrano::rtfconv {

enum class Format { Text, Html, Rtf };

// Fills `doc` from `data`: RTF, HTML or plain text, told by the name's suffix
// or, for standard input and unknown suffixes, by the content. A page's
// pictures are looked up beside `path`. Empty on success, else one line.
QString loadDocument(const QByteArray &data, const QString &path, QTextDocument &doc);

// The document as UTF-8 text, HTML with its pictures inline, or RTF.
QByteArray convertDocument(QTextDocument &doc, Format to);

} // namespace veltrano::rtfconv
