#pragma once
#include <QTextDocument>
#include <QVariant>

class QString;
class QUrl;

namespace veltrano {

// A document's picture as the document holds it (encoded bytes, or an image
// pasted into the editor). Pictures named by a data: URL are decoded here,
// never by QTextDocument: its loader turns every picture it loads into a
// QPixmap, which aborts a process without a GUI application and makes the
// writer encode the picture again.
QVariant pictureResource(const QTextDocument &doc, const QString &name);

// A document that loads the pictures its HTML names (data: URLs, local files
// up to kMaxPictureFileBytes, resolved against baseUrl()) as their encoded
// bytes, never as pixmaps. For documents built outside the note editor, from
// HTML, in a process that may have no GUI application.
class PictureDocument : public QTextDocument {
public:
    static constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl &name) override;
};

} // namespace veltrano
