// The program's pictures as the windows ask for them: in device pixels at
// any screen ratio, faded only when disabled, two-toned in the caller's
// colours, and nothing for a name the build never drew.
#include "common/ui/AppPictures.h"

#include <QPixmap>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

// The most opaque pixel: a drawn picture has some, an empty one none.
int strongestAlpha(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    int strongest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            strongest = std::max(strongest, qAlpha(image.pixel(x, y)));
    }
    return strongest;
}

} // namespace

TEST(AppPictures, EachSizeComesInDevicePixelsAndFadedOnlyWhenDisabled)
{
    const QIcon picture = appPicture(QStringLiteral("todo"));
    // Drawn sizes, sizes between them, and one past the largest drawn.
    for (const int size : {16, 22, 50, 90}) {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QPixmap pixmap = picture.pixmap(QSize(size, size), ratio);
            EXPECT_EQ(pixmap.size(), QSize(qRound(size * ratio), qRound(size * ratio))) << size << " at " << ratio;
            EXPECT_EQ(strongestAlpha(pixmap), 255) << size << " px at " << ratio;
        }
    }
    EXPECT_NEAR(strongestAlpha(picture.pixmap(QSize(24, 24), 1.0, QIcon::Disabled)), 102, 2);
    // The faded one is not handed back from the cache for the normal one.
    EXPECT_EQ(strongestAlpha(picture.pixmap(QSize(24, 24), 1.0, QIcon::Normal)), 255);
    EXPECT_EQ(applicationIconImage(300).size(), QSize(300, 300));
    EXPECT_TRUE(appPicture(QStringLiteral("no-such-picture")).pixmap(QSize(16, 16)).isNull());
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
            sawFill |= orange.pixelColor(x, y) == fill;
            sawLine |= orange.pixelColor(x, y) == line;
        }
    }
    EXPECT_TRUE(sawFill);
    EXPECT_TRUE(sawLine);
    EXPECT_NE(orange, blue);
}
