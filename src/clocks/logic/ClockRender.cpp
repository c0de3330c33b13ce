#include "clocks/logic/ClockRender.h"

#include <QPainter>
#include <QVector>
#include <cmath>
#include <cstdlib>

namespace veltrano {
namespace {

// The angle of one unit, exactly as the clock has always used it, so the
// hands land on the same pixels.
constexpr double kMinuteStep = -0.10471975511965978; // -pi / 30
constexpr double kHourStep = -0.5235987755982989;    // -pi / 6
constexpr double kQuarterTurn = 1.5707963267948966;   // pi / 2

void plot(QImage &canvas, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < canvas.width() && y < canvas.height())
        canvas.setPixel(x, y, colour);
}

// Bresenham from `from` up to, not including, `to`, as the raster convention
// has it. A width of 2 doubles each pixel across the line's direction.
void drawLine(QImage &canvas, QPoint from, QPoint to, QRgb colour, int width)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    const bool steep = -dy > dx;
    int error = dx + dy;
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        plot(canvas, x, y, colour);
        for (int extra = 1; extra < width; ++extra)
            steep ? plot(canvas, x + extra, y, colour) : plot(canvas, x, y + extra, colour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

// Four-way fill: with an eight-way connected border it cannot slip through.
void floodFill(QImage &canvas, QPoint seed, QRgb fill, QRgb border)
{
    if (!canvas.rect().contains(seed))
        return;
    QVector<QPoint> pending{seed};
    while (!pending.isEmpty()) {
        const QPoint p = pending.takeLast();
        if (!canvas.rect().contains(p))
            continue;
        const QRgb here = canvas.pixel(p);
        if (here == border || here == fill)
            continue;
        canvas.setPixel(p, fill);
        pending << QPoint(p.x() + 1, p.y()) << QPoint(p.x() - 1, p.y()) << QPoint(p.x(), p.y() + 1)
                << QPoint(p.x(), p.y() - 1);
    }
}

// The outline of the ellipse in the box from (left, top) up to, not
// including, (right, bottom).
void drawEllipse(QImage &canvas, int left, int top, int right, int bottom, QRgb colour)
{
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(colour), 0));
    painter.setBrush(Qt::NoBrush);
    // An aliased outline of a w x h rectangle covers w + 1 by h + 1 pixels.
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

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

QImage BlankClockLayer(QSize size)
{
    QImage layer(size, QImage::Format_RGB32);
    layer.fill(kClockTransparent);
    return layer;
}

void ClockRender::ClockInit(QSize handsLayer, QImage &dialLayer, const QDateTime &now)
{
    m_state = ClockGeometry(handsLayer);
    DrawDial(dialLayer);
    SampleTime(now);
}

void ClockRender::DrawDial(QImage &canvas) const
{
    const ClockState &c = m_state;
    drawEllipse(canvas, 1, 1, c.W, c.H, kClockLineColour);
    floodFill(canvas, QPoint(c.W / 2, c.H / 2), kClockDialColour, kClockLineColour);
    for (int v = 0; v < 60; v += 5)
        drawLine(canvas, HandPoint(c, v, 60, c.tickStart), HandPoint(c, v, 60, c.CX), kClockLineColour, 1);
}

void ClockRender::DrawHands(QImage &canvas, const HandTime &hands) const
{
    const ClockState &c = m_state;
    const QPoint centre(c.CX, c.CY);
    const HandTips tips = handTips(c, hands);
    QPainter(&canvas).fillRect(QRect(1, 1, c.W - 1, c.H - 1), QColor::fromRgb(kClockTransparent));
    drawLine(canvas, centre, tips.hour, kClockHourColour, 2);
    drawLine(canvas, centre, tips.minute, kClockMinuteColour, 2);
    drawLine(canvas, centre, tips.second, kClockSecondColour, 1);
}

QRect ClockRender::HandsBounds(const HandTime &hands) const
{
    const ClockState &c = m_state;
    const HandTips tips = handTips(c, hands);
    QRect bounds(QPoint(c.CX, c.CY), QSize(1, 1));
    for (const QPoint tip : {tips.hour, tips.minute, tips.second})
        bounds |= QRect(tip, QSize(1, 1));
    // Two-pixel hands reach one pixel past the line.
    return bounds.adjusted(-1, -1, 2, 2);
}

} // namespace veltrano
