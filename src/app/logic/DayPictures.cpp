#include "app/logic/DayPictures.h"

#include <QFontMetricsF>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace veltrano {
namespace {

const QColor kHeader(0xc6, 0x36, 0x2c);
const QColor kPage(0xfd, 0xfd, 0xfa);
const QColor kOutline(0x55, 0x55, 0x5a);
const QColor kNumber(0x20, 0x22, 0x28);
const QColor kBlankLine(0xb8, 0xb8, 0xbc);

// The largest bold font whose digits fit `box`: two digits have to stay
// readable even on a 16-pixel tray.
QFont numberFont(const QString &digits, const QRectF &box)
{
    QFont font;
    font.setBold(true);
    for (int pixels = int(box.height() * 1.15); pixels > 5; --pixels) {
        font.setPixelSize(pixels);
        const QRectF ink = QFontMetricsF(font).tightBoundingRect(digits);
        if (ink.width() <= box.width() && ink.height() <= box.height())
            break;
    }
    return font;
}

void drawPage(QPainter &painter, const QRectF &page, qreal header, qreal line)
{
    const qreal radius = page.width() / 7;
    QPainterPath outline;
    outline.addRoundedRect(page, radius, radius);
    painter.fillPath(outline, kPage);
    painter.save();
    painter.setClipPath(outline);
    painter.fillRect(QRectF(page.left(), page.top(), page.width(), header), kHeader);
    painter.restore();
    painter.setPen(QPen(kOutline, line));
    painter.drawPath(outline);
}

void drawRings(QPainter &painter, const QRectF &page, qreal header)
{
    const qreal ringWidth = page.width() / 12;
    const qreal ringHeight = header * 0.8;
    for (qreal x : {page.left() + page.width() * 0.28, page.right() - page.width() * 0.28 - ringWidth})
        painter.fillRect(QRectF(x, page.top() - header * 0.25, ringWidth, ringHeight), kOutline);
}

void drawBlankLines(QPainter &painter, const QRectF &body, qreal line)
{
    painter.setPen(QPen(kBlankLine, line));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = body.top() + body.height() * i / 4;
        painter.drawLine(QPointF(body.left() + body.width() * 0.15, y), QPointF(body.right() - body.width() * 0.15, y));
    }
}

void drawNumber(QPainter &painter, int day, const QRectF &body)
{
    const QString digits = QString::number(day);
    // A little air at the sides once there are pixels to spare.
    const qreal side = body.width() >= 20 ? body.width() * 0.07 : 0;
    const QFont font = numberFont(digits, body.adjusted(side, 0, -side, 0));
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(digits);
    // Centre the ink itself, not the line box, so the digits sit in the middle.
    const QPointF baseline(body.center().x() - ink.width() / 2 - ink.left(),
                           body.center().y() - ink.height() / 2 - ink.top());
    painter.setFont(font);
    painter.setPen(kNumber);
    painter.drawText(baseline, digits);
}

} // namespace

QImage DrawDayPicture(int day, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const qreal line = qMax<qreal>(1.0, size / 24.0);
    const qreal inset = line / 2 + (size >= 32 ? size / 32.0 : 0);
    const QRectF page(inset, inset + (size >= 32 ? size / 16.0 : 0), size - 2 * inset,
                      size - 2 * inset - (size >= 32 ? size / 16.0 : 0));
    const qreal header = qMax<qreal>(3.0, page.height() * 0.24);
    drawPage(painter, page, header, line);
    if (size >= 32)
        drawRings(painter, page, header);

    const QRectF body = page.adjusted(line + 0.5, header + line / 2 + 0.5, -line - 0.5, -line - 0.5);
    if (day >= 1 && day < kDayPictureCount)
        drawNumber(painter, day, body);
    else
        drawBlankLines(painter, body, line);
    return image;
}

namespace {

// Draws a day's page at the size asked for, when it is asked for: the tray
// needs one or two sizes of one day, while drawing every day at every size up
// front took a third of the program's start-up.
class DayIconEngine final : public QIconEngine {
public:
    explicit DayIconEngine(int day) : m_day(day) {}

    // A tray draws the icon straight onto its window: the page is drawn for
    // that window's pixels, not drawn small and stretched.
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(rect.width(), rect.height());
        QRect square(0, 0, side, side);
        square.moveCenter(rect.center());
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QTransform &transform = painter->worldTransform();
        const qreal scale = ratio * qMax(qAbs(transform.m11()), qAbs(transform.m22()));
        painter->drawImage(QRectF(square), picture(qMax(1, qRound(side * scale))));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(picture(qMin(size.width(), size.height())));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : kDayPictureSizes)
            sizes << QSize(size, size);
        return sizes;
    }
    QIconEngine *clone() const override { return new DayIconEngine(m_day); }
    QString key() const override { return QStringLiteral("VeltranoDay"); }

private:
    const QImage &picture(int side)
    {
        auto found = m_pictures.find(side);
        if (found == m_pictures.end())
            found = m_pictures.insert(side, DrawDayPicture(m_day, qMax(side, 1)));
        return *found;
    }

    int m_day;
    QHash<int, QImage> m_pictures; // by side in pixels
};

} // namespace

QIcon DayIcon(int day)
{
    return QIcon(new DayIconEngine(day));
}

QList<QIcon> makeDayPictures()
{
    QList<QIcon> pictures;
    for (int day = 0; day < kDayPictureCount; ++day)
        pictures << DayIcon(day);
    return pictures;
}

} // namespace veltrano
