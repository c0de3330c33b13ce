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

TEST(ClockRender, TheDialIsNavyWithLightTicksOnWhite)
{
    const Layers layers;
    const QImage &dial = layers.dial;
    EXPECT_EQ(dial.pixel(75, 75), kClockDialColour);
    EXPECT_EQ(dial.pixel(40, 110), kClockDialColour);
    EXPECT_EQ(dial.pixel(75, 5), kClockLineColour);   // the tick at 12
    EXPECT_EQ(dial.pixel(140, 75), kClockLineColour); // the tick at 3
    EXPECT_EQ(dial.pixel(75, 1), kClockLineColour);   // the rim
    EXPECT_EQ(dial.pixel(1, 75), kClockLineColour);
    EXPECT_EQ(dial.pixel(150, 75), kClockLineColour);
    EXPECT_EQ(dial.pixel(75, 150), kClockLineColour);
    for (const QPoint outside : {QPoint(0, 0), QPoint(150, 0), QPoint(0, 150), QPoint(150, 150), QPoint(5, 5),
                                 QPoint(0, 75), QPoint(75, 0)})
        EXPECT_EQ(dial.pixel(outside), kClockTransparent) << outside.x() << "," << outside.y();
    EXPECT_EQ(qRgb(254, 255, 255), kClockLineColour);
}

TEST(ClockRender, HandsAreDrawnOnWhiteUpToButNotIncludingTheirTips)
{
    Layers layers;
    layers.render.DrawHands(layers.hands, {3, 0, 0});
    const QImage &hands = layers.hands;
    EXPECT_EQ(hands.pixel(100, 75), kClockHourColour);
    EXPECT_EQ(hands.pixel(100, 76), kClockHourColour); // two pixels wide
    EXPECT_EQ(hands.pixel(111, 75), kClockHourColour);
    EXPECT_EQ(hands.pixel(112, 75), kClockTransparent);
    EXPECT_EQ(hands.pixel(75, 16), kClockSecondColour); // the second hand, drawn last, over the minute hand
    EXPECT_EQ(hands.pixel(75, 15), kClockTransparent);
    EXPECT_EQ(hands.pixel(76, 30), kClockMinuteColour);
    EXPECT_EQ(hands.pixel(40, 110), kClockTransparent);

    // Redrawing clears the old hands.
    layers.render.DrawHands(layers.hands, {6, 30, 0});
    EXPECT_EQ(hands.pixel(100, 75), kClockTransparent);
    EXPECT_EQ(hands.pixel(75, 120), kClockMinuteColour);
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
                if (layers.hands.pixel(x, y) != kClockTransparent)
                    ASSERT_TRUE(bounds.contains(x, y)) << x << "," << y;
    }
}
