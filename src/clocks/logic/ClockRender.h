#pragma once
// The desk clock's picture: dial and hands drawn on two transparent layers,
// smooth and at the screen's pixel density, over integer geometry in logical
// pixels computed once.
#include <QDateTime>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTime>
#include <optional>

namespace veltrano {

inline constexpr QRgb kClockDialColour = 0xff000080;   // navy
inline constexpr QRgb kClockLineColour = 0xfffeffff;   // one step short of white, so it shows
inline constexpr QRgb kClockHourColour = 0xffff0000;   // red
inline constexpr QRgb kClockMinuteColour = 0xff008000; // green
inline constexpr QRgb kClockSecondColour = 0xffffff00; // yellow

// What the hands show: hours (0..23, or 1..12 on a 12-hour clock), minutes
// and seconds.
struct HandTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const HandTime &) const = default;
};

// The clock's geometry for a hands layer of W x H pixels; every division
// truncates.
struct ClockState {
    int W = 0, H = 0;
    int CX = 0, CY = 0;
    int hourLength = 0;   // CX / 2
    int minuteLength = 0; // 2 * CX / 3
    int secondLength = 0; // 4 * CX / 5
    int tickStart = 0;    // 4 * CX / 5
    int tickLength = 0;   // CX - tickStart: a tick ends on the rim
    QDateTime sampled;    // the time the hands show
};

ClockState ClockGeometry(QSize handsLayer);

// The point `length` pixels from the centre toward value `v` of a scale of
// `unitsPerTurn` (60 or 12): 0 straight up, clockwise on the screen, each
// coordinate truncated toward zero.
QPoint HandPoint(const ClockState &clock, double v, int unitsPerTurn, int length);

// Reads the hands from a long-time text as "hours:mm?ss" with nothing before
// the hours; nullopt for any other shape (no ":", no seconds, a marker first).
std::optional<HandTime> ParseHandTime(const QString &longTime);
// The hands for a clock whose long-time text is `longTime`, taken from
// `sampled` itself when the text cannot be read, so an odd regional format
// never puts the hands in a wrong place.
HandTime HandsFor(const QString &longTime, const QTime &sampled);

// The drawing the two layers get. `canvas` is a layer made by
// BlankClockLayer: the geometry is in its logical pixels, the drawing in its
// device pixels. The point (x, y) of the geometry is the middle of logical
// pixel (x, y), and a line ends in the middle of its last pixel.
class ClockRender {
public:
    // ClockInit: the geometry from the hands layer's size, the dial drawn on
    // `dialLayer`, the time sampled.
    void ClockInit(QSize handsLayer, QImage &dialLayer, const QDateTime &now);
    void SampleTime(const QDateTime &now) { m_state.sampled = now; }
    void DrawDial(QImage &canvas) const;
    // Clears the layer, then draws the hour, minute and second hands.
    void DrawHands(QImage &canvas, const HandTime &hands) const;
    // Every logical pixel DrawHands may touch for `hands`.
    QRect HandsBounds(const HandTime &hands) const;
    const ClockState &state() const { return m_state; }

private:
    ClockState m_state;
};

// A fresh, fully transparent layer of `size` logical pixels for a screen of
// `pixelRatio` device pixels to the logical one.
QImage BlankClockLayer(QSize size, qreal pixelRatio = 1.0);

} // namespace veltrano
