// The program's pictures as the windows ask for them: each size in device
// pixels at any screen ratio, faded when disabled, two-toned in the caller's
// colours, and nothing (rather than a crash) for a name the build never drew.
#include "common/ui/AppPictures.h"

#include <QPixmap>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

// The most opaque pixel: a drawn picture has some, an empty one none.
int strongestAlpha(const QImage &image)
{
    int strongest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            strongest = std::max(strongest, qAlpha(image.pixel(x, y)));
    }
    return strongest;
}

} // namespace

TEST(AppPictures, EverySizeAndRatioComesInDevicePixels)
{
    const QIcon picture = appPicture(QStringLiteral("todo"));
    // Drawn sizes, sizes between them, and one past the largest drawn.
    for (const int size : {16, 20, 22, 32, 50, 90}) {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QPixmap pixmap = picture.pixmap(QSize(size, size), ratio);
            const int pixels = qRound(size * ratio);
            EXPECT_EQ(pixmap.size(), QSize(pixels, pixels)) << size << " px at " << ratio;
            EXPECT_EQ(strongestAlpha(pixmap.toImage()), 255) << size << " px at " << ratio;
        }
    }
}

TEST(AppPictures, ADisabledPictureIsFadedAndANormalOneIsNot)
{
    const QIcon picture = appPicture(QStringLiteral("exit"));
    const QImage normal = picture.pixmap(QSize(24, 24), 1.0, QIcon::Normal).toImage();
    const QImage disabled = picture.pixmap(QSize(24, 24), 1.0, QIcon::Disabled).toImage();
    EXPECT_EQ(strongestAlpha(normal), 255);
    EXPECT_NEAR(strongestAlpha(disabled), 102, 2);
    // Asked again, the normal one is not handed the faded one from the cache.
    EXPECT_EQ(strongestAlpha(picture.pixmap(QSize(24, 24), 1.0, QIcon::Normal).toImage()), 255);
}

TEST(AppPictures, TwoTonesComeInTheCallersColoursAndEachKeepsItsOwn)
{
    const QColor fill(0xf6, 0xad, 0x55);
    const QColor line(0x9c, 0x42, 0x21);
    const QImage orange = twoTonePicture(QStringLiteral("level"), fill, line).pixmap(QSize(32, 32)).toImage();
    const QImage blue = twoTonePicture(QStringLiteral("level"), Qt::blue, Qt::darkBlue).pixmap(QSize(32, 32)).toImage();
    bool sawFill = false;
    bool sawLine = false;
    for (int y = 0; y < orange.height(); ++y) {
        for (int x = 0; x < orange.width(); ++x) {
            const QColor pixel = orange.pixelColor(x, y);
            sawFill |= pixel == fill;
            sawLine |= pixel == line;
            // Only the two colours and their blends with each other or the ground.
            if (pixel.alpha() == 255) {
                EXPECT_LE(pixel.blue(), std::max(fill.blue(), line.blue())) << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(sawFill);
    EXPECT_TRUE(sawLine);
    EXPECT_NE(orange, blue);
}

TEST(AppPictures, TheProgramIconComesAtEveryIconSizeAndAnUnknownNameAtNone)
{
    for (const int size : {16, 32, 48, 128, 300}) {
        const QImage image = applicationIconImage(size);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(strongestAlpha(image), 255) << size;
    }
    EXPECT_FALSE(applicationIcon().pixmap(QSize(64, 64)).isNull());
    EXPECT_TRUE(appPicture(QStringLiteral("no-such-picture")).pixmap(QSize(16, 16)).isNull());
}
