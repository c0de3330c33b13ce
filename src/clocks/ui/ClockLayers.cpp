#include "clocks/ui/ClockLayers.h"

#include "common/ui/Hints.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace veltrano {
namespace {

const QColor kBrass(0xc8, 0x9b, 0x3c);
const QColor kBrassShade(0x7a, 0x5a, 0x1c);

// A brass bracket hugging the corner, bent away from the dial: the rim of a
// 151-pixel dial passes close to the corners, so the ornaments stay thin.
QPixmap bracket(QSize size, Qt::Corner corner)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool right = corner == Qt::TopRightCorner || corner == Qt::BottomRightCorner;
    const bool bottom = corner == Qt::BottomLeftCorner || corner == Qt::BottomRightCorner;
    painter.translate(right ? size.width() : 0, bottom ? size.height() : 0);
    painter.scale(right ? -1 : 1, bottom ? -1 : 1);
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath arm;
    arm.moveTo(1.5, h - 1.5);
    arm.lineTo(1.5, 1.5);
    arm.lineTo(w - 1.5, 1.5);
    painter.setPen(QPen(kBrassShade, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(arm);
    painter.setPen(QPen(kBrass, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(arm);
    // A rivet where the arms meet.
    painter.setPen(QPen(kBrassShade, 1));
    painter.setBrush(kBrass);
    painter.drawEllipse(QRectF(2, 2, 5, 5));
    return picture;
}

// The top-left ornament carries a small bell, the sign of the alarm.
QPixmap bellBracket(QSize size)
{
    QPixmap picture = bracket(size, Qt::TopLeftCorner);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath bell;
    bell.moveTo(10, 18);
    bell.cubicTo(10, 9, 20, 9, 20, 18);
    bell.lineTo(22, 21);
    bell.lineTo(8, 21);
    bell.closeSubpath();
    painter.setPen(QPen(kBrassShade, 1));
    painter.setBrush(kBrass);
    painter.drawPath(bell);
    painter.drawEllipse(QRectF(13.5, 21, 3, 3));
    return picture;
}

void addCorner(QWidget &panel, const char *name, const QPixmap &picture, QPoint at)
{
    auto *corner = named(new QLabel(&panel), name);
    corner->setPixmap(picture);
    corner->setGeometry(QRect(at, picture.size()));
    corner->setAttribute(Qt::WA_TransparentForMouseEvents);
    corner->setAccessibleName(QStringLiteral("Ornament"));
}

} // namespace

ClockPanel::ClockPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelClock"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAccessibleName(QStringLiteral("Deduvi clock"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClockPanel::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(event->rect(), palette().window());
    QFrame::paintEvent(event);
}

ClockLayer::ClockLayer(const char *name, const QString &accessibleName, QWidget *parent) : QWidget(parent)
{
    setObjectName(QLatin1String(name));
    setAccessibleName(accessibleName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ClockLayer::setPicture(const QImage &picture, const QRect &changed)
{
    const bool resized = m_shown.size() != picture.size();
    m_shown = picture; // shared, not copied, until the clock draws on its own again
    update(resized ? rect() : changed);
}

void ClockLayer::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPoint(0, 0), m_shown);
}

void AddClockCorners(QWidget &panel)
{
    const QRect inner = panel.contentsRect();
    addCorner(panel, "Image2", bellBracket(QSize(57, 48)), inner.topLeft());
    addCorner(panel, "Image3", bracket(QSize(18, 48), Qt::TopRightCorner), QPoint(inner.right() - 17, inner.top()));
    addCorner(panel, "Image4", bracket(QSize(16, 17), Qt::BottomLeftCorner), QPoint(inner.left(), inner.bottom() - 16));
    addCorner(panel, "Image5", bracket(QSize(16, 17), Qt::BottomRightCorner),
              QPoint(inner.right() - 15, inner.bottom() - 16));
}

} // namespace veltrano
