#include "Convert.h"

#include "platform/qt/Utf8SystemCodec.h"
#include "rtf/RtfPictureResources.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace veltrano::rtfconv {
namespace {

Format inputFormat(const QString &path, const QByteArray &data)
{
    const QString suffix = path == u"-"_s ? QString() : QFileInfo(path).suffix().toLower();
    if (suffix == u"rtf"_s)
        return Format::Rtf;
    if (suffix == u"html"_s || suffix == u"htm"_s)
        return Format::Html;
    if (suffix == u"txt"_s)
        return Format::Text;
    if (data.trimmed().startsWith("{\\rtf"))
        return Format::Rtf;
    return data.left(1024).toLower().contains("<html") ? Format::Html : Format::Text;
}

QString mimeType(const QByteArray &picture)
{
    QByteArray copy = picture;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QByteArray format = QImageReader::imageFormat(&buffer);
    if (format == "jpg")
        format = "jpeg";
    return u"image/"_s + QString::fromLatin1(format.isEmpty() ? QByteArray("png") : format);
}

struct PictureRun {
    int position;
    int length;
    QTextImageFormat format;
};

// Pictures are resources of the document; HTML on its own carries them as
// data URLs. The runs are collected first: changing a run's format while
// walking the fragments merges and splits them under the walk.
void inlinePictures(QTextDocument &doc)
{
    QList<PictureRun> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                runs.append({fragment.position(), fragment.length(), fragment.charFormat().toImageFormat()});
        }
    }
    for (PictureRun &run : runs) {
        if (run.format.name().startsWith(u"data:"_s, Qt::CaseInsensitive))
            continue;
        const QByteArray data = pictureResource(doc, run.format.name()).toByteArray();
        if (data.isEmpty())
            continue;
        run.format.setName(u"data:%1;base64,%2"_s.arg(mimeType(data), QLatin1String(data.toBase64())));
        QTextCursor cursor(&doc);
        cursor.setPosition(run.position);
        cursor.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
}

} // namespace

QString loadDocument(const QByteArray &data, const QString &path, QTextDocument &doc)
{
    const QString name = path == u"-"_s ? u"standard input"_s : path;
    switch (inputFormat(path, data)) {
    case Format::Rtf:
        if (!readRtf(data, doc))
            return u"cannot read %1: not an RTF file"_s.arg(name);
        return {};
    case Format::Html:
        if (path != u"-"_s)
            doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        doc.setHtml(QString::fromUtf8(data));
        return {};
    case Format::Text:
        doc.setPlainText(Utf8SystemCodec().decode(data).text);
        return {};
    }
    return {};
}

QByteArray convertDocument(QTextDocument &doc, Format to)
{
    switch (to) {
    case Format::Rtf:
        return writeRtf(doc);
    case Format::Html:
        inlinePictures(doc);
        return doc.toHtml().toUtf8() + '\n';
    case Format::Text:
        break;
    }
    QString text = doc.toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    return text.toUtf8() + '\n';
}

} // namespace veltrano::rtfconv
