// Build tool: draws an SVG picture as PNG files of the given sizes, for
// desktops that read no SVG icons and for a build without Qt Svg (Windows),
// which takes its pictures from these. Runs on the machine that builds.
// Usage: veltrano_render_icon <svg> <size> <out.png> [<size> <out.png>...]
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage renderSvg(const QString &svgPath, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s <svg> <size> <out.png> [...]\n", argv[0]);
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i + 1 < argc; i += 2) {
        const int size = QByteArray(argv[i]).toInt();
        const QImage image = size > 0 ? renderSvg(svg, size) : QImage();
        if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[i + 1]))) {
            std::fprintf(stderr, "%s: cannot draw %s at %s pixels\n", argv[0], argv[1], argv[i]);
            return 1;
        }
    }
    return 0;
}
