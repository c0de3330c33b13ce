#include "common/logic/TwoTonePicture.h"

namespace veltrano {

QImage PaintTwoTones(const QImage &mask, const QColor &fill, const QColor &line)
{
    QImage image = mask.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto *pixel = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int f = qRed(pixel[x]);
            const int l = qBlue(pixel[x]);
            const auto channel = [f, l](int a, int b) { return (a * f + b * l + 127) / 255; };
            pixel[x] = qRgba(channel(fill.red(), line.red()), channel(fill.green(), line.green()),
                             channel(fill.blue(), line.blue()), qMin(255, f + l));
        }
    }
    return image;
}

} // namespace veltrano
