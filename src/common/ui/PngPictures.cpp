// The pictures from PNGs the build rendered from their SVGs (for a build
// without Qt Svg): each size the windows use, Qt scaling between them.
#include "common/ui/AppPictures.h"

#include <QPixmap>

#include <array>

namespace veltrano {
namespace {

constexpr std::array kPictureSizes{16, 20, 24, 32, 40, 48, 64};
constexpr std::array kIconSizes{16, 24, 32, 48, 64, 128, 256};

QString pngPath(const QString &name, int size)
{
    return QStringLiteral(":/app/pictures/%1-%2.png").arg(name).arg(size);
}

template<std::size_t N>
QIcon iconOf(const QString &name, const std::array<int, N> &sizes)
{
    QIcon icon;
    for (int size : sizes)
        icon.addFile(pngPath(name, size), QSize(size, size));
    return icon;
}

// The build draws a two-tone picture with a pure red fill and a pure blue
// line: in premultiplied pixels red is then exactly how much fill covers a
// pixel and blue how much line, so any two colours go in without a seam.
QImage inTwoTones(const QImage &mask, const QColor &fill, const QColor &line)
{
    QImage image = mask.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto *pixel = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int f = qRed(pixel[x]);
            const int l = qBlue(pixel[x]);
            auto channel = [&](int a, int b) { return (a * f + b * l + 127) / 255; };
            pixel[x] = qRgba(channel(fill.red(), line.red()), channel(fill.green(), line.green()),
                             channel(fill.blue(), line.blue()), qMin(255, f + l));
        }
    }
    return image;
}

} // namespace

QIcon appPicture(const QString &name)
{
    return iconOf(name, kPictureSizes);
}

QIcon twoTonePicture(const QString &name, const QColor &fill, const QColor &line)
{
    QIcon icon;
    for (int size : kPictureSizes)
        icon.addPixmap(QPixmap::fromImage(inTwoTones(QImage(pngPath(name, size)), fill, line)));
    return icon;
}

QIcon applicationIcon()
{
    return iconOf(QStringLiteral("veltrano"), kIconSizes);
}

QImage applicationIconImage(int size)
{
    // The nearest size at or above the one asked for, scaled down smoothly.
    int from = kIconSizes.back();
    for (int candidate : kIconSizes) {
        if (candidate >= size) {
            from = candidate;
            break;
        }
    }
    QImage image(pngPath(QStringLiteral("veltrano"), from));
    if (image.isNull())
        return image;
    return image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace veltrano
