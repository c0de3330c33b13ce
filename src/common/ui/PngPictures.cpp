// The program's pictures come as PNGs that the build draws from their SVGs
// (tools/render_icon) at the sizes the windows use. A small PNG is decoded
// for far less than the SVG renderer costs at start-up (its library, its
// number parsing, its maths and its scratch memory), and every system takes
// the same path.
#include "common/ui/AppPictures.h"

#include "common/logic/TwoTonePicture.h"

#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <optional>
#include <span>

namespace veltrano {
namespace {

constexpr int kPictureSizes[]{16, 20, 24, 32, 40, 48, 64};
constexpr int kIconSizes[]{16, 24, 32, 48, 64, 128, 256};
constexpr qreal kDisabledOpacity = 0.4;
constexpr QStringView kApplicationIconName = u"veltrano";

struct TwoTones {
    QColor fill;
    QColor line;
};

// The smallest drawn size at or above `pixels`, else the largest.
int drawnSizeFor(int pixels, std::span<const int> sizes)
{
    for (int size : sizes) {
        if (size >= pixels)
            return size;
    }
    return sizes.back();
}

QImage drawnPicture(const QString &name, int drawnSize)
{
    QFile file(QStringLiteral(":/app/pictures/%1/%2.png").arg(drawnSize).arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    // Told the format and not to guess it, the reader goes straight to Qt's
    // own PNG decoder instead of loading every image-format plugin first.
    QImageReader reader(&file, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage fitted(const QImage &image, const QSize &pixels)
{
    if (image.isNull() || image.size() == pixels)
        return image;
    return image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage faded(const QImage &image)
{
    QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setOpacity(kDisabledOpacity);
    painter.drawImage(0, 0, image);
    return out;
}

// Whether the pictures made are kept. A button repaints its picture at every
// hover, so each size of a control's picture is made once and kept in Qt's
// pixmap cache, which bounds what all pictures keep. The program's icon is
// asked for once per window, at four sizes up to 128 pixels, and the window
// system keeps its own copy: keeping it here would hold 85 KB for nothing.
enum class Keeping { Kept, MadeEachTime };

// Decodes only the size a control asks for, when it asks.
class PngIconEngine final : public QIconEngine {
public:
    PngIconEngine(QString name, std::span<const int> sizes, Keeping keeping = Keeping::Kept,
                  std::optional<TwoTones> tones = std::nullopt)
        : m_name(std::move(name)), m_sizes(sizes), m_keeping(keeping), m_tones(std::move(tones))
    {
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // `pixels` is in device pixels: QIcon asks for the logical size times the
    // ratio and sets the ratio on what it gets back.
    QPixmap scaledPixmap(const QSize &pixels, QIcon::Mode mode, QIcon::State, qreal) override
    {
        if (pixels.isEmpty())
            return QPixmap();
        const bool disabled = mode == QIcon::Disabled;
        if (m_keeping == Keeping::MadeEachTime)
            return made(pixels, disabled);
        const QString key = cacheKey(pixels, disabled);
        QPixmap pixmap;
        if (!QPixmapCache::find(key, &pixmap)) {
            pixmap = made(pixels, disabled);
            QPixmapCache::insert(key, pixmap);
        }
        return pixmap;
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new PngIconEngine(m_name, m_sizes, m_keeping, m_tones); }
    QString key() const override { return QStringLiteral("veltrano-png"); }

private:
    QPixmap made(const QSize &pixels, bool disabled) const
    {
        QImage image = drawnPicture(m_name, drawnSizeFor(qMax(pixels.width(), pixels.height()), m_sizes));
        if (m_tones)
            image = PaintTwoTones(image, m_tones->fill, m_tones->line);
        image = fitted(image, pixels);
        return QPixmap::fromImage(disabled ? faded(image) : image);
    }
    QString cacheKey(const QSize &pixels, bool disabled) const
    {
        QString key = QStringLiteral("veltrano-png-%1-%2x%3-%4")
                          .arg(m_name)
                          .arg(pixels.width())
                          .arg(pixels.height())
                          .arg(int(disabled));
        if (m_tones)
            key += QLatin1Char('-') + m_tones->fill.name() + m_tones->line.name();
        return key;
    }

    QString m_name;
    std::span<const int> m_sizes;
    Keeping m_keeping;
    std::optional<TwoTones> m_tones;
};

} // namespace

QIcon appPicture(const QString &name)
{
    return QIcon(new PngIconEngine(name, kPictureSizes));
}

QIcon twoTonePicture(const QString &name, const QColor &fill, const QColor &line)
{
    return QIcon(new PngIconEngine(name, kPictureSizes, Keeping::Kept, TwoTones{fill, line}));
}

// Drawn only at the sizes asked for (window frame, task bar, window
// switcher), when they are asked for.
QIcon applicationIcon()
{
    return QIcon(new PngIconEngine(kApplicationIconName.toString(), kIconSizes, Keeping::MadeEachTime));
}

QImage applicationIconImage(int size)
{
    return fitted(drawnPicture(kApplicationIconName.toString(), drawnSizeFor(size, kIconSizes)), QSize(size, size));
}

} // namespace veltrano
