#include "clocks/logic/ClockRender.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {

const QSize kLayer(151, 151);

ClockState clock151()
{
    return ClockGeometry(kLayer);
}

QPoint hourTip(const HandTime &t)
{
    return HandPoint(clock151(), t.hour % 12 + t.minute / 60.0, 12, clock151().hourLength);
}
QPoint minuteTip(const HandTime &t)
{
    return HandPoint(clock151(), t.minute + t.second / 60.0, 60, clock151().minuteLength);
}
QPoint secondTip(const HandTime &t)
{
    return HandPoint(clock151(), t.second, 60, clock151().secondLength);
}

bool close(QRgb seen, QRgb wanted, int tolerance)
{
    return qAlpha(seen) > 200 && std::abs(qRed(seen) - qRed(wanted)) <= tolerance
           && std::abs(qGreen(seen) - qGreen(wanted)) <= tolerance && std::abs(qBlue(seen) - qBlue(wanted)) <= tolerance;
}

struct Layers {
    QImage dial = BlankClockLayer(kLayer);
    QImage hands = BlankClockLayer(kLayer);
    ClockRender render;
    Layers() { render.ClockInit(kLayer, dial, QDateTime(QDate(2026, 12, 8), QTime(12, 0))); }
};

} // namespace

TEST(ClockRender, GeometryOfTheHundredAndFiftyOnePixelLayer)
{
    const ClockState c = clock151();
    EXPECT_EQ(QPoint(c.CX, c.CY), QPoint(75, 75));
    EXPECT_EQ(c.hourLength, 37);
    EXPECT_EQ(c.minuteLength, 50);
    EXPECT_EQ(c.secondLength, 60);
    EXPECT_EQ(c.tickStart, 60);
    EXPECT_EQ(c.tickStart + c.tickLength, 75);
}

TEST(ClockRender, HandsEndWhereTheirTimeSays)
{
    const HandTime noon{12, 0, 0};
    EXPECT_EQ(hourTip(noon), QPoint(75, 38));
    EXPECT_EQ(minuteTip(noon), QPoint(75, 25));
    EXPECT_EQ(secondTip(noon), QPoint(75, 15));
    EXPECT_EQ(hourTip({3, 0, 0}), QPoint(112, 75));
    EXPECT_EQ(hourTip({6, 30, 0}), QPoint(66, 110)); // halfway between the 6 and the 7
    EXPECT_EQ(minuteTip({6, 30, 0}), QPoint(75, 125));
    // Ticks run from the tick start radius out to the rim.
    const ClockState c = clock151();
    EXPECT_EQ(HandPoint(c, 0, 60, c.tickStart), QPoint(75, 15));
    EXPECT_EQ(HandPoint(c, 0, 60, c.CX), QPoint(75, 0));
    EXPECT_EQ(HandPoint(c, 15, 60, c.tickStart), QPoint(135, 75));
    EXPECT_EQ(HandPoint(c, 15, 60, c.CX), QPoint(150, 75));
}

TEST(ClockRender, HandsAreReadFromTheLongTimeText)
{
    EXPECT_EQ(ParseHandTime(QStringLiteral("7:30:15")), (HandTime{7, 30, 15}));
    EXPECT_EQ(ParseHandTime(QStringLiteral("19:05:09")), (HandTime{19, 5, 9}));
    EXPECT_EQ(ParseHandTime(QStringLiteral("12:00:00 PM")), (HandTime{12, 0, 0}));
    EXPECT_EQ(ParseHandTime(QStringLiteral("07:30.15")), (HandTime{7, 30, 15})); // any separator before seconds
}

TEST(ClockRender, AnUnreadableFormatTakesTheHandsFromTheClock)
{
    const QTime sampled(16, 45, 30);
    for (const char *text : {"16.45.30", "16:45", "PM 4:45:30", "", ":45:30", "4:4:30", "99:45:30", "4:61:30",
                             "\xd0\xbf\xd0\xbf:45:30"}) {
        EXPECT_FALSE(ParseHandTime(QString::fromUtf8(text))) << text;
        EXPECT_EQ(HandsFor(QString::fromUtf8(text), sampled), (HandTime{16, 45, 30})) << text;
    }
    EXPECT_EQ(HandsFor(QStringLiteral("4:45:30 PM"), sampled), (HandTime{4, 45, 30}));
}

TEST(ClockRender, TheDialIsNavyWithLightTicksOnATransparentLayer)
{
    const Layers layers;
    const QImage &dial = layers.dial;
    EXPECT_EQ(dial.pixel(75, 75), kClockDialColour);
    EXPECT_EQ(dial.pixel(40, 110), kClockDialColour);
    EXPECT_EQ(dial.pixel(75, 5), kClockLineColour);   // the tick at 12
    EXPECT_EQ(dial.pixel(140, 75), kClockLineColour); // the tick at 3
    for (const QPoint rim : {QPoint(75, 1), QPoint(1, 75), QPoint(150, 75), QPoint(75, 150)})
        EXPECT_TRUE(close(dial.pixel(rim), kClockLineColour, 40)) << rim.x() << "," << rim.y();
    for (const QPoint outside : {QPoint(0, 0), QPoint(150, 0), QPoint(0, 150), QPoint(150, 150), QPoint(5, 5),
                                 QPoint(0, 75), QPoint(75, 0)})
        EXPECT_EQ(qAlpha(dial.pixel(outside)), 0) << outside.x() << "," << outside.y();
    EXPECT_EQ(qRgb(254, 255, 255), kClockLineColour);
}

TEST(ClockRender, HandsAreDrawnOnAClearedLayerUpToTheirTips)
{
    Layers layers;
    layers.render.DrawHands(layers.hands, {3, 0, 0});
    const QImage &hands = layers.hands;
    EXPECT_EQ(hands.pixel(100, 75), kClockHourColour);
    EXPECT_EQ(hands.pixel(111, 75), kClockHourColour);
    EXPECT_EQ(qAlpha(hands.pixel(112, 75)), 0);
    EXPECT_EQ(hands.pixel(75, 16), kClockSecondColour); // the second hand, drawn last, over the minute hand
    EXPECT_EQ(qAlpha(hands.pixel(75, 15)), 0);
    EXPECT_EQ(qAlpha(hands.pixel(40, 110)), 0);

    // Redrawing clears the old hands.
    layers.render.DrawHands(layers.hands, {6, 30, 0});
    EXPECT_EQ(qAlpha(hands.pixel(100, 75)), 0);
    EXPECT_EQ(hands.pixel(75, 120), kClockMinuteColour);
}

// At 2x the layers hold twice the pixels each way, with the picture where the
// logical geometry puts it; a slanted hand shades its edges rather than
// stepping.
TEST(ClockRender, LayersAreDrawnSmoothlyAtTheScreensPixelDensity)
{
    for (const qreal ratio : {1.0, 2.0}) {
        QImage dial = BlankClockLayer(kLayer, ratio);
        QImage hands = BlankClockLayer(kLayer, ratio);
        ASSERT_EQ(hands.size(), kLayer * ratio);
        EXPECT_EQ(hands.devicePixelRatio(), ratio);
        ClockRender render;
        render.ClockInit(kLayer, dial, QDateTime(QDate(2026, 12, 8), QTime(10, 10)));
        const HandTime slanted{1, 40, 20};
        render.DrawHands(hands, slanted);

        int shaded = 0;
        for (int y = 0; y < hands.height(); ++y)
            for (int x = 0; x < hands.width(); ++x)
                shaded += qAlpha(hands.pixel(x, y)) > 0 && qAlpha(hands.pixel(x, y)) < 255;
        EXPECT_GT(shaded, 20 * ratio) << ratio;
        // The dial's centre and the hands' tips are where the logical geometry says.
        EXPECT_EQ(dial.pixel(QPoint(75, 75) * ratio), kClockDialColour) << ratio;
        const QPoint minute = minuteTip(slanted);
        const QPoint alongMinute = QPoint(75, 75) + (minute - QPoint(75, 75)) * 9 / 10;
        bool minuteThere = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                minuteThere = minuteThere
                              || close(hands.pixel(alongMinute * ratio + QPoint(dx, dy)), kClockMinuteColour, 30);
        EXPECT_TRUE(minuteThere) << ratio;
        const QRect bounds = render.HandsBounds(slanted);
        for (int y = 0; y < hands.height(); ++y)
            for (int x = 0; x < hands.width(); ++x)
                if (qAlpha(hands.pixel(x, y)) != 0) {
                    ASSERT_TRUE(bounds.contains(int(x / ratio), int(y / ratio))) << x << "," << y << " at " << ratio;
                }
    }
}

TEST(ClockRender, TwelveOnATwelveHourClockPointsUp)
{
    Layers twelve;
    Layers zero;
    twelve.render.DrawHands(twelve.hands, {12, 10, 0});
    zero.render.DrawHands(zero.hands, {0, 10, 0});
    EXPECT_EQ(twelve.hands, zero.hands);
    // Just right of straight up, a sixth of the way to the 1.
    int redInRow50 = 0;
    for (int x = 0; x < 151; ++x)
        redInRow50 += twelve.hands.pixel(x, 50) == kClockHourColour ? x : 0;
    ASSERT_GT(redInRow50, 0);
    EXPECT_GE(redInRow50, 76);
    EXPECT_LE(redInRow50, 2 * 80);
}

TEST(ClockRender, HandsBoundsHoldEveryPixelDrawn)
{
    Layers layers;
    for (const HandTime t : {HandTime{3, 0, 0}, HandTime{6, 30, 0}, HandTime{10, 52, 41}, HandTime{8, 20, 37}}) {
        layers.render.DrawHands(layers.hands, t);
        const QRect bounds = layers.render.HandsBounds(t);
        for (int y = 0; y < 151; ++y)
            for (int x = 0; x < 151; ++x)
                if (qAlpha(layers.hands.pixel(x, y)) != 0) {
                    ASSERT_TRUE(bounds.contains(x, y)) << x << "," << y;
                }
    }
}
