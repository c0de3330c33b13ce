#include "rtf/RtfPictureResources.h"
#include "rtf/RtfReaderState.h"
#include "rtf/RtfWriterSupport.h"

#include <QBuffer>
#include <QCache>
#include <QImage>
#include <QImageReader>
#include <QMutex>
#include <QTextDocument>
#include <QTextImageFormat>
#include <cmath>

namespace veltrano::rtf {
namespace {

struct EncodedImage {
    QByteArray data;
    bool png = true;
    QSize size;
};

bool isPng(const QByteArray &data) { return data.startsWith("\x89PNG\r\n\x1a\n"); }
bool isJpeg(const QByteArray &data) { return data.startsWith("\xFF\xD8\xFF"); }

QByteArray encodePng(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

// Images pasted into the editor are held decoded; a note is saved on every
// keystroke, so their PNG form is kept rather than encoded again each time.
QByteArray cachedPng(const QImage &image)
{
    static QMutex mutex;
    static QCache<qint64, QByteArray> cache(64 * 1024 * 1024);
    const QMutexLocker lock(&mutex);
    if (const QByteArray *hit = cache.object(image.cacheKey()))
        return *hit;
    const QByteArray png = encodePng(image);
    cache.insert(image.cacheKey(), new QByteArray(png), static_cast<qsizetype>(png.size()) + 1);
    return png;
}

EncodedImage encodedImage(const QVariant &resource)
{
    if (resource.userType() == QMetaType::QByteArray) {
        const QByteArray data = resource.toByteArray();
        QByteArray copy = data;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (isPng(data) || isJpeg(data))
            return {data, isPng(data), size};
        const QImage image = QImage::fromData(data);
        return {image.isNull() ? QByteArray() : cachedPng(image), true, image.size()};
    }
    const QImage image = qvariant_cast<QImage>(resource);
    if (image.isNull())
        return {};
    return {cachedPng(image), true, image.size()};
}

} // namespace

void appendPicture(RtfOutput &out, const QTextDocument &doc, const QTextImageFormat &format)
{
    const EncodedImage image = encodedImage(pictureResource(doc, format.name()));
    if (image.data.isEmpty() || !image.size.isValid() || image.size.isEmpty())
        return;
    // The shown size; with only one side given the image keeps its proportions.
    double width = format.width() > 0 ? format.width() : 0;
    double height = format.height() > 0 ? format.height() : 0;
    if (width <= 0 && height <= 0) {
        width = image.size.width();
        height = image.size.height();
    } else if (width <= 0) {
        width = height * image.size.width() / image.size.height();
    } else if (height <= 0) {
        height = width * image.size.height() / image.size.width();
    }
    out.put(image.png ? "{\\pict\\pngblip" : "{\\pict\\jpegblip");
    out.control("picw", image.size.width());
    out.control("pich", image.size.height());
    out.control("picwgoal", std::llround(width * kTwipsPerPixel));
    out.control("pichgoal", std::llround(height * kTwipsPerPixel));
    out.put("\r\n");
    static constexpr char kHex[] = "0123456789abcdef";
    const qsizetype bytes = image.data.size();
    for (qsizetype i = 0; i < bytes; ++i) {
        const auto b = static_cast<unsigned char>(image.data[i]);
        out.put(kHex[b >> 4]);
        out.put(kHex[b & 0xF]);
        if (i % 64 == 63)
            out.put("\r\n");
    }
    out.put('}');
}

} // namespace veltrano::rtf
