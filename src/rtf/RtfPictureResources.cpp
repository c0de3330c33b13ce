#include "rtf/RtfPictureResources.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace veltrano {
namespace {

bool isDataUrl(const QString &name)
{
    return name.startsWith(u"data:"_s, Qt::CaseInsensitive);
}

// data:[<media type>][;base64],<payload>; the payload may be percent-encoded.
QByteArray decodeDataUrl(const QString &name)
{
    const qsizetype comma = name.indexOf(u',');
    if (comma < 0)
        return {};
    const QByteArray payload = QByteArray::fromPercentEncoding(name.mid(comma + 1).toLatin1());
    if (name.left(comma).endsWith(u";base64"_s, Qt::CaseInsensitive))
        return QByteArray::fromBase64(payload);
    return payload;
}

QByteArray readPictureFile(const QString &path)
{
    const QFileInfo info(path);
    // Anything but a regular file could block (a named pipe) or never end (a device).
    if (!info.isFile() || info.size() > PictureDocument::kMaxPictureFileBytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(PictureDocument::kMaxPictureFileBytes);
}

} // namespace

QVariant pictureResource(const QTextDocument &doc, const QString &name)
{
    if (isDataUrl(name)) {
        const QByteArray bytes = decodeDataUrl(name);
        return bytes.isEmpty() ? QVariant() : QVariant(bytes);
    }
    return doc.resource(QTextDocument::ImageResource, QUrl(name));
}

QVariant PictureDocument::loadResource(int type, const QUrl &name)
{
    if (type != QTextDocument::ImageResource)
        return QTextDocument::loadResource(type, name);
    QByteArray bytes;
    if (name.scheme().compare(u"data"_s, Qt::CaseInsensitive) == 0)
        bytes = decodeDataUrl(name.toString(QUrl::FullyEncoded));
    else if (name.isLocalFile() || name.scheme().isEmpty())
        bytes = readPictureFile(name.isLocalFile() ? name.toLocalFile() : name.path());
    else if (name.scheme() == u"qrc"_s)
        bytes = readPictureFile(u":"_s + name.path());
    return bytes.isEmpty() ? QVariant() : QVariant(bytes);
}

} // namespace veltrano
