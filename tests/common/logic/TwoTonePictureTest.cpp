// A two-tone picture recoloured from its red-and-blue drawing matches the
// picture drawn in those colours to begin with, edges included.
#include "common/logic/TwoTonePicture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

QImage draw(QByteArray svg, const char *fill, const char *line, int size)
{
    svg.replace("@FILL@", fill).replace("@LINE@", line);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

} // namespace

TEST(TwoTonePicture, RecolouredDrawingMatchesTheDrawingInThoseColours)
{
    QFile file(QStringLiteral(VELTRANO_ICONS_DIR "/level.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    for (const int size : {16, 24, 48}) {
        const QImage mask = draw(svg, kTwoToneFill, kTwoToneLine, size);
        for (const auto &[fill, line] : {std::pair{"#f6ad55", "#9c4221"}, std::pair{"#90cdf4", "#2c5282"},
                                         std::pair{"#ffffff", "#000000"}}) {
            const QImage recoloured = PaintTwoTones(mask, QColor::fromString(QLatin1String(fill)),
                                                    QColor::fromString(QLatin1String(line)));
            const QImage direct = draw(svg, fill, line, size);
            EXPECT_LE(largestDifference(recoloured.convertToFormat(QImage::Format_ARGB32),
                                        direct.convertToFormat(QImage::Format_ARGB32)),
                      2)
                << size << " px in " << fill << "/" << line;
        }
    }
}

TEST(TwoTonePicture, EmptyPixelsStayEmptyAndAnEmptyMaskGivesAnEmptyPicture)
{
    QImage mask(4, 4, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    const QImage painted = PaintTwoTones(mask, Qt::red, Qt::green);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(painted.pixel(x, y), 0u);
    EXPECT_TRUE(PaintTwoTones(QImage(), Qt::red, Qt::green).isNull());
}
