#include "clocks/logic/ClockRender.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace veltrano {
namespace {

// The angle of one unit, exactly as the clock has always used it, so the
// hands land on the same pixels.
constexpr double kMinuteStep = -0.10471975511965978; // -pi / 30
constexpr double kHourStep = -0.5235987755982989;    // -pi / 6
constexpr double kQuarterTurn = 1.5707963267948966;   // pi / 2

// Every drawing is smooth, and the geometry's whole numbers name pixels: the
// painter is moved half a pixel so a point lies in the middle of its pixel.
class LayerPainter : public QPainter {
public:
    explicit LayerPainter(QImage &canvas) : QPainter(&canvas)
    {
        setRenderHint(QPainter::Antialiasing);
        translate(0.5, 0.5);
    }
    // Up to, not into, the pixel of `to`, as lines have always been drawn.
    void line(QPoint from, QPoint to, QRgb colour, int width)
    {
        QLineF drawn(from, to);
        drawn.setLength(std::max(0.0, drawn.length() - 0.5));
        setPen(QPen(QColor::fromRgb(colour), width, Qt::SolidLine, Qt::FlatCap));
        drawLine(drawn);
    }
};

bool isDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

struct HandTips {
    QPoint hour, minute, second;
};

// The hour and minute hands move on between the marks.
HandTips handTips(const ClockState &c, const HandTime &hands)
{
    return {HandPoint(c, hands.hour % 12 + hands.minute / 60.0, 12, c.hourLength),
            HandPoint(c, hands.minute + hands.second / 60.0, 60, c.minuteLength),
            HandPoint(c, hands.second, 60, c.secondLength)};
}

} // namespace

ClockState ClockGeometry(QSize handsLayer)
{
    ClockState clock;
    clock.W = handsLayer.width();
    clock.H = handsLayer.height();
    clock.CX = clock.W / 2;
    clock.CY = clock.H / 2;
    clock.hourLength = clock.CX / 2;
    clock.minuteLength = (2 * clock.CX) / 3;
    clock.secondLength = (4 * clock.CX) / 5;
    clock.tickStart = (4 * clock.CX) / 5;
    clock.tickLength = clock.CX - clock.tickStart;
    return clock;
}

QPoint HandPoint(const ClockState &clock, double v, int unitsPerTurn, int length)
{
    const double theta = v * (unitsPerTurn == 12 ? kHourStep : kMinuteStep);
    return {clock.CX + int(std::trunc(std::cos(theta + kQuarterTurn) * length)),
            clock.CY + int(std::trunc(std::sin(theta - kQuarterTurn) * length))};
}

std::optional<HandTime> ParseHandTime(const QString &longTime)
{
    const qsizetype colon = longTime.indexOf(u':');
    if (colon < 1 || longTime.size() < colon + 6)
        return std::nullopt;
    const QString hours = longTime.left(colon);
    const QString minutes = longTime.mid(colon + 1, 2);
    const QString seconds = longTime.mid(colon + 4, 2);
    if (hours.size() > 2 || !isDigits(hours) || !isDigits(minutes) || !isDigits(seconds))
        return std::nullopt;
    const HandTime hands{hours.toInt(), minutes.toInt(), seconds.toInt()};
    if (hands.hour > 23 || hands.minute > 59 || hands.second > 59)
        return std::nullopt;
    return hands;
}

HandTime HandsFor(const QString &longTime, const QTime &sampled)
{
    if (const auto parsed = ParseHandTime(longTime))
        return *parsed;
    return {sampled.hour(), sampled.minute(), sampled.second()};
}

QImage BlankClockLayer(QSize size, qreal pixelRatio)
{
    QImage layer(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(pixelRatio);
    layer.fill(Qt::transparent);
    return layer;
}

void ClockRender::ClockInit(QSize handsLayer, QImage &dialLayer, const QDateTime &now)
{
    m_state = ClockGeometry(handsLayer);
    DrawDial(dialLayer);
    SampleTime(now);
}

// The rim runs through the pixels from 1 to W - 1 (and 1 to H - 1), the dial
// filled navy inside it.
void ClockRender::DrawDial(QImage &canvas) const
{
    const ClockState &c = m_state;
    LayerPainter painter(canvas);
    painter.setPen(QPen(QColor::fromRgb(kClockLineColour), 1));
    painter.setBrush(QColor::fromRgb(kClockDialColour));
    painter.drawEllipse(QRectF(1, 1, c.W - 2, c.H - 2));
    for (int v = 0; v < 60; v += 5)
        painter.line(HandPoint(c, v, 60, c.tickStart), HandPoint(c, v, 60, c.CX), kClockLineColour, 1);
}

void ClockRender::DrawHands(QImage &canvas, const HandTime &hands) const
{
    const ClockState &c = m_state;
    const QPoint centre(c.CX, c.CY);
    const HandTips tips = handTips(c, hands);
    canvas.fill(Qt::transparent);
    LayerPainter painter(canvas);
    painter.line(centre, tips.hour, kClockHourColour, 2);
    painter.line(centre, tips.minute, kClockMinuteColour, 2);
    painter.line(centre, tips.second, kClockSecondColour, 1);
}

QRect ClockRender::HandsBounds(const HandTime &hands) const
{
    const ClockState &c = m_state;
    const HandTips tips = handTips(c, hands);
    QRect bounds(QPoint(c.CX, c.CY), QSize(1, 1));
    for (const QPoint tip : {tips.hour, tips.minute, tips.second})
        bounds |= QRect(tip, QSize(1, 1));
    // Two-pixel hands reach a pixel past the line, their smoothed edges one more.
    return bounds.adjusted(-2, -2, 2, 2);
}

} // namespace veltrano
