// The pictures from PNGs the build rendered from their SVGs (for a build
// without Qt Svg): each size the windows use, Qt scaling between them.
#include "common/ui/AppPictures.h"

#include "common/logic/TwoTonePicture.h"

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

} // namespace

QIcon appPicture(const QString &name)
{
    return iconOf(name, kPictureSizes);
}

QIcon twoTonePicture(const QString &name, const QColor &fill, const QColor &line)
{
    QIcon icon;
    for (int size : kPictureSizes)
        icon.addPixmap(QPixmap::fromImage(PaintTwoTones(QImage(pngPath(name, size)), fill, line)));
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
