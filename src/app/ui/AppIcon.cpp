#include "app/ui/AppIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace veltrano {

QImage RenderSvgIcon(const QString &svgPath, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svgPath);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Rendered here rather than left to the SVG icon-engine plugin, which a
// desktop may not have installed.
QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(RenderSvgIcon(QString::fromUtf16(kAppIconResource), size)));
    return icon;
}

} // namespace veltrano
