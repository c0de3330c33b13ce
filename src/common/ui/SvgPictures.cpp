// The pictures drawn from their SVG text at any size (Qt Svg).
#include "common/ui/AppPictures.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

// Resources of a static library need an explicit start.
static void initAppIcons()
{
    Q_INIT_RESOURCE(app_icons);
}

namespace veltrano {
namespace {

// Renders the SVG at whatever size and pixel ratio is asked for, so tool bar
// pictures stay crisp on high-density screens; disabled pictures are faded.
// A button repaints its picture at every hover, so each size is drawn once
// and kept in Qt's pixmap cache, which bounds what all pictures keep.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QByteArray svg) : m_svg(std::move(svg)), m_key(QString::number(qHash(m_svg), 16)) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        QSvgRenderer renderer(m_svg);
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(painter->opacity() * 0.4);
        renderer.render(painter, QRectF(rect));
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        const QSize pixels = size * scale;
        const QString key = QStringLiteral("veltrano-svg-%1-%2x%3-%4-%5")
                                .arg(m_key)
                                .arg(pixels.width())
                                .arg(pixels.height())
                                .arg(int(mode == QIcon::Disabled))
                                .arg(scale);
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        pixmap = QPixmap(pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), pixmap.size()), mode, state);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new SvgIconEngine(m_svg); }
    QString key() const override { return QStringLiteral("veltrano-svg"); }

private:
    QByteArray m_svg;
    QString m_key; // the picture's share of its cache keys
};

} // namespace

namespace {

QByteArray appPictureSource(const QString &name)
{
    static const bool initialised = (initAppIcons(), true);
    Q_UNUSED(initialised);
    QFile file(QStringLiteral(":/app/icons/") + name + QStringLiteral(".svg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QIcon svgPicture(const QByteArray &svg)
{
    return QIcon(new SvgIconEngine(svg));
}

QByteArray applicationIconSource()
{
    QFile file(QStringLiteral(":/veltrano/art/veltrano.svg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QIcon appPicture(const QString &name)
{
    return svgPicture(appPictureSource(name));
}

QIcon twoTonePicture(const QString &name, const QColor &fill, const QColor &line)
{
    QByteArray svg = appPictureSource(name);
    svg.replace("@FILL@", fill.name().toLatin1()).replace("@LINE@", line.name().toLatin1());
    return svgPicture(svg);
}

// Drawn by our own engine rather than the SVG icon-engine plugin, which a
// desktop may not have installed, and only at the sizes asked for (window
// frame, task bar, window switcher) when they are asked for.
QIcon applicationIcon()
{
    return svgPicture(applicationIconSource());
}

QImage applicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(applicationIconSource());
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace veltrano
