#include "app/ui/AppIcon.h"

#include <QPainter>
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

} // namespace veltrano
