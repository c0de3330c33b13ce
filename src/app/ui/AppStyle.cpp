#include "app/ui/AppStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace veltrano {

void useUnshapedInterfaceText()
{
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

namespace {

// Two chevrons pointing the way the hidden items lie, in the text colour.
class ChevronEngine final : public QIconEngine {
public:
    explicit ChevronEngine(Qt::Orientation direction) : m_direction(direction) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        const QColor ink = palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                         QPalette::WindowText);
        const qreal unit = qMin(rect.width(), rect.height()) / 8.0;
        QPainterPath chevrons;
        for (const qreal step : {0.0, 3.0}) {
            chevrons.moveTo(2 + step, 2);
            chevrons.lineTo(4 + step, 4);
            chevrons.lineTo(2 + step, 6);
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        if (m_direction == Qt::Vertical) {
            painter->translate(rect.width(), 0);
            painter->rotate(90);
        }
        painter->scale(unit, unit);
        painter->setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(chevrons);
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }
    QIconEngine *clone() const override { return new ChevronEngine(m_direction); }
    QString key() const override { return QStringLiteral("veltrano-chevron"); }

private:
    Qt::Orientation m_direction;
};

} // namespace

QIcon AppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton:
        return QIcon(new ChevronEngine(Qt::Horizontal));
    case SP_ToolBarVerticalExtensionButton:
        return QIcon(new ChevronEngine(Qt::Vertical));
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

} // namespace veltrano
